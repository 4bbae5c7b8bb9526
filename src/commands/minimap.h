// The minimap: the whole current plane reduced to fit a box, kept up to date cell by cell.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "commands/modes/edit_mode.h"
#include "platform/rect.h"
#include "world/document_observer.h"

namespace vyr {

class CImage;
class CPalId;
class CPlane;
class CWorldDoc;

// One pixel per block of k × k cells (k as small as fits the box), its colour the average of
// the cells' colours: an image cell the average of its image, a colour cell its fill colour,
// an empty or bad cell the background (palette index 255).
class CMinimap {
 public:
  // Draws the whole plane within maxWidth × maxHeight pixels.
  void Build(const CPlane& plane, const CPalId& palette, int32_t maxWidth, int32_t maxHeight);
  // Draws again only the pixels that hold the changed cells (inclusive).
  void UpdateCells(const CPlane& plane, const CPalId& palette, const CRect& cells);
  void Clear() { *this = CMinimap(); }
  bool Empty() const { return m_pixels.empty(); }

  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  int32_t CellsPerPixel() const { return m_cellsPerPixel; }
  // 0xFFRRGGBB, rows top first.
  const std::vector<uint32_t>& Pixels() const { return m_pixels; }

  // The view's rectangle in minimap pixels (right and bottom excluded, at least one pixel):
  // the view shows view pixels from (scrollX, scrollY), `clientWidth` × `clientHeight` of them.
  CRect ViewRect(int32_t scrollX, int32_t scrollY, int32_t clientWidth, int32_t clientHeight) const;
  // The view pixel at the centre of minimap pixel (x, y): where a click scrolls the view to.
  PixelPoint ViewPixelAt(int32_t x, int32_t y) const;

 private:
  uint32_t CellColour(const CPlane& plane, const CPalId& palette, int32_t value);
  void DrawBlock(const CPlane& plane, const CPalId& palette, int32_t x, int32_t y);

  int32_t m_width = 0;
  int32_t m_height = 0;
  int32_t m_cellsPerPixel = 1;
  int32_t m_tileWidth = 1;
  int32_t m_tileHeight = 1;
  std::vector<uint32_t> m_pixels;
  // Colours of image values by set and image number (0 not yet worked out).
  std::vector<std::vector<uint32_t>> m_colours;
  uint64_t m_generation = 0;
};

// The minimap of the document's current plane, following its change notices: a changed cell
// redraws its block only; a new plane, grid size or plane settings draw it all again, when
// next shown. While hidden it only notes that it is out of date.
class CMinimapModel final : private IDocumentObserver {
 public:
  CMinimapModel(CWorldDoc& document, int32_t maxWidth, int32_t maxHeight);
  ~CMinimapModel() override;
  CMinimapModel(const CMinimapModel&) = delete;
  CMinimapModel& operator=(const CMinimapModel&) = delete;

  void SetShown(bool shown) { m_shown = shown; }
  // Told after each change that altered the picture.
  void SetChangedListener(std::function<void()> listener) { m_changed = std::move(listener); }
  // The picture, drawn first when out of date (empty without a plane and palette).
  const CMinimap& Picture();

 private:
  void CurrentPlaneChanged() override { Stale(); }
  void ContentsReset() override { Stale(); }
  void WorldChanged(const ChangeNotice& notice) override;
  void Stale();

  CWorldDoc& m_document;
  int32_t m_maxWidth;
  int32_t m_maxHeight;
  CMinimap m_picture;
  bool m_stale = true;
  bool m_shown = false;
  std::function<void()> m_changed;
};

}  // namespace vyr
