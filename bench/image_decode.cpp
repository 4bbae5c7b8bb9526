// PID tile decoding throughput beside memcpy of the same decoded bytes, into a buffer in the
// cache and into one outside it.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "bench_clock.h"
#include "resources/dib.h"
#include "resources/image_formats.h"

namespace {

using namespace vyr;

constexpr int32_t kTile = 64;
constexpr int kTiles = 256;

// Tiles like the game's: solid ground, ground with transparent holes and edges, noisy detail.
std::vector<std::vector<uint8_t>> MakeTiles(PidCoding coding) {
  std::mt19937 random(42);
  std::vector<std::vector<uint8_t>> items;
  std::vector<uint8_t> pixels(size_t(kTile) * kTile);
  for (int t = 0; t < kTiles; ++t) {
    const int edge = int(random() % kTile);
    for (int32_t y = 0; y < kTile; ++y)
      for (int32_t x = 0; x < kTile; ++x) {
        uint8_t v = uint8_t(16 + (x / 8 + y / 8 + t) % 32);
        if (t % 3 == 1 && x + y < edge) v = 0;
        if (t % 3 == 2) v = uint8_t(1 + random() % 250);
        pixels[size_t(y * kTile + x)] = v;
      }
    PidEncodeOptions options;
    options.coding = coding;
    items.push_back(EncodePid(pixels.data(), kTile, kTile, kTile, options));
  }
  return items;
}

constexpr size_t kTileBytes = size_t(kTile) * kTile;
constexpr size_t kDecodedBytes = kTileBytes * kTiles;

// CPU seconds per copy of the decoded bytes, tile by tile, into a window of a buffer far
// larger than the cache that moves on each time, so that no target line is cached.
double MemcpyOutOfCacheSeconds(int repeats) {
  const std::vector<uint8_t> tiles(kDecodedBytes, 7);
  std::vector<uint8_t> target(size_t(256) << 20, 1);
  size_t window = 0;
  const double start = bench::ThreadSeconds();
  for (int i = 0; i < repeats; ++i) {
    uint8_t* to = target.data() + window;
    for (size_t offset = 0; offset < kDecodedBytes; offset += kTileBytes)
      std::memcpy(to + offset, tiles.data() + offset, kTileBytes);
    benchmark::ClobberMemory();
    window = (window + kDecodedBytes) % target.size();
  }
  return (bench::ThreadSeconds() - start) / repeats;
}

void DecodePidTiles(benchmark::State& state, PidCoding coding) {
  const auto items = MakeTiles(coding);
  size_t encoded = 0;
  for (const auto& item : items) encoded += item.size();
  CDibG dib;
  double seconds = 0;
  for (auto _ : state) {
    const double start = bench::ThreadSeconds();
    for (const auto& item : items) {
      if (!dib.LoadFromMemory(item, kImageKindPid, nullptr)) state.SkipWithError("decode failed");
      benchmark::DoNotOptimize(dib.Bits());
    }
    seconds += bench::ThreadSeconds() - start;
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kDecodedBytes));
  state.counters["encoded_bytes_per_tile"] = double(encoded) / kTiles;
  // Speed as a share of the out-of-cache copy's: goal at least 0.5 for transparent runs.
  static const double memcpySeconds = MemcpyOutOfCacheSeconds(500);
  state.counters["memcpy_out_of_cache_GBps"] = double(kDecodedBytes) / memcpySeconds / 1e9;
  state.counters["x_memcpy_speed"] = memcpySeconds / (seconds / double(state.iterations()));
  if (coding == PidCoding::TransparentRuns) state.counters["goal_at_least"] = 0.5;
}

void BM_DecodePidTiles_TransparentRuns(benchmark::State& state) { DecodePidTiles(state, PidCoding::TransparentRuns); }
void BM_DecodePidTiles_ByteRuns(benchmark::State& state) { DecodePidTiles(state, PidCoding::ByteRuns); }

// The limit: copying the same decoded pixel bytes, tile by tile, into one surface's buffer.
void BM_MemcpyTiles(benchmark::State& state) {
  std::vector<std::vector<uint8_t>> tiles(kTiles, std::vector<uint8_t>(size_t(kTile) * kTile, 7));
  std::vector<uint8_t> target(size_t(kTile) * kTile);
  for (auto _ : state) {
    for (const auto& tile : tiles) {
      std::memcpy(target.data(), tile.data(), tile.size());
      benchmark::DoNotOptimize(target.data());
      benchmark::ClobberMemory();
    }
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * kTiles * kTile * kTile);
}

}  // namespace

BENCHMARK(BM_DecodePidTiles_TransparentRuns);
BENCHMARK(BM_DecodePidTiles_ByteRuns);
BENCHMARK(BM_MemcpyTiles);
BENCHMARK_MAIN();
