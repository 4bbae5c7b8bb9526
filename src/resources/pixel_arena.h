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
    if (kUnderSanitizer) return NewChunk(bytes);
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
  // Under the address sanitizer every block is a heap block of its own, so that it sees a
  // decoder overrun its image.
#if defined(__SANITIZE_ADDRESS__)
  static constexpr bool kUnderSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  static constexpr bool kUnderSanitizer = true;
#else
  static constexpr bool kUnderSanitizer = false;
#endif
#else
  static constexpr bool kUnderSanitizer = false;
#endif
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
