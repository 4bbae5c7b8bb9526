// The Qt faces of the plane dialogs, offscreen: an untouched image-set list comes back
// unchanged, and a double click in the planes list selects and closes.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "commands/document_commands.h"
#include "commands/planes/plane_info_dialog.h"
#include "editor/dialogs/planes/plane_dlg.h"
#include "editor/dialogs/planes/planes_dlg.h"
#include "editor/test_application.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

struct PlaneDialogFixture : ::testing::Test {
  void SetUp() override {
    test::EnsureApplication();
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                     {{"Sky", 0, {"BACK"}}, {"Ground", kPlaneFlagObjects, {"TILES"}}});
    RegisterDocumentCommands(rig.doc);
    ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd"));
  }
  test::TempFolder folder;
  test::DocumentRig rig;
};

TEST_F(PlaneDialogFixture, AnUntouchedImageSetListWithAnEmptySlotIsNotParsedAgain) {
  CPlane& plane = *rig.doc.CurrentPlane();
  plane.SetImageSetCount(0);
  plane.AddImageSet(rig.doc.ImageSets(), 0, "TILES");
  plane.AddImageSet(rig.doc.ImageSets(), 2, "BACK");
  CPlaneInfoDialog model(rig.doc);
  CPlaneDlg dialog(model, rig.user, nullptr, "Informacje Warstwy", true);
  QTimer::singleShot(0, [&] {
    auto* list = dialog.findChild<QPlainTextEdit*>(QStringLiteral("control%1").arg(CPlaneInfoDialog::kImageSetsControl));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->toPlainText(), QStringLiteral("TILES\n\nBACK\n"));
    dialog.accept();
  });
  EXPECT_EQ(dialog.Run(), DialogResult::Ok);
  EXPECT_FALSE(model.m_imageSetsChanged);
  EXPECT_EQ(plane.ImageSetName(1), "");
  EXPECT_EQ(plane.ImageSetName(2), "BACK");
}

TEST_F(PlaneDialogFixture, ADoubleClickInThePlanesListSelectsThatPlaneAndCloses) {
  ASSERT_EQ(rig.doc.CurrentPlane(), rig.doc.World()->Plane(1));
  CPlanesDialog model(rig.doc);
  CPlanesDlg dialog(model, rig.user, nullptr);
  QTimer::singleShot(0, [&] {
    auto* list = dialog.findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 1);
    const QRect item = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
    // Should the double click not close it, the test fails instead of hanging.
    QTimer::singleShot(2000, &dialog, [&] { dialog.reject(); });
  });
  EXPECT_EQ(dialog.Run(), DialogResult::Ok);
  EXPECT_EQ(rig.doc.CurrentPlane(), rig.doc.World()->Plane(0));
}

}  // namespace
}  // namespace vyr
