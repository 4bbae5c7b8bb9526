// Large blocks of memory mapped straight from the system.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vyr {

// A block that comes zeroed (so no pass over it is needed before it is written) and in
// huge pages where the system allows (so writing megabytes costs a few page faults, not one
// per 4 KiB). Empty when the system refused it.
class LargeBuffer {
 public:
  LargeBuffer() = default;
  explicit LargeBuffer(size_t size);
  ~LargeBuffer();
  LargeBuffer(LargeBuffer&& other) noexcept;
  LargeBuffer& operator=(LargeBuffer&& other) noexcept;
  LargeBuffer(const LargeBuffer&) = delete;
  LargeBuffer& operator=(const LargeBuffer&) = delete;

  uint8_t* Data() const { return m_data; }
  size_t Size() const { return m_size; }
  explicit operator bool() const { return m_data != nullptr; }
  // Unmaps the block; the buffer is then empty.
  void Reset();

 private:
  uint8_t* m_data = nullptr;
  size_t m_size = 0;
};

}  // namespace vyr
