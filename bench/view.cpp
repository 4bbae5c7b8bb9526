// The view at every zoom on a 1920 × 1080 window over three planes of 64 × 64 tiles: a repaint (render and
// palette-to-RGB) at 25 % and 12.5 % with all planes beside one at 100 % without them; a one-cell edit with
// its partial repaint beside a full one; the reduced images kept beside the image sets at 1:1; the minimap
// of a 4096 × 4096 plane beside a memcpy of its grid, and one cell's update.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "bench_clock.h"
#include "bench_tiles.h"
#include "commands/minimap.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "world/plane.h"
#include "world/plane_stack_draw.h"
#include "world/world.h"

namespace vyr {
namespace {

using bench::MemcpySeconds;
using bench::ThreadSeconds;

constexpr int32_t kWindowWidth = 1920;
constexpr int32_t kWindowHeight = 1080;
constexpr int32_t kTile = 64;
constexpr int kImages = 16;

// Back (opaque, half speed), current and front (transparent discs on index 0).
struct ViewBenchScene {
  CPalId palette;
  CImageSetTable sets;
  CWorld world;
  CPlane* current = nullptr;
  size_t imageBytes = 0;

  ViewBenchScene() {
    palette.BuildDefault();
    for (const char* name : {"OPAQUE", "DISCS"}) {
      const bool discs = name[0] == 'D';
      imageBytes += bench::AddTiles(*sets.FindOrCreate(name), palette, kImages, kTile, discs);
    }
    world.SetViewRect(CRect{0, 0, kWindowWidth - 1, kWindowHeight - 1});
    const struct {
      const char* name;
      const char* set;
      int32_t z, movement;
    } planes[] = {{"Back", "OPAQUE", 0, 50}, {"Current", "DISCS", 100, 100}, {"Front", "DISCS", 200, 150}};
    for (const auto& p : planes) {
      CPlane* plane = world.AddPlane(p.name, 200, 200, kTile, kTile);
      plane->AddImageSet(&sets, 0, p.set);
      plane->m_z = p.z;
      plane->m_movementX = plane->m_movementY = p.movement;
      int32_t i = 0;
      // The front plane holds a tile in every fifth cell only.
      for (int32_t& cell : plane->LoadingTiles())
        cell = p.z == 200 && i % 5 != 0 ? (++i, kEmptyTile) : MakeTile(0, uint32_t(i++ % kImages));
      if (p.z == 100) current = plane;
    }
  }
};

// One repaint: render into the surface, then every pixel through the palette (blended where
// dimmed) into the window's RGB picture.
struct Repaint {
  ViewBenchScene& scene;
  int32_t divisor;
  bool allPlanes;
  CDibG surface;
  ViewDrawState state;
  std::vector<uint32_t> rgb;
  std::array<uint32_t, 256> plain, dimmed;
  int32_t scrollX = 4000, scrollY = 3000;

  Repaint(ViewBenchScene& s, int32_t d, bool all) : scene(s), divisor(d), allPlanes(all) {
    // Reduced, the surface is the window; at 1:1 it is the view.
    surface.Create(kWindowWidth, kWindowHeight, &scene.palette);
    state.divisor = d;
    rgb.resize(size_t(kWindowWidth) * kWindowHeight);
    plain = PaletteColours(scene.palette);
    dimmed = BlendedColours(scene.palette, 255);
    scene.current->m_viewOriginX = scrollX;
    scene.current->m_viewOriginY = scrollY;
    scene.current->UpdateVisible();
  }

  void Run(const CRect* area = nullptr) {
    RenderViewScene(ViewScene{&scene.world, scene.current, &scene.sets, scrollX, scrollY, allPlanes, false}, surface,
                    state, area);
    const CRect whole{0, 0, kWindowWidth, kWindowHeight};
    const CRect& a = area ? *area : whole;
    const uint8_t* mask = state.mask.empty() ? nullptr : state.mask.data() + a.top * kWindowWidth + a.left;
    BlendToRgb(surface.RowPtr(a.top) + a.left, surface.Pitch(), mask, a.Width(), a.Height(), plain, dimmed,
               rgb.data() + a.top * kWindowWidth + a.left, kWindowWidth);
    benchmark::DoNotOptimize(rgb.data());
    benchmark::ClobberMemory();
  }
};

double SecondsPer(Repaint& repaint, int repeats) {
  repaint.Run();  // the reduced images are made once
  const double start = ThreadSeconds();
  for (int i = 0; i < repeats; ++i) repaint.Run();
  return (ThreadSeconds() - start) / repeats;
}

// Goal: a repaint at 25 % (and at 12.5 %) with all planes costs at most 1.5 × one at 100 % without.
void BM_RepaintReducedAllPlanes(benchmark::State& state) {
  ViewBenchScene scene;
  Repaint full(scene, 1, false);
  const double baseline = SecondsPer(full, 20);
  Repaint reduced(scene, int32_t(state.range(0)), true);
  reduced.Run();
  const double start = ThreadSeconds();
  for (auto _ : state) reduced.Run();
  const double seconds = (ThreadSeconds() - start) / double(state.iterations());
  state.counters["repaint_us"] = seconds * 1e6;
  state.counters["at100_us"] = baseline * 1e6;
  state.counters["x_at100"] = seconds / baseline;
  state.counters["limit"] = 1.5;
  // The reduced images kept, beside the image sets at 1:1 (limit 1).
  state.counters["cache_x_images"] = double(reduced.state.images.Bytes()) / double(scene.imageBytes);
}
BENCHMARK(BM_RepaintReducedAllPlanes)->Arg(4)->Arg(8);

// Goal: a one-cell edit repaints in under 1 ms: SetTile, then just its cell rendered and turned to RGB.
void BM_OneCellEdit(benchmark::State& state) {
  ViewBenchScene scene;
  Repaint repaint(scene, 1, state.range(0) != 0);
  const double fullSeconds = SecondsPer(repaint, 20);
  int32_t edit = 0;
  const double start = ThreadSeconds();
  for (auto _ : state) {
    const int32_t column = 70 + edit % 20, row = 50 + (edit / 20) % 10;
    ++edit;
    scene.current->SetTile(column, row, MakeTile(0, uint32_t(edit % kImages)));
    const CRect area{column * kTile - repaint.scrollX, row * kTile - repaint.scrollY,
                     (column + 1) * kTile - repaint.scrollX, (row + 1) * kTile - repaint.scrollY};
    repaint.Run(&area);
  }
  const double seconds = (ThreadSeconds() - start) / double(state.iterations());
  state.counters["edit_us"] = seconds * 1e6;
  state.counters["full_us"] = fullSeconds * 1e6;
  state.counters["x_full"] = seconds / fullSeconds;
  state.counters["x_goal_1ms"] = seconds / 1e-3;
}
BENCHMARK(BM_OneCellEdit)->Arg(0)->Arg(1);

// Goal: the minimap of a 4096 × 4096 plane builds in at most 2 memcpys of its grid, and a
// cell's update takes under 50 µs. Neighbouring cells all differ: no run of equal values helps.
void BM_MinimapBuild(benchmark::State& state) {
  ViewBenchScene scene;
  CPlane plane;
  plane.Create(4096, 4096, kTile, kTile, {0, 0, kWindowWidth - 1, kWindowHeight - 1});
  plane.AddImageSet(&scene.sets, 0, "OPAQUE");
  int32_t i = 0;
  for (int32_t& cell : plane.LoadingTiles()) cell = MakeTile(0, uint32_t((i++ * 7) % kImages));
  const double memcpySeconds = MemcpySeconds(size_t(4096) * 4096 * sizeof(int32_t), 5);
  CMinimap minimap;
  const double start = ThreadSeconds();
  for (auto _ : state) minimap.Build(plane, scene.palette, 256, 256);
  const double seconds = (ThreadSeconds() - start) / double(state.iterations());
  const double updateStart = ThreadSeconds();
  constexpr int kUpdates = 2000;
  for (int n = 0; n < kUpdates; ++n) {
    const int32_t column = (n * 37) % 4096, row = (n * 91) % 4096;
    plane.SetTile(column, row, MakeTile(0, uint32_t(n % kImages)));
    minimap.UpdateCells(plane, scene.palette, {column, row, column, row});
  }
  const double updateSeconds = (ThreadSeconds() - updateStart) / kUpdates;
  state.counters["build_ms"] = seconds * 1e3;
  state.counters["x_memcpy"] = seconds / memcpySeconds;
  state.counters["limit"] = 2;
  state.counters["update_us"] = updateSeconds * 1e6;
  state.counters["update_limit_us"] = 50;
}
BENCHMARK(BM_MinimapBuild)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace vyr

BENCHMARK_MAIN();
