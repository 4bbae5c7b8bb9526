// What recording a grid edit for undo costs on a 4096 × 4096 plane: a 3 × 3 block copy and a
// whole-plane fill, recorded beside the same edit unrecorded in the same run, and the memory
// a step keeps beside the bytes the edit changed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "bench_clock.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/world.h"
#include "world/world_change.h"

namespace vyr {
namespace {

using bench::ThreadSeconds;

constexpr int32_t kSize = 4096;

// A painted level: stretches of a few tiles in blocks, sprinkled with others.
struct Level {
  CWorld world;
  WorldProperties properties;
  CPlane* plane;
  std::vector<int32_t> cells;
  Level() {
    world.SetViewRect(CRect{0, 0, 1919, 1079});
    plane = world.AddPlane("Level", kSize, kSize, 64, 64);
    uint32_t seed = 2024;
    cells.resize(size_t(kSize) * kSize);
    for (int32_t r = 0; r < kSize; ++r)
      for (int32_t c = 0; c < kSize; ++c) {
        seed = seed * 1103515245u + 12345u;
        const uint32_t block = uint32_t((c >> 3) * 7919 + (r >> 2) * 104729) * 2654435761u >> 29;
        int32_t value = block < 3 ? MakeTile(0, 53) : block < 5 ? MakeTile(0, 77) : kEmptyTile;
        if ((seed >> 20) % 10 == 0) value = MakeTile(1, (seed >> 8) % 200);
        cells[size_t(r) * kSize + size_t(c)] = value;
      }
    Reset();
  }
  void Reset() { std::copy(cells.begin(), cells.end(), plane->LoadingTiles().begin()); }
  std::unique_ptr<CWorldChange> Begin() {
    return std::make_unique<CWorldChange>(world, properties, ChangeScope::Cells(plane), plane);
  }
  void End(CWorldChange& change) { benchmark::DoNotOptimize(change.Finish(world, properties, plane)); }
};

// Cells that differ from `before`; the memory limits are per byte of these cells' values.
int64_t ChangedCells(const std::vector<int32_t>& before, const CPlane& plane) {
  int64_t changed = 0;
  for (size_t i = 0; i < before.size(); ++i) changed += before[i] != plane.Tiles()[i];
  return changed;
}

void BM_BlockCopy3x3(benchmark::State& state) {
  Level level;
  constexpr int kCopies = 2000;
  // Each copy lands somewhere else, so every one changes cells.
  const auto copy = [&level](int i) {
    BlockCopyTiles(*level.plane, (i * 13) % 4000, (i * 29) % 4000, (i * 37 + 5) % 4000, (i * 53 + 7) % 4000, 3, 3);
  };
  double plain = 0, recorded = 0;
  size_t bytes[2] = {0, 0};
  int64_t changed[2] = {0, 0};
  for (auto _ : state) {
    level.Reset();
    double start = ThreadSeconds();
    for (int i = 0; i < kCopies; ++i) copy(i);
    plain = (ThreadSeconds() - start) / kCopies;

    level.Reset();
    std::vector<std::unique_ptr<CWorldChange>> steps;
    steps.reserve(kCopies);
    start = ThreadSeconds();
    for (int i = 0; i < kCopies; ++i) {
      steps.push_back(level.Begin());
      copy(i);
      level.End(*steps.back());
    }
    recorded = (ThreadSeconds() - start) / kCopies;
    // Memory of one step beside the bytes of the cells it changed, for this copy and a 64 × 64 one.
    for (const int32_t side : {3, 64}) {
      level.Reset();
      auto step = level.Begin();
      BlockCopyTiles(*level.plane, 100, 100, 1000, 2000, side, side);
      level.End(*step);
      bytes[side == 64] = step->Bytes();
      changed[side == 64] = ChangedCells(level.cells, *level.plane);
    }
  }
  state.counters["recorded_us"] = recorded * 1e6;
  state.counters["limit_us"] = 1000;
  state.counters["x_unrecorded"] = recorded / plain;
  state.counters["limit_x"] = 2;
  state.counters["step_bytes"] = double(bytes[0]);
  state.counters["x_changed_bytes"] = double(bytes[0]) / double(changed[0] * 4);
  state.counters["x_changed_bytes_64x64"] = double(bytes[1]) / double(changed[1] * 4);
  state.counters["limit_bytes_x"] = 2;
}

void BM_FillWholePlane(benchmark::State& state) {
  Level level;
  constexpr int kFills = 3;
  double plain = 0, recorded = 0;
  size_t bytes = 0;
  int64_t changed = 0;
  for (auto _ : state) {
    plain = recorded = 0;
    for (int i = 0; i < kFills; ++i) {
      level.Reset();
      double start = ThreadSeconds();
      FillPlane(*level.plane, MakeTile(0, 53));
      plain += ThreadSeconds() - start;

      level.Reset();
      start = ThreadSeconds();
      auto step = level.Begin();
      FillPlane(*level.plane, MakeTile(0, 53));
      level.End(*step);
      recorded += ThreadSeconds() - start;
      bytes = step->Bytes();
    }
    level.Reset();
    changed = std::count_if(level.cells.begin(), level.cells.end(), [](int32_t v) { return v != MakeTile(0, 53); });
  }
  state.counters["plain_ms"] = plain / kFills * 1e3;
  state.counters["recorded_ms"] = recorded / kFills * 1e3;
  state.counters["x_unrecorded"] = recorded / plain;
  state.counters["limit_x"] = 2;
  state.counters["step_bytes"] = double(bytes);
  state.counters["x_changed_bytes"] = double(bytes) / double(changed * 4);
  state.counters["limit_bytes_x"] = 2;
}

BENCHMARK(BM_BlockCopy3x3)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FillWholePlane)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace vyr

BENCHMARK_MAIN();
