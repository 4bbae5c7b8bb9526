// The Qt faces of the default Z and logic dialogs, offscreen: the combo boxes list the known
// logics and carry their typed text back to the table as Windows-1250 bytes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

#include "commands/objects/default_shortcut_dialogs.h"
#include "editor/dialogs/document_dialogs.h"
#include "editor/qt_interaction_port.h"
#include "editor/test_application.h"
#include "world/known_name_lists.h"

namespace vyr {
namespace {

template <typename Widget>
Widget* Find(int id) {
  return QApplication::activeModalWidget()->findChild<Widget*>(QStringLiteral("control%1").arg(id));
}

TEST(DefaultShortcutDialogs, CombosOfferKnownLogicsAndStoreTheirText) {
  test::EnsureApplication();
  QtInteractionPort port(QStringLiteral("VyrWorld"));
  RegisterDocumentDialogs();
  KnownNameLists::ClearAllForTests();
  KnownNameLists::Logic().Add("ZED");
  KnownNameLists::Logic().Add("ALPHA");
  CLogicTable logics;
  logics.SetDefaultLogic(9, "ZED");

  CDefaultLogicDialog dialog(logics);
  QTimer::singleShot(0, [&] {
    QLineEdit* last = Find<QLineEdit>(ctl::kDefaultLogic[9]);
    ASSERT_NE(last, nullptr);
    auto* combo = qobject_cast<QComboBox*>(last->parent());
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("ALPHA"));
    EXPECT_EQ(last->text(), QStringLiteral("ZED"));
    last->setText(QString::fromUtf8("Łódź"));
    Find<QLineEdit>(ctl::kDefaultLogic[0])->setText(QStringLiteral("ALPHA"));
    qobject_cast<QDialog*>(QApplication::activeModalWidget())->accept();
  });
  EXPECT_EQ(port.RunDialog(dialog), DialogResult::Ok);
  EXPECT_EQ(logics.DefaultLogic(9), "\xa3\xf3" "d\x9f");
  EXPECT_EQ(logics.DefaultLogic(0), "ALPHA");
}

}  // namespace
}  // namespace vyr
