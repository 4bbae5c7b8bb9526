// The Qt faces of the tile dialogs, offscreen: the fill dialog's current-tile text and
// choice, the replace dialog that starts with no side chosen, and "Informacje Klocków",
// whose tabs show only their own controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>

#include "commands/attributes/tile_attrib_dialog.h"
#include "commands/tiles/fill_dialog.h"
#include "commands/tiles/replace_dialog.h"
#include "editor/dialogs/document_dialogs.h"
#include "editor/qt_interaction_port.h"
#include "editor/test_application.h"
#include "world/document_fixture.h"
#include "world/world.h"

namespace vyr {
namespace {

template <typename Widget>
Widget* Control(QWidget* dialog, int id) {
  return dialog->findChild<Widget*>(QStringLiteral("control%1").arg(id));
}

struct TileDialogs : ::testing::Test {
  void SetUp() override {
    test::EnsureApplication();
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"), {{"Ground", 1}});
    ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd"));
    RegisterDocumentDialogs();
  }
  test::TempFolder folder;
  test::DocumentRig rig;
  QtInteractionPort port{QStringLiteral("VyrWorld")};
};

TEST_F(TileDialogs, FillShowsTheCurrentTileAndReplaceWaitsForBothSides) {
  CFillDialog fill(rig.doc);
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Control<QRadioButton>(dialog, ctl::kFillCurrent)->text(), QStringLiteral("Current (Set = 0, Image = 0)"));
    EXPECT_TRUE(Control<QRadioButton>(dialog, ctl::kFillCurrent)->isChecked());
    Control<QRadioButton>(dialog, ctl::kFillDelete)->click();
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
    Control<QRadioButton>(dialog, ctl::kSearchDelete)->click();
    Control<QRadioButton>(dialog, ctl::kReplaceColour)->click();
    dialog->accept();
  });
  EXPECT_EQ(port.RunDialog(replace), DialogResult::Ok);
  EXPECT_EQ(rig.doc.GetTile(2, 1), kColourTile);
}

TEST_F(TileDialogs, AttributeTabsShowTheirOwnControlsAndOkStoresTheShownKind) {
  CTileAttribDialog model(rig.doc);
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    auto* single = Control<QRadioButton>(dialog, ctl::kAttribSingle[0]);
    auto* outside = Control<QRadioButton>(dialog, ctl::kAttribOutside[0]);
    EXPECT_TRUE(single->isVisible() && single->isChecked());
    EXPECT_FALSE(outside->isVisible());
    Control<QTabBar>(dialog, ctl::kAttribTabs)->setCurrentIndex(1);
    EXPECT_FALSE(single->isVisible());
    EXPECT_TRUE(outside->isVisible());
    auto* left = Control<QLineEdit>(dialog, ctl::kAttribRect[0]);
    left->setText(QStringLiteral("70"));
    emit left->editingFinished();
    EXPECT_EQ(left->text(), QStringLiteral("14"));
    dialog->accept();
  });
  EXPECT_EQ(port.RunDialog(model), DialogResult::Ok);
  const auto* stored = dynamic_cast<const CDoubleAttrib*>(rig.doc.World()->Attribute(0));
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(std::pair(stored->m_left, stored->m_right), std::pair(14, 15));
}

}  // namespace
}  // namespace vyr
