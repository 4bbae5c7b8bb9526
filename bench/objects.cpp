// How object work scales from 10,000 to 160,000 objects: loading a world (goal: at most 20 times
// the 10,000-object load, under 0.5 s), the object-mode render of a 1920 × 1080 view beside the
// tile-only render of the same view (goal: at most 1.3 times at both counts) and a click's hit
// test (goal: under 50 µs at 160,000). Each prints its figure beside its limit.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/world.h"
#include "world/world_file.h"
#include "world/world_host.h"

namespace vyr {
namespace {

using bench::ThreadSeconds;

constexpr int32_t kViewWidth = 1920;
constexpr int32_t kViewHeight = 1080;
constexpr int32_t kTile = 64;
constexpr int32_t kSpacing = 128;  // one object per 128 × 128 pixels: about 130 in the view
constexpr int kSpriteSets = 8;

// Tiles: 16 transparent 64 × 64 discs. Sprites: sets "OBJ_0" … "OBJ_7" of four 48 × 48 blobs.
struct Art {
  CPalId palette;
  CImageSetTable sets;

  Art() {
    palette.BuildDefault();
    CImageSet* tiles = sets.FindOrCreate("TILES");
    for (int n = 0; n < 16; ++n) tiles->PutImage(n, Image(kTile, [n](int32_t u, int32_t v) {
      const int32_t du = u - 32, dv = v - 32;
      return du * du + dv * dv < (20 + n) * (20 + n) ? uint8_t(1 + (n * 17 + u + v) % 250) : uint8_t(0);
    }));
    for (int s = 0; s < kSpriteSets; ++s) {
      CImageSet* set = sets.FindOrCreate("OBJ_" + std::to_string(s));
      for (int n = 0; n < 4; ++n) {
        auto image = Image(48, [n](int32_t u, int32_t v) {
          const int32_t du = u - 20 - n, dv = v - 24;
          return du * du + dv * dv < 400 ? uint8_t(20 + (u * 3 + v) % 40) : uint8_t(0);
        });
        image->m_offsetX = n;
        set->PutImage(n, std::move(image));
      }
    }
  }

  template <typename Pixel>
  std::unique_ptr<CImage> Image(int32_t size, Pixel pixel) {
    auto image = std::make_unique<CImage>();
    image->Surface().Create(size, size, &palette);
    for (int32_t v = 0; v < size; ++v)
      for (int32_t u = 0; u < size; ++u) image->Surface().SetPixel(u, v, pixel(u, v));
    image->m_width = size;
    image->m_height = size;
    image->m_transparent = true;
    return image;
  }
};

Art& SharedArt() {
  static Art* art = new Art;
  return *art;
}

// A square of side × side objects, one per kSpacing pixels, z values with many repeats and
// not in order (so that loading re-sorts), sprites from every set.
void AddObjects(CPlane& plane, int32_t side, const CImageSetTable* sets) {
  uint32_t seed = 2024;
  for (int32_t i = 0; i < side * side; ++i) {
    seed = seed * 1103515245u + 12345u;
    CGameObject* object = plane.NewObject(0);
    object->MoveTo(40 + (i % side) * kSpacing, 40 + (i / side) * kSpacing);
    object->SetZ(int32_t(seed >> 16) % 50);
    object->m_id = i;
    object->m_logic = i % 3 ? "Enemy" : "Coin";
    object->m_imageSet = "OBJ_" + std::to_string(i % kSpriteSets);
    object->m_imageIndex = i % 5 - 1;
    object->m_drawFlags = i % 2 ? kDrawMirror : 0;
    object->UpdateBounds(sets);
  }
}

// --- loading

class ArtHost : public IWorldHost {
 public:
  WorldProperties& Properties() override { return m_properties; }
  int ResolveResources() override { return 1; }
  const CImageSetTable* ImageSets() const override { return &SharedArt().sets; }
  WorldProperties m_properties;
};

std::vector<uint8_t> WorldImage(int32_t side) {
  CWorld world;
  world.SetViewRect(CRect{0, 0, kViewWidth - 1, kViewHeight - 1});
  CPlane* plane = world.AddPlane("Action", 64, 64, kTile, kTile);
  plane->m_flags = kPlaneFlagObjects;
  world.SetObjectPlane(0);
  AddObjects(*plane, side, nullptr);
  WorldProperties properties;
  properties.name = "Objects";
  std::vector<uint8_t> image;
  BuildWorldFileImage(world, properties, image);
  return image;
}

double LoadSeconds(const std::vector<uint8_t>& image) {
  ArtHost host;
  auto world = std::make_unique<CWorld>();
  world->SetViewRect(CRect{0, 0, kViewWidth - 1, kViewHeight - 1});
  const double start = ThreadSeconds();
  if (!world->LoadFromBuffer(host, image)) return -1;
  const double seconds = ThreadSeconds() - start;
  return seconds;
}

// Both sizes in each iteration, so that both see the same machine load.
void BM_LoadObjects(benchmark::State& state) {
  const std::vector<uint8_t> small = WorldImage(100), large = WorldImage(400);
  double smallSeconds = 0, largeSeconds = 0;
  for (auto _ : state) {
    const double s = LoadSeconds(small), l = LoadSeconds(large);
    if (s < 0 || l < 0) state.SkipWithError("load failed");
    smallSeconds += s;
    largeSeconds += l;
  }
  const double iterations = double(state.iterations());
  state.counters["load_10k_ms"] = smallSeconds / iterations * 1e3;
  state.counters["load_160k_ms"] = largeSeconds / iterations * 1e3;
  state.counters["limit_160k_ms"] = 500;
  state.counters["x_10k_load"] = largeSeconds / smallSeconds;
  state.counters["limit_x"] = 20;
}

// --- rendering and hit tests

struct ObjectScene {
  Art& art = SharedArt();
  CPlane plane;
  CDibG surface;

  explicit ObjectScene(int32_t side) {
    const int32_t cells = side * kSpacing / kTile + 1;
    plane.Create(cells, cells, kTile, kTile, {0, 0, kViewWidth - 1, kViewHeight - 1});
    plane.AddImageSet(&art.sets, 0, "TILES");
    int32_t i = 0;
    for (int32_t& cell : plane.LoadingTiles()) cell = MakeTile(0, uint32_t(i++ % 16));
    AddObjects(plane, side, &art.sets);
    plane.SortObjects();
    // Mid-plane, with partial first row and column.
    plane.m_viewOriginX = (side * kSpacing - kViewWidth) / 2 + 100;
    plane.m_viewOriginY = (side * kSpacing - kViewHeight) / 2 + 37;
    plane.UpdateVisible();
    surface.Create(kViewWidth, kViewHeight, &art.palette);
  }
  void RenderTiles() {
    surface.Fill(255);
    plane.Draw(surface);
  }
  void DrawObjects() { plane.DrawObjects(surface, &art.sets, plane.m_viewOriginX, plane.m_viewOriginY); }
};

// The tile-only and the object-mode render alternate, so that both see the same machine load.
void BM_RenderObjectMode(benchmark::State& state) {
  ObjectScene scene(int32_t(state.range(0)));
  double tileSeconds = 0, objectSeconds = 0, drawSeconds = 0;
  for (auto _ : state) {
    const double start = ThreadSeconds();
    scene.RenderTiles();
    benchmark::ClobberMemory();
    const double middle = ThreadSeconds();
    scene.RenderTiles();
    const double tilesDrawn = ThreadSeconds();
    scene.DrawObjects();
    benchmark::DoNotOptimize(scene.surface.Bits());
    benchmark::ClobberMemory();
    const double end = ThreadSeconds();
    tileSeconds += middle - start;
    objectSeconds += end - middle;
    drawSeconds += end - tilesDrawn;
  }
  const double iterations = double(state.iterations());
  state.counters["objects"] = double(scene.plane.ObjectCount());
  state.counters["render_us"] = objectSeconds / iterations * 1e6;
  state.counters["draw_objects_us"] = drawSeconds / iterations * 1e6;
  state.counters["tile_render_us"] = tileSeconds / iterations * 1e6;
  state.counters["x_tile_render"] = objectSeconds / tileSeconds;
  state.counters["limit_x"] = 1.3;
}

void BM_HitTestObjects(benchmark::State& state) {
  const int32_t side = int32_t(state.range(0));
  ObjectScene scene(side);
  int32_t click = 0;
  const double start = ThreadSeconds();
  for (auto _ : state) {
    const int32_t x = (click * 7919) % (side * kSpacing);
    const int32_t y = (click * 104729) % (side * kSpacing);
    ++click;
    benchmark::DoNotOptimize(scene.plane.HitTest(x, y));
  }
  state.counters["objects"] = double(scene.plane.ObjectCount());
  state.counters["hit_us"] = (ThreadSeconds() - start) / double(state.iterations()) * 1e6;
  state.counters["limit_us"] = 50;
}

BENCHMARK(BM_LoadObjects)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderObjectMode)->ArgName("side")->Arg(100)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HitTestObjects)->ArgName("side")->Arg(400)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vyr

BENCHMARK_MAIN();
