// The game starts as the program itself: arguments reach it unchanged, with no shell
// between, in the folder given; a program that cannot start says why.
#include "editor/qt_process_launcher.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "cli/tool_run.h"
#include "editor/test_application.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

TEST(QtProcessLauncher, RunsTheProgramWithItsArgumentsUnchangedInTheFolderGiven) {
  test::EnsureApplication();
  const fs::path folder = fs::temp_directory_path() / ("vyr_launch_" + std::to_string(::getpid()));
  fs::create_directories(folder / "game dir");
  const fs::path program = folder / "game dir" / "run.sh";
  {
    std::ofstream script(program);
    script << "#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"[$a]\"; done; } > \"$1.tmp\" && mv \"$1.tmp\" \"$1\"\n";
  }
  fs::permissions(program, fs::perms::owner_all);
  const fs::path report = folder / "report.txt";
  QtProcessLauncher launcher;
  std::string error;
  ASSERT_TRUE(launcher.StartDetached(program.string(), {report.string(), "$HOME; echo hi", "a\"b", "", "X:-5"},
                                     (folder / "game dir").string(), error))
      << error;
  for (int waited = 0; !fs::exists(report) && waited < 100; ++waited) QTest::qWait(50);
  EXPECT_EQ(ReadText(report), (folder / "game dir").string() + "\n[" + report.string() +
                                  "]\n[$HOME; echo hi]\n[a\"b]\n[]\n[X:-5]\n");

  fs::permissions(program, fs::perms::owner_read | fs::perms::owner_write);
  error.clear();
  EXPECT_FALSE(launcher.StartDetached(program.string(), {}, folder.string(), error));
  EXPECT_FALSE(error.empty());
  fs::remove_all(folder);
}

}  // namespace
}  // namespace vyr
