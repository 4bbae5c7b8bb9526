// Double tile attribute record: an inside attribute within a rectangle, an outside one elsewhere.
#pragma once

#include "world/tile_attrib.h"

namespace vyr {

class CDoubleAttrib : public CTileAttrib {
 public:
  static constexpr int32_t kStoredSize = 40;

  CDoubleAttrib() = default;

  int Load(ByteSpan stored, std::string* reason = nullptr) override;
  int Kind() const override { return kAttribKindDouble; }
  int32_t AttributeAt(int32_t x, int32_t y) const override;
  int32_t StoredSize() const override { return kStoredSize; }

  int NextChangeLeft(int32_t x, int32_t y, int32_t& xOut, int32_t& attribOut) const override;
  int FindLeft(int32_t x, int32_t y, int32_t attrib, int32_t& xOut) const override;
  int NextChangeUp(int32_t x, int32_t y, int32_t& yOut, int32_t& attribOut) const override;
  int FindUp(int32_t x, int32_t y, int32_t attrib, int32_t& yOut) const override;
  int NextChangeRight(int32_t x, int32_t y, int32_t& xOut, int32_t& attribOut) const override;
  int FindRight(int32_t x, int32_t y, int32_t attrib, int32_t& xOut) const override;
  int NextChangeDown(int32_t x, int32_t y, int32_t& yOut, int32_t& attribOut) const override;
  int FindDown(int32_t x, int32_t y, int32_t attrib, int32_t& yOut) const override;

  void Store(ByteWriter& out) const override;
  int ResizeTo(int32_t width, int32_t height) override;
  int Scale(int32_t percent) override;
  std::unique_ptr<CTileAttrib> Clone() const override;

  int32_t m_outside = 0;
  int32_t m_inside = 1;
  // Inclusive rectangle of the inside attribute.
  int32_t m_left = 0;
  int32_t m_top = 0;
  int32_t m_right = 0;
  int32_t m_bottom = 0;

 private:
  bool InRows(int32_t y) const { return y >= m_top && y <= m_bottom; }
  bool InColumns(int32_t x) const { return x >= m_left && x <= m_right; }
};

}  // namespace vyr
