// IDocumentObserver: how the document tells the views, the tile picker and the dialogs above it what changed.
#pragma once

#include <cstdint>

#include "platform/rect.h"

namespace vyr {

class CPlane;

// What one user action, one undo or one redo changed, worked out from the parts it touched;
// sent once when it ends, however many cells it wrote.
struct ChangeNotice {
  const CPlane* cellsPlane = nullptr;    // the plane whose cells changed
  CRect cells;                           // those cells, inclusive (the whole grid after a resize)
  const CPlane* objectsPlane = nullptr;  // the plane whose objects were added, removed or changed
  bool planeStack = false;               // planes added, removed or reordered, or the object plane moved
  bool planeSettings = false;            // a plane's name, tile size, z, movement, colour, flags or sets
  bool header = false;                   // the world's properties
  bool attributes = false;               // the tile attribute table
  bool Any() const { return cellsPlane || objectsPlane || planeStack || planeSettings || header || attributes; }
  // Every cell of a plane of `columns` × `rows`.
  static ChangeNotice WholeGrid(const CPlane* plane, int32_t columns, int32_t rows) {
    ChangeNotice notice;
    notice.cellsPlane = plane;
    notice.cells = {0, 0, columns - 1, rows - 1};
    return notice;
  }
};

// Every notice has an empty default, so a listener overrides only what it shows.
class IDocumentObserver {
 public:
  virtual ~IDocumentObserver() = default;
  // Another plane (or none) became current; the current tile was reset for it.
  virtual void CurrentPlaneChanged() {}
  // The current image number changed.
  virtual void CurrentImageChanged(int32_t /*image*/) {}
  // The contents are about to be freed and rebuilt (a new or opened world, reloaded
  // resources): drop anything that points into them.
  virtual void ContentsReset() {}
  // An action, an undo or a redo changed the world: once each, when it ends.
  virtual void WorldChanged(const ChangeNotice& /*notice*/) {}
};

}  // namespace vyr
