// make-demo: the demo archive and level are written, read back and hold together.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "resources/image_formats.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "resources/rez_mgr.h"
#include "world/game_object.h"
#include "world/world.h"
#include "world/world_file.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

int RunTool(const std::string& arguments) {
  const std::string command = std::string(VYR_TOOL_PATH) + " " + arguments + " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<uint8_t> Read(const fs::path& path) {
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(ReadWholeFile(path.string(), bytes, error)) << error;
  return bytes;
}

// Locates the resources as the editor does for the demo: the archive beside the world,
// the palette (or the colour cube), the image directory and the four object image sets.
class DemoHost : public IWorldHost {
 public:
  DemoHost(fs::path folder, bool forceCube) : m_folder(std::move(folder)), m_forceCube(forceCube) {}

  WorldProperties& Properties() override { return m_properties; }
  const CImageSetTable* ImageSets() const override { return &m_sets; }
  int ResolveResources() override {
    if (!m_archive.OpenArchive((m_folder / m_properties.archivePath).string(), true)) return 0;
    bool fromImages = true;
    if (!m_forceCube && !m_properties.palette.empty()) {
      CRezItem* item = m_archive.FindItem(m_properties.palette);
      if (!item) return 0;
      const std::span<uint8_t> data = item->GetData();
      if (!m_palette.LoadFromItem(ByteSpan(data.data(), data.size()))) return 0;
      item->ReleaseData();
      fromImages = false;
    } else {
      m_palette.BuildDefault();
    }
    m_sets.SetLoadContext({&m_palette, fromImages});
    CRezDir* images = m_archive.FindDir(m_properties.imageDir);
    if (!images || m_sets.LoadImageSets(*images, "", "_") == 0) return 0;
    m_objectSetCount = m_sets.LoadObjectImageSets(*m_archive.GetRootDir(), m_properties.imageSets, m_properties.prefixes,
                                                  [&](const std::string& name) { m_added.insert(name); });
    return 1;
  }

  fs::path m_folder;
  bool m_forceCube;
  WorldProperties m_properties;
  CRezMgr m_archive;
  CPalId m_palette;
  CImageSetTable m_sets;
  int m_objectSetCount = 0;
  std::set<std::string> m_added;
};

class MakeDemo : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_folder = fs::temp_directory_path() / ("vyr_demo_test_" + std::to_string(::getpid()));
    fs::remove_all(s_folder);
    ASSERT_EQ(RunTool("make-demo " + (s_folder / "a").string()), 0);
    ASSERT_EQ(RunTool("make-demo " + (s_folder / "b").string()), 0);
  }
  static void TearDownTestSuite() { fs::remove_all(s_folder); }

  static fs::path s_folder;
};
fs::path MakeDemo::s_folder;

TEST_F(MakeDemo, OutputIsTheSameEveryRunApartFromTheSaveDate) {
  EXPECT_EQ(Read(s_folder / "a" / "DEMO.REZ"), Read(s_folder / "b" / "DEMO.REZ"));
  std::vector<uint8_t> a = Read(s_folder / "a" / "DEMO.VWD"), b = Read(s_folder / "b" / "DEMO.VWD");
  ASSERT_EQ(a.size(), b.size());
  ASSERT_GT(a.size(), world_file::kHeaderSize);
  std::fill(a.begin() + world_file::kDate, a.begin() + world_file::kDate + 64, 0);
  std::fill(b.begin() + world_file::kDate, b.begin() + world_file::kDate + 64, 0);
  EXPECT_EQ(a, b);
}

TEST_F(MakeDemo, ArchiveListsThePaletteTilesBackgroundAndSprites) {
  CRezMgr archive;
  ASSERT_TRUE(archive.OpenArchive((s_folder / "a" / "DEMO.REZ").string(), true));
  EXPECT_TRUE(archive.Problems().empty());
  CRezItem* palette = archive.FindItem("PALETTES\\DEMO.PAL");
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(palette->GetSize(), 768u);

  struct Row {
    const char* dir;
    size_t minimumItems;
  } rows[] = {{"IMAGES/TILES", 120},       {"IMAGES/TILES/BACK", 20},   {"OBJECTS/PLAYER", 4},
              {"OBJECTS/ITEMS/COIN", 4},   {"OBJECTS/ITEMS/GEM", 2},    {"OBJECTS/ENEMIES/SLIME", 2},
              {"OBJECTS/ENEMIES/BAT", 2},  {"OBJECTS/MISC/DOOR", 1}};
  for (const Row& row : rows) {
    CRezDir* dir = archive.FindDir(row.dir);
    ASSERT_NE(dir, nullptr) << row.dir;
    size_t items = 0;
    for (CRezType* type : dir->Types()) items += type->ItemCount();
    EXPECT_GE(items, row.minimumItems) << row.dir;
  }
  // Every tile is a 64 x 64 PID; some sprites carry their own palette.
  CRezDir* tiles = archive.FindDir("IMAGES/TILES");
  for (CRezItem* item : tiles->FindType(kTypeCodePid)->Items()) {
    PidHeader header;
    const std::span<uint8_t> data = item->GetData();
    ASSERT_TRUE(ReadPidHeader(ByteSpan(data.data(), data.size()), header)) << item->GetName();
    EXPECT_EQ(header.width, 64u) << item->GetName();
    EXPECT_EQ(header.height, 64u) << item->GetName();
    item->ReleaseData();
  }
  int withPalette = 0;
  for (const char* dir : {"OBJECTS/PLAYER", "OBJECTS/ITEMS/GEM", "OBJECTS/ENEMIES/BAT", "OBJECTS/ITEMS/COIN"}) {
    for (CRezItem* item : archive.FindDir(dir)->FindType(kTypeCodePid)->Items()) {
      PidHeader header;
      const std::span<uint8_t> data = item->GetData();
      ASSERT_TRUE(ReadPidHeader(ByteSpan(data.data(), data.size()), header));
      if (header.flags & kPidFlagPalette) ++withPalette;
      item->ReleaseData();
    }
  }
  EXPECT_GT(withPalette, 0);
}

TEST_F(MakeDemo, WorldLoadsWithItsImageSetsAndEveryTileValidates) {
  DemoHost host(s_folder / "a", false);
  CWorld world;
  world.SetViewRect(CRect{0, 0, 639, 479});
  std::string reason;
  ASSERT_EQ(world.LoadFromFile(host, (s_folder / "a" / "DEMO.VWD").string(), &reason), 1) << reason;

  const WorldProperties& p = host.m_properties;
  EXPECT_EQ(p.archivePath, "DEMO.REZ");
  EXPECT_NE(p.startX, 0);
  EXPECT_NE(p.startY, 0);
  EXPECT_EQ(host.m_objectSetCount, 9);
  for (const char* name : {"TILES", "TILES_BACK", "PLAYER", "ITEM_COIN", "ITEM_GEM", "ITEM_KEY", "ITEM_HEART",
                           "ENEMY_SLIME", "ENEMY_BAT", "MISC_DOOR", "MISC_FLAG"})
    EXPECT_NE(host.m_sets.Find(name), nullptr) << name;
  EXPECT_EQ(host.m_added.count("ITEM_COIN"), 1u);

  // The tile set holds every ground shape 1..62 and edge shape 77..128.
  const CImageSet* tiles = host.m_sets.Find("TILES");
  for (int32_t n = 1; n <= 128; ++n) {
    if (n > 62 && n < 77) continue;
    const CImage* image = tiles->GetImage(n);
    ASSERT_NE(image, nullptr) << n;
    EXPECT_EQ(image->m_width, 64);
    EXPECT_EQ(image->m_height, 64);
  }

  std::string report;
  EXPECT_EQ(world.ValidateTiles(&report), 1) << report;
  ASSERT_EQ(world.PlaneCount(), 2);
  const CPlane* back = world.Plane(0);
  const CPlane* action = world.Plane(1);
  EXPECT_EQ(back->m_movementX, 50);
  EXPECT_EQ(back->m_movementY, 50);
  EXPECT_EQ(back->ImageSetAt(0), host.m_sets.Find("TILES_BACK"));
  EXPECT_EQ(action->ImageSetAt(0), tiles);
  EXPECT_TRUE(action->m_flags & kPlaneFlagObjects);
  EXPECT_GE(action->ObjectCount(), 25u);
  EXPECT_LE(action->ObjectCount(), 35u);

  // Every object finds its image; some images have a hot spot.
  int withHotSpot = 0;
  for (const auto& object : action->Objects()) {
    object->ForgetImage();
    object->UpdateBounds(&host.m_sets);
    ASSERT_NE(object->m_image, nullptr) << object->m_name << " " << object->m_imageSet;
    if (object->m_image->m_offsetX != 0 || object->m_image->m_offsetY != 0) ++withHotSpot;
  }
  EXPECT_GT(withHotSpot, 0);

  // All three attribute kinds, and the ground blocks.
  std::set<int> kinds;
  for (const auto& record : world.Attributes())
    if (record) kinds.insert(record->Kind());
  EXPECT_EQ(kinds, (std::set<int>{kAttribKindSingle, kAttribKindDouble, kAttribKindMask}));
  ASSERT_NE(world.Attribute(1), nullptr);
  EXPECT_EQ(world.Attribute(1)->AttributeAt(10, 10), 1);

  // The level uses ground, edge, platform, ladder and hazard tiles.
  std::set<int32_t> used;
  for (int32_t v : action->Tiles())
    if (IsImageTile(v)) used.insert(int32_t(TileImageNumber(v)));
  auto usesAny = [&](int32_t first, int32_t last) {
    return used.lower_bound(first) != used.end() && *used.lower_bound(first) <= last;
  };
  EXPECT_TRUE(usesAny(1, 52));
  EXPECT_TRUE(usesAny(83, 128));
  EXPECT_TRUE(usesAny(63, 66));
  EXPECT_TRUE(usesAny(130, 132));
  EXPECT_TRUE(usesAny(140, 143));
}

TEST_F(MakeDemo, WithoutPaletteFileImagesWithTheirOwnPaletteAreReindexedIntoTheCube) {
  DemoHost withFile(s_folder / "a", false), cube(s_folder / "a", true);
  CWorld a, b;
  a.SetViewRect(CRect{0, 0, 639, 479});
  b.SetViewRect(CRect{0, 0, 639, 479});
  ASSERT_EQ(a.LoadFromFile(withFile, (s_folder / "a" / "DEMO.VWD").string()), 1);
  ASSERT_EQ(b.LoadFromFile(cube, (s_folder / "a" / "DEMO.VWD").string()), 1);
  // The gems carry the palette: their pixels become cube indices of the same colours.
  const CImage* gemFile = withFile.m_sets.Find("ITEM_GEM")->GetImage(1);
  const CImage* gemCube = cube.m_sets.Find("ITEM_GEM")->GetImage(1);
  int compared = 0;
  for (int32_t y = 0; y < gemFile->m_height; ++y) {
    for (int32_t x = 0; x < gemFile->m_width; ++x) {
      const PaletteEntry& e = withFile.m_palette.Entry(gemFile->Surface().GetPixel(x, y));
      EXPECT_EQ(gemCube->Surface().GetPixel(x, y), ColourCubeIndex(e.red, e.green, e.blue));
      ++compared;
    }
  }
  EXPECT_GT(compared, 0);
  EXPECT_EQ(gemCube->Surface().GetPixel(0, 0), 0);  // transparent stays transparent
  // The coins carry none: their pixels stay.
  const CImage* coinFile = withFile.m_sets.Find("ITEM_COIN")->GetImage(1);
  const CImage* coinCube = cube.m_sets.Find("ITEM_COIN")->GetImage(1);
  for (int32_t y = 0; y < coinFile->m_height; ++y)
    for (int32_t x = 0; x < coinFile->m_width; ++x)
      EXPECT_EQ(coinFile->Surface().GetPixel(x, y), coinCube->Surface().GetPixel(x, y));
}

TEST(MakeDemoCommand, UsageAndWriteFailures) {
  EXPECT_EQ(RunTool("make-demo"), 2);
  EXPECT_EQ(RunTool("make-demo a b"), 2);
  const fs::path file = fs::temp_directory_path() / ("vyr_demo_file_" + std::to_string(::getpid()));
  { std::ofstream(file) << "x"; }
  EXPECT_EQ(RunTool("make-demo " + (file / "sub").string()), 1);  // a folder below a file
  fs::remove(file);
}

}  // namespace
}  // namespace vyr
