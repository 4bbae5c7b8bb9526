// The one QApplication the editor tests share, made on first use.
#pragma once

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace vyr::test {

inline void EnsureApplication() {
  if (QApplication::instance()) return;
  // Backups and recovery copies of the editor's saves stay out of the user's own state folder.
  static const std::string state =
      (std::filesystem::temp_directory_path() / ("vyr-editor-state-" + std::to_string(::getpid()))).string();
  ::setenv("XDG_STATE_HOME", state.c_str(), 1);
  static int argc = 1;
  static char name[] = "test_editor";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

}  // namespace vyr::test
