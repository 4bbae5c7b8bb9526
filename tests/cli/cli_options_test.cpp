// The tool's command line: every command's own --help, --version, and refused values
// named with what to give instead, all without touching a file.
#include <gtest/gtest.h>
#include <unistd.h>

#include "cli/tool_run.h"

namespace vyr {
namespace {

TEST(CliOptions, HelpVersionAndRefusedValues) {
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("vyr_cli_options_" + std::to_string(::getpid()));
  std::filesystem::create_directories(scratch);
  const struct Row {
    const char* arguments;
    int status;
    const char* outPart;  // on stdout for status 0, else on stderr
  } rows[] = {
      {"--version", 0, "vyrworld-tool 0.1\n"},
      {"--help", 0, "  repair                      Give ground and edge tiles"},
      {"help", 0, "Usage: vyrworld-tool [OPTIONS] SUBCOMMAND"},
      {"rez --help", 0, "  freshen "},
      {"rez extract --help", 0, "Usage: vyrworld-tool rez extract [OPTIONS] ARCHIVE ITEMPATH OUT"},
      {"repair --help", 0, "  --plane N "},
      {"validate -h", 0, "  --rez ARCHIVE "},
      {"", 2, "usage:\n  vyrworld-tool make-demo OUTDIR\n"},
      {"frob x", 2, "vyrworld-tool: Unknown command 'frob'\n"},
      {"rez frob x", 2, "vyrworld-tool rez: Unknown command 'frob'\nusage: vyrworld-tool rez list"},
      {"repair a b --plane 1x", 2,
       "vyrworld-tool repair: --plane: give a whole number from 0 to 2147483647, not '1x'\n"
       "usage: vyrworld-tool repair IN OUT [--plane N]\nRun 'vyrworld-tool repair --help' for its options.\n"},
      {"repair a b --plane 2147483648", 2, "not '2147483648'"},
      {"repair a b --plane=-3", 2, "not '-3'"},
      {"resave a b --compress --no-compress", 2, "--compress excludes --no-compress"},
      {"make-demo ''", 2, "OUTDIR: give a non-empty path"},
      {"validate w --rez", 2, "--rez: 1 required ARCHIVE missing"},
      {"rez list a --jsn", 2, "vyrworld-tool rez list: The following argument was not expected: --jsn"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.arguments);
    const ToolRun run = RunTool(row.arguments, scratch);
    EXPECT_EQ(run.status, row.status);
    const std::string& shown = row.status == 0 ? run.out : run.err;
    EXPECT_NE(shown.find(row.outPart), std::string::npos) << shown;
    EXPECT_TRUE((row.status == 0 ? run.err : run.out).empty());
  }
  std::filesystem::remove_all(scratch);
}

}  // namespace
}  // namespace vyr
