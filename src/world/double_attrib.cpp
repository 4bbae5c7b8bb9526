// Double tile attribute record: stored form, rectangle queries and resizing.
#include "world/double_attrib.h"

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

int CDoubleAttrib::ResizeTo(int32_t width, int32_t height) {
  // A record of zero size has no proportion to keep: its rectangle stays as it is.
  if (width != m_tileWidth) {
    if (m_tileWidth != 0) {
      const double ratio = double(width) / double(m_tileWidth);
      m_left = TruncateToInt32(m_left * ratio);
      m_right = TruncateToInt32(m_right * ratio);
    }
    m_tileWidth = width;
  }
  if (height != m_tileHeight) {
    if (m_tileHeight != 0) {
      const double ratio = double(height) / double(m_tileHeight);
      m_top = TruncateToInt32(m_top * ratio);
      m_bottom = TruncateToInt32(m_bottom * ratio);
    }
    m_tileHeight = height;
  }
  return 1;
}

int CDoubleAttrib::Scale(float factor) {
  CTileAttrib::Scale(factor);
  m_left = TruncateToInt32(float(m_left) * factor);
  m_top = TruncateToInt32(float(m_top) * factor);
  m_right = TruncateToInt32(float(m_right) * factor);
  m_bottom = TruncateToInt32(float(m_bottom) * factor);
  return 1;
}

std::unique_ptr<CTileAttrib> CDoubleAttrib::Clone() const { return std::make_unique<CDoubleAttrib>(*this); }

}  // namespace vyr
