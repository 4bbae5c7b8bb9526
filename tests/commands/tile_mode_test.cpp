// Tests of tile mode: the tile cursor's steps, jumps and automatic advance, its menu entries and the status panes.
#include "commands/modes/tile_mode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/view_model_fakes.h"
#include "commands/world_view_model.h"
#include "platform/command_ids.h"
#include "world/view_port.h"

namespace vyr {
namespace {

using viewtest::MakeViewPlane;
using viewtest::RoutedView;
using viewtest::ViewFixture;

TEST(TileModeTest, CursorStepsScrollOnlyWhenTheCellLeavesTheView) {
  struct Row {
    const char* name;
    int32_t column, row, scrollX, scrollY;
    CursorStep step;
    int32_t wantColumn, wantRow, wantScrollX, wantScrollY;
    bool refreshed;
  };
  // 100 × 100 cells of 64 pixels in a 640 × 480 window: 10 columns, 7.5 rows visible
  const Row rows[] = {
      {"right inside", 3, 3, 0, 0, CursorStep::Right, 4, 3, 0, 0, false},
      {"right off the edge", 9, 3, 0, 0, CursorStep::Right, 10, 3, 64, 0, true},
      {"left off the edge", 5, 3, 384, 0, CursorStep::Left, 4, 3, 320, 0, true},
      {"left at column 0", 0, 3, 0, 0, CursorStep::Left, 0, 3, 0, 0, false},
      {"down into a half row", 6, 6, 0, 0, CursorStep::Down, 6, 7, 0, 64, true},
      {"up off the top", 2, 2, 0, 192, CursorStep::Up, 2, 1, 0, 128, true},
      {"right on the last column, visible", 99, 0, 5760, 0, CursorStep::Right, 99, 0, 5760, 0, false},
      {"right on the last column, hidden", 99, 0, 0, 0, CursorStep::Right, 99, 0, 64, 0, true},
      {"down on the last row, far off", 0, 99, 0, 0, CursorStep::Down, 0, 99, 0, 64, true},
  };
  for (const Row& row : rows) {
    ViewFixture view(100, 100, 64, 640, 480);
    view.model.SetScroll(row.scrollX, row.scrollY);
    view.model.RefreshView();
    view.model.Tiles().MoveCursorTo(row.column, row.row);
    view.document.renders.clear();
    view.model.Tiles().StepCursor(row.step);
    EXPECT_EQ(view.model.Tiles().CursorColumn(), row.wantColumn) << row.name;
    EXPECT_EQ(view.model.Tiles().CursorRow(), row.wantRow) << row.name;
    EXPECT_EQ(view.model.ScrollX(), row.wantScrollX) << row.name;
    EXPECT_EQ(view.model.ScrollY(), row.wantScrollY) << row.name;
    EXPECT_EQ(!view.document.renders.empty(), row.refreshed) << row.name;
  }
}

TEST(TileModeTest, CursorJumps) {
  struct Row {
    CursorJump jump;
    int32_t wantColumn, wantRow, wantScrollX, wantScrollY;
  };
  // from cell (50, 40) at scroll (1000, 1000) on 100 × 80 cells of 32 pixels, window 640 × 480
  const int32_t maxX = 3200 - 640;
  const int32_t maxY = 2560 - 480;
  const Row rows[] = {
      {CursorJump::TopLeft, 0, 0, 0, 0},
      {CursorJump::TopRight, 99, 0, maxX, 0},
      {CursorJump::BottomRight, 99, 79, maxX, maxY},
      {CursorJump::BottomLeft, 0, 79, 0, maxY},
      {CursorJump::RowStart, 0, 40, 0, 1000},
      {CursorJump::RowEnd, 99, 40, maxX, 1000},
      {CursorJump::ColumnStart, 50, 0, 1000, 0},
      {CursorJump::ColumnEnd, 50, 79, 1000, maxY},
  };
  for (const Row& row : rows) {
    ViewFixture view(100, 80, 32, 640, 480);
    view.model.SetScroll(1000, 1000);
    view.model.Tiles().MoveCursorTo(50, 40);
    view.document.renders.clear();
    view.model.Tiles().JumpCursor(row.jump);
    EXPECT_EQ(view.model.Tiles().CursorColumn(), row.wantColumn) << int(row.jump);
    EXPECT_EQ(view.model.Tiles().CursorRow(), row.wantRow) << int(row.jump);
    EXPECT_EQ(view.model.ScrollX(), row.wantScrollX) << int(row.jump);
    EXPECT_EQ(view.model.ScrollY(), row.wantScrollY) << int(row.jump);
    EXPECT_EQ(view.document.renders, std::vector<int>{1}) << int(row.jump);
  }
}

TEST(TileModeTest, JumpOnAPlaneSmallerThanTheWindow) {
  ViewFixture view(5, 4, 32, 640, 480);
  view.model.Tiles().JumpCursor(CursorJump::BottomRight);
  EXPECT_EQ(view.model.Tiles().CursorColumn(), 4);
  EXPECT_EQ(view.model.Tiles().CursorRow(), 3);
  EXPECT_EQ(view.model.ScrollX(), 0);
  EXPECT_EQ(view.model.ScrollY(), 0);
}

TEST(TileModeTest, CursorRoutinesNeedACurrentPlane) {
  ViewFixture view(100, 100, 32, 640, 480);
  view.model.Tiles().MoveCursorTo(7, 8);
  view.document.plane.reset();
  view.model.Tiles().MoveCursorTo(1, 1);
  view.model.Tiles().StepCursor(CursorStep::Right);
  view.model.Tiles().JumpCursor(CursorJump::TopLeft);
  EXPECT_EQ(view.model.Tiles().CursorColumn(), 7);
  EXPECT_EQ(view.model.Tiles().CursorRow(), 8);
  EXPECT_TRUE(view.model.Tiles().CursorCellVisible());
  EXPECT_TRUE(view.document.renders.empty());
}

TEST(TileModeTest, MoveCursorToClampsIntoThePlane) {
  struct Row {
    int32_t column, row, wantColumn, wantRow;
  };
  const Row rows[] = {{-5, -1, 0, 0}, {10, 3, 9, 3}, {4, 100, 4, 5}, {9, 5, 9, 5}};
  for (const Row& row : rows) {
    ViewFixture view(10, 6, 32, 640, 480);
    view.model.Tiles().MoveCursorTo(row.column, row.row);
    EXPECT_EQ(view.model.Tiles().CursorColumn(), row.wantColumn);
    EXPECT_EQ(view.model.Tiles().CursorRow(), row.wantRow);
    EXPECT_TRUE(view.document.renders.empty());  // no scroll, no refresh
  }
}

TEST(TileModeTest, AutoCursorAdvancesOnlyWhenOn) {
  ViewFixture view(100, 100, 32, 640, 480);
  view.model.Tiles().MoveCursorTo(3, 3);
  view.model.Tiles().AdvanceAutoCursor();
  EXPECT_EQ(view.model.Tiles().CursorColumn(), 4);
  view.model.Tiles().OnToggleAutoCursor();
  EXPECT_FALSE(view.model.Tiles().AutoCursor());
  view.model.Tiles().AdvanceAutoCursor();
  EXPECT_EQ(view.model.Tiles().CursorColumn(), 4);
}

TEST(TileModeTest, PlaneChangePutsTheCursorHomeAndKeepsTheScroll) {
  ViewFixture view(100, 100, 32, 640, 480);
  view.model.SetScroll(320, 320);
  view.model.Tiles().MoveCursorTo(20, 20);
  view.document.plane = MakeViewPlane(200, 200, 16, 16);
  view.model.CurrentPlaneChanged();
  EXPECT_EQ(view.model.Tiles().CursorColumn(), 0);
  EXPECT_EQ(view.model.Tiles().CursorRow(), 0);
  EXPECT_EQ(view.model.ScrollX(), 320);
  EXPECT_EQ(view.model.ScrollY(), 320);
  EXPECT_EQ(view.window.sizes.back().totalWidth, 3200);
  EXPECT_EQ(view.document.renders, std::vector<int>{1});
}

TEST(TileModeTest, CursorEntriesMoveTheCursor) {
  struct Row {
    CommandId id;
    int32_t column, row;
  };
  // from cell (10, 10)
  const Row rows[] = {
      {cmd::kCursorLeft, 9, 10},         {cmd::kCursorRight, 11, 10},     {cmd::kCursorUp, 10, 9},
      {cmd::kCursorDown, 10, 11},        {cmd::kCursorTopLeft, 0, 0},     {cmd::kCursorTopRight, 99, 0},
      {cmd::kCursorBottomRight, 99, 79}, {cmd::kCursorBottomLeft, 0, 79}, {cmd::kCursorRowStart, 0, 10},
      {cmd::kCursorRowEnd, 99, 10},      {cmd::kCursorColumnStart, 10, 0}, {cmd::kCursorColumnEnd, 10, 79},
  };
  for (const Row& row : rows) {
    RoutedView view;
    view.model.Tiles().MoveCursorTo(10, 10);
    EXPECT_TRUE(view.router.Execute(row.id)) << row.id;
    EXPECT_EQ(view.model.Tiles().CursorColumn(), row.column) << row.id;
    EXPECT_EQ(view.model.Tiles().CursorRow(), row.row) << row.id;
  }
}

TEST(TileModeTest, PanesDescribeTheMouseTheCursorAndItsTile) {
  RoutedView view;  // 100 × 80 cells of 32 pixels
  view.document.tiles.assign(100 * 80, -1);
  view.document.tiles[2 * 100 + 3] = int32_t(0x00020011);
  view.document.tiles[2 * 100 + 4] = int32_t(0xEEEEEEEEu);
  view.model.SetScroll(64, 32);
  view.model.OnMouseMove(10, 5, 0);
  auto panes = [&] {
    std::vector<std::string> texts;
    for (CommandId id : {cmd::kPaneMouse, cmd::kPaneTile, cmd::kPaneSet, cmd::kPaneImage})
      texts.push_back(view.router.QueryState(id).text.value_or("?"));
    return texts;
  };
  view.model.Tiles().MoveCursorTo(3, 2);
  EXPECT_EQ(panes(), (std::vector<std::string>{"Mouse = 74, 37", "Tile = 3, 2", "Set = 2", "Image = 17"}));
  view.model.Tiles().MoveCursorTo(4, 2);
  EXPECT_EQ(panes()[2], "Set = (Fill)");
  EXPECT_EQ(panes()[3], "Image = (Fill)");
  view.model.Tiles().MoveCursorTo(5, 2);
  EXPECT_EQ(panes()[2], "Set = (Invis)");
  view.document.plane.reset();
  EXPECT_EQ(panes()[2], "Set = ");
  EXPECT_EQ(panes()[3], "Image = ");
}

// Input and frames follow the current mode.
TEST(TileModeTest, TheViewSwitchesModesAndForwardsInput) {
  ViewFixture view(10, 10, 64, 640, 480);
  EXPECT_EQ(view.model.EditMode(), kTileMode);
  view.model.Tiles().MoveCursorTo(1, 1);
  EXPECT_EQ(view.model.CursorFrames().front(), (CRect{64, 64, 129, 129}));
  view.model.SetEditMode(kObjectMode);
  EXPECT_EQ(view.model.EditMode(), kObjectMode);
  EXPECT_TRUE(view.model.CursorFrames().empty());  // no selected object
  view.model.OnMouseMove(100, 100, kModShift);      // object mode takes it; the tile pane keeps its place
  view.model.SetEditMode(kTileMode);
  view.model.OnMouseMove(130, 70, 0);
  EXPECT_EQ(view.model.Tiles().PaneText(cmd::kPaneMouse), "Mouse = 130, 70");
  EXPECT_EQ(view.model.Tiles().CursorColumn(), 1);
}

}  // namespace
}  // namespace vyr
