// The Qt faces of the tile dialogs, offscreen: the fill dialog's current-tile text and
// choice, and the replace dialog that starts with no side chosen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QRadioButton>
#include <QTimer>

#include "commands/tiles/fill_dialog.h"
#include "commands/tiles/replace_dialog.h"
#include "editor/dialogs/tiles/tile_dlgs.h"
#include "editor/qt_interaction_port.h"
#include "editor/test_application.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

QRadioButton* Radio(QWidget* dialog, int id) {
  return dialog->findChild<QRadioButton*>(QStringLiteral("control%1").arg(id));
}

TEST(TileDialogs, FillShowsTheCurrentTileAndReplaceWaitsForBothSides) {
  test::EnsureApplication();
  test::TempFolder folder;
  test::WriteArchive(folder / "data.rez", test::StandardArchive());
  test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"), {{"Ground", 1}});
  test::DocumentRig rig;
  ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd"));
  QtInteractionPort port(QStringLiteral("VyrWorld"));
  RegisterTileDialogs();

  CFillDialog fill(rig.doc);
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Radio(dialog, ctl::kFillCurrent)->text(), QStringLiteral("Current (Set = 0, Image = 0)"));
    EXPECT_TRUE(Radio(dialog, ctl::kFillCurrent)->isChecked());
    Radio(dialog, ctl::kFillDelete)->click();
    dialog->accept();
  });
  EXPECT_EQ(port.RunDialog(fill), DialogResult::Ok);
  EXPECT_EQ(rig.doc.GetTile(2, 1), kEmptyTile);

  CReplaceDialog replace(rig.doc);
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) EXPECT_FALSE(radio->isChecked());
    dialog->accept();
    EXPECT_TRUE(dialog->isVisible()) << "no side chosen yet";
    Radio(dialog, ctl::kSearchDelete)->click();
    Radio(dialog, ctl::kReplaceColour)->click();
    dialog->accept();
  });
  EXPECT_EQ(port.RunDialog(replace), DialogResult::Ok);
  EXPECT_EQ(rig.doc.GetTile(2, 1), kColourTile);
}

}  // namespace
}  // namespace vyr
