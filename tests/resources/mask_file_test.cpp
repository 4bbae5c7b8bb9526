// Loose mask files: reader choice by extension and each reader on hand-made files.
#include "resources/mask_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/bytes.h"
#include "resources/pcx_test_header.h"

namespace vyr {
namespace {

std::vector<uint8_t> Header16(uint32_t width, uint32_t height, std::vector<uint8_t> data) {
  ByteWriter w;
  w.U32(0);
  w.U32(0x20);
  w.U32(width);
  w.U32(height);
  w.Raw(data.data(), data.size());
  return std::move(w.Bytes());
}

std::vector<uint8_t> Pcx(int16_t width, int16_t height, uint16_t bytesPerLine, std::vector<uint8_t> data,
                         uint8_t planes = 1) {
  ByteWriter w;
  test::WritePcxHeader(w, 0, 0, width - 1, height - 1, planes, bytesPerLine);
  w.Raw(data.data(), data.size());
  w.Zeros(768);
  return std::move(w.Bytes());
}

// 8-bit bitmap, bottom-up, of the given top-down pixels.
std::vector<uint8_t> Bmp(int32_t width, int32_t height, const std::vector<uint8_t>& pixels, uint16_t bits = 8) {
  const size_t pitch = (size_t(width) + 3) / 4 * 4;
  ByteWriter w;
  w.U8('B');
  w.U8('M');
  w.U32(0);
  w.U32(0);
  w.U32(1078);
  w.U32(40);
  w.I32(width);
  w.I32(height);
  w.U16(1);
  w.U16(bits);
  w.Zeros(24 + 1024);
  for (int32_t y = height - 1; y >= 0; --y) {
    w.Raw(pixels.data() + size_t(y) * size_t(width), size_t(width));
    w.Zeros(pitch - size_t(width));
  }
  return std::move(w.Bytes());
}

TEST(MaskFiles, ReaderChosenByExtension) {
  const struct {
    const char* path;
    MaskFileKind kind;
  } rows[] = {{"a.bmp", MaskFileKind::Bmp},  {"A.PCX", MaskFileKind::Pcx},      {"x/y.Rid", MaskFileKind::Rid},
              {"m.pId", MaskFileKind::Pid},  {"notes.txt", MaskFileKind::None}, {"nodot", MaskFileKind::None},
              {"dir.bmp/file", MaskFileKind::None}, {"a.bmp.txt", MaskFileKind::None}, {"trailing.", MaskFileKind::None}};
  for (const auto& row : rows) EXPECT_EQ(MaskFileKindOfPath(row.path), row.kind) << row.path;
}

TEST(MaskFiles, EachReader) {
  const std::vector<uint8_t> expected = {1, 2, 3, 4, 5, 6, 7, 8};  // 4 x 2
  const struct {
    const char* name;
    MaskFileKind kind;
    std::vector<uint8_t> bytes;
  } rows[] = {
      {"RID", MaskFileKind::Rid, Header16(4, 2, {1, 2, 3, 4, 5, 6, 7, 8, 99})},
      {"PID byte runs", MaskFileKind::Pid, Header16(4, 2, {1, 2, 3, 4, 5, 6, 7, 8})},
      {"PID with a run", MaskFileKind::Pid, Header16(4, 2, {1, 2, 3, 4, 0xC1, 5, 6, 7, 8})},
      {"PCX", MaskFileKind::Pcx, Pcx(4, 2, 4, {1, 2, 3, 4, 5, 6, 7, 8})},
      {"PCX padded lines, runs across lines", MaskFileKind::Pcx, Pcx(4, 2, 6, {1, 2, 3, 4, 0xC3, 0, 6, 7, 8, 0, 0})},
      {"BMP", MaskFileKind::Bmp, Bmp(4, 2, expected)},
  };
  for (const auto& row : rows) {
    MaskPixels mask;
    std::string reason;
    ASSERT_TRUE(DecodeMaskFile(row.bytes, row.kind, mask, &reason)) << row.name << ": " << reason;
    EXPECT_EQ(mask.width, 4) << row.name;
    EXPECT_EQ(mask.height, 2) << row.name;
    if (std::string(row.name).find("padded") != std::string::npos)
      EXPECT_EQ(mask.pixels, (std::vector<uint8_t>{1, 2, 3, 4, 0, 6, 7, 8})) << row.name;
    else
      EXPECT_EQ(mask.pixels, expected) << row.name;
  }
  MaskPixels mask;
  ASSERT_TRUE(DecodeMaskFile(Header16(8, 1, {0xC8, 3}), MaskFileKind::Pid, mask));
  EXPECT_EQ(mask.pixels, std::vector<uint8_t>(8, 3));
  // A bitmap of width 2 keeps its 4-byte row padding out of the mask.
  ASSERT_TRUE(DecodeMaskFile(Bmp(2, 2, {1, 2, 3, 4}), MaskFileKind::Bmp, mask));
  EXPECT_EQ(mask.pixels, (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(MaskFiles, RefusedFiles) {
  const struct {
    const char* name;
    MaskFileKind kind;
    std::vector<uint8_t> bytes;
  } rows[] = {
      {"unknown kind", MaskFileKind::None, Header16(4, 1, {1, 2, 3, 4})},
      {"RID short header", MaskFileKind::Rid, std::vector<uint8_t>(15, 0)},
      {"RID short data", MaskFileKind::Rid, Header16(4, 2, {1, 2, 3})},
      {"RID zero size", MaskFileKind::Rid, Header16(0, 2, {})},
      {"PID width not a multiple of 4", MaskFileKind::Pid, Header16(6, 1, {1, 2, 3, 4, 5, 6})},
      {"PID run past the row", MaskFileKind::Pid, Header16(4, 2, {0xC5, 1, 1, 1, 1})},
      {"PID data end early", MaskFileKind::Pid, Header16(4, 2, {1, 2, 3, 4})},
      {"PID huge size", MaskFileKind::Pid, Header16(65536, 65536, {0xFF, 1})},
      {"PCX width not a multiple of 4", MaskFileKind::Pcx, Pcx(6, 1, 6, {1, 2, 3, 4, 5, 6})},
      {"PCX three planes", MaskFileKind::Pcx, Pcx(4, 1, 4, std::vector<uint8_t>(12, 1), 3)},
      {"PCX data end early", MaskFileKind::Pcx, Pcx(4, 2, 4, {1, 2, 3, 4})},
      {"PCX without palette", MaskFileKind::Pcx, std::vector<uint8_t>(895, 0)},
      {"BMP of 4 bits", MaskFileKind::Bmp, Bmp(4, 2, std::vector<uint8_t>(8, 1), 4)},
      {"BMP cut", MaskFileKind::Bmp, std::vector<uint8_t>(30, 0)},
      {"BMP rows cut", MaskFileKind::Bmp, [] { auto v = Bmp(4, 2, std::vector<uint8_t>(8, 1)); v.pop_back(); return v; }()},
  };
  for (const auto& row : rows) {
    MaskPixels mask;
    mask.width = 3;
    std::string reason;
    EXPECT_FALSE(DecodeMaskFile(row.bytes, row.kind, mask, &reason)) << row.name;
    EXPECT_FALSE(reason.empty()) << row.name;
    EXPECT_TRUE(mask.pixels.empty()) << row.name;
    EXPECT_EQ(mask.width, 0) << row.name;
  }
}

TEST(MaskFiles, LoadFromDisk) {
  const auto dir = std::filesystem::path(testing::TempDir()) / "vyr_mask_files";
  std::filesystem::create_directories(dir);
  const auto bytes = Header16(4, 1, {9, 8, 7, 6});
  for (const char* name : {"m.rid", "m.txt", "m"}) {
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  MaskPixels mask;
  std::string reason;
  ASSERT_TRUE(LoadMaskFile((dir / "m.rid").string(), mask, &reason)) << reason;
  EXPECT_EQ(mask.pixels, (std::vector<uint8_t>{9, 8, 7, 6}));
  EXPECT_FALSE(LoadMaskFile((dir / "m.txt").string(), mask, &reason));
  EXPECT_FALSE(LoadMaskFile((dir / "m").string(), mask, &reason));
  EXPECT_FALSE(LoadMaskFile((dir / "missing.pid").string(), mask, &reason));
  EXPECT_FALSE(reason.empty());
}

}  // namespace
}  // namespace vyr

namespace vyr {
namespace {

TEST(MaskFiles, TheGateRefusesBySizeAndLengthFromTheHeader) {
  const auto dir = std::filesystem::path(testing::TempDir()) / "vyr_mask_gate";
  std::filesystem::create_directories(dir);
  auto write = [&dir](const char* name, const std::vector<uint8_t>& bytes) {
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return (dir / name).string();
  };
  const std::string square = write("square.rid", Header16(4, 4, std::vector<uint8_t>(16, 1)));
  const std::string wide = write("wide.rid", Header16(8, 4, std::vector<uint8_t>(32, 1)));
  const std::string huge = write("huge.pid", Header16(60000, 60000, {0xC1, 0}));
  struct Row {
    std::string path;
    uint64_t maxBytes;
    bool loads;
  } rows[] = {{square, 1000, true}, {square, 20, false}, {wide, 1000, false}, {huge, 1000, false}};
  for (const Row& row : rows) {
    MaskFileGate gate;
    gate.maxBytes = row.maxBytes;
    gate.sizeFits = [](int64_t width, int64_t height) { return width == height; };
    MaskPixels mask;
    std::string reason;
    EXPECT_EQ(LoadMaskFile(row.path, mask, &reason, &gate), row.loads) << row.path << " " << row.maxBytes;
    EXPECT_EQ(reason.empty(), row.loads) << row.path;
  }
}

}  // namespace
}  // namespace vyr
