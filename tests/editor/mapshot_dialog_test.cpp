// The Qt face of "Robienie Mapshota", offscreen: its start state, and a name typed with a
// Polish letter giving a file of that name at the chosen scale without objects.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>

#include "commands/snapshot/mapshot_dialog.h"
#include "editor/dialogs/document_dialogs.h"
#include "editor/qt_interaction_port.h"
#include "editor/test_application.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

template <typename Control>
Control* Find(QWidget* dialog, int id) {
  return dialog->findChild<Control*>(QStringLiteral("control%1").arg(id));
}

TEST(MapshotDlg, StartsEmptyWithObjectsAtTwelveAndAHalfAndWritesTheTypedName) {
  test::EnsureApplication();
  test::TempFolder folder;
  test::WriteArchive(folder / "data.rez", test::StandardArchive());
  test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"), {{"Ground", 1}});
  test::DocumentRig rig;
  ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd"));
  rig.doc.SetPathName(folder / "w.vwd", false);
  QtInteractionPort port(QStringLiteral("VyrWorld"));
  RegisterDocumentDialogs();

  CMapshotDialog model(rig.doc);
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Robienie Mapshota"));
    EXPECT_TRUE(Find<QLineEdit>(dialog, ctl::kMapshotName)->text().isEmpty());
    EXPECT_TRUE(Find<QCheckBox>(dialog, ctl::kMapshotObjects)->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(dialog, ctl::kMapshot12)->isChecked());
    Find<QLineEdit>(dialog, ctl::kMapshotName)->setText(QString::fromUtf8("mapa_świata"));
    Find<QCheckBox>(dialog, ctl::kMapshotObjects)->click();
    Find<QRadioButton>(dialog, ctl::kMapshot50)->click();
    dialog->accept();
  });
  EXPECT_EQ(port.RunDialog(model), DialogResult::Ok);
  EXPECT_FALSE(model.m_objects);
  EXPECT_EQ(model.Divisor(), 2);
  // 4 x 3 cells of 16 pixels at 50 %: 32 x 24.
  EXPECT_EQ(std::filesystem::file_size(folder / "mapa_świata.BMP"), 1078u + 32u * 24u);
}

}  // namespace
}  // namespace vyr
