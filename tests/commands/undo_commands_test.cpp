// Undo and redo of the editing commands: each user action is one step, taken back and made
// again byte for byte through the world writer, with "Ponów" enabled only when it can act.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "commands/attributes/scale_attribs_dialog.h"
#include "commands/document_commands.h"
#include "commands/objects/bulk_dialogs.h"
#include "commands/objects/object_clipboard.h"
#include "commands/objects/object_edit_dialog.h"
#include "commands/planes/move_plane_dialog.h"
#include "commands/planes/new_plane_dialog.h"
#include "commands/planes/plane_info_dialog.h"
#include "commands/planes/planes_dialog.h"
#include "commands/tiles/block_copy_dialog.h"
#include "commands/tiles/fill_dialog.h"
#include "commands/tiles/tile_commands.h"
#include "commands/world/world_info_dialog.h"
#include "platform/command_ids.h"
#include "res/control_ids.h"
#include "world/document_fixture.h"
#include "world/shortcut_tables.h"
#include "world/single_attrib.h"
#include "world/tile_attrib_edits.h"
#include "world/world_file.h"

namespace vyr {
namespace {

// The notices of the world's changes, as letters: cells, objects, stack, plane settings,
// header, attributes.
struct NoticeLog : IDocumentObserver {
  void WorldChanged(const ChangeNotice& n) override {
    std::string code;
    for (const auto& [on, letter] : {std::pair{n.cellsPlane != nullptr, 'c'}, {n.objectsPlane != nullptr, 'o'},
                                     {n.planeStack, 'k'}, {n.planeSettings, 'p'}, {n.header, 'h'}, {n.attributes, 'a'}})
      if (on) code += letter;
    notices.push_back(code);
  }
  std::vector<std::string> notices;
};

struct UndoCommands : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                     {{"Ground", kPlaneFlagObjects, {"TILES"}, 6, 5, 16, 3}, {"Sky", 0, {"BACK"}, 4, 3, 16}});
  }
  void Reopen() {
    m_rig = std::make_unique<test::DocumentRig>();
    RegisterDocumentCommands(Doc());
    ASSERT_TRUE(Doc().OnOpenDocument(folder / "w.vwd")) << Doc().FailureReason();
    rig().view.m_editMode = kObjectMode;
    Doc().LoadObjectImageSets();
    ObjectClipboard::Clear();
    Doc().AddObserver(&log);
  }
  void TearDown() override {
    if (m_rig) Doc().RemoveObserver(&log);
    ObjectClipboard::Clear();
  }
  test::DocumentRig& rig() { return *m_rig; }
  CWorldDoc& Doc() { return m_rig->doc; }
  CPlane& Current() { return *Doc().CurrentPlane(); }
  void Run(CommandId id) { (*Doc().Commands().FindHandler(id))(id); }
  CommandState State(CommandId id) {
    CommandState state;
    (*Doc().Commands().FindUpdate(id))(id, state);
    return state;
  }
  bool Enabled(CommandId id) { return State(id).enabled; }
  template <typename Dialog>
  void QueueEdit(std::function<void(Dialog&)> edit) {
    rig().user.QueueDialogOk([edit](CDialogModel& model, int) { edit(dynamic_cast<Dialog&>(model)); });
  }
  std::vector<uint8_t> Image() {
    std::vector<uint8_t> image;
    EXPECT_TRUE(BuildWorldFileImage(*Doc().World(), Doc().Properties(), image));
    return image;
  }

  test::TempFolder folder;
  NoticeLog log;
  std::unique_ptr<test::DocumentRig> m_rig;
};

// Each action: one step, named in "Cofnij" and "Ponów", announced once by the action, once
// by the undo and once by the redo, with what it touched.
TEST_F(UndoCommands, EachActionIsOneNamedStepThatUndoesAndRedoesExactly) {
  using Act = std::function<void(UndoCommands&)>;
  const auto run = [](CommandId id) { return [id](UndoCommands& t) { t.Run(id); }; };
  const auto yes = [](UndoCommands& t) { t.rig().user.QueueAnswer(Answer::Yes); };
  const auto select = [](UndoCommands& t) { t.Doc().SetSelectedObject(t.Current().FirstObject()); };
  const auto none = [](UndoCommands&) {};
  const struct {
    std::string label;
    Act prepare, act;
    std::string step, notice;
  } rows[] = {
      {"fill", [](UndoCommands& t) { t.QueueEdit<CFillDialog>([](CFillDialog& d) { d.m_tile = ctl::kFillColour; }); },
       run(cmd::kTileFill), "Wypełnij", "c"},
      {"delete tile", none, run(cmd::kTileDelete), "Usuń Klocek", "c"},
      {"next tile", none, run(cmd::kTileNext), "Następny Klocek", "c"},
      {"block copy",
       [](UndoCommands& t) {
         t.QueueEdit<CBlockCopyDialog>([](CBlockCopyDialog& d) {
           d.m_fromColumn = d.m_fromRow = d.m_toRow = "0";
           d.m_toColumn = d.m_width = d.m_height = "2";
         });
       },
       run(cmd::kBlockCopy), "Block Copy", "c"},
      {"repair", [](UndoCommands& t) { t.Current().SetTile(1, 1, MakeTile(9, 0)); },
       [](UndoCommands& t) { RepairCurrentPlane(t.Doc()); }, "Naprawa Klocków", "c"},
      {"plane added",
       [](UndoCommands& t) {
         t.QueueEdit<CNewPlaneDialog>([](CNewPlaneDialog& d) {
           d.m_name = "Top";
           d.m_width = d.m_height = "3";
           d.m_tileWidth = d.m_tileHeight = "16";
         });
       },
       run(cmd::kPlaneAdd), "Nowa Warstwa", "k"},
      {"plane removed",
       [](UndoCommands& t) {
         t.rig().user.QueueAnswer(Answer::Yes);
         t.QueueEdit<CPlanesDialog>([&t](CPlanesDialog& d) {
           d.m_selected = 0;
           d.OnControlEvent(CPlanesDialog::kRemoveControl, ControlEvent::Clicked, t.rig().user);
         });
       },
       run(cmd::kPlanes), "Warstwy", "k"},
      {"plane moved",
       [](UndoCommands& t) {
         t.QueueEdit<CPlanesDialog>([&t](CPlanesDialog& d) {
           t.QueueEdit<CMovePlaneDialog>([](CMovePlaneDialog& move) { move.m_newPosition = "1"; });
           d.m_selected = 0;
           d.OnControlEvent(CPlanesDialog::kMoveControl, ControlEvent::Clicked, t.rig().user);
         });
       },
       run(cmd::kPlanes), "Warstwy", "k"},
      {"plane information",
       [](UndoCommands& t) {
         t.QueueEdit<CPlaneInfoDialog>([](CPlaneInfoDialog& d) {
           d.m_name = "Earth";
           d.m_width = "9";
         });
         t.rig().user.QueueAnswer(Answer::Yes);
       },
       run(cmd::kPlaneInfo), "Informacje Warstwy", "cp"},
      {"world information",
       [](UndoCommands& t) { t.QueueEdit<CWorldInfoDialog>([](CWorldInfoDialog& d) { d.m_gamePath = "/opt/game"; }); },
       run(cmd::kWorldInfo), "Informacje Świata", "h"},
      {"delete all objects", yes, run(cmd::kDeleteAllObjects), "Usuń Wszystkie Objekty", "o"},
      {"cut", select, run(cmd::kEditCut), "Wytnij Objekt", "o"},
      {"paste", [](UndoCommands& t) { ObjectClipboard::Take(*t.Current().FirstObject()); }, run(cmd::kEditPaste), "Wklej Objekt", "o"},
      {"object dialog",
       [&](UndoCommands& t) {
         select(t);
         t.QueueEdit<CObjectEditDialog>([](CObjectEditDialog& d) { d.m_name = "Renamed"; });
       },
       run(cmd::kObjectEdit), "Edycja Objektu", "o"},
      {"scale", [](UndoCommands& t) { t.QueueEdit<CScaleObjectsDialog>([](CScaleObjectsDialog& d) { d.m_percent = "50"; }); },
       run(cmd::kScaleObjects), "Zmień Współrzędne", "o"},
      {"default z",
       [&](UndoCommands& t) {
         select(t);
         t.Doc().ZTable()->SetDefaultZ(3, 44);
       },
       run(cmd::kSetZ[3]), "Ustaw Z", "o"},
      {"default logic", [](UndoCommands& t) { t.Doc().LogicTable()->SetDefaultLogic(2, "Gem"); }, run(cmd::kAddLogic[2]), "Wstaw Logikę", "o"},
      {"attributes scaled",
       [](UndoCommands& t) {
         StoreTileAttrib(t.Doc(), 1, std::make_unique<CSingleAttrib>(16, 16, 2));
         t.QueueEdit<CScaleAttribsDialog>([](CScaleAttribsDialog& d) { d.m_percent = "50"; });
       },
       run(cmd::kScaleAttribs), "Zmień Atrybuty", "a"},
  };
  for (const auto& row : rows) {
    Reopen();
    Current().FirstObject()->MoveTo(20, Current().FirstObject()->m_y);  // something for scaling to change
    row.prepare(*this);
    const std::vector<uint8_t> before = Image();
    const size_t steps = Doc().UndoStack()->UndoCount();
    log.notices.clear();
    row.act(*this);
    EXPECT_TRUE(rig().user.AllScriptUsed()) << row.label;
    const std::vector<uint8_t> after = Image();
    ASSERT_NE(before, after) << row.label;
    ASSERT_EQ(Doc().UndoStack()->UndoCount(), steps + 1) << row.label;
    EXPECT_FALSE(Enabled(cmd::kEditRedo)) << row.label;
    EXPECT_EQ(State(cmd::kEditUndo).text, "Cofnij: " + row.step) << row.label;
    EXPECT_EQ(State(cmd::kEditUndo).prompt, "Cofnij: " + row.step) << row.label;
    Run(cmd::kEditUndo);
    EXPECT_EQ(Image(), before) << row.label;
    ASSERT_TRUE(Enabled(cmd::kEditRedo)) << row.label;
    EXPECT_EQ(State(cmd::kEditRedo).text, "Ponów: " + row.step) << row.label;
    Run(cmd::kEditRedo);
    EXPECT_EQ(Image(), after) << row.label;
    EXPECT_EQ(log.notices, std::vector<std::string>(3, row.notice)) << row.label;
    EXPECT_GE(Doc().World()->IndexOf(Doc().CurrentPlane()), 0) << row.label;
  }
}

TEST_F(UndoCommands, APlaneInformationStepRestoresEverySetting) {
  using D = CPlaneInfoDialog;
  const std::pair<const char*, std::function<void(D&)>> rows[] = {
      {"name", [](D& d) { d.m_name = "Earth"; }},           {"movement x", [](D& d) { d.m_movementX = "-50"; }},
      {"movement y", [](D& d) { d.m_movementY = "25"; }},    {"colour", [](D& d) { d.m_colour = "77"; }},
      {"z", [](D& d) { d.m_z = "-3"; }},                     {"image sets", [](D& d) { d.m_imageSets = "BACK"; }},
      {"objects", [](D& d) { d.m_objects = false; }},        {"no images", [](D& d) { d.m_noImages = true; }},
      {"endless x", [](D& d) { d.m_endlessX = true; }},      {"endless y", [](D& d) { d.m_endlessY = true; }},
      {"auto size", [](D& d) { d.m_autoSize = true; }},      {"grid size", [](D& d) { d.m_height = "7"; }},
      {"tile size", [](D& d) { d.m_tileWidth = "32"; }},
  };
  for (const auto& [label, edit] : rows) {
    SCOPED_TRACE(label);
    Reopen();
    const std::vector<uint8_t> before = Image();
    QueueEdit<D>(edit);
    rig().user.QueueAnswer(Answer::Yes);  // the objects flag and the sizes ask
    Run(cmd::kPlaneInfo);
    const std::vector<uint8_t> after = Image();
    const bool hidden = rig().view.m_noImages;
    ASSERT_NE(before, after);
    EXPECT_EQ(hidden, std::string_view(label) == "tile size") << "a new tile size hides the images";
    for (const bool redo : {false, true}) {
      Run(redo ? cmd::kEditRedo : cmd::kEditUndo);
      EXPECT_EQ(Image(), redo ? after : before);
      EXPECT_EQ(rig().view.m_noImages, redo && hidden);
    }
  }
}

TEST_F(UndoCommands, RedoBeepsWhenNothingWasTakenBack) {
  Reopen();
  rig().user.ClearLog();
  EXPECT_FALSE(Enabled(cmd::kEditRedo));
  Run(cmd::kEditRedo);
  EXPECT_EQ(rig().user.Log(), (std::vector<std::string>{"beep exclamation"}));
}

}  // namespace
}  // namespace vyr
