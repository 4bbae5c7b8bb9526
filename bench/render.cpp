// Rendering a 1920 × 1080 view of 64 × 64 tiles (fill 255 + CPlane::Draw), and one tile edit as the editor
// makes it (undo entry, cell write, re-render), each beside a memcpy of the same surface; the same view
// in object mode over 10,000 objects, and a click's hit test among them.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstring>
#include <memory>
#include <vector>

#include "bench_clock.h"
#include "bench_tiles.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/undo_stack.h"

namespace vyr {
namespace {

constexpr int32_t kViewWidth = 1920;
constexpr int32_t kViewHeight = 1080;
constexpr int32_t kTile = 64;
constexpr int kImages = 16;

enum class TileKind { Opaque, Transparent };

struct RenderScene {
  CPalId palette;
  CImageSetTable sets;
  CPlane plane;
  CDibG surface;

  RenderScene(TileKind kind, int32_t columns, int32_t rows) {
    palette.BuildDefault();
    bench::AddTiles(*sets.FindOrCreate("TILES"), palette, kImages, kTile, kind == TileKind::Transparent);
    plane.Create(columns, rows, kTile, kTile, {0, 0, kViewWidth - 1, kViewHeight - 1});
    plane.AddImageSet(&sets, 0, "TILES");
    int32_t i = 0;
    for (int32_t& cell : plane.LoadingTiles()) cell = MakeTile(0, uint32_t(i++ % kImages));
    // Partial first row and column, as at most scroll positions.
    plane.m_viewOriginX = 100;
    plane.m_viewOriginY = 37;
    plane.UpdateVisible();
    surface.Create(kViewWidth, kViewHeight, &palette);
  }

  void Render() {
    surface.Fill(255);
    plane.Draw(surface);
  }
};

using bench::MemcpySeconds;
using bench::ThreadSeconds;

void RunRender(benchmark::State& state, TileKind kind, int32_t columns, int32_t rows) {
  RenderScene scene(kind, columns, rows);
  const double memcpySeconds = MemcpySeconds(scene.surface.ImageSize(), 200);
  const double start = ThreadSeconds();
  for (auto _ : state) {
    scene.Render();
    benchmark::DoNotOptimize(scene.surface.Bits());
    benchmark::ClobberMemory();
  }
  const double renderSeconds = (ThreadSeconds() - start) / double(state.iterations());
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(scene.surface.ImageSize()));
  // Render time over memcpy time of the same bytes: "the render costs so many memcpys".
  state.counters["x_memcpy"] = renderSeconds / memcpySeconds;
  state.counters["memcpy_us"] = memcpySeconds * 1e6;
}

void BM_RenderOpaque(benchmark::State& state) { RunRender(state, TileKind::Opaque, 200, 200); }
void BM_RenderTransparent(benchmark::State& state) { RunRender(state, TileKind::Transparent, 200, 200); }
// A plane of 4096 × 4096 cells: the same view costs the same, only visible cells are visited.
void BM_RenderOpaqueHugePlane(benchmark::State& state) { RunRender(state, TileKind::Opaque, 4096, 4096); }

// SetTile as the document does it: an unchanged value costs nothing, otherwise an undo
// entry is pushed, the cell written and the whole view re-rendered. Goal: 2 ms per edit.
void BM_TileEdit(benchmark::State& state) {
  RenderScene scene(TileKind::Transparent, 200, 200);
  CUndoStack undo;
  undo.SetLimit(1000);
  ChangeCounter changes;
  const double memcpySeconds = MemcpySeconds(scene.surface.ImageSize(), 200);
  int32_t edit = 0;
  const double start = ThreadSeconds();
  for (auto _ : state) {
    // Cells inside the visible part of the view, each getting the next image.
    const int32_t column = 2 + edit % 28, row = 1 + (edit / 28) % 15;
    ++edit;
    const int32_t old = scene.plane.GetTile(column, row);
    const int32_t value = MakeTile(0, (TileImageNumber(old) + 1) % kImages);
    if (old == value) continue;
    undo.PushUndo(std::make_unique<CTileUndoEntry>(0, column, row, old, value, UndoViewState{100, 37, column, row},
                                                   true, changes.Value()));
    scene.plane.SetTile(column, row, value);
    scene.Render();
    benchmark::DoNotOptimize(scene.surface.Bits());
    benchmark::ClobberMemory();
  }
  const double editSeconds = (ThreadSeconds() - start) / double(state.iterations());
  state.counters["edit_us"] = editSeconds * 1e6;
  state.counters["memcpy_us"] = memcpySeconds * 1e6;
  state.counters["x_memcpy"] = editSeconds / memcpySeconds;
  state.counters["x_goal_2ms"] = editSeconds / 2e-3;
}

constexpr int32_t kObjectSpacing = 128;  // a 100 x 100 grid of objects: about 120 in the view
constexpr int32_t kObjectsPerRow = 100;

// The transparent-tile scene with 10,000 objects of 48 × 48 sprite images over the plane.
struct ObjectScene : RenderScene {
  ObjectScene() : RenderScene(TileKind::Transparent, 200, 200) {
    CImageSet* set = sets.FindOrCreate("OBJ");
    for (int n = 0; n < 4; ++n) {
      auto image = std::make_unique<CImage>();
      image->Surface().Create(48, 48, &palette);
      for (int32_t v = 0; v < 48; ++v)
        for (int32_t u = 0; u < 48; ++u) {
          // A sprite: a lopsided blob of colour on index 0.
          const int32_t du = u - 20 - n, dv = v - 24;
          image->Surface().SetPixel(u, v, du * du + dv * dv < 400 ? uint8_t(20 + (u * 3 + v) % 40) : 0);
        }
      image->m_width = 48;
      image->m_height = 48;
      image->m_offsetX = n;
      image->m_transparent = true;
      set->PutImage(n, std::move(image));
    }
    for (int32_t i = 0; i < kObjectsPerRow * kObjectsPerRow; ++i) {
      CGameObject* object = plane.NewObject(0);
      object->MoveTo(40 + (i % kObjectsPerRow) * kObjectSpacing, 40 + (i / kObjectsPerRow) * kObjectSpacing);
      object->m_imageSet = "OBJ";
      object->m_imageIndex = i % 5 - 1;
      object->m_drawFlags = i % 2 ? kDrawMirror : 0;
      object->UpdateBounds(&sets);
    }
  }
  void RenderObjects() {
    Render();
    plane.DrawObjects(surface, &sets, plane.m_viewOriginX, plane.m_viewOriginY);
  }
};

// Goal: at most twice the tile-only render of the same view. The two alternate, so that
// both see the same machine load.
void BM_RenderObjectMode(benchmark::State& state) {
  ObjectScene scene;
  double tileSeconds = 0, objectSeconds = 0;
  for (auto _ : state) {
    const double start = ThreadSeconds();
    scene.Render();
    benchmark::ClobberMemory();
    const double middle = ThreadSeconds();
    scene.RenderObjects();
    benchmark::DoNotOptimize(scene.surface.Bits());
    benchmark::ClobberMemory();
    tileSeconds += middle - start;
    objectSeconds += ThreadSeconds() - middle;
  }
  const double iterations = double(state.iterations());
  state.counters["render_us"] = objectSeconds / iterations * 1e6;
  state.counters["tile_render_us"] = tileSeconds / iterations * 1e6;
  state.counters["x_tile_render"] = objectSeconds / tileSeconds;
  state.counters["x_goal_2x"] = objectSeconds / tileSeconds / 2;
}

// A click among 10,000 objects. Goal: 100 µs.
void BM_HitTestObjects(benchmark::State& state) {
  ObjectScene scene;
  int32_t click = 0;
  const double start = ThreadSeconds();
  for (auto _ : state) {
    const int32_t x = (click * 7919) % (kObjectsPerRow * kObjectSpacing);
    const int32_t y = (click * 104729) % (kObjectsPerRow * kObjectSpacing);
    ++click;
    benchmark::DoNotOptimize(scene.plane.HitTest(x, y));
  }
  const double seconds = (ThreadSeconds() - start) / double(state.iterations());
  state.counters["hit_us"] = seconds * 1e6;
  state.counters["x_goal_100us"] = seconds / 100e-6;
}

void BM_MemcpySurface(benchmark::State& state) {
  CPalId palette;
  palette.BuildDefault();
  CDibG from, to;
  from.Create(kViewWidth, kViewHeight, &palette);
  to.Create(kViewWidth, kViewHeight, &palette);
  for (auto _ : state) {
    std::memcpy(to.Bits(), from.Bits(), from.ImageSize());
    benchmark::DoNotOptimize(to.Bits());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(from.ImageSize()));
}

BENCHMARK(BM_MemcpySurface)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderOpaque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderTransparent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderOpaqueHugePlane)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TileEdit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderObjectMode)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HitTestObjects)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vyr

BENCHMARK_MAIN();
