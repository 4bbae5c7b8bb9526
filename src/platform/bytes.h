// Little-endian reading and writing of file images; reads never leave their span.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

using ByteSpan = std::span<const uint8_t>;

// True when [offset, offset + length) lies inside a buffer of `size` bytes (no overflow).
inline bool RangeFits(uint64_t offset, uint64_t length, uint64_t size) {
  return offset <= size && length <= size - offset;
}

inline uint32_t LoadU32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline int32_t LoadI32(const uint8_t* p) { return int32_t(LoadU32(p)); }
inline uint16_t LoadU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

inline void StoreU32(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
  p[2] = uint8_t(v >> 16);
  p[3] = uint8_t(v >> 24);
}
inline void StoreI32(uint8_t* p, int32_t v) { StoreU32(p, uint32_t(v)); }
inline void StoreU16(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}

// Bounds-checked view of a byte image. Every accessor returns false (and leaves its
// output untouched) when the requested bytes do not lie inside the span.
class ByteReader {
 public:
  explicit ByteReader(ByteSpan bytes) : m_bytes(bytes) {}

  size_t Size() const { return m_bytes.size(); }
  ByteSpan Bytes() const { return m_bytes; }
  bool Has(uint64_t offset, uint64_t length) const { return RangeFits(offset, length, m_bytes.size()); }

  bool U32(uint64_t offset, uint32_t& out) const {
    if (!Has(offset, 4)) return false;
    out = LoadU32(m_bytes.data() + offset);
    return true;
  }
  bool I32(uint64_t offset, int32_t& out) const {
    if (!Has(offset, 4)) return false;
    out = LoadI32(m_bytes.data() + offset);
    return true;
  }
  bool U16(uint64_t offset, uint16_t& out) const {
    if (!Has(offset, 2)) return false;
    out = LoadU16(m_bytes.data() + offset);
    return true;
  }
  bool U8(uint64_t offset, uint8_t& out) const {
    if (!Has(offset, 1)) return false;
    out = m_bytes[offset];
    return true;
  }
  bool Sub(uint64_t offset, uint64_t length, ByteSpan& out) const {
    if (!Has(offset, length)) return false;
    out = m_bytes.subspan(size_t(offset), size_t(length));
    return true;
  }
  // A fixed-width NUL-terminated field: the text up to its NUL or the end of the field.
  bool FixedString(uint64_t offset, uint64_t width, std::string& out) const {
    if (!Has(offset, width)) return false;
    const char* p = reinterpret_cast<const char*>(m_bytes.data() + offset);
    out.assign(p, strnlen(p, size_t(width)));
    return true;
  }

 private:
  ByteSpan m_bytes;
};

// Growing little-endian image builder.
class ByteWriter {
 public:
  ByteWriter() = default;
  explicit ByteWriter(size_t reserve) { m_bytes.reserve(reserve); }

  size_t Position() const { return m_bytes.size(); }
  std::vector<uint8_t>& Bytes() { return m_bytes; }
  const std::vector<uint8_t>& Bytes() const { return m_bytes; }

  void U32(uint32_t v) {
    uint8_t b[4];
    StoreU32(b, v);
    m_bytes.insert(m_bytes.end(), b, b + 4);
  }
  void I32(int32_t v) { U32(uint32_t(v)); }
  void U16(uint16_t v) {
    m_bytes.push_back(uint8_t(v));
    m_bytes.push_back(uint8_t(v >> 8));
  }
  void U8(uint8_t v) { m_bytes.push_back(v); }
  void Raw(const void* data, size_t length) {
    const auto* p = static_cast<const uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), p, p + length);
  }
  void Zeros(size_t length) { m_bytes.resize(m_bytes.size() + length, 0); }
  // Writes `text` into a zero-filled field of `width` bytes, cut to width − 1 so the NUL fits.
  void FixedString(std::string_view text, size_t width) {
    const size_t n = text.size() < width ? text.size() : width - 1;
    Raw(text.data(), n);
    Zeros(width - n);
  }
  void PatchU32(size_t offset, uint32_t v) { StoreU32(m_bytes.data() + offset, v); }

 private:
  std::vector<uint8_t> m_bytes;
};

}  // namespace vyr
