// PID items: decoding both run codings into a surface, and our encoder.
#include <cstring>
#include <functional>

#include "resources/byte_runs.h"
#include "resources/dib.h"
#include "resources/image_formats.h"

namespace vyr {

namespace {

std::string RowText(int32_t row) { return "row " + std::to_string(row); }

// Runs are at most 127 bytes: fixed-size moves, the last one overlapping the one before,
// beat both a byte loop and the string instructions compilers pick for short copies.
inline void CopyShort(uint8_t* to, const uint8_t* from, size_t count) {
  if (count >= 16) {
    for (size_t i = 0; i + 16 < count; i += 16) std::memcpy(to + i, from + i, 16);
    std::memcpy(to + count - 16, from + count - 16, 16);
  } else if (count >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + count - 8, from + count - 8, 8);
  } else if (count >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + count - 4, from + count - 4, 4);
  } else {
    for (size_t i = 0; i < count; ++i) to[i] = from[i];
  }
}

inline void ZeroShort(uint8_t* to, size_t count) {
  static constexpr uint8_t kZeros[16] = {};
  if (count >= 16) {
    for (size_t i = 0; i + 16 < count; i += 16) std::memcpy(to + i, kZeros, 16);
    std::memcpy(to + count - 16, kZeros, 16);
  } else if (count >= 8) {
    std::memcpy(to, kZeros, 8);
    std::memcpy(to + count - 8, kZeros, 8);
  } else {
    for (size_t i = 0; i < count; ++i) to[i] = 0;
  }
}

}  // namespace

bool CDibG::LoadPid(ByteSpan item, const CPalId* palette, std::string* reason) {
  Reset();
  PidHeader header;
  if (!ReadPidHeader(item, header, reason)) return false;
  if (header.width == 0 || header.height == 0 || header.width > uint32_t(kMaxSurfaceSide) ||
      header.height > uint32_t(kMaxSurfaceSide))
    return Fail(reason, "PID size " + std::to_string(header.width) + " x " + std::to_string(header.height) +
                            " is not usable");
  // No code yields more than 127 pixels per byte: a larger image cannot be in the item.
  const uint64_t dataBytes = item.size() - kPidHeaderSize;
  if (uint64_t(header.width) * header.height > dataBytes * 127)
    return Fail(reason, "PID pixel data too short for its size");
  if (!Allocate(int32_t(header.width), int32_t(header.height), palette))
    return Fail(reason, "cannot make the surface");
  ClearPadding();

  const int32_t width = Width();
  const uint8_t* in = item.data();
  const size_t size = item.size();
  if (header.flags & kPidFlagTransparentRuns) {
    size_t position = kPidHeaderSize;
    int32_t row = 0;
    int32_t column = 0;
    uint8_t* out = RowPtr(0);
    while (row < m_height) {
      if (position >= size) return Fail(reason, "PID pixel data end in " + RowText(row));
      const uint8_t code = in[position++];
      const int32_t count = code & 0x7F;
      if (count > width - column) return Fail(reason, "PID run passes the end of " + RowText(row));
      if (code & 0x80) {
        ZeroShort(out + column, size_t(count));
      } else {
        if (size_t(count) > size - position) return Fail(reason, "PID literal run passes the end of the item");
        CopyShort(out + column, in + position, size_t(count));
        position += size_t(count);
      }
      column += count;
      if (column >= width) {
        column = 0;
        if (++row < m_height) out = RowPtr(row);
      }
    }
  } else {
    ByteRunDecoder decoder(item, kPidHeaderSize);
    for (int32_t row = 0; row < m_height; ++row)
      if (!decoder.Decode(RowPtr(row), size_t(width), false))
        return Fail(reason, "PID byte runs do not fill " + RowText(row) + " exactly");
  }
  return true;
}

namespace {

using RowSource = std::function<const uint8_t*(int32_t)>;

void EncodeTransparentRuns(const uint8_t* row, int32_t width, ByteWriter& out) {
  int32_t x = 0;
  while (x < width) {
    int32_t n = 0;
    if (row[x] == 0) {
      while (x + n < width && n < 127 && row[x + n] == 0) ++n;
      out.U8(uint8_t(0x80 + n));
    } else {
      while (x + n < width && n < 127 && row[x + n] != 0) ++n;
      out.U8(uint8_t(n));
      out.Raw(row + x, size_t(n));
    }
    x += n;
  }
}

void EncodeByteRuns(const uint8_t* row, int32_t width, ByteWriter& out) {
  int32_t x = 0;
  while (x < width) {
    const uint8_t value = row[x];
    int32_t n = 1;
    while (x + n < width && n < 63 && row[x + n] == value) ++n;
    if (n == 1 && value < 0xC0) {
      out.U8(value);
    } else {
      out.U8(uint8_t(0xC0 | n));
      out.U8(value);
    }
    x += n;
  }
}

std::vector<uint8_t> Encode(const RowSource& rowAt, int32_t width, int32_t height, const PidEncodeOptions& options) {
  if (width <= 0 || height <= 0) return {};
  uint32_t flags = 0;
  if (options.coding == PidCoding::TransparentRuns)
    flags |= kPidFlagTransparentRuns;
  else if (options.transparent)
    flags |= kPidFlagTransparent;
  const bool withPalette = options.paletteRgb.size() == 768;
  if (withPalette) flags |= kPidFlagPalette;

  ByteWriter out(kPidHeaderSize + size_t(width) * size_t(height) / 2 + 800);
  out.U32(options.word0);
  out.U32(flags);
  out.U32(uint32_t(width));
  out.U32(uint32_t(height));
  out.I32(options.offsetX);
  out.I32(options.offsetY);
  out.Zeros(8);
  for (int32_t y = 0; y < height; ++y) {
    if (options.coding == PidCoding::TransparentRuns)
      EncodeTransparentRuns(rowAt(y), width, out);
    else
      EncodeByteRuns(rowAt(y), width, out);
  }
  if (withPalette) out.Raw(options.paletteRgb.data(), 768);
  return std::move(out.Bytes());
}

}  // namespace

std::vector<uint8_t> EncodePid(const uint8_t* pixels, int32_t width, int32_t height, size_t stride,
                               const PidEncodeOptions& options) {
  return Encode([&](int32_t y) { return pixels + size_t(y) * stride; }, width, height, options);
}

std::vector<uint8_t> EncodePid(const CDibG& surface, const PidEncodeOptions& options) {
  if (!surface.IsCreated()) return {};
  return Encode([&](int32_t y) { return surface.RowPtr(y); }, surface.Width(), surface.Height(), options);
}

std::vector<uint8_t> EncodeRid(const uint8_t* pixels, int32_t width, int32_t height, size_t stride, uint32_t flags,
                               int32_t offsetX, int32_t offsetY) {
  if (width <= 0 || height <= 0) return {};
  const size_t pitch = (size_t(width) + 3) / 4 * 4;
  ByteWriter out(kPidHeaderSize + pitch * size_t(height));
  out.U32(0);
  out.U32(flags);
  out.U32(uint32_t(width));
  out.U32(uint32_t(height));
  out.I32(offsetX);
  out.I32(offsetY);
  out.Zeros(8);
  for (int32_t y = 0; y < height; ++y) {
    out.Raw(pixels + size_t(y) * stride, size_t(width));
    out.Zeros(pitch - size_t(width));
  }
  return std::move(out.Bytes());
}

}  // namespace vyr
