// The Qt face of the object edit dialog, offscreen: it shows the object it opens on, and
// Escape removes the object a double click created for it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "commands/document_commands.h"
#include "editor/dialogs/objects/object_dlgs.h"
#include "editor/test_application.h"
#include "world/document_fixture.h"
#include "world/game_object.h"
#include "world/known_name_lists.h"

namespace vyr {
namespace {

TEST(ObjectDialogTest, OpensOnTheObjectAndEscapeRemovesTheCreatedOne) {
  test::EnsureApplication();
  test::TempFolder folder;
  test::DocumentRig rig;
  test::WriteArchive(folder / "data.rez", test::StandardArchive());
  test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                   {{"Ground", kPlaneFlagObjects, {"TILES"}, 10, 10, 16, 1}});
  RegisterDocumentCommands(rig.doc);
  KnownNameLists::ClearAllForTests();
  ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd"));
  CPlane& plane = *rig.doc.CurrentPlane();
  KnownNameLists::Logic().Add("Bee");
  CGameObject* created = plane.NewObject(0);
  created->MoveTo(123, created->m_y);
  CObjectEditDialog model(rig.doc, plane, created, created, SelectionRange{});
  CObjectEditDlg dialog(model, rig.user, nullptr);
  QTimer::singleShot(0, [&] {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Objects (2 Total)"));
    auto* x = dialog.findChild<QLineEdit*>(QStringLiteral("control%1").arg(ctl::kObjectX));
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->text(), QStringLiteral("123"));
    auto* logic = dialog.findChild<QLineEdit*>(QStringLiteral("control%1").arg(ctl::kObjectLogic));
    ASSERT_NE(logic, nullptr);
    auto* combo = qobject_cast<QComboBox*>(logic->parentWidget());
    ASSERT_NE(combo, nullptr);
    // "Coin" was read first; the list is sorted.
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("Bee"));
    auto* copy = dialog.findChild<QPushButton*>(QStringLiteral("control%1").arg(ctl::kObjectCopy));
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->isEnabled());
    // Keys reach the combo box's edit: image set and animation names become capitals, logic not.
    for (const auto& [control, shown] : {std::pair{ctl::kObjectImageSet, "COIN"}, {ctl::kObjectAnimation, "COIN"},
                                         {ctl::kObjectLogic, "Coin"}}) {
      auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("control%1").arg(control));
      edit->clear();
      QTest::keyClicks(edit->parentWidget(), "Coin");
      EXPECT_EQ(edit->text(), shown);
    }
    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("control%1").arg(ctl::kObjectName)), "typed");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTimer::singleShot(2000, &dialog, [&] { dialog.reject(); });
  });
  EXPECT_EQ(dialog.Run(), DialogResult::Cancel);
  EXPECT_EQ(plane.ObjectCount(), 1u);
  EXPECT_EQ(plane.FirstObject()->m_logic, "Coin");
  EXPECT_EQ(rig.doc.SelectedObject(), nullptr);
}

}  // namespace
}  // namespace vyr
