// Snapshot surface: size rules, fills, the BMP image and its palette.
#include "resources/snapshot_surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "platform/bytes.h"
#include "platform/file_io.h"

namespace vyr {
namespace {

TEST(SnapshotDib, SizeRules) {
  const struct {
    int32_t width, height, bits;
    bool ok;
  } rows[] = {{16, 2, 8, true}, {10, 2, 8, true}, {0, 2, 8, false},  {16, 0, 8, false},
              {16, 2, 24, true}, {16, 2, 4, false}, {16, 2, 12, false}, {-4, 2, 8, false},
              {65536, 16385, 8, false}, {65537, 1, 8, false}};
  for (const auto& row : rows) {
    std::string reason;
    auto dib = CSnapshotDib::Make(row.width, row.height, row.bits, 0, &reason);
    EXPECT_EQ(dib != nullptr, row.ok) << row.width << " x " << row.height << " x " << row.bits;
    if (!row.ok) {
      EXPECT_FALSE(reason.empty());
    }
  }
}

TEST(SnapshotDib, BmpLayout) {
  auto dib = CSnapshotDib::Make(16, 2, 8, 0);
  ASSERT_TRUE(dib);
  dib->Fill(255);
  dib->FillRect(CRect{0, 0, 4, 1}, 7);         // top row, 4 pixels
  dib->FillRectAt(12, 1, CRect{0, 0, 4, 1}, 9);  // bottom row, last 4 pixels
  PaletteEntries entries = DefaultPaletteEntries();
  entries[7] = PaletteEntry{10, 20, 30, 0};
  CSnapshotContext context;
  CSnapshotPalette* palette = context.MakePalette(entries, 0);
  std::vector<uint8_t> bmp;
  ASSERT_TRUE(dib->BmpBytes(palette, bmp));
  ASSERT_EQ(bmp.size(), 1078u + 32u);
  const ByteReader r(bmp);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  const struct {
    size_t offset;
    uint32_t value;
  } fields[] = {{2, 1110}, {6, 0}, {10, 1078}, {14, 40}, {18, 16}, {22, 2}, {30, 0}, {34, 0}, {46, 0}, {50, 0}};
  for (const auto& f : fields) {
    uint32_t v = 0;
    ASSERT_TRUE(r.U32(f.offset, v));
    EXPECT_EQ(v, f.value) << "offset " << f.offset;
  }
  uint16_t planes = 0, bits = 0;
  r.U16(26, planes);
  r.U16(28, bits);
  EXPECT_EQ(planes, 1);
  EXPECT_EQ(bits, 8);
  EXPECT_EQ(bmp[54 + 7 * 4], 30);  // blue, green, red, 0
  EXPECT_EQ(bmp[54 + 7 * 4 + 2], 10);
  EXPECT_EQ(bmp[54 + 7 * 4 + 3], 0);
  // The bottom row comes first.
  EXPECT_EQ(bmp[1078 + 12], 9);
  EXPECT_EQ(bmp[1078 + 0], 255);
  EXPECT_EQ(bmp[1078 + 16], 7);
  EXPECT_EQ(bmp[1078 + 20], 255);
}

TEST(SnapshotDib, OddWidthsArePaddedWithZeros) {
  for (const int32_t width : {1, 2, 3, 5, 10}) {
    auto dib = CSnapshotDib::Make(width, 2, 8, 0);
    ASSERT_TRUE(dib) << width;
    dib->Fill(255);
    dib->FillRect(CRect{0, 1, width, 2}, 7);
    CSnapshotContext context;
    std::vector<uint8_t> bmp;
    ASSERT_TRUE(dib->BmpBytes(context.MakePalette(DefaultPaletteEntries(), 0), bmp));
    const size_t pitch = size_t(width + 3) / 4 * 4;
    ASSERT_EQ(bmp.size(), 1078 + 2 * pitch) << width;
    uint32_t fileSize = 0;
    ByteReader(bmp).U32(2, fileSize);
    EXPECT_EQ(fileSize, bmp.size());
    for (size_t row = 0; row < 2; ++row)
      for (size_t x = 0; x < pitch; ++x)
        EXPECT_EQ(bmp[1078 + row * pitch + x], x >= size_t(width) ? 0 : row == 0 ? 7 : 255)
            << width << ": " << x << "," << row;
  }
}

TEST(SnapshotDib, FillRectanglesWiderThanTheIntRange) {
  auto dib = CSnapshotDib::Make(8, 3, 8, 0);
  ASSERT_TRUE(dib);
  dib->FillRect(CRect{INT32_MIN, 0, INT32_MAX, 1}, 7);
  dib->FillRectAt(-5, 2, CRect{INT32_MIN, 0, INT32_MAX, 1}, 9);
  for (int32_t x = 0; x < 8; ++x) {
    EXPECT_EQ(dib->RowPtr(0)[x], 7) << x;
    EXPECT_EQ(dib->RowPtr(1)[x], 0) << x;
    EXPECT_EQ(dib->RowPtr(2)[x], 9) << x;
  }
}

TEST(SnapshotDib, WriteFailures) {
  auto dib = CSnapshotDib::Make(4, 1, 8, 0);
  std::vector<uint8_t> bmp;
  std::string reason;
  EXPECT_FALSE(dib->BmpBytes(nullptr, bmp, &reason));
  EXPECT_FALSE(reason.empty());
  CSnapshotContext context;
  auto* palette = context.MakePalette(DefaultPaletteEntries(), 0);
  auto deep = CSnapshotDib::Make(4, 1, 24, 0);
  EXPECT_FALSE(deep->BmpBytes(palette, bmp));
  const auto dir = std::filesystem::path(testing::TempDir()) / "vyr_snapshot";
  std::filesystem::create_directories(dir);
  EXPECT_FALSE(dib->WriteBmp((dir / "no" / "such" / "dir.bmp").string(), palette, &reason));
  const auto path = (dir / "ok.bmp").string();
  ASSERT_TRUE(dib->WriteBmp(path, palette, &reason)) << reason;
  std::vector<uint8_t> read;
  ASSERT_TRUE(ReadWholeFile(path, read, reason));
  EXPECT_EQ(read.size(), 1078u + 4u);
}

TEST(SnapshotPalette, IdentityAdjustmentOnAPaletteDevice) {
  DisplayPalette device;
  device.paletteDevice = true;
  for (size_t i = 0; i < 256; ++i) device.system[i] = PaletteEntry{9, 9, 9, 0};
  PaletteEntries entries = DefaultPaletteEntries();
  entries[100].flags = 5;
  CSnapshotContext onDevice(device);
  const CSnapshotPalette* adjusted = onDevice.MakePalette(entries, 0);
  EXPECT_EQ(adjusted->Entries()[0], (PaletteEntry{9, 9, 9, 0}));
  EXPECT_EQ(adjusted->Entries()[100].flags, kPaletteEntryReserved);
  const CSnapshotPalette* asGiven = onDevice.MakePalette(entries, 1);
  EXPECT_EQ(asGiven->Entries()[100].flags, 0);
  EXPECT_EQ(asGiven->Entries()[0], entries[0]);
  CSnapshotContext trueColour;
  EXPECT_EQ(trueColour.MakePalette(entries, 0)->Entries()[0], entries[0]);
  EXPECT_NE(onDevice.MakeSurface(8, 8, 8, 0), nullptr);
  EXPECT_EQ(onDevice.MakeSurface(0, 8, 8, 0), nullptr);
  onDevice.Clear();
}

}  // namespace
}  // namespace vyr
