// Recovery copies and backups in the user's state folder.
#include "platform/state_folder.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/file_io.h"
#include "platform/path_name.h"

namespace vyr {
namespace fs = std::filesystem;

namespace {

// The same world reached by another spelling of its path gets the same name.
std::string Absolute(const std::string& path) {
  std::error_code ec;
  const fs::path absolute = fs::weakly_canonical(fs::absolute(path, ec), ec);
  return ec ? path : absolute.string();
}

// FNV-1a of the absolute path, with the file name kept readable for whoever looks inside.
std::string WorldKey(const std::string& worldPath) {
  const std::string absolute = Absolute(worldPath);
  uint64_t hash = 1469598103934665603ull;
  for (const unsigned char c : absolute) hash = (hash ^ c) * 1099511628211ull;
  std::string name = FileNameOf(absolute).substr(0, 64);
  for (char& c : name)
    if (c == '%' || c == ':' || static_cast<unsigned char>(c) < 32) c = '_';
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return std::string(hex) + "-" + name;
}

std::time_t WrittenAt(const fs::path& path) {
  std::error_code ec;
  const auto time = fs::last_write_time(path, ec);
  if (ec) return 0;
  return std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(time));
}

std::string ReadText(const fs::path& path) {
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadWholeFile(path.string(), bytes, error)) return {};
  return std::string(bytes.begin(), bytes.end());
}

bool WriteText(const fs::path& path, const std::string& text, std::string& error) {
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  return WriteFileAtomically(path.string(), bytes, error);
}

bool MakeFolder(const fs::path& folder, std::string& error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) error = "cannot create the folder '" + folder.string() + "': " + ec.message();
  return !ec;
}

StoredCopy Describe(const fs::path& path, std::string worldPath) {
  std::error_code ec;
  const uintmax_t size = fs::file_size(path, ec);
  return StoredCopy{path.string(), std::move(worldPath), WrittenAt(path), ec ? 0 : uint64_t(size)};
}

}  // namespace

std::string StateFolder() {
  std::string base;
  if (const char* xdg = std::getenv("XDG_STATE_HOME"); xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::string(home) + "/.local/state";
  } else {
    base = ".";
  }
  return base + "/vyrworld";
}

CRecoveryStore CRecoveryStore::Default() { return CRecoveryStore(StateFolder() + "/recovery"); }

std::string CRecoveryStore::CopyPath(const std::string& worldPath) const {
  return m_folder + "/" + WorldKey(worldPath) + ".VWD";
}

bool CRecoveryStore::Write(const std::string& worldPath, std::span<const std::span<const uint8_t>> pieces,
                           std::string& error) const {
  const std::string copy = CopyPath(worldPath);
  return MakeFolder(m_folder, error) && WriteText(copy + ".path", Absolute(worldPath), error) &&
         WriteFileAtomically(copy, pieces, error);
}

void CRecoveryStore::Remove(const std::string& worldPath) const {
  const std::string copy = CopyPath(worldPath);
  std::error_code ec;
  fs::remove(copy, ec);
  fs::remove(copy + ".path", ec);
}

std::optional<StoredCopy> CRecoveryStore::NewerCopy(const std::string& worldPath) const {
  const fs::path copy = CopyPath(worldPath);
  std::error_code ec;
  if (!fs::is_regular_file(copy, ec)) return std::nullopt;
  const auto copyTime = fs::last_write_time(copy, ec);
  if (ec) return std::nullopt;
  const auto worldTime = fs::last_write_time(worldPath, ec);
  if (!ec && worldTime >= copyTime) return std::nullopt;
  return Describe(copy, Absolute(worldPath));
}

std::vector<StoredCopy> CRecoveryStore::List() const {
  // Ordered by the file system's own time: copies written within one second keep their order.
  std::vector<std::pair<fs::file_time_type, fs::path>> files;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(m_folder, ec)) {
    if (entry.path().extension() != ".VWD" || !entry.is_regular_file(ec)) continue;
    files.emplace_back(fs::last_write_time(entry.path(), ec), entry.path());
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<StoredCopy> copies;
  for (const auto& [time, path] : files) copies.push_back(Describe(path, ReadText(path.string() + ".path")));
  return copies;
}

CBackupStore CBackupStore::Default() { return CBackupStore(StateFolder() + "/backups"); }

std::string CBackupStore::FolderFor(const std::string& worldPath) const { return m_folder + "/" + WorldKey(worldPath); }

bool CBackupStore::Keep(const std::string& worldPath, int keep, std::string& error) const {
  std::error_code ec;
  if (keep <= 0 || !fs::is_regular_file(worldPath, ec)) return true;
  const fs::path folder = FolderFor(worldPath);
  if (!MakeFolder(folder, error)) return false;
  // Names sort in the order the backups were made, even several within one second.
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  char name[64];
  const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(now.time_since_epoch()).count() % 1000000000;
  std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d-%09lld.VWD", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, static_cast<long long>(nanos));
  const fs::path backup = folder / name;
  // A save renames a new file over the world, so a second link keeps the old contents for free.
  if (::link(worldPath.c_str(), backup.c_str()) != 0) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(worldPath, bytes, error) || !WriteFileAtomically(backup.string(), bytes, error)) return false;
    fs::last_write_time(backup, fs::last_write_time(worldPath, ec), ec);
  }
  if (!WriteText(folder / "path", Absolute(worldPath), error)) return false;
  const std::vector<StoredCopy> backups = List(worldPath);
  for (size_t i = size_t(keep); i < backups.size(); ++i) fs::remove(backups[i].path, ec);
  return true;
}

std::vector<StoredCopy> CBackupStore::List(const std::string& worldPath) const {
  const fs::path folder = FolderFor(worldPath);
  std::vector<fs::path> files;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec))
    if (entry.path().extension() == ".VWD" && entry.is_regular_file(ec)) files.push_back(entry.path());
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) { return a.filename() > b.filename(); });
  std::vector<StoredCopy> backups;
  for (const fs::path& file : files) backups.push_back(Describe(file, Absolute(worldPath)));
  return backups;
}

}  // namespace vyr
