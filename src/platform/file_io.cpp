// Whole-file reading and atomic whole-file writing over POSIX calls.
#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/save_target.h"

namespace vyr {

namespace {
std::string Reason(const char* what, const std::string& path) {
  return std::string(what) + " '" + path + "': " + std::strerror(errno);
}

// Renaming over a device, a pipe or a folder would replace it with a plain file.
const char* NotRegularKind(const std::string& target) {
  struct stat st {};
  if (::lstat(target.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return nullptr;
  if (S_ISDIR(st.st_mode)) return "a folder";
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return "a device";
  if (S_ISFIFO(st.st_mode)) return "a named pipe";
  if (S_ISSOCK(st.st_mode)) return "a socket";
  return "a special file";
}
}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = Reason("cannot open", path);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = S_ISDIR(st.st_mode) ? "'" + path + "' is a folder" : Reason("cannot read", path);
    ::close(fd);
    return false;
  }
  std::vector<uint8_t> bytes(size_t(st.st_size));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n == 0 ? "'" + path + "' became shorter while it was read" : Reason("cannot read", path);
      ::close(fd);
      return false;
    }
    done += size_t(n);
  }
  ::close(fd);
  out = std::move(bytes);
  return true;
}

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
  const std::span<const uint8_t> pieces[] = {bytes};
  return WriteFileAtomically(path, pieces, error);
}

bool WriteFileAtomically(const std::string& path, std::span<const std::span<const uint8_t>> pieces,
                         std::string& error) {
  std::string target;
  std::string temp;
  if (!ResolveSaveTarget(path, target, error)) return false;
  if (const char* kind = NotRegularKind(target)) {
    error = "cannot replace '" + path + "': it is " + kind + ", not a regular file";
    return false;
  }
  const int fd = CreateSaveTemp(target, temp, error);
  if (fd < 0) return false;
  bool ok = true;
  for (const std::span<const uint8_t> bytes : pieces) {
    size_t done = 0;
    while (ok && done < bytes.size()) {
      const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ok = false;
        break;
      }
      done += size_t(n);
    }
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  if (!ok) error = Reason("cannot write", path);
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = Reason("cannot write", path);
  }
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    error = Reason("cannot replace", path);
  }
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

}  // namespace vyr
