// Recording fakes of the document and the window that the world view model talks to.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "commands/world_view_model.h"
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

  bool loaded = true;
  std::optional<ViewPlane> plane;
  CPalId ownPalette;
  const CPalId* palette = &ownPalette;
  std::optional<ViewObjectBox> selected;
  PixelPoint origin{-1, -1};
  CRect viewRect;
  std::vector<int> renders;
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
  std::vector<bool> invalidations;
  std::vector<CRect> rects;
  int updates = 0;
  std::vector<ViewScrollSizes> sizes;
  std::vector<PixelPoint> positions;
  std::vector<CRect> overlays;
};

}  // namespace vyr::viewtest
