// Object mode over a real document: entering and leaving, clicks and the Shift-click range,
// what the selection may point at, Tab, nudges, Delete and the double click.
#include <gtest/gtest.h>

#include "commands/modes/object_mode.h"
#include "commands/objects/object_edit_dialog.h"
#include "commands/view_commands.h"
#include "commands/world_view_model.h"
#include "platform/command_ids.h"
#include "platform/scripted_interaction.h"
#include "view_model_fakes.h"
#include "world/document_fixture.h"
#include "world/game_object.h"
#include "world/plane.h"

namespace vyr {
namespace {

struct ObjectModeTest : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    // Plane 0 holds no objects; plane 1 (current after opening) does.
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                     {{"Sky", 0, {"TILES"}, 40, 30, 16}, {"Ground", kPlaneFlagObjects, {"TILES"}, 40, 30, 16}});
    window.width = 320;
    window.height = 240;
    model.SetWindow(&window);
    model.SetDocument(&source);
    model.Objects().SetDocument(&doc);
    model.SetInteraction(&user);
    model.SetCommandSender([this](CommandId id) {
      sent.push_back(id);
      if (id == cmd::kObjectEdit) created = doc.ObjectBeingCreated();
    });
    model.SetModeFrame([this](int mode) { frames.push_back(mode); });
    RegisterViewCommands(commands, model);
    doc.SetViewPort(&model);
    model.InitialUpdate();
    ASSERT_TRUE(doc.OnOpenDocument(folder / "w.vwd")) << doc.FailureReason();
    ASSERT_EQ(doc.CurrentPlane(), Plane(1));
  }
  void TearDown() override { doc.SetViewPort(nullptr); }

  CPlane* Plane(int32_t index) { return doc.World()->Plane(index); }
  // An object without an image: a 32 x 32 box around its position.
  CGameObject* Add(int32_t x, int32_t y, int32_t z, int32_t id = 0) {
    CGameObject* object = Plane(1)->NewObject(0);
    object->MoveTo(x, y);
    object->SetZ(z);
    object->m_id = id;
    object->m_logic = "L" + std::to_string(x);
    Plane(1)->SortObjects();
    object->UpdateBounds(nullptr);
    return object;
  }
  void Run(CommandId id) { (*commands.FindHandler(id))(id); }
  bool Enabled(CommandId id) {
    CommandState state;
    (*commands.FindUpdate(id))(id, state);
    return state.enabled;
  }
  // A click at a plane pixel (the view is not scrolled).
  void Click(int32_t x, int32_t y, MouseButton button = MouseButton::Left, uint32_t modifiers = 0) {
    model.OnMouseDown(x - model.ScrollX(), y - model.ScrollY(), button, modifiers);
  }

  test::TempFolder folder;
  Profile profile;
  ScriptedInteraction user;
  CWorldDoc doc{&profile, user};
  WorldDocViewSource source{doc};
  viewtest::FakeViewWindow window;
  CWorldViewModel model;
  CommandTable commands;
  std::vector<CommandId> sent;
  std::vector<int> frames;
  CGameObject* created = nullptr;
};

TEST_F(ObjectModeTest, EntersOnlyOnAPlaneWithObjectsAndLeavesWhenThePlaneHasNone) {
  model.SetGridOn(true);
  doc.SelectPlane(Plane(0));
  EXPECT_FALSE(Enabled(cmd::kObjectMode));
  Run(cmd::kToggleMode);
  EXPECT_EQ(model.EditMode(), kTileMode);

  doc.SelectPlane(Plane(1));
  EXPECT_TRUE(Enabled(cmd::kObjectMode));
  EXPECT_TRUE(doc.ObjectImageSetsPending());
  Run(cmd::kObjectMode);
  EXPECT_EQ(model.EditMode(), kObjectMode);
  EXPECT_FALSE(model.GridOn());
  EXPECT_FALSE(doc.ObjectImageSetsPending());
  Run(cmd::kToggleMode);
  EXPECT_EQ(model.EditMode(), kTileMode);
  EXPECT_FALSE(model.GridOn());  // leaving does not bring the grid back
  EXPECT_EQ(frames, (std::vector<int>{kObjectMode, kTileMode}));

  // Another plane without objects, or the current one losing the flag, ends the mode.
  Run(cmd::kObjectMode);
  doc.SelectPlane(Plane(0));
  EXPECT_EQ(model.EditMode(), kTileMode);
  doc.SelectPlane(Plane(1));
  Run(cmd::kObjectMode);
  Plane(1)->m_flags = 0;
  model.RefreshView();
  EXPECT_EQ(model.EditMode(), kTileMode);

  // Without a main frame there is nothing to switch.
  Plane(1)->m_flags = kPlaneFlagObjects;
  model.SetModeFrame({});
  Run(cmd::kObjectMode);
  EXPECT_EQ(model.EditMode(), kTileMode);
}

TEST_F(ObjectModeTest, ClicksSelectTheNearestEarliestObjectAndShiftClicksCollectARange) {
  CGameObject* lower = Add(300, 100, 1);
  CGameObject* left = Add(100, 100, 5);
  CGameObject* right = Add(110, 100, 5);
  Run(cmd::kObjectMode);
  ASSERT_EQ(Plane(1)->FirstObject(), lower);
  // Equally near centres: the one earlier in the list wins, whichever side it is on.
  CGameObject* earlier = Plane(1)->NextObject(lower, false);
  Click(105, 100);
  EXPECT_EQ(doc.SelectedObject(), earlier);
  Click(108, 100);
  EXPECT_EQ(doc.SelectedObject(), right);
  Click(102, 100);
  EXPECT_EQ(doc.SelectedObject(), left);

  SelectionRange& range = model.Objects().Selection();
  for (int32_t x : {300, 100, 200}) Click(x, x, MouseButton::Left, kModShift);
  EXPECT_EQ(range.xMin, 100);
  EXPECT_EQ(range.xMax, 200);
  EXPECT_EQ(range.yMin, 100);
  EXPECT_EQ(range.yMax, 200);
  Click(600, 400);  // empty space
  EXPECT_EQ(doc.SelectedObject(), nullptr);
  EXPECT_EQ(range.xMin, -1);
  EXPECT_EQ(range.yMax, -1);

  Click(300, 100, MouseButton::Right);
  EXPECT_EQ(doc.SelectedObject(), lower);
  Click(600, 400, MouseButton::Right);
  EXPECT_EQ(sent, (std::vector<CommandId>{cmd::kObjectEdit}));
}

TEST_F(ObjectModeTest, TheSelectionNeverOutlivesItsPlaneOrItsObject) {
  CGameObject* object = Add(100, 100, 0);
  Run(cmd::kObjectMode);
  doc.SetSelectedObject(object);
  doc.SelectPlane(Plane(0));
  EXPECT_EQ(doc.SelectedObject(), nullptr);

  // An object of another plane is never taken as the selection.
  doc.SelectPlane(Plane(1));
  CGameObject* stray = Plane(0)->NewObject(0);
  doc.SetSelectedObject(stray);
  EXPECT_FALSE(Enabled(cmd::kObjectDelete));
  EXPECT_EQ(doc.SelectedObject(), nullptr);

  doc.SetSelectedObject(object);
  doc.SetModifiedFlag(false);
  user.QueueAnswer(Answer::No);
  Run(cmd::kObjectDelete);
  EXPECT_EQ(Plane(1)->ObjectCount(), 1u);
  EXPECT_FALSE(doc.IsModified());
  user.QueueAnswer(Answer::Yes);
  Run(cmd::kObjectDelete);
  EXPECT_EQ(Plane(1)->ObjectCount(), 0u);
  EXPECT_EQ(doc.SelectedObject(), nullptr);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ObjectModeTest, TabWalksInZOrderWrappingAndNudgesMoveWithoutResorting) {
  CGameObject* high = Add(1000, 600, 9);
  CGameObject* low = Add(400, 300, 1);
  Run(cmd::kObjectPrevious);
  EXPECT_EQ(doc.SelectedObject(), high);
  Run(cmd::kObjectNext);
  EXPECT_EQ(doc.SelectedObject(), low);
  EXPECT_EQ(model.ScrollX(), 400 - 160);
  EXPECT_EQ(model.ScrollY(), 300 - 120);
  Run(cmd::kObjectNext);
  Run(cmd::kObjectNext);
  EXPECT_EQ(doc.SelectedObject(), low);  // wrapped

  doc.SetModifiedFlag(false);
  Run(cmd::kNudgeRight10);
  Run(cmd::kNudgeUp1);
  EXPECT_EQ(low->m_x, 410);
  EXPECT_EQ(low->m_y, 299);
  EXPECT_EQ(low->m_bounds, (CRect{394, 283, 426, 315}));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(Plane(1)->FirstObject(), low);
}

TEST_F(ObjectModeTest, TheRubberBandSelectsEveryObjectItsRectangleTouches) {
  CGameObject* a = Add(100, 100, 1);  // 32 x 32 boxes: 84 ... 115
  CGameObject* b = Add(200, 100, 2);
  CGameObject* c = Add(150, 300, 3);
  Run(cmd::kObjectMode);
  const struct {
    PixelPoint from, to;
    std::vector<CGameObject*> selected;  // in list order, the first the design's selected object
  } kBands[] = {
      {{110, 120}, {190, 90}, {a, b}},
      {{190, 120}, {110, 90}, {a, b}},  // drawn the other way round
      {{116, 90}, {183, 110}, {}},      // between the boxes
      {{116, 116}, {183, 283}, {}},     // the corners just missed
      {{160, 330}, {140, 310}, {c}},
      {{0, 0}, {400, 400}, {a, b, c}},
  };
  for (const auto& band : kBands) {
    Click(band.from.x, band.from.y);
    model.OnMouseMove(band.to.x, band.to.y, 0);
    model.OnMouseUp(band.to.x, band.to.y, MouseButton::Left, 0);
    EXPECT_EQ(model.Objects().SelectedObjects(), band.selected) << band.from.x << "," << band.from.y;
  }
  Click(150, 300, MouseButton::Left, kModControl);  // takes c out
  Click(100, 100, MouseButton::Left, kModControl);  // takes a out: b becomes the first
  EXPECT_EQ(model.Objects().SelectedObjects(), (std::vector<CGameObject*>{b}));
  Click(150, 300, MouseButton::Left, kModControl);
  EXPECT_EQ(model.Objects().SelectedObjects(), (std::vector<CGameObject*>{b, c}));
  EXPECT_EQ(model.Objects().PaneText(cmd::kPaneObjectLogic), "Zaznaczone objekty: 2");
}

TEST_F(ObjectModeTest, EachDragOfTheSelectionIsOneStepAndShiftSnapsToTheGrid) {
  CGameObject* a = Add(100, 100, 1);
  CGameObject* b = Add(200, 150, 2);
  Run(cmd::kObjectMode);
  Click(50, 50);
  model.OnMouseMove(250, 200, 0);
  model.OnMouseUp(250, 200, MouseButton::Left, 0);
  ASSERT_EQ(model.Objects().SelectedObjects().size(), 2u);
  doc.UndoStack()->Clear();
  const struct {
    uint32_t modifiers;
    PixelPoint a, b;  // where they land after dragging b by (+21, +9) in three moves
  } kDrags[] = {{0, {121, 109}, {221, 159}}, {kModShift, {140, 126}, {240, 176}}};  // b on a 16-pixel corner
  for (const auto& drag : kDrags) {
    const PixelPoint startB{b->m_x, b->m_y};
    Click(b->m_x, b->m_y);
    for (int step = 1; step <= 3; ++step) model.OnMouseMove(startB.x + 7 * step, startB.y + 3 * step, drag.modifiers);
    model.OnMouseUp(startB.x + 21, startB.y + 9, MouseButton::Left, drag.modifiers);
    EXPECT_EQ((PixelPoint{a->m_x, a->m_y}), drag.a);
    EXPECT_EQ((PixelPoint{b->m_x, b->m_y}), drag.b);
  }
  EXPECT_EQ(doc.UndoStack()->UndoCount(), 2u);
  EXPECT_EQ(std::string(doc.UndoStack()->Newest()->Name()), "Przesuń Objekty");
  doc.Undo();
  doc.Undo();
  EXPECT_EQ(Plane(1)->FirstObject()->m_x, 100);
  EXPECT_EQ(Plane(1)->LastObject()->m_x, 200);
}

TEST_F(ObjectModeTest, NudgesOfOneObjectAreOneStepAndEachMovesByItsOwnAmount) {
  CGameObject* object = Add(400, 300, 1);
  Run(cmd::kObjectMode);
  doc.SetSelectedObject(object);
  const struct {
    CommandId id;
    int32_t dx, dy;
  } rows[] = {{cmd::kNudgeUp1, 0, -1},     {cmd::kNudgeLeft1, -1, 0},   {cmd::kNudgeRight1, 1, 0},
              {cmd::kNudgeDown1, 0, 1},    {cmd::kNudgeUp10, 0, -10},   {cmd::kNudgeLeft10, -10, 0},
              {cmd::kNudgeRight10, 10, 0}, {cmd::kNudgeDown10, 0, 10}};
  for (const auto& row : rows) {
    const PixelPoint at{object->m_x + row.dx, object->m_y + row.dy};
    Run(row.id);
    EXPECT_EQ((PixelPoint{object->m_x, object->m_y}), at) << row.id;
  }
  EXPECT_EQ(doc.UndoStack()->UndoCount(), 1u);
}

TEST_F(ObjectModeTest, EditsThatChangeNothingLeaveTheWorldUnmodifiedAndEdytujUnsetsTheXRange) {
  CGameObject* object = Add(50, 50, 3);
  Run(cmd::kObjectMode);
  Click(300, 30, MouseButton::Left, kModShift);
  Click(100, 60, MouseButton::Left, kModShift);
  model.SetCommandSender([this](CommandId) {
    RunObjectEditDialog(doc, doc.ObjectBeingCreated(), doc.ObjectBeingCreated());
  });
  doc.SetModifiedFlag(false);
  user.QueueDialogCancel();
  model.OnDoubleClick(200, 100, MouseButton::Left, 0);
  const SelectionRange& range = model.Objects().Selection();
  EXPECT_EQ(range.xMin, 100) << "only Edytuj unsets it";
  // "Edytuj"'s "Y" button takes the view's range.
  std::vector<std::string> minMaxY;
  user.QueueDialog([&](CDialogModel& model) {
    auto& dialog = dynamic_cast<CObjectEditDialog&>(model);
    dialog.OnInitDialog();
    dialog.OnControlEvent(ctl::kObjectRangeY, ControlEvent::Clicked, user);
    for (size_t i = 0; i < dialog.m_numbers.size(); ++i) {
      const int control = CObjectEditDialog::NumberFields()[i].control;
      if (control == ctl::kObjectMinY || control == ctl::kObjectMaxY) minMaxY.push_back(dialog.m_numbers[i]);
    }
    return DialogResult::Cancel;
  });
  RunObjectEditDialog(doc, object);
  EXPECT_EQ(minMaxY, (std::vector<std::string>{"30", "60"}));
  user.QueueDialogOk();
  RunObjectEditDialog(doc, object);
  EXPECT_EQ((std::vector<int32_t>{range.xMin, range.xMax, range.yMin, range.yMax}),
            (std::vector<int32_t>{-1, -1, 30, 60}));
  EXPECT_EQ(Plane(1)->ObjectCount(), 1u);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.UndoStack()->UndoCount(), 0u);
}

TEST_F(ObjectModeTest, TheDigitsOfOneTypedNumberAreOneUndoStep) {
  uint32_t now = 0;
  model.Tiles().SetTickSource([&now] { return now; });
  model.Tiles().MoveCursorTo(1, 0);
  const int32_t old = doc.GetTile(1, 0);
  for (const uint32_t gap : {100u, 800u}) {  // "03" as one number, then "0" and "3"
    for (const uint32_t key : {'0', '3'}) {
      now += gap;
      model.OnKeyPress(key, 0);
    }
    ASSERT_EQ(doc.GetTile(1, 0), MakeTile(0, 3));
    doc.Undo();
    EXPECT_EQ(doc.GetTile(1, 0), gap < 750 ? old : MakeTile(0, 0)) << gap;
    doc.SetTile(1, 0, old);
  }
}

TEST_F(ObjectModeTest, ADoubleClickMakesAnObjectAtTheMouseWithAnUnusedIdAndEditsIt) {
  ObjectIdCounter::ResetForTests(7);
  Add(50, 50, 3, 7);
  Add(60, 60, 3, 8);
  model.OnDoubleClick(200, 100, MouseButton::Left, 0);
  EXPECT_TRUE(sent.empty());  // tile mode
  Run(cmd::kObjectMode);
  model.OnDoubleClick(200, 100, MouseButton::Left, 0);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(Plane(1)->FirstObject(), created);
  EXPECT_EQ(created->m_x, 200);
  EXPECT_EQ(created->m_y, 100);
  EXPECT_EQ(created->m_id, 9);
  EXPECT_EQ(doc.SelectedObject(), created);
  EXPECT_EQ(doc.ObjectBeingCreated(), nullptr);
  EXPECT_EQ(sent, (std::vector<CommandId>{cmd::kObjectEdit}));
}

}  // namespace
}  // namespace vyr
