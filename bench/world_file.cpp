// World file load and save of three 1000 x 1000 planes with 10,000 objects, beside zlib, libdeflate and memcpy alone.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <unistd.h>
#include <zlib.h>

#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "world/double_attrib.h"
#include "world/single_attrib.h"
#include "world/standalone_world_host.h"
#include "world/world.h"
#include "world/world_file.h"

namespace {

using namespace vyr;

const CRect kView{0, 0, 1279, 719};

struct Fixture {
  CWorld world;
  WorldProperties properties;
  std::vector<uint8_t> plain;   // uncompressed file image
  std::vector<uint8_t> packed;  // compressed file image
};

// Tiles drawn from a few sets in a pattern with runs, like a real level (zlib neither
// finds it trivial nor incompressible); objects spread over the object plane.
Fixture& World() {
  static Fixture* fixture = [] {
    auto* f = new Fixture;
    f->world.SetViewRect(kView);
    uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1103515245u + 12345u; };
    for (int p = 0; p < 3; ++p) {
      CPlane* plane = f->world.AddPlane("Plane" + std::to_string(p), 1000, 1000, 64, 64);
      for (int s = 0; s < 4; ++s) plane->AddImageSet(nullptr, s, "SET_" + std::to_string(p) + "_" + std::to_string(s));
      auto tiles = plane->LoadingTiles();
      for (size_t i = 0; i < tiles.size(); ++i) {
        const uint32_t r = next() >> 16;
        tiles[i] = r % 8 == 0 ? kEmptyTile : (i > 0 && r % 3 == 0 ? tiles[i - 1] : MakeTile(r % 4, (r >> 4) % 300));
      }
    }
    CPlane* objects = f->world.Plane(1);
    objects->m_flags = kPlaneFlagObjects;
    f->world.SetObjectPlane(1);
    for (int i = 0; i < 10000; ++i) {
      CGameObject* o = objects->NewObject(0);
      o->m_id = i + 1;
      o->m_logic = i % 3 ? "Enemy" : "Coin";
      o->m_imageSet = "OBJ_" + std::to_string(i % 20);
      o->m_animation = i % 5 ? "" : "Walk";
      const int32_t x = int32_t(next() % 64000);
      o->MoveTo(x, int32_t(next() % 64000));
      o->SetZ(int32_t(i));
      o->m_hitMask = -1;
    }
    objects->SortObjects();
    for (int i = 0; i < 300; ++i) {
      if (i % 2) {
        f->world.SetAttribute(i, std::make_unique<CSingleAttrib>(64, 64, i % 5));
      } else {
        auto d = std::make_unique<CDoubleAttrib>();
        d->SetSize(64, 64);
        d->m_left = 32;
        d->m_right = 63;
        d->m_bottom = 63;
        f->world.SetAttribute(i, std::move(d));
      }
    }
    f->properties.name = "Benchmark";
    BuildWorldFileImage(f->world, f->properties, f->plain);
    f->properties.flags = kWorldFlagCompressed;
    BuildWorldFileImage(f->world, f->properties, f->packed);
    f->properties.flags = 0;
    return f;
  }();
  return *fixture;
}

WorldProperties Props(bool compressed) {
  WorldProperties p = World().properties;
  p.flags = compressed ? kWorldFlagCompressed : 0;
  return p;
}

// --- save (image building, no disk)

void BM_SaveImage(benchmark::State& state) {
  Fixture& f = World();
  const WorldProperties p = Props(state.range(0) != 0);
  std::vector<uint8_t> image;
  for (auto _ : state) {
    BuildWorldFileImage(f.world, p, image);
    benchmark::DoNotOptimize(image.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.plain.size()));
  state.counters["file_bytes"] = double(image.size());
}
BENCHMARK(BM_SaveImage)->ArgName("compressed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// --- the recovery copy's part on the interface thread: the raw image, before compression
// and the write, which run on a worker thread

void BM_RecoverySnapshot(benchmark::State& state) {
  Fixture& f = World();
  const WorldProperties p = Props(true);
  std::vector<uint8_t> image;
  for (auto _ : state) {
    BuildRawWorldFileImage(f.world, p, image);
    benchmark::DoNotOptimize(image.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.plain.size()));
}
BENCHMARK(BM_RecoverySnapshot)->Unit(benchmark::kMillisecond);

// --- save to disk (image building plus the atomic write and fsync)

void BM_SaveFile(benchmark::State& state) {
  Fixture& f = World();
  StandaloneWorldHost host;
  host.m_properties = Props(state.range(0) != 0);
  const std::string path = "/tmp/vyr_bench_world_" + std::to_string(::getpid()) + ".vwd";
  for (auto _ : state) SaveWorldFile(f.world, host, path, "January 1, 2000");
  ::unlink(path.c_str());
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.plain.size()));
}
BENCHMARK(BM_SaveFile)->ArgName("compressed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// --- load from memory

// zlib's uncompress alone of the compressed image's data block into `out`.
void ZlibUncompress(const Fixture& f, std::vector<uint8_t>& out) {
  uLongf outLength = uLongf(out.size());
  uncompress(out.data(), &outLength, f.packed.data() + world_file::kHeaderSize,
             uLong(f.packed.size() - world_file::kHeaderSize));
  benchmark::DoNotOptimize(out.data());
}

// This thread's CPU time: other programs sharing the machine do not count.
double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The compressed load also times zlib's uncompress of the same stream in the same loop and
// reports the load's CPU time as a multiple of it, beside the goal.
void BM_Load(benchmark::State& state) {
  Fixture& f = World();
  const bool compressed = state.range(0) != 0;
  const std::vector<uint8_t>& image = compressed ? f.packed : f.plain;
  std::vector<uint8_t> inflated(compressed ? f.plain.size() - world_file::kHeaderSize : 0);
  double loading = 0;
  double zlibAlone = 0;
  for (auto _ : state) {
    StandaloneWorldHost host;
    auto world = std::make_unique<CWorld>();
    const double start = CpuSeconds();
    world->SetViewRect(kView);
    if (!world->LoadFromBuffer(host, image)) state.SkipWithError("load failed");
    loading += CpuSeconds() - start;
    state.PauseTiming();
    world.reset();  // destroying the world is not part of loading
    if (compressed) {
      const double zlibStart = CpuSeconds();
      ZlibUncompress(f, inflated);
      zlibAlone += CpuSeconds() - zlibStart;
    }
    state.ResumeTiming();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.plain.size()));
  if (compressed && zlibAlone > 0) {
    state.counters["vs_zlib_uncompress"] = loading / zlibAlone;
    state.counters["goal_at_most"] = 0.45;
  }
}
BENCHMARK(BM_Load)->ArgName("compressed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// --- limits measured in the same run

// memcpy of the uncompressed file image: the limit of the uncompressed save and load.
void BM_LimitMemcpyImage(benchmark::State& state) {
  Fixture& f = World();
  std::vector<uint8_t> copy(f.plain.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), f.plain.data(), f.plain.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.plain.size()));
}
BENCHMARK(BM_LimitMemcpyImage)->Unit(benchmark::kMillisecond);

// zlib compress of the same data block: the limit of the compressed save.
void BM_LimitZlibCompress(benchmark::State& state) {
  Fixture& f = World();
  const size_t length = f.plain.size() - world_file::kHeaderSize;
  std::vector<uint8_t> out(compressBound(uLong(length)));
  for (auto _ : state) {
    uLongf outLength = uLongf(out.size());
    compress(out.data(), &outLength, f.plain.data() + world_file::kHeaderSize, uLong(length));
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.plain.size()));
}
BENCHMARK(BM_LimitZlibCompress)->Unit(benchmark::kMillisecond);

// zlib uncompress of the same stream: the yardstick of the compressed load.
void BM_LimitZlibUncompress(benchmark::State& state) {
  Fixture& f = World();
  const size_t length = f.plain.size() - world_file::kHeaderSize;
  std::vector<uint8_t> out(length);
  for (auto _ : state) ZlibUncompress(f, out);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.plain.size()));
}
BENCHMARK(BM_LimitZlibUncompress)->Unit(benchmark::kMillisecond);

// libdeflate alone on the same stream: the limit of the compressed load.
void BM_LimitLibdeflate(benchmark::State& state) {
  Fixture& f = World();
  std::vector<uint8_t> out(f.plain.size() - world_file::kHeaderSize);
  libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
  for (auto _ : state) {
    size_t produced = 0;
    libdeflate_zlib_decompress(decompressor, f.packed.data() + world_file::kHeaderSize,
                               f.packed.size() - world_file::kHeaderSize, out.data(), out.size(), &produced);
    benchmark::DoNotOptimize(out.data());
  }
  libdeflate_free_decompressor(decompressor);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.plain.size()));
}
BENCHMARK(BM_LimitLibdeflate)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
