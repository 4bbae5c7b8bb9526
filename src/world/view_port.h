// What the document needs from the view it renders into. The editor's view widget
// implements it; headless tests use a recording fake.
#pragma once

#include <cstdint>

#include "platform/rect.h"
#include "world/selection_range.h"

namespace vyr {

class CDibG;
struct ViewDrawState;

inline constexpr int kTileMode = 1;
inline constexpr int kObjectMode = 2;

class IViewPort {
 public:
  virtual ~IViewPort() = default;

  // The 8-bit back buffer the size of the client area (of the window when the view draws
  // reduced), or null (window of 32 pixels
  // or less, or not built yet).
  virtual CDibG* Surface() = 0;
  // The divisor the surface is drawn at, its reduced images and dim mask; null for a view
  // that draws at 1:1 without them (a render then makes its own for the moment).
  virtual ViewDrawState* DrawState() { return nullptr; }
  // Drops the back buffer; the view rebuilds it when it is next sized.
  virtual void DestroySurface() = 0;
  // Re-reads the client size, rebuilds scroll sizes and the back buffer, hands the
  // view rectangle to the world and renders (the view's sizing step).
  virtual void Resize() = 0;

  virtual int32_t ScrollX() const = 0;
  virtual int32_t ScrollY() const = 0;
  virtual int32_t ClientWidth() const = 0;
  virtual int32_t ClientHeight() const = 0;
  virtual int EditMode() const = 0;  // kTileMode or kObjectMode
  // Whether a render draws the current plane's objects over its tiles (the view's mode
  // decides), and so whether their image sets are needed.
  virtual bool DrawsObjects() const = 0;
  virtual bool NoImages() const = 0;
  // "Bez Obrazów" on or off; takes effect with the next render.
  virtual void SetNoImages(bool on) = 0;
  // The other planes shown dimmed around the current one, each at its parallax scroll.
  virtual bool AllPlanes() const { return false; }

  // Clamp scroll, hand the origin to the current plane, render, sync scroll bars.
  virtual void RefreshView() = 0;
  // The current plane changed: re-size, cursor to cell (0, 0), render.
  virtual void CurrentPlaneChanged() = 0;
  virtual void HideCursor() = 0;
  virtual void MarkCursorHidden() = 0;
  virtual void Invalidate(bool erase) = 0;
  virtual void InvalidateRect(const CRect& clientRect, bool erase) = 0;
  virtual void UpdateNow() = 0;

  // The tile cursor, for the edits made at it and for undo. A view without one reports
  // cell (0, 0) and ignores the moves.
  virtual int32_t CursorColumn() const { return 0; }
  virtual int32_t CursorRow() const { return 0; }
  // Hides the cursor and moves it to the cell, clamped to the plane; no scrolling.
  virtual void MoveCursorTo(int32_t /*column*/, int32_t /*row*/) {}
  // After an edit at the cursor: one step right when the automatic cursor is on.
  virtual void AdvanceAutoCursor() {}
  // Sets the scroll origin without refreshing; callers follow with Resize or RefreshView.
  virtual void SetScroll(int32_t /*x*/, int32_t /*y*/) {}
  // The plane pixel under the mouse while it is over the view; false when it is not (a
  // command chosen from a menu or the toolbar).
  virtual bool MouseInView(int32_t& /*x*/, int32_t& /*y*/) const { return false; }
  // The plane pixel of the mouse wherever it is (negative left of or above the view);
  // false when the view cannot tell.
  virtual bool MouseWorldPixel(int32_t& /*x*/, int32_t& /*y*/) const { return false; }
  // Object mode's Shift-click range; null for a view without one.
  virtual ISelectionRangeSource* SelectionRanges() { return nullptr; }
  // Fills the cells selected in tile mode with `value` (kEmptyTile empties them) as one
  // step; false, doing nothing, when no cells are selected.
  virtual bool FillCellSelection(int32_t /*value*/) { return false; }
};

}  // namespace vyr
