// The tile picker in the running application (offscreen): where it first opens, selection
// following the document, placing by click, Space and the current set, and "Okno Wyboru".
#include "editor/tile_picker_wnd.h"

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "editor/app.h"
#include "editor/editor_parts.h"
#include "editor/main_frame.h"
#include "editor/test_application.h"
#include "editor/tile_picker_host.h"
#include "platform/command_ids.h"
#include "platform/scripted_interaction.h"
#include "world/document_fixture.h"
#include "world/plane.h"
#include "world/undo_stack.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {
namespace {

// A world whose plane has set 0 TILES (images 0..3) and set 1 BACK (images 2 and 5),
// opened by the editor with the picker's hidden flag as the profile gives it.
class PickerApp : public ::testing::Test {
 protected:
  void Start(int hiddenFlag) {
    test::EnsureApplication();
    test::WriteArchive(m_folder / "data.rez", test::StandardArchive());
    test::PlaneSpec plane{"Ground"};
    plane.imageSets = {"TILES", "BACK"};
    test::WriteWorld(m_folder / "world.vwd", test::StandardProperties(m_folder / "data.rez"), {plane});
    std::ofstream(m_folder / "profile.ini") << "[Options]\nTileDialog=" << hiddenFlag << "\n";
    m_app = std::make_unique<CVyrWorldApp>(MakeEditorParts(), &m_user, m_folder / "profile.ini");
    ASSERT_TRUE(m_app->InitInstance(m_folder / "world.vwd"));
    ASSERT_NE(Doc().CurrentPlane(), nullptr) << Doc().FailureReason();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
  }
  void TearDown() override {
    if (m_app) m_app->ExitInstance();
  }

  CWorldDoc& Doc() { return static_cast<CWorldDoc&>(*m_app->Document()); }
  CMainFrame* Frame() { return m_app->MainFrame(); }
  CTilePickerHost& Host() { return *m_app->TilePicker(); }
  CTilePickerWnd* Picker() { return Host().Window(); }
  QListWidget& List() { return *Picker()->List(); }
  std::vector<QString> Items() {
    std::vector<QString> texts;
    for (int row = 0; row < List().count(); ++row) texts.push_back(List().item(row)->text());
    return texts;
  }
  QPoint ItemCentre(int row) { return List().visualItemRect(List().item(row)).center(); }
  bool Checked() {
    Frame()->UpdateCommandUI(true);
    return Frame()->MenuAction(cmd::kTilePicker)->isChecked();
  }
  int32_t TileAtCursor() {
    const IViewPort& view = *Doc().ViewPort();
    return Doc().GetTile(view.CursorColumn(), view.CursorRow());
  }

  test::TempFolder m_folder;
  ScriptedInteraction m_user;
  std::unique_ptr<CVyrWorldApp> m_app;
};

TEST_F(PickerApp, OpensBesideTheViewFollowsTheDocumentAndPlacesAtTheCursor) {
  Start(0);
  ASSERT_NE(Picker(), nullptr);
  ASSERT_TRUE(Picker()->isVisible());
  EXPECT_EQ(Picker()->windowTitle(), QString::fromUtf8("Obrazy Klocków"));
  // At the view's top right, inside it.
  QWidget* client = static_cast<QAbstractScrollArea*>(Frame()->View())->viewport();
  const QPoint origin = client->mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(Picker()->pos(), QPoint(origin.x() + client->width() - Picker()->width() - 4, origin.y() + 4));
  EXPECT_EQ(Items(), (std::vector<QString>{"0", "1", "2", "3"}));

  Doc().SelectImage(2);
  EXPECT_EQ(List().currentRow(), 2);

  // A left click makes the image current; a right click places another one, with undo,
  // and leaves the current image.
  QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, ItemCentre(1));
  EXPECT_EQ(Doc().CurrentImage(), 1);
  QTest::mouseClick(List().viewport(), Qt::RightButton, {}, ItemCentre(3));
  EXPECT_EQ(TileAtCursor(), MakeTile(0, 3));
  EXPECT_EQ(Doc().CurrentImage(), 1);
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 1u);
  QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, ItemCentre(2));
  EXPECT_EQ(TileAtCursor(), MakeTile(0, 2));
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 2u);

  // Down then Space: the next image becomes current, goes in, and the cursor moves on.
  const IViewPort& view = *Doc().ViewPort();
  const int32_t column = view.CursorColumn();
  const int32_t row = view.CursorRow();
  QTest::keyClick(&List(), Qt::Key_Down);
  EXPECT_EQ(Doc().CurrentImage(), 3);
  QTest::keyClick(&List(), Qt::Key_Space);
  EXPECT_EQ(Doc().GetTile(column, row), MakeTile(0, 3));
  EXPECT_NE(std::pair(view.CursorColumn(), view.CursorRow()), std::pair(column, row));

  // The other set: the list follows it, so a click never places from the old one.
  Doc().SelectSet(1);
  EXPECT_EQ(Items(), (std::vector<QString>{"2", "5"}));
  QTest::mouseClick(List().viewport(), Qt::RightButton, {}, ItemCentre(1));
  EXPECT_EQ(TileAtCursor(), MakeTile(1, 5));

  // The eyedropper in the view picks up that tile from set 0: the list follows the set too.
  Doc().SelectSet(0);
  ASSERT_EQ(Items().size(), 4u);
  const QPoint cell(Doc().ViewPort()->CursorColumn() * 16 + 5, Doc().ViewPort()->CursorRow() * 16 + 5);
  QTest::mouseClick(client, Qt::LeftButton, Qt::ShiftModifier, cell);
  EXPECT_EQ(Items(), (std::vector<QString>{"2", "5"}));
  EXPECT_EQ(List().currentRow(), 1);
}

TEST_F(PickerApp, OknoWyboruOpensHidesAndShowsAndOnlyTheUsersCloseSetsTheFlag) {
  Start(1);
  EXPECT_EQ(Picker(), nullptr) << "hidden by the profile";
  EXPECT_FALSE(Checked());
  Frame()->SendCommand(cmd::kTilePicker);
  ASSERT_NE(Picker(), nullptr);
  EXPECT_TRUE(Picker()->isVisible());
  EXPECT_TRUE(Checked());
  EXPECT_EQ(m_app->TileDialogHidden(), 0);

  Picker()->close();  // the close box
  EXPECT_EQ(m_app->TileDialogHidden(), 1);
  EXPECT_FALSE(Checked());
  Frame()->SendCommand(cmd::kTilePicker);
  EXPECT_TRUE(Picker()->isVisible());
  EXPECT_EQ(Items().size(), 4u) << "listed again once shown";
  EXPECT_EQ(m_app->TileDialogHidden(), 0);
  // Ctrl+T also reaches the main window from the picker's list.
  QTest::keyClick(&List(), Qt::Key_T, Qt::ControlModifier);
  EXPECT_FALSE(Picker()->isVisible());
  EXPECT_EQ(m_app->TileDialogHidden(), 1);
  Frame()->SendCommand(cmd::kTilePicker);

  // A set with nothing to list: the picker closes itself, and the flag stays.
  Doc().SelectSet(7);
  QTest::qWait(10);
  EXPECT_EQ(Picker(), nullptr);
  EXPECT_EQ(m_app->TileDialogHidden(), 0);

  // Qt closes the picker after the main window when the program quits: the flag stays.
  Doc().SelectSet(0);
  Frame()->SendCommand(cmd::kTilePicker);
  ASSERT_TRUE(Picker()->isVisible());
  Frame()->close();
  Picker()->close();
  EXPECT_EQ(m_app->TileDialogHidden(), 0);
}

// No plane current for a moment (as when the current one is removed): the picker that asked
// to close then closes, not the next plane's.
TEST_F(PickerApp, OnlyThePickerThatAskedToCloseCloses) {
  Start(0);
  CPlane* plane = Doc().CurrentPlane();
  Doc().SelectPlane(nullptr);
  Doc().SelectPlane(plane);
  QTest::qWait(20);
  ASSERT_NE(Picker(), nullptr);
  EXPECT_EQ(Items().size(), 4u);
}

// Whichever window the system activates when a dialog closes, the keys go back to the view.
TEST_F(PickerApp, KeysGoBackToTheViewWhenADialogCloses) {
  Start(0);
  ASSERT_NE(Picker(), nullptr);
  QDialog dialog(Frame());
  QTimer::singleShot(0, &dialog, [&] { dialog.accept(), Picker()->activateWindow(); });
  dialog.exec();
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == Frame(); }, 1000));
  EXPECT_TRUE(Frame()->View()->hasFocus());
}

}  // namespace
}  // namespace vyr
