// TilePickerModel: the tile picker's list without a window: filled slots in number order, selection, zoom and item geometry.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/rect.h"

namespace vyr {

class CImageSet;

// Where one item draws: the frame (white, red when selected), the stretched image and,
// when the image leaves room, its number.
struct TilePickerItemLayout {
  CRect frame;
  CRect thumbnail;
  bool showNumber = false;
  int32_t textX = 0;
  int32_t textY = 0;
};

class TilePickerModel {
 public:
  static constexpr float kMinZoom = 0.25f;
  static constexpr float kMaxZoom = 1.0f;
  static constexpr float kStartZoom = 0.5f;
  // The height the item text is centred with when the font gives none.
  static constexpr int32_t kDefaultFontHeight = 18;

  // Lists the numbers of `set`'s filled slots in order; the selection is cleared. False
  // (and an empty list) without a set or without an image in it.
  bool Build(const CImageSet* set);
  void Clear();
  const CImageSet* Set() const { return m_set; }
  const std::vector<int32_t>& Images() const { return m_images; }
  int32_t Count() const { return int32_t(m_images.size()); }
  // The image number of item `index`, or -1 outside the list.
  int32_t ImageAt(int32_t index) const;

  // -1 when nothing is selected.
  int32_t SelectedIndex() const { return m_selected; }
  int32_t SelectedImage() const { return ImageAt(m_selected); }
  // Selects item `index` (-1 or outside: nothing selected).
  void Select(int32_t index);
  // Selects the first item whose decimal text begins with that of `image`, searching from
  // the top; false, leaving the selection, when none does.
  bool SelectByPrefix(int32_t image);

  float Zoom() const { return m_zoom; }
  // Doubles up to 1 or halves down to 0.25; false when already there. The selected index
  // is kept, so the list rebuilt at the new size shows the same item selected.
  bool ZoomIn();
  bool ZoomOut();

  // Every item is as high as the set's lowest-numbered image at the zoom, plus 2.
  int32_t ItemHeight() const;
  int32_t ThumbnailWidth() const;
  // Item `itemRect` (as wide as the list's client area) with a font `fontHeight` pixels high.
  TilePickerItemLayout Layout(const CRect& itemRect, int32_t fontHeight) const;

 private:
  const CImageSet* m_set = nullptr;
  std::vector<int32_t> m_images;
  int32_t m_selected = -1;
  int32_t m_firstWidth = 0;
  int32_t m_firstHeight = 0;
  float m_zoom = kStartZoom;
};

}  // namespace vyr
