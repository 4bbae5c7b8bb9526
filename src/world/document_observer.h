// IDocumentObserver: how the document tells the views, the tile picker and the dialogs above it what changed.
#pragma once

#include <cstdint>

#include "platform/rect.h"

namespace vyr {

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
  // Cells of the current plane changed (columns left … right, rows top … bottom, inclusive).
  virtual void CellsChanged(const CRect& /*cells*/) {}
  // Objects of the current plane were added, removed, moved or changed.
  virtual void ObjectsChanged() {}
};

// What the document asks of the layer that runs its dialogs.
class IDocumentServices {
 public:
  virtual ~IDocumentServices() = default;
  // Lets the user give new resource locations in the world information dialog; true when
  // the dialog ended with OK.
  virtual bool EditWorldInfo() = 0;
};

}  // namespace vyr
