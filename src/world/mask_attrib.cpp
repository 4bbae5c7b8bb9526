// Mask tile attribute record: stored form, per-pixel queries and resampling.
#include "world/mask_attrib.h"

#include <algorithm>
#include <limits>

namespace vyr {

namespace {
// Largest pixel count whose record length (16 + count) still fits an int32.
constexpr int64_t kMaxMaskBytes = int64_t(std::numeric_limits<int32_t>::max()) - int64_t(kAttribRecordHeaderSize);
}  // namespace

int32_t CMaskAttrib::ShiftFor(int32_t height) {
  int32_t shift = 0;
  for (int32_t h = height; h > 1; h >>= 1) ++shift;
  return shift;
}

bool CMaskAttrib::SizeFits(int32_t width, int32_t height) {
  if (height < 0) return false;
  const int32_t shift = ShiftFor(height);
  return shift < 31 && width == (int32_t(1) << shift) && int64_t(width) * int64_t(height) <= kMaxMaskBytes;
}

int CMaskAttrib::Load(ByteSpan stored, std::string* reason) {
  if (stored.size() < kAttribRecordHeaderSize) {
    if (reason) *reason = "mask attribute record runs past the end of the file";
    return 0;
  }
  const int32_t width = LoadI32(stored.data() + 8);
  const int32_t height = LoadI32(stored.data() + 12);
  if (!SizeFits(width, height)) {
    if (reason) {
      *reason = "mask attribute record of " + std::to_string(width) + " x " + std::to_string(height) +
                ": its width is not 2 to the power floor(log2 height)";
    }
    return 0;
  }
  const int64_t count = int64_t(width) * int64_t(height);
  if (uint64_t(count) > stored.size() - kAttribRecordHeaderSize) {
    if (reason) {
      *reason = "mask attribute record of " + std::to_string(width) + " x " + std::to_string(height) +
                " runs past the end of the file";
    }
    return 0;
  }
  m_tileWidth = width;
  m_tileHeight = height;
  m_shift = ShiftFor(height);
  m_byteCount = int32_t(count);
  m_pixels.assign(stored.begin() + kAttribRecordHeaderSize, stored.begin() + kAttribRecordHeaderSize + count);
  return 1;
}

void CMaskAttrib::FreeData() {
  // The size stays, so the record still stores (as zeros) in its full length.
  m_pixels.clear();
  m_pixels.shrink_to_fit();
}

int32_t CMaskAttrib::AttributeAt(int32_t x, int32_t y) const {
  if (!Contains(x, y) || m_pixels.empty()) return 0;
  return Pixel(x, y);
}

// The mask queries only look at pixels inside the mask; a change query needs its start
// pixel inside, a find query starts from the nearest pixel inside along its direction.
int CMaskAttrib::NextChangeLeft(int32_t x, int32_t y, int32_t& xOut, int32_t& attribOut) const {
  if (!Contains(x, y) || m_pixels.empty()) return 0;
  const uint8_t here = Pixel(x, y);
  for (int32_t i = x - 1; i >= 0; --i) {
    if (Pixel(i, y) != here) {
      xOut = i;
      attribOut = Pixel(i, y);
      return 1;
    }
  }
  return 0;
}

int CMaskAttrib::FindLeft(int32_t x, int32_t y, int32_t attrib, int32_t& xOut) const {
  if (y < 0 || y >= m_tileHeight || m_pixels.empty()) return 0;
  for (int32_t i = int32_t(std::min(int64_t(x) - 1, int64_t(m_tileWidth) - 1)); i >= 0; --i) {
    if (Pixel(i, y) == attrib) {
      xOut = i;
      return 1;
    }
  }
  return 0;
}

int CMaskAttrib::NextChangeUp(int32_t x, int32_t y, int32_t& yOut, int32_t& attribOut) const {
  if (!Contains(x, y) || m_pixels.empty()) return 0;
  const uint8_t here = Pixel(x, y);
  for (int32_t j = y - 1; j >= 0; --j) {
    if (Pixel(x, j) != here) {
      yOut = j;
      attribOut = Pixel(x, j);
      return 1;
    }
  }
  return 0;
}

int CMaskAttrib::FindUp(int32_t x, int32_t y, int32_t attrib, int32_t& yOut) const {
  if (x < 0 || x >= m_tileWidth || m_pixels.empty()) return 0;
  for (int32_t j = int32_t(std::min(int64_t(y) - 1, int64_t(m_tileHeight) - 1)); j >= 0; --j) {
    if (Pixel(x, j) == attrib) {
      yOut = j;
      return 1;
    }
  }
  return 0;
}

int CMaskAttrib::NextChangeRight(int32_t x, int32_t y, int32_t& xOut, int32_t& attribOut) const {
  if (!Contains(x, y) || m_pixels.empty()) return 0;
  const uint8_t here = Pixel(x, y);
  for (int32_t i = x + 1; i < m_tileWidth; ++i) {
    if (Pixel(i, y) != here) {
      xOut = i;
      attribOut = Pixel(i, y);
      return 1;
    }
  }
  return 0;
}

int CMaskAttrib::FindRight(int32_t x, int32_t y, int32_t attrib, int32_t& xOut) const {
  if (y < 0 || y >= m_tileHeight || m_pixels.empty()) return 0;
  for (int32_t i = int32_t(std::max(int64_t(x) + 1, int64_t(0))); i < m_tileWidth; ++i) {
    if (Pixel(i, y) == attrib) {
      xOut = i;
      return 1;
    }
  }
  return 0;
}

int CMaskAttrib::NextChangeDown(int32_t x, int32_t y, int32_t& yOut, int32_t& attribOut) const {
  if (!Contains(x, y) || m_pixels.empty()) return 0;
  const uint8_t here = Pixel(x, y);
  for (int32_t j = y + 1; j < m_tileHeight; ++j) {
    if (Pixel(x, j) != here) {
      yOut = j;
      attribOut = Pixel(x, j);
      return 1;
    }
  }
  return 0;
}

int CMaskAttrib::FindDown(int32_t x, int32_t y, int32_t attrib, int32_t& yOut) const {
  if (x < 0 || x >= m_tileWidth || m_pixels.empty()) return 0;
  for (int32_t j = int32_t(std::max(int64_t(y) + 1, int64_t(0))); j < m_tileHeight; ++j) {
    if (Pixel(x, j) == attrib) {
      yOut = j;
      return 1;
    }
  }
  return 0;
}

int CMaskAttrib::SetSize(int32_t width, int32_t height) {
  if (width < 0 || height < 0 || int64_t(width) * int64_t(height) > kMaxMaskBytes) return 0;
  m_tileWidth = width;
  m_tileHeight = height;
  m_shift = ShiftFor(height);
  m_byteCount = width * height;
  m_pixels.assign(size_t(m_byteCount), 0);
  return 1;
}

int CMaskAttrib::TakePixels(int32_t width, int32_t height, std::vector<uint8_t> pixels) {
  if (width < 0 || height < 0 || pixels.size() != uint64_t(width) * uint64_t(height)) return 0;
  if (!SetSize(width, height)) return 0;
  m_pixels = std::move(pixels);
  return 1;
}

void CMaskAttrib::Store(ByteWriter& out) const {
  StoreHeader(out);
  if (m_pixels.size() == size_t(m_byteCount)) {
    out.Raw(m_pixels.data(), m_pixels.size());
  } else {
    out.Zeros(size_t(m_byteCount));  // freed pixels: keep the record as long as its size says
  }
}

int CMaskAttrib::ResizeTo(int32_t width, int32_t height) {
  if (!SizeFits(width, height)) return 0;
  if (width == m_tileWidth && height == m_tileHeight && m_pixels.size() == size_t(m_byteCount)) return 1;
  std::vector<uint8_t> resized(size_t(width) * size_t(height), 0);
  const int64_t oldWidth = m_tileWidth;
  const int64_t oldHeight = m_tileHeight;
  if (oldWidth > 0 && oldHeight > 0 && m_pixels.size() >= size_t(oldWidth * oldHeight)) {
    for (int64_t y = 0; y < height; ++y) {
      const int64_t sy = y * oldHeight / height;
      const uint8_t* sourceRow = m_pixels.data() + sy * oldWidth;
      uint8_t* row = resized.data() + y * width;
      for (int64_t x = 0; x < width; ++x) row[x] = sourceRow[x * oldWidth / width];
    }
  }
  m_tileWidth = width;
  m_tileHeight = height;
  m_shift = ShiftFor(height);
  m_byteCount = width * height;
  m_pixels = std::move(resized);
  return 1;
}

int CMaskAttrib::Scale(int32_t percent) {
  int32_t width = 0, height = 0;
  return ScaledSize(m_tileWidth, m_tileHeight, percent, width, height) ? ResizeTo(width, height) : 0;
}

std::unique_ptr<CTileAttrib> CMaskAttrib::Clone() const { return std::make_unique<CMaskAttrib>(*this); }

}  // namespace vyr
