// Recording fakes of the document and the window that the world view model talks to.
#pragma once

#include <cstdint>
#include <optional>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "commands/view_commands.h"
#include "commands/world_view_model.h"
#include "platform/command_table.h"
#include "resources/palette.h"

namespace vyr::viewtest {

inline int32_t ShiftOf(int32_t size) {
  int32_t shift = 0;
  while (size > 1) size >>= 1, ++shift;
  return shift;
}

inline ViewPlane MakeViewPlane(int32_t columns, int32_t rows, int32_t tileWidth, int32_t tileHeight) {
  return {columns, rows, tileWidth, tileHeight, ShiftOf(tileWidth), ShiftOf(tileHeight), columns * tileWidth,
          rows * tileHeight};
}

class FakeViewDocument : public IViewDocument {
 public:
  FakeViewDocument() { ownPalette.BuildDefault(); }
  bool WorldLoaded() const override { return loaded; }
  std::optional<ViewPlane> CurrentPlane() const override { return plane; }
  void SetPlaneOrigin(int32_t x, int32_t y) override { origin = {x, y}; }
  void SetAllViewRects(const CRect& rect) override { viewRect = rect; }
  const CPalId* Palette() const override { return palette; }
  void RenderWorld(int invalidate) override { renders.push_back(invalidate); }
  std::optional<ViewObjectBox> SelectedObject() const override { return selected; }
  std::optional<int32_t> TileAt(CellPoint cell) const override {
    if (!plane || cell.column < 0 || cell.row < 0 || cell.column >= plane->columns || cell.row >= plane->rows)
      return std::nullopt;
    const size_t at = size_t(cell.row) * size_t(plane->columns) + size_t(cell.column);
    return at < tiles.size() ? std::optional<int32_t>(tiles[at]) : std::nullopt;
  }
  bool SetTileAt(CellPoint cell, int32_t value) override {
    if (!TileAt(cell)) return false;
    tiles[size_t(cell.row) * size_t(plane->columns) + size_t(cell.column)] = value;
    writes.push_back(value);
    return true;
  }
  bool ImageExists(int32_t image) const override { return images.count(image) != 0; }
  int32_t CurrentSet() const override { return currentSet; }
  void SelectSet(int32_t set) override {
    currentSet = set;
    selections.push_back("set " + std::to_string(set));
  }
  void SelectImage(int32_t image) override { selections.push_back("image " + std::to_string(image)); }
  std::optional<PixelPoint> StartPosition() const override { return start; }
  std::string ProfileSection() const override { return section; }
  void SetChangeListener(std::function<void(const ViewChange&)> to) override { listener = std::move(to); }

  bool loaded = true;
  std::optional<ViewPlane> plane;
  CPalId ownPalette;
  const CPalId* palette = &ownPalette;
  std::optional<ViewObjectBox> selected;
  std::vector<int32_t> tiles;  // row by row over the plane's columns
  std::set<int32_t> images;    // of the current set
  int32_t currentSet = 0;
  std::vector<int32_t> writes;
  std::vector<std::string> selections;  // "set N" / "image N" in call order
  std::optional<PixelPoint> start;
  std::string section;
  PixelPoint origin{-1, -1};
  CRect viewRect;
  std::vector<int> renders;
  std::function<void(const ViewChange&)> listener;
};

class FakeViewWindow : public IViewWindow {
 public:
  int32_t ClientWidth() const override { return width; }
  int32_t ClientHeight() const override { return height; }
  void InvalidateAll(bool erase) override { invalidations.push_back(erase); }
  void InvalidateRect(const CRect& rect, bool) override { rects.push_back(rect); }
  void UpdateNow() override { ++updates; }
  void SetScrollSizes(const ViewScrollSizes& value) override { sizes.push_back(value); }
  void SetScrollPositions(int32_t x, int32_t y) override { positions.push_back({x, y}); }
  void OverlayChanged(const CRect& area) override { overlays.push_back(area); }
  bool CursorPosition(int32_t& x, int32_t& y) const override {
    if (!cursor) return false;
    x = cursor->x;
    y = cursor->y;
    return true;
  }

  void Clear() {
    invalidations.clear();
    rects.clear();
    updates = 0;
    sizes.clear();
    positions.clear();
    overlays.clear();
  }

  int32_t width = 640;
  int32_t height = 480;
  std::optional<PixelPoint> cursor;  // none: the window cannot tell
  std::vector<bool> invalidations;
  std::vector<CRect> rects;
  int updates = 0;
  std::vector<ViewScrollSizes> sizes;
  std::vector<PixelPoint> positions;
  std::vector<CRect> overlays;
};

// A model over a fake plane and window, sized once, with the records cleared.
struct ViewFixture {
  FakeViewDocument document;
  FakeViewWindow window;
  CWorldViewModel model;

  ViewFixture(int32_t columns, int32_t rows, int32_t tile, int32_t clientWidth, int32_t clientHeight) {
    document.plane = MakeViewPlane(columns, rows, tile, tile);
    window.width = clientWidth;
    window.height = clientHeight;
    model.SetDocument(&document);
    model.SetWindow(&window);
    model.InitialUpdate();
    document.renders.clear();
    window.Clear();
  }
};

// A model whose commands are routed as the view's.
struct RoutedView {
  FakeViewDocument document;
  FakeViewWindow window;
  CWorldViewModel model;
  CommandTarget target;
  CommandRouter router;

  RoutedView() {
    document.plane = MakeViewPlane(100, 80, 32, 32);
    model.SetDocument(&document);
    model.SetWindow(&window);
    model.InitialUpdate();
    RegisterViewCommands(target.Commands(), model);
    router.SetTarget(CommandRouter::Slot::View, &target);
  }
};

}  // namespace vyr::viewtest
