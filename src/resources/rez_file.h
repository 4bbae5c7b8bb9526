// Byte-stream file access for the resource archive, replaceable so tests can fail any write.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vyr {

enum class RezOpenMode {
  kRead,       // existing file, reading only
  kReadWrite,  // existing file, reading and writing, not truncated
  kCreate,     // new empty file (an existing one is truncated), reading and writing
};

// A random-access byte stream. Reads may be short; writes are all or nothing as far as
// the caller can tell (a failed write may have written a prefix).
class RezFile {
 public:
  virtual ~RezFile() = default;
  // Reads up to `length` bytes at `offset`; `got` is the count read. False on an I/O error.
  virtual bool Read(uint64_t offset, void* buffer, size_t length, size_t& got) = 0;
  // Writes all of `length` bytes at `offset`, extending the file as needed.
  virtual bool Write(uint64_t offset, const void* data, size_t length) = 0;
  // Makes what was written durable before anything written later.
  virtual bool Flush() = 0;
  virtual bool Close() = 0;
  virtual uint64_t Size() const = 0;
  // Text of the last failure, for the reason shown to the user.
  virtual std::string LastError() const = 0;
};

// Opens `path` in `mode`; on failure returns null and sets `reason`.
using RezFileOpener =
    std::function<std::unique_ptr<RezFile>(const std::string& path, RezOpenMode mode, std::string& reason)>;

// The real file system (POSIX descriptors).
std::unique_ptr<RezFile> OpenRezFile(const std::string& path, RezOpenMode mode, std::string& reason);

// A file held in memory, shared with its creator so tests and fuzzers can inspect or
// prepare the bytes. Writes past the end grow it with zeros.
class MemoryRezFile : public RezFile {
 public:
  explicit MemoryRezFile(std::shared_ptr<std::vector<uint8_t>> bytes) : m_bytes(std::move(bytes)) {}

  bool Read(uint64_t offset, void* buffer, size_t length, size_t& got) override;
  bool Write(uint64_t offset, const void* data, size_t length) override;
  bool Flush() override { return true; }
  bool Close() override { return true; }
  uint64_t Size() const override { return m_bytes->size(); }
  std::string LastError() const override { return m_error; }

 private:
  std::shared_ptr<std::vector<uint8_t>> m_bytes;
  std::string m_error;
};

}  // namespace vyr
