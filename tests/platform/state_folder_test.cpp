// Backup rotation, the recovery copy's "newer than the world" rule, and the progress
// window's half-second delay.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/file_io.h"
#include "platform/progress_gate.h"
#include "platform/state_folder.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

struct Scratch {
  Scratch() { fs::create_directories(path); }
  ~Scratch() { fs::remove_all(path); }
  std::string operator/(const std::string& name) const { return (path / name).string(); }
  fs::path path = fs::temp_directory_path() / ("vyr-state-" + std::to_string(::getpid()));
};

void Write(const std::string& path, const std::string& text) {
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), error))
      << error;
}

std::string Read(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(ReadWholeFile(path, bytes, error)) << error;
  return std::string(bytes.begin(), bytes.end());
}

TEST(CBackupStore, EachSaveKeepsTheVersionItReplacesUpToTheCount) {
  struct Row {
    int keep;
    std::vector<std::string> expected;  // newest first
  } rows[] = {{5, {"v5", "v4", "v3", "v2", "v1"}}, {4, {"v5", "v4", "v3", "v2"}}, {0, {}}};
  for (const Row& row : rows) {
    Scratch scratch;
    const CBackupStore store(scratch / "backups");
    const std::string world = scratch / "w.vwd";
    for (int version = 1; version <= 6; ++version) {
      std::string error;
      ASSERT_TRUE(store.Keep(world, row.keep, error)) << error;
      Write(world, "v" + std::to_string(version));
    }
    std::vector<std::string> kept;
    for (const StoredCopy& copy : store.List(world)) kept.push_back(Read(copy.path));
    EXPECT_EQ(kept, row.expected) << "keep " << row.keep;
    EXPECT_EQ(Read(world), "v6");
  }
}

TEST(CRecoveryStore, ACopyIsOfferedOnlyWhenNewerThanItsWorld) {
  struct Row {
    int worldAge;  // seconds before the copy; 0: no world file
    bool offered;
  } rows[] = {{60, true}, {-60, false}, {0, true}};
  for (const Row& row : rows) {
    Scratch scratch;
    const CRecoveryStore store(scratch / "recovery");
    const std::string world = scratch / "w.vwd";
    const std::string bytes = "changes";
    const std::span<const uint8_t> pieces[] = {std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())};
    std::string error;
    ASSERT_TRUE(store.Write(world, pieces, error)) << error;
    if (row.worldAge != 0) {
      Write(world, "saved");
      fs::last_write_time(world, fs::last_write_time(store.CopyPath(world)) - std::chrono::seconds(row.worldAge));
    }
    EXPECT_EQ(store.NewerCopy(world).has_value(), row.offered) << row.worldAge;
    ASSERT_EQ(store.List().size(), 1u);
    EXPECT_EQ(store.List()[0].worldPath, fs::weakly_canonical(world).string());
    store.Remove(world);
    EXPECT_TRUE(store.List().empty());
  }
}

TEST(ProgressGate, TheWindowShowsOnlyPastHalfASecond) {
  int64_t now = 1000;
  ProgressGate gate([&now] { return now; });
  EXPECT_FALSE(gate.Due());
  gate.Start();
  for (const auto& [elapsed, due] : {std::pair{0, false}, {499, false}, {500, true}, {5000, true}}) {
    now = 1000 + elapsed;
    EXPECT_EQ(gate.Due(), due) << elapsed;
  }
  gate.Stop();
  EXPECT_FALSE(gate.Due());
}

}  // namespace
}  // namespace vyr
