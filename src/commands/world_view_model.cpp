// The world view's state and logic: sizing, scrolling, grid, tile cursor, blink and refresh policy.
#include "commands/world_view_model.h"

#include <algorithm>
#include <cstdint>

#include "platform/profile.h"
#include "platform/profile_keys.h"
#include "platform/saturate.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/shortcut_tables.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

// Window positions of grid lines along one axis: each cell edge at or after the scroll
// position, mapped by the zoom, while short of the window's last pixel and inside the plane
// (`planeEnd`, the plane's far edge in window pixels). Lines are one window pixel wide at
// every zoom, so they stay evenly spaced however small the cells.
std::vector<int32_t> GridLines(int32_t scroll, int32_t tile, const ViewZoom& zoom, int32_t window, int32_t planeEnd) {
  std::vector<int32_t> lines;
  if (tile <= 0) return lines;
  const int64_t end = std::min<int64_t>(int64_t(window) - 1, planeEnd);
  for (int64_t cell = -FloorDiv(-int64_t(scroll), tile);; ++cell) {
    const int64_t at = zoom.ToWindow(Saturate(cell * tile - scroll));
    if (at >= end) break;
    if (lines.empty() || at > lines.back()) lines.push_back(int32_t(at));
  }
  return lines;
}

int32_t ClampAxis(int32_t scroll, int32_t planeExtent, int32_t clientExtent) {
  int32_t limit = std::max<int32_t>(0, planeExtent - clientExtent);
  return std::clamp(scroll, 0, limit);
}

// Pixel to cell: the floor of the division, which is the right shift for tiles of a power
// of two and keeps other tile sizes consistent with where their cells are drawn.
int32_t CellOf(int32_t pixel, int32_t tile) { return tile > 0 ? int32_t(FloorDiv(pixel, tile)) : 0; }

}  // namespace

WorldDocViewSource::WorldDocViewSource(CWorldDoc& document) : m_document(document) { m_document.AddObserver(this); }

WorldDocViewSource::~WorldDocViewSource() { m_document.RemoveObserver(this); }

void WorldDocViewSource::WorldChanged(const ChangeNotice& notice) {
  if (!m_listener) return;
  const CPlane* current = m_document.CurrentPlane();
  ViewChange change;
  change.layout = notice.planeStack || notice.planeSettings;
  const bool onlyCells = notice.cellsPlane && !notice.objectsPlane && !notice.header && !notice.attributes;
  if (onlyCells && notice.cellsPlane == current && !change.layout) {
    // A whole grid may be a new size.
    change.layout = notice.cells == CRect{0, 0, current->Width() - 1, current->Height() - 1};
    if (!change.layout) change.cells = notice.cells;
  }
  m_listener(change);
}

bool WorldDocViewSource::WorldLoaded() const { return m_document.HasLoadedWorld(); }

std::optional<ViewPlane> WorldDocViewSource::CurrentPlane() const {
  const CPlane* plane = m_document.CurrentPlane();
  if (!plane) return std::nullopt;
  return ViewPlane{plane->Width(),       plane->Height(),      plane->TileWidth(),  plane->TileHeight(),
                   plane->ColumnShift(), plane->RowShift(),    plane->PixelWidth(), plane->PixelHeight()};
}

void WorldDocViewSource::SetPlaneOrigin(int32_t x, int32_t y) {
  CPlane* plane = m_document.CurrentPlane();
  if (!plane) return;
  plane->m_viewOriginX = x;
  plane->m_viewOriginY = y;
  plane->UpdateVisible();
}

void WorldDocViewSource::SetAllViewRects(const CRect& screenRect) {
  if (CWorld* world = m_document.World()) world->SetAllViewRects(screenRect);
}

const CPalId* WorldDocViewSource::Palette() const {
  const CPalId* palette = m_document.Palette();
  return palette && palette->IsCreated() ? palette : nullptr;
}

void WorldDocViewSource::RenderWorld(int invalidate) { m_document.RenderWorld(invalidate); }

void WorldDocViewSource::RenderArea(const CRect& surfaceArea) { m_document.RenderWorldArea(surfaceArea); }

std::optional<int32_t> WorldDocViewSource::TileAt(CellPoint cell) const {
  const CPlane* plane = m_document.CurrentPlane();
  if (!plane || cell.column < 0 || cell.row < 0 || cell.column >= plane->Width() || cell.row >= plane->Height())
    return std::nullopt;
  return plane->GetTile(cell.column, cell.row);
}

bool WorldDocViewSource::SetTileAt(CellPoint cell, int32_t value) {
  return m_document.SetTile(cell.column, cell.row, value) != 0;
}

bool WorldDocViewSource::ContinueTileAt(CellPoint cell, int32_t value) {
  return m_document.ContinueTile(cell.column, cell.row, value) != 0;
}

bool WorldDocViewSource::ImageExists(int32_t image) const { return m_document.ImageExists(image); }

int32_t WorldDocViewSource::CurrentSet() const { return m_document.CurrentSet(); }
void WorldDocViewSource::SelectSet(int32_t set) { m_document.SelectSet(set); }
void WorldDocViewSource::SelectImage(int32_t image) { m_document.SelectImage(image); }

std::optional<PixelPoint> WorldDocViewSource::StartPosition() const {
  if (!m_document.World()) return std::nullopt;
  return PixelPoint{m_document.Properties().startX, m_document.Properties().startY};
}

std::string WorldDocViewSource::ProfileSection() const {
  const CZTable* table = m_document.ZTable();
  return table ? table->Section() : std::string();
}

std::optional<ViewObjectBox> WorldDocViewSource::SelectedObject() const {
  const CGameObject* object = m_document.SelectedObject();
  if (!object) return std::nullopt;
  ViewObjectBox box{object->m_x, object->m_y, object->m_imageWidth, object->m_imageHeight, 0, 0};
  if (object->m_image) {
    // A mirrored image is drawn with its offset turned around.
    box.offsetX = (object->m_drawFlags & kDrawMirror) ? -object->m_image->m_offsetX : object->m_image->m_offsetX;
    box.offsetY = object->m_image->m_offsetY;
  }
  return box;
}

CWorldViewModel::CWorldViewModel(Profile* profile) : m_profile(profile) {
  if (!m_profile) return;
  m_warpX = m_profile->GetProfileInt(profile::kOptions, profile::kWarpX, -1);
  m_warpY = m_profile->GetProfileInt(profile::kOptions, profile::kWarpY, -1);
  m_gridOn = m_profile->GetProfileInt(profile::kOptions, profile::kGrid, 0) != 0;
  m_allPlanes = m_profile->GetProfileInt(profile::kOptions, profile::kAllPlanes, 0) != 0;
  m_moves.up = m_profile->GetProfileInt(profile::kCustom, profile::kMoveUp, m_moves.up);
  m_moves.down = m_profile->GetProfileInt(profile::kCustom, profile::kMoveDown, m_moves.down);
  m_moves.left = m_profile->GetProfileInt(profile::kCustom, profile::kMoveLeft, m_moves.left);
  m_moves.right = m_profile->GetProfileInt(profile::kCustom, profile::kMoveRight, m_moves.right);
  m_tileMode.Tools().SetProfile(m_profile);
}

void CWorldViewModel::SetDocument(IViewDocument* document) {
  if (m_document) m_document->SetChangeListener({});
  m_document = document;
  if (m_document) m_document->SetChangeListener([this](const ViewChange& change) { OnWorldChanged(change); });
}

void CWorldViewModel::OnWorldChanged(const ViewChange& change) {
  const std::optional<ViewPlane> plane = Plane();
  if (change.layout || !plane) {
    Resize();
    return;
  }
  if (!change.cells) {
    RefreshView();
    return;
  }
  // A few cells: just their rectangle drawn into the surface and shown at once, as the
  // user types or clicks.
  const auto edge = [](int64_t cell, int32_t tile, int32_t scroll) {
    return int32_t(std::clamp<int64_t>(cell * tile - scroll, INT32_MIN / 2, INT32_MAX / 2));
  };
  const CRect& cells = *change.cells;
  const CRect view{edge(cells.left, plane->tileWidth, m_scrollX), edge(cells.top, plane->tileHeight, m_scrollY),
                   edge(int64_t(cells.right) + 1, plane->tileWidth, m_scrollX),
                   edge(int64_t(cells.bottom) + 1, plane->tileHeight, m_scrollY)};
  const CRect surfaceArea = m_draw.divisor > 1 ? m_zoom.ToWindow(view) : view;
  m_document->RenderArea(surfaceArea);
  HideCursor();
  InvalidateRect(view, false);
  UpdateNow();
}

CWorldViewModel::~CWorldViewModel() {
  if (m_document) m_document->SetChangeListener({});
  m_surface.reset();
  StoreSettings();
}

void CWorldViewModel::StoreSettings() {
  if (!m_profile) return;
  Profile::Batch batch(*m_profile);
  m_profile->WriteProfileInt(profile::kOptions, profile::kWarpX, m_warpX);
  m_profile->WriteProfileInt(profile::kOptions, profile::kWarpY, m_warpY);
  m_profile->WriteProfileInt(profile::kOptions, profile::kGrid, m_gridOn ? 1 : 0);
  m_profile->WriteProfileInt(profile::kOptions, profile::kAllPlanes, m_allPlanes ? 1 : 0);
  if (m_tileDialogHidden) m_profile->WriteProfileInt(profile::kOptions, profile::kTileDialog, *m_tileDialogHidden ? 1 : 0);
  m_profile->WriteProfileInt(profile::kCustom, profile::kMoveUp, m_moves.up);
  m_profile->WriteProfileInt(profile::kCustom, profile::kMoveDown, m_moves.down);
  m_profile->WriteProfileInt(profile::kCustom, profile::kMoveLeft, m_moves.left);
  m_profile->WriteProfileInt(profile::kCustom, profile::kMoveRight, m_moves.right);
}

std::optional<ViewPlane> CWorldViewModel::Plane() const {
  if (!m_document) return std::nullopt;
  return m_document->CurrentPlane();
}

void CWorldViewModel::InitialUpdate() {
  if (m_window) m_window->SetScrollSizes({4096, 4096, 32, 0, 8, 0});
  Resize();
}

void CWorldViewModel::DestroySurface() { m_surface.reset(); }

void CWorldViewModel::Resize() {
  FollowWorldSection();
  if (m_window) {
    m_windowWidth = m_window->ClientWidth();
    m_windowHeight = m_window->ClientHeight();
    m_clientWidth = m_zoom.ViewExtent(m_windowWidth);
    m_clientHeight = m_zoom.ViewExtent(m_windowHeight);
  }
  if (!m_document) return;
  std::optional<ViewPlane> plane = m_document->CurrentPlane();
  if (plane && m_window) {
    m_window->SetScrollSizes({plane->pixelWidth, plane->pixelHeight, m_clientWidth - plane->tileWidth,
                              m_clientHeight - plane->tileHeight, plane->tileWidth, plane->tileHeight});
  }
  if (const CPalId* palette = m_document->Palette()) {
    m_surface.reset();
    m_draw.mask.clear();
    // Reduced, the surface holds window pixels; at 1:1 view pixels, scaled in the blit.
    m_draw.divisor = m_zoom.Divisor();
    const int32_t width = m_draw.divisor > 1 ? m_windowWidth : m_clientWidth;
    const int32_t height = m_draw.divisor > 1 ? m_windowHeight : m_clientHeight;
    if (m_clientWidth > kMinSurfaceExtent && m_clientHeight > kMinSurfaceExtent && width > 0 && height > 0) {
      auto surface = std::make_unique<CDibG>();
      if (surface->Create(width, height, palette)) m_surface = std::move(surface);
    }
  }
  m_document->SetAllViewRects({0, 0, m_clientWidth - 1, m_clientHeight - 1});
  // Clamping here too keeps a window that grew from showing the space past the plane's end.
  if (plane) {
    RefreshView();
  } else {
    m_document->RenderWorld(1);
  }
}

void CWorldViewModel::ClampScroll(const ViewPlane& plane) {
  m_scrollX = ClampAxis(m_scrollX, plane.pixelWidth, m_clientWidth);
  m_scrollY = ClampAxis(m_scrollY, plane.pixelHeight, m_clientHeight);
  // Drawn reduced, a window pixel stands for d view pixels: the scroll stays on their
  // boundaries so that the picture, the grid, the frames and the mouse agree.
  const int32_t d = m_zoom.Divisor();
  m_scrollX -= m_scrollX % d;
  m_scrollY -= m_scrollY % d;
}

void CWorldViewModel::RefreshView() {
  // The current plane may have lost its objects since: object mode has nothing to show.
  m_objectMode.LeaveIfPlaneLacksObjects();
  std::optional<ViewPlane> plane = Plane();
  if (!plane) return;
  ClampScroll(*plane);
  m_document->SetPlaneOrigin(m_scrollX, m_scrollY);
  m_document->RenderWorld(1);
  if (m_window) m_window->SetScrollPositions(m_scrollX, m_scrollY);
}

void CWorldViewModel::CurrentPlaneChanged() {
  HideCursor();
  m_tileMode.OnPlaneChanged();
  m_objectMode.OnPlaneChanged();
  m_objectMode.LeaveIfPlaneLacksObjects();
  Resize();
}

void CWorldViewModel::SetScroll(int32_t x, int32_t y) {
  m_scrollX = x;
  m_scrollY = y;
}

int CWorldViewModel::OnScrollBy(int32_t dx, int32_t dy) {
  if (!m_surface || !m_document || !m_document->WorldLoaded() || !m_document->CurrentPlane()) return 0;
  m_scrollX = std::max<int32_t>(0, Saturate(int64_t(m_scrollX) + dx));
  m_scrollY = std::max<int32_t>(0, Saturate(int64_t(m_scrollY) + dy));
  RefreshView();
  return 1;
}

void CWorldViewModel::CenterOn(int32_t x, int32_t y) {
  m_scrollX = Saturate(int64_t(x) - m_clientWidth / 2);
  m_scrollY = Saturate(int64_t(y) - m_clientHeight / 2);
  RefreshView();
}

PixelPoint CWorldViewModel::MousePixel(int32_t clientX, int32_t clientY) const {
  return {m_zoom.ToView(clientX) + m_scrollX, m_zoom.ToView(clientY) + m_scrollY};
}

CellPoint CWorldViewModel::MouseCell(int32_t clientX, int32_t clientY) const {
  std::optional<ViewPlane> plane = Plane();
  if (!plane) return {};
  PixelPoint pixel = MousePixel(clientX, clientY);
  return {CellOf(pixel.x, plane->tileWidth), CellOf(pixel.y, plane->tileHeight)};
}

void CWorldViewModel::Invalidate(bool erase) {
  if (m_window) m_window->InvalidateAll(erase);
}

void CWorldViewModel::InvalidateRect(const CRect& clientRect, bool erase) {
  if (m_window) m_window->InvalidateRect(m_zoom.ToWindow(clientRect), erase);
}

void CWorldViewModel::UpdateNow() {
  if (m_window) m_window->UpdateNow();
}

bool CWorldViewModel::ShowsSurface() const {
  // Without a current plane nothing was rendered into the surface (a new world, or a
  // failed open): show the bare window rather than stale or unfilled pixels.
  return m_surface && m_document && m_document->Palette() && m_document->WorldLoaded() &&
         m_document->CurrentPlane();
}

bool CWorldViewModel::GridVisible() const {
  return m_gridOn && !m_noImages && ShowsSurface() && m_document->WorldLoaded() && m_document->CurrentPlane();
}

CRect CWorldViewModel::ViewPlaneArea() const {
  std::optional<ViewPlane> plane = Plane();
  if (!plane) return {};
  auto extent = [](int32_t planePixels, int32_t scroll, int32_t client) {
    return int32_t(std::clamp<int64_t>(int64_t(planePixels) - scroll, 0, std::max(0, client)));
  };
  return {0, 0, extent(plane->pixelWidth, m_scrollX, m_clientWidth),
          extent(plane->pixelHeight, m_scrollY, m_clientHeight)};
}

CRect CWorldViewModel::PlaneArea() const {
  const CRect area = m_zoom.ToWindow(ViewPlaneArea());
  // The last view pixel may be only partly in the window.
  return {0, 0, std::min(area.right, std::max(0, m_windowWidth)), std::min(area.bottom, std::max(0, m_windowHeight))};
}

CRect CWorldViewModel::SurfaceWindowRect() const {
  if (!m_surface) return {};
  const CRect surface{0, 0, m_surface->Width(), m_surface->Height()};
  return m_draw.divisor > 1 ? surface : m_zoom.ToWindow(surface);
}

const uint8_t* CWorldViewModel::DimMask() const {
  const bool matches = m_surface && m_draw.mask.size() == size_t(m_surface->Width()) * size_t(m_surface->Height());
  return matches && !m_draw.mask.empty() ? m_draw.mask.data() : nullptr;
}

std::vector<int32_t> CWorldViewModel::GridColumns() const {
  if (!GridVisible()) return {};
  return GridLines(m_scrollX, m_document->CurrentPlane()->tileWidth, m_zoom, m_windowWidth, PlaneArea().right);
}

std::vector<int32_t> CWorldViewModel::GridRows() const {
  if (!GridVisible()) return {};
  return GridLines(m_scrollY, m_document->CurrentPlane()->tileHeight, m_zoom, m_windowHeight, PlaneArea().bottom);
}

bool CWorldViewModel::CursorDrawable() const {
  if (m_noImages || !m_document || !m_document->WorldLoaded() || !m_document->CurrentPlane()) return false;
  return m_mode->HasCursor();
}

std::vector<CRect> CWorldViewModel::CursorFrames() const {
  if (!CursorDrawable()) return {};
  std::vector<CRect> frames = m_mode->CursorFrames();
  if (m_zoom.Percent() >= kNoZoom) {
    for (CRect& frame : frames) frame = m_zoom.ToWindow(frame);
    return frames;
  }
  // Shrunk, nested frames fall on one another's edges, which inverted twice would vanish:
  // only those still strictly inside the last one kept are drawn.
  std::vector<CRect> kept;
  for (const CRect& frame : frames) {
    const CRect shown = m_zoom.ToWindow(frame);
    if (kept.empty() || (shown.left > kept.back().left && shown.top > kept.back().top &&
                         shown.right < kept.back().right && shown.bottom < kept.back().bottom))
      kept.push_back(shown);
  }
  return kept;
}

void CWorldViewModel::RequestOverlay() {
  if (!m_window) return;
  std::vector<CRect> frames = CursorFrames();
  if (!frames.empty()) m_window->OverlayChanged(frames.front());
}

void CWorldViewModel::DrawCursor() {
  if (!CursorDrawable()) return;
  RequestOverlay();
  m_cursorShown = !m_cursorShown;
}

void CWorldViewModel::HideCursor() {
  if (m_cursorShown) RequestOverlay();
  m_cursorShown = false;
}

void CWorldViewModel::OnBlink(bool editorActive) {
  if (editorActive) DrawCursor();
}

void CWorldViewModel::OnRefreshCommand() {
  m_cursorShown = false;
  Invalidate(false);
  for (IEditMode* mode : Modes()) mode->OnRefresh();
}

void CWorldViewModel::OnToggleGrid() {
  m_gridOn = !m_gridOn;
  StoreSettings();
  m_cursorShown = false;
  Invalidate(false);
}

bool CWorldViewModel::GridCommandEnabled() const {
  return m_document && m_document->WorldLoaded() && m_document->CurrentPlane();
}

void CWorldViewModel::OnToggleNoImages() {
  m_noImages = !m_noImages;
  RefreshView();
}

void CWorldViewModel::OnToggleAllPlanes() {
  m_allPlanes = !m_allPlanes;
  StoreSettings();
  RefreshView();
}

bool CWorldViewModel::CanZoom(int direction) const {
  return GridCommandEnabled() && NextZoom(m_zoom.Percent(), direction) != m_zoom.Percent();
}

void CWorldViewModel::ZoomAt(int direction, int32_t windowX, int32_t windowY) {
  if (CanZoom(direction)) ApplyZoom(ViewZoom(NextZoom(m_zoom.Percent(), direction)), windowX, windowY);
}

void CWorldViewModel::ZoomTo(int32_t percent) {
  const ViewZoom next(percent);
  if (GridCommandEnabled() && !(next == m_zoom)) ApplyZoom(next, m_windowWidth / 2, m_windowHeight / 2);
}

void CWorldViewModel::ApplyZoom(const ViewZoom& next, int32_t windowX, int32_t windowY) {
  HideCursor();
  m_scrollX = AnchoredScroll(m_scrollX, windowX, m_zoom, next);
  m_scrollY = AnchoredScroll(m_scrollY, windowY, m_zoom, next);
  m_zoom = next;
  if (m_profile && !m_zoomSection.empty()) m_profile->WriteProfileInt(m_zoomSection, profile::kZoom, m_zoom.Percent());
  Resize();
}

void CWorldViewModel::ZoomToFit() {
  const std::optional<ViewPlane> plane = Plane();
  if (!plane) return;
  ZoomTo(FittingZoom(plane->pixelWidth, plane->pixelHeight, m_windowWidth, m_windowHeight));
}

void CWorldViewModel::FollowWorldSection() {
  if (!m_document) return;
  std::string section = m_document->ProfileSection();
  if (section == m_zoomSection) return;
  const int32_t stored = m_profile && !section.empty() ? m_profile->GetProfileInt(section, profile::kZoom, 0) : 0;
  // A world saved for the first time keeps the zoom it is shown at.
  const bool justNamed = m_zoomSection.empty() && !section.empty();
  if (stored != 0 || !justNamed) m_zoom = ViewZoom(stored);
  else if (m_profile) m_profile->WriteProfileInt(section, profile::kZoom, m_zoom.Percent());
  m_zoomSection = std::move(section);
}

void CWorldViewModel::SetEditMode(int mode) {
  IEditMode* next = mode == kObjectMode ? static_cast<IEditMode*>(&m_objectMode) : &m_tileMode;
  if (next == m_mode) return;
  m_mode->Deactivate();
  m_mode = next;
  m_mode->Activate();
  // The new mode's mouse pane tells where the mouse is now, before it moves.
  int32_t x = 0;
  int32_t y = 0;
  if (m_window && m_window->CursorPosition(x, y)) m_mode->OnMouseMove(Input(x, y, MouseButton::None, 0));
}

PointerInput CWorldViewModel::Input(int32_t clientX, int32_t clientY, MouseButton button,
                                    uint32_t modifiers) const {
  return {MouseCell(clientX, clientY), MousePixel(clientX, clientY), button, modifiers};
}

void CWorldViewModel::OnMouseDown(int32_t clientX, int32_t clientY, MouseButton button, uint32_t modifiers) {
  if (button == MouseButton::Middle) {
    m_panning = true;
    m_panWindow = {clientX, clientY};
    m_panScroll = {m_scrollX, m_scrollY};
    return;
  }
  m_mode->OnMouseDown(Input(clientX, clientY, button, modifiers));
}

void CWorldViewModel::OnMouseUp(int32_t clientX, int32_t clientY, MouseButton button, uint32_t modifiers) {
  if (button == MouseButton::Middle) {
    m_panning = false;
    return;
  }
  m_mode->OnMouseUp(Input(clientX, clientY, button, modifiers));
}

bool CWorldViewModel::MouseInView(int32_t& x, int32_t& y) const {
  if (!m_mouseInView) return false;
  const PixelPoint pixel = MousePixel(m_mouseX, m_mouseY);
  x = pixel.x;
  y = pixel.y;
  return true;
}

bool CWorldViewModel::MouseWorldPixel(int32_t& x, int32_t& y) const {
  int32_t clientX = 0;
  int32_t clientY = 0;
  if (!m_window || !m_window->CursorPosition(clientX, clientY)) return false;
  const PixelPoint pixel = MousePixel(clientX, clientY);
  x = pixel.x;
  y = pixel.y;
  return true;
}

void CWorldViewModel::OnMouseMove(int32_t clientX, int32_t clientY, uint32_t modifiers) {
  if (m_panning) {
    const int64_t x = int64_t(m_panScroll.x) + m_zoom.ToView(m_panWindow.x) - m_zoom.ToView(clientX);
    const int64_t y = int64_t(m_panScroll.y) + m_zoom.ToView(m_panWindow.y) - m_zoom.ToView(clientY);
    if (x != m_scrollX || y != m_scrollY) OnScrollBy(Saturate(x - m_scrollX), Saturate(y - m_scrollY));
  }
  m_mouseInView = clientX >= 0 && clientY >= 0 && clientX < m_windowWidth && clientY < m_windowHeight;
  m_mouseX = clientX;
  m_mouseY = clientY;
  m_mode->OnMouseMove(Input(clientX, clientY, MouseButton::None, modifiers));
}

void CWorldViewModel::OnDoubleClick(int32_t clientX, int32_t clientY, MouseButton button, uint32_t modifiers) {
  m_mode->OnDoubleClick(Input(clientX, clientY, button, modifiers));
}

void CWorldViewModel::OnKeySeen(uint32_t key, uint32_t modifiers) {
  if (!TileMode::IsTypedDigit(key, modifiers)) m_tileMode.OnTypedKey(key, modifiers);
}

void CWorldViewModel::OnShiftWheel(int32_t steps) {
  const std::optional<ViewPlane> plane = Plane();
  if (plane && steps != 0) OnScrollBy(Saturate(-int64_t(steps) * plane->tileWidth), 0);
}

bool CWorldViewModel::OnKeyPress(uint32_t key, uint32_t modifiers) {
  const bool typed = m_tileMode.OnTypedKey(key, modifiers);
  return m_mode->OnKeyPress(key, modifiers) || typed;
}

void CWorldViewModel::SetWarp(int32_t x, int32_t y) {
  m_warpX = x;
  m_warpY = y;
  StoreSettings();
}

}  // namespace vyr
