// vyrworld-tool validate, run as a program on the demo and on damaged copies of it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/tool_run.h"
#include "world/standalone_world_host.h"
#include "world/world.h"
#include "world/world_file.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

class CliValidate : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_dir = fs::temp_directory_path() / ("vyr_cli_validate_" + std::to_string(::getpid()));
    fs::remove_all(s_dir);
    fs::create_directories(s_dir / "elsewhere");
    ASSERT_EQ(Tool("make-demo '" + (s_dir / "demo").string() + "'").status, 0);
    // Two bad cells in the action plane, saved beside the archive and in a folder without it.
    StandaloneWorldHost host;
    CWorld world;
    world.SetViewRect(CRect{0, 0, 639, 479});
    std::string reason;
    ASSERT_EQ(world.LoadFromFile(host, (s_dir / "demo" / "DEMO.VWD").string(), &reason), 1) << reason;
    CPlane* action = world.Plane(1);
    action->SetName("Action\x1b[2J\r");  // control bytes the terminal must not get
    action->SetTile(0, 0, MakeTile(7, 0));
    action->SetTile(3, 2, MakeTile(0, 999));
    for (const fs::path& path : {s_dir / "demo" / "BAD.VWD", s_dir / "elsewhere" / "BAD.VWD"})
      ASSERT_EQ(SaveWorldFile(world, host, path.string(), "May 1, 2000", &reason), 1) << reason;
  }
  static void TearDownTestSuite() { fs::remove_all(s_dir); }

  static ToolRun Tool(const std::string& arguments) { return RunTool(arguments, s_dir); }
  static std::string At(const std::string& relative) { return "'" + (s_dir / relative).string() + "'"; }

  static fs::path s_dir;
};
fs::path CliValidate::s_dir;

TEST_F(CliValidate, PrintsTheReportAndExitsByTheResult) {
  const std::string invalid =
      "Level contains invalid tiles!\n"
      "Plane Action\\x1b[2J\\x0d: Bad map image set value (7) at 0,0\n"
      "Plane Action\\x1b[2J\\x0d: Bad map tile value (999) at 3,2\n";
  struct Case {
    std::string arguments;
    int status;
    std::string out;
  } cases[] = {
      {At("demo/DEMO.VWD"), 0, "Level contains all valid tiles!\n"},
      {At("demo/BAD.VWD"), 1, invalid},
      {At("elsewhere/BAD.VWD") + " --rez " + At("demo/DEMO.REZ"), 1, invalid},
      {"--rez " + At("demo/DEMO.REZ") + " " + At("demo/DEMO.VWD"), 0, "Level contains all valid tiles!\n"},
      // Without its archive the world cannot be checked: a reason, no report, no question.
      {At("elsewhere/BAD.VWD"), 1, ""},
      {At("demo/DEMO.VWD") + " --rez " + At("demo/MISSING.REZ"), 1, ""},
      {At("demo/NONE.VWD"), 1, ""},
      {"", 2, ""},
      {At("demo/DEMO.VWD") + " --rez", 2, ""},
      {At("demo/DEMO.VWD") + " " + At("demo/BAD.VWD"), 2, ""},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool("validate " + c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
    EXPECT_EQ(run.out, c.out) << c.arguments;
    EXPECT_EQ(run.err.empty(), !c.out.empty()) << c.arguments << "\n" << run.err;
  }
  EXPECT_NE(Tool("validate " + At("elsewhere/BAD.VWD")).err.find("--rez ARCHIVE"), std::string::npos);
}

}  // namespace
}  // namespace vyr
