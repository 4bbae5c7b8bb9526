// RID items (raw 8-bit rows padded to 4 bytes) into a surface.
#include <cstring>

#include "resources/dib.h"
#include "resources/image_formats.h"

namespace vyr {

bool CDibG::LoadRid(ByteSpan item, const CPalId* palette, std::string* reason) {
  Reset();
  PidHeader header;
  if (!ReadPidHeader(item, header, reason)) return false;
  if (header.width == 0 || header.height == 0 || header.width > uint32_t(kMaxSurfaceSide) ||
      header.height > uint32_t(kMaxSurfaceSide))
    return Fail(reason, "RID size " + std::to_string(header.width) + " x " + std::to_string(header.height) +
                            " is not usable");
  const uint64_t pitch = (uint64_t(header.width) + 3) / 4 * 4;
  if (!RangeFits(kPidHeaderSize, pitch * header.height, item.size()))
    return Fail(reason, "RID pixel data shorter than " + std::to_string(header.height) + " rows of " +
                            std::to_string(pitch) + " bytes");
  if (!Allocate(int32_t(header.width), int32_t(header.height), palette))
    return Fail(reason, "cannot make the surface");
  // Rows are stored top row first, padding included; each lands in its own surface row
  // whatever the order.
  for (int32_t y = 0; y < m_height; ++y)
    std::memcpy(RowPtr(y), item.data() + kPidHeaderSize + size_t(y) * size_t(m_pitch), size_t(m_pitch));
  return true;
}

}  // namespace vyr
