// Tests of tile mode: the tile cursor's steps, jumps and automatic advance, its menu entries, the status panes,
// mouse edits, typed image numbers and the view's navigation commands.
#include "commands/modes/tile_mode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/view_model_fakes.h"
#include "commands/world_view_model.h"
#include "commands/modes/navigation_dialogs.h"
#include "platform/command_ids.h"
#include "platform/scripted_interaction.h"
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

// Only a cell wholly inside the window counts as shown: not one whose last pixel is the
// first past the window's edge. 64-pixel cells, a 640 × 480 window.
TEST(TileModeTest, CursorCellVisibleAtTheWindowsEdges) {
  const struct {
    int32_t scrollX, scrollY, column, row;
    bool visible;
  } rows[] = {{0, 0, 9, 6, true},   {64, 0, 1, 0, true}, {65, 0, 1, 0, false}, {63, 0, 10, 0, false},
              {64, 0, 10, 0, true}, {0, 31, 0, 7, false}, {0, 32, 0, 7, true}};
  for (const auto& row : rows) {
    ViewFixture view(100, 100, 64, 640, 480);
    view.model.SetScroll(row.scrollX, row.scrollY);
    view.model.Tiles().MoveCursorTo(row.column, row.row);
    EXPECT_EQ(view.model.Tiles().CursorCellVisible(), row.visible) << row.column << "," << row.row;
  }
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

// A key of the typed-number table: a digit or another key, at a time in milliseconds.
struct Stroke {
  uint32_t key;
  uint32_t at;
  uint32_t modifiers = 0;
};

TEST(TileModeTest, TypedImageNumbers) {
  struct Row {
    const char* name;
    std::vector<Stroke> strokes;
    std::vector<int32_t> placedImages;  // in the current set 3
  };
  const Row rows[] = {
      {"within 750 ms", {{'1', 1000}, {'2', 1749}}, {1, 12}},
      {"800 ms apart", {{'1', 1000}, {'2', 1800}}, {1, 2}},
      {"exactly 750 ms apart", {{'1', 1000}, {'2', 1750}}, {1, 2}},
      {"a tenth digit restarts", {{'1', 0}, {'0', 10}, {'0', 20}, {'0', 30}, {'0', 40}, {'0', 50}, {'0', 60},
                                  {'0', 70}, {'0', 80}, {'7', 90}}, {1, 7}},
      {"another key empties", {{'1', 0}, {'X', 10}, {'2', 20}}, {1, 2}},
      {"a number without an image keeps the window", {{'4', 0}, {'4', 600}, {'1', 1200}}, {441}},
      {"keypad, Ctrl and Alt digits do not type", {{'1', 0}, {'2', 10, kModKeypad}, {'2', 20, kModControl},
                                                   {'3', 30, kModAlt}, {'2', 40}}, {1, 2}},
      {"across the tick counter's wrap", {{'1', 0xFFFFFF00u}, {'2', 0x100}}, {1, 12}},
  };
  for (const Row& row : rows) {
    ViewFixture view(10, 10, 32, 640, 480);
    view.document.tiles.assign(100, -1);
    view.document.images = {1, 2, 7, 12, 441};
    view.document.currentSet = 3;
    view.model.Tiles().MoveCursorTo(4, 5);
    uint32_t now = 0;
    view.model.Tiles().SetTickSource([&now] { return now; });
    for (const Stroke& stroke : row.strokes) {
      now = stroke.at;
      view.model.OnKeyPress(stroke.key, stroke.modifiers);
    }
    std::vector<int32_t> wantWrites;
    std::vector<std::string> wantSelections;
    for (int32_t image : row.placedImages) {
      wantWrites.push_back(3 << 16 | image);
      wantSelections.push_back("image " + std::to_string(image));
    }
    EXPECT_EQ(view.document.writes, wantWrites) << row.name;
    EXPECT_EQ(view.document.selections, wantSelections) << row.name;
    // Typing never advances the cursor, automatic or not.
    EXPECT_EQ(view.model.Tiles().CursorColumn(), 4) << row.name;
    EXPECT_EQ(view.model.Tiles().CursorRow(), 5) << row.name;
  }
}

TEST(TileModeTest, TypingWorksInObjectModeAndNeedsAPlane) {
  ViewFixture view(10, 10, 32, 640, 480);
  view.document.tiles.assign(100, -1);
  view.document.images = {5};
  view.model.SetEditMode(kObjectMode);
  view.model.OnKeyPress('5', 0);
  EXPECT_EQ(view.document.writes, std::vector<int32_t>{5});
  view.document.plane.reset();
  view.model.OnKeyPress('5', 0);
  EXPECT_EQ(view.document.writes.size(), 1u);
}

// A routed view whose right clicks reach a recording handler of the edit commands.
struct MouseRig : RoutedView {
  MouseRig() {
    document.tiles.assign(100 * 80, -1);
    document.tiles[1 * 100 + 2] = int32_t(0x00040009);
    document.tiles[1 * 100 + 3] = int32_t(0xEEEEEEEEu);
    for (CommandId id : {cmd::kTileInsert, cmd::kTileDelete, cmd::kTileFillColour}) {
      editor.Commands().On(id, [this, id] {
        sent.push_back(id);
        autoCursorDuring = model.Tiles().AutoCursor();
        model.Tiles().AdvanceAutoCursor();
      });
    }
    router.SetTarget(CommandRouter::Slot::Document, &editor);
    model.SetCommandSender([this](CommandId id) { router.Execute(id); });
  }
  CommandTarget editor;
  std::vector<CommandId> sent;
  bool autoCursorDuring = true;
};

TEST(TileModeTest, MouseClicks) {
  struct Row {
    const char* name;
    int32_t x, y;  // client pixels; the view is scrolled by (0, 0)
    MouseButton button;
    uint32_t modifiers;
    int32_t wantColumn, wantRow;
    std::vector<std::string> wantSelections;
    std::vector<CommandId> wantSent;
  };
  const Row rows[] = {
      {"left moves the cursor", 70, 40, MouseButton::Left, 0, 2, 1, {}, {}},
      {"shift-left picks up set, then image", 70, 40, MouseButton::Left, kModShift, 2, 1, {"set 4", "image 9"}, {}},
      {"ctrl-left on the colour tile", 100, 40, MouseButton::Left, kModControl, 3, 1, {}, {}},
      {"ctrl-left on an empty cell", 130, 40, MouseButton::Left, kModControl, 4, 1, {}, {}},
      {"right inserts", 70, 40, MouseButton::Right, 0, 2, 1, {}, {cmd::kTileInsert}},
      {"shift-right deletes", 70, 40, MouseButton::Right, kModShift, 2, 1, {}, {cmd::kTileDelete}},
      {"ctrl wins over shift", 70, 40, MouseButton::Right, kModShift | kModControl, 2, 1, {}, {cmd::kTileFillColour}},
  };
  for (const Row& row : rows) {
    MouseRig view;
    view.model.Tiles().MoveCursorTo(9, 9);
    view.model.OnMouseDown(row.x, row.y, row.button, row.modifiers);
    EXPECT_EQ(view.model.Tiles().CursorColumn(), row.wantColumn) << row.name;
    EXPECT_EQ(view.model.Tiles().CursorRow(), row.wantRow) << row.name;
    EXPECT_EQ(view.document.selections, row.wantSelections) << row.name;
    EXPECT_EQ(view.sent, row.wantSent) << row.name;
    EXPECT_TRUE(view.model.Tiles().AutoCursor()) << row.name;
    EXPECT_EQ(view.autoCursorDuring, row.wantSent.empty()) << row.name;  // off while an edit runs
    EXPECT_EQ(view.model.ScrollX(), 0) << row.name;
  }
}

TEST(TileModeTest, ClicksBesideASmallPlaneDoNothing) {
  MouseRig view;
  view.document.plane = viewtest::MakeViewPlane(5, 5, 32, 32);  // 160 × 160 pixels in 640 × 480
  view.model.Tiles().MoveCursorTo(1, 1);
  view.model.OnMouseDown(300, 40, MouseButton::Left, 0);
  view.model.OnMouseDown(40, 300, MouseButton::Right, 0);
  EXPECT_EQ(view.model.Tiles().CursorColumn(), 1);
  EXPECT_EQ(view.model.Tiles().CursorRow(), 1);
  EXPECT_TRUE(view.sent.empty());
}

TEST(TileModeTest, ScrollsByATileAndByTheCustomMoves) {
  struct Row {
    CommandId id;
    int32_t wantX, wantY;
  };
  // from scroll (320, 320) on 100 × 80 cells of 32 pixels; moves up 5, down 6, left 7, right 8
  const Row rows[] = {
      {cmd::kScrollRight, 352, 320}, {cmd::kScrollLeft, 288, 320}, {cmd::kScrollUp, 320, 288},
      {cmd::kScrollDown, 320, 352},  {cmd::kCustomUp, 320, 315},   {cmd::kCustomDown, 320, 326},
      {cmd::kCustomLeft, 313, 320},  {cmd::kCustomRight, 328, 320},
  };
  for (const Row& row : rows) {
    RoutedView view;
    view.model.Moves() = CustomMoves{5, 6, 7, 8};
    view.model.SetScroll(320, 320);
    view.model.Tiles().MoveCursorTo(12, 12);
    EXPECT_TRUE(view.router.Execute(row.id)) << row.id;
    EXPECT_EQ(view.model.ScrollX(), row.wantX) << row.id;
    EXPECT_EQ(view.model.ScrollY(), row.wantY) << row.id;
    EXPECT_EQ(view.model.Tiles().CursorColumn(), 12) << row.id;
  }
  // A huge custom move ends at the clamp instead of wrapping past it.
  RoutedView view;
  view.model.Moves().right = INT32_MAX;
  view.model.SetScroll(320, 0);
  view.router.Execute(cmd::kCustomRight);
  EXPECT_EQ(view.model.ScrollX(), 3200 - 640);
}

TEST(TileModeTest, CustomMovesDialog) {
  RoutedView view;
  ScriptedInteraction user;
  view.model.SetInteraction(&user);
  view.model.Moves() = CustomMoves{1, 2, 3, 4};
  std::vector<std::string> shown;
  user.QueueDialogOk([&shown](CDialogModel& model, int) {
    auto& dialog = dynamic_cast<CCustomMovesDialog&>(model);
    shown = {dialog.m_left, dialog.m_right, dialog.m_up, dialog.m_down};
    dialog.m_left = "";
    dialog.m_right = "99999999999";
    dialog.m_up = "40";
    dialog.m_down = "x";
  });
  view.router.Execute(cmd::kCustomMoves);
  EXPECT_EQ(shown, (std::vector<std::string>{"3", "4", "1", "2"}));
  EXPECT_EQ(view.model.Moves().left, 0);
  EXPECT_EQ(view.model.Moves().right, INT32_MAX);
  EXPECT_EQ(view.model.Moves().up, 40);
  EXPECT_EQ(view.model.Moves().down, 0);
  user.QueueDialogCancel();
  view.router.Execute(cmd::kCustomMoves);
  EXPECT_EQ(view.model.Moves().up, 40);
}

TEST(TileModeTest, GoToCommandsAndTheWarp) {
  RoutedView view;  // 3200 × 2560 pixels in 640 × 480
  ScriptedInteraction user;
  view.model.SetInteraction(&user);
  view.document.start = PixelPoint{1000, 900};
  auto enabled = [&view](CommandId id) { return view.router.QueryState(id).enabled; };
  EXPECT_FALSE(enabled(cmd::kGoToWarp));
  view.model.SetWarp(5, -1);
  EXPECT_FALSE(enabled(cmd::kGoToWarp));

  view.model.SetScroll(500, 500);
  user.QueueDialogCancel();
  view.router.Execute(cmd::kGoTo);
  EXPECT_EQ(view.model.ScrollX(), 500);

  auto goTo = [&](const char* x, const char* y, bool storeWarp) {
    user.QueueDialogOk([=](CDialogModel& model, int) {
      auto& dialog = dynamic_cast<CGoToDialog&>(model);
      EXPECT_EQ(dialog.m_x + dialog.m_y, "");  // opens empty
      EXPECT_FALSE(dialog.m_storeWarp);
      dialog.m_x = x, dialog.m_y = y, dialog.m_storeWarp = storeWarp;
    });
    view.router.Execute(cmd::kGoTo);
  };
  goTo("0", "0", false);
  EXPECT_EQ(view.model.ScrollX(), 0);
  EXPECT_EQ(view.model.ScrollY(), 0);
  goTo("2000", "99999999999", true);
  EXPECT_EQ(view.model.ScrollX(), 2000 - 320);
  EXPECT_EQ(view.model.ScrollY(), 2560 - 480);
  EXPECT_EQ(view.model.WarpY(), INT32_MAX);

  view.router.Execute(cmd::kGoToStart);
  EXPECT_EQ(view.model.ScrollX(), 1000 - 320);
  EXPECT_EQ(view.model.ScrollY(), 900 - 240);
  ASSERT_TRUE(enabled(cmd::kGoToWarp));
  view.router.Execute(cmd::kGoToWarp);
  EXPECT_EQ(view.model.ScrollX(), 2000 - 320);

  view.document.plane.reset();
  EXPECT_TRUE(enabled(cmd::kGoTo));
  EXPECT_FALSE(enabled(cmd::kGoToStart));
  EXPECT_FALSE(enabled(cmd::kGoToWarp));
}

}  // namespace
}  // namespace vyr
