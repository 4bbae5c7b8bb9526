// The world view's state and logic (sizing, scrolling, grid, blink, refresh), free of any window system; input goes to the current edit mode.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/modes/edit_mode.h"
#include "commands/modes/object_mode.h"
#include "commands/modes/tile_mode.h"
#include "commands/view_zoom.h"
#include "platform/rect.h"
#include "world/document_observer.h"
#include "world/plane_stack_draw.h"
#include "world/view_port.h"

namespace vyr {

class CDibG;
class CPalId;
class CWorldDoc;
class IInteractionPort;
class Profile;

// The current plane's geometry as the view needs it.
struct ViewPlane {
  int32_t columns = 0;
  int32_t rows = 0;
  int32_t tileWidth = 0;
  int32_t tileHeight = 0;
  int32_t columnShift = 0;
  int32_t rowShift = 0;
  int32_t pixelWidth = 0;
  int32_t pixelHeight = 0;
};

// The selected object as the object-mode selection frame needs it: centre, drawn size and
// the resolved image's hot-spot offsets (0, 0 without an image).
struct ViewObjectBox {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  int32_t offsetX = 0;
  int32_t offsetY = 0;
};

// What a change of the world means to the view: the cells of the current plane to draw
// again (inclusive), or nothing but a whole redraw; `layout` when the plane's size, the
// stack or a plane's settings may differ, so sizes and scroll bars are worked out again.
struct ViewChange {
  std::optional<CRect> cells;
  bool layout = false;
};

// What the view needs of the document. The editor adapts the real document to it; tests fake it.
class IViewDocument {
 public:
  virtual ~IViewDocument() = default;
  // A world that reports itself valid, with its resources open.
  virtual bool WorldLoaded() const = 0;
  // The current plane, or nothing.
  virtual std::optional<ViewPlane> CurrentPlane() const = 0;
  // Hands the scroll position to the current plane as its view origin and recomputes
  // its visible rectangle.
  virtual void SetPlaneOrigin(int32_t x, int32_t y) = 0;
  virtual void SetAllViewRects(const CRect& screenRect) = 0;
  // The document's palette when it exists and is valid, else null.
  virtual const CPalId* Palette() const = 0;
  virtual void RenderWorld(int invalidate) = 0;
  // Renders just that rectangle of the view's surface again.
  virtual void RenderArea(const CRect& /*surfaceArea*/) { RenderWorld(0); }
  // The selected object of the current plane (object mode), or nothing.
  virtual std::optional<ViewObjectBox> SelectedObject() const { return std::nullopt; }
  // The tile value at a cell of the current plane; nothing without one.
  virtual std::optional<int32_t> TileAt(CellPoint /*cell*/) const { return std::nullopt; }
  // Writes a tile value at a cell of the current plane with undo and redraw; false when
  // nothing was written.
  virtual bool SetTileAt(CellPoint /*cell*/, int32_t /*value*/) { return false; }
  // SetTileAt as part of the undo step of the write just before at the same cell.
  virtual bool ContinueTileAt(CellPoint cell, int32_t value) { return SetTileAt(cell, value); }
  // Whether the current image set holds that image.
  virtual bool ImageExists(int32_t /*image*/) const { return false; }
  // The current tile: its set, and selecting a set or an image (which the picker follows).
  virtual int32_t CurrentSet() const { return 0; }
  virtual void SelectSet(int32_t /*set*/) {}
  virtual void SelectImage(int32_t /*image*/) {}
  // The world's start position in pixels, or nothing without a world.
  virtual std::optional<PixelPoint> StartPosition() const { return std::nullopt; }
  // The world's profile section; empty for a world never saved.
  virtual std::string ProfileSection() const { return {}; }
  // Where the document's changes go, once per action, undo or redo (empty: nowhere).
  virtual void SetChangeListener(std::function<void(const ViewChange&)> /*listener*/) {}
};

// The real document as the view sees it.
class WorldDocViewSource final : public IViewDocument, private IDocumentObserver {
 public:
  explicit WorldDocViewSource(CWorldDoc& document);
  ~WorldDocViewSource() override;
  WorldDocViewSource(const WorldDocViewSource&) = delete;
  WorldDocViewSource& operator=(const WorldDocViewSource&) = delete;
  bool WorldLoaded() const override;
  std::optional<ViewPlane> CurrentPlane() const override;
  void SetPlaneOrigin(int32_t x, int32_t y) override;
  void SetAllViewRects(const CRect& screenRect) override;
  const CPalId* Palette() const override;
  void RenderWorld(int invalidate) override;
  void RenderArea(const CRect& surfaceArea) override;
  std::optional<ViewObjectBox> SelectedObject() const override;
  std::optional<int32_t> TileAt(CellPoint cell) const override;
  bool SetTileAt(CellPoint cell, int32_t value) override;
  bool ContinueTileAt(CellPoint cell, int32_t value) override;
  bool ImageExists(int32_t image) const override;
  int32_t CurrentSet() const override;
  void SelectSet(int32_t set) override;
  void SelectImage(int32_t image) override;
  std::optional<PixelPoint> StartPosition() const override;
  std::string ProfileSection() const override;
  void SetChangeListener(std::function<void(const ViewChange&)> listener) override { m_listener = std::move(listener); }

 private:
  void WorldChanged(const ChangeNotice& notice) override;

  CWorldDoc& m_document;
  std::function<void(const ViewChange&)> m_listener;
};

struct ViewScrollSizes {
  int32_t totalWidth = 0;
  int32_t totalHeight = 0;
  int32_t pageWidth = 0;
  int32_t pageHeight = 0;
  int32_t lineWidth = 0;
  int32_t lineHeight = 0;
};

// What the view needs of its window. The Qt widget implements it; tests record the calls.
class IViewWindow {
 public:
  virtual ~IViewWindow() = default;
  virtual int32_t ClientWidth() const = 0;
  virtual int32_t ClientHeight() const = 0;
  virtual void InvalidateAll(bool erase) = 0;
  virtual void InvalidateRect(const CRect& clientRect, bool erase) = 0;
  virtual void UpdateNow() = 0;
  // The scroll bars' extent: they reach from 0 to total − client on each axis.
  virtual void SetScrollSizes(const ViewScrollSizes& sizes) = 0;
  // Moves each bar whose position differs from the given one.
  virtual void SetScrollPositions(int32_t x, int32_t y) = 0;
  // The cursor frames inside `area` were shown or hidden: repaint that area.
  virtual void OverlayChanged(const CRect& area) = 0;
  // The mouse in client coordinates wherever it is on the screen; false when unknown.
  virtual bool CursorPosition(int32_t& /*x*/, int32_t& /*y*/) const { return false; }
};

// Pixel amounts of the custom moves, in the order Up, Down, Left, Right.
struct CustomMoves {
  int32_t up = 20;
  int32_t down = 20;
  int32_t left = 20;
  int32_t right = 20;
};

// Surfaces of this size or less in either direction are not made.
inline constexpr int32_t kMinSurfaceExtent = 32;
inline constexpr int kBlinkMilliseconds = 200;

class CWorldViewModel final : public IViewPort {
 public:
  // Reads Grid, WarpX, WarpY and the custom moves from the profile (when given) and writes
  // them back, with TileDialog, on destruction.
  explicit CWorldViewModel(Profile* profile = nullptr);
  ~CWorldViewModel() override;
  CWorldViewModel(const CWorldViewModel&) = delete;
  CWorldViewModel& operator=(const CWorldViewModel&) = delete;

  // Listens to the document's changes and draws what they touched.
  void SetDocument(IViewDocument* document);
  IViewDocument* Document() const { return m_document; }
  void SetWindow(IViewWindow* window) { m_window = window; }
  // Where the view's dialogs run (go-to, custom moves); they do nothing without one.
  void SetInteraction(IInteractionPort* port) { m_port = port; }
  IInteractionPort* Interaction() const { return m_port; }
  // How the view sends itself a command through the whole routing chain, as the mouse
  // edits do; without a sender they do nothing.
  void SetCommandSender(std::function<void(CommandId)> sender) { m_sendCommand = std::move(sender); }
  void SendCommand(CommandId id) const {
    if (m_sendCommand) m_sendCommand(id);
  }

  // How a mode switch reaches the frame (menu, toolbar, accelerators, status panes of
  // kTileMode or kObjectMode). Without one there is no main frame and object mode stays shut.
  void SetModeFrame(std::function<void(int)> show) { m_modeFrame = std::move(show); }
  bool HasModeFrame() const { return bool(m_modeFrame); }
  void ShowModeInFrame(int mode) const {
    if (m_modeFrame) m_modeFrame(mode);
  }

  // A change of the world: the cells it names, or everything.
  void OnWorldChanged(const ViewChange& change);

  // The first sizing of a new window: provisional scroll sizes, then Resize.
  void InitialUpdate();

  // IViewPort
  CDibG* Surface() override { return m_surface.get(); }
  ViewDrawState* DrawState() override { return &m_draw; }
  void DestroySurface() override;
  void Resize() override;
  int32_t ScrollX() const override { return m_scrollX; }
  int32_t ScrollY() const override { return m_scrollY; }
  int32_t ClientWidth() const override { return m_clientWidth; }
  int32_t ClientHeight() const override { return m_clientHeight; }
  int EditMode() const override { return m_mode->Id(); }
  bool DrawsObjects() const override { return m_mode->DrawsObjects(); }
  bool NoImages() const override { return m_noImages; }
  void SetNoImages(bool on) override { m_noImages = on; }
  bool AllPlanes() const override { return m_allPlanes; }
  void RefreshView() override;
  void CurrentPlaneChanged() override;
  void HideCursor() override;
  void MarkCursorHidden() override { m_cursorShown = false; }
  void Invalidate(bool erase) override;
  void InvalidateRect(const CRect& clientRect, bool erase) override;
  void UpdateNow() override;
  int32_t CursorColumn() const override { return m_tileMode.CursorColumn(); }
  int32_t CursorRow() const override { return m_tileMode.CursorRow(); }
  void MoveCursorTo(int32_t column, int32_t row) override { m_tileMode.MoveCursorTo(column, row); }
  void AdvanceAutoCursor() override { m_tileMode.AdvanceAutoCursor(); }
  bool MouseInView(int32_t& x, int32_t& y) const override;
  bool MouseWorldPixel(int32_t& x, int32_t& y) const override;
  ISelectionRangeSource* SelectionRanges() override { return &m_objectMode; }
  bool FillCellSelection(int32_t value) override { return m_tileMode.Tools().FillCellSelection(value); }

  const CDibG* Surface() const { return m_surface.get(); }
  // Deactivates the current mode and activates the one of `mode` (kTileMode, kObjectMode).
  void SetEditMode(int mode);
  TileMode& Tiles() { return m_tileMode; }
  const TileMode& Tiles() const { return m_tileMode; }
  ObjectMode& Objects() { return m_objectMode; }
  const ObjectMode& Objects() const { return m_objectMode; }
  // Every mode, to register their commands and panes once.
  std::vector<IEditMode*> Modes() { return {&m_tileMode, &m_objectMode}; }

  // Input in window pixels, handed to the current mode with its cell and plane pixel.
  void OnMouseDown(int32_t clientX, int32_t clientY, MouseButton button, uint32_t modifiers);
  void OnMouseUp(int32_t clientX, int32_t clientY, MouseButton button, uint32_t modifiers);
  void OnMouseMove(int32_t clientX, int32_t clientY, uint32_t modifiers);
  void OnDoubleClick(int32_t clientX, int32_t clientY, MouseButton button, uint32_t modifiers);
  // The middle button held drags the view (both modes): the world pixel under the mouse
  // stays under it.
  bool Panning() const { return m_panning; }
  // The mouse left the view's client area.
  void OnMouseLeave() { m_mouseInView = false; }
  // Typed image numbers reach tile mode in either mode; then the current mode has the key.
  bool OnKeyPress(uint32_t key, uint32_t modifiers);
  // Every key pressed over the view, before an accelerator may take it: any key but a
  // typed digit ends the typed number.
  void OnKeySeen(uint32_t key, uint32_t modifiers);
  // A key pressed during a mouse drag: the drag ends, its step kept.
  void EndDrags() { m_tileMode.Tools().EndDrag(); }
  // The wheel with Shift held: `steps` wheel lines (positive away from the user) scroll
  // the view to the left, each by the plane's tile width.
  void OnShiftWheel(int32_t steps);

  // The current plane as the view sees it, or nothing.
  std::optional<ViewPlane> Plane() const;
  // Sets the scroll position without refreshing (callers follow with RefreshView).
  void SetScroll(int32_t x, int32_t y) override;

  // Scroll-bar movement by (dx, dy) pixels; 0 when nothing can scroll.
  int OnScrollBy(int32_t dx, int32_t dy);
  void CenterOn(int32_t x, int32_t y);
  PixelPoint MousePixel(int32_t clientX, int32_t clientY) const;
  // (−1, −1) without a document or a current plane.
  CellPoint MouseCell(int32_t clientX, int32_t clientY) const;

  // What a paint shows: the surface (view pixels, scaled by the zoom) when there is one and
  // a palette; the grid and the cursor frames, in window pixels, as computed below.
  bool ShowsSurface() const;
  bool GridVisible() const;
  // The window area the current plane covers (from 0, 0; empty without a plane). Beyond it
  // the window shows no plane, and the grid stops at its edge.
  CRect PlaneArea() const;
  // Where the surface lands in the window: scaled by the zoom at 1:1, as it is when drawn reduced.
  CRect SurfaceWindowRect() const;
  // The dim mask of the last render (the surface's size), or null without dimmed planes.
  const uint8_t* DimMask() const;
  // Window x of each vertical grid line, window y of each horizontal one, inside PlaneArea:
  // every cell edge in view, at any zoom.
  std::vector<int32_t> GridColumns() const;
  std::vector<int32_t> GridRows() const;
  // The current mode's cursor frames in the window, outermost first; empty when nothing
  // would be drawn.
  std::vector<CRect> CursorFrames() const;
  bool CursorShown() const { return m_cursorShown; }
  // The 200 ms blink: with the editor active, shows or hides the frames once.
  void OnBlink(bool editorActive);
  // Draws the frames once (they invert), toggling the shown flag.
  void DrawCursor();

  // Refresh policy.
  void OnRefreshCommand();    // F5
  void OnToggleGrid();        // Ctrl+G
  void OnToggleNoImages();    // "Bez Obrazów"
  bool GridCommandEnabled() const;
  bool GridOn() const { return m_gridOn; }
  void SetGridOn(bool on) { m_gridOn = on; }

  // The zoom. The client size, scroll, surface, cells and modes all count view pixels
  // (world pixels); the window's own pixels are mapped once, here.
  const ViewZoom& Zoom() const { return m_zoom; }
  int32_t WindowWidth() const { return m_windowWidth; }
  int32_t WindowHeight() const { return m_windowHeight; }
  // The next step in `direction` (+1 in, −1 out) with a world and a plane; false at the end.
  bool CanZoom(int direction) const;
  // Steps the zoom keeping the world pixel under window position (x, y) in place.
  void ZoomAt(int direction, int32_t windowX, int32_t windowY);
  // The same about the window's centre (menu, toolbar, keys).
  void ZoomAtCentre(int direction) { ZoomAt(direction, m_windowWidth / 2, m_windowHeight / 2); }
  // Sets the zoom to the step `percent`, keeping the window's centre in place.
  void ZoomTo(int32_t percent);
  // The largest step that shows the whole current plane in the window ("Dopasuj").
  void ZoomToFit();
  // "Wszystkie Warstwy".
  void OnToggleAllPlanes();

  // Process-wide values kept beside the view.
  int32_t WarpX() const { return m_warpX; }
  int32_t WarpY() const { return m_warpY; }
  void SetWarp(int32_t x, int32_t y);
  CustomMoves& Moves() { return m_moves; }
  // Writes these, the grid and "Wszystkie Warstwy" to the profile; each change does so at once.
  void StoreSettings();
  // The tile picker's hidden flag, written to the profile with the view's settings once
  // its owner has handed it over.
  void SetTileDialogHidden(bool hidden) { m_tileDialogHidden = hidden; }

 private:
  PointerInput Input(int32_t clientX, int32_t clientY, MouseButton button, uint32_t modifiers) const;
  void ClampScroll(const ViewPlane& plane);
  void ApplyZoom(const ViewZoom& next, int32_t windowX, int32_t windowY);
  bool CursorDrawable() const;
  void RequestOverlay();
  // A world of another profile section brings its own stored zoom.
  void FollowWorldSection();
  CRect ViewPlaneArea() const;

  IViewDocument* m_document = nullptr;
  IViewWindow* m_window = nullptr;
  Profile* m_profile = nullptr;
  IInteractionPort* m_port = nullptr;
  std::function<void(CommandId)> m_sendCommand;
  std::function<void(int)> m_modeFrame;

  int32_t m_scrollX = 0;
  int32_t m_scrollY = 0;
  std::unique_ptr<CDibG> m_surface;
  int32_t m_clientWidth = 0;
  int32_t m_clientHeight = 0;
  bool m_gridOn = false;
  bool m_cursorShown = false;
  bool m_noImages = false;
  bool m_allPlanes = false;
  ViewZoom m_zoom;
  ViewDrawState m_draw;
  std::string m_zoomSection;
  int32_t m_windowWidth = 0;
  int32_t m_windowHeight = 0;
  // The last mouse position over the client area, for objects placed at the mouse.
  bool m_mouseInView = false;
  int32_t m_mouseX = 0;
  int32_t m_mouseY = 0;
  // Where a middle-button drag began: window position and scroll.
  bool m_panning = false;
  PixelPoint m_panWindow;
  PixelPoint m_panScroll;
  TileMode m_tileMode{*this};
  ObjectMode m_objectMode{*this};
  IEditMode* m_mode = &m_tileMode;

  int32_t m_warpX = -1;
  int32_t m_warpY = -1;
  CustomMoves m_moves;
  std::optional<bool> m_tileDialogHidden;
};

}  // namespace vyr
