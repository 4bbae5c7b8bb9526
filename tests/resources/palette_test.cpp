// Palettes: colour cube, builders, embedded palettes, identity adjustment, copy out.
#include "resources/palette.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "resources/image_formats.h"

namespace vyr {
namespace {

std::vector<uint8_t> Ramp(size_t size, int salt) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = uint8_t(i * 7 + size_t(salt));
  return bytes;
}

PaletteEntry Rgb(int r, int g, int b) { return PaletteEntry{uint8_t(r), uint8_t(g), uint8_t(b), 0}; }

TEST(ColourCube, DefaultPaletteEntries) {
  const struct {
    int index;
    PaletteEntry colour;
  } rows[] = {{0, Rgb(0, 0, 0)},       {1, Rgb(0, 0, 0)},         {2, Rgb(0, 0, 51)},
              {7, Rgb(0, 42, 0)},      {43, Rgb(51, 0, 0)},       {252, Rgb(255, 255, 255)},
              {253, Rgb(0, 0, 0)},     {254, Rgb(0, 0, 0)},       {255, Rgb(255, 255, 255)},
              {6, Rgb(0, 0, 255)},     {37, Rgb(0, 255, 0)},      {211, Rgb(255, 0, 0)}};
  CPalId palette;
  ASSERT_TRUE(palette.BuildDefault());
  for (const auto& row : rows) EXPECT_EQ(palette.Entry(size_t(row.index)), row.colour) << "entry " << row.index;
}

TEST(ColourCube, IndexOfColour) {
  const struct {
    int r, g, b, index;
  } rows[] = {{255, 0, 132, 0}, {0, 0, 0, 1}, {255, 255, 255, 252}, {0, 0, 25, 1}, {0, 0, 26, 2},
              {0, 21, 0, 1},    {0, 22, 0, 7}, {255, 0, 131, 1 + 3 + 210}, {254, 0, 132, 1 + 3 + 210}};
  for (const auto& row : rows)
    EXPECT_EQ(ColourCubeIndex(uint8_t(row.r), uint8_t(row.g), uint8_t(row.b)), row.index)
        << row.r << "," << row.g << "," << row.b;
}

TEST(ColourCube, EveryCubeEntryMapsToItself) {
  const PaletteEntries& cube = DefaultPaletteEntries();
  for (int i = 1; i <= 252; ++i)
    EXPECT_EQ(ColourCubeIndex(cube[size_t(i)].red, cube[size_t(i)].green, cube[size_t(i)].blue), i);
}

TEST(PaletteBuilders, ByteOrderOfEachInput) {
  CPalId palette;
  std::vector<uint8_t> rgb = Ramp(768, 1);
  ASSERT_TRUE(palette.BuildFromRgb(rgb));
  EXPECT_EQ(palette.Entry(5), Rgb(rgb[15], rgb[16], rgb[17]));

  std::vector<uint8_t> bgr = Ramp(768, 2);
  ASSERT_TRUE(palette.BuildFromBgr(bgr, false));
  EXPECT_EQ(palette.Entry(5), Rgb(bgr[17], bgr[16], bgr[15]));

  std::vector<uint8_t> table = Ramp(1024, 3);
  ASSERT_TRUE(palette.BuildFromColourTable(table, false));
  EXPECT_EQ(palette.Entry(5), Rgb(table[22], table[21], table[20]));

  std::vector<uint8_t> entries = Ramp(1024, 4);
  ASSERT_TRUE(palette.BuildFromPaletteEntries(entries, false));
  EXPECT_EQ(palette.Entry(5), Rgb(entries[20], entries[21], entries[22]));
}

TEST(PaletteBuilders, ShortInputsAreRefused) {
  CPalId palette;
  std::string reason;
  EXPECT_FALSE(palette.BuildFromRgb(Ramp(767, 0), &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_FALSE(palette.LoadFromItem(Ramp(0, 0)));
  EXPECT_FALSE(palette.BuildFromBgr(Ramp(767, 0), false));
  EXPECT_FALSE(palette.BuildFromColourTable(Ramp(1023, 0), false));
  EXPECT_FALSE(palette.BuildFromPaletteEntries(Ramp(1023, 0), false));
  EXPECT_FALSE(palette.IsCreated());
  // Later bytes of a longer palette item are ignored.
  std::vector<uint8_t> item = Ramp(900, 0);
  ASSERT_TRUE(palette.LoadFromItem(item));
  EXPECT_EQ(palette.Entry(255), Rgb(item[765], item[766], item[767]));
}

std::vector<uint8_t> PidWithFlags(uint32_t flags, size_t size) {
  std::vector<uint8_t> item = Ramp(size, 9);
  item[4] = uint8_t(flags);
  item[5] = item[6] = item[7] = 0;
  return item;
}

TEST(PaletteBuilders, EmbeddedPalettes) {
  const struct {
    const char* name;
    std::vector<uint8_t> item;
    int kind;
    bool ok;
  } rows[] = {
      {"PID with flag 0x80", PidWithFlags(0x80, 2000), kImageKindPid, true},
      {"PID with flags 0xA1", PidWithFlags(0xA1, 900), kImageKindPid, true},
      {"PID without flag 0x80, long", PidWithFlags(0x21, 5000), kImageKindPid, false},
      {"PID with flag 0x80, short", PidWithFlags(0x80, 767), kImageKindPid, false},
      {"PCX one plane", [] { auto v = Ramp(1500, 5); v[65] = 1; return v; }(), kImageKindPcx, true},
      {"PCX three planes", [] { auto v = Ramp(1500, 5); v[65] = 3; return v; }(), kImageKindPcx, false},
      {"PCX short", [] { auto v = Ramp(767, 5); v[65] = 1; return v; }(), kImageKindPcx, false},
      {"BMP kind", PidWithFlags(0x80, 2000), kImageKindBmp, false},
      {"RID kind", PidWithFlags(0x80, 2000), kImageKindRid, false},
  };
  for (const auto& row : rows) {
    CPalId palette;
    std::string reason;
    EXPECT_EQ(palette.BuildFromImageData(row.item, row.kind, &reason), row.ok) << row.name;
    EXPECT_EQ(palette.IsCreated(), row.ok) << row.name;
    if (!row.ok) {
      EXPECT_FALSE(reason.empty()) << row.name;
      continue;
    }
    const uint8_t* last = row.item.data() + row.item.size() - 768;
    EXPECT_EQ(palette.Entry(0), Rgb(last[0], last[1], last[2])) << row.name;
    EXPECT_EQ(palette.Entry(255), Rgb(last[765], last[766], last[767])) << row.name;
  }
}

DisplayPalette PaletteDevice() {
  DisplayPalette display;
  display.paletteDevice = true;
  display.systemSize = 256;
  display.staticCount = 20;
  for (size_t i = 0; i < 256; ++i) display.system[i] = Rgb(int(255 - i), int(i), 7);
  return display;
}

void ExpectAdjusted(const CPalId& palette, const DisplayPalette& display, const std::vector<uint8_t>& rgb) {
  for (size_t i = 0; i < 256; ++i) {
    const PaletteEntry& e = palette.Entry(i);
    if (i < 10 || i >= 246) {
      EXPECT_EQ(e, Rgb(display.system[i].red, display.system[i].green, display.system[i].blue)) << i;
    } else {
      EXPECT_EQ(e.flags, kPaletteEntryReserved) << i;
      EXPECT_EQ(e.red, rgb[i * 3]) << i;
    }
  }
}

TEST(IdentityAdjustment, AppliesOnlyOnAPaletteDeviceAndWhenAsked) {
  const DisplayPalette device = PaletteDevice();
  const std::vector<uint8_t> rgb = Ramp(768, 11);
  std::vector<uint8_t> table(1024);
  for (size_t i = 0; i < 256; ++i) {
    table[i * 4] = rgb[i * 3 + 2];
    table[i * 4 + 1] = rgb[i * 3 + 1];
    table[i * 4 + 2] = rgb[i * 3];
  }

  CPalId onDevice(device);
  ASSERT_TRUE(onDevice.BuildFromRgb(rgb));  // the palette item is always adjusted
  ExpectAdjusted(onDevice, device, rgb);
  ASSERT_TRUE(onDevice.BuildFromColourTable(table, true));
  ExpectAdjusted(onDevice, device, rgb);

  // Flag off, the default cube and embedded palettes: never adjusted.
  ASSERT_TRUE(onDevice.BuildFromColourTable(table, false));
  for (size_t i = 0; i < 256; ++i) EXPECT_EQ(onDevice.Entry(i), Rgb(rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]));
  ASSERT_TRUE(onDevice.BuildDefault());
  EXPECT_EQ(onDevice.Entries(), DefaultPaletteEntries());
  std::vector<uint8_t> pid = PidWithFlags(0x80, 800);
  ASSERT_TRUE(onDevice.BuildFromImageData(pid, kImageKindPid));
  for (const PaletteEntry& e : onDevice.Entries()) EXPECT_EQ(e.flags, 0);

  // A true-colour display (ours): no entry reserved, no system colour copied.
  CPalId trueColour;
  ASSERT_TRUE(trueColour.BuildFromRgb(rgb));
  ASSERT_TRUE(trueColour.BuildFromColourTable(table, true));
  for (size_t i = 0; i < 256; ++i) EXPECT_EQ(trueColour.Entry(i), Rgb(rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]));
}

TEST(IdentityAdjustment, FollowsTheSystemPaletteShape) {
  DisplayPalette device = PaletteDevice();
  device.staticCount = 4;
  PaletteEntries entries = DefaultPaletteEntries();
  ApplyIdentityAdjustment(entries, device);
  EXPECT_EQ(entries[1], Rgb(254, 1, 7));
  EXPECT_EQ(entries[2].flags, kPaletteEntryReserved);
  EXPECT_EQ(entries[253].flags, kPaletteEntryReserved);
  EXPECT_EQ(entries[254], Rgb(1, 254, 7));
  EXPECT_EQ(entries[255], Rgb(0, 255, 7));

  CPalId fromSystem(device);
  ASSERT_TRUE(fromSystem.BuildFromSystemPalette(false));
  EXPECT_EQ(fromSystem.Entry(100), Rgb(155, 100, 7));
}

TEST(PaletteCopyOut, WritesBlueGreenRedZero) {
  CPalId palette;
  std::vector<uint8_t> table(1024, 0xEE);
  EXPECT_FALSE(palette.CopyOut(table));
  ASSERT_TRUE(palette.BuildDefault());
  EXPECT_FALSE(palette.CopyOut(std::span<uint8_t>(table.data(), 1023)));
  ASSERT_TRUE(palette.CopyOut(table));
  EXPECT_EQ(table[2 * 4 + 0], 51);  // entry 2 is (0, 0, 51)
  EXPECT_EQ(table[2 * 4 + 2], 0);
  EXPECT_EQ(table[43 * 4 + 2], 51);  // entry 43 is (51, 0, 0)
  EXPECT_EQ(table[43 * 4 + 3], 0);
  palette.Delete();
  EXPECT_FALSE(palette.IsCreated());
  EXPECT_FALSE(palette.CopyOut(table));
}

TEST(PaletteBuilders, FromBitmapAndPcxFiles) {
  const auto dir = std::filesystem::path(testing::TempDir()) / "vyr_palette_files";
  std::filesystem::create_directories(dir);
  std::vector<uint8_t> bmp(54 + 1024 + 16, 0);
  for (size_t i = 0; i < 1024; ++i) bmp[54 + i] = uint8_t(i * 3);
  std::vector<uint8_t> pcx(128 + 10 + 769, 0);
  for (size_t i = 0; i < 768; ++i) pcx[pcx.size() - 768 + i] = uint8_t(i * 5);
  const auto write = [&](const char* name, const std::vector<uint8_t>& bytes) {
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return (dir / name).string();
  };
  CPalId palette;
  ASSERT_TRUE(palette.BuildFromFile(write("p.bmp", bmp), 1, true));
  EXPECT_EQ(palette.Entry(1), Rgb(uint8_t(6 * 3), uint8_t(5 * 3), uint8_t(4 * 3)));
  ASSERT_TRUE(palette.BuildFromFile(write("p.pcx", pcx), 2, true));
  EXPECT_EQ(palette.Entry(1), Rgb(uint8_t(15), uint8_t(20), uint8_t(25)));
  std::string reason;
  EXPECT_FALSE(palette.BuildFromFile((dir / "missing.bmp").string(), 1, true, &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_FALSE(palette.BuildFromFile(write("short.bmp", std::vector<uint8_t>(1000)), 1, true));
  EXPECT_FALSE(palette.BuildFromFile(write("short.pcx", std::vector<uint8_t>(895)), 2, true));
  EXPECT_FALSE(palette.BuildFromFile(write("p.bmp", bmp), 3, true));
}

}  // namespace
}  // namespace vyr
