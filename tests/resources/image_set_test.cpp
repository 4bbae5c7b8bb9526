// Image sets: naming and numbering from archive directories, image loading, drawing.
#include "resources/image_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "resources/image_formats.h"
#include "resources/palette.h"
#include "resources/rez_mgr.h"
#include "resources/rez_names.h"

namespace vyr {
namespace {

struct Entry {
  std::string dir;   // "TILES/BACK"; empty for the root
  std::string name;  // "000"
  std::string ext;   // "PID"
  std::vector<uint8_t> bytes;
};

RezFileOpener MemoryOpener(std::shared_ptr<std::vector<uint8_t>> bytes) {
  return [bytes](const std::string&, RezOpenMode mode, std::string&) -> std::unique_ptr<RezFile> {
    if (mode == RezOpenMode::kCreate) bytes->clear();
    return std::make_unique<MemoryRezFile>(bytes);
  };
}

CRezDir* MakeDirs(CRezDir* root, const std::string& path) {
  CRezDir* dir = root;
  size_t start = 0;
  while (start < path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string name = path.substr(start, end - start);
    CRezDir* sub = dir->FindSubDir(name);
    dir = sub ? sub : dir->CreateDir(name);
    start = end + 1;
  }
  return dir;
}

// An archive built in memory, items in the order given, ids as Freshen gives them.
std::shared_ptr<std::vector<uint8_t>> BuildArchive(const std::vector<Entry>& entries) {
  auto bytes = std::make_shared<std::vector<uint8_t>>();
  CRezMgr mgr;
  mgr.SetFileOpener(MemoryOpener(bytes));
  mgr.SetClock([] { return 1000u; });
  EXPECT_TRUE(mgr.CreateArchive("memory.rez"));
  for (const Entry& e : entries) {
    CRezDir* dir = MakeDirs(mgr.GetRootDir(), e.dir);
    uint32_t code = 0;
    EXPECT_TRUE(TypeCodeFromExtension(e.ext, code));
    uint32_t id = 0;
    bool numeric = !e.name.empty();
    for (char c : e.name) numeric = numeric && c >= '0' && c <= '9';
    if (numeric) id = uint32_t(std::stoul(e.name));
    else id = dir->FindType(code) ? dir->FindType(code)->FirstFreeNamedId() : 10000000;
    CRezItem* item = dir->CreateItem(id, e.name, code);
    EXPECT_NE(item, nullptr) << e.dir << "/" << e.name;
    if (!item) continue;
    std::span<uint8_t> data = item->NewData(uint32_t(e.bytes.size()));
    std::copy(e.bytes.begin(), e.bytes.end(), data.begin());
    EXPECT_TRUE(item->WriteData());
    item->ReleaseData();
  }
  EXPECT_TRUE(mgr.CloseArchive());
  return bytes;
}

struct OpenArchive {
  explicit OpenArchive(std::shared_ptr<std::vector<uint8_t>> bytes) {
    mgr.SetFileOpener(MemoryOpener(std::move(bytes)));
    EXPECT_TRUE(mgr.OpenArchive("memory.rez", true));
  }
  CRezMgr mgr;
};

// A PID whose pixels all have `colour`; optional hot spot and own palette.
std::vector<uint8_t> Pid(int32_t width, int32_t height, uint8_t colour, int32_t offsetX = 0,
                         int32_t offsetY = 0, std::vector<uint8_t> palette = {},
                         PidCoding coding = PidCoding::TransparentRuns) {
  std::vector<uint8_t> pixels(size_t(width) * size_t(height), colour);
  PidEncodeOptions options;
  options.coding = coding;
  options.offsetX = offsetX;
  options.offsetY = offsetY;
  options.paletteRgb = std::move(palette);
  return EncodePid(pixels.data(), width, height, size_t(width), options);
}

std::vector<uint8_t> Text(const std::string& text) { return {text.begin(), text.end()}; }

TEST(ImageNumberFromName, FirstRunOfDigits) {
  struct Row {
    const char* name;
    int32_t number;
  } rows[] = {
      {"FRAME005", 5}, {"12", 12},    {"ABC", 0},           {"", 0},
      {"A1B22", 1},    {"000", 0},    {"99999999999", INT32_MAX}, {"X2147483647", INT32_MAX},
      {"LADDER130", 130},
  };
  for (const Row& row : rows) EXPECT_EQ(CImageSet::ImageNumberFromName(row.name), row.number) << row.name;
}

TEST(LoadImageSets, NamesSetsByPathAndNumbersImagesByName) {
  std::vector<Entry> entries;
  for (int i = 0; i <= 9; ++i) entries.push_back({"IMAGES/TILES", "00" + std::to_string(i), "PID", Pid(4, 4, uint8_t(i + 1))});
  entries.push_back({"IMAGES/TILES/BACK", "1", "PID", Pid(4, 4, 7)});
  entries.push_back({"IMAGES/TILES/BACK", "2", "PID", Pid(4, 4, 8)});
  entries.push_back({"IMAGES", "LOOSE1", "PID", Pid(4, 4, 9)});                 // directly in the image dir
  entries.push_back({"IMAGES/NOTES", "README", "TXT", Text("not an image")});  // no images: no set
  OpenArchive archive(BuildArchive(entries));

  CImageSetTable table;
  std::vector<std::string> added;
  const int count = table.LoadImageSets(*archive.mgr.FindDir("IMAGES"), "", "_",
                                        [&](const std::string& name) { added.push_back(name); });
  EXPECT_EQ(count, 2);
  EXPECT_EQ(table.Count(), 2u);
  const CImageSet* tiles = table.Find("TILES");
  ASSERT_NE(tiles, nullptr);
  EXPECT_EQ(tiles->Lowest(), 0);
  EXPECT_EQ(tiles->Highest(), 9);
  EXPECT_EQ(tiles->ImageCount(), 10);
  for (int i = 0; i <= 9; ++i) {
    const CImage* image = tiles->GetImage(i);
    ASSERT_NE(image, nullptr) << i;
    EXPECT_EQ(image->Surface().GetPixel(0, 0), i + 1);
  }
  const CImageSet* back = table.Find("TILES_BACK");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetImage(0), nullptr);
  EXPECT_NE(back->GetImage(1), nullptr);
  EXPECT_NE(back->GetImage(2), nullptr);
  EXPECT_EQ(back->Lowest(), 1);
  EXPECT_EQ(back->Highest(), 2);
  EXPECT_EQ(table.Find("NOTES"), nullptr);
  EXPECT_EQ(table.Find("IMAGES"), nullptr);
  EXPECT_EQ(table.Find("tiles"), nullptr);  // names compare with case
  std::sort(added.begin(), added.end());
  EXPECT_EQ(added, (std::vector<std::string>{"TILES", "TILES_BACK"}));
}

TEST(LoadImageSets, RepeatedNumberKeepsTheFirstItemMet) {
  // Named items get ids 10000000.. in turn: A1, B2, C3, D4 fall in id buckets 15..18 and
  // E1 (10000004) in bucket 0, so E1 is met first although it came last and sorts last.
  // The RID type (code modulo 9 = 7) is met after the PID type (2).
  OpenArchive archive(BuildArchive({{"SET", "A1", "PID", Pid(2, 2, 10)},
                                    {"SET", "B2", "PID", Pid(2, 2, 11)},
                                    {"SET", "C3", "PID", Pid(2, 2, 12)},
                                    {"SET", "D4", "PID", Pid(2, 2, 13)},
                                    {"SET", "E1", "PID", Pid(2, 2, 20)},
                                    {"SET", "1", "RID", EncodeRid(std::vector<uint8_t>(4, 30).data(), 2, 2, 2, 0, 0, 0)}}));
  CImageSetTable table;
  EXPECT_EQ(table.LoadImageSets(*archive.mgr.GetRootDir(), "", "_"), 1);
  const CImageSet* set = table.Find("SET");
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(set->PresentCount(), 4);
  ASSERT_NE(set->GetImage(1), nullptr);
  EXPECT_EQ(set->GetImage(1)->Surface().GetPixel(0, 0), 20);
  EXPECT_EQ(set->GetImage(4)->Surface().GetPixel(0, 0), 13);
}

TEST(LoadImageSets, PrefixMakesTheDirectoryItsOwnSetAndAddsOnlyFreeNumbers) {
  OpenArchive archive(BuildArchive({{"OBJ", "1", "PID", Pid(2, 2, 1)},
                                    {"OBJ/COIN", "SPIN01", "PID", Pid(2, 2, 2)},
                                    {"OBJ/COIN", "SPIN02", "PID", Pid(2, 2, 3)},
                                    {"OBJ/COIN/BIG", "7", "PID", Pid(2, 2, 4)},
                                    {"OBJ/EMPTY", "X", "TXT", Text("x")},
                                    {"MORE", "SPIN02", "PID", Pid(2, 2, 5)},
                                    {"MORE", "SPIN03", "PID", Pid(2, 2, 6)}}));
  CImageSetTable table;
  std::vector<std::string> added;
  auto note = [&](const std::string& name) { added.push_back(name); };
  EXPECT_EQ(table.LoadImageSets(*archive.mgr.FindDir("OBJ"), "ITEM", "_", note), 3);
  EXPECT_NE(table.Find("ITEM"), nullptr);
  EXPECT_NE(table.Find("ITEM_COIN"), nullptr);
  EXPECT_NE(table.Find("ITEM_COIN_BIG"), nullptr);
  EXPECT_EQ(table.Find("ITEM_EMPTY"), nullptr);
  EXPECT_EQ(added.size(), 3u);

  // Adding into an existing set: taken numbers stay, free ones are filled, the set counts.
  added.clear();
  EXPECT_EQ(table.LoadImageSets(*archive.mgr.FindDir("MORE"), "ITEM_COIN", "_", note), 1);
  const CImageSet* coin = table.Find("ITEM_COIN");
  EXPECT_EQ(coin->PresentCount(), 3);
  EXPECT_EQ(coin->GetImage(2)->Surface().GetPixel(0, 0), 3);
  EXPECT_EQ(coin->GetImage(3)->Surface().GetPixel(0, 0), 6);
  EXPECT_EQ(added, (std::vector<std::string>{"ITEM_COIN"}));
  // Without a prefix the chosen directory's own items are ignored.
  CImageSetTable plain;
  EXPECT_EQ(plain.LoadImageSets(*archive.mgr.FindDir("OBJ"), "", "_"), 2);
  EXPECT_NE(plain.Find("COIN"), nullptr);
  EXPECT_NE(plain.Find("COIN_BIG"), nullptr);
}

TEST(LoadImageSets, ObjectImageSetsByPathAndPrefixPassOverMissingPaths) {
  OpenArchive archive(BuildArchive({{"OBJ/PLAYER", "WALK1", "PID", Pid(2, 2, 1)},
                                    {"OBJ/ITEMS/COIN", "SPIN01", "PID", Pid(2, 2, 2)},
                                    {"OBJ/ITEMS/GEM", "GEM1", "PID", Pid(2, 2, 3)}}));
  CImageSetTable table;
  std::vector<std::string> added;
  const int count = table.LoadObjectImageSets(*archive.mgr.GetRootDir(), {"\\OBJ\\PLAYER", "", "MISSING", "obj/items"},
                                              {"HERO", "UNUSED", "NONE", "ITEM"},
                                              [&](const std::string& name) { added.push_back(name); });
  EXPECT_EQ(count, 3);
  EXPECT_NE(table.Find("HERO"), nullptr);
  EXPECT_NE(table.Find("ITEM_COIN"), nullptr);
  EXPECT_NE(table.Find("ITEM_GEM"), nullptr);
  EXPECT_EQ(table.Count(), 3u);
  std::sort(added.begin(), added.end());
  EXPECT_EQ(added, (std::vector<std::string>{"HERO", "ITEM_COIN", "ITEM_GEM"}));
}

TEST(LoadImageSets, BadItemsAndWildNumbersArePassedOver) {
  std::vector<uint8_t> truncated = Pid(8, 8, 5);
  truncated.resize(40);
  OpenArchive archive(BuildArchive({{"SET", "1", "PID", truncated},
                                    {"SET", "FRAME70000", "PID", Pid(2, 2, 5)},
                                    {"SET", "2", "PID", Pid(2, 2, 6)},
                                    {"SET", "3", "DAT", Pid(2, 2, 7)},
                                    {"BAD", "1", "PID", truncated}}));
  CImageSetTable table;
  EXPECT_EQ(table.LoadImageSets(*archive.mgr.GetRootDir(), "", "_"), 1);
  const CImageSet* set = table.Find("SET");
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(set->PresentCount(), 1);
  EXPECT_EQ(set->ImageCount(), 3);
  EXPECT_NE(set->GetImage(2), nullptr);
  EXPECT_EQ(table.Find("BAD"), nullptr);

  // The table's AddImage makes the set only when the image loads.
  CRezItem* bad = archive.mgr.FindItem("BAD/1.PID");
  ASSERT_NE(bad, nullptr);
  EXPECT_EQ(table.AddImage("NEW", *bad, 1), nullptr);
  EXPECT_EQ(table.Find("NEW"), nullptr);
  CRezItem* good = archive.mgr.FindItem("SET/2.PID");
  EXPECT_NE(table.AddImage("NEW", *good, 4), nullptr);
  EXPECT_EQ(table.AddImage("NEW", *good, 4), nullptr);  // slot taken
  EXPECT_EQ(table.Find("NEW")->Lowest(), 4);
}

// An item whose stated size runs past the archive is passed over before any buffer is
// grown to that size.
TEST(LoadImageSets, AnItemRunningPastTheArchiveGrowsNoBuffer) {
  const std::vector<uint8_t> pid = Pid(2, 2, 5);
  auto bytes = BuildArchive({{"SET", "1", "PID", pid}});
  // Its directory entry holds its data offset, 168, then its size.
  bool patched = false;
  for (size_t i = 168 + pid.size(); i + 8 <= bytes->size() && !patched; ++i) {
    patched = LoadU32(bytes->data() + i) == 168 && LoadU32(bytes->data() + i + 4) == pid.size();
    if (patched) StoreU32(bytes->data() + i + 4, 0x7FFFFFF0u);
  }
  ASSERT_TRUE(patched);
  OpenArchive archive(bytes);
  CRezItem* item = archive.mgr.FindItem("SET/1.PID");
  ASSERT_NE(item, nullptr);
  std::vector<uint8_t> buffer;
  EXPECT_TRUE(item->ReadData(buffer).empty());
  EXPECT_TRUE(buffer.empty());
  CImageSetTable table;
  EXPECT_EQ(table.LoadImageSets(*archive.mgr.GetRootDir(), "", "_"), 0);
}

std::vector<uint8_t> RedPalette() {
  std::vector<uint8_t> rgb(768, 0);
  rgb[0] = 255, rgb[1] = 0, rgb[2] = 132;  // transparent key
  rgb[5 * 3 + 0] = 255;                    // entry 5 red
  rgb[6 * 3 + 2] = 255;                    // entry 6 blue
  return rgb;
}

TEST(CImageLoad, PaletteFromImagesReindexesOnlyImagesWithTheirOwnPalette) {
  std::vector<uint8_t> pixels = {0, 5, 6, 0};
  PidEncodeOptions own;
  own.paletteRgb = RedPalette();
  const std::vector<uint8_t> withPalette = EncodePid(pixels.data(), 4, 1, 4, own);
  const std::vector<uint8_t> without = EncodePid(pixels.data(), 4, 1, 4, PidEncodeOptions{});
  CPalId cube;
  ASSERT_TRUE(cube.BuildDefault());

  struct Row {
    const char* what;
    const std::vector<uint8_t>* item;
    bool paletteFromImages;
    std::vector<uint8_t> expected;
  } rows[] = {
      {"own palette, cube", &withPalette, true, {0, ColourCubeIndex(255, 0, 0), ColourCubeIndex(0, 0, 255), 0}},
      {"own palette, palette file", &withPalette, false, {0, 5, 6, 0}},
      {"no own palette, cube", &without, true, {0, 5, 6, 0}},
  };
  for (const Row& row : rows) {
    CImage image;
    ASSERT_TRUE(image.LoadFromData(*row.item, kTypeCodePid, {&cube, row.paletteFromImages}, true)) << row.what;
    std::vector<uint8_t> got;
    for (int x = 0; x < 4; ++x) got.push_back(image.Surface().GetPixel(x, 0));
    EXPECT_EQ(got, row.expected) << row.what;
  }
  EXPECT_EQ(ColourCubeIndex(255, 0, 0), 211);
}

TEST(CImageLoad, HeaderGivesHotSpotAndTransparency) {
  std::vector<uint8_t> pixels(6, 3);
  struct Row {
    const char* what;
    std::vector<uint8_t> item;
    uint32_t type;
    bool defaultTransparent;
    int32_t offsetX, offsetY;
    bool transparent;
  } rows[] = {
      {"PID transparent runs", Pid(3, 2, 3, 5, -7), kTypeCodePid, false, 5, -7, true},
      {"PID byte runs", Pid(3, 2, 3, -1, 2, {}, PidCoding::ByteRuns), kTypeCodePid, true, -1, 2, false},
      {"RID flag 1", EncodeRid(pixels.data(), 3, 2, 3, 0x01, 4, 4), kTypeCodeRid, false, 4, 4, true},
      {"RID flag 0", EncodeRid(pixels.data(), 3, 2, 3, 0, 0, 9), kTypeCodeRid, true, 0, 9, false},
  };
  for (const Row& row : rows) {
    CImage image;
    ASSERT_TRUE(image.LoadFromData(row.item, row.type, {}, row.defaultTransparent)) << row.what;
    EXPECT_EQ(image.m_width, 3) << row.what;
    EXPECT_EQ(image.m_height, 2) << row.what;
    EXPECT_EQ(image.m_offsetX, row.offsetX) << row.what;
    EXPECT_EQ(image.m_offsetY, row.offsetY) << row.what;
    EXPECT_EQ(image.m_transparent, row.transparent) << row.what;
    EXPECT_EQ(image.Surface().GetPixel(2, 1), 3) << row.what;
  }
  CImage notImage;
  EXPECT_FALSE(notImage.LoadFromData(Pid(3, 2, 3), 0x00545854 /* TXT */, {}, true));
}

TEST(CImageDraw, HotSpotMirroringAndTransparency) {
  // A 3 x 1 image: 1 0 2 with hot spot (3, 4).
  std::vector<uint8_t> pixels = {1, 0, 2};
  PidEncodeOptions options;
  options.offsetX = 3;
  options.offsetY = 4;
  CImage image;
  ASSERT_TRUE(image.LoadFromData(EncodePid(pixels.data(), 3, 1, 3, options), kTypeCodePid, {}, true));

  struct Row {
    const char* what;
    int32_t flags;
    bool transparent;
    int32_t row;
    std::vector<uint8_t> expected;  // target columns 5..16 of that row
  } rows[] = {
      {"plain", 0, true, 14, {9, 9, 9, 9, 9, 9, 9, 9, 1, 9, 2, 9}},  // at x 10 + 3
      {"other flag bits ignored", 1 | 4 | 8, true, 14, {9, 9, 9, 9, 9, 9, 9, 9, 1, 9, 2, 9}},
      {"mirrored", kImageDrawMirrored, true, 14, {9, 9, 2, 9, 1, 9, 9, 9, 9, 9, 9, 9}},  // at x 10 − 3
      {"mirrored with other bits", kImageDrawMirrored | 1, true, 14, {9, 9, 2, 9, 1, 9, 9, 9, 9, 9, 9, 9}},
      {"opaque", 0, false, 14, {9, 9, 9, 9, 9, 9, 9, 9, 1, 0, 2, 9}},
  };
  for (const Row& row : rows) {
    image.m_transparent = row.transparent;
    CDibG target;
    ASSERT_TRUE(target.Create(20, 20, nullptr));
    target.Fill(9);
    EXPECT_TRUE(image.Draw(target, 10, 10, row.flags)) << row.what;
    std::vector<uint8_t> got;
    for (int x = 5; x <= 16; ++x) got.push_back(target.GetPixel(x, row.row));
    EXPECT_EQ(got, row.expected) << row.what;
    EXPECT_EQ(target.GetPixel(13, 10), 9) << row.what;  // nothing at the unshifted row
  }
  // Clipped away entirely, and after release: nothing drawn.
  CDibG target;
  ASSERT_TRUE(target.Create(20, 20, nullptr));
  EXPECT_FALSE(image.Draw(target, 40, 0, 0));
  image.Release();
  EXPECT_FALSE(image.Draw(target, 10, 10, 0));
}

TEST(CImageDraw, ExtremeHotSpotsDrawNothingAndDoNotOverflow) {
  // Hot spots are any 32-bit values a header holds; shifted, they leave every surface.
  const std::vector<uint8_t> pixels(4, 5);
  const struct {
    int32_t offsetX, offsetY, x, y, flags;
  } rows[] = {
      {INT32_MAX, 0, 10, 0, 0},
      {0, INT32_MAX, 0, 10, 0},
      {INT32_MIN, 0, -10, 0, 0},
      {0, INT32_MIN, 0, -10, kImageDrawMirrored},
      {INT32_MIN, 0, 10, 0, kImageDrawMirrored},
      {INT32_MAX, 0, -10, 0, kImageDrawMirrored},
  };
  for (const auto& row : rows) {
    PidEncodeOptions options;
    options.offsetX = row.offsetX;
    options.offsetY = row.offsetY;
    CImage image;
    ASSERT_TRUE(image.LoadFromData(EncodePid(pixels.data(), 2, 2, 2, options), kTypeCodePid, {}, true));
    CDibG target;
    ASSERT_TRUE(target.Create(16, 16, nullptr));
    EXPECT_FALSE(image.Draw(target, row.x, row.y, row.flags)) << row.offsetX << "," << row.offsetY;
    for (int32_t y = 0; y < 16; ++y)
      for (int32_t x = 0; x < 16; ++x) ASSERT_EQ(target.GetPixel(x, y), 0);
  }
}

}  // namespace
}  // namespace vyr
