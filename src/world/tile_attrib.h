// Tile attribute records (one per image number): the common base and the kind factory.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/bytes.h"

namespace vyr {

// Attribute values a tile pixel can carry (masks may hold any byte).
inline constexpr int32_t kAttribFree = 0;
inline constexpr int32_t kAttribBlock = 1;
inline constexpr int32_t kAttribFloor = 2;
inline constexpr int32_t kAttribLadder = 3;
inline constexpr int32_t kAttribDeadly = 4;

inline constexpr int32_t kAttribKindSingle = 1;
inline constexpr int32_t kAttribKindDouble = 2;
inline constexpr int32_t kAttribKindMask = 3;

// Every stored record starts with kind, 0, tile width, tile height.
inline constexpr size_t kAttribRecordHeaderSize = 16;

class CTileAttrib {
 public:
  virtual ~CTileAttrib() = default;

  // Fills the record from its stored form at the start of `stored`; 0 (with a reason
  // when asked) when the span is too short or the stored size is not acceptable.
  virtual int Load(ByteSpan stored, std::string* reason = nullptr) = 0;
  virtual void FreeData() {}
  virtual int Kind() const = 0;
  virtual int32_t AttributeAt(int32_t x, int32_t y) const = 0;
  virtual int32_t StoredSize() const = 0;

  // Edge queries: return 1 and fill the outputs when found, 0 (outputs untouched) otherwise.
  virtual int NextChangeLeft(int32_t x, int32_t y, int32_t& xOut, int32_t& attribOut) const;
  virtual int FindLeft(int32_t x, int32_t y, int32_t attrib, int32_t& xOut) const;
  virtual int NextChangeUp(int32_t x, int32_t y, int32_t& yOut, int32_t& attribOut) const;
  virtual int FindUp(int32_t x, int32_t y, int32_t attrib, int32_t& yOut) const;
  virtual int NextChangeRight(int32_t x, int32_t y, int32_t& xOut, int32_t& attribOut) const;
  virtual int FindRight(int32_t x, int32_t y, int32_t attrib, int32_t& xOut) const;
  virtual int NextChangeDown(int32_t x, int32_t y, int32_t& yOut, int32_t& attribOut) const;
  virtual int FindDown(int32_t x, int32_t y, int32_t attrib, int32_t& yOut) const;

  // Stores the size (a mask also makes a new zero-filled pixel array). Returns 0 and
  // changes nothing when the size cannot be held (only masks refuse).
  virtual int SetSize(int32_t width, int32_t height);
  // Appends the stored form (StoredSize bytes).
  virtual void Store(ByteWriter& out) const = 0;
  // Both return 1 on success, 0 when the record refuses the new size and stays as it was.
  virtual int ResizeTo(int32_t width, int32_t height);
  // Multiplies by percent / 100 in integers (a float factor gives 9 for 10 % of 100); a
  // size that would fall below 1 is refused.
  virtual int Scale(int32_t percent);

  virtual std::unique_ptr<CTileAttrib> Clone() const = 0;

  int32_t m_tileWidth = 0;
  int32_t m_tileHeight = 0;

 protected:
  CTileAttrib() = default;
  CTileAttrib(const CTileAttrib&) = default;
  CTileAttrib& operator=(const CTileAttrib&) = default;
  // Writes kind, 0, width, height.
  void StoreHeader(ByteWriter& out) const;
};

// A new, empty record of the stored kind (1 single, 2 double, 3 mask), or null for any other kind.
std::unique_ptr<CTileAttrib> MakeTileAttrib(int32_t kind);

// v · percent / 100 in 64 bits, truncated toward zero and saturated to int32.
int32_t ScaleByPercent(int32_t value, int32_t percent);
// The new tile size for Scale, or false when either side would fall below 1.
bool ScaledSize(int32_t width, int32_t height, int32_t percent, int32_t& newWidth, int32_t& newHeight);

}  // namespace vyr
