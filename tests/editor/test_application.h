// The one QApplication the editor tests share, made on first use.
#pragma once

#include <QApplication>

namespace vyr::test {

inline void EnsureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_editor";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

}  // namespace vyr::test
