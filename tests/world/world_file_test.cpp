// World file: layout, round trips, the name-list rule, the check sum and every rejection.
#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>

#include "platform/file_io.h"
#include "resources/image_set.h"
#include "world/double_attrib.h"
#include "world/mask_attrib.h"
#include "world/single_attrib.h"
#include "world/standalone_world_host.h"
#include "world/world.h"
#include "world/world_file.h"

namespace vyr {
namespace {

using namespace world_file;

const CRect kView{0, 0, 639, 479};

// A host whose image sets are given by the test and whose resource step may fail.
class TestHost : public IWorldHost {
 public:
  WorldProperties& Properties() override { return m_properties; }
  int ResolveResources() override { return m_resolves ? 1 : 0; }
  const CImageSetTable* ImageSets() const override { return m_sets.Count() ? &m_sets : nullptr; }

  WorldProperties m_properties;
  CImageSetTable m_sets;
  bool m_resolves = true;
};

WorldProperties RichProperties(bool compressed) {
  WorldProperties p;
  p.name = "Level one";
  p.author = "Designer";
  p.date = "old date";
  p.archivePath = "C:\\GAME\\DATA.REZ";
  p.imageDir = "IMAGES";
  p.palette = "GAME.PAL";
  p.startX = 321;
  p.startY = -45;
  p.flags = kWorldFlagUseZ | 0x100 | (compressed ? kWorldFlagCompressed : 0);
  p.gamePath = "GAME.EXE -level";
  p.imageSets = {"OBJ\\A", "OBJ\\B", "", "OBJ\\D"};
  p.prefixes = {"PA", "", "PC", "PD"};
  return p;
}

CGameObject* AddObject(CPlane& plane, int32_t seed) {
  CGameObject* o = plane.NewObject(0);
  int32_t v = seed * 1000;
  o->m_id = seed;
  o->m_name = "name" + std::to_string(seed);
  o->m_logic = "Logic_" + std::to_string(seed);
  o->m_imageSet = seed % 2 ? "SET" : "";
  o->m_animation = std::string(size_t(seed), 'a');
  const int32_t x = ++v;
  o->MoveTo(x, ++v);
  for (int32_t* f : {&o->m_imageIndex, &o->m_addedFlags, &o->m_dynamicFlags, &o->m_drawFlags,
                     &o->m_userFlags, &o->m_score, &o->m_points, &o->m_powerup, &o->m_damage, &o->m_time,
                     &o->m_health, &o->m_minX, &o->m_maxX, &o->m_minY, &o->m_maxY, &o->m_speedX, &o->m_speedY,
                     &o->m_tweakX, &o->m_tweakY, &o->m_delay, &o->m_speed, &o->m_width, &o->m_height,
                     &o->m_direction, &o->m_faceDirection, &o->m_optionTime, &o->m_frame, &o->m_hitType,
                     &o->m_hitMask, &o->m_moveX, &o->m_moveY}) {
    *f = ++v;
  }
  for (CRect* r : {&o->m_moveRect, &o->m_hitRect, &o->m_attackRect, &o->m_clipRect, &o->m_userRect1, &o->m_userRect2}) {
    *r = CRect{++v, ++v, ++v, ++v};
  }
  for (int32_t& u : o->m_userValues) u = ++v;
  o->SetZ(seed * 10);
  return o;
}

// Two planes: a 3 x 2 background with an empty interior slot, and a 4 x 3 object plane
// with objects; the attribute table holds every kind and an empty slot.
void BuildRichWorld(CWorld& world) {
  world.SetViewRect(kView);
  CPlane* back = world.AddPlane("Background", 3, 2, 64, 32);
  CPlane* action = world.AddPlane("Action", 4, 3, 32, 32);
  ASSERT_TRUE(back && action);
  for (int32_t i = 0; i < 6; ++i) back->LoadingTiles()[size_t(i)] = MakeTile(uint32_t(i % 3), uint32_t(i));
  back->LoadingTiles()[5] = kColourTile;
  back->AddImageSet(nullptr, 0, "BACK_SKY");
  back->AddImageSet(nullptr, 2, "BACK_HILLS");  // slot 1 never filled
  back->m_movementX = 50;
  back->m_movementY = 25;
  back->m_fillColour = 0x1234;
  back->m_z = -3;
  back->m_flags = kPlaneFlagEndlessX | 0x400;
  action->m_flags = kPlaneFlagObjects | kPlaneFlagAutoSize;
  action->AddImageSet(nullptr, 0, "TILES");
  action->AddImageSet(nullptr, 1, "TILES_" + std::string(200, 'X'));  // longer than 127
  for (int32_t i = 0; i < 12; ++i) action->LoadingTiles()[size_t(i)] = i == 7 ? kEmptyTile : MakeTile(1, uint32_t(i * 100));
  action->m_z = 9;
  for (int32_t seed : {1, 2, 3}) AddObject(*action, seed);
  action->SortObjects();
  world.SetObjectPlane(1);

  auto dbl = std::make_unique<CDoubleAttrib>();
  dbl->SetSize(32, 32);
  dbl->m_left = 16;
  dbl->m_right = 31;
  dbl->m_bottom = 31;
  auto mask = std::make_unique<CMaskAttrib>();
  mask->SetSize(16, 20);
  mask->SetPixel(3, 19, 250);
  world.SetAttribute(0, std::make_unique<CSingleAttrib>(32, 32, kAttribBlock));
  world.SetAttribute(1, std::move(dbl));
  world.SetAttribute(3, std::move(mask));  // slot 2 empty
}

std::vector<uint8_t> Image(CWorld& world, const WorldProperties& p) {
  std::vector<uint8_t> image;
  std::string reason;
  EXPECT_EQ(BuildWorldFileImage(world, p, image, &reason), 1) << reason;
  return image;
}

std::vector<uint8_t> ObjectRecord(CGameObject& o) {
  ByteWriter out;
  o.WriteRecord(out);
  return out.Bytes();
}

uint32_t U32At(const std::vector<uint8_t>& b, size_t offset) { return LoadU32(b.data() + offset); }
int32_t I32At(const std::vector<uint8_t>& b, size_t offset) { return LoadI32(b.data() + offset); }

// The uncompressed image of a world, rewritten with a header of 756 bytes: the fields from
// 756 dropped and every offset moved down accordingly.
std::vector<uint8_t> WithShortHeader(const std::vector<uint8_t>& image, bool compress) {
  const uint32_t shift = kHeaderSize - kShortHeaderFields;
  std::vector<uint8_t> out(image.begin(), image.begin() + kShortHeaderFields);
  out.insert(out.end(), image.begin() + kHeaderSize, image.end());
  StoreU32(out.data(), kShortHeaderFields);
  const uint32_t planes = U32At(out, kPlaneCount);
  StoreU32(out.data() + kFirstPlaneOffset, U32At(out, kFirstPlaneOffset) - shift);
  StoreU32(out.data() + kAttribOffset, U32At(out, kAttribOffset) - shift);
  for (uint32_t i = 0; i < planes; ++i) {
    const size_t h = kShortHeaderFields + i * kPlaneHeaderSize;
    for (size_t field : {kPlaneGridOffset, kPlaneNamesOffset, kPlaneObjectsOffset}) {
      const uint32_t v = U32At(out, h + field);
      if (v) StoreU32(out.data() + h + field, v - shift);
    }
  }
  if (!compress) return out;
  const uLong length = uLong(out.size() - kShortHeaderFields);
  uLongf packedLength = compressBound(length);
  std::vector<uint8_t> packed(kShortHeaderFields + packedLength);
  EXPECT_EQ(::compress(packed.data() + kShortHeaderFields, &packedLength, out.data() + kShortHeaderFields, length),
            Z_OK);
  packed.resize(kShortHeaderFields + packedLength);
  std::copy(out.begin(), out.begin() + kShortHeaderFields, packed.begin());
  StoreI32(packed.data() + kFlags, I32At(out, kFlags) | kWorldFlagCompressed);
  StoreU32(packed.data() + kUncompressedLength, uint32_t(length));
  return packed;
}

TEST(WorldFileTest, ChecksumOfSmallBlocks) {
  // Σ (byte k − k), k = 1 … n, the byte at n counting 0: (20 − 1) + (30 − 2) + (0 − 3) = 44.
  const std::vector<uint8_t> three = {10, 20, 30};
  EXPECT_EQ(WorldFileChecksum(three), 44);
  EXPECT_EQ(WorldFileChecksum(std::vector<uint8_t>{255}), -1);
  EXPECT_EQ(WorldFileChecksum(std::vector<uint8_t>{}), 0);
  // Long blocks wrap in 32 bits like the additive sum they reproduce.
  std::vector<uint8_t> big(100000, 0xFF);
  int64_t expected = 0;
  for (int64_t k = 1; k <= int64_t(big.size()); ++k) expected += (k < int64_t(big.size()) ? 0xFF : 0) - k;
  EXPECT_EQ(WorldFileChecksum(big), int32_t(uint32_t(uint64_t(expected))));
}

TEST(WorldFileTest, SaveDateIsEnglishWithoutLeadingZero) {
  std::tm t{};
  t.tm_year = 95;
  t.tm_mon = 2;
  t.tm_mday = 4;
  EXPECT_EQ(FormatSaveDate(t), "March 4, 1995");
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 31;
  EXPECT_EQ(FormatSaveDate(t), "December 31, 2026");
  const std::string today = CurrentSaveDate();
  EXPECT_NE(today.find(", 20"), std::string::npos) << today;
}

TEST(WorldFileTest, LayoutOfATwoByTwoWorld) {
  CWorld world;
  world.SetViewRect(kView);
  CPlane* plane = world.AddPlane("Main", 2, 2, 64, 48);
  plane->AddImageSet(nullptr, 0, "TILES");
  plane->LoadingTiles()[3] = MakeTile(0, 7);
  WorldProperties p;
  p.name = std::string(63, 'n');  // longest name: its NUL still fits
  p.author = std::string(80, 'a');  // cut to 63
  p.archivePath = std::string(255, 'r');
  p.prefixes[3] = std::string(31, 'p');
  p.date = "D";
  p.imageDir = "IMG";
  p.palette = "PAL";
  p.startX = 555;
  p.startY = -666;
  p.flags = 0x101;
  p.gamePath = "GAME";
  p.imageSets = {"S1", "S2", "S3", "S4"};
  p.prefixes[0] = "P1";
  plane->m_flags = 0x40 | kPlaneFlagEndlessY;
  plane->m_movementX = 11;
  plane->m_movementY = 22;
  plane->m_fillColour = 33;
  plane->m_z = -44;
  const std::vector<uint8_t> image = Image(world, p);

  // Every header and plane header field at its offset.
  auto text = [&](size_t offset) { return std::string(reinterpret_cast<const char*>(&image[offset])); };
  const std::vector<std::pair<size_t, int32_t>> words = {
      {4, 0},           {8, 0x101},        {12, 0},           {720, 555},        {724, -666},
      {752, 0},         {1524 + 4, 0},     {1524 + 8, 0x48},  {1524 + 12, 0},    {1524 + 88, 64},
      {1524 + 92, 48},  {1524 + 96, 2},    {1524 + 100, 2},   {1524 + 104, 0},   {1524 + 108, 0},
      {1524 + 112, 11}, {1524 + 116, 22},  {1524 + 120, 33},  {1524 + 124, 1},   {1524 + 128, 0},
      {1524 + 144, -44}, {1524 + 148, 0},  {1524 + 152, 0},   {1524 + 156, 0}};
  for (auto [offset, value] : words) EXPECT_EQ(I32At(image, offset), value) << "offset " << offset;
  const std::vector<std::pair<size_t, std::string>> texts = {
      {144, "D"},    {464, "IMG"},  {592, "PAL"}, {756, "GAME"}, {884, "S1"},     {1012, "S2"},
      {1140, "S3"},  {1268, "S4"},  {1396, "P1"}, {1428, ""},    {1524 + 16, "Main"}};
  for (const auto& [offset, value] : texts) EXPECT_EQ(text(offset), value) << "offset " << offset;

  EXPECT_EQ(U32At(image, 0), 1524u);
  EXPECT_EQ(I32At(image, kObjectPlaneIndex), 0);
  EXPECT_EQ(U32At(image, kPlaneCount), 1u);
  EXPECT_EQ(U32At(image, kFirstPlaneOffset), 1524u);
  EXPECT_EQ(U32At(image, kUncompressedLength), 0u);
  EXPECT_EQ(U32At(image, 1524), 160u);
  EXPECT_EQ(U32At(image, 1524 + kPlaneGridOffset), 1684u);
  EXPECT_EQ(U32At(image, 1524 + kPlaneNamesOffset), 1700u);
  EXPECT_EQ(U32At(image, 1524 + kPlaneObjectsOffset), 0u);  // flag bit 0 clear
  EXPECT_EQ(I32At(image, 1524 + kPlanePixelWidth), 128);
  EXPECT_EQ(I32At(image, 1524 + kPlanePixelHeight), 96);
  EXPECT_EQ(I32At(image, 1684 + 12), MakeTile(0, 7));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image[1700]), 6), std::string("TILES\0", 6));
  EXPECT_EQ(U32At(image, kAttribOffset), 1706u);
  // Empty table and no set in slot 0: the section is written with N = 0 entries.
  EXPECT_EQ(image.size(), 1706u + 32u);
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(I32At(image, 1706 + 4 * i), i == 0 ? 32 : 0);
  EXPECT_EQ(I32At(image, kChecksum), WorldFileChecksum(ByteSpan(image).subspan(1524)));

  EXPECT_EQ(image[kName + 62], 'n');
  EXPECT_EQ(image[kName + 63], 0);
  EXPECT_EQ(image[kAuthor + 62], 'a');
  EXPECT_EQ(image[kAuthor + 63], 0);
  EXPECT_EQ(image[kArchivePath + 254], 'r');
  EXPECT_EQ(image[kArchivePath + 255], 0);
  EXPECT_EQ(image[kPrefix1 + 3 * 32 + 30], 'p');
  EXPECT_EQ(image[kPrefix1 + 3 * 32 + 31], 0);
}

TEST(WorldFileTest, AttributeSectionDefaults) {
  // Slot 0 of the recorded object plane holds a set whose highest image is 5: N = 6.
  TestHost host;
  host.m_sets.FindOrCreate("TILES")->PutImage(5, std::make_unique<CImage>());
  CWorld world;
  world.SetViewRect(kView);
  world.AddPlane("Bottom", 2, 2, 16, 16);
  CPlane* objects = world.AddPlane("Objects", 2, 2, 64, 32);
  objects->AddImageSet(host.ImageSets(), 0, "TILES");
  world.SetObjectPlane(1);
  world.SetAttribute(1, std::make_unique<CSingleAttrib>(0, 0, 3));  // width < 1: replaced
  world.SetAttribute(2, std::make_unique<CSingleAttrib>(8, 8, 2));
  const std::vector<uint8_t> image = Image(world, host.m_properties);
  const size_t section = U32At(image, kAttribOffset);
  EXPECT_EQ(I32At(image, section + 8), 6);
  ASSERT_EQ(image.size(), section + 32 + 6 * 20);
  for (int32_t i = 0; i < 6; ++i) {
    const size_t entry = section + 32 + size_t(i) * 20;
    const std::vector<int32_t> expected =
        i == 2 ? std::vector<int32_t>{1, 0, 8, 8, 2} : std::vector<int32_t>{1, 0, 64, 32, 0};
    for (size_t w = 0; w < 5; ++w) EXPECT_EQ(I32At(image, entry + 4 * w), expected[w]) << "entry " << i;
  }
  // No recorded object plane: plane 0 gives the reference size; no plane: 128 x 128.
  world.ClearObjectPlane();
  const std::vector<uint8_t> noRecord = Image(world, host.m_properties);
  const size_t s2 = U32At(noRecord, kAttribOffset);
  EXPECT_EQ(I32At(noRecord, s2 + 8), 3);
  EXPECT_EQ(I32At(noRecord, s2 + 32 + 8), 16);
  CWorld empty;
  empty.SetAttribute(0, std::make_unique<CSingleAttrib>(0, 5, 1));
  const std::vector<uint8_t> none = Image(empty, host.m_properties);
  EXPECT_EQ(I32At(none, kObjectPlaneIndex), -1);
  EXPECT_EQ(I32At(none, U32At(none, kAttribOffset) + 32 + 8), 128);
}

TEST(WorldFileTest, RoundTripKeepsEveryField) {
  for (bool compressed : {false, true}) {
    SCOPED_TRACE(compressed ? "compressed" : "uncompressed");
    CWorld world;
    BuildRichWorld(world);
    const WorldProperties p = RichProperties(compressed);
    const std::vector<uint8_t> image = Image(world, p);
    if (compressed) {
      EXPECT_NE(U32At(image, kUncompressedLength), 0u);
      EXPECT_EQ(U32At(image, kUncompressedLength), Image(world, RichProperties(false)).size() - 1524u);
    }
    EXPECT_EQ(I32At(image, kChecksum), WorldFileChecksum(ByteSpan(image).subspan(1524)));

    StandaloneWorldHost host;
    CWorld back;
    back.SetViewRect(kView);
    std::string reason;
    ASSERT_EQ(back.LoadFromBuffer(host, image, &reason), 1) << reason;
    EXPECT_EQ(host.m_properties, p);
    ASSERT_EQ(back.PlaneCount(), 2);
    EXPECT_EQ(back.ObjectPlaneIndex(), 1);  // as offset 728 recorded it
    const CPlane& b0 = *back.Plane(0);
    const CPlane& b1 = *back.Plane(1);
    const CPlane& w0 = *world.Plane(0);
    const CPlane& w1 = *world.Plane(1);
    for (auto [a, b] : {std::pair{&b0, &w0}, std::pair{&b1, &w1}}) {
      EXPECT_EQ(a->Name(), b->Name());
      EXPECT_EQ(a->Width(), b->Width());
      EXPECT_EQ(a->TileWidth(), b->TileWidth());
      EXPECT_EQ(a->TileHeight(), b->TileHeight());
      EXPECT_TRUE(std::equal(a->Tiles().begin(), a->Tiles().end(), b->Tiles().begin(), b->Tiles().end()));
      EXPECT_EQ(a->m_flags, b->m_flags);
      EXPECT_EQ(a->m_z, b->m_z);
      EXPECT_EQ(a->m_movementX, b->m_movementX);
      EXPECT_EQ(a->m_movementY, b->m_movementY);
      EXPECT_EQ(a->m_fillColour, b->m_fillColour);
      EXPECT_EQ(a->ImageSetCount(), b->ImageSetCount());
    }
    // The empty interior slot shifts the later name down, as the format stores it.
    EXPECT_EQ(b0.ImageSetName(0), "BACK_SKY");
    EXPECT_EQ(b0.ImageSetName(1), "BACK_HILLS");
    EXPECT_EQ(b0.ImageSetName(2), "");
    EXPECT_EQ(b1.ImageSetName(1), w1.ImageSetName(1));  // the long name survives whole
    ASSERT_EQ(b1.ObjectCount(), 3u);
    auto original = w1.Objects().begin();
    for (const auto& object : b1.Objects()) {
      EXPECT_EQ(ObjectRecord(*object), ObjectRecord(**original));
      ++original;
    }
    ASSERT_EQ(back.AttributeCount(), 4);
    EXPECT_EQ(back.Attribute(0)->Kind(), kAttribKindSingle);
    EXPECT_EQ(back.Attribute(1)->Kind(), kAttribKindDouble);
    EXPECT_EQ(back.Attribute(2)->Kind(), kAttribKindSingle);  // the empty slot's default
    EXPECT_EQ(back.Attribute(2)->m_tileWidth, 32);
    EXPECT_EQ(back.Attribute(3)->Kind(), kAttribKindMask);
    EXPECT_EQ(back.Attribute(3)->AttributeAt(3, 19), 250);

    // Saved again: the same bytes, apart from the slot-1 shift of the background plane.
    CWorld expected;
    BuildRichWorld(expected);
    expected.Plane(0)->SetImageSetCount(0);
    expected.Plane(0)->SetImageSetCount(3);
    expected.Plane(0)->AddImageSet(nullptr, 0, "BACK_SKY");
    expected.Plane(0)->AddImageSet(nullptr, 1, "BACK_HILLS");
    expected.SetAttribute(2, std::make_unique<CSingleAttrib>(32, 32, 0));
    EXPECT_EQ(Image(back, host.m_properties), Image(expected, p));
  }
}

TEST(WorldFileTest, ViewOriginsAreReadFromTheirOwnFields) {
  CWorld world;
  BuildRichWorld(world);
  std::vector<uint8_t> image = Image(world, RichProperties(false));
  const size_t plane1 = 1524 + 160;
  StoreI32(image.data() + plane1 + kPlaneViewOriginX, 300);
  StoreI32(image.data() + plane1 + kPlaneViewOriginY, -20);
  StandaloneWorldHost host;
  CWorld back;
  back.SetViewRect(kView);
  std::string reason;
  ASSERT_EQ(back.LoadFromBuffer(host, image, &reason), 1) << reason;
  EXPECT_EQ(back.Plane(1)->m_viewOriginX, 300);
  EXPECT_EQ(back.Plane(1)->m_viewOriginY, -20);
  EXPECT_EQ(back.Plane(1)->VisibleRect().left, 300);
}

TEST(WorldFileTest, ObjectsOfAnUnflaggedPlaneAreNotStored) {
  CWorld world;
  world.SetViewRect(kView);
  CPlane* first = world.AddPlane("First", 2, 2, 32, 32);
  CPlane* second = world.AddPlane("Second", 2, 2, 32, 32);
  AddObject(*first, 4);
  AddObject(*first, 5);
  AddObject(*second, 6);
  second->m_flags = kPlaneFlagObjects;
  world.SetObjectPlane(1);
  const std::vector<uint8_t> image = Image(world, WorldProperties{});
  EXPECT_EQ(I32At(image, kObjectPlaneIndex), 1);
  EXPECT_EQ(U32At(image, 1524 + kPlaneObjectCount), 2u);
  EXPECT_EQ(U32At(image, 1524 + kPlaneObjectsOffset), 0u);
  EXPECT_NE(U32At(image, 1684 + kPlaneObjectsOffset), 0u);

  StandaloneWorldHost host;
  CWorld back;
  back.SetViewRect(kView);
  ASSERT_EQ(back.LoadFromBuffer(host, image), 1);
  EXPECT_EQ(back.Plane(0)->ObjectCount(), 0u);
  EXPECT_EQ(back.Plane(1)->ObjectCount(), 1u);
  EXPECT_EQ(back.Plane(1)->m_flags & kPlaneFlagObjects, kPlaneFlagObjects);
  // The recorded object plane comes back from offset 728, so a resave writes it again;
  // -1 comes back as no record; an index outside the stack leaves the first plane read.
  EXPECT_EQ(back.ObjectPlaneIndex(), 1);
  EXPECT_EQ(I32At(Image(back, host.m_properties), kObjectPlaneIndex), 1);
  for (auto [stored, recorded] : {std::pair{-1, -1}, {0, 0}, {2, 0}, {-7, 0}}) {
    std::vector<uint8_t> patched = image;
    StoreI32(patched.data() + kObjectPlaneIndex, stored);
    CWorld again;
    again.SetViewRect(kView);
    ASSERT_EQ(again.LoadFromBuffer(host, patched), 1);
    EXPECT_EQ(again.ObjectPlaneIndex(), recorded) << "stored " << stored;
    EXPECT_EQ(again.ObjectPlane(), again.Plane(recorded));
    EXPECT_EQ(again.Plane(1)->m_flags & kPlaneFlagObjects, kPlaneFlagObjects);
  }
}

TEST(WorldFileTest, NameListScanStopsAtItsOwnEnd) {
  // Plane 0 has three slots but only two names (slot 1 never filled); plane 1's list
  // follows at once. Slot 2 of plane 0 must stay empty, not take plane 1's name.
  CWorld world;
  world.SetViewRect(kView);
  CPlane* a = world.AddPlane("A", 1, 1, 8, 8);
  CPlane* b = world.AddPlane("B", 1, 1, 8, 8);
  a->AddImageSet(nullptr, 0, "ONE");
  a->AddImageSet(nullptr, 2, "THREE");
  b->AddImageSet(nullptr, 0, "OTHER");
  CPlane* c = world.AddPlane("C", 1, 1, 8, 8);
  c->SetImageSetCount(2);  // slots, but no names: its list is empty
  CPlane* d = world.AddPlane("D", 1, 1, 8, 8);
  d->AddImageSet(nullptr, 0, "LAST");
  StandaloneWorldHost host;
  CWorld back;
  back.SetViewRect(kView);
  ASSERT_EQ(back.LoadFromBuffer(host, Image(world, host.m_properties)), 1);
  const std::vector<std::vector<std::string>> expected = {
      {"ONE", "THREE", ""}, {"OTHER"}, {"", ""}, {"LAST"}};
  for (int32_t i = 0; i < 4; ++i) {
    std::vector<std::string> names;
    for (const ImageSetSlot& slot : back.Plane(i)->ImageSetSlots()) names.push_back(slot.name);
    EXPECT_EQ(names, expected[size_t(i)]) << "plane " << i;
  }
}

TEST(WorldFileTest, NamesOfLoadedAndUnloadedSetsKeepTheirSlots) {
  TestHost host;
  host.m_sets.FindOrCreate("LOADED")->PutImage(0, std::make_unique<CImage>());
  CWorld world;
  world.SetViewRect(kView);
  CPlane* plane = world.AddPlane("P", 1, 1, 8, 8);
  plane->AddImageSet(nullptr, 0, "MISSING");
  plane->AddImageSet(nullptr, 1, "LOADED");
  const std::vector<uint8_t> image = Image(world, host.m_properties);
  CWorld back;
  back.SetViewRect(kView);
  ASSERT_EQ(back.LoadFromBuffer(host, image), 1);
  EXPECT_EQ(back.Plane(0)->ImageSetName(0), "MISSING");
  EXPECT_EQ(back.Plane(0)->ImageSetAt(0), nullptr);
  EXPECT_EQ(back.Plane(0)->ImageSetAt(1), host.m_sets.Find("LOADED"));
  EXPECT_EQ(Image(back, host.m_properties), image);
}

TEST(WorldFileTest, HeaderOf756Bytes) {
  for (bool compressed : {false, true}) {
    SCOPED_TRACE(compressed ? "compressed" : "uncompressed");
    CWorld world;
    BuildRichWorld(world);
    const std::vector<uint8_t> full = Image(world, RichProperties(false));
    const std::vector<uint8_t> shortFile = WithShortHeader(full, compressed);
    StandaloneWorldHost host;
    host.m_properties.gamePath = "kept";
    host.m_properties.prefixes[2] = "kept too";
    CWorld back;
    back.SetViewRect(kView);
    std::string reason;
    ASSERT_EQ(back.LoadFromBuffer(host, shortFile, &reason), 1) << reason;
    EXPECT_EQ(host.m_properties.name, "Level one");
    EXPECT_EQ(host.m_properties.gamePath, "kept");
    EXPECT_EQ(host.m_properties.prefixes[2], "kept too");
    EXPECT_EQ(host.m_properties.imageSets[0], "");
    ASSERT_EQ(back.PlaneCount(), 2);
    EXPECT_EQ(back.Plane(1)->ObjectCount(), 3u);
    EXPECT_EQ(back.AttributeCount(), 4);
    EXPECT_EQ(back.Plane(1)->ImageSetName(0), "TILES");
  }
}

TEST(WorldFileTest, SaveWritesTheDateAndReplacesTheFile) {
  const std::string dir = testing::TempDir() + "vyr_world_file_" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  const std::string path = dir + "/level.vwd";
  CWorld world;
  BuildRichWorld(world);
  StandaloneWorldHost host;
  host.m_properties = RichProperties(true);
  std::string reason;
  ASSERT_EQ(SaveWorldFile(world, host, path, "July 9, 2001", &reason), 1) << reason;
  EXPECT_EQ(host.m_properties.date, "July 9, 2001");
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes, reason));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[kDate])), "July 9, 2001");
  EXPECT_EQ(bytes, Image(world, host.m_properties));

  // CWorld::Save stamps today's date and LoadFromFile reads it back.
  ASSERT_EQ(world.Save(host, path, &reason), 1) << reason;
  EXPECT_EQ(host.m_properties.date, CurrentSaveDate());
  StandaloneWorldHost readHost;
  CWorld back;
  back.SetViewRect(kView);
  ASSERT_EQ(back.LoadFromFile(readHost, path, &reason), 1) << reason;
  EXPECT_EQ(readHost.m_properties, host.m_properties);

  // A failed save leaves the old file and says why.
  EXPECT_EQ(world.Save(host, dir + "/no/such/dir/x.vwd", &reason), 0);
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(back.LoadFromFile(readHost, dir + "/absent.vwd", &reason), 0);
  EXPECT_NE(reason.find("absent.vwd"), std::string::npos);
  std::filesystem::remove_all(dir);
}

TEST(WorldFileTest, RefusesMasksThatCouldNotBeReadBack) {
  CWorld world;
  world.SetViewRect(kView);
  world.AddPlane("P", 1, 1, 64, 32);
  auto mask = std::make_unique<CMaskAttrib>();
  mask->SetSize(64, 32);  // a working size of the attribute dialog, never storable
  world.SetAttribute(0, std::move(mask));
  std::vector<uint8_t> image;
  std::string reason;
  EXPECT_EQ(BuildWorldFileImage(world, WorldProperties{}, image, &reason), 0);
  EXPECT_NE(reason.find("mask"), std::string::npos);
}

// Every malformed file is refused with a reason.
TEST(WorldFileTest, Rejections) {
  CWorld world;
  BuildRichWorld(world);
  const std::vector<uint8_t> plain = Image(world, RichProperties(false));
  const std::vector<uint8_t> packed = Image(world, RichProperties(true));
  const size_t plane0 = 1524;
  const size_t plane1 = 1524 + 160;
  const size_t section = U32At(plain, kAttribOffset);
  const size_t doubleEntry = section + 32 + 20;
  const size_t maskEntry = section + 32 + 20 + 40 + 20;

  using Patch = std::function<void(std::vector<uint8_t>&)>;
  auto set32 = [](size_t offset, uint32_t v) -> Patch {
    return [=](std::vector<uint8_t>& b) { StoreU32(b.data() + offset, v); };
  };
  struct Row {
    const char* what;
    bool compressed;
    Patch patch;
    const char* reasonPart;
  } rows[] = {
      {"header size 1525", false, set32(0, 1525), "not a world file (its header size 1525 is impossible)"},
      {"no planes", false, set32(kPlaneCount, 0), "no planes"},
      {"plane count past the end", false, set32(kPlaneCount, 0xFFFFFFFF), "plane headers"},
      {"first plane offset past the end", false, set32(kFirstPlaneOffset, uint32_t(plain.size())), "plane headers"},
      {"grid offset past the end", false, set32(plane1 + kPlaneGridOffset, uint32_t(plain.size() - 8)), "tile grid"},
      {"grid offset far out", false, set32(plane0 + kPlaneGridOffset, 0xFFFFFFF0), "tile grid"},
      {"huge plane", false, set32(plane1 + kPlaneWidth, 0x7FFFFFFF), "tile grid"},
      {"negative plane width", false, set32(plane0 + kPlaneWidth, 0xFFFFFFFE), "cannot be made"},
      {"zero tile width", false, set32(plane0 + kPlaneTileWidth, 0), "cannot be made"},
      {"pixel width beyond int32", false, set32(plane0 + kPlaneTileWidth, 0x7FFFFFFF), "cannot be made"},
      {"name list past the end", false, set32(plane0 + kPlaneNamesOffset, uint32_t(plain.size() + 1)), "name list"},
      {"image-set table too large", false, set32(plane0 + kPlaneSetCount, 0x10001), "image-set table"},
      {"object offset past the end", false, set32(plane1 + kPlaneObjectsOffset, uint32_t(plain.size() + 4)),
       "object records"},
      {"object count too large", false, set32(plane1 + kPlaneObjectCount, 0x00FFFFFF), "object records"},
      {"object string past the end", false, set32(U32At(plain, plane1 + kPlaneObjectsOffset) + 4, 0x7FFFFFF0),
       "object 0 of 3"},
      {"attribute section past the end", false, set32(kAttribOffset, uint32_t(plain.size() - 31)),
       "attribute section"},
      {"attribute section in the header", false, set32(kAttribOffset, 1), "lies inside the header"},
      {"attribute section in the plane headers", false, set32(kAttribOffset, uint32_t(plane1)),
       "lies inside the plane headers"},
      {"attribute section in a tile grid", false, set32(kAttribOffset, U32At(plain, plane0 + kPlaneGridOffset) + 4),
       "lies inside plane 0's tile grid"},
      {"attribute section in object records", false,
       set32(kAttribOffset, U32At(plain, plane1 + kPlaneObjectsOffset) + 1), "lies inside plane 1's object records"},
      {"attribute count too large", false, set32(section + 8, 0x10000000), "entries"},
      {"attribute count one too many", false, set32(section + 8, 5), "tile attribute 4"},
      {"attribute kind 4", false, set32(doubleEntry, 4), "unknown kind 4"},
      {"attribute kind 0", false, set32(section + 32, 0), "unknown kind 0"},
      {"mask width not 2^floor(log2 height)", false, set32(maskEntry + 8, 32), "mask"},
      {"mask taller than the file", false, set32(maskEntry + 12, 31), "runs past"},
      {"compressed length 0", true, set32(kUncompressedLength, 0), "length of 0"},
      {"compressed length one more", true, set32(kUncompressedLength, U32At(packed, kUncompressedLength) + 1),
       "decompresses to"},
      {"compressed length one less", true, set32(kUncompressedLength, U32At(packed, kUncompressedLength) - 1),
       "more than"},
      {"compressed length absurd", true, set32(kUncompressedLength, 0xFFFFFFF0), "cannot hold"},
      {"damaged stream", true, [](std::vector<uint8_t>& b) { b.back() ^= 0xFF; }, "damaged"},
      {"shorter than the fixed fields", false, [](std::vector<uint8_t>& b) { b.resize(755); }, "too short"},
      {"shorter than its header", false, [](std::vector<uint8_t>& b) { b.resize(1000); }, "shorter than its header"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    std::vector<uint8_t> bytes = row.compressed ? packed : plain;
    row.patch(bytes);
    StandaloneWorldHost host;
    CWorld back;
    back.SetViewRect(kView);
    std::string reason;
    EXPECT_EQ(back.LoadFromBuffer(host, bytes, &reason), 0);
    EXPECT_NE(reason.find(row.reasonPart), std::string::npos) << reason;
  }

  // The resource step failing fails the reading after the properties were set.
  TestHost failing;
  failing.m_resolves = false;
  CWorld back;
  back.SetViewRect(kView);
  std::string reason;
  EXPECT_EQ(back.LoadFromBuffer(failing, plain, &reason), 0);
  EXPECT_EQ(failing.m_properties.name, "Level one");
  EXPECT_EQ(back.PlaneCount(), 0);
  EXPECT_FALSE(reason.empty());
}

// Planes that share one block could make the model far larger than the file: refused.
TEST(WorldFileTest, SharedBlocksCannotMultiplyTheFile) {
  CWorld gridWorld;
  gridWorld.SetViewRect(kView);
  gridWorld.AddPlane("Big", 80, 80, 8, 8);
  gridWorld.AddPlane("Small", 1, 1, 8, 8);
  const std::vector<uint8_t> grids = Image(gridWorld, WorldProperties{});
  CWorld objectWorld;
  objectWorld.SetViewRect(kView);
  for (int i = 0; i < 3; ++i) objectWorld.AddPlane("Small", 1, 1, 8, 8);
  CPlane* objects = objectWorld.Plane(2);
  objects->m_flags = kPlaneFlagObjects;
  for (int i = 0; i < 100; ++i) AddObject(*objects, 1);
  const std::vector<uint8_t> records = Image(objectWorld, WorldProperties{});
  const size_t p0 = 1524;
  const size_t p1 = 1524 + 160;
  const uint32_t objectBlock = U32At(records, 1524 + 320 + kPlaneObjectsOffset);
  using Edit = std::vector<std::pair<size_t, uint32_t>>;
  struct Row {
    const char* what;
    const std::vector<uint8_t>* image;
    Edit edits;
    const char* reasonPart;
  } rows[] = {
      {"two planes on one grid", &grids,
       {{p1 + kPlaneWidth, 80}, {p1 + kPlaneHeight, 80}, {p1 + kPlaneGridOffset, U32At(grids, p0 + kPlaneGridOffset)}},
       "tile grids need"},
      {"three planes on one object block", &records,
       {{p0 + kPlaneObjectsOffset, objectBlock}, {p0 + kPlaneObjectCount, 100}, {p1 + kPlaneObjectsOffset, objectBlock},
        {p1 + kPlaneObjectCount, 100}},
       "object records need"},
      {"full tables everywhere", &grids, {{p0 + kPlaneSetCount, 0x10000}, {p1 + kPlaneSetCount, 0x10000}},
       "image-set tables hold"},
      // Grid sizes whose byte counts add up to exactly 2^64 must not wrap the total to 0
      // (planes sharing a block could then pass and be made before a later plane fails).
      {"a negative plane cancelling the total", &grids,
       {{p0 + kPlaneWidth, 0x80000000u}, {p0 + kPlaneHeight, 0x80000001u}, {p1 + kPlaneWidth, 1u << 30},
        {p1 + kPlaneHeight, 2}},
       "tile grids need"},
      {"two large planes cancelling the total", &grids,
       {{p0 + kPlaneWidth, 0x7FFFFFFF}, {p0 + kPlaneHeight, 0x7FFFFFFF}, {p1 + kPlaneWidth, 65537},
        {p1 + kPlaneHeight, 65535}},
       "tile grids need"},
  };
  for (const Row& row : rows) {
    std::vector<uint8_t> bytes = *row.image;
    StandaloneWorldHost host;
    CWorld intact;
    intact.SetViewRect(kView);
    EXPECT_EQ(intact.LoadFromBuffer(host, bytes), 1) << row.what;
    for (auto [offset, value] : row.edits) StoreU32(bytes.data() + offset, value);
    CWorld back;
    back.SetViewRect(kView);
    std::string reason;
    EXPECT_EQ(back.LoadFromBuffer(host, bytes, &reason), 0) << row.what;
    EXPECT_NE(reason.find(row.reasonPart), std::string::npos) << row.what << ": " << reason;
    EXPECT_EQ(back.PlaneCount(), 0) << row.what;
  }
}

// A compressed world's planes may keep their grids where the reader inflated them; two
// planes on overlapping bytes must still get cells of their own.
TEST(WorldFileTest, PlanesOnOneCompressedGridEditApart) {
  CWorld world;
  world.SetViewRect(kView);
  for (int32_t rows : {40, 20}) {
    CPlane* plane = world.AddPlane("Plane", 40, rows, 8, 8);
    for (int32_t i = 0; i < 40 * rows; ++i) plane->SetTile(i % 40, i / 40, MakeTile(uint32_t(rows), uint32_t(i)));
  }
  std::vector<uint8_t> image = Image(world, WorldProperties{});
  StoreU32(image.data() + 1524 + 160 + kPlaneGridOffset, U32At(image, 1524 + kPlaneGridOffset));
  StandaloneWorldHost host;
  CWorld back;
  back.SetViewRect(kView);
  std::string reason;
  ASSERT_EQ(back.LoadFromBuffer(host, WithShortHeader(image, true), &reason), 1) << reason;
  const auto first = world.Plane(0)->Tiles();
  for (int32_t p : {0, 1}) {
    const auto cells = back.Plane(p)->Tiles();
    EXPECT_TRUE(std::equal(cells.begin(), cells.end(), first.begin())) << p;
  }
  back.Plane(0)->SetTile(3, 4, kColourTile);
  back.Plane(1)->SetTile(5, 6, kColourTile);
  EXPECT_EQ(back.Plane(1)->GetTile(3, 4), first[163]);
  EXPECT_EQ(back.Plane(0)->GetTile(5, 6), first[245]);
}

TEST(WorldFileTest, EveryTruncationIsRefused) {
  CWorld world;
  BuildRichWorld(world);
  for (bool compressed : {false, true}) {
    const std::vector<uint8_t> image = Image(world, RichProperties(compressed));
    for (size_t length = 0; length < image.size(); ++length) {
      StandaloneWorldHost host;
      CWorld back;
      back.SetViewRect(kView);
      std::string reason;
      const int result = back.LoadFromBuffer(host, ByteSpan(image).first(length), &reason);
      ASSERT_EQ(result, 0) << "length " << length << (compressed ? " compressed" : "");
      ASSERT_FALSE(reason.empty()) << "length " << length;
    }
  }
}

// Small worlds from our own writer, kept as the fuzz harness's seed corpus; with
// VYR_WRITE_FUZZ_SEEDS set to a folder the test (re)writes them there.
TEST(WorldFileTest, FuzzSeedsLoad) {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> seeds;
  {
    CWorld world;
    BuildRichWorld(world);
    seeds.emplace_back("rich.vwd", Image(world, RichProperties(false)));
    seeds.emplace_back("rich_compressed.vwd", Image(world, RichProperties(true)));
    seeds.emplace_back("short_header.vwd", WithShortHeader(Image(world, RichProperties(false)), false));
    seeds.emplace_back("short_header_compressed.vwd", WithShortHeader(Image(world, RichProperties(false)), true));
  }
  {
    CWorld world;
    world.SetViewRect(kView);
    world.AddPlane("Main", 2, 2, 64, 64)->AddImageSet(nullptr, 0, "TILES");
    seeds.emplace_back("two_by_two.vwd", Image(world, WorldProperties{}));
  }
  const char* out = std::getenv("VYR_WRITE_FUZZ_SEEDS");
  for (const auto& [name, bytes] : seeds) {
    StandaloneWorldHost host;
    CWorld back;
    back.SetViewRect(kView);
    std::string reason;
    EXPECT_EQ(back.LoadFromBuffer(host, bytes, &reason), 1) << name << ": " << reason;
    if (out) {
      std::ofstream file(std::string(out) + "/" + name, std::ios::binary);
      file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
      EXPECT_TRUE(file.good()) << name;
    }
  }
}

}  // namespace
}  // namespace vyr
