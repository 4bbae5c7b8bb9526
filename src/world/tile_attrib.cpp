// Tile attribute records: shared defaults of the base and the kind factory.
#include "world/tile_attrib.h"

#include "platform/saturate.h"
#include "world/double_attrib.h"
#include "world/mask_attrib.h"
#include "world/single_attrib.h"

namespace vyr {

int CTileAttrib::NextChangeLeft(int32_t, int32_t, int32_t&, int32_t&) const { return 0; }
int CTileAttrib::FindLeft(int32_t, int32_t, int32_t, int32_t&) const { return 0; }
int CTileAttrib::NextChangeUp(int32_t, int32_t, int32_t&, int32_t&) const { return 0; }
int CTileAttrib::FindUp(int32_t, int32_t, int32_t, int32_t&) const { return 0; }
int CTileAttrib::NextChangeRight(int32_t, int32_t, int32_t&, int32_t&) const { return 0; }
int CTileAttrib::FindRight(int32_t, int32_t, int32_t, int32_t&) const { return 0; }
int CTileAttrib::NextChangeDown(int32_t, int32_t, int32_t&, int32_t&) const { return 0; }
int CTileAttrib::FindDown(int32_t, int32_t, int32_t, int32_t&) const { return 0; }

int CTileAttrib::SetSize(int32_t width, int32_t height) {
  m_tileWidth = width;
  m_tileHeight = height;
  return 1;
}

int CTileAttrib::ResizeTo(int32_t width, int32_t height) {
  m_tileWidth = width;
  m_tileHeight = height;
  return 1;
}

int CTileAttrib::Scale(int32_t percent) {
  int32_t width = 0, height = 0;
  if (!ScaledSize(m_tileWidth, m_tileHeight, percent, width, height)) return 0;
  m_tileWidth = width;
  m_tileHeight = height;
  return 1;
}

void CTileAttrib::StoreHeader(ByteWriter& out) const {
  out.I32(Kind());
  out.I32(0);
  out.I32(m_tileWidth);
  out.I32(m_tileHeight);
}

std::unique_ptr<CTileAttrib> MakeTileAttrib(int32_t kind) {
  switch (kind) {
    case kAttribKindSingle: return std::make_unique<CSingleAttrib>();
    case kAttribKindDouble: return std::make_unique<CDoubleAttrib>();
    case kAttribKindMask: return std::make_unique<CMaskAttrib>();
    default: return nullptr;
  }
}

int32_t ScaleByPercent(int32_t value, int32_t percent) { return Saturate(int64_t(value) * percent / 100); }

bool ScaledSize(int32_t width, int32_t height, int32_t percent, int32_t& newWidth, int32_t& newHeight) {
  newWidth = ScaleByPercent(width, percent);
  newHeight = ScaleByPercent(height, percent);
  return newWidth >= 1 && newHeight >= 1;
}

}  // namespace vyr
