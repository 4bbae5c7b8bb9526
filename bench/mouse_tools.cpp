// The mouse tools on a 4096 × 4096 plane: a 1,000-cell stroke recorded for undo and drawn,
// beside the same writes bare; bucket fill beside a plain fill; a one-cell stroke with live
// repair; an object drag step among 10,000 objects (hit test, move, record).
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_clock.h"
#include "resources/dib.h"
#include "resources/palette.h"
#include "world/bucket_fill.h"
#include "world/cell_line.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/tile_repair.h"
#include "world/world.h"
#include "world/world_change.h"

namespace vyr {
namespace {

using bench::ThreadSeconds;

constexpr int32_t kSize = 4096;

struct Level {
  CWorld world;
  WorldProperties properties;
  CPlane* plane;
  Level() {
    world.SetViewRect(CRect{0, 0, 1919, 1079});
    plane = world.AddPlane("Level", kSize, kSize, 64, 64);
    uint32_t seed = 7;
    auto tiles = plane->LoadingTiles();
    for (int32_t& cell : tiles) {
      seed = seed * 1103515245u + 12345u;
      cell = (seed >> 20) % 3 == 0 ? 53 : kEmptyTile;
    }
  }
};

// A stroke of 1,000 cells: 500 right and 499 down, drawn as one mouse move.
void Stroke(CPlane& plane, int32_t value) {
  ForCellsOnLine(100, 100, 600, 599, [&](int32_t c, int32_t r) { plane.SetTile(c, r, value); });
}

void BM_Stroke1000Cells(benchmark::State& state) {
  Level level;
  CDibG surface;
  surface.Create(1920, 1080, nullptr);
  double plain = 0, recorded = 0, drawn = 0;
  constexpr int kRounds = 50;
  level.plane->m_viewOriginX = 100 * 64;
  level.plane->m_viewOriginY = 100 * 64;
  level.plane->UpdateVisible();
  for (auto _ : state) {
    for (int i = 0; i < kRounds; ++i) {
      double start = ThreadSeconds();
      Stroke(*level.plane, MakeTile(0, 5 + i % 2));
      plain += ThreadSeconds() - start;
      start = ThreadSeconds();
      CWorldChange change(level.world, level.properties, ChangeScope::Cells(level.plane), level.plane);
      Stroke(*level.plane, MakeTile(0, 7 + i % 2));
      benchmark::DoNotOptimize(change.Finish(level.world, level.properties, level.plane));
      recorded += ThreadSeconds() - start;
      // What the view redraws: its whole window over the stroke.
      start = ThreadSeconds();
      level.plane->Draw(surface);
      drawn += ThreadSeconds() - start;
    }
  }
  state.counters["recorded_drawn_ms"] = (recorded + drawn) / kRounds * 1e3;
  state.counters["limit_ms"] = 10;
  // Recording against the bare writes; the window's redraw costs the same whatever the edit.
  state.counters["x_bare_writes_recorded"] = recorded / plain;
  state.counters["limit_x"] = 3;
}

void BM_BucketFillWholePlane(benchmark::State& state) {
  Level level;
  double plain = 0, bucket = 0;
  for (auto _ : state) {
    // One region of the whole plane: all empty first.
    FillPlane(*level.plane, kEmptyTile);
    double start = ThreadSeconds();
    FillPlane(*level.plane, 53);
    plain += ThreadSeconds() - start;
    FillPlane(*level.plane, kEmptyTile);
    start = ThreadSeconds();
    benchmark::DoNotOptimize(BucketFill(*level.plane, 10, 10, 53));
    bucket += ThreadSeconds() - start;
  }
  state.counters["bucket_ms"] = bucket / double(state.iterations()) * 1e3;
  state.counters["x_plain_fill"] = bucket / plain;
  state.counters["limit_x"] = 3;
}

void BM_OneCellStrokeWithLiveRepair(benchmark::State& state) {
  Level level;
  RepairTiles(*level.plane);
  constexpr int kRounds = 2000;
  double total = 0;
  for (auto _ : state) {
    for (int i = 0; i < kRounds; ++i) {
      const int32_t c = (i * 37) % kSize, r = (i * 91) % kSize;
      const double start = ThreadSeconds();
      CWorldChange change(level.world, level.properties, ChangeScope::Cells(level.plane), level.plane);
      level.plane->SetTile(c, r, i % 2 ? 53 : kEmptyTile);
      RepairTilesIn(*level.plane, {c, r, c, r});
      benchmark::DoNotOptimize(change.Finish(level.world, level.properties, level.plane));
      total += ThreadSeconds() - start;
    }
  }
  state.counters["stroke_us"] = total / kRounds * 1e6;
  state.counters["limit_us"] = 1000;
}

void BM_ObjectDragStep(benchmark::State& state) {
  CWorld world;
  WorldProperties properties;
  world.SetViewRect(CRect{0, 0, 1919, 1079});
  CPlane* plane = world.AddPlane("Action", 512, 512, 64, 64);
  for (int i = 0; i < 10000; ++i) {
    CGameObject* object = plane->NewObject(0);
    object->MoveTo((i * 7919) % 32000, (i * 104729) % 32000);
    object->SetZ(i % 50);
    object->UpdateBounds(nullptr);
  }
  plane->SortObjects();
  CGameObject* dragged = plane->HitTest(plane->FirstObject()->m_x, plane->FirstObject()->m_y);
  constexpr int kMoves = 500;
  double total = 0;
  for (auto _ : state) {
    for (int i = 0; i < kMoves; ++i) {
      const double start = ThreadSeconds();
      benchmark::DoNotOptimize(plane->HitTest(dragged->m_x, dragged->m_y));
      CWorldChange change(world, properties, ChangeScope::Objects(plane), plane);
      dragged->MoveTo(dragged->m_x + 1, dragged->m_y);
      dragged->UpdateBounds(nullptr);
      benchmark::DoNotOptimize(change.Finish(world, properties, plane));
      total += ThreadSeconds() - start;
    }
  }
  state.counters["move_us"] = total / kMoves / double(state.iterations()) * 1e6;
  state.counters["limit_us"] = 1000;
}

}  // namespace

BENCHMARK(BM_Stroke1000Cells)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BucketFillWholePlane)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OneCellStrokeWithLiveRepair)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ObjectDragStep)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace vyr

BENCHMARK_MAIN();
