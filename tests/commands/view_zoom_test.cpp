// Tests of the zoom: steps, window <-> view mapping, the view model's mouse, cursor, grid and scroll at every step, the kept anchor, the profile.
#include "commands/view_zoom.h"

#include <gtest/gtest.h>

#include <vector>

#include "commands/view_model_fakes.h"
#include "commands/world_view_model.h"
#include "platform/command_ids.h"
#include "platform/profile.h"
#include "resources/dib.h"

namespace vyr {
namespace {

using viewtest::RoutedView;
using viewtest::ViewFixture;

TEST(ViewZoom, StepsStopAtTheEndsAndUnknownValuesAreNotTrusted) {
  struct Case {
    int32_t percent, in, out, valid;
  };
  const Case cases[] = {{12, 25, 12, 12},   {25, 33, 12, 25},     {33, 50, 25, 33},    {67, 100, 50, 67},
                        {100, 150, 67, 100}, {150, 200, 100, 150}, {400, 800, 300, 400}, {800, 800, 400, 800},
                        {175, 200, 150, 100}, {0, 12, 12, 100},    {999, 800, 800, 100}};
  for (const Case& c : cases) {
    EXPECT_EQ(NextZoom(c.percent, 1), c.in) << c.percent;
    EXPECT_EQ(NextZoom(c.percent, -1), c.out) << c.percent;
    EXPECT_EQ(ValidZoom(c.percent), c.valid) << c.percent;
  }
}

TEST(ViewZoom, WindowAndViewPixelsAtEveryStep) {
  struct Case {
    int32_t percent;
    int32_t window, view;    // a window pixel and the view pixel under it
    int32_t negative;        // the view pixel under window pixel −1
    int32_t back;            // where view pixel `view` starts in the window
    int32_t extent;          // view pixels a 641-pixel window shows
  };
  const Case cases[] = {{25, 101, 404, -4, 101, 2564}, {50, 101, 202, -2, 101, 1282}, {100, 101, 101, -1, 101, 641},
                        {200, 101, 50, -1, 100, 321},  {300, 101, 33, -1, 99, 214},   {400, 101, 25, -1, 100, 161}};
  for (const Case& c : cases) {
    const ViewZoom zoom(c.percent);
    EXPECT_EQ(zoom.ToView(c.window), c.view) << c.percent;
    EXPECT_EQ(zoom.ToView(-1), c.negative) << c.percent;
    EXPECT_EQ(zoom.ToWindow(c.view), c.back) << c.percent;
    EXPECT_EQ(zoom.ViewExtent(641), c.extent) << c.percent;
  }
  EXPECT_EQ(ViewZoom(7).Percent(), 100);
}

void ZoomTo(CWorldViewModel& model, int32_t percent) {
  while (model.Zoom().Percent() != percent) {
    const int32_t before = model.Zoom().Percent();
    model.ZoomAtCentre(percent > before ? 1 : -1);
    ASSERT_NE(model.Zoom().Percent(), before);
  }
}

// A 3200 x 2560 plane of 32-pixel tiles in a 640 x 480 window, scrolled to (320, 160).
TEST(ViewZoom, MouseCursorAndGridFollowTheZoom) {
  struct Case {
    int32_t percent;
    int32_t clientWidth, clientHeight;
    PixelPoint mouse;  // the world pixel under window pixel (100, 50)
    CellPoint cell;
    CRect cursor;  // cell (12, 6)'s outer frame in the window, inside the grid lines
    size_t gridColumns;
    int32_t secondColumn, lastColumn;
  };
  const Case cases[] = {
      {25, 2560, 1920, {720, 360}, {22, 11}, {16, 8, 24, 16}, 80, 8, 632},
      // Scrolled to (318, 159): drawn reduced by 3, the scroll keeps to multiples of 3.
      {33, 1920, 1440, {618, 309}, {19, 9}, {22, 11, 32, 21}, 60, 11, 630},
      {67, 960, 720, {470, 235}, {14, 7}, {43, 22, 64, 42}, 30, 21, 618},
      {50, 1280, 960, {520, 260}, {16, 8}, {32, 16, 48, 32}, 40, 16, 624},
      {100, 640, 480, {420, 210}, {13, 6}, {65, 33, 96, 64}, 20, 32, 608},
      {200, 320, 240, {370, 185}, {11, 5}, {130, 66, 192, 128}, 10, 64, 576},
      {300, 214, 160, {353, 176}, {11, 5}, {195, 99, 288, 192}, 7, 96, 576},
      {400, 160, 120, {345, 172}, {10, 5}, {260, 132, 384, 256}, 5, 128, 512},
  };
  for (const Case& c : cases) {
    ViewFixture view(100, 80, 32, 640, 480);
    ZoomTo(view.model, c.percent);
    view.model.Resize();
    ASSERT_FALSE(view.window.sizes.empty());
    view.model.SetScroll(320, 160);
    view.model.RefreshView();
    view.model.SetGridOn(true);
    view.model.Tiles().MoveCursorTo(12, 6);
    SCOPED_TRACE(c.percent);
    EXPECT_EQ(view.model.ClientWidth(), c.clientWidth);
    EXPECT_EQ(view.model.ClientHeight(), c.clientHeight);
    // Drawn reduced, the surface holds window pixels.
    EXPECT_EQ(view.model.Surface()->Width(), view.model.Zoom().Divisor() > 1 ? 640 : c.clientWidth);
    EXPECT_EQ(view.document.viewRect, (CRect{0, 0, c.clientWidth - 1, c.clientHeight - 1}));
    EXPECT_EQ(view.window.sizes.back().pageWidth, c.clientWidth - 32);
    EXPECT_EQ(view.model.MousePixel(100, 50), c.mouse);
    EXPECT_EQ(view.model.MouseCell(100, 50), c.cell);
    const std::vector<CRect> frames = view.model.CursorFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front(), c.cursor);
    // No two frames share an edge's dots: inverted twice they would cancel out.
    for (size_t i = 1; i < frames.size(); ++i) {
      EXPECT_GT(frames[i].left, frames[i - 1].left);
      EXPECT_GT(frames[i].top, frames[i - 1].top);
      EXPECT_LT(frames[i].right, frames[i - 1].right);
      EXPECT_LT(frames[i].bottom, frames[i - 1].bottom);
    }
    const std::vector<int32_t> columns = view.model.GridColumns();
    ASSERT_EQ(columns.size(), c.gridColumns);
    EXPECT_EQ(columns[1], c.secondColumn);
    EXPECT_EQ(columns.back(), c.lastColumn);
    // The plane fills the window at every step; at 300 % its last view pixel is cut.
    EXPECT_EQ(view.model.PlaneArea(), (CRect{0, 0, 640, 480}));

    // The mouse pane and a click see the cell under the mouse.
    view.model.OnMouseMove(100, 50, 0);
    int32_t x = 0, y = 0;
    ASSERT_TRUE(view.model.MouseInView(x, y));
    EXPECT_EQ((PixelPoint{x, y}), c.mouse);
    view.model.OnMouseDown(100, 50, MouseButton::Left, 0);
    EXPECT_EQ((CellPoint{view.model.CursorColumn(), view.model.CursorRow()}), c.cell);
  }
}

TEST(ViewZoom, ZoomingKeepsTheWorldPixelUnderTheAnchor) {
  const PixelPoint anchors[] = {{0, 0}, {100, 50}, {639, 479}, {333, 217}};
  for (const PixelPoint& anchor : anchors) {
    ViewFixture view(400, 400, 32, 640, 480);
    view.model.SetScroll(5000, 4000);
    view.model.RefreshView();
    for (int direction : {-1, -1, 1, 1, 1, 1, 1, -1, -1, -1}) {
      const int32_t from = view.model.Zoom().Percent();
      const PixelPoint before = view.model.MousePixel(anchor.x, anchor.y);
      view.model.ZoomAt(direction, anchor.x, anchor.y);
      // Drawn reduced by d, the scroll keeps to multiples of d: the pixel stays within the
      // window pixel under the anchor.
      const PixelPoint after = view.model.MousePixel(anchor.x, anchor.y);
      const int32_t d = view.model.Zoom().Divisor();
      EXPECT_TRUE(after.x <= before.x && before.x - after.x < d && after.y <= before.y && before.y - after.y < d)
          << from << " -> " << view.model.Zoom().Percent() << " at " << anchor.x << ", " << anchor.y;
    }
    EXPECT_EQ(view.model.Zoom().Percent(), 100);
  }
  // At the plane's corner the scroll stays clamped: zooming out cannot show past the edge.
  ViewFixture corner(400, 400, 32, 640, 480);
  corner.model.ZoomAt(-1, 600, 400);
  EXPECT_EQ((PixelPoint{corner.model.ScrollX(), corner.model.ScrollY()}), (PixelPoint{0, 0}));
  EXPECT_EQ(corner.window.positions.back(), (PixelPoint{0, 0}));
}

TEST(ViewZoom, EachWorldKeepsItsZoomInTheProfile) {
  Profile profile;
  profile.WriteProfileInt("C:/B.VWD", "Zoom", 300);
  profile.WriteProfileInt("C:/D.VWD", "Zoom", 175);  // not a step
  viewtest::FakeViewDocument document;
  document.plane = viewtest::MakeViewPlane(100, 100, 32, 32);
  viewtest::FakeViewWindow window;
  CWorldViewModel model(&profile);
  model.SetDocument(&document);
  model.SetWindow(&window);
  model.InitialUpdate();
  struct Step {
    const char* section;  // the world shown next
    int direction;        // then one zoom step (0: none)
    int32_t shown;        // the zoom it opened with
    int32_t after;
  };
  const Step steps[] = {
      {"C:/A.VWD", 1, 100, 150},  // never zoomed: 100 %
      {"C:/B.VWD", 0, 300, 300},  {"C:/A.VWD", -1, 150, 100}, {"C:/D.VWD", 0, 100, 100},
      {"", 1, 100, 150},          // a new world
      {"C:/E.VWD", 1, 150, 200},  // ... saved: it keeps what it was shown at
      {"C:/E.VWD", 0, 200, 200},
  };
  for (const Step& step : steps) {
    document.section = step.section;
    model.CurrentPlaneChanged();
    EXPECT_EQ(model.Zoom().Percent(), step.shown) << step.section;
    if (step.direction) model.ZoomAtCentre(step.direction);
    EXPECT_EQ(model.Zoom().Percent(), step.after) << step.section;
  }
  EXPECT_EQ(profile.GetProfileInt("C:/A.VWD", "Zoom", 0), 100);
  EXPECT_EQ(profile.GetProfileInt("C:/B.VWD", "Zoom", 0), 300);
  EXPECT_EQ(profile.GetProfileInt("C:/E.VWD", "Zoom", 0), 200);
}

TEST(ViewZoom, CommandsPaneAndAllPlanesOption) {
  Profile profile;
  profile.WriteProfileInt("Options", "AllPlanes", 1);
  {
    RoutedView view;
    EXPECT_TRUE(view.router.QueryState(cmd::kZoomIn).enabled);
    EXPECT_EQ(view.router.QueryState(cmd::kPaneZoom).text, "100%");
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(view.router.Execute(cmd::kZoomIn));
    EXPECT_EQ(view.router.QueryState(cmd::kPaneZoom).text, "800%");
    EXPECT_FALSE(view.router.QueryState(cmd::kZoomIn).enabled);
    EXPECT_TRUE(view.router.QueryState(cmd::kZoomOut).enabled);
    view.document.loaded = false;
    EXPECT_FALSE(view.router.QueryState(cmd::kZoomOut).enabled);
  }
  {
    viewtest::FakeViewDocument document;
    CWorldViewModel model(&profile);
    EXPECT_TRUE(model.AllPlanes());
    model.SetDocument(&document);
    CommandTarget target;
    RegisterViewCommands(target.Commands(), model);
    CommandRouter router;
    router.SetTarget(CommandRouter::Slot::View, &target);
    EXPECT_TRUE(router.QueryState(cmd::kAllPlanes).checked);
    EXPECT_TRUE(router.Execute(cmd::kAllPlanes));
    EXPECT_FALSE(router.QueryState(cmd::kAllPlanes).checked);
  }
  EXPECT_EQ(profile.GetProfileInt("Options", "AllPlanes", -1), 0);
}

}  // namespace
}  // namespace vyr
