// Loading an image directory of 2,000 64 x 64 PID tiles into image sets, beside a memcpy
// of the decoded pixels (the bytes the load has to produce) in the same run.
#include <benchmark/benchmark.h>

#include "bench_clock.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "resources/image_formats.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "resources/rez_mgr.h"
#include "resources/rez_names.h"

namespace vyr {
namespace {

constexpr int kSets = 20;
constexpr int kTilesPerSet = 100;
constexpr int kTile = 64;

RezFileOpener MemoryOpener(std::shared_ptr<std::vector<uint8_t>> bytes) {
  return [bytes](const std::string&, RezOpenMode mode, std::string&) -> std::unique_ptr<RezFile> {
    if (mode == RezOpenMode::kCreate) bytes->clear();
    return std::make_unique<MemoryRezFile>(bytes);
  };
}

// A tile with a transparent notch, a few colour runs and a noisy band, like real art.
std::vector<uint8_t> TilePixels(int n) {
  std::vector<uint8_t> pixels(size_t(kTile) * kTile);
  uint32_t seed = uint32_t(n) * 2654435761u;
  for (int y = 0; y < kTile; ++y) {
    for (int x = 0; x < kTile; ++x) {
      uint8_t v = uint8_t(17 + (x / 8 + y / 8 + n) % 12);
      if (y < 10 && x < 10) v = 0;
      if (y > 40 && y < 48) {
        seed = seed * 1664525u + 1013904223u;
        v = uint8_t(33 + (seed >> 28));
      }
      pixels[size_t(y) * kTile + size_t(x)] = v;
    }
  }
  return pixels;
}

struct Fixture {
  Fixture() : bytes(std::make_shared<std::vector<uint8_t>>()) {
    CRezMgr writer;
    writer.SetFileOpener(MemoryOpener(bytes));
    writer.SetClock([] { return 1u; });
    writer.CreateArchive("bench.rez");
    CRezDir* images = writer.GetRootDir()->CreateDir("IMAGES");
    for (int s = 0; s < kSets; ++s) {
      CRezDir* dir = images->CreateDir("SET" + std::to_string(s));
      for (int i = 0; i < kTilesPerSet; ++i) {
        const std::vector<uint8_t> pixels = TilePixels(s * kTilesPerSet + i);
        PidEncodeOptions options;
        const std::vector<uint8_t> item = EncodePid(pixels.data(), kTile, kTile, kTile, options);
        CRezItem* entry = dir->CreateItem(uint32_t(i), std::to_string(i), kTypeCodePid);
        std::span<uint8_t> data = entry->NewData(uint32_t(item.size()));
        std::memcpy(data.data(), item.data(), item.size());
        entry->WriteData();
        entry->ReleaseData();
        itemBytes += item.size();
      }
    }
    writer.CloseArchive();
    archive.SetFileOpener(MemoryOpener(bytes));
    archive.OpenArchive("bench.rez", true);
    palette.BuildDefault();
  }

  std::shared_ptr<std::vector<uint8_t>> bytes;
  CRezMgr archive;
  CPalId palette;
  size_t itemBytes = 0;
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

constexpr size_t kPixelBytes = size_t(kSets) * kTilesPerSet * kTile * kTile;

// One copy of the decoded pixels, tile by tile, between two buffers.
void MemcpyPixels(const std::vector<uint8_t>& source, std::vector<uint8_t>& target) {
  for (size_t offset = 0; offset < kPixelBytes; offset += size_t(kTile) * kTile)
    std::memcpy(target.data() + offset, source.data() + offset, size_t(kTile) * kTile);
  benchmark::ClobberMemory();
}

void BM_LoadImageSets(benchmark::State& state) {
  Fixture& f = Shared();
  CRezDir* images = f.archive.FindDir("IMAGES");
  std::vector<uint8_t> source(kPixelBytes, 7), target(kPixelBytes);
  // Each load is followed by a copy of the pixels, so both see the same machine.
  double seconds = 0, memcpySeconds = 0;
  for (auto _ : state) {
    const double start = bench::ThreadSeconds();
    {
      CImageSetTable table;
      table.SetLoadContext({&f.palette, false});
      const int sets = table.LoadImageSets(*images, "", "_");
      if (sets != kSets) state.SkipWithError("wrong set count");
      benchmark::DoNotOptimize(table.Count());
    }
    const double loaded = bench::ThreadSeconds();
    MemcpyPixels(source, target);
    seconds += loaded - start;
    memcpySeconds += bench::ThreadSeconds() - loaded;
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kPixelBytes));
  state.counters["images"] = double(kSets * kTilesPerSet);
  state.counters["item_MB"] = double(f.itemBytes) / 1e6;
  state.counters["x_memcpy"] = seconds / memcpySeconds;
  state.counters["goal_at_most"] = 3;
}
BENCHMARK(BM_LoadImageSets)->Unit(benchmark::kMillisecond);

// The same with palette-from-images on (no image carries a palette, so only the
// attempt to build one is added).
void BM_LoadImageSetsPaletteFromImages(benchmark::State& state) {
  Fixture& f = Shared();
  CRezDir* images = f.archive.FindDir("IMAGES");
  for (auto _ : state) {
    CImageSetTable table;
    table.SetLoadContext({&f.palette, true});
    benchmark::DoNotOptimize(table.LoadImageSets(*images, "", "_"));
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kPixelBytes));
}
BENCHMARK(BM_LoadImageSetsPaletteFromImages)->Unit(benchmark::kMillisecond);

// The limit: copying the decoded pixels once, in 2,000 surfaces' worth of blocks.
void BM_MemcpyDecodedPixels(benchmark::State& state) {
  std::vector<uint8_t> source(kPixelBytes, 7), target(kPixelBytes);
  for (auto _ : state) MemcpyPixels(source, target);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kPixelBytes));
}
BENCHMARK(BM_MemcpyDecodedPixels)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vyr

BENCHMARK_MAIN();
