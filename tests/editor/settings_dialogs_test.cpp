// Texts the dialogs must not change behind the user's back: the archive path of "Opcje"
// stays the system's UTF-8, and an untouched field of "Informacje Świata" keeps every byte.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include "commands/document_commands.h"
#include "commands/game/game_launch.h"
#include "commands/game/options_dialog.h"
#include "editor/dialogs/game/options_dlg.h"
#include "editor/dialogs/world/world_info_dlg.h"
#include "editor/qt_interaction_port.h"
#include "editor/test_application.h"
#include "platform/profile_keys.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

QLineEdit* Edit(QWidget& dialog, int id) { return dialog.findChild<QLineEdit*>(QStringLiteral("control%1").arg(id)); }

TEST(OptionsDlg, KeepsTheArchivePathInTheSystemsUtf8WhateverItsLetters) {
  test::EnsureApplication();
  Profile profile;
  QtInteractionPort port(QStringLiteral("VyrWorld"));
  RegisterOptionsDlg();
  COptionsDialog model(&profile);
  const QString typed = QString::fromUtf8("/dane/łąka/Ж/DEMO.REZ");
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    Edit(*dialog, COptionsDialog::kRezFileControl)->setText(typed);
    dialog->accept();
  });
  EXPECT_EQ(port.RunDialog(model), DialogResult::Ok);
  EXPECT_EQ(profile.GetProfileString(profile::kOptions, profile::kRezFile), typed.toStdString());
}

TEST(WorldInfoDlg, OkWithoutEditingKeepsEveryTextByteForByte) {
  test::EnsureApplication();
  test::TempFolder folder;
  test::DocumentRig rig;
  test::WriteArchive(folder / "data.rez", test::StandardArchive());
  test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"), {{"Ground", 1, {"TILES"}}});
  RegisterDocumentCommands(rig.doc);
  ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd"));

  // Each text as the reader can give it: its whole field, no terminator, every byte value.
  CWorldInfoDialog probe(rig.doc);
  probe.OnInitDialog();
  WorldProperties& p = rig.doc.Properties();
  std::vector<std::string*> texts = {&p.name, &p.author, &p.archivePath, &p.imageDir, &p.palette};
  for (size_t i = 0; i < 4; ++i) texts.insert(texts.end(), {&p.imageSets[i], &p.prefixes[i]});
  texts.push_back(&p.gamePath);
  std::vector<DialogField> fields;
  for (const DialogField& field : probe.Fields())
    if (!field.IsNumber()) fields.push_back(field);
  ASSERT_EQ(fields.size(), texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    texts[i]->clear();
    for (size_t n = 0; n <= fields[i].maxBytes; ++n) texts[i]->push_back(char(1 + (n * 7 + i) % 255));
  }
  p.gamePath.replace(0, 8, "/g/run x");
  std::vector<std::string> before;
  for (const std::string* text : texts) before.push_back(*text);

  CWorldInfoDialog model(rig.doc);
  CWorldInfoDlg dialog(model, rig.user, nullptr);
  QTimer::singleShot(0, [&] {
    for (const DialogField& field : fields)
      EXPECT_EQ(size_t(Edit(dialog, field.control)->text().size()), field.maxBytes + 1) << field.label << " whole";
    dialog.accept();
  });
  rig.user.QueueAnswer(Answer::Yes);  // keep the image directory and palette the archive lacks
  EXPECT_EQ(dialog.Run(), DialogResult::Ok);
  for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(*texts[i], before[i]) << fields[i].label;
  EXPECT_FALSE(IsGamePathApproved(rig.profile, p.gamePath, folder.Path().string()));
}

}  // namespace
}  // namespace vyr
