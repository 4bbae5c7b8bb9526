// The tile attribute dialog's pictures, drawn on 8-bit surfaces of the plane's tile size.
#include "commands/attributes/attrib_preview.h"

#include <algorithm>

#include "resources/image_set.h"
#include "world/double_attrib.h"
#include "world/mask_attrib.h"

namespace vyr {

namespace {

// Inverts columns left..right and rows top..bottom (inclusive), clipped to the surface.
void InvertRect(CDibG& surface, int64_t left, int64_t top, int64_t right, int64_t bottom) {
  const int64_t x0 = std::max<int64_t>(left, 0), x1 = std::min<int64_t>(right, surface.Width() - 1);
  const int64_t y0 = std::max<int64_t>(top, 0), y1 = std::min<int64_t>(bottom, surface.Height() - 1);
  for (int64_t y = y0; y <= y1; ++y) {
    uint8_t* row = surface.RowPtr(int32_t(y));
    for (int64_t x = x0; x <= x1; ++x) row[x] = uint8_t(255 - row[x]);
  }
}

}  // namespace

void DrawAttribImage(CDibG& view, const CImage* image) {
  if (!view.IsCreated()) return;
  view.Fill(0);
  if (image && image->Surface().IsCreated()) view.Draw(0, 0, image->Surface(), false);
}

void DrawAttribPreview(CDibG& preview, const CDibG& imageView, const CTileAttrib& record) {
  if (!preview.IsCreated()) return;
  if (record.Kind() == kAttribKindMask) {
    const auto& mask = static_cast<const CMaskAttrib&>(record);
    preview.Fill(0);
    if (mask.Pixels().size() != size_t(mask.ByteCount())) return;
    const int32_t width = std::min(mask.m_tileWidth, preview.Width());
    const int32_t height = std::min(mask.m_tileHeight, preview.Height());
    for (int32_t y = 0; y < height; ++y)
      std::copy_n(mask.Pixels().data() + size_t(y) * size_t(mask.m_tileWidth), width, preview.RowPtr(y));
    return;
  }
  if (!preview.CopyFrom(imageView, false)) return;
  if (record.Kind() == kAttribKindDouble) {
    const auto& d = static_cast<const CDoubleAttrib&>(record);
    InvertRect(preview, d.m_left, d.m_top, d.m_right, d.m_bottom);
  } else {
    InvertRect(preview, 0, 0, preview.Width() - 1, preview.Height() - 1);
  }
}

}  // namespace vyr
