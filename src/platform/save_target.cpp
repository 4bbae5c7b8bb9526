// Save targets through symbolic links, and temporary files named after their target and writer.
#include "platform/save_target.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vyr {

namespace fs = std::filesystem;

namespace {

// As many links as the kernel itself follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;
constexpr char kTempMarker[] = ".vyrtmp-";
constexpr size_t kRandomLength = 6;  // mkstemp's XXXXXX

// The writer's process id in "PID-XXXXXX", the part after the marker; 0 for any other text.
pid_t WriterOf(const std::string& rest) {
  const size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string::npos || rest.size() != dash + 1 + kRandomLength) return 0;
  long long pid = 0;
  for (size_t i = 0; i < dash; ++i) {
    if (rest[i] < '0' || rest[i] > '9') return 0;
    pid = pid * 10 + (rest[i] - '0');
    if (pid > INT_MAX) return 0;
  }
  return pid_t(pid);
}

// A killed save leaves its temporary file behind; only files whose writer has certainly
// ended are removed (a writer that runs, or that we may not signal, keeps its file).
// `fileName` limits the removal to the temporaries of one target; empty: of any.
void RemoveStaleTemps(const fs::path& folder, const std::string& fileName) {
  std::error_code error;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::string name = it->path().filename().string();
    const size_t marker = name.rfind(kTempMarker);
    if (name[0] != '.' || marker == std::string::npos || marker < 2) continue;
    if (!fileName.empty() && name.compare(1, marker - 1, fileName) != 0) continue;
    const pid_t writer = WriterOf(name.substr(marker + std::strlen(kTempMarker)));
    std::error_code statusError;
    if (writer <= 0 || !it->is_regular_file(statusError) || statusError) continue;
    if (::kill(writer, 0) != 0 && errno == ESRCH) ::unlink(it->path().c_str());
  }
}

}  // namespace

bool ResolveSaveTarget(const std::string& path, std::string& target, std::string& error) {
  fs::path current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      target = current.string();
      return true;
    }
    std::error_code linkError;
    const fs::path next = fs::read_symlink(current, linkError);
    if (linkError) {
      error = "cannot follow the link '" + current.string() + "': " + linkError.message();
      return false;
    }
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  error = "cannot follow the links of '" + path + "': they lead round in a loop";
  return false;
}

void RemoveStaleSaveTemps(const std::string& folder) { RemoveStaleTemps(folder, {}); }

int CreateSaveTemp(const std::string& target, std::string& tempPath, std::string& error) {
  const fs::path targetPath(target);
  const std::string prefix = "." + targetPath.filename().string() + kTempMarker;
  RemoveStaleTemps(targetPath.parent_path(), targetPath.filename().string());
  std::string temp =
      (targetPath.parent_path() / (prefix + std::to_string(::getpid()) + "-" + std::string(kRandomLength, 'X')))
          .string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    error = "cannot create a file beside '" + target + "': " + std::strerror(errno);
    return -1;
  }
  // mkstemp makes the file private; give it the usual mode, or the target's own.
  struct stat st {};
  ::fchmod(fd, ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644);
  tempPath = std::move(temp);
  return fd;
}

}  // namespace vyr
