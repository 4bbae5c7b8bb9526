// Tile mode's mouse tools over a real document: one named step per stroke, stamp, fill and
// move, the design's click unchanged, the selection taking the cell commands.
#include <gtest/gtest.h>

#include <vector>

#include "commands/modes/tile_tools.h"
#include "commands/tiles/tile_commands.h"
#include "commands/view_commands.h"
#include "commands/world_view_model.h"
#include "platform/command_ids.h"
#include "platform/scripted_interaction.h"
#include "view_model_fakes.h"
#include "world/document_fixture.h"
#include "world/plane.h"
#include "world/undo_stack.h"

namespace vyr {
namespace {

constexpr uint32_t kKeyEscape = 0x1B;

struct TileToolsTest : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                     {{"Ground", 0, {"TILES"}, 12, 10, 16}});
    window.width = 320;
    window.height = 240;
    model.SetWindow(&window);
    model.SetDocument(&source);
    model.Tiles().Tools().SetDocument(&doc);
    model.SetInteraction(&user);
    RegisterTileCommands(docCommands, doc);
    model.SetCommandSender([this](CommandId id) {
      if (const CommandHandler* handler = docCommands.FindHandler(id)) (*handler)(id);
    });
    RegisterViewCommands(commands, model);
    doc.SetViewPort(&model);
    model.InitialUpdate();
    ASSERT_TRUE(doc.OnOpenDocument(folder / "w.vwd")) << doc.FailureReason();
    doc.SelectSet(0);
    doc.SelectImage(2);
  }
  void TearDown() override { doc.SetViewPort(nullptr); }

  CPlane& Plane() { return *doc.CurrentPlane(); }
  std::vector<int32_t> Cells() { return {Plane().Tiles().begin(), Plane().Tiles().end()}; }
  // Mouse events at the middle of cells (the view is not scrolled).
  void Down(int32_t c, int32_t r, MouseButton button, uint32_t modifiers = 0) {
    model.OnMouseDown(c * 16 + 8, r * 16 + 8, button, modifiers);
  }
  void Move(int32_t c, int32_t r) { model.OnMouseMove(c * 16 + 8, r * 16 + 8, 0); }
  void Up(int32_t c, int32_t r, MouseButton button) { model.OnMouseUp(c * 16 + 8, r * 16 + 8, button, 0); }
  void Drag(MouseButton button, std::vector<std::pair<int32_t, int32_t>> path, uint32_t modifiers = 0) {
    Down(path.front().first, path.front().second, button, modifiers);
    for (size_t i = 1; i < path.size(); ++i) Move(path[i].first, path[i].second);
    Up(path.back().first, path.back().second, button);
  }
  size_t Steps() { return doc.UndoStack()->UndoCount(); }
  std::string Newest() { return std::string(doc.UndoStack()->Newest()->Name()); }
  void Key(uint32_t key, uint32_t modifiers = 0) {
    model.OnKeySeen(key, modifiers);
    model.OnKeyPress(key, modifiers);
  }
  void Run(CommandId id) { (*docCommands.FindHandler(id))(id); }

  test::TempFolder folder;
  Profile profile;
  ScriptedInteraction user;
  CWorldDoc doc{&profile, user};
  WorldDocViewSource source{doc};
  viewtest::FakeViewWindow window;
  CWorldViewModel model;
  CommandTable commands;
  CommandTable docCommands;
};

TEST_F(TileToolsTest, EachStrokeIsOneNamedStepAndAClickStaysTheDesignsOwn) {
  const struct {
    std::vector<std::pair<int32_t, int32_t>> path;
    uint32_t modifiers;
    const char* step;
    int32_t value;
    std::vector<CRect> cells;  // what the stroke covers
  } kStrokes[] = {
      {{{1, 1}}, 0, "Wstaw Klocek", 2, {{1, 1, 1, 1}}},
      {{{1, 1}, {1, 1}}, kModShift, "Usuń Klocek", kEmptyTile, {{1, 1, 1, 1}}},
      {{{0, 0}, {5, 0}}, 0, "Malowanie", 2, {{0, 0, 5, 0}}},
      // Each move jumps several cells: the cells between are painted too.
      {{{0, 2}, {5, 2}, {5, 5}, {2, 5}}, kModControl, "Malowanie", kColourTile, {{0, 2, 5, 2}, {5, 3, 5, 5}, {2, 5, 4, 5}}},
  };
  for (const auto& stroke : kStrokes) {
    doc.UndoStack()->Clear();
    const std::vector<int32_t> before = Cells();
    Drag(MouseButton::Right, stroke.path, stroke.modifiers);
    ASSERT_EQ(Steps(), 1u) << stroke.step;
    EXPECT_EQ(Newest(), stroke.step);
    const std::vector<int32_t> after = Cells();
    std::vector<int32_t> expected = before;
    for (const CRect& cells : stroke.cells)
      for (int32_t r = cells.top; r <= cells.bottom; ++r)
        for (int32_t c = cells.left; c <= cells.right; ++c) expected[size_t(r * 12 + c)] = stroke.value;
    EXPECT_EQ(after, expected) << stroke.step;
    EXPECT_EQ(model.CursorColumn(), stroke.path.back().first);  // no automatic step right
    doc.Undo();
    EXPECT_EQ(Cells(), before) << stroke.step;
    doc.Redo();
    EXPECT_EQ(Cells(), after) << stroke.step;
  }
}

TEST_F(TileToolsTest, SelectionCopiesIntoAStampPlacedOneStepEachAndUndoneToTheSameBytes) {
  const std::vector<int32_t> original = Cells();
  Drag(MouseButton::Left, {{1, 0}, {3, 1}});
  ASSERT_EQ(model.Tiles().Tools().Selection(), (CRect{1, 0, 3, 1}));
  EXPECT_EQ(user.Log().back(), "status: Zaznaczenie: 3 x 2");
  Key('C', kModControl);
  Key('V', kModControl);
  ASSERT_TRUE(model.Tiles().Tools().Stamping());
  const size_t steps = Steps();
  for (int32_t c : {3, 6, 9}) Drag(MouseButton::Right, {{c, 5}});
  EXPECT_EQ(Steps(), steps + 3);
  for (int32_t c : {3, 6, 9})
    for (int32_t i = 0; i < 6; ++i)
      EXPECT_EQ(Plane().GetTile(c + i % 3, 5 + i / 3), original[size_t(i / 3 * 12 + 1 + i % 3)]);
  Key(kKeyEscape);
  EXPECT_FALSE(model.Tiles().Tools().Stamping());
  for (int i = 0; i < 3; ++i) doc.Undo();
  EXPECT_EQ(Cells(), original);
}

TEST_F(TileToolsTest, TheCellCommandsFillASelectionAndAPlainClickDropsIt) {
  Drag(MouseButton::Left, {{1, 1}, {3, 2}});
  Run(cmd::kTileDelete);
  EXPECT_EQ(Newest(), "Usuń Klocki");
  for (int32_t i = 0; i < 6; ++i) EXPECT_EQ(Plane().GetTile(1 + i % 3, 1 + i / 3), kEmptyTile);
  Run(cmd::kTileInsert);
  EXPECT_EQ(Plane().GetTile(3, 2), 2);
  Drag(MouseButton::Left, {{7, 7}});
  EXPECT_FALSE(model.Tiles().Tools().Selection());
  EXPECT_EQ(model.CursorColumn(), 7);
  Run(cmd::kTileFillColour);  // the cursor cell alone again
  EXPECT_EQ(Plane().GetTile(7, 7), kColourTile);
  EXPECT_EQ(Plane().GetTile(3, 2), 2);
}

TEST_F(TileToolsTest, AltDragMovesTheSelectionAndBucketFillIsOneStep) {
  doc.UndoStack()->Clear();
  Drag(MouseButton::Left, {{0, 0}, {1, 0}});
  const int32_t a = Plane().GetTile(0, 0), b = Plane().GetTile(1, 0);
  Drag(MouseButton::Left, {{0, 0}, {4, 3}}, kModAlt);
  EXPECT_EQ(Newest(), "Przesuń Klocki");
  EXPECT_EQ(Plane().GetTile(4, 3), a);
  EXPECT_EQ(Plane().GetTile(5, 3), b);
  EXPECT_EQ(Plane().GetTile(0, 0), kEmptyTile);
  EXPECT_EQ(model.Tiles().Tools().Selection(), (CRect{4, 3, 5, 3}));

  // An empty cave of four rows: the fill takes it all and stops at its walls.
  Drag(MouseButton::Left, {{0, 6}, {11, 9}});
  Run(cmd::kTileDelete);
  Key(kKeyEscape);
  const size_t steps = Steps();
  Down(0, 8, MouseButton::Left);  // the cursor: the mouse is not over a real window here
  Up(0, 8, MouseButton::Left);
  (*commands.FindHandler(cmd::kBucketFill))(cmd::kBucketFill);
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(Newest(), "Wypełnij Obszar");
  for (int32_t i = 0; i < 48; ++i) EXPECT_EQ(Plane().GetTile(i % 12, 6 + i / 12), 2);
  EXPECT_EQ(Plane().GetTile(0, 0), kEmptyTile);
  EXPECT_EQ(Plane().GetTile(0, 5), 0);
}

}  // namespace
}  // namespace vyr
