// Pixel blocks of one image set, carved from a few large chunks instead of one heap block
// per image; every block lives until the arena goes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vyr {

class PixelArena {
 public:
  // A block of `bytes` bytes, aligned as the heap aligns, its contents undefined.
  uint8_t* Allocate(size_t bytes) {
    bytes = (bytes + kAlign - 1) / kAlign * kAlign;
#if defined(__SANITIZE_ADDRESS__)
    // Blocks of their own, so that the sanitizer sees a decoder overrun its image.
    return NewChunk(bytes);
#endif
    // A large image gets a chunk of its own, so a chunk's unused tail stays small.
    if (bytes > kChunkBytes / 4) return NewChunk(bytes);
    if (bytes > m_left) {
      m_next = NewChunk(kChunkBytes);
      m_left = kChunkBytes;
    }
    uint8_t* block = m_next;
    m_next += bytes;
    m_left -= bytes;
    return block;
  }

 private:
  static constexpr size_t kAlign = __STDCPP_DEFAULT_NEW_ALIGNMENT__;
  static constexpr size_t kChunkBytes = size_t(64) << 10;

  uint8_t* NewChunk(size_t bytes) {
    m_chunks.emplace_back(new uint8_t[bytes]);
    return m_chunks.back().get();
  }

  std::vector<std::unique_ptr<uint8_t[]>> m_chunks;
  uint8_t* m_next = nullptr;
  size_t m_left = 0;
};

}  // namespace vyr
