// Freshen tests: ids from names, what a second run stores, compact flag, folder order,
// and that a failed write at any point leaves the archive's old tree and data.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "resources/rez_freshen.h"
#include "resources/rez_mgr.h"
#include "resources/rez_test_util.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;
using test::MemoryFiles;
using test::Snapshot;


class FreshenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_root = fs::temp_directory_path() /
             ("vyr_freshen_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_root);
    fs::create_directories(m_root / "REZ");
    m_options.clock = [this] { return m_now; };
  }
  void TearDown() override { fs::remove_all(m_root); }

  // Writes a loose file with the given last-write time.
  void Put(const std::string& relative, const std::string& bytes, uint32_t time = 500) {
    const fs::path path = m_root / "REZ" / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    SetTime(relative, time);
  }
  void SetTime(const std::string& relative, uint32_t time) {
    const timespec times[2] = {{time_t(time), 0}, {time_t(time), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (m_root / "REZ" / relative).c_str(), times, 0), 0);
  }
  std::string Archive() const { return (m_root / "DATA.REZ").string(); }
  std::string Folder() const { return (m_root / "REZ").string(); }

  FreshenResult Create() { return CreateArchiveFromFolder(Archive(), Folder(), m_options); }
  FreshenResult Run() { return FreshenArchive(Archive(), Folder(), m_options); }

  fs::path m_root;
  FreshenOptions m_options;
  uint32_t m_now = 1000;
};

struct IdRow {
  const char* path;
  uint32_t id;
};

TEST_F(FreshenTest, IdsComeFromNames) {
  Put("TILES/12.pid", "a");
  Put("TILES/A.pid", "b");
  Put("TILES/b.PID", "c");
  Put("TILES/FLAG.pid", "d");
  Put("TILES/7.rid", "e");
  Put("TILES/.pid", "f");
  Put("BIG/99999999999.pid", "g");
  Put("BIG/readme", "h");
  Put("BIG/x.toolong", "i");
  const FreshenResult created = Create();
  ASSERT_TRUE(created.ok) << created.reason;
  EXPECT_EQ(created.stored, 8);
  ASSERT_EQ(created.warnings.size(), 1u);  // the five-character extension
  CRezMgr mgr;
  ASSERT_TRUE(mgr.OpenArchive(Archive(), true));
  const IdRow rows[] = {{"/TILES/12.PID", 12},        {"/TILES/A.PID", 10000000},
                        {"/TILES/B.PID", 10000001},   {"/TILES/FLAG.PID", 10000002},
                        {"/TILES/7.RID", 7},          {"/TILES/.PID", 0},
                        {"/BIG/99999999999.PID", 10000000}, {"/BIG/README", 10000000}};
  for (const IdRow& row : rows) {
    CRezItem* item = mgr.FindItem(row.path);
    ASSERT_NE(item, nullptr) << row.path;
    EXPECT_EQ(item->GetId(), row.id) << row.path;
  }
  EXPECT_EQ(mgr.FindItem("/BIG/README")->GetType(), 0u);
  EXPECT_EQ(mgr.FindDir("TILES")->GetName(), "TILES");
  EXPECT_EQ(mgr.Header().compact, 1);
  mgr.CloseArchive();

  // 0012 would take id 12, which 12.PID holds: passed over.
  Put("TILES/0012.pid", "z", 600);
  const FreshenResult again = Run();
  ASSERT_TRUE(again.ok) << again.reason;
  EXPECT_EQ(again.stored, 0);
  ASSERT_TRUE(mgr.OpenArchive(Archive(), true));
  EXPECT_EQ(mgr.FindItem("/TILES/0012.PID"), nullptr);
}

TEST_F(FreshenTest, SecondRunStoresNothingAndATouchedFileIsStoredAgain) {
  Put("IMAGES/TILES/1.PID", "one");
  Put("IMAGES/TILES/2.PID", "two");
  Put("PALETTES/MAIN.PAL", std::string(768, 'p'));
  Put("EMPTY.DAT", "");
  ASSERT_TRUE(Create().ok);
  const std::string bytesAfterCreate = [&] {
    std::ifstream in(Archive(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }();

  m_now = 2000;
  FreshenResult second = Run();
  ASSERT_TRUE(second.ok) << second.reason;
  EXPECT_EQ(second.stored, 0);
  std::ifstream in(Archive(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytesAfterCreate);

  // Only files newer than their stored copy (stored at 1000) go in again.
  Put("IMAGES/TILES/2.PID", "TWO!", 1500);
  SetTime("IMAGES/TILES/1.PID", 1000);  // equal: passed over
  m_now = 3000;
  FreshenResult third = Run();
  ASSERT_TRUE(third.ok) << third.reason;
  EXPECT_EQ(third.stored, 1);
  EXPECT_EQ(Freshen(Archive(), Folder()), 0);  // the two-argument form

  CRezMgr mgr;
  ASSERT_TRUE(mgr.OpenArchive(Archive(), true));
  CRezItem* two = mgr.FindItem("/images/tiles/2.pid");
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(std::string(two->GetData().begin(), two->GetData().end()), "TWO!");
  EXPECT_EQ(two->GetTime(), 3000u);  // stamped by the write
  EXPECT_EQ(mgr.FindDir("IMAGES/TILES")->GetTime(), 3000u);
  EXPECT_EQ(mgr.Header().changeTime, 3000u);
  EXPECT_EQ(mgr.FindItem("/EMPTY.DAT")->GetTime(), 500u);  // size 0: keeps the file's time
  EXPECT_EQ(mgr.Header().compact, 0);  // replaced data left dead space
}

TEST_F(FreshenTest, ExistingDirectoriesAreFoundIgnoringCaseAndVanishedFilesStay) {
  Put("Sprites/Hero/1.PID", "h1");
  Put("Sprites/Hero/2.PID", "h2");
  ASSERT_TRUE(Create().ok);
  fs::remove(m_root / "REZ" / "Sprites" / "Hero" / "2.PID");
  fs::rename(m_root / "REZ" / "Sprites", m_root / "REZ" / "sprites");
  Put("sprites/hero/3.PID", "h3", 1500);
  m_now = 2000;
  const FreshenResult result = Run();
  ASSERT_TRUE(result.ok) << result.reason;
  EXPECT_EQ(result.stored, 1);
  CRezMgr mgr;
  ASSERT_TRUE(mgr.OpenArchive(Archive(), true));
  EXPECT_EQ(mgr.GetRootDir()->SubDirCount(), 1u);
  for (const char* path : {"/SPRITES/HERO/1.PID", "/SPRITES/HERO/2.PID", "/SPRITES/HERO/3.PID"}) {
    EXPECT_NE(mgr.FindItem(path), nullptr) << path;
  }
}

TEST_F(FreshenTest, FolderListingOrderIsByUpperCasedBytes) {
  for (const char* name : {"b.pid", "A.PID", "_x.pid", "a2.pid", "Z", "~"}) Put(name, "x");
  fs::create_directories(m_root / "REZ" / "m");
  std::vector<FolderEntry> entries;
  std::string reason;
  ASSERT_TRUE(ListFolderSorted(m_root / "REZ", entries, reason)) << reason;
  std::vector<std::string> names;
  for (const FolderEntry& e : entries) names.push_back(e.name + (e.isFolder ? "/" : ""));
  EXPECT_EQ(names, (std::vector<std::string>{"A.PID", "a2.pid", "b.pid", "m/", "Z", "_x.pid", "~"}));
  EXPECT_FALSE(ListFolderSorted(m_root / "nothing", entries, reason));
}

TEST_F(FreshenTest, FailuresAreReported) {
  Put("1.PID", "x");
  FreshenResult noArchive = Run();
  EXPECT_FALSE(noArchive.ok);
  EXPECT_EQ(noArchive.stored, 0);
  EXPECT_NE(noArchive.reason.find("DATA.REZ"), std::string::npos);
  EXPECT_EQ(Freshen(Archive(), Folder()), 0);
  ASSERT_TRUE(Create().ok);
  FreshenResult noFolder = FreshenArchive(Archive(), (m_root / "none").string(), m_options);
  EXPECT_FALSE(noFolder.ok);
  EXPECT_NE(noFolder.reason.find("is not a folder"), std::string::npos);
  // Creating never leaves a temporary file behind.
  size_t files = 0;
  for (const auto& entry : fs::directory_iterator(m_root)) files += entry.is_regular_file();
  EXPECT_EQ(files, 1u);
}

TEST_F(FreshenTest, CreatingThroughALinkReplacesItsTarget) {
  Put("1.PID", "one");
  const fs::path link = m_root / "LINK.REZ";
  fs::create_symlink("DATA.REZ", link);
  const FreshenResult created = CreateArchiveFromFolder(link.string(), Folder(), m_options);
  ASSERT_TRUE(created.ok) << created.reason;
  EXPECT_TRUE(fs::is_symlink(link));
  CRezMgr mgr;
  ASSERT_TRUE(mgr.OpenArchive(Archive(), true)) << mgr.LastError();
  EXPECT_NE(mgr.FindItem("/1.PID"), nullptr);
  size_t entries = 0;
  for (const auto& entry : fs::directory_iterator(m_root)) entries += entry.path() != m_root / "REZ";
  EXPECT_EQ(entries, 2u);  // the archive and the link, no temporary file
}

// The archive on "disk" (in memory), a first version of the folder stored, then a
// changed folder whose Freshen fails at write k.
TEST_F(FreshenTest, AFailedWriteAtAnyPointKeepsTheOldTreeAndData) {
  MemoryFiles files;
  m_options.opener = files.Opener();
  Put("IMAGES/1.PID", "old one");
  Put("IMAGES/FLAG.PID", "old flag");
  Put("PAL/MAIN.PAL", "old palette");
  ASSERT_TRUE(CreateArchiveFromFolder("A.REZ", Folder(), m_options).ok);
  const std::vector<uint8_t> original = *files["A.REZ"];
  auto snapshot = [&] {
    CRezMgr mgr;
    mgr.SetFileOpener(files.Opener());
    EXPECT_TRUE(mgr.OpenArchive("A.REZ", true));
    EXPECT_TRUE(mgr.Problems().empty());
    return Snapshot(mgr.GetRootDir(), true);
  };
  const std::string oldTree = snapshot();

  Put("IMAGES/1.PID", "new one, longer", 1500);
  Put("IMAGES/2.PID", "new two", 1500);
  Put("NEWDIR/SUB/X.PID", "new x", 1500);
  Put("PAL/MAIN.PAL", "new palette", 1500);
  m_now = 2000;
  files.ResetCounts();
  const FreshenResult full = FreshenArchive("A.REZ", Folder(), m_options);
  ASSERT_TRUE(full.ok) << full.reason;
  EXPECT_EQ(full.stored, 4);
  const int writes = files.Writes();
  const int flushes = files.Flushes();
  EXPECT_EQ(writes, 6);  // four items, the directory blocks, the header
  const std::string newTree = snapshot();
  EXPECT_NE(newTree, oldTree);
  EXPECT_NE(newTree.find("[new x]"), std::string::npos);

  for (MemoryFiles::FailMode mode : {MemoryFiles::FailMode::kNothingWritten, MemoryFiles::FailMode::kCrash}) {
    // A torn header is the one write this cannot survive; it is one 168-byte write at 0.
    const int last = mode == MemoryFiles::FailMode::kCrash ? writes - 1 : writes;
    for (int k = 1; k <= last; ++k) {
      SCOPED_TRACE("write " + std::to_string(k) + (mode == MemoryFiles::FailMode::kCrash ? " torn" : " lost"));
      *files["A.REZ"] = original;
      files.ResetCounts();
      files.FailWrite(k, mode);
      const FreshenResult failed = FreshenArchive("A.REZ", Folder(), m_options);
      files.FailWrite(0, mode);
      EXPECT_FALSE(failed.ok);
      EXPECT_FALSE(failed.reason.empty());
      EXPECT_EQ(snapshot(), oldTree);
    }
  }
  // A failed flush before the header also keeps the old tree.
  *files["A.REZ"] = original;
  files.ResetCounts();
  files.FailFlush(1);
  EXPECT_FALSE(FreshenArchive("A.REZ", Folder(), m_options).ok);
  files.FailFlush(0);
  EXPECT_EQ(snapshot(), oldTree);
  EXPECT_EQ(flushes, 2);
  // And the interrupted archive can still be freshened completely afterwards; its data
  // go past what the failed run left at the end of the file.
  files.ResetCounts();
  const size_t leftOver = files["A.REZ"]->size();
  ASSERT_TRUE(FreshenArchive("A.REZ", Folder(), m_options).ok);
  const std::regex offset(" o[0-9]+ ");
  EXPECT_EQ(std::regex_replace(snapshot(), offset, " "), std::regex_replace(newTree, offset, " "));
  CRezMgr mgr;
  mgr.SetFileOpener(files.Opener());
  ASSERT_TRUE(mgr.OpenArchive("A.REZ", true));
  EXPECT_GE(mgr.FindItem("/NEWDIR/SUB/X.PID")->GetDataOffset(), leftOver);
}

}  // namespace
}  // namespace vyr
