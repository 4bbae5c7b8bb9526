// Archive file access over POSIX descriptors, and the in-memory file.
#include "resources/rez_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vyr {

namespace {

std::string ErrnoText(const char* what, const std::string& path) {
  return std::string(what) + " '" + path + "': " + std::strerror(errno);
}

class PosixRezFile : public RezFile {
 public:
  PosixRezFile(int fd, std::string path, uint64_t size) : m_fd(fd), m_path(std::move(path)), m_size(size) {}
  ~PosixRezFile() override {
    if (m_fd >= 0) ::close(m_fd);
  }

  bool Read(uint64_t offset, void* buffer, size_t length, size_t& got) override {
    got = 0;
    auto* out = static_cast<uint8_t*>(buffer);
    while (got < length) {
      const ssize_t n = ::pread(m_fd, out + got, length - got, off_t(offset + got));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        m_error = ErrnoText("cannot read", m_path);
        return false;
      }
      if (n == 0) break;
      got += size_t(n);
    }
    return true;
  }

  bool Write(uint64_t offset, const void* data, size_t length) override {
    const auto* in = static_cast<const uint8_t*>(data);
    size_t done = 0;
    while (done < length) {
      const ssize_t n = ::pwrite(m_fd, in + done, length - done, off_t(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        m_error = ErrnoText("cannot write", m_path);
        if (offset + done > m_size) m_size = offset + done;
        return false;
      }
      done += size_t(n);
    }
    if (offset + length > m_size) m_size = offset + length;
    return true;
  }

  bool Flush() override {
    if (::fsync(m_fd) == 0) return true;
    m_error = ErrnoText("cannot flush", m_path);
    return false;
  }

  bool Close() override {
    const int fd = m_fd;
    m_fd = -1;
    if (fd < 0 || ::close(fd) == 0) return true;
    m_error = ErrnoText("cannot close", m_path);
    return false;
  }

  uint64_t Size() const override { return m_size; }
  std::string LastError() const override { return m_error; }

 private:
  int m_fd;
  std::string m_path;
  uint64_t m_size;
  std::string m_error;
};

}  // namespace

std::unique_ptr<RezFile> OpenRezFile(const std::string& path, RezOpenMode mode, std::string& reason) {
  int flags = O_CLOEXEC;
  switch (mode) {
    case RezOpenMode::kRead: flags |= O_RDONLY; break;
    case RezOpenMode::kReadWrite: flags |= O_RDWR; break;
    case RezOpenMode::kCreate: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
  }
  const int fd = ::open(path.c_str(), flags, 0644);
  if (fd < 0) {
    reason = ErrnoText("cannot open", path);
    return nullptr;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    reason = ErrnoText("cannot read", path);
    ::close(fd);
    return nullptr;
  }
  if (!S_ISREG(st.st_mode)) {
    reason = "'" + path + "' is not a regular file";
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<PosixRezFile>(fd, path, uint64_t(st.st_size));
}

bool MemoryRezFile::Read(uint64_t offset, void* buffer, size_t length, size_t& got) {
  got = 0;
  if (offset >= m_bytes->size()) return true;
  const uint64_t available = m_bytes->size() - offset;
  got = size_t(available < length ? available : length);
  std::memcpy(buffer, m_bytes->data() + offset, got);
  return true;
}

bool MemoryRezFile::Write(uint64_t offset, const void* data, size_t length) {
  if (length == 0) return true;
  if (offset + length > m_bytes->size()) m_bytes->resize(size_t(offset + length), 0);
  std::memcpy(m_bytes->data() + offset, data, length);
  return true;
}

}  // namespace vyr
