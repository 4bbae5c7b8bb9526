// The map snapshot of a 1000 × 1000 plane of 64-px tiles at 12.5 % and of a 4096 × 4096-pixel crop at 100 %:
// loading the world, drawing and writing the BMP beside a memcpy of the output, the same bytes written into
// fresh memory and a plain write + fsync of them; the PNG snapshot beside the BMP one; and the peak memory of
// `vyrworld-tool snapshot` against its output and a load of the same world.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "platform/large_buffer.h"
#include "platform/profile.h"
#include "platform/scripted_interaction.h"
#include "resources/image_formats.h"
#include "resources/rez_mgr.h"
#include "resources/rez_names.h"
#include "world/map_snapshot.h"
#include "world/plane.h"
#include "world/standalone_world_host.h"
#include "world/world.h"
#include "world/world_doc.h"
#include "world/world_file.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kTile = 64;
constexpr int kImages = 16;

// An archive of 16 opaque 64 × 64 tiles and a world with one plane of them, in a folder
// that lives as long as the program.
std::string MakeWorld(int32_t columns, int32_t rows) {
  const fs::path folder = fs::temp_directory_path() / ("vyr_bench_snapshot_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::string archive = (folder / "tiles.rez").string();
  if (!fs::exists(archive)) {
    CRezMgr mgr;
    mgr.CreateArchive(archive);
    CRezDir* tiles = mgr.GetRootDir()->CreateDir("IMAGES")->CreateDir("TILES");
    uint32_t code = 0;
    TypeCodeFromExtension("PID", code);
    for (int n = 0; n < kImages; ++n) {
      std::vector<uint8_t> pixels(kTile * kTile);
      for (int32_t i = 0; i < kTile * kTile; ++i) pixels[size_t(i)] = uint8_t(1 + (n * 17 + i % kTile + i / kTile) % 250);
      PidEncodeOptions options;
      options.coding = PidCoding::ByteRuns;
      const std::vector<uint8_t> pid = EncodePid(pixels.data(), kTile, kTile, kTile, options);
      CRezItem* item = tiles->CreateItem(uint32_t(n), std::to_string(n), code);
      std::span<uint8_t> data = item->NewData(uint32_t(pid.size()));
      std::memcpy(data.data(), pid.data(), pid.size());
      item->WriteData();
      item->ReleaseData();
    }
    mgr.CloseArchive();
  }
  const std::string path = (folder / ("w" + std::to_string(columns) + ".vwd")).string();
  if (fs::exists(path)) return path;
  StandaloneWorldHost host;
  host.m_properties.archivePath = archive;
  host.m_properties.imageDir = "IMAGES";
  CWorld world;
  world.SetViewRect(CRect{0, 0, 639, 479});
  CPlane* plane = world.AddPlane("Big", columns, rows, kTile, kTile);
  plane->AddImageSet(nullptr, 0, "TILES");
  int32_t i = 0;
  for (int32_t& cell : plane->LoadingTiles()) cell = MakeTile(0, uint32_t((i++ * 7 / 3) % kImages));
  SaveWorldFile(world, host, path, "May 1, 2000");
  return path;
}

using bench::MemcpySeconds;
using bench::ThreadSeconds;

double WallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Wall seconds of writing the bytes to a new file and flushing it: the least a write can cost.
double PlainWriteSeconds(const std::string& path, std::span<const uint8_t> header, std::span<const uint8_t> pixels) {
  const double start = WallSeconds();
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  for (std::span<const uint8_t> piece : {header, pixels})
    for (size_t done = 0; done < piece.size();) {
      const ssize_t n = ::write(fd, piece.data() + done, piece.size() - done);
      if (n <= 0) break;
      done += size_t(n);
    }
  ::fsync(fd);
  ::close(fd);
  return WallSeconds() - start;
}

// CPU seconds of writing the bytes into memory just mapped, as a new surface's is.
double FreshWriteSeconds(std::span<const uint8_t> bytes) {
  const double start = ThreadSeconds();
  LargeBuffer fresh(bytes.size());
  std::memcpy(fresh.Data(), bytes.data(), bytes.size());
  benchmark::DoNotOptimize(fresh.Data());
  benchmark::ClobberMemory();
  const double seconds = ThreadSeconds() - start;
  return seconds;
}

void RunSnapshot(benchmark::State& state, int32_t columns, int32_t rows, int32_t divisor) {
  const std::string world = MakeWorld(columns, rows);
  const std::string out = world + ".bmp", plain = world + ".plain", png = world + ".png";
  double load = 0, render = 0, renderCpu = 0, write = 0, floorWrite = 0, memcpySeconds = 0, freshSeconds = 0;
  double bmpSnapshot = 0, pngSnapshot = 0, bmpCpu = 0, pngCpu = 0;
  std::vector<uint8_t> copy;
  size_t bytes = 0;
  for (auto _ : state) {
    const double start = WallSeconds();
    Profile profile;
    ScriptedInteraction nobody;
    CWorldDoc doc(&profile, nobody);
    if (!doc.OnOpenDocument(world)) {
      state.SkipWithError(doc.FailureReason().c_str());
      return;
    }
    const double loaded = WallSeconds(), cpu = ThreadSeconds();
    Mapshot mapshot;
    std::string reason;
    if (!MakeMapshot(doc, divisor, true, mapshot, &reason)) {
      state.SkipWithError(reason.c_str());
      return;
    }
    const double drawn = WallSeconds();
    renderCpu += ThreadSeconds() - cpu;
    mapshot.surface->WriteBmp(out, mapshot.palette.get(), &reason);
    const double written = WallSeconds();
    load += loaded - start;
    render += drawn - loaded;
    write += written - drawn;

    std::vector<uint8_t> header;
    mapshot.surface->BmpHeader(mapshot.palette.get(), header);
    const std::span<const uint8_t> pixels(mapshot.surface->Bits(), mapshot.surface->ImageSize());
    floorWrite += PlainWriteSeconds(plain, header, pixels);
    bytes = header.size() + pixels.size();
    memcpySeconds += MemcpySeconds(pixels.size(), 10);
    // The fresh memory is mapped once the surface is gone, as the surface was after the
    // previous one went.
    copy.assign(pixels.begin(), pixels.end());
    mapshot = Mapshot();
    freshSeconds += FreshWriteSeconds(copy);

    // The whole commands as the dialog runs them, BMP and PNG, on the loaded world.
    const double bmpStart = WallSeconds(), bmpCpuStart = ThreadSeconds();
    RenderMapshot(out, doc, divisor, true, &reason);
    const double pngStart = WallSeconds(), pngCpuStart = ThreadSeconds();
    if (!RenderMapshot(png, doc, divisor, true, &reason)) state.SkipWithError(reason.c_str());
    pngSnapshot += WallSeconds() - pngStart;
    bmpSnapshot += pngStart - bmpStart;
    pngCpu += ThreadSeconds() - pngCpuStart;
    bmpCpu += pngCpuStart - bmpCpuStart;
  }
  const double n = double(state.iterations());
  state.counters["load_ms"] = load / n * 1e3;
  state.counters["render_ms"] = render / n * 1e3;
  state.counters["write_ms"] = write / n * 1e3;
  state.counters["memcpy_ms"] = memcpySeconds / n * 1e3;
  state.counters["plain_write_ms"] = floorWrite / n * 1e3;
  state.counters["output_MB"] = double(bytes) / (1 << 20);
  // Goals: the drawing at most 1.5 times writing its bytes into fresh memory (reported
  // beside a memcpy into mapped memory too), the whole command at most 1.5 times loading
  // the world plus a plain write of the file, the PNG snapshot at most 1.5 times the BMP.
  state.counters["render_cpu_ms"] = renderCpu / n * 1e3;
  state.counters["fresh_write_ms"] = freshSeconds / n * 1e3;
  state.counters["render_x_memcpy"] = renderCpu / memcpySeconds;
  state.counters["render_x_fresh_write"] = renderCpu / freshSeconds;
  state.counters["command_x_floors"] = (load + render + write) / (load + floorWrite);
  state.counters["bmp_snapshot_ms"] = bmpSnapshot / n * 1e3;
  state.counters["png_snapshot_ms"] = pngSnapshot / n * 1e3;
  state.counters["bmp_cpu_ms"] = bmpCpu / n * 1e3;
  state.counters["png_cpu_ms"] = pngCpu / n * 1e3;
  state.counters["png_x_bmp"] = pngSnapshot / bmpSnapshot;
  state.counters["goal_at_most"] = 1.5;
  fs::remove(out);
  fs::remove(plain);
  fs::remove(png);
}

void BM_Snapshot12_5(benchmark::State& state) { RunSnapshot(state, 1000, 1000, 8); }
void BM_Snapshot100Crop4096(benchmark::State& state) { RunSnapshot(state, 64, 64, 1); }

// Peak resident memory (kB) of a run of the tool.
long ToolPeakKb(const std::vector<std::string>& arguments) {
  std::vector<char*> argv{const_cast<char*>(VYR_TOOL_PATH)};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    // The child starts with this process's peak, which exec would pass on: reset it so
    // that only the tool's own memory counts.
    const int peak = ::open("/proc/self/clear_refs", O_WRONLY);
    if (peak >= 0 && ::write(peak, "5", 1) == 1) ::close(peak);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::execv(VYR_TOOL_PATH, argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return usage.ru_maxrss;
}

// The command's peak beyond what loading the same world costs (the validate command loads
// it and stops), against the size of its output. Goal: at most 1.5.
void RunPeakMemory(benchmark::State& state, int32_t columns, int32_t rows, const char* scale) {
  const std::string world = MakeWorld(columns, rows), out = world + ".peak.bmp";
  long snapshotKb = 0, loadKb = 0;
  for (auto _ : state) {
    loadKb = ToolPeakKb({"validate", world});
    snapshotKb = ToolPeakKb({"snapshot", world, out, "--scale", scale});
    if (loadKb < 0 || snapshotKb < 0) {
      state.SkipWithError("vyrworld-tool failed");
      return;
    }
  }
  const double outputKb = double(fs::file_size(out)) / 1024;
  state.counters["peak_MB"] = double(snapshotKb) / 1024;
  state.counters["load_peak_MB"] = double(loadKb) / 1024;
  state.counters["output_MB"] = outputKb / 1024;
  state.counters["extra_x_output"] = double(snapshotKb - loadKb) / outputKb;
  fs::remove(out);
}

void BM_PeakMemory12_5(benchmark::State& state) { RunPeakMemory(state, 1000, 1000, "12.5"); }
void BM_PeakMemory100Crop4096(benchmark::State& state) { RunPeakMemory(state, 64, 64, "100"); }

}  // namespace
}  // namespace vyr

// The memory runs first, while this process is still small.
BENCHMARK(vyr::BM_PeakMemory12_5)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(vyr::BM_PeakMemory100Crop4096)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(vyr::BM_Snapshot12_5)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(vyr::BM_Snapshot100Crop4096)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK_MAIN();
