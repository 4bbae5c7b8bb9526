// Double tile attribute record: stored form, rectangle queries and resizing.
#include "world/double_attrib.h"

#include <algorithm>

namespace vyr {

int CDoubleAttrib::Load(ByteSpan stored, std::string* reason) {
  if (stored.size() < size_t(kStoredSize)) {
    if (reason) *reason = "double attribute record runs past the end of the file";
    return 0;
  }
  const uint8_t* p = stored.data();
  m_tileWidth = LoadI32(p + 8);
  m_tileHeight = LoadI32(p + 12);
  m_outside = LoadI32(p + 16);
  m_inside = LoadI32(p + 20);
  m_left = LoadI32(p + 24);
  m_top = LoadI32(p + 28);
  m_right = LoadI32(p + 32);
  m_bottom = LoadI32(p + 36);
  return 1;
}

int32_t CDoubleAttrib::AttributeAt(int32_t x, int32_t y) const {
  return InColumns(x) && InRows(y) ? m_inside : m_outside;
}

// Along a row the inside run is [left, right]; from the right of it the first change
// going left is its right edge, from within it the pixel just left of it.
int CDoubleAttrib::NextChangeLeft(int32_t x, int32_t y, int32_t& xOut, int32_t& attribOut) const {
  if (!InRows(y) || x < m_left) return 0;
  if (x > m_right) {
    xOut = m_right;
    attribOut = m_inside;
    return 1;
  }
  if (m_left <= 0) return 0;
  xOut = m_left - 1;
  attribOut = m_outside;
  return 1;
}

int CDoubleAttrib::FindLeft(int32_t x, int32_t y, int32_t attrib, int32_t& xOut) const {
  if (!InRows(y) || x < m_left) return 0;
  if (x > m_right) {
    if (attrib != m_inside) return 0;
    xOut = m_right;
    return 1;
  }
  if (m_left <= 0 || attrib != m_outside) return 0;
  xOut = m_left - 1;
  return 1;
}

int CDoubleAttrib::NextChangeUp(int32_t x, int32_t y, int32_t& yOut, int32_t& attribOut) const {
  if (!InColumns(x) || y < m_top) return 0;
  if (y > m_bottom) {
    yOut = m_bottom;
    attribOut = m_inside;
    return 1;
  }
  if (m_top <= 0) return 0;
  yOut = m_top - 1;
  attribOut = m_outside;
  return 1;
}

int CDoubleAttrib::FindUp(int32_t x, int32_t y, int32_t attrib, int32_t& yOut) const {
  if (!InColumns(x) || y < m_top) return 0;
  if (y > m_bottom) {
    if (attrib != m_inside) return 0;
    yOut = m_bottom;
    return 1;
  }
  if (m_top <= 0 || attrib != m_outside) return 0;
  yOut = m_top - 1;
  return 1;
}

// Stored sizes may be anything: the edge tests are taken in 64 bits so they cannot overflow.
int CDoubleAttrib::NextChangeRight(int32_t x, int32_t y, int32_t& xOut, int32_t& attribOut) const {
  if (!InRows(y) || x > m_right) return 0;
  if (x < m_left) {
    xOut = m_left;
    attribOut = m_inside;
    return 1;
  }
  if (int64_t(m_right) >= int64_t(m_tileWidth) - 1) return 0;
  xOut = m_right + 1;
  attribOut = m_outside;
  return 1;
}

int CDoubleAttrib::FindRight(int32_t x, int32_t y, int32_t attrib, int32_t& xOut) const {
  if (!InRows(y) || x > m_right) return 0;
  if (x < m_left) {
    if (attrib != m_inside) return 0;
    xOut = m_left;
    return 1;
  }
  if (int64_t(m_right) >= int64_t(m_tileWidth) - 1 || attrib != m_outside) return 0;
  xOut = m_right + 1;
  return 1;
}

int CDoubleAttrib::NextChangeDown(int32_t x, int32_t y, int32_t& yOut, int32_t& attribOut) const {
  if (!InColumns(x) || y > m_bottom) return 0;
  if (y < m_top) {
    yOut = m_top;
    attribOut = m_inside;
    return 1;
  }
  if (int64_t(m_bottom) >= int64_t(m_tileHeight) - 1) return 0;
  yOut = m_bottom + 1;
  attribOut = m_outside;
  return 1;
}

int CDoubleAttrib::FindDown(int32_t x, int32_t y, int32_t attrib, int32_t& yOut) const {
  if (!InColumns(x) || y > m_bottom) return 0;
  if (y < m_top) {
    if (attrib != m_inside) return 0;
    yOut = m_top;
    return 1;
  }
  if (int64_t(m_bottom) >= int64_t(m_tileHeight) - 1 || attrib != m_outside) return 0;
  yOut = m_bottom + 1;
  return 1;
}

void CDoubleAttrib::Store(ByteWriter& out) const {
  StoreHeader(out);
  out.I32(m_outside);
  out.I32(m_inside);
  out.I32(m_left);
  out.I32(m_top);
  out.I32(m_right);
  out.I32(m_bottom);
}

namespace {

// One side of the rectangle multiplied by multiply / divide in 64 bits. The far edge is
// inclusive: growing, it lands on the last pixel its old pixel became, so a full-size
// rectangle stays full-size. Both ends end up inside the new size.
void RescaleSpan(int32_t& low, int32_t& high, int64_t multiply, int64_t divide, int32_t newSize) {
  const int64_t newLow = int64_t(low) * multiply / divide;
  const int64_t newHigh =
      multiply > divide ? (int64_t(high) + 1) * multiply / divide - 1 : int64_t(high) * multiply / divide;
  const int64_t last = std::max<int64_t>(int64_t(newSize) - 1, 0);
  low = int32_t(std::clamp<int64_t>(newLow, 0, last));
  high = int32_t(std::clamp<int64_t>(newHigh, 0, last));
}

}  // namespace

int CDoubleAttrib::ResizeTo(int32_t width, int32_t height) {
  // A record without a positive size has no proportion to keep: its rectangle stays.
  if (width != m_tileWidth) {
    if (m_tileWidth > 0 && width > 0) RescaleSpan(m_left, m_right, width, m_tileWidth, width);
    m_tileWidth = width;
  }
  if (height != m_tileHeight) {
    if (m_tileHeight > 0 && height > 0) RescaleSpan(m_top, m_bottom, height, m_tileHeight, height);
    m_tileHeight = height;
  }
  return 1;
}

int CDoubleAttrib::Scale(int32_t percent) {
  int32_t width = 0, height = 0;
  if (!ScaledSize(m_tileWidth, m_tileHeight, percent, width, height)) return 0;
  RescaleSpan(m_left, m_right, percent, 100, width);
  RescaleSpan(m_top, m_bottom, percent, 100, height);
  m_tileWidth = width;
  m_tileHeight = height;
  return 1;
}

std::unique_ptr<CTileAttrib> CDoubleAttrib::Clone() const { return std::make_unique<CDoubleAttrib>(*this); }

}  // namespace vyr
