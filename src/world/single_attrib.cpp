// Single tile attribute record: stored form and queries.
#include "world/single_attrib.h"

namespace vyr {

CSingleAttrib::CSingleAttrib(int32_t width, int32_t height, int32_t attrib) : m_attrib(attrib) {
  m_tileWidth = width;
  m_tileHeight = height;
}

int CSingleAttrib::Load(ByteSpan stored, std::string* reason) {
  if (stored.size() < size_t(kStoredSize)) {
    if (reason) *reason = "single attribute record runs past the end of the file";
    return 0;
  }
  m_tileWidth = LoadI32(stored.data() + 8);
  m_tileHeight = LoadI32(stored.data() + 12);
  m_attrib = LoadI32(stored.data() + 16);
  return 1;
}

int32_t CSingleAttrib::AttributeAt(int32_t, int32_t) const { return m_attrib; }

void CSingleAttrib::Store(ByteWriter& out) const {
  StoreHeader(out);
  out.I32(m_attrib);
}

std::unique_ptr<CTileAttrib> CSingleAttrib::Clone() const { return std::make_unique<CSingleAttrib>(*this); }

}  // namespace vyr
