// Opening an archive of 50,000 items, beside reading and copying its directory bytes alone.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "resources/rez_mgr.h"

namespace {

using namespace vyr;

constexpr int kDirs = 50;
constexpr int kItemsPerDir = 1000;

struct BenchArchive {
  std::string path;
  uint64_t dirStart = 0;
  uint64_t dirBytes = 0;

  BenchArchive() {
    path = (std::filesystem::temp_directory_path() / ("vyr_bench_archive_" + std::to_string(::getpid()) + ".rez")).string();
    CRezMgr mgr;
    if (!mgr.CreateArchive(path)) std::abort();
    CRezDir* images = mgr.GetRootDir()->CreateDir("IMAGES");
    for (int d = 0; d < kDirs; ++d) {
      CRezDir* dir = images->CreateDir("SET" + std::to_string(d));
      for (int i = 0; i < kItemsPerDir; ++i) {
        CRezItem* item = dir->CreateItem(uint32_t(i + 1), std::to_string(i + 1), 0x00504944);
        std::memcpy(item->NewData(8).data(), "PIDTILE!", 8);
        if (!item->WriteData()) std::abort();
        item->ReleaseData();
      }
    }
    if (!mgr.CloseArchive()) std::abort();
    if (!mgr.OpenArchive(path, true)) std::abort();
    dirStart = mgr.Header().dataEnd;
    dirBytes = std::filesystem::file_size(path) - dirStart;
  }
  ~BenchArchive() { std::filesystem::remove(path); }
};

BenchArchive& Archive() {
  static BenchArchive archive;
  return archive;
}

void BM_OpenArchive(benchmark::State& state) {
  BenchArchive& a = Archive();
  size_t items = 0;
  for (auto _ : state) {
    CRezMgr mgr;
    if (!mgr.OpenArchive(a.path, true)) state.SkipWithError("open failed");
    items = mgr.FindDir("IMAGES")->SubDirCount();
    benchmark::DoNotOptimize(items);
    mgr.CloseArchive();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(a.dirBytes));
  state.counters["items"] = kDirs * kItemsPerDir;
}

// The limit: reading the same directory bytes from the file (page cache) with one read.
void BM_ReadDirectoryBytes(benchmark::State& state) {
  BenchArchive& a = Archive();
  std::vector<uint8_t> buffer(a.dirBytes);
  for (auto _ : state) {
    std::unique_ptr<RezFile> file;
    std::string reason;
    file = OpenRezFile(a.path, RezOpenMode::kRead, reason);
    size_t got = 0;
    file->Read(a.dirStart, buffer.data(), buffer.size(), got);
    benchmark::DoNotOptimize(buffer.data());
    file->Close();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(a.dirBytes));
}

// The other limit: a memcpy of the same directory bytes.
void BM_MemcpyDirectoryBytes(benchmark::State& state) {
  BenchArchive& a = Archive();
  std::vector<uint8_t> from(a.dirBytes, 1);
  std::vector<uint8_t> to(a.dirBytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(a.dirBytes));
}

// Looking up every item by path after opening (what loading image sets does).
void BM_FindEveryItem(benchmark::State& state) {
  BenchArchive& a = Archive();
  CRezMgr mgr;
  if (!mgr.OpenArchive(a.path, true)) state.SkipWithError("open failed");
  std::vector<std::string> paths;
  for (int d = 0; d < kDirs; ++d) {
    for (int i = 0; i < kItemsPerDir; ++i) paths.push_back("/IMAGES/SET" + std::to_string(d) + "/" + std::to_string(i + 1) + ".PID");
  }
  for (auto _ : state) {
    for (const std::string& p : paths) benchmark::DoNotOptimize(mgr.FindItem(p));
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(paths.size()));
}

BENCHMARK(BM_OpenArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDirectoryBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyDirectoryBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindEveryItem)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
