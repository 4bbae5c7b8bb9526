// Tests of the world view model: sizing, scroll clamping, grid, cursor frames, blink and refresh policy.
#include "commands/world_view_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "commands/view_commands.h"
#include "commands/view_model_fakes.h"
#include "platform/command_ids.h"
#include "platform/profile.h"
#include "platform/scripted_interaction.h"
#include "world/document_fixture.h"
#include "world/world_doc.h"
#include "resources/dib.h"

namespace vyr {
namespace {

using viewtest::FakeViewDocument;
using viewtest::MakeViewPlane;
using viewtest::FakeViewWindow;
using viewtest::RoutedView;
using viewtest::ViewFixture;

TEST(WorldViewModelTest, ScrollIsClampedToThePlane) {
  struct Row {
    int32_t columns, rows, tile, clientWidth, clientHeight;
    int32_t askX, askY;
    int32_t wantX, wantY;
  };
  const Row rows[] = {
      // plane smaller than the window on both axes: always from its origin
      {4, 3, 64, 640, 480, 100, 100, 0, 0},
      {4, 3, 64, 640, 480, -50, -7, 0, 0},
      // narrower but taller than the window
      {4, 100, 64, 640, 480, 300, 300, 0, 300},
      // larger: up to plane extent − client extent
      {100, 100, 64, 640, 480, 100000, 100000, 6400 - 640, 6400 - 480},
      // at the last scroll position and one pixel past it
      {100, 100, 64, 640, 480, 5760, 5920, 5760, 5920},
      {100, 100, 64, 640, 480, 5761, 5921, 5760, 5920},
      {100, 100, 64, 640, 480, 1000, 2000, 1000, 2000},
      {100, 100, 64, 640, 480, -1, -1, 0, 0},
      // exactly the window's size
      {10, 5, 64, 640, 320, 5, 5, 0, 0},
  };
  for (const Row& row : rows) {
    ViewFixture view(row.columns, row.rows, row.tile, row.clientWidth, row.clientHeight);
    view.model.SetScroll(row.askX, row.askY);
    view.model.RefreshView();
    EXPECT_EQ(view.model.ScrollX(), row.wantX) << row.columns << "x" << row.rows << " ask " << row.askX;
    EXPECT_EQ(view.model.ScrollY(), row.wantY) << row.columns << "x" << row.rows << " ask " << row.askY;
    // the plane gets the clamped origin, the world is rendered and the bars follow
    EXPECT_EQ(view.document.origin, (PixelPoint{row.wantX, row.wantY}));
    EXPECT_EQ(view.document.renders, std::vector<int>{1});
    EXPECT_EQ(view.window.positions.back(), (PixelPoint{row.wantX, row.wantY}));
  }
}

// A change redraws what it touched: a few cells just their window rectangle, at once; other
// changes the whole view; a new size or stack the sizes and scroll bars as well.
TEST(WorldViewModelTest, AChangeOfTheWorldRedrawsWhatItTouched) {
  const struct {
    const char* what;
    ViewChange change;
    std::vector<int> renders;
    std::vector<CRect> rects;
    size_t sizes;
  } rows[] = {
      {"cells", {CRect{2, 1, 3, 1}, false}, {0}, {{16, -4, 48, 12}}, 0},
      {"objects", {std::nullopt, false}, {1}, {}, 0},
      {"layout", {std::nullopt, true}, {1}, {}, 1},
  };
  for (const auto& row : rows) {
    ViewFixture view(100, 100, 16, 300, 200);
    view.model.SetScroll(16, 20);
    ASSERT_TRUE(view.document.listener) << row.what;
    view.document.listener(row.change);
    EXPECT_EQ(view.document.renders, row.renders) << row.what;
    EXPECT_EQ(view.window.rects, row.rects) << row.what;
    EXPECT_EQ(view.window.sizes.size(), row.sizes) << row.what;
  }
  // The listener goes with the view.
  FakeViewDocument document;
  {
    CWorldViewModel model;
    model.SetDocument(&document);
    EXPECT_TRUE(document.listener);
  }
  EXPECT_FALSE(document.listener);
}

TEST(WorldViewModelTest, ScrollBarsCoverTheWholePlane) {
  // 2000 × 1500 tiles of 64 pixels: far beyond the old 32760 cap
  ViewFixture view(2000, 1500, 64, 800, 600);
  view.model.Resize();
  ASSERT_FALSE(view.window.sizes.empty());
  const ViewScrollSizes& sizes = view.window.sizes.back();
  EXPECT_EQ(sizes.totalWidth, 128000);
  EXPECT_EQ(sizes.totalHeight, 96000);
  EXPECT_EQ(sizes.pageWidth, 800 - 64);
  EXPECT_EQ(sizes.pageHeight, 600 - 64);
  EXPECT_EQ(sizes.lineWidth, 64);
  EXPECT_EQ(sizes.lineHeight, 64);
  EXPECT_EQ(view.model.OnScrollBy(1000000, 1000000), 1);
  EXPECT_EQ(view.model.ScrollX(), 128000 - 800);
  EXPECT_EQ(view.model.ScrollY(), 96000 - 600);
}

TEST(WorldViewModelTest, SizingMakesASurfaceOnlyAboveThirtyTwoPixels) {
  struct Row {
    int32_t width, height;
    bool surface;
  };
  const Row rows[] = {{32, 200, false}, {200, 32, false}, {33, 33, true}, {640, 480, true}, {0, 0, false}};
  for (const Row& row : rows) {
    ViewFixture view(100, 100, 16, row.width, row.height);
    EXPECT_EQ(view.model.Surface() != nullptr, row.surface) << row.width << "x" << row.height;
    if (row.surface) {
      EXPECT_EQ(view.model.Surface()->Width(), row.width);
      EXPECT_EQ(view.model.Surface()->Height(), row.height);
    }
    EXPECT_EQ(view.model.ShowsSurface(), row.surface);
    EXPECT_EQ(view.document.viewRect, (CRect{0, 0, row.width - 1, row.height - 1}));
  }
}

TEST(WorldViewModelTest, TinyWindowShowsNothingButTheBlinkStillInverts) {
  ViewFixture view(100, 100, 16, 32, 200);
  view.model.SetGridOn(true);
  EXPECT_FALSE(view.model.ShowsSurface());
  EXPECT_FALSE(view.model.GridVisible());
  EXPECT_TRUE(view.model.GridColumns().empty());
  EXPECT_EQ(view.model.OnScrollBy(16, 0), 0);  // no surface: nothing scrolls
  EXPECT_EQ(view.model.ScrollX(), 0);
  view.model.OnBlink(true);
  EXPECT_TRUE(view.model.CursorShown());
  EXPECT_EQ(view.model.CursorFrames().size(), 2u);
  EXPECT_EQ(view.window.overlays.size(), 1u);
}

TEST(WorldViewModelTest, SizingWithoutAPaletteKeepsTheOldSurface) {
  ViewFixture view(100, 100, 16, 300, 200);
  const CDibG* before = view.model.Surface();
  view.document.palette = nullptr;
  view.window.width = 500;
  view.model.Resize();
  EXPECT_EQ(view.model.Surface(), before);
  EXPECT_FALSE(view.model.ShowsSurface());
}

TEST(WorldViewModelTest, WithoutALoadedWorldAndPlaneTheSurfaceIsNotShown) {
  ViewFixture view(100, 100, 16, 300, 200);
  ASSERT_TRUE(view.model.ShowsSurface());
  view.document.plane.reset();  // File New: a world without planes
  EXPECT_NE(view.model.Surface(), nullptr);
  EXPECT_FALSE(view.model.ShowsSurface());
  view.document.plane = MakeViewPlane(100, 100, 16, 16);
  view.document.loaded = false;  // a failed open
  EXPECT_FALSE(view.model.ShowsSurface());
}

TEST(WorldViewModelTest, GridLinesFallOnTileBoundaries) {
  struct Row {
    int32_t scroll, tile, client;
    std::vector<int32_t> lines;
  };
  const std::vector<Row> rows = {
      {100, 64, 300, {28, 92, 156, 220, 284}},
      {128, 64, 300, {0, 64, 128, 192, 256}},
      {0, 16, 50, {0, 16, 32, 48}},
      {0, 16, 49, {0, 16, 32}},  // no line on the client's last pixel
      {5, 32, 40, {27}},
  };
  for (const Row& row : rows) {
    ViewFixture view(1000, 1000, row.tile, row.client, row.client);
    view.model.SetGridOn(true);
    view.model.SetScroll(row.scroll, row.scroll);
    view.model.RefreshView();
    EXPECT_EQ(view.model.GridColumns(), row.lines) << "scroll " << row.scroll << " tile " << row.tile;
    EXPECT_EQ(view.model.GridRows(), row.lines) << "scroll " << row.scroll << " tile " << row.tile;
  }
}

TEST(WorldViewModelTest, GridStopsAtThePlanesEdge) {
  struct Row {
    int32_t columns, rows, scroll;
    CRect area;
    std::vector<int32_t> gridColumns, gridRows;
  };
  // 64-pixel tiles in a 300 x 200 window.
  const std::vector<Row> rows = {
      {3, 2, 0, {0, 0, 192, 128}, {0, 64, 128}, {0, 64}},                 // smaller: no line on its edge
      {10, 2, 0, {0, 0, 300, 128}, {0, 64, 128, 192, 256}, {0, 64}},      // wider, but shorter
      {10, 10, 100, {0, 0, 300, 200}, {28, 92, 156, 220, 284}, {28, 92, 156}},  // larger on both axes
  };
  for (const Row& row : rows) {
    ViewFixture view(row.columns, row.rows, 64, 300, 200);
    view.model.SetGridOn(true);
    view.model.SetScroll(row.scroll, row.scroll);
    view.model.RefreshView();
    EXPECT_EQ(view.model.PlaneArea(), row.area) << row.columns << " x " << row.rows;
    EXPECT_EQ(view.model.GridColumns(), row.gridColumns) << row.columns << " x " << row.rows;
    EXPECT_EQ(view.model.GridRows(), row.gridRows) << row.columns << " x " << row.rows;
  }
  ViewFixture none(3, 2, 64, 300, 200);
  none.document.plane.reset();
  EXPECT_TRUE(none.model.PlaneArea().IsEmpty());
}

TEST(WorldViewModelTest, GridNeedsAWorldAPlaneAndImages) {
  ViewFixture view(100, 100, 64, 300, 300);
  EXPECT_TRUE(view.model.GridColumns().empty());  // grid off
  view.model.SetGridOn(true);
  EXPECT_FALSE(view.model.GridColumns().empty());
  view.model.OnToggleNoImages();
  EXPECT_TRUE(view.model.GridColumns().empty());
  view.model.OnToggleNoImages();
  view.document.loaded = false;
  EXPECT_TRUE(view.model.GridColumns().empty());
  EXPECT_FALSE(view.model.GridCommandEnabled());
  view.document.loaded = true;
  EXPECT_TRUE(view.model.GridCommandEnabled());
  view.document.plane.reset();
  EXPECT_FALSE(view.model.GridCommandEnabled());
}

TEST(WorldViewModelTest, CursorFramesAreNestedByTileWidth) {
  struct Row {
    int32_t tile;
    size_t frames;
  };
  const Row rows[] = {{16, 2}, {64, 8}, {4, 0}, {7, 0}, {8, 1}, {32, 4}};
  for (const Row& row : rows) {
    ViewFixture view(100, 100, row.tile, 640, 480);
    std::vector<CRect> frames = view.model.CursorFrames();
    ASSERT_EQ(frames.size(), row.frames) << "tile " << row.tile;
    for (size_t i = 1; i < frames.size(); ++i) {
      EXPECT_EQ(frames[i], (CRect{frames[i - 1].left + 1, frames[i - 1].top + 1, frames[i - 1].right - 1,
                                  frames[i - 1].bottom - 1}));
    }
  }
}

TEST(WorldViewModelTest, CursorFrameDependsOnGridAndScroll) {
  ViewFixture view(100, 100, 16, 640, 480);
  view.model.Tiles().MoveCursorTo(10, 20);
  view.model.SetScroll(100, 200);
  view.model.RefreshView();
  // left = 10·16 − 100 = 60, top = 20·16 − 200 = 120
  EXPECT_EQ(view.model.CursorFrames().front(), (CRect{60, 120, 77, 137}));
  view.model.SetGridOn(true);
  EXPECT_EQ(view.model.CursorFrames().front(), (CRect{61, 121, 76, 136}));
  view.model.OnToggleNoImages();
  EXPECT_TRUE(view.model.CursorFrames().empty());
}

TEST(WorldViewModelTest, SelectionFrameInObjectMode) {
  struct Row {
    int32_t width;
    size_t frames;
  };
  const Row rows[] = {{200, 16}, {20, 2}, {7, 0}};
  for (const Row& row : rows) {
    ViewFixture view(100, 100, 16, 640, 480);
    view.model.SetEditMode(kObjectMode);
    EXPECT_TRUE(view.model.CursorFrames().empty());  // nothing selected
    view.model.DrawCursor();
    EXPECT_FALSE(view.model.CursorShown());
    view.document.selected = ViewObjectBox{300, 200, row.width, 40, 3, -2};
    std::vector<CRect> frames = view.model.CursorFrames();
    ASSERT_EQ(frames.size(), row.frames) << row.width;
    if (!frames.empty()) {
      int32_t a = 300 - row.width / 2 + 3;
      int32_t b = 200 - 20 - 2;
      EXPECT_EQ(frames.front(), (CRect{a, b, a + row.width + 1, b + 41}));
    }
  }
}

TEST(WorldViewModelTest, BlinkTogglesOnlyWhileTheEditorIsActive) {
  ViewFixture view(100, 100, 16, 640, 480);
  view.model.OnBlink(false);
  EXPECT_FALSE(view.model.CursorShown());
  EXPECT_TRUE(view.window.overlays.empty());
  view.model.OnBlink(true);
  EXPECT_TRUE(view.model.CursorShown());
  view.model.OnBlink(true);
  EXPECT_FALSE(view.model.CursorShown());
  ASSERT_EQ(view.window.overlays.size(), 2u);
  EXPECT_EQ(view.window.overlays[0], (CRect{0, 0, 17, 17}));
  // painting never re-renders
  EXPECT_TRUE(view.document.renders.empty());
}

TEST(WorldViewModelTest, HideCursorRepaintsWhereTheCursorWas) {
  ViewFixture view(100, 100, 16, 640, 480);
  view.model.OnBlink(true);
  view.window.Clear();
  view.model.Tiles().MoveCursorTo(3, 4);
  EXPECT_FALSE(view.model.CursorShown());
  ASSERT_EQ(view.window.overlays.size(), 1u);
  EXPECT_EQ(view.window.overlays[0], (CRect{0, 0, 17, 17}));  // the old cell
  view.model.HideCursor();  // already hidden: nothing to repaint
  EXPECT_EQ(view.window.overlays.size(), 1u);
}

TEST(WorldViewModelTest, RefreshPolicy) {
  ViewFixture view(100, 100, 16, 640, 480);
  view.model.Objects().Selection() = {1, 2, 3, 4};
  view.model.OnBlink(true);
  view.window.Clear();

  view.model.OnRefreshCommand();  // F5: repaint only
  EXPECT_FALSE(view.model.CursorShown());
  EXPECT_EQ(view.window.invalidations, std::vector<bool>{false});
  EXPECT_TRUE(view.document.renders.empty());
  EXPECT_EQ(view.model.Objects().Selection().xMin, -1);
  EXPECT_EQ(view.model.Objects().Selection().yMax, -1);

  view.window.Clear();
  view.model.OnBlink(true);
  view.model.OnToggleGrid();  // Ctrl+G: repaint only
  EXPECT_TRUE(view.model.GridOn());
  EXPECT_FALSE(view.model.CursorShown());
  EXPECT_EQ(view.window.invalidations, std::vector<bool>{false});
  EXPECT_TRUE(view.document.renders.empty());

  view.model.OnToggleNoImages();  // re-renders
  EXPECT_TRUE(view.model.NoImages());
  EXPECT_EQ(view.document.renders, std::vector<int>{1});
}

TEST(WorldViewModelTest, MousePixelAndCell) {
  ViewFixture view(100, 100, 64, 640, 480);
  view.model.SetScroll(100, 40);
  view.model.RefreshView();
  EXPECT_EQ(view.model.MousePixel(10, 20), (PixelPoint{110, 60}));
  EXPECT_EQ(view.model.MouseCell(10, 20), (CellPoint{1, 0}));
  EXPECT_EQ(view.model.MouseCell(27, 24), (CellPoint{1, 1}));
  EXPECT_EQ(view.model.MouseCell(-200, 0), (CellPoint{-2, 0}));  // left of the plane: as a right shift would
  view.document.plane.reset();
  EXPECT_EQ(view.model.MouseCell(10, 20), (CellPoint{-1, -1}));
}

TEST(WorldViewModelTest, MouseInViewOnlyWhileTheMouseIsOverTheClientArea) {
  ViewFixture view(100, 100, 64, 640, 480);
  view.model.SetScroll(100, 40);
  int32_t x = 0, y = 0;
  EXPECT_FALSE(view.model.MouseInView(x, y));  // never entered
  view.model.OnMouseMove(10, 20, 0);
  ASSERT_TRUE(view.model.MouseInView(x, y));
  EXPECT_EQ((PixelPoint{x, y}), (PixelPoint{110, 60}));
  view.model.OnMouseMove(700, 20, 0);  // dragged past the edge
  EXPECT_FALSE(view.model.MouseInView(x, y));
  view.model.OnMouseMove(10, 20, 0);
  view.model.OnMouseLeave();  // off to a menu
  EXPECT_FALSE(view.model.MouseInView(x, y));
  // The game's start position takes the cursor wherever it is.
  EXPECT_FALSE(view.model.MouseWorldPixel(x, y));
  view.window.cursor = PixelPoint{-30, 700};
  ASSERT_TRUE(view.model.MouseWorldPixel(x, y));
  EXPECT_EQ((PixelPoint{x, y}), (PixelPoint{70, 740}));
}

TEST(WorldViewModelTest, MouseCellOfTilesThatAreNoPowerOfTwo) {
  // 48-pixel tiles: cells by division, consistent with where the cells are drawn
  FakeViewDocument document;
  document.plane = MakeViewPlane(20, 20, 48, 24);
  FakeViewWindow window;
  CWorldViewModel model;
  model.SetDocument(&document);
  model.SetWindow(&window);
  model.InitialUpdate();
  EXPECT_EQ(model.MouseCell(47, 23), (CellPoint{0, 0}));
  EXPECT_EQ(model.MouseCell(48, 24), (CellPoint{1, 1}));
  EXPECT_EQ(model.MouseCell(100, 50), (CellPoint{2, 2}));
}

// A mode's mouse pane tells where the mouse is as soon as the mode is entered.
TEST(WorldViewModelTest, ANewModesMousePaneShowsTheMouseAtOnce) {
  ViewFixture view(100, 100, 64, 640, 480);
  view.model.SetScroll(128, 64);
  view.model.RefreshView();
  view.window.cursor = PixelPoint{30, 40};
  view.model.SetEditMode(kObjectMode);
  EXPECT_EQ(view.model.Objects().PaneText(cmd::kPaneObjectMouse), "Mouse = 158, 104");
  view.window.cursor = PixelPoint{1, 2};
  view.model.SetEditMode(kTileMode);
  EXPECT_EQ(view.model.Tiles().PaneText(cmd::kPaneMouse), "Mouse = 129, 66");
}

TEST(WorldViewModelTest, CenterOn) {
  ViewFixture view(100, 100, 64, 640, 480);
  view.model.CenterOn(1000, 900);
  EXPECT_EQ(view.model.ScrollX(), 1000 - 320);
  EXPECT_EQ(view.model.ScrollY(), 900 - 240);
  view.model.CenterOn(0, 0);  // clamped to the origin
  EXPECT_EQ(view.model.ScrollX(), 0);
  EXPECT_EQ(view.model.ScrollY(), 0);
  view.model.CenterOn(INT32_MIN, INT32_MAX);  // no overflow
  EXPECT_EQ(view.model.ScrollX(), 0);
  EXPECT_EQ(view.model.ScrollY(), 6400 - 480);
}

TEST(WorldViewModelTest, OnScrollByNeedsSurfaceWorldAndPlane) {
  ViewFixture view(100, 100, 32, 640, 480);
  EXPECT_EQ(view.model.OnScrollBy(-50, 40), 1);
  EXPECT_EQ(view.model.ScrollX(), 0);
  EXPECT_EQ(view.model.ScrollY(), 40);
  view.document.loaded = false;
  EXPECT_EQ(view.model.OnScrollBy(10, 10), 0);
  EXPECT_EQ(view.model.ScrollY(), 40);
}

}  // namespace
}  // namespace vyr

namespace vyr {
namespace {

TEST(WorldViewModelTest, SettingsComeFromTheProfileAndGoBack) {
  Profile profile;
  profile.WriteProfileInt("Options", "Grid", 1);
  profile.WriteProfileInt("options", "warpx", 120);  // names compare without case
  profile.WriteProfileInt("Custom", "Move Left", 7);
  {
    CWorldViewModel model(&profile);
    EXPECT_TRUE(model.GridOn());
    EXPECT_EQ(model.WarpX(), 120);
    EXPECT_EQ(model.WarpY(), -1);
    EXPECT_EQ(model.Moves().left, 7);
    EXPECT_EQ(model.Moves().up, 20);
    model.OnToggleGrid();
    model.SetWarp(5, 6);
    model.Moves().down = -3;
    model.SetTileDialogHidden(false);
  }
  EXPECT_EQ(profile.GetProfileInt("Options", "Grid", -9), 0);
  EXPECT_EQ(profile.GetProfileInt("Options", "WarpX", -9), 5);
  EXPECT_EQ(profile.GetProfileInt("Options", "WarpY", -9), 6);
  EXPECT_EQ(profile.GetProfileInt("Options", "TileDialog", -9), 0);
  EXPECT_EQ(profile.GetProfileInt("Custom", "Move Down", -9), -3);
  EXPECT_EQ(profile.GetProfileInt("Custom", "Move Up", -9), 20);
  EXPECT_EQ(profile.GetProfileInt("Custom", "Move Left", -9), 7);
}

TEST(WorldViewModelTest, TileDialogIsLeftToItsOwnerUntilHandedOver) {
  Profile profile;
  { CWorldViewModel model(&profile); }
  EXPECT_FALSE(profile.HasKey("Options", "TileDialog"));
  EXPECT_TRUE(profile.HasKey("Options", "Grid"));
}

}  // namespace
}  // namespace vyr

namespace vyr {
namespace {

TEST(ViewCommandsTest, GridNoImagesAndAutoCursorStates) {
  RoutedView view;
  CommandState grid = view.router.QueryState(cmd::kGrid);
  EXPECT_TRUE(grid.enabled);
  EXPECT_FALSE(grid.checked);
  EXPECT_TRUE(view.router.Execute(cmd::kGrid));
  EXPECT_TRUE(view.router.QueryState(cmd::kGrid).checked);

  EXPECT_TRUE(view.router.Execute(cmd::kNoImages));
  EXPECT_TRUE(view.router.QueryState(cmd::kNoImages).checked);
  EXPECT_TRUE(view.router.QueryState(cmd::kAutoCursor).checked);
  EXPECT_TRUE(view.router.Execute(cmd::kAutoCursor));
  EXPECT_FALSE(view.router.QueryState(cmd::kAutoCursor).checked);

  view.document.plane.reset();  // no current plane: grid disabled, the others stay enabled
  EXPECT_FALSE(view.router.QueryState(cmd::kGrid).enabled);
  EXPECT_FALSE(view.router.Execute(cmd::kGrid));
  EXPECT_TRUE(view.model.GridOn());
  EXPECT_TRUE(view.router.QueryState(cmd::kNoImages).enabled);
  EXPECT_TRUE(view.router.QueryState(cmd::kAutoCursor).enabled);
  EXPECT_TRUE(view.router.QueryState(cmd::kCursorRight).enabled);
  EXPECT_TRUE(view.router.QueryState(cmd::kWorldView).enabled);
  view.document.loaded = false;
  EXPECT_FALSE(view.router.QueryState(cmd::kWorldView).enabled);
}

TEST(ViewCommandsTest, RefreshCommandRepaintsWithoutRendering) {
  RoutedView view;
  view.document.renders.clear();
  view.window.Clear();
  EXPECT_TRUE(view.router.Execute(cmd::kRefreshView));
  EXPECT_EQ(view.window.invalidations, std::vector<bool>{false});
  EXPECT_TRUE(view.document.renders.empty());
}

}  // namespace
}  // namespace vyr

namespace vyr {
namespace {

// The model over a real document that opened a world from disk.
TEST(WorldViewModelTest, RendersTheDocumentsCurrentPlane) {
  test::TempFolder folder;
  const std::string archive = folder / "GAME.REZ";
  test::WriteArchive(archive, test::StandardArchive());
  const std::string path = folder / "W.VWD";
  test::WriteWorld(path, test::StandardProperties(archive), {test::PlaneSpec{"Main", 0, {"TILES"}, 40, 30, 16}});

  Profile profile;
  ScriptedInteraction user;
  CWorldDoc doc(&profile, user);
  WorldDocViewSource source(doc);
  FakeViewWindow window;
  window.width = 320;
  window.height = 240;
  CWorldViewModel model;
  model.SetWindow(&window);
  model.SetDocument(&source);
  doc.SetViewPort(&model);
  model.InitialUpdate();
  ASSERT_TRUE(doc.OnOpenDocument(path)) << doc.FailureReason();
  ASSERT_NE(doc.CurrentPlane(), nullptr);
  ASSERT_NE(model.Surface(), nullptr);
  EXPECT_EQ(window.sizes.back().totalWidth, 640);

  // cell (c, r) holds image c % 3 of TILES, a 16 × 16 block of colour 10 + image
  const CDibG& surface = *model.Surface();
  EXPECT_EQ(surface.GetPixel(0, 0), 10);
  EXPECT_EQ(surface.GetPixel(16, 5), 11);
  EXPECT_EQ(surface.GetPixel(47, 239), 12);
  EXPECT_EQ(surface.GetPixel(48, 0), 10);

  EXPECT_EQ(model.OnScrollBy(8, 1000), 1);
  EXPECT_EQ(model.ScrollY(), 480 - 240);  // clamped to the plane
  EXPECT_EQ(doc.CurrentPlane()->m_viewOriginX, 8);
  EXPECT_EQ(surface.GetPixel(7, 0), 10);
  EXPECT_EQ(surface.GetPixel(8, 0), 11);

  model.OnToggleNoImages();
  int notBackground = 0;
  for (int32_t y = 0; y < surface.Height(); ++y)
    for (int32_t x = 0; x < surface.Width(); ++x) notBackground += surface.GetPixel(x, y) != 255;
  EXPECT_EQ(notBackground, 0);
  doc.SetViewPort(nullptr);
}

}  // namespace
}  // namespace vyr
