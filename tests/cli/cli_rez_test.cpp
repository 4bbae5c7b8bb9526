// vyrworld-tool rez: exit statuses and what list, extract, freshen and create produce.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/tool_run.h"

namespace {

using vyr::ReadText;
using vyr::RunTool;
using vyr::ToolRun;

namespace fs = std::filesystem;

class CliRezTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("vyr_cli_rez_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "REZ" / "Images" / "Tiles");
    fs::create_directories(m_dir / "REZ" / "Palettes");
    Write("REZ/Images/Tiles/1.pid", "tile one");
    Write("REZ/Images/Tiles/Flag.pid", "flag");
    Write("REZ/Palettes/main.pal", std::string(768, '\x7F'));
  }
  void TearDown() override { fs::remove_all(m_dir); }

  void Write(const std::string& relative, const std::string& bytes) {
    std::ofstream(m_dir / relative, std::ios::binary) << bytes;
  }
  std::string P(const std::string& relative) const { return "'" + (m_dir / relative).string() + "'"; }

  ToolRun Tool(const std::string& args) { return RunTool(args, m_dir); }

  fs::path m_dir;
};

TEST_F(CliRezTest, ExitStatuses) {
  struct Row {
    std::string args;
    int status;
  } rows[] = {
      {"rez", 2},
      {"rez frobnicate", 2},
      {"rez list", 2},
      {"rez extract " + P("A.REZ") + " /X.PID", 2},
      {"rez freshen " + P("A.REZ"), 2},
      {"rez list " + P("missing.rez"), 1},
      {"rez freshen " + P("missing.rez") + " " + P("REZ"), 1},
      {"rez create " + P("A.REZ") + " " + P("nothing"), 1},
      {"rez create " + P("A.REZ") + " " + P("REZ"), 0},
      {"rez list " + P("A.REZ"), 0},
      {"rez list " + P("A.REZ") + " NOPE", 1},
      {"rez extract " + P("A.REZ") + " /IMAGES/TILES/NONE.PID " + P("out"), 1},
      {"rez extract " + P("A.REZ") + " /IMAGES/TILES/1.PID " + P("no/such/dir/out"), 1},
      {"rez freshen " + P("A.REZ") + " " + P("REZ"), 0},
  };
  for (const Row& row : rows) {
    const ToolRun o = Tool(row.args);
    EXPECT_EQ(o.status, row.status) << row.args << "\n" << o.err;
    if (row.status == 1) {
      EXPECT_EQ(o.err.rfind("vyrworld-tool: ", 0), 0u) << o.err;
      EXPECT_TRUE(std::isupper(o.err[15]) || o.err[15] == '\'') << o.err;  // a sentence, or the file's name
      EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
    }
  }
}

TEST_F(CliRezTest, CreateFreshenListAndExtract) {
  ToolRun created = Tool("rez create " + P("A.REZ") + " " + P("REZ"));
  ASSERT_EQ(created.status, 0) << created.err;
  EXPECT_EQ(created.out, "3\n");
  EXPECT_EQ(Tool("rez freshen " + P("A.REZ") + " " + P("REZ")).out, "0\n");

  // A newer file is stored again.
  Write("REZ/Images/Tiles/1.pid", "tile one, redrawn");
  fs::last_write_time(m_dir / "REZ/Images/Tiles/1.pid",
                      fs::file_time_type::clock::now() + std::chrono::hours(1));
  EXPECT_EQ(Tool("rez freshen " + P("A.REZ") + " " + P("REZ")).out, "1\n");

  const ToolRun extracted = Tool("rez extract " + P("A.REZ") + " images\\\\tiles\\\\1.pid " + P("one.pid"));
  ASSERT_EQ(extracted.status, 0) << extracted.err;
  EXPECT_EQ(ReadText(m_dir / "one.pid"), "tile one, redrawn");

  const ToolRun text = Tool("rez list " + P("A.REZ"));
  ASSERT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("IMAGES/"), std::string::npos);
  EXPECT_NE(text.out.find("FLAG.PID  id=10000000 type=PID size=4 "), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("MAIN.PAL  id=10000000 type=PAL size=768 "), std::string::npos) << text.out;

  const ToolRun json = Tool("rez list " + P("A.REZ") + " /Images/Tiles --json");
  ASSERT_EQ(json.status, 0);
  EXPECT_EQ(json.out.rfind("{\"archive\":", 0), 0u);
  EXPECT_NE(json.out.find("\"compact\":false"), std::string::npos);
  EXPECT_NE(json.out.find("\"path\":\"/IMAGES/TILES\""), std::string::npos);
  EXPECT_NE(json.out.find("{\"name\":\"1\",\"type\":\"PID\",\"typeCode\":5261636,\"id\":1,\"size\":17,"),
            std::string::npos)
      << json.out;
  EXPECT_EQ(json.out.find("MAIN"), std::string::npos);  // only the directory asked for
}

// Neither list, extract nor freshen takes a file whose header no archive has; freshen would
// have written over it.
TEST_F(CliRezTest, FilesThatAreNoArchiveAreRefusedAndLeftUnchanged) {
  ASSERT_EQ(Tool("make-demo " + P("demo")).status, 0);
  std::string zeroRoot = ReadText(m_dir / "demo" / "DEMO.REZ");
  zeroRoot.replace(135, 4, 4, '\0');
  Write("ZERO.REZ", zeroRoot);
  for (const char* file : {"demo/DEMO.VWD", "ZERO.REZ"}) {
    const std::string before = ReadText(m_dir / file);
    for (const std::string& args : {"rez freshen " + P(file) + " " + P("REZ"), "rez list " + P(file),
                                    "rez extract " + P(file) + " /IMAGES/TILES/1.PID " + P("out")}) {
      SCOPED_TRACE(args);
      const ToolRun o = Tool(args);
      EXPECT_EQ(o.status, 1);
      EXPECT_EQ(o.err.rfind("vyrworld-tool: " + P(file) + " is not an archive: ", 0), 0u) << o.err;
      EXPECT_TRUE(o.out.empty()) << o.out;
    }
    EXPECT_EQ(ReadText(m_dir / file), before);
  }
}

TEST_F(CliRezTest, DamagedArchivesShowTheirProblems) {
  Write("REZ/TOP.PID", "top");
  ASSERT_EQ(Tool("rez create " + P("A.REZ") + " " + P("REZ")).status, 0);
  // Both directory entries of the root (they come first) get blocks past the end.
  std::string bytes = ReadText(m_dir / "A.REZ");
  auto u32 = [&](size_t at) {
    uint32_t value = 0;
    std::memcpy(&value, &bytes[at], 4);  // little-endian, as the machines the tests run on
    return value;
  };
  for (size_t at = u32(131); u32(at) == 1; at += 16 + std::strlen(&bytes[at + 16]) + 1) {
    bytes.replace(at + 8, 4, "\xFF\xFF\xFF\x7F");
  }
  Write("A.REZ", bytes);
  struct Row {
    std::string args;
    int status;
    std::string outPart;
  } rows[] = {
      {"rez list " + P("A.REZ"), 1, "TOP.PID"},
      {"rez list " + P("A.REZ") + " --json", 1, "\"problems\":[\"directory '/"},
      {"rez extract " + P("A.REZ") + " /TOP.PID " + P("top.pid"), 0, ""},
      {"rez extract " + P("A.REZ") + " /PALETTES/MAIN.PAL " + P("main.pal"), 1, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args);
    const ToolRun o = Tool(row.args);
    EXPECT_EQ(o.status, row.status) << o.err;
    EXPECT_NE(o.out.find(row.outPart), std::string::npos) << o.out;
    EXPECT_EQ(o.err.rfind("vyrworld-tool: warning: directory '/", 0), 0u) << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 2 + row.status) << o.err;
    EXPECT_EQ(o.err.find("is damaged (2 problems above)") != std::string::npos, row.status == 1) << o.err;
  }
  EXPECT_EQ(ReadText(m_dir / "top.pid"), "top");
}

}  // namespace
