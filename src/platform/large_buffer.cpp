// Large blocks of memory mapped straight from the system.
#include "platform/large_buffer.h"

#include <utility>

#include <sys/mman.h>

namespace vyr {

LargeBuffer::LargeBuffer(size_t size) {
  if (size == 0) return;
  void* bytes = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (bytes == MAP_FAILED) return;
  ::madvise(bytes, size, MADV_HUGEPAGE);
  m_data = static_cast<uint8_t*>(bytes);
  m_size = size;
}

LargeBuffer::~LargeBuffer() { Reset(); }

LargeBuffer::LargeBuffer(LargeBuffer&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)) {}

LargeBuffer& LargeBuffer::operator=(LargeBuffer&& other) noexcept {
  if (this != &other) {
    Reset();
    m_data = std::exchange(other.m_data, nullptr);
    m_size = std::exchange(other.m_size, 0);
  }
  return *this;
}

void LargeBuffer::Reset() {
  if (m_data) ::munmap(m_data, m_size);
  m_data = nullptr;
  m_size = 0;
}

}  // namespace vyr
