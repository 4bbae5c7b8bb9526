// Cross-check against ImageMagick: its BMP and PCX files decode to the same pixels, and it
// reads our snapshot bitmaps back with the same pixels.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "resources/dib.h"
#include "resources/image_formats.h"
#include "resources/mask_file.h"
#include "resources/snapshot_surface.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

std::string ConvertProgram() {
  if (fs::exists("/usr/bin/convert")) return "/usr/bin/convert";
  if (std::system("command -v convert >/dev/null 2>&1") == 0) return "convert";
  return {};
}

struct Rgb {
  uint8_t r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

class ImageMagickTest : public testing::Test {
 protected:
  void SetUp() override {
    m_convert = ConvertProgram();
    if (m_convert.empty()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    // ctest runs tests in parallel processes: each test keeps its own folder.
    m_dir = fs::path(testing::TempDir()) /
            (std::string("vyr_imagemagick_") + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(m_dir);
  }

  std::string Path(const std::string& name) const { return (m_dir / name).string(); }

  void Convert(const std::string& arguments) {
    const std::string command = m_convert + " " + arguments + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }

  // A P6 image of `width` x `height` drawing on 40 colours.
  std::vector<Rgb> WritePpm(const std::string& name, int width, int height) {
    std::vector<Rgb> colours;
    for (int i = 0; i < 40; ++i) colours.push_back(Rgb{uint8_t(i * 37 + 5), uint8_t(i * 91 + 17), uint8_t(i * 13 + 200)});
    std::vector<Rgb> pixels;
    std::string bytes = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const Rgb c = colours[size_t((x * 3 + y * 5 + x * y) % 40)];
        pixels.push_back(c);
        bytes += char(c.r);
        bytes += char(c.g);
        bytes += char(c.b);
      }
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return pixels;
  }

  std::vector<uint8_t> Read(const std::string& name) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadWholeFile(Path(name), bytes, error)) << error;
    return bytes;
  }

  std::string m_convert;
  fs::path m_dir;
};

Rgb TableColour(const CDibG& dib, uint8_t index) {
  const auto& t = dib.ColourTable();
  return Rgb{t[index * 4u + 2], t[index * 4u + 1], t[index * 4u]};
}

TEST_F(ImageMagickTest, BitmapsDecodeToTheSamePixels) {
  for (int width : {13, 16}) {
    const auto expected = WritePpm("in.ppm", width, 7);
    for (const char* format : {"BMP3", "BMP"}) {
      const std::string name = std::string("out_") + format + std::to_string(width) + ".bmp";
      Convert(Path("in.ppm") + " -type Palette -compress None " + format + ":" + Path(name));
      const auto bytes = Read(name);
      for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
        CDibG dib(order);
        CPalId palette;
        std::string reason;
        ASSERT_TRUE(dib.LoadFromMemory(bytes, kImageKindBmp, &palette, &reason)) << format << ": " << reason;
        ASSERT_EQ(dib.Width(), width);
        ASSERT_EQ(dib.Height(), 7);
        for (int y = 0; y < 7; ++y)
          for (int x = 0; x < width; ++x) {
            const uint8_t index = dib.GetPixel(x, y);
            ASSERT_EQ(TableColour(dib, index), expected[size_t(y * width + x)]) << format << " " << x << "," << y;
            const PaletteEntry& e = palette.Entry(index);
            ASSERT_EQ((Rgb{e.red, e.green, e.blue}), expected[size_t(y * width + x)]);
          }
        MaskPixels mask;
        ASSERT_TRUE(DecodeMaskFile(bytes, MaskFileKind::Bmp, mask, &reason)) << reason;
        for (int y = 0; y < 7; ++y)
          for (int x = 0; x < width; ++x) ASSERT_EQ(mask.pixels[size_t(y * width + x)], dib.GetPixel(x, y));
      }
    }
  }
}

TEST_F(ImageMagickTest, RunLengthBitmapsAreRefusedWithAReason) {
  WritePpm("in.ppm", 16, 7);
  Convert(Path("in.ppm") + " -type Palette -compress RLE BMP3:" + Path("rle.bmp"));
  const auto bytes = Read("rle.bmp");
  CDibG dib;
  CPalId palette;
  std::string reason;
  EXPECT_FALSE(dib.LoadFromMemory(bytes, kImageKindBmp, &palette, &reason));
  EXPECT_EQ(reason, "compressed bitmap");
  EXPECT_FALSE(dib.IsCreated());
}

TEST_F(ImageMagickTest, OnePlanePcxDecodesToTheSamePixels) {
  for (int width : {13, 16}) {
    const auto expected = WritePpm("in.ppm", width, 7);
    const std::string name = "one" + std::to_string(width) + ".pcx";
    Convert(Path("in.ppm") + " -type Palette " + Path(name));
    const auto bytes = Read(name);
    ASSERT_GT(bytes.size(), 128u);
    ASSERT_EQ(bytes[65], 1) << "ImageMagick wrote more than one plane";
    CPalId palette;
    ASSERT_TRUE(palette.BuildFromImageData(bytes, kImageKindPcx));
    CDibG dib;
    std::string reason;
    ASSERT_TRUE(dib.LoadFromMemory(bytes, kImageKindPcx, &palette, &reason)) << reason;
    CDibG fromFile;
    CPalId filePalette;
    ASSERT_TRUE(fromFile.LoadPcxFile(Path(name), &filePalette, &reason)) << reason;
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < width; ++x) {
        const PaletteEntry& e = palette.Entry(dib.GetPixel(x, y));
        ASSERT_EQ((Rgb{e.red, e.green, e.blue}), expected[size_t(y * width + x)]) << x << "," << y;
        ASSERT_EQ(fromFile.GetPixel(x, y), dib.GetPixel(x, y));
        ASSERT_EQ(TableColour(fromFile, fromFile.GetPixel(x, y)), expected[size_t(y * width + x)]);
      }
    if (width % 4 == 0) {
      MaskPixels mask;
      ASSERT_TRUE(DecodeMaskFile(bytes, MaskFileKind::Pcx, mask, &reason)) << reason;
      for (int y = 0; y < 7; ++y)
        for (int x = 0; x < width; ++x) ASSERT_EQ(mask.pixels[size_t(y * width + x)], dib.GetPixel(x, y));
    }
  }
}

TEST_F(ImageMagickTest, ThreePlanePcxMapsIntoTheColourCube) {
  for (int width : {13, 16}) {
    auto expected = WritePpm("in.ppm", width, 5);
    const std::string name = "three" + std::to_string(width) + ".pcx";
    Convert(Path("in.ppm") + " -type TrueColor " + Path(name));
    const auto bytes = Read(name);
    ASSERT_EQ(bytes[65], 3) << "ImageMagick did not write three planes";
    CDibG dib;
    std::string reason;
    ASSERT_TRUE(dib.LoadFromMemory(bytes, kImageKindPcx, nullptr, &reason)) << reason;
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < width; ++x) {
        const Rgb c = expected[size_t(y * width + x)];
        ASSERT_EQ(dib.GetPixel(x, y), ColourCubeIndex(c.r, c.g, c.b)) << x << "," << y;
      }
  }
}

TEST_F(ImageMagickTest, ReadsOurSnapshotBitmapsBack) {
  const int width = 20, height = 6;
  auto dib = CSnapshotDib::Make(width, height, 8, 0);
  ASSERT_TRUE(dib);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) dib->RowPtr(y)[x] = uint8_t(x * 11 + y * 29);
  dib->FillRect(CRect{2, 1, 6, 3}, 200);
  PaletteEntries entries{};
  for (size_t i = 0; i < 256; ++i) entries[i] = PaletteEntry{uint8_t(i), uint8_t(i * 7), uint8_t(255 - i), 0};
  CSnapshotContext context;
  const CSnapshotPalette* palette = context.MakePalette(entries, 0);
  std::string reason;
  ASSERT_TRUE(dib->WriteBmp(Path("snapshot.bmp"), palette, &reason)) << reason;
  Convert(Path("snapshot.bmp") + " -depth 8 rgb:" + Path("snapshot.rgb"));
  const auto rgb = Read("snapshot.rgb");
  ASSERT_EQ(rgb.size(), size_t(width * height * 3));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const PaletteEntry& e = entries[dib->RowPtr(y)[x]];
      const size_t at = size_t(y * width + x) * 3;
      ASSERT_EQ((Rgb{rgb[at], rgb[at + 1], rgb[at + 2]}), (Rgb{e.red, e.green, e.blue})) << x << "," << y;
    }
}

}  // namespace
}  // namespace vyr
