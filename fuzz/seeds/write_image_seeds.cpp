// Writes the seed inputs of the image fuzzers into a corpus folder (fuzz/corpus):
//   cmake --build build/dev --target fuzz_seeds
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/bytes.h"
#include "resources/pcx_test_header.h"
#include "resources/image_formats.h"
#include "resources/snapshot_surface.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

void Save(const fs::path& dir, const std::string& name, const std::vector<uint8_t>& bytes) {
  std::error_code error;
  fs::create_directories(dir, error);
  std::ofstream out(dir / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out.flush()) {
    std::fprintf(stderr, "cannot write %s\n", (dir / name).c_str());
    std::exit(1);
  }
}

std::vector<uint8_t> Sprite(int32_t width, int32_t height) {
  std::vector<uint8_t> pixels(size_t(width) * size_t(height));
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const int32_t dx = 2 * x - width, dy = 2 * y - height;
      pixels[size_t(y * width + x)] = dx * dx + dy * dy < width * height ? uint8_t(1 + (x ^ y) % 200) : 0;
    }
  return pixels;
}

std::vector<uint8_t> Pcx(int32_t width, int32_t height, uint8_t planes, bool palette) {
  ByteWriter w;
  test::WritePcxHeader(w, 0, 0, width - 1, height - 1, planes, uint16_t(width));
  const auto pixels = Sprite(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int p = 0; p < planes; ++p)
      for (int32_t x = 0; x < width;) {
        const uint8_t v = uint8_t(pixels[size_t(y * width + x)] * (p + 1));
        int32_t n = 1;
        while (x + n < width && n < 63 && uint8_t(pixels[size_t(y * width + x + n)] * (p + 1)) == v) ++n;
        if (n > 1 || v >= 0xC0) w.U8(uint8_t(0xC0 | n));
        w.U8(v);
        x += n;
      }
  if (palette) {
    w.U8(0x0C);
    for (int i = 0; i < 768; ++i) w.U8(uint8_t(i * 3));
  }
  return std::move(w.Bytes());
}

std::vector<uint8_t> Bmp(int32_t width, int32_t height) {
  const auto pixels = Sprite(width, height);
  const size_t pitch = (size_t(width) + 3) / 4 * 4;
  ByteWriter w;
  w.U8('B');
  w.U8('M');
  w.U32(uint32_t(1078 + pitch * size_t(height)));
  w.U32(0);
  w.U32(1078);
  w.U32(40);
  w.I32(width);
  w.I32(height);
  w.U16(1);
  w.U16(8);
  w.Zeros(24);
  for (int i = 0; i < 256; ++i) {
    w.U8(uint8_t(i));
    w.U8(uint8_t(i * 3));
    w.U8(uint8_t(255 - i));
    w.U8(0);
  }
  for (int32_t y = height - 1; y >= 0; --y) {
    w.Raw(pixels.data() + size_t(y * width), size_t(width));
    w.Zeros(pitch - size_t(width));
  }
  return std::move(w.Bytes());
}

std::vector<uint8_t> Prefixed(uint8_t kind, std::vector<uint8_t> bytes) {
  bytes.insert(bytes.begin(), kind);
  return bytes;
}

void WriteSeeds(const fs::path& corpus) {
  PidEncodeOptions runs;
  runs.offsetX = 4;
  runs.offsetY = -3;
  PidEncodeOptions bytes;
  bytes.coding = PidCoding::ByteRuns;
  bytes.transparent = true;
  PidEncodeOptions withPalette = bytes;
  for (int i = 0; i < 768; ++i) withPalette.paletteRgb.push_back(uint8_t(i));
  const auto sprite = Sprite(20, 12);
  Save(corpus / "fuzz_pid", "transparent_runs.pid", EncodePid(sprite.data(), 20, 12, 20, runs));
  Save(corpus / "fuzz_pid", "byte_runs.pid", EncodePid(sprite.data(), 20, 12, 20, bytes));
  Save(corpus / "fuzz_pid", "palette.pid", EncodePid(sprite.data(), 20, 12, 20, withPalette));
  const auto wide = Sprite(140, 3);
  Save(corpus / "fuzz_pid", "wide.pid", EncodePid(wide.data(), 140, 3, 140, runs));

  Save(corpus / "fuzz_rid", "sprite.rid", EncodeRid(sprite.data(), 20, 12, 20, 0x01, 2, 2));
  const auto odd = Sprite(7, 5);
  Save(corpus / "fuzz_rid", "odd.rid", EncodeRid(odd.data(), 7, 5, 7, 0x20, 0, 0));

  Save(corpus / "fuzz_bmp", "sprite.bmp", Bmp(20, 12));
  Save(corpus / "fuzz_bmp", "odd.bmp", Bmp(7, 5));
  auto snapshot = CSnapshotDib::Make(16, 4, 8, 0);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 16; ++x) snapshot->RowPtr(y)[x] = uint8_t(x * y);
  CSnapshotContext context;
  std::vector<uint8_t> snapshotBytes;
  snapshot->BmpBytes(context.MakePalette(DefaultPaletteEntries(), 0), snapshotBytes);
  Save(corpus / "fuzz_bmp", "snapshot.bmp", snapshotBytes);

  Save(corpus / "fuzz_pcx", "one_plane.pcx", Pcx(20, 12, 1, true));
  Save(corpus / "fuzz_pcx", "three_planes.pcx", Pcx(9, 6, 3, false));

  Save(corpus / "fuzz_mask", "bmp", Prefixed(0, Bmp(16, 8)));
  Save(corpus / "fuzz_mask", "pcx", Prefixed(1, Pcx(16, 8, 1, true)));
  std::vector<uint8_t> rid = {0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 4, 0, 0, 0};
  const auto mask = Sprite(8, 4);
  rid.insert(rid.end(), mask.begin(), mask.end());
  Save(corpus / "fuzz_mask", "rid", Prefixed(2, rid));
  auto pid = EncodePid(mask.data(), 8, 4, 8, bytes);
  pid.erase(pid.begin() + 16, pid.begin() + 32);  // loose PID files keep their data at offset 16
  Save(corpus / "fuzz_mask", "pid", Prefixed(3, pid));
}

}  // namespace
}  // namespace vyr

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
    return 2;
  }
  vyr::WriteSeeds(argv[1]);
  return 0;
}
