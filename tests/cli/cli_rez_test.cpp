// vyrworld-tool rez: exit statuses and what list, extract, freshen and create produce.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

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

  Outcome Tool(const std::string& args) {
    const fs::path out = m_dir / "stdout.txt";
    const fs::path err = m_dir / "stderr.txt";
    const std::string command =
        std::string("'") + VYR_TOOL_PATH + "' " + args + " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    o.out = Slurp(out);
    o.err = Slurp(err);
    return o;
  }

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
    const Outcome o = Tool(row.args);
    EXPECT_EQ(o.status, row.status) << row.args << "\n" << o.err;
    if (row.status == 1) {
      EXPECT_EQ(o.err.rfind("vyrworld-tool: ", 0), 0u) << o.err;
      EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
    }
  }
}

TEST_F(CliRezTest, CreateFreshenListAndExtract) {
  Outcome created = Tool("rez create " + P("A.REZ") + " " + P("REZ"));
  ASSERT_EQ(created.status, 0) << created.err;
  EXPECT_EQ(created.out, "3\n");
  EXPECT_EQ(Tool("rez freshen " + P("A.REZ") + " " + P("REZ")).out, "0\n");

  // A newer file is stored again.
  Write("REZ/Images/Tiles/1.pid", "tile one, redrawn");
  fs::last_write_time(m_dir / "REZ/Images/Tiles/1.pid",
                      fs::file_time_type::clock::now() + std::chrono::hours(1));
  EXPECT_EQ(Tool("rez freshen " + P("A.REZ") + " " + P("REZ")).out, "1\n");

  const Outcome extracted = Tool("rez extract " + P("A.REZ") + " images\\\\tiles\\\\1.pid " + P("one.pid"));
  ASSERT_EQ(extracted.status, 0) << extracted.err;
  EXPECT_EQ(Slurp(m_dir / "one.pid"), "tile one, redrawn");

  const Outcome text = Tool("rez list " + P("A.REZ"));
  ASSERT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("IMAGES/"), std::string::npos);
  EXPECT_NE(text.out.find("FLAG.PID  id=10000000 type=PID size=4 "), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("MAIN.PAL  id=10000000 type=PAL size=768 "), std::string::npos) << text.out;

  const Outcome json = Tool("rez list " + P("A.REZ") + " /Images/Tiles --json");
  ASSERT_EQ(json.status, 0);
  EXPECT_EQ(json.out.rfind("{\"archive\":", 0), 0u);
  EXPECT_NE(json.out.find("\"compact\":false"), std::string::npos);
  EXPECT_NE(json.out.find("\"path\":\"/IMAGES/TILES\""), std::string::npos);
  EXPECT_NE(json.out.find("{\"name\":\"1\",\"type\":\"PID\",\"typeCode\":5261636,\"id\":1,\"size\":17,"),
            std::string::npos)
      << json.out;
  EXPECT_EQ(json.out.find("MAIN"), std::string::npos);  // only the directory asked for
}

}  // namespace
