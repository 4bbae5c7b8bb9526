// Image decoders (PID both codings, RID, BMP, PCX) on hand-made items, and the PID encoder.
#include "resources/image_formats.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/bytes.h"
#include "resources/pcx_test_header.h"
#include "resources/dib.h"

namespace vyr {
namespace {

std::vector<uint8_t> PidItem(uint32_t flags, uint32_t width, uint32_t height, std::vector<uint8_t> data,
                             int32_t offsetX = 0, int32_t offsetY = 0) {
  ByteWriter w;
  w.U32(0);
  w.U32(flags);
  w.U32(width);
  w.U32(height);
  w.I32(offsetX);
  w.I32(offsetY);
  w.Zeros(8);
  w.Raw(data.data(), data.size());
  return std::move(w.Bytes());
}

std::vector<uint8_t> Rows(const CDibG& dib) {
  std::vector<uint8_t> out;
  for (int32_t y = 0; y < dib.Height(); ++y)
    for (int32_t x = 0; x < dib.Width(); ++x) out.push_back(dib.GetPixel(x, y));
  return out;
}

TEST(PidDecoder, TransparentRunCoding) {
  // Width 3, height 2: a fully transparent first row from one code, then 2 literals and 1 transparent.
  const auto item = PidItem(0x20, 3, 2, {0x83, 0x02, 5, 6, 0x81});
  CDibG dib;
  std::string reason;
  ASSERT_TRUE(dib.LoadFromMemory(item, kImageKindPid, nullptr, &reason)) << reason;
  EXPECT_EQ(dib.Width(), 3);
  EXPECT_EQ(Rows(dib), (std::vector<uint8_t>{0, 0, 0, 5, 6, 0}));
  // Empty codes (0x00, 0x80) produce nothing and are passed over.
  ASSERT_TRUE(dib.LoadFromMemory(PidItem(0x20, 2, 1, {0x80, 0x00, 0x02, 9, 8}), kImageKindPid, nullptr));
  EXPECT_EQ(Rows(dib), (std::vector<uint8_t>{9, 8}));
}

TEST(PidDecoder, ByteRunCoding) {
  CDibG dib;
  std::string reason;
  // 0xC3 0x07: three pixels of 7; 0xC0 v: none; 0x10 a literal; 0xC1 0xC5: one literal above 0xBF.
  ASSERT_TRUE(dib.LoadFromMemory(PidItem(0x00, 5, 1, {0xC3, 0x07, 0xC0, 0x55, 0x10, 0xC1, 0xC5}), kImageKindPid,
                                 nullptr, &reason))
      << reason;
  EXPECT_EQ(Rows(dib), (std::vector<uint8_t>{7, 7, 7, 0x10, 0xC5}));
  // Rows follow one another without padding.
  ASSERT_TRUE(dib.LoadFromMemory(PidItem(0x01, 2, 2, {1, 2, 0xC2, 3}), kImageKindPid, nullptr));
  EXPECT_EQ(Rows(dib), (std::vector<uint8_t>{1, 2, 3, 3}));
}

TEST(PidDecoder, BadItemsYieldNoImage) {
  const struct {
    const char* name;
    std::vector<uint8_t> item;
  } rows[] = {
      {"header cut", std::vector<uint8_t>(31, 0)},
      {"zero width", PidItem(0x20, 0, 1, {0x81})},
      {"zero height", PidItem(0x20, 1, 0, {0x81})},
      {"huge size, little data", PidItem(0x20, 60000, 60000, {0x81})},
      {"size past the limit", PidItem(0x20, 0x80000000u, 1, std::vector<uint8_t>(100, 0xFF))},
      {"transparent run past the row", PidItem(0x20, 3, 2, {0x84, 0x83})},
      {"literal run past the row", PidItem(0x20, 3, 1, {0x04, 1, 2, 3, 4})},
      {"literal run past the item", PidItem(0x20, 8, 1, {0x08, 1, 2, 3})},
      {"codes end early", PidItem(0x20, 3, 3, {0x83, 0x83})},
      {"no pixel data", PidItem(0x20, 3, 1, {})},
      {"byte run past the row", PidItem(0x00, 3, 2, {0xC4, 1, 0xC2, 1})},
      {"byte run without its value", PidItem(0x00, 3, 1, {1, 1, 0xC1})},
      {"byte runs end early", PidItem(0x00, 4, 2, {1, 2, 3, 4, 5})},
  };
  for (const auto& row : rows) {
    CDibG dib;
    std::string reason;
    EXPECT_FALSE(dib.LoadFromMemory(row.item, kImageKindPid, nullptr, &reason)) << row.name;
    EXPECT_FALSE(reason.empty()) << row.name;
    EXPECT_FALSE(dib.IsCreated()) << row.name;
  }
}

// Pixels with long zero and non-zero stretches, so both codings use every code length.
std::vector<uint8_t> RandomImage(std::mt19937& random, int32_t width, int32_t height, size_t stride) {
  std::vector<uint8_t> pixels(stride * size_t(height), 0xAB);
  for (int32_t y = 0; y < height; ++y) {
    int32_t x = 0;
    while (x < width) {
      const int32_t run = 1 + int32_t(random() % 200);
      const int mode = int(random() % 3);
      const uint8_t value = uint8_t(random());
      for (int32_t i = 0; i < run && x < width; ++i, ++x)
        pixels[size_t(y) * stride + size_t(x)] = mode == 0 ? 0 : mode == 1 ? value : uint8_t(random());
    }
  }
  return pixels;
}

TEST(PidEncoder, RoundTripsThroughTheDecoder) {
  std::mt19937 random(3);
  for (PidCoding coding : {PidCoding::TransparentRuns, PidCoding::ByteRuns})
    for (int32_t width : {1, 3, 4, 64, 127, 128, 130, 300})
      for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
        const int32_t height = 1 + int32_t(random() % 9);
        const size_t stride = size_t(width) + 5;
        const auto pixels = RandomImage(random, width, height, stride);
        PidEncodeOptions options;
        options.coding = coding;
        options.offsetX = -7;
        options.offsetY = 12;
        const auto item = EncodePid(pixels.data(), width, height, stride, options);
        CDibG dib(order);
        std::string reason;
        ASSERT_TRUE(dib.LoadFromMemory(item, kImageKindPid, nullptr, &reason)) << reason;
        ASSERT_EQ(dib.Width(), width);
        ASSERT_EQ(dib.Height(), height);
        for (int32_t y = 0; y < height; ++y)
          for (int32_t x = 0; x < width; ++x)
            ASSERT_EQ(dib.GetPixel(x, y), pixels[size_t(y) * stride + size_t(x)]) << width << " " << x << "," << y;
        // Re-encoding the decoded surface gives the same item.
        EXPECT_EQ(EncodePid(dib, options), item);
      }
}

TEST(PidEncoder, HeaderFlagsAndPalette) {
  const uint8_t pixels[4] = {0, 1, 2, 0};
  PidEncodeOptions options;
  options.coding = PidCoding::ByteRuns;
  options.transparent = true;
  options.offsetX = 3;
  options.offsetY = -4;
  options.paletteRgb.assign(768, 0);
  options.paletteRgb[3] = 200;
  const auto item = EncodePid(pixels, 4, 1, 4, options);
  PidHeader header;
  ASSERT_TRUE(ReadPidHeader(item, header));
  EXPECT_EQ(header.flags, kPidFlagTransparent | kPidFlagPalette);
  EXPECT_EQ(header.width, 4u);
  EXPECT_EQ(header.offsetY, -4);
  CPalId palette;
  ASSERT_TRUE(palette.BuildFromImageData(item, kImageKindPid));
  EXPECT_EQ(palette.Entry(1).red, 200);
  CDibG dib;
  ASSERT_TRUE(dib.LoadFromMemory(item, kImageKindPid, nullptr));
  EXPECT_EQ(Rows(dib), (std::vector<uint8_t>{0, 1, 2, 0}));

  options.coding = PidCoding::TransparentRuns;
  options.paletteRgb.clear();
  ASSERT_TRUE(ReadPidHeader(EncodePid(pixels, 4, 1, 4, options), header));
  EXPECT_EQ(header.flags, kPidFlagTransparentRuns);
  EXPECT_TRUE(EncodePid(pixels, 0, 1, 4, options).empty());
}

TEST(PidDecoder, EmbeddedPaletteReindexKeepsTransparency) {
  // The loader's palette-from-images step: decode, build the image's palette, re-index.
  const uint8_t pixels[4] = {0, 1, 2, 1};
  PidEncodeOptions options;
  options.paletteRgb.assign(768, 0);
  const uint8_t colours[3][3] = {{255, 0, 132}, {255, 255, 255}, {0, 0, 51}};
  for (int i = 0; i < 3; ++i)
    for (int c = 0; c < 3; ++c) options.paletteRgb[size_t(i * 3 + c)] = colours[i][c];
  const auto item = EncodePid(pixels, 4, 1, 4, options);
  CPalId document;
  document.BuildDefault();
  CDibG dib;
  ASSERT_TRUE(dib.LoadFromMemory(item, kImageKindPid, &document));
  CPalId own;
  ASSERT_TRUE(own.BuildFromImageData(item, kImageKindPid));
  ASSERT_TRUE(dib.ReindexToColourCube(&own));
  EXPECT_EQ(Rows(dib), (std::vector<uint8_t>{0, 252, 2, 252}));
}

TEST(PidDecoder, EveryTruncationIsRefused) {
  std::mt19937 random(5);
  for (PidCoding coding : {PidCoding::TransparentRuns, PidCoding::ByteRuns}) {
    const auto pixels = RandomImage(random, 37, 6, 37);
    PidEncodeOptions options;
    options.coding = coding;
    const auto item = EncodePid(pixels.data(), 37, 6, 37, options);
    for (size_t size = 0; size < item.size(); ++size) {
      CDibG dib;
      EXPECT_FALSE(dib.LoadFromMemory(ByteSpan(item.data(), size), kImageKindPid, nullptr)) << size;
    }
  }
}

TEST(ImageInfo, HotSpotAndTransparency) {
  const struct {
    int kind;
    uint32_t flags;
    bool transparent;
  } rows[] = {{kImageKindPid, 0x00, false}, {kImageKindPid, 0x01, true}, {kImageKindPid, 0x20, true},
              {kImageKindRid, 0x21, true},  {kImageKindRid, 0x80, false}, {kImageKindRid, 0x02, false}};
  for (const auto& row : rows) {
    ImageInfo info;
    ASSERT_TRUE(ReadImageInfo(PidItem(row.flags, 1, 1, {}, -5, 9), row.kind, false, info));
    EXPECT_EQ(info.transparent, row.transparent) << row.flags;
    EXPECT_EQ(info.offsetX, -5);
    EXPECT_EQ(info.offsetY, 9);
  }
  ImageInfo info;
  ASSERT_TRUE(ReadImageInfo({}, kImageKindBmp, true, info));
  EXPECT_TRUE(info.transparent);
  EXPECT_EQ(info.offsetX, 0);
  EXPECT_FALSE(ReadImageInfo(std::vector<uint8_t>(20), kImageKindPid, true, info));
  EXPECT_FALSE(ReadImageInfo(PidItem(0, 1, 1, {}), 4, true, info));
  EXPECT_EQ(ImageKindOfTypeCode(0x00504944), kImageKindPid);
  EXPECT_EQ(ImageKindOfTypeCode(0x00524944), kImageKindRid);
  EXPECT_EQ(ImageKindOfTypeCode(0x00504358), kImageKindPcx);
  EXPECT_EQ(ImageKindOfTypeCode(0x00424D50), kImageKindBmp);
  EXPECT_EQ(ImageKindOfTypeCode(0x00545854), 0);
}

TEST(RidDecoder, PaddedRowsAndShortData) {
  // Width 10: each row of pixel data is 12 bytes.
  std::vector<uint8_t> data;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 12; ++x) data.push_back(uint8_t(x < 10 ? 10 * y + x + 1 : 0xEE));
  for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
    CDibG dib(order);
    std::string reason;
    ASSERT_TRUE(dib.LoadFromMemory(PidItem(0, 10, 2, data), kImageKindRid, nullptr, &reason)) << reason;
    EXPECT_EQ(dib.GetPixel(0, 0), 1);
    EXPECT_EQ(dib.GetPixel(9, 1), 20);
    data.pop_back();
    EXPECT_FALSE(dib.LoadFromMemory(PidItem(0, 10, 2, data), kImageKindRid, nullptr, &reason));
    EXPECT_FALSE(dib.IsCreated());
    data.push_back(0xEE);
  }
  std::vector<uint8_t> pixels = {1, 2, 3, 4, 5, 6};
  const auto rid = EncodeRid(pixels.data(), 3, 2, 3, 0x21, 4, 5);
  EXPECT_EQ(rid.size(), 32u + 8u);
  CDibG dib;
  ASSERT_TRUE(dib.LoadFromMemory(rid, kImageKindRid, nullptr));
  EXPECT_EQ(Rows(dib), pixels);
}

// An 8-bit bitmap: 14-byte file header, information header of `infoSize` bytes,
// `colours` table entries, rows padded to 4 bytes in the order the height's sign says.
std::vector<uint8_t> Bitmap(int32_t width, int32_t height, const std::vector<uint8_t>& topDownPixels,
                            uint32_t infoSize = 40, uint32_t colours = 0, uint16_t bits = 8, uint32_t compression = 0) {
  const uint32_t entries = colours ? colours : 256;
  const uint32_t pixelOffset = 14 + infoSize + entries * 4;
  const int32_t rows = height < 0 ? -height : height;
  const size_t pitch = (size_t(width) + 3) / 4 * 4;
  ByteWriter w;
  w.U8('B');
  w.U8('M');
  w.U32(uint32_t(pixelOffset + pitch * size_t(rows)));
  w.U32(0);
  w.U32(pixelOffset);
  w.U32(infoSize);
  w.I32(width);
  w.I32(height);
  w.U16(1);
  w.U16(bits);
  w.U32(compression);
  w.Zeros(12);
  w.U32(colours);
  w.U32(0);
  w.Zeros(infoSize - 40);
  for (uint32_t i = 0; i < entries; ++i) {
    w.U8(uint8_t(i));       // blue
    w.U8(uint8_t(i * 2));   // green
    w.U8(uint8_t(255 - i)); // red
    w.U8(0);
  }
  for (int32_t r = 0; r < rows; ++r) {
    const int32_t y = height > 0 ? rows - 1 - r : r;
    w.Raw(topDownPixels.data() + size_t(y) * size_t(width), size_t(width));
    w.Zeros(pitch - size_t(width));
  }
  return std::move(w.Bytes());
}

TEST(BmpDecoder, EightBitBitmaps) {
  const std::vector<uint8_t> pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  const struct {
    const char* name;
    std::vector<uint8_t> item;
  } rows[] = {
      {"bottom-up", Bitmap(5, 3, pixels)},
      {"top-down", Bitmap(5, -3, pixels)},
      {"version 5 header", Bitmap(5, 3, pixels, 124)},
      {"16-entry colour table", Bitmap(5, 3, pixels, 40, 16)},
  };
  for (const auto& row : rows)
    for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
      CDibG dib(order);
      CPalId palette;
      std::string reason;
      ASSERT_TRUE(dib.LoadFromMemory(row.item, kImageKindBmp, &palette, &reason)) << row.name << ": " << reason;
      EXPECT_EQ(Rows(dib), pixels) << row.name;
      // The palette had not been made: it comes from the colour table.
      ASSERT_TRUE(palette.IsCreated()) << row.name;
      EXPECT_EQ(palette.Entry(3), (PaletteEntry{252, 6, 3, 0})) << row.name;
      EXPECT_EQ(dib.ColourTable()[3 * 4 + 2], 252) << row.name;
    }
  // A palette that exists is kept.
  CPalId palette;
  palette.BuildDefault();
  CDibG dib;
  ASSERT_TRUE(dib.LoadFromMemory(Bitmap(5, 3, pixels), kImageKindBmp, &palette));
  EXPECT_EQ(palette.Entries(), DefaultPaletteEntries());
}

TEST(BmpDecoder, OtherBitmapsAreRefused) {
  const std::vector<uint8_t> pixels(16, 1);
  auto truncated = Bitmap(4, 4, pixels);
  truncated.pop_back();
  auto badOffset = Bitmap(4, 4, pixels);
  StoreU32(badOffset.data() + 10, 0xFFFFFFF0u);
  auto coreHeader = Bitmap(4, 4, pixels);
  StoreU32(coreHeader.data() + 14, 12);
  const struct {
    const char* name;
    std::vector<uint8_t> item;
  } rows[] = {
      {"4-bit", Bitmap(4, 4, pixels, 40, 16, 4)},
      {"24-bit", Bitmap(4, 4, pixels, 40, 0, 24)},
      {"run-length compressed", Bitmap(4, 4, pixels, 40, 0, 8, 1)},
      {"core header", coreHeader},
      {"too many colours", Bitmap(4, 4, pixels, 40, 300)},
      {"pixels cut", truncated},
      {"pixel offset outside", badOffset},
      {"zero width", Bitmap(0, 4, {})},
      {"headers cut", std::vector<uint8_t>(40, 0)},
  };
  for (const auto& row : rows) {
    CDibG dib;
    CPalId palette;
    std::string reason;
    EXPECT_FALSE(dib.LoadFromMemory(row.item, kImageKindBmp, &palette, &reason)) << row.name;
    EXPECT_FALSE(reason.empty()) << row.name;
    EXPECT_FALSE(dib.IsCreated()) << row.name;
  }
}

void PcxRun(ByteWriter& w, uint8_t value, int count) {
  while (count > 0) {
    const int n = count > 63 ? 63 : count;
    w.U8(uint8_t(0xC0 | n));
    w.U8(value);
    count -= n;
  }
}

std::vector<uint8_t> PcxHeader(int16_t xMin, int16_t yMin, int16_t xMax, int16_t yMax, uint8_t planes,
                               uint16_t bytesPerLine) {
  ByteWriter w;
  test::WritePcxHeader(w, xMin, yMin, xMax, yMax, planes, bytesPerLine);
  return std::move(w.Bytes());
}

TEST(PcxDecoder, OnePlane) {
  // Window (2, 3)-(4, 4): 3 x 2 pixels; lines of 4 bytes (one of padding).
  ByteWriter w;
  w.Raw(PcxHeader(2, 3, 4, 4, 1, 4).data(), 128);
  w.U8(1);
  w.U8(0xC1);
  w.U8(0xD0);  // a literal above 0xBF
  PcxRun(w, 3, 4);  // the last two bytes of line 0 (one is padding) and two of line 1: runs cross lines
  w.U8(4);
  w.U8(0);
  w.U8(0x0C);
  w.Zeros(768);
  for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
    CDibG dib(order);
    std::string reason;
    ASSERT_TRUE(dib.LoadFromMemory(w.Bytes(), kImageKindPcx, nullptr, &reason)) << reason;
    EXPECT_EQ(dib.Width(), 3);
    EXPECT_EQ(dib.Height(), 2);
    EXPECT_EQ(Rows(dib), (std::vector<uint8_t>{1, 0xD0, 3, 3, 3, 4}));
  }
}

// A surface keeps its block for the next image that fits, so the decoders that fill only
// the image's columns must clear each row's padding themselves.
TEST(ImageDecoders, ClearThePaddingOfAReusedSurface) {
  ByteWriter pcx;
  pcx.Raw(PcxHeader(0, 0, 2, 1, 1, 4).data(), 128);
  for (uint8_t v : {1, 2, 3, 9, 4, 5, 6, 9}) pcx.U8(v);
  const struct {
    const char* name;
    int kind;
    std::vector<uint8_t> item;
  } rows[] = {
      {"PID transparent runs", kImageKindPid, PidItem(0x20, 3, 2, {0x03, 1, 2, 3, 0x83})},
      {"PID byte runs", kImageKindPid, PidItem(0, 3, 2, {1, 2, 3, 0xC3, 0})},
      {"PCX", kImageKindPcx, pcx.Bytes()},
  };
  for (const auto& row : rows) {
    CDibG dib;
    ASSERT_TRUE(dib.LoadFromMemory(PidItem(0, 3, 2, std::vector<uint8_t>(8, 0xEE)), kImageKindRid, nullptr));
    ASSERT_TRUE(dib.LoadFromMemory(row.item, row.kind, nullptr)) << row.name;
    ASSERT_EQ(dib.Pitch(), 4);
    EXPECT_EQ(dib.RowPtr(0)[3], 0) << row.name;
    EXPECT_EQ(dib.RowPtr(1)[3], 0) << row.name;
  }
}

TEST(PcxDecoder, ThreePlanesMapIntoTheColourCube) {
  // 3 x 1 pixels: (255, 0, 132), (0, 0, 0), (255, 255, 255).
  ByteWriter exact;
  exact.Raw(PcxHeader(0, 0, 2, 0, 3, 3).data(), 128);
  for (uint8_t v : {255, 0, 255, 0, 0, 255, 132, 0, 255}) {
    exact.U8(0xC1);
    exact.U8(v);
  }
  CDibG dib;
  std::string reason;
  ASSERT_TRUE(dib.LoadFromMemory(exact.Bytes(), kImageKindPcx, nullptr, &reason)) << reason;
  EXPECT_EQ(Rows(dib), (std::vector<uint8_t>{0, 1, 252}));
  // A run continues from the end of the green plane into the blue one.
  ByteWriter crossing;
  crossing.Raw(PcxHeader(0, 0, 2, 0, 3, 3).data(), 128);
  for (uint8_t v : {10, 20, 30, 40, 50}) crossing.U8(v);
  PcxRun(crossing, 60, 3);
  crossing.U8(70);
  ASSERT_TRUE(dib.LoadFromMemory(crossing.Bytes(), kImageKindPcx, nullptr, &reason)) << reason;
  EXPECT_EQ(Rows(dib), (std::vector<uint8_t>{ColourCubeIndex(10, 40, 60), ColourCubeIndex(20, 50, 60),
                                             ColourCubeIndex(30, 60, 70)}));
}

TEST(PcxDecoder, ThreePlanesWithPaddedLines) {
  // 2 x 2 pixels in planes of 3 bytes: the third byte of each plane is padding.
  ByteWriter w;
  w.Raw(PcxHeader(0, 0, 1, 1, 3, 3).data(), 128);
  for (uint8_t v : {255, 0, 99, 0, 255, 99, 0, 0, 99,  // row 0: red, green, blue planes
                    0, 255, 99, 255, 255, 99, 255, 0, 99}) {
    w.U8(0xC1);
    w.U8(v);
  }
  CDibG dib;
  std::string reason;
  ASSERT_TRUE(dib.LoadFromMemory(w.Bytes(), kImageKindPcx, nullptr, &reason)) << reason;
  EXPECT_EQ(Rows(dib), (std::vector<uint8_t>{ColourCubeIndex(255, 0, 0), ColourCubeIndex(0, 255, 0),
                                             ColourCubeIndex(0, 255, 255), ColourCubeIndex(255, 255, 0)}));
}

TEST(PcxDecoder, BadItemsYieldNoImage) {
  auto withData = [](std::vector<uint8_t> header, std::vector<uint8_t> data) {
    header.insert(header.end(), data.begin(), data.end());
    return header;
  };
  auto bits = PcxHeader(0, 0, 3, 0, 1, 4);
  bits[3] = 1;
  const struct {
    const char* name;
    std::vector<uint8_t> item;
  } rows[] = {
      {"header cut", std::vector<uint8_t>(127, 0)},
      {"empty window", withData(PcxHeader(5, 0, 4, 0, 1, 4), {1, 2, 3, 4})},
      {"four planes", withData(PcxHeader(0, 0, 3, 0, 4, 4), std::vector<uint8_t>(16, 1))},
      {"one bit per pixel", withData(bits, {1, 2, 3, 4})},
      {"line narrower than the image", withData(PcxHeader(0, 0, 3, 0, 1, 2), {1, 2, 3, 4})},
      {"data end early", withData(PcxHeader(0, 0, 3, 1, 1, 4), {1, 2, 3, 4, 5})},
      {"run without its value", withData(PcxHeader(0, 0, 3, 0, 1, 4), {1, 2, 0xC2})},
      {"huge window, little data", withData(PcxHeader(-32768, -32768, 32767, 32767, 1, 65535), {0xFF, 1})},
  };
  for (const auto& row : rows) {
    CDibG dib;
    std::string reason;
    EXPECT_FALSE(dib.LoadFromMemory(row.item, kImageKindPcx, nullptr, &reason)) << row.name;
    EXPECT_FALSE(reason.empty()) << row.name;
    EXPECT_FALSE(dib.IsCreated()) << row.name;
  }
  CDibG dib;
  std::string reason;
  EXPECT_FALSE(dib.LoadFromMemory(PidItem(0, 1, 1, {1}), 4, nullptr, &reason));
  EXPECT_FALSE(reason.empty());
}

}  // namespace
}  // namespace vyr
