// The Qt faces of the document's dialogs, offscreen: fields in and out, capitals typed into
// archive-path fields, a refused OK that keeps the dialog open, the archive tree.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "commands/document_commands.h"
#include "editor/dialogs/world/add_image_sets_dlg.h"
#include "editor/dialogs/world/new_world_dlg.h"
#include "editor/dialogs/world/world_info_dlg.h"
#include "editor/test_application.h"
#include "resources/image_set.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

using test::EnsureApplication;

QLineEdit* Edit(QDialog& dialog, int id) {
  return dialog.findChild<QLineEdit*>(QStringLiteral("control%1").arg(id));
}

struct DialogFixture : ::testing::Test {
  void SetUp() override {
    EnsureApplication();
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                     {{"Ground", 1, {"TILES"}, 4, 3, 16, 2}});
    RegisterDocumentCommands(rig.doc);
    ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd"));
  }
  test::TempFolder folder;
  test::DocumentRig rig;
};

TEST_F(DialogFixture, WorldInformationShowsAndStoresTheHeader) {
  CWorldInfoDialog model(rig.doc);
  CWorldInfoDlg dialog(model, rig.user, nullptr);
  bool checked = false;
  QTimer::singleShot(0, [&] {
    EXPECT_EQ(Edit(dialog, 1000)->text(), QStringLiteral("Test World"));
    EXPECT_EQ(Edit(dialog, 1002)->text(), QStringLiteral("-8"));
    EXPECT_EQ(Edit(dialog, 1007)->text(), QStringLiteral("1"));
    EXPECT_EQ(Edit(dialog, 1010)->text(), QStringLiteral("2"));
    EXPECT_TRUE(Edit(dialog, 1008)->isReadOnly());
    EXPECT_EQ(Edit(dialog, 1136)->text(), QStringLiteral("GEM"));

    Edit(dialog, 1004)->clear();
    QTest::keyClicks(Edit(dialog, 1004), QStringLiteral("pics/tiles"));
    EXPECT_EQ(Edit(dialog, 1004)->text(), QStringLiteral("PICS/TILES"));
    Edit(dialog, 1005)->clear();
    QTest::keyClicks(Edit(dialog, 1005), QStringLiteral("-1x2"));
    EXPECT_EQ(Edit(dialog, 1005)->text(), QStringLiteral("-12")) << "digits only";
    Edit(dialog, 1000)->setText(Text("Zażółć"));
    dialog.findChild<QCheckBox*>(QStringLiteral("control1157"))->setChecked(true);
    checked = true;
    dialog.accept();
  });
  rig.user.QueueAnswer(Answer::Yes);  // keep PICS/TILES, which the archive lacks
  EXPECT_EQ(dialog.Run(), DialogResult::Ok);
  ASSERT_TRUE(checked);
  EXPECT_TRUE(rig.user.AllScriptUsed());
  const WorldProperties& p = rig.doc.Properties();
  EXPECT_EQ(p.imageDir, "PICS/TILES");
  EXPECT_EQ(p.startX, -12);
  EXPECT_EQ(p.name, "Za\xBF\xF3\xB3\xE6") << "Polish letters are stored as Windows-1250";
  EXPECT_EQ(p.flags, kWorldFlagCompressed);
  EXPECT_EQ(p.archivePath, folder / "data.rez") << "untouched fields keep their text and case";
}

TEST_F(DialogFixture, EditsTakeWhatTheFileHoldsAndOkRefusesACharacterOutsideIt) {
  CWorldInfoDialog model(rig.doc);
  CWorldInfoDlg dialog(model, rig.user, nullptr);
  bool stayed = false;
  QTimer::singleShot(0, [&] {
    for (const DialogField& field : model.Fields()) {
      if (!field.IsNumber()) {
        EXPECT_EQ(Edit(dialog, field.control)->maxLength(), int(field.maxBytes)) << field.label;
      }
    }
    Edit(dialog, 1001)->setText(Text("Autor ж"));
    dialog.accept();
    stayed = dialog.isVisible();
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, 1001));
    Edit(dialog, 1001)->setText(Text("Łukasz"));
    dialog.accept();
  });
  EXPECT_EQ(dialog.Run(), DialogResult::Ok);
  EXPECT_TRUE(stayed);
  ASSERT_EQ(rig.user.Log().size(), 1u);
  EXPECT_EQ(rig.user.Log()[0].rfind("message: \"Autor:\" contains \"ж\"", 0), 0u) << rig.user.Log()[0];
  EXPECT_EQ(rig.doc.Properties().author, "\xA3ukasz");
}

TEST_F(DialogFixture, WorldInformationKeepsEveryUntouchedTextWholeEvenWithoutItsTerminator) {
  WorldProperties& p = rig.doc.Properties();
  std::vector<std::string*> texts = {&p.name, &p.author, &p.archivePath, &p.imageDir, &p.palette};
  for (size_t i = 0; i < 4; ++i) texts.insert(texts.end(), {&p.imageSets[i], &p.prefixes[i]});
  texts.push_back(&p.gamePath);
  CWorldInfoDialog model(rig.doc);
  std::vector<std::string> before;  // each field whole, bytes 1 to 255
  for (const DialogField& field : model.Fields()) {
    if (field.IsNumber()) continue;
    std::string& text = *texts[before.size()] = "/g/run ";
    for (size_t n = text.size(); n <= field.maxBytes; ++n) text.push_back(char(1 + (n * 7 + before.size()) % 255));
    before.push_back(text);
  }
  EXPECT_NE(model.UnterminatedLabels().find("\"Nazwa:\", \"Autor:\", \"Plik 'Rez':\""), std::string::npos);
  CWorldInfoDlg dialog(model, rig.user, nullptr);
  QTimer::singleShot(0, [&] { dialog.accept(); });
  rig.user.QueueAnswer(Answer::Yes);  // keep the image directory the archive lacks
  EXPECT_EQ(dialog.Run(), DialogResult::Ok);
  for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(*texts[i], before[i]) << i;
}

TEST_F(DialogFixture, WorldInformationLooksLikeADialogShowsPathsWholeAndBrowsesForFiles) {
  CWorldInfoDialog model(rig.doc);
  CWorldInfoDlg dialog(model, rig.user, nullptr);
  const Qt::WindowFlags flags = dialog.windowFlags();
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  const std::string archive = folder / "a folder with a long name for the archives of this level/DATA.REZ";
  rig.user.QueueFileName(archive);
  rig.user.QueueFileName("/opt/the game/run game.sh");
  QTimer::singleShot(0, [&] {
    // Read-only fields have the window's background, editable ones do not.
    auto base = [&](int id) { return Edit(dialog, id)->palette().color(QPalette::Base); };
    EXPECT_EQ(base(1008), dialog.palette().color(QPalette::Window));
    EXPECT_NE(base(1000), base(1008));

    dialog.findChild<QToolButton*>(QStringLiteral("browse1003"))->click();
    dialog.findChild<QToolButton*>(QStringLiteral("browse1009"))->click();
    QLineEdit* path = Edit(dialog, 1003);
    EXPECT_EQ(path->text().toStdString(), archive);
    QTest::qWait(0);  // the layout follows the new width
    EXPECT_GE(path->width(), path->fontMetrics().horizontalAdvance(path->text()));
    path->setText(QStringLiteral("a"));  // typed on, it scrolls and the dialog keeps its width
    QTest::qWait(0);
    const int wide = dialog.width();
    QTest::keyClicks(path, QString(80, QLatin1Char('x')));
    QTest::qWait(0);
    EXPECT_EQ(dialog.width(), wide);
    path->setText(QString::fromStdString(archive));
    dialog.accept();
  });
  EXPECT_EQ(dialog.Run(), DialogResult::Ok);
  EXPECT_TRUE(rig.user.AllScriptUsed());
  EXPECT_EQ(rig.doc.Properties().archivePath, archive);
  EXPECT_EQ(rig.doc.Properties().gamePath, "\"/opt/the game/run game.sh\"") << "a command line: quoted";
}

TEST_F(DialogFixture, NewWorldStaysOpenOnTheArchiveFieldUntilTheArchiveOpens) {
  CNewWorldDialog model(rig.doc);
  CNewWorldDlg dialog(model, rig.user, nullptr);
  bool stayed = false;
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(Edit(dialog, 1003)->text().isEmpty());
    Edit(dialog, 1000)->setText(QStringLiteral("Fresh"));
    Edit(dialog, 1003)->setText(QString::fromStdString(folder / "missing.rez"));
    dialog.accept();
    stayed = dialog.isVisible();
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, 1003));
    Edit(dialog, 1003)->setText(QString::fromStdString(folder / "data.rez"));
    Edit(dialog, 1004)->setText(QStringLiteral("IMAGES"));
    dialog.accept();
  });
  EXPECT_EQ(dialog.Run(), DialogResult::Ok);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(rig.user.Log().back(), "message: Ten plik jest uszkodzony.");
  EXPECT_EQ(rig.doc.Properties().name, "Fresh");
  EXPECT_EQ(rig.doc.Properties().archivePath, folder / "data.rez");
}

TEST_F(DialogFixture, AddImageSetsShowsTheArchiveTreeAndLoadsTheChosenDirectory) {
  CAddImageSetsDialog model(rig.doc);
  CAddImageSetsDlg dialog(model, rig.user, nullptr);
  QTimer::singleShot(0, [&] {
    QTreeWidget* tree = dialog.Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("ROOT"));
    EXPECT_TRUE(root->isExpanded());
    const QList<QTreeWidgetItem*> found = tree->findItems(QStringLiteral("GEM"), Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0]->parent()->text(0), QStringLiteral("OBJECTS"));
    tree->setCurrentItem(found[0]);
    Edit(dialog, CAddImageSetsDlg::kPrefixControl)->setText(QStringLiteral("JEWEL"));
    dialog.accept();
  });
  EXPECT_EQ(dialog.Run(), DialogResult::Ok);
  EXPECT_EQ(model.m_loadedSets, 2);
  EXPECT_NE(rig.doc.ImageSets()->Find("JEWEL_BIG"), nullptr);
}

}  // namespace
}  // namespace vyr
