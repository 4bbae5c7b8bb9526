// Freshen and archive creation from a folder tree, with a fixed folder listing order.
#include "resources/rez_freshen.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

#include "platform/file_io.h"
#include "platform/save_target.h"
#include "resources/rez_mgr.h"
#include "resources/rez_names.h"

namespace vyr {

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kFirstNamedId = 10000000;

struct FreshenState {
  CRezMgr& mgr;
  const FreshenOptions& options;
  FreshenResult& result;
  bool failed = false;
};

// Built by appending: g++ 12 warns falsely on "literal" + temporary string.
std::string PassedOver(const fs::path& file, const std::string& why) {
  std::string text = "'";
  text += file.string();
  text += "' passed over: ";
  text += why;
  return text;
}

bool LastWriteTime(const fs::path& file, uint32_t& time) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return false;
  const int64_t seconds = int64_t(st.st_mtime);
  time = seconds < 0 ? 0 : seconds > int64_t(0xFFFFFFFF) ? 0xFFFFFFFFu : uint32_t(seconds);
  return true;
}

// The decimal value of an all-digit (or empty) base name; false for any other name and
// for a number too large for an id, which then gets a free id like a named file.
bool NumericId(const std::string& base, uint32_t& id) {
  uint64_t value = 0;
  for (char c : base) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + uint64_t(c - '0');
    if (value > 0xFFFFFFFFull) return false;
  }
  id = uint32_t(value);
  return true;
}

void StoreFile(FreshenState& s, const fs::path& file, const std::string& name, CRezDir* dir) {
  if (s.options.progress) s.options.progress(file.string());
  const size_t dot = name.rfind('.');
  const std::string base = RezUpper(dot == std::string::npos ? name : name.substr(0, dot));
  const std::string extension = dot == std::string::npos ? std::string() : RezUpper(name.substr(dot + 1));
  uint32_t code = 0;
  if (!TypeCodeFromExtension(extension, code)) {
    s.result.warnings.push_back(PassedOver(file, "its extension is longer than four characters"));
    return;
  }
  uint32_t id = 0;
  if (!NumericId(base, id)) {
    const CRezType* type = dir->FindType(code);
    id = type ? type->FirstFreeNamedId() : kFirstNamedId;
  }
  uint32_t fileTime = 0;
  if (!LastWriteTime(file, fileTime)) {
    s.result.warnings.push_back(PassedOver(file, "it cannot be examined"));
    return;
  }
  CRezItem* item = dir->FindItemByName(base, code);
  if (item != nullptr && item->GetTime() >= fileTime) return;

  // Read the file before touching the item, so an unreadable file leaves the item as it was.
  std::vector<uint8_t> bytes;
  std::string why;
  if (!ReadWholeFile(file.string(), bytes, why)) {
    s.result.warnings.push_back(PassedOver(file, why));
    return;
  }
  if (bytes.size() > 0xFFFFFFFFull) {
    s.result.warnings.push_back(PassedOver(file, "larger than 4 GiB"));
    return;
  }
  if (item == nullptr) {
    item = dir->CreateItem(id, base, code);
    if (item == nullptr) return;  // e.g. 0012.PID when 12.PID holds id 12
  }
  ++s.result.stored;
  std::span<uint8_t> buffer = item->NewData(uint32_t(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), buffer.begin());
  item->SetTime(fileTime);
  if (!bytes.empty() && !item->WriteData()) {
    s.failed = true;
    s.result.reason = s.mgr.LastError();
  }
  item->ReleaseData();
}

void ProcessFolder(FreshenState& s, const fs::path& folder, CRezDir* dir) {
  std::vector<FolderEntry> entries;
  std::string why;
  if (!ListFolderSorted(folder, entries, why)) {
    s.result.warnings.push_back(why);
    return;
  }
  for (const FolderEntry& entry : entries) {
    if (s.failed) return;
    if (!entry.isFolder) {
      StoreFile(s, folder / entry.name, entry.name, dir);
      continue;
    }
    const std::string upper = RezUpper(entry.name);
    CRezDir* sub = dir->FindSubDir(upper);
    if (sub == nullptr) sub = dir->CreateDir(upper);
    if (sub == nullptr) {
      s.result.warnings.push_back(PassedOver(folder / entry.name, "folders nest too deep"));
      continue;
    }
    ProcessFolder(s, folder / entry.name, sub);
  }
}

bool CheckFolder(const std::string& folderPath, FreshenResult& result) {
  std::error_code error;
  if (fs::is_directory(folderPath, error)) return true;
  result.reason = "The folder '" + folderPath + "' does not exist or is not a folder";
  return false;
}

void Configure(CRezMgr& mgr, const FreshenOptions& options) {
  if (options.opener) mgr.SetFileOpener(options.opener);
  if (options.clock) mgr.SetClock(options.clock);
}

// Stores the folder into the open archive and closes it; fills `result`.
void StoreAndClose(CRezMgr& mgr, const std::string& folderPath, const FreshenOptions& options,
                   FreshenResult& result, bool markCompact) {
  FreshenState state{mgr, options, result};
  ProcessFolder(state, fs::path(folderPath), mgr.GetRootDir());
  if (!state.failed && markCompact) mgr.SetCompact(true);
  std::string why;
  const bool closed = mgr.CloseArchive(&why);
  result.ok = closed && !state.failed;
  if (!result.ok) result.reason = why.empty() ? result.reason : why;
}

}  // namespace

bool ListFolderSorted(const fs::path& folder, std::vector<FolderEntry>& entries, std::string& reason) {
  entries.clear();
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) {
    reason = "cannot list '" + folder.string() + "': " + error.message();
    return false;
  }
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    const fs::directory_entry& entry = *it;
    std::error_code statusError;
    const fs::file_status own = entry.symlink_status(statusError);
    if (statusError) continue;
    FolderEntry out;
    out.name = entry.path().filename().string();
    if (fs::is_directory(own)) {
      out.isFolder = true;
    } else if (fs::is_regular_file(entry.status(statusError)) && !statusError) {
      out.isFolder = false;  // a file, or a link to one
    } else {
      continue;  // links to folders (which could loop), devices, sockets, dangling links
    }
    entries.push_back(std::move(out));
  }
  if (error) {
    reason = "cannot list '" + folder.string() + "': " + error.message();
    return false;
  }
  std::vector<std::pair<std::string, FolderEntry>> keyed;
  keyed.reserve(entries.size());
  for (FolderEntry& entry : entries) keyed.emplace_back(RezUpper(entry.name), std::move(entry));
  std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first < b.first : a.second.name < b.second.name;
  });
  entries.clear();
  for (auto& [key, entry] : keyed) entries.push_back(std::move(entry));
  return true;
}

FreshenResult FreshenArchive(const std::string& archivePath, const std::string& folderPath,
                             const FreshenOptions& options) {
  FreshenResult result;
  if (!CheckFolder(folderPath, result)) return result;
  CRezMgr mgr;
  Configure(mgr, options);
  if (!mgr.OpenArchive(archivePath, false, &result.reason)) return result;
  StoreAndClose(mgr, folderPath, options, result, false);
  return result;
}

int Freshen(const std::string& archivePath, const std::string& folderPath) {
  const FreshenResult result = FreshenArchive(archivePath, folderPath);
  return result.ok ? result.stored : 0;
}

FreshenResult CreateArchiveFromFolder(const std::string& archivePath, const std::string& folderPath,
                                      const FreshenOptions& options) {
  FreshenResult result;
  if (!CheckFolder(folderPath, result)) return result;
  // On the real file system the archive is built beside its target (the file a link
  // leads to) and renamed over it when complete, so a failure never leaves a half-made
  // archive or destroys an old one.
  const bool realFiles = !options.opener;
  std::string target = archivePath;
  std::string buildPath = archivePath;
  if (realFiles) {
    if (!ResolveSaveTarget(archivePath, target, result.reason)) return result;
    const int fd = CreateSaveTemp(target, buildPath, result.reason);
    if (fd < 0) return result;
    ::close(fd);
  }
  CRezMgr mgr;
  Configure(mgr, options);
  if (!mgr.CreateArchive(buildPath, &result.reason)) {
    if (realFiles) ::unlink(buildPath.c_str());
    return result;
  }
  StoreAndClose(mgr, folderPath, options, result, true);
  if (!realFiles) return result;
  std::error_code error;
  if (result.ok) {
    fs::rename(buildPath, target, error);
    if (error) {
      result.ok = false;
      result.reason = "cannot replace '" + archivePath + "': " + error.message();
    }
  }
  if (!result.ok) fs::remove(buildPath, error);
  return result;
}

}  // namespace vyr
