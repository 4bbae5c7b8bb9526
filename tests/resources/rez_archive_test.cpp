// Archive tests: type codes, name rules, table order, write/reopen identity, paths, damage.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/bytes.h"
#include "resources/rez_mgr.h"
#include "resources/rez_names.h"
#include "resources/rez_test_util.h"

namespace vyr {
namespace {

using test::MemoryFiles;
using test::Snapshot;

constexpr uint32_t kPid = 0x00504944;
constexpr uint32_t kPal = 0x0050414C;

// Hand-built archive images, independent of our writer.
struct RawEntry {
  bool isDir = false;
  uint32_t offset = 0, size = 0, time = 0, id = 0, code = 0;
  std::string name, description;
  std::vector<uint32_t> keys;
};

std::vector<uint8_t> Block(const std::vector<RawEntry>& entries) {
  ByteWriter w;
  for (const RawEntry& e : entries) {
    w.U32(e.isDir ? 1 : 0);
    w.U32(e.offset);
    w.U32(e.size);
    w.U32(e.time);
    if (!e.isDir) {
      w.U32(e.id);
      w.U32(e.code);
      w.U32(uint32_t(e.keys.size()));
    }
    w.Raw(e.name.data(), e.name.size());
    w.U8(0);
    if (!e.isDir) {
      w.Raw(e.description.data(), e.description.size());
      w.U8(0);
      for (uint32_t k : e.keys) w.U32(k);
    }
  }
  return std::move(w.Bytes());
}

void PutHeader(std::vector<uint8_t>& file, uint32_t rootOffset, uint32_t rootSize, uint32_t dataEnd) {
  if (file.size() < 168) file.resize(168);
  file[0] = 0x0D;
  file[1] = 0x0A;
  std::memcpy(&file[2], "RezMgr Version 1", 16);
  StoreU32(&file[127], 1);
  StoreU32(&file[131], rootOffset);
  StoreU32(&file[135], rootSize);
  StoreU32(&file[139], 777);     // root time
  StoreU32(&file[143], dataEnd);
  StoreU32(&file[147], 888);     // change time
  StoreU32(&file[151], 3);       // largest key count
  StoreU32(&file[155], 9);
  StoreU32(&file[159], 11);
  StoreU32(&file[163], 13);      // longest description + 1
  file[167] = 1;
}

// Root with one sub-directory SUB holding two items (one with a description and keys),
// and one item in the root.
std::vector<uint8_t> HandMadeArchive() {
  std::vector<uint8_t> file(168);
  const uint32_t dataA = uint32_t(file.size());
  for (char c : std::string("AAAA")) file.push_back(uint8_t(c));
  const uint32_t dataB = uint32_t(file.size());
  for (char c : std::string("BBBBBB")) file.push_back(uint8_t(c));
  const uint32_t dataC = uint32_t(file.size());
  for (char c : std::string("CC")) file.push_back(uint8_t(c));
  const uint32_t dataEnd = uint32_t(file.size());
  std::vector<uint8_t> sub = Block({
      {false, dataA, 4, 101, 7, kPid, "SEVEN", "a description", {5, 6, 0xFFFFFFFF}},
      {false, dataB, 6, 102, 10000000, kPid, "Flag", "", {}},
  });
  const uint32_t subOffset = uint32_t(file.size());
  file.insert(file.end(), sub.begin(), sub.end());
  std::vector<uint8_t> root = Block({
      {true, subOffset, uint32_t(sub.size()), 55, 0, 0, "Sub", "", {}},
      {false, dataC, 2, 103, 1, kPal, "MAIN", "", {42}},
  });
  const uint32_t rootOffset = uint32_t(file.size());
  file.insert(file.end(), root.begin(), root.end());
  PutHeader(file, rootOffset, uint32_t(root.size()), dataEnd);
  return file;
}

class ArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_mgr.SetFileOpener(m_files.Opener());
    m_mgr.SetClock([this] { return m_now; });
  }
  void Reopen(bool readOnly = true) {
    ASSERT_TRUE(m_mgr.CloseArchive()) << m_mgr.LastError();
    ASSERT_TRUE(m_mgr.OpenArchive("a.rez", readOnly)) << m_mgr.LastError();
  }
  CRezItem* AddItem(CRezDir* dir, uint32_t id, const std::string& name, uint32_t code, const std::string& bytes) {
    CRezItem* item = dir->CreateItem(id, name, code);
    EXPECT_NE(item, nullptr);
    if (!item) return nullptr;
    auto buffer = item->NewData(uint32_t(bytes.size()));
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    EXPECT_TRUE(item->WriteData());
    item->ReleaseData();
    return item;
  }

  MemoryFiles m_files;
  CRezMgr m_mgr;
  uint32_t m_now = 1000;
};

TEST(RezNames, TypeCodePackingBothWays) {
  struct Row {
    const char* extension;
    uint32_t code;
    const char* back;
  } rows[] = {
      {"PID", 0x00504944, "PID"}, {"RID", 0x00524944, "RID"}, {"PCX", 0x00504358, "PCX"},
      {"BMP", 0x00424D50, "BMP"}, {"pal", 0x0050414C, "PAL"}, {"", 0, ""},
      {"A", 0x41, "A"},           {"ab", 0x4142, "AB"},       {"ABCD", 0x41424344, "ABCD"},
  };
  for (const Row& row : rows) {
    uint32_t code = 123;
    ASSERT_TRUE(TypeCodeFromExtension(row.extension, code)) << row.extension;
    EXPECT_EQ(code, row.code) << row.extension;
    EXPECT_EQ(ExtensionFromTypeCode(code), row.back);
  }
  uint32_t code = 0;
  EXPECT_FALSE(TypeCodeFromExtension("ABCDE", code));
  // Stored little-endian, the bytes of PID read "DIP" and a zero.
  uint8_t stored[4];
  StoreU32(stored, 0x00504944);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(stored), 4), std::string("DIP\0", 4));
}

TEST(RezNames, NameCharactersAndSeparators) {
  // Space up to '.', digits and ASCII letters: 15 + 10 + 52 bytes; the edges of each range.
  int nameBytes = 0;
  for (int c = 0; c < 256; ++c) nameBytes += IsRezNameChar(uint8_t(c));
  EXPECT_EQ(nameBytes, 77);
  for (int c : std::initializer_list<int>{0x20, '!', '-', '.', '0', '9', 'A', 'Z', 'a', 'z'})
    EXPECT_TRUE(IsRezNameChar(uint8_t(c))) << c;
  for (int c : std::initializer_list<int>{0x00, 0x1F, '/', ':', '@', '[', '\\', '_', '`', '{', '~', 0x7F, 0x80, 0xE9, 0xFF})
    EXPECT_FALSE(IsRezNameChar(uint8_t(c))) << c;
  EXPECT_TRUE(RezNamesEqual("Level1", "LEVEL1"));
  EXPECT_FALSE(RezNamesEqual("\xE9", "\xC9"));  // only ASCII letters fold
}

TEST_F(ArchiveTest, TablesIterateBucketsInOrderNewestFirst) {
  ASSERT_TRUE(m_mgr.CreateArchive("a.rez"));
  CRezDir* root = m_mgr.GetRootDir();
  // Name lengths 2, 1, 5, 2: buckets 2, 1, 0, 2.
  for (const char* name : {"AB", "C", "DEFGH", "XY"}) ASSERT_NE(root->CreateDir(name), nullptr);
  std::vector<std::string> dirs;
  for (CRezDir* d = root->FirstSubDir(); d; d = root->NextSubDir(d)) dirs.push_back(d->GetName());
  EXPECT_EQ(dirs, (std::vector<std::string>{"DEFGH", "C", "XY", "AB"}));
  // Ids 1, 20 fall in bucket 1; 19, 38 in bucket 0.
  for (uint32_t id : {1u, 20u, 19u, 38u}) AddItem(root, id, "N" + std::to_string(id), kPid, "x");
  // Type codes modulo 9: PAL 0x50414C % 9 = 5, PID 0x504944 % 9 = 2, code 9 -> 0.
  AddItem(root, 1, "P", kPal, "p");
  AddItem(root, 1, "Z", 9, "z");
  std::vector<uint32_t> ids;
  std::vector<uint32_t> codes;
  for (CRezType* t = root->FirstType(); t; t = root->NextType(t)) codes.push_back(t->GetCode());
  for (CRezItem* i = root->FindType(kPid)->FirstItem(); i; i = root->FindType(kPid)->NextItem(i)) ids.push_back(i->GetId());
  EXPECT_EQ(codes, (std::vector<uint32_t>{9, kPid, kPal}));
  EXPECT_EQ(ids, (std::vector<uint32_t>{38, 19, 20, 1}));

  // Blocks are written in that order and read back with front insertion, so each
  // bucket comes back reversed; the tree is otherwise the same.
  Reopen();
  root = m_mgr.GetRootDir();
  ids.clear();
  for (CRezItem* i : root->FindType(kPid)->Items()) ids.push_back(i->GetId());
  EXPECT_EQ(ids, (std::vector<uint32_t>{19, 38, 1, 20}));
  dirs.clear();
  for (CRezDir* d : root->SubDirs()) dirs.push_back(d->GetName());
  EXPECT_EQ(dirs, (std::vector<std::string>{"DEFGH", "C", "AB", "XY"}));
}

TEST_F(ArchiveTest, HandMadeArchiveReadsEveryField) {
  m_files["a.rez"] = std::make_shared<std::vector<uint8_t>>(HandMadeArchive());
  ASSERT_TRUE(m_mgr.OpenArchive("a.rez", true));
  EXPECT_TRUE(m_mgr.Problems().empty());
  EXPECT_EQ(Snapshot(m_mgr.GetRootDir(), true),
            "D / t777\n"
            "  I MAIN c50414c id1 s2 o178 t103 d'' k42, [CC]\n"
            "D /Sub t55\n"  // id 7 in bucket 7, id 10000000 in bucket 15
            "  I SEVEN c504944 id7 s4 o168 t101 d'a description' k5,6,4294967295, [AAAA]\n"
            "  I Flag c504944 id10000000 s6 o172 t102 d'' k [BBBBBB]\n");
  const RezHeader& h = m_mgr.Header();
  EXPECT_EQ(h.rootTime, 777u);
  EXPECT_EQ(h.dataEnd, 180u);
  EXPECT_EQ(h.largestKeyCount, 3u);
  EXPECT_EQ(h.longestDescription, 13u);
  CRezDir* sub = m_mgr.FindDir("sub");
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->GetTotalSize(), 10u);
  EXPECT_EQ(sub->GetLowestDataOffset(), 168u);
}

TEST_F(ArchiveTest, UpdateKeepsEveryFieldAndHeaderValue) {
  m_files["a.rez"] = std::make_shared<std::vector<uint8_t>>(HandMadeArchive());
  ASSERT_TRUE(m_mgr.OpenArchive("a.rez", false));
  const std::string before = Snapshot(m_mgr.GetRootDir(), true);
  m_now = 5000;
  CRezItem* added = AddItem(m_mgr.FindDir("SUB"), 3, "NEW", kPid, "new bytes");
  ASSERT_NE(added, nullptr);
  const std::string expected = Snapshot(m_mgr.GetRootDir(), true);
  ASSERT_NE(before, expected);
  Reopen();
  // Same tree after the write (bucket order aside: compare as sorted lines).
  auto sorted = [](const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
  };
  EXPECT_EQ(sorted(Snapshot(m_mgr.GetRootDir(), true)), sorted(expected));
  const RezHeader& h = m_mgr.Header();
  EXPECT_EQ(h.rootTime, 777u);            // as read at open
  EXPECT_EQ(h.changeTime, 5000u);         // touched by the new data
  EXPECT_EQ(h.largestKeyCount, 3u);       // written back as read
  EXPECT_EQ(h.longestDescription, 13u);
  EXPECT_EQ(h.longestItemName, 11u);      // "NEW" is shorter than the recorded 10
  EXPECT_EQ(h.compact, 0);
  EXPECT_EQ(m_mgr.FindItem("/SUB/NEW.PID")->GetTime(), 5000u);
  EXPECT_EQ(m_mgr.FindDir("SUB")->GetTime(), 5000u);
}

TEST_F(ArchiveTest, WrittenLayoutFollowsTheFormat) {
  m_now = 0x01020304;
  ASSERT_TRUE(m_mgr.CreateArchive("a.rez"));
  CRezDir* images = m_mgr.GetRootDir()->CreateDir("IMAGES");
  CRezDir* tiles = images->CreateDir("TILES");
  AddItem(tiles, 12, "12", kPid, "twelve");
  AddItem(m_mgr.GetRootDir(), 1, "MAIN", kPal, "pal");
  ASSERT_TRUE(m_mgr.CloseArchive());
  const std::vector<uint8_t>& f = *m_files["a.rez"];
  ASSERT_GE(f.size(), 168u);
  EXPECT_EQ(f[0], 0x0D);
  EXPECT_EQ(f[1], 0x0A);
  const std::string text(f.begin() + 2, f.begin() + 62);
  EXPECT_EQ(text.substr(0, 16), "RezMgr Version 1");
  EXPECT_EQ(text.find_last_not_of(' '), 48u);  // 49 characters, padded with spaces
  EXPECT_EQ(f[62], 0x0D);
  EXPECT_EQ(f[63], 0x0A);
  EXPECT_EQ(std::string(f.begin() + 64, f.begin() + 124), std::string(60, ' '));
  EXPECT_EQ(f[124], 0x0D);
  EXPECT_EQ(f[125], 0x0A);
  EXPECT_EQ(f[126], 0x1A);
  EXPECT_EQ(LoadU32(&f[127]), 1u);
  // Item data right after the header in the order appended.
  EXPECT_EQ(std::string(f.begin() + 168, f.begin() + 177), "twelvepal");
  const uint32_t dataEnd = LoadU32(&f[143]);
  EXPECT_EQ(dataEnd, 177u);
  // Children's blocks before parents', the root's last, running to the end of the file.
  const uint32_t rootOffset = LoadU32(&f[131]);
  const uint32_t rootSize = LoadU32(&f[135]);
  EXPECT_EQ(rootOffset + rootSize, f.size());
  EXPECT_EQ(LoadU32(&f[139]), 0x01020304u);
  EXPECT_EQ(LoadU32(&f[155]), 7u);  // "IMAGES" + 1
  EXPECT_EQ(LoadU32(&f[159]), 5u);  // "MAIN" + 1
  EXPECT_EQ(f[167], 0);             // data appended since written whole
  // TILES' block first: one item entry with the type code stored as "DIP\0".
  EXPECT_EQ(LoadU32(&f[dataEnd]), 0u);
  EXPECT_EQ(LoadU32(&f[dataEnd + 4]), 168u);
  EXPECT_EQ(LoadU32(&f[dataEnd + 8]), 6u);
  EXPECT_EQ(LoadU32(&f[dataEnd + 16]), 12u);
  EXPECT_EQ(std::string(f.begin() + dataEnd + 20, f.begin() + dataEnd + 24), std::string("DIP\0", 4));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f[dataEnd + 28])), "12");
  EXPECT_EQ(f[dataEnd + 31], 0);  // empty description
  // The root block: IMAGES' directory entry, then MAIN.
  EXPECT_EQ(LoadU32(&f[rootOffset]), 1u);
  const uint32_t imagesOffset = LoadU32(&f[rootOffset + 4]);
  EXPECT_EQ(imagesOffset, dataEnd + 32);  // right after TILES' 32-byte block
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f[rootOffset + 16])), "IMAGES");
}

TEST_F(ArchiveTest, PathsFindDirectoriesWithEitherSeparator) {
  ASSERT_TRUE(m_mgr.CreateArchive("a.rez"));
  CRezDir* root = m_mgr.GetRootDir();
  CRezDir* tiles = root->CreateDir("IMAGES")->CreateDir("LEVEL1")->CreateDir("TILES");
  CRezDir* one = root->CreateDir("A");
  AddItem(tiles, 1, "1", kPid, "pid");
  AddItem(tiles, 1, "1", 0x00524944, "rid");
  AddItem(root->CreateDir("PALETTES"), 1, "MAIN", kPal, "pal");
  AddItem(root, 5, "ROOT", kPid, "root");
  AddItem(one, 5, "ROOT", kPid, "in A");
  AddItem(one, 6, "NOEXT", 0, "none");

  const char* found[] = {"/IMAGES/LEVEL1/TILES", "IMAGES/level1/tiles", "IMAGES//LEVEL1//TILES",
                         "\\IMAGES\\LEVEL1\\TILES", "images\\\\level1\\\\tiles", "/images/level1/tiles//",
                         "IMAGES:LEVEL1_TILES", "\\IMAGES/LEVEL1\\TILES"};
  for (const char* path : found) EXPECT_EQ(m_mgr.FindDir(path), tiles) << path;
  // One leading separator is passed over; after a second one the first name is empty.
  const char* missing[] = {"",     "/",          "//",           "IMAGES/NOPE", "IMAGES/LEVEL1/TILES/1",
                           "IMAGES/LEVEL", "//IMAGES/LEVEL1/TILES", "\\\\IMAGES\\LEVEL1", "/:IMAGES"};
  for (const char* path : missing) EXPECT_EQ(m_mgr.FindDir(path), nullptr) << path;

  struct Row {
    const char* path;
    const char* data;  // null: finds nothing
  } items[] = {
      {"MAIN.PAL", nullptr},  // no separator
      {"/PALETTES/MAIN.PAL", "pal"},
      {"palettes\\main.pal", "pal"},
      {"/IMAGES//LEVEL1\\\\TILES/1.PID", "pid"},
      {"/IMAGES/LEVEL1/TILES/1.rid", "rid"},
      {"/IMAGES/LEVEL1/TILES/1", nullptr},
      {"/IMAGES/LEVEL1/TILES/1.PIDXX", nullptr},
      {"/ROOT.PID", "root"},
      {"\\root.pid", "root"},
      {"//ROOT.PID", "root"},                       // the rest, "/ROOT.PID", names no directory
      {"//IMAGES/LEVEL1/TILES/1.PID", "pid"},       // one separator passed over, one before IMAGES
      {"///IMAGES/LEVEL1/TILES/1.PID", nullptr},    // the directory part starts with "//"
      {"////ROOT.PID", nullptr},                    // a directory part "//" is walked and names nothing
      {"A/ROOT.PID", "in A"},  // a one-character directory is walked
      {"/A/NOEXT", "none"},
      {"/B/ROOT.PID", nullptr},
      {"/PALETTES/", nullptr},
  };
  for (const Row& row : items) {
    CRezItem* item = m_mgr.FindItem(row.path);
    if (row.data == nullptr) {
      EXPECT_EQ(item, nullptr) << row.path;
      continue;
    }
    ASSERT_NE(item, nullptr) << row.path;
    auto data = item->GetData();
    EXPECT_EQ(std::string(data.begin(), data.end()), row.data) << row.path;
  }
  // From a directory other than the root.
  EXPECT_EQ(root->FindDir("IMAGES")->FindDir("level1/TILES"), tiles);
  EXPECT_NE(root->FindDir("IMAGES")->FindItem("LEVEL1/TILES/1.PID"), nullptr);
}

TEST_F(ArchiveTest, CreateRefusesDuplicatesAndRaisesLongestNames) {
  ASSERT_TRUE(m_mgr.CreateArchive("a.rez"));
  CRezDir* root = m_mgr.GetRootDir();
  ASSERT_NE(root->CreateDir("Images"), nullptr);
  EXPECT_EQ(root->CreateDir("IMAGES"), nullptr);
  EXPECT_EQ(root->CreateDir(std::string("A\0B", 3)), nullptr);
  ASSERT_NE(root->CreateItem(1, "One", kPid), nullptr);
  EXPECT_EQ(root->CreateItem(1, "Other", kPid), nullptr);  // id taken
  EXPECT_EQ(root->CreateItem(2, "ONE", kPid), nullptr);    // name taken
  EXPECT_NE(root->CreateItem(1, "ONE", 0x00524944), nullptr);  // another type code
  EXPECT_EQ(m_mgr.Header().longestDirName, 7u);
  EXPECT_EQ(m_mgr.Header().longestItemName, 4u);
  ASSERT_NE(root->CreateItem(3, "Longer", kPid), nullptr);
  EXPECT_EQ(m_mgr.Header().longestItemName, 7u);
  EXPECT_EQ(root->FindItemById(1, 0x00524944)->GetName(), "ONE");
}

TEST_F(ArchiveTest, ItemDataLifecycle) {
  ASSERT_TRUE(m_mgr.CreateArchive("a.rez"));
  CRezDir* root = m_mgr.GetRootDir();
  CRezItem* empty = root->CreateItem(1, "EMPTY", kPid);
  ASSERT_NE(empty, nullptr);
  const size_t sizeBefore = m_files["a.rez"]->size();
  EXPECT_TRUE(empty->NewData(0).empty());
  EXPECT_TRUE(empty->WriteData());
  EXPECT_EQ(empty->GetDataOffset(), 0u);
  EXPECT_EQ(m_files["a.rez"]->size(), sizeBefore);
  EXPECT_TRUE(empty->GetData().empty());

  m_now = 2000;
  CRezItem* item = AddItem(root, 2, "DATA", kPid, "abcdef");
  EXPECT_EQ(item->GetDataOffset(), 168u);
  EXPECT_EQ(item->GetTime(), 2000u);
  EXPECT_FALSE(item->HasCachedData());
  auto data = item->GetData();
  ASSERT_EQ(data.size(), 6u);
  EXPECT_EQ(data.data(), item->GetData().data());  // cached
  data[0] = 'X';
  EXPECT_TRUE(item->WriteData());                  // over its old bytes
  EXPECT_EQ(item->GetDataOffset(), 168u);
  item->ReleaseData();
  EXPECT_EQ(std::string(item->GetData().begin(), item->GetData().end()), "Xbcdef");
  // New data of another size are appended; the directory's total follows.
  auto bigger = item->NewData(8);
  std::memcpy(bigger.data(), "12345678", 8);
  EXPECT_EQ(root->GetTotalSize(), 8u);
  ASSERT_TRUE(item->WriteData());
  EXPECT_EQ(item->GetDataOffset(), 174u);
  Reopen();
  CRezItem* back = m_mgr.FindItem("/DATA.PID");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(std::string(back->GetData().begin(), back->GetData().end()), "12345678");
  EXPECT_EQ(m_mgr.FindItem("/EMPTY.PID")->GetSize(), 0u);
  // A read-only archive refuses writes.
  EXPECT_FALSE(back->WriteData());
}

TEST_F(ArchiveTest, ArchiveBuiltInCodeReopensIdentically) {
  m_now = 4242;
  ASSERT_TRUE(m_mgr.CreateArchive("a.rez"));
  CRezDir* root = m_mgr.GetRootDir();
  for (int d = 0; d < 7; ++d) {
    CRezDir* dir = root->CreateDir("DIR" + std::to_string(d));
    for (uint32_t i = 0; i < 30; ++i) {
      m_now += 1;
      AddItem(dir, i * 7, "ITEM" + std::to_string(i), i % 3 ? kPid : kPal, std::string(i, char('a' + d)));
    }
    dir->CreateDir("EMPTY");
  }
  const std::string expected = Snapshot(root, true);
  ASSERT_TRUE(m_mgr.CloseArchive());
  ASSERT_TRUE(m_mgr.OpenArchive("a.rez", false));
  // A second write of the reopened tree restores the first order (each write reverses
  // every bucket) and must give exactly the first tree.
  m_mgr.SetCompact(true);
  Reopen();
  EXPECT_EQ(Snapshot(m_mgr.GetRootDir(), true), expected);
  // The first directory blocks were left behind as dead space.
  EXPECT_EQ(m_mgr.Header().compact, 0);
}

// A file whose header cannot be an archive's is refused in every mode, unchanged, with a
// reason; an update would otherwise write over what it holds.
TEST_F(ArchiveTest, OpenRefusesFilesThatCannotBeArchives) {
  const std::vector<uint8_t> good = HandMadeArchive();
  using Damage = std::function<void(std::vector<uint8_t>&)>;
  struct Row {
    const char* what;
    Damage damage;
    const char* reasonPart;
  } rows[] = {
      {"shorter than the header", [](auto& f) { f.resize(100); }, "shorter than the 168-byte header"},
      {"root block past the end", [](auto& f) { StoreU32(&f[135], uint32_t(f.size())); }, "lies outside the file"},
      {"root block offset huge", [](auto& f) { StoreU32(&f[131], 0xFFFFFFF0u); }, "lies outside the file"},
      {"root block over the header", [](auto& f) { StoreU32(&f[131], 100); }, "overlaps the 168-byte header"},
      {"root size zeroed", [](auto& f) { StoreU32(&f[135], 0); }, "root directory is empty"},
      {"zero header in a longer file", [](auto& f) { std::fill(f.begin(), f.begin() + 168, 0); }, "root directory is empty"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    auto bytes = std::make_shared<std::vector<uint8_t>>(good);
    row.damage(*bytes);
    const std::vector<uint8_t> before = *bytes;
    m_files["d.rez"] = bytes;
    for (bool readOnly : {true, false}) {
      std::string reason;
      EXPECT_FALSE(m_mgr.OpenArchive("d.rez", readOnly, &reason));
      EXPECT_EQ(reason.rfind("'d.rez' is not an archive: ", 0), 0u) << reason;
      EXPECT_NE(reason.find(row.reasonPart), std::string::npos) << reason;
      EXPECT_EQ(m_mgr.LastError(), reason);
      EXPECT_FALSE(m_mgr.IsOpen());
    }
    EXPECT_EQ(*bytes, before);
  }
  std::string reason;
  EXPECT_FALSE(m_mgr.OpenArchive("missing.rez", true, &reason));
  EXPECT_NE(reason.find("missing.rez"), std::string::npos);
  // A header of zeros opens as an empty archive (text and version are not verified).
  m_files["zero.rez"] = std::make_shared<std::vector<uint8_t>>(168, 0);
  EXPECT_TRUE(m_mgr.OpenArchive("zero.rez", true, &reason));
  EXPECT_EQ(m_mgr.GetRootDir()->FirstType(), nullptr);
}

// An empty archive whose first update was cut short before its header was written: the
// header is as new, the data past it are referred to by nothing. It opens, and new data go
// past the end of the file, never over what is there.
TEST_F(ArchiveTest, NewDataNeverGoBelowTheEndOfTheFile) {
  auto bytes = std::make_shared<std::vector<uint8_t>>();
  PutHeader(*bytes, 168, 0, 168);
  const std::string leftOver = "left over by a cut-short update";
  bytes->insert(bytes->end(), leftOver.begin(), leftOver.end());
  m_files["a.rez"] = bytes;
  ASSERT_TRUE(m_mgr.OpenArchive("a.rez", false)) << m_mgr.LastError();
  AddItem(m_mgr.GetRootDir(), 1, "X", kPid, "new");
  Reopen();
  EXPECT_EQ(std::string(bytes->begin() + 168, bytes->begin() + 168 + long(leftOver.size())), leftOver);
  CRezItem* item = m_mgr.FindItem("/X.PID");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->GetDataOffset(), 168 + leftOver.size());
  EXPECT_EQ(std::string(item->GetData().begin(), item->GetData().end()), "new");
}

TEST_F(ArchiveTest, DamagedBlocksGiveEmptyDirectoriesAndBadItemsNoData) {
  const std::vector<uint8_t> good = HandMadeArchive();
  const uint32_t rootOffset = LoadU32(&good[131]);
  const uint32_t subOffset = LoadU32(&good[rootOffset + 4]);
  const uint32_t subSize = LoadU32(&good[rootOffset + 8]);
  struct Row {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
    bool subEmpty;
    bool sevenReadable;
  } rows[] = {
      {"sub block past the end", [&](auto& f) { StoreU32(&f[rootOffset + 8], 0x7FFFFFFF); }, true, false},
      {"sub block is the root block", [&](auto& f) { StoreU32(&f[rootOffset + 4], rootOffset); }, true, false},
      {"name without its zero", [&](auto& f) { f[subOffset + subSize - 1] = 'x'; }, true, false},
      {"key count past the block", [&](auto& f) { StoreU32(&f[subOffset + 24], 0x40000000); }, true, false},
      {"item data past the end", [&](auto& f) { StoreU32(&f[subOffset + 8], 0xFFFFFFFF); }, false, false},
      {"item data over the header", [&](auto& f) { StoreU32(&f[subOffset + 4], 10); }, false, false},
      {"item data offset 0", [&](auto& f) { StoreU32(&f[subOffset + 4], 0); }, false, false},
      {"undamaged", [](auto&) {}, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    auto bytes = std::make_shared<std::vector<uint8_t>>(good);
    row.damage(*bytes);
    m_files["d.rez"] = bytes;
    CRezMgr mgr;
    mgr.SetFileOpener(m_files.Opener());
    ASSERT_TRUE(mgr.OpenArchive("d.rez", true));
    CRezDir* root = mgr.GetRootDir();
    CRezDir* sub = mgr.FindDir("SUB");
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->FirstType() == nullptr, row.subEmpty);
    EXPECT_NE(root->FirstType(), nullptr);
    EXPECT_EQ(mgr.Problems().empty(), !row.subEmpty);
    if (CRezItem* seven = mgr.FindItem("/SUB/SEVEN.PID")) {
      EXPECT_EQ(!seven->GetData().empty(), row.sevenReadable);
    } else {
      EXPECT_FALSE(row.sevenReadable);
    }
    mgr.CloseArchive();
    // A damaged archive is not opened for update: writing it back would lose entries.
    std::string reason;
    EXPECT_EQ(mgr.OpenArchive("d.rez", false, &reason), !row.subEmpty) << reason;
  }
}

class RetryOnceMgr : public CRezMgr {
 public:
  int asked = 0;

 protected:
  int OnFileError(RezFileOperation operation) override {
    ++asked;
    return operation == RezFileOperation::kWrite && asked == 1;
  }
};

TEST_F(ArchiveTest, ErrorHookRetriesAFailedWrite) {
  RetryOnceMgr mgr;
  mgr.SetFileOpener(m_files.Opener());
  ASSERT_TRUE(mgr.CreateArchive("r.rez"));
  CRezItem* item = mgr.GetRootDir()->CreateItem(1, "X", kPid);
  std::memcpy(item->NewData(3).data(), "abc", 3);
  m_files.ResetCounts();
  m_files.FailWrite(1, MemoryFiles::FailMode::kNothingWritten);
  EXPECT_TRUE(item->WriteData());  // failed once, retried
  EXPECT_EQ(mgr.asked, 1);
  EXPECT_FALSE(mgr.WriteFailed());
  ASSERT_TRUE(mgr.CloseArchive());
  // The base hook answers 0: a failed write is final and the archive keeps its old tree.
  CRezMgr plain;
  plain.SetFileOpener(m_files.Opener());
  ASSERT_TRUE(plain.OpenArchive("r.rez", false));
  CRezItem* again = plain.FindItem("/X.PID");
  ASSERT_NE(again, nullptr);
  std::memcpy(again->NewData(2).data(), "zz", 2);
  m_files.ResetCounts();
  m_files.FailWrite(1, MemoryFiles::FailMode::kNothingWritten);
  EXPECT_FALSE(again->WriteData());
  std::string reason;
  EXPECT_FALSE(plain.CloseArchive(&reason));
  EXPECT_NE(reason.find("keeps its previous contents"), std::string::npos);
  ASSERT_TRUE(plain.OpenArchive("r.rez", true));
  EXPECT_EQ(std::string(plain.FindItem("/X.PID")->GetData().begin(), plain.FindItem("/X.PID")->GetData().end()), "abc");
}

TEST_F(ArchiveTest, UnchangedUpdateWritesNothing) {
  m_files["a.rez"] = std::make_shared<std::vector<uint8_t>>(HandMadeArchive());
  const std::vector<uint8_t> before = *m_files["a.rez"];
  ASSERT_TRUE(m_mgr.OpenArchive("a.rez", false));
  m_mgr.FindItem("/SUB/SEVEN.PID")->GetData();
  m_files.ResetCounts();
  ASSERT_TRUE(m_mgr.CloseArchive());
  EXPECT_EQ(m_files.Writes(), 0);
  EXPECT_EQ(*m_files["a.rez"], before);
}

}  // namespace
}  // namespace vyr
