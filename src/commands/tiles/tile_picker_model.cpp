// TilePickerModel: the tile picker's list, selection, zoom and item geometry.
#include "commands/tiles/tile_picker_model.h"

#include <string>

#include "resources/image_set.h"

namespace vyr {

bool TilePickerModel::Build(const CImageSet* set) {
  Clear();
  if (!set) return false;
  for (int32_t number = 0; number < set->ImageCount(); ++number) {
    const CImage* image = set->GetImage(number);
    if (!image) continue;
    if (m_images.empty()) {
      m_firstWidth = image->m_width;
      m_firstHeight = image->m_height;
    }
    m_images.push_back(number);
  }
  if (m_images.empty()) return false;
  m_set = set;
  return true;
}

void TilePickerModel::Clear() {
  m_set = nullptr;
  m_images.clear();
  m_selected = -1;
  m_firstWidth = 0;
  m_firstHeight = 0;
}

int32_t TilePickerModel::ImageAt(int32_t index) const {
  return index >= 0 && index < Count() ? m_images[size_t(index)] : -1;
}

void TilePickerModel::Select(int32_t index) { m_selected = index >= 0 && index < Count() ? index : -1; }

bool TilePickerModel::SelectByPrefix(int32_t image) {
  const std::string prefix = std::to_string(image);
  for (int32_t index = 0; index < Count(); ++index) {
    if (std::to_string(m_images[size_t(index)]).starts_with(prefix)) {
      m_selected = index;
      return true;
    }
  }
  return false;
}

bool TilePickerModel::ZoomIn() {
  if (m_zoom >= kMaxZoom) return false;
  m_zoom *= 2;
  return true;
}

bool TilePickerModel::ZoomOut() {
  if (m_zoom <= kMinZoom) return false;
  m_zoom /= 2;
  return true;
}

int32_t TilePickerModel::ItemHeight() const { return int32_t(float(m_firstHeight) * m_zoom) + 2; }

int32_t TilePickerModel::ThumbnailWidth() const { return int32_t(float(m_firstWidth) * m_zoom); }

TilePickerItemLayout TilePickerModel::Layout(const CRect& itemRect, int32_t fontHeight) const {
  if (fontHeight <= 0) fontHeight = kDefaultFontHeight;
  // One pixel kept free above and below, so neighbouring frames never touch.
  const CRect inner{itemRect.left, itemRect.top + 1, itemRect.right, itemRect.bottom - 1};
  TilePickerItemLayout layout;
  layout.frame = CRect{inner.left, inner.top + 1, inner.right - 1, inner.bottom - 1};
  const int32_t width = ThumbnailWidth();
  if (width < itemRect.Width()) {
    layout.thumbnail = CRect{inner.left, inner.top + 1, inner.left + width, inner.bottom - 1};
    layout.showNumber = true;
    layout.textX = inner.left + width + 2;
    layout.textY = ItemHeight() / 2 + inner.top + 1 - fontHeight / 2;
  } else {
    layout.thumbnail = inner;
  }
  return layout;
}

}  // namespace vyr
