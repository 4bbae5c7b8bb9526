// CPlane::Draw and DrawObjects: the plane's visible cells, then its objects, into an 8-bit surface.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/saturate.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "world/game_object.h"
#include "world/plane.h"

namespace vyr {

// Cells are found by dividing by the tile size. For tile sizes that are powers of two this
// is the right shift by the column and row shifts; for other sizes the shift would cut the
// first cell short and misplace the rest.
int CPlane::Draw(CDibG& surface) const {
  if (!IsValid() || !surface.IsCreated() || m_tileWidth <= 0 || m_tileHeight <= 0) return 0;
  const int64_t tileWidth = m_tileWidth;
  const int64_t tileHeight = m_tileHeight;
  const int64_t left = m_visibleRect.left;
  const int64_t top = m_visibleRect.top;
  const int64_t right = m_visibleRect.right;
  const int64_t bottom = m_visibleRect.bottom;
  if (left < 0 || top < 0 || right < left || bottom < top) return 1;

  const int64_t firstColumn = left / tileWidth;
  const int64_t lastColumn = right / tileWidth;
  const int64_t firstRow = top / tileHeight;
  const int64_t lastRow = bottom / tileHeight;
  // Pixels of the first column (row) still in view.
  const int64_t firstWidth = (firstColumn + 1) * tileWidth - left;
  const int64_t firstHeight = (firstRow + 1) * tileHeight - top;
  const int64_t screenX = m_screenRect.left;
  const int64_t screenY = m_screenRect.top;
  const uint8_t fillColour = uint8_t(m_fillColour & 0xFF);

  for (int64_t row = firstRow; row <= lastRow && row < m_height; ++row) {
    const int64_t y = row == firstRow ? screenY : screenY + firstHeight + (row - firstRow - 1) * tileHeight;
    if (y >= surface.Height()) break;  // every later row lies below the surface too
    const int32_t sourceTop = int32_t(row == firstRow ? tileHeight - firstHeight : 0);
    const int32_t* cells = m_tiles.data() + RowStart(int32_t(row));
    for (int64_t column = firstColumn; column <= lastColumn && column < m_width; ++column) {
      const int64_t x = column == firstColumn ? screenX : screenX + firstWidth + (column - firstColumn - 1) * tileWidth;
      if (x >= surface.Width()) break;
      const int32_t value = cells[column];
      if (value == kEmptyTile) continue;
      const int32_t sourceLeft = int32_t(column == firstColumn ? tileWidth - firstWidth : 0);
      // The part of the cell still to show; the surface clips what lies beyond its edges.
      const CRect source{sourceLeft, sourceTop, m_tileWidth, m_tileHeight};
      if (value == kColourTile) {
        surface.FillRectAt(int32_t(x), int32_t(y), source, fillColour);
        continue;
      }
      // Tiles are copied straight into their cell: no hot spot, never mirrored; a value
      // whose set or image is missing leaves the cell as it is.
      if (const CImage* image = LookupTileImage(value))
        surface.DrawRect(int32_t(x), int32_t(y), image->Surface(), source, image->m_transparent);
    }
  }
  return 1;
}

void CPlane::DrawObjects(CDibG& surface, const CImageSetTable* imageSets, int32_t originX, int32_t originY) {
  if (!surface.IsCreated()) return;
  // Sets may have been reloaded since the last drawing: every cached image could be stale.
  // Those out of sight are looked up (and their bounds renewed) when they come into view.
  ForgetCachedImages();
  // An imageless object's 32 x 32 box reaches 17 from its position.
  const int64_t reach = std::max<int64_t>(17, imageSets ? imageSets->Reach() : 0);
  const int64_t left = int64_t(originX) - reach, right = int64_t(originX) + surface.Width() + reach;
  const int64_t top = int64_t(originY) - reach, bottom = int64_t(originY) + surface.Height() + reach;
  if (!imageSets) return;
  for (CGameObject* object : ObjectsAt(left, top, right, bottom)) {
    if (object->m_imageSet.empty()) continue;
    object->UpdateBounds(imageSets);
    const CImage* image = object->m_image;
    if (!image) continue;
    const int64_t x = int64_t(object->m_x) - (int64_t(object->m_imageWidth) >> 1) - originX;
    const int64_t y = int64_t(object->m_y) - (int64_t(object->m_imageHeight) >> 1) - originY;
    image->Draw(surface, Saturate(x), Saturate(y), object->m_drawFlags);
  }
}

}  // namespace vyr
