// Saves: written through symbolic links, and temporary files of ended writers removed.
#include "platform/save_target.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "platform/file_io.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

class SaveTargetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("vyr_save_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "real");
  }
  void TearDown() override { fs::remove_all(m_dir); }

  bool Save(const fs::path& path, const std::string& text, std::string& error) {
    return WriteFileAtomically(path.string(), {reinterpret_cast<const uint8_t*>(text.data()), text.size()}, error);
  }
  static std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::set<std::string> Names(const fs::path& folder) const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
  }

  fs::path m_dir;
};

TEST_F(SaveTargetTest, SavesWriteThroughSymbolicLinks) {
  std::ofstream(m_dir / "real" / "W.VWD") << "old";
  fs::create_symlink("real/W.VWD", m_dir / "link.vwd");
  fs::create_symlink(m_dir / "link.vwd", m_dir / "chain.vwd");
  fs::create_symlink("real/NEW.VWD", m_dir / "dangling.vwd");
  struct Row {
    const char* link;
    const char* target;
  } rows[] = {{"link.vwd", "real/W.VWD"}, {"chain.vwd", "real/W.VWD"}, {"dangling.vwd", "real/NEW.VWD"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.link);
    std::string error;
    ASSERT_TRUE(Save(m_dir / row.link, row.link, error)) << error;
    EXPECT_TRUE(fs::is_symlink(m_dir / row.link));
    EXPECT_EQ(Slurp(m_dir / row.target), row.link);
  }
  EXPECT_EQ(Names(m_dir / "real"), (std::set<std::string>{"W.VWD", "NEW.VWD"}));

  fs::create_symlink("b.vwd", m_dir / "a.vwd");
  fs::create_symlink("a.vwd", m_dir / "b.vwd");
  std::string error;
  EXPECT_FALSE(Save(m_dir / "a.vwd", "x", error));
  EXPECT_NE(error.find("loop"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_symlink(m_dir / "a.vwd"));
}

TEST_F(SaveTargetTest, WhatIsNotARegularFileIsNeverReplaced) {
  ASSERT_EQ(::mkfifo((m_dir / "pipe").c_str(), 0600), 0);
  fs::create_symlink("pipe", m_dir / "to-pipe");
  for (const char* name : {"real", "pipe", "to-pipe"}) {
    SCOPED_TRACE(name);
    std::string error;
    EXPECT_FALSE(Save(m_dir / name, "x", error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
  }
  EXPECT_TRUE(fs::is_directory(m_dir / "real"));
  EXPECT_TRUE(fs::is_fifo(m_dir / "pipe"));
  EXPECT_TRUE(fs::is_symlink(m_dir / "to-pipe"));
}

TEST_F(SaveTargetTest, TemporariesOfEndedWritersAreRemovedByTheNextSave) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(child, nullptr, 0), child);  // reaped: no process has this id now
  const std::string dead = std::to_string(child);
  const std::string live = std::to_string(::getpid());
  const fs::path folder = m_dir / "real";
  for (const std::string& name : {".W.VWD.vyrtmp-" + dead + "-a1B2c3", ".W.VWD.vyrtmp-" + live + "-a1B2c3",
                                  ".OTHER.VWD.vyrtmp-" + dead + "-a1B2c3"}) {
    std::ofstream(folder / name) << "half a save";
  }
  std::string error;
  ASSERT_TRUE(Save(folder / "W.VWD", "saved", error)) << error;
  EXPECT_EQ(Names(folder), (std::set<std::string>{"W.VWD", ".W.VWD.vyrtmp-" + live + "-a1B2c3",
                                                  ".OTHER.VWD.vyrtmp-" + dead + "-a1B2c3"}));
}

}  // namespace
}  // namespace vyr
