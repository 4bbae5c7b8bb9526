// The limits of the world dialogs' fields: each takes what its file field holds, and OK
// refuses more, or a number out of range, on that field without storing anything.
#include "platform/dialog_fields.h"

#include <gtest/gtest.h>

#include <memory>

#include "commands/world/new_world_dialog.h"
#include "commands/world/world_info_dialog.h"
#include "world/document_fixture.h"
#include "world/standalone_world_host.h"
#include "world/world.h"
#include "world/world_file.h"

namespace vyr {
namespace {

struct FieldFixture : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"), {{"Ground", 1}});
    ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd")) << rig.doc.FailureReason();
  }
  test::TempFolder folder;
  test::DocumentRig rig;
};

TEST_F(FieldFixture, TextAtItsLimitSurvivesTheFileAndOneMoreCharacterIsRefusedOnItsField) {
  CWorldInfoDialog full(rig.doc);
  full.OnInitDialog();
  char letter = 'A';
  for (DialogField& field : full.Fields()) {
    if (!field.IsNumber()) *field.text = std::string(field.maxBytes, letter++);
  }
  ASSERT_TRUE(full.OnOK(rig.user));
  std::vector<uint8_t> image;
  ASSERT_EQ(BuildWorldFileImage(*rig.doc.World(), rig.doc.Properties(), image), 1);
  StandaloneWorldHost host;
  CWorld world;
  ASSERT_TRUE(world.SetViewRect(CRect{0, 0, 639, 479}));
  ASSERT_EQ(world.LoadFromBuffer(host, image), 1);
  EXPECT_EQ(host.m_properties, rig.doc.Properties()) << "no field was cut";

  const WorldProperties stored = rig.doc.Properties();
  const size_t fieldCount = full.Fields().size();
  for (size_t i = 0; i < fieldCount; ++i) {
    CWorldInfoDialog dialog(rig.doc);
    dialog.OnInitDialog();
    DialogField field = dialog.Fields()[i];
    if (field.IsNumber()) continue;
    *field.text = std::string(field.maxBytes + 1, 'Z');
    rig.user.ClearLog();
    EXPECT_FALSE(dialog.OnOK(rig.user)) << field.label;
    EXPECT_EQ(dialog.FocusControl(), field.control) << field.label;
    ASSERT_EQ(rig.user.Log().size(), 1u);
    EXPECT_NE(rig.user.Log()[0].find("\"" + field.label + "\" holds at most " + std::to_string(field.maxBytes)),
              std::string::npos)
        << rig.user.Log()[0];
    EXPECT_EQ(rig.doc.Properties(), stored) << field.label;
  }
}

TEST_F(FieldFixture, ANumberOutOfRangeIsRefusedOnItsFieldAndNothingIsStored) {
  const std::string range = " takes a number from -2147483648 to 2147483647. Please correct it.";
  struct Row {
    bool newWorld;
    int control;
    const char* text;
    std::string message;
  } rows[] = {
      {false, CWorldHeaderDialog::kStartYControl, "99999999999", "message: \"Start Y:\"" + range},
      {false, CWorldHeaderDialog::kStartXControl, "2147483648", "message: \"Start X:\"" + range},
      {true, CWorldHeaderDialog::kStartXControl, "-2147483649", "message: \"Start X:\"" + range},
  };
  const WorldProperties before = rig.doc.Properties();
  for (const Row& row : rows) {
    std::unique_ptr<CWorldHeaderDialog> dialog;
    if (row.newWorld) {
      dialog = std::make_unique<CNewWorldDialog>(rig.doc);
    } else {
      dialog = std::make_unique<CWorldInfoDialog>(rig.doc);
    }
    dialog->OnInitDialog();
    dialog->m_archivePath = folder / "data.rez";
    dialog->m_name = "Renamed";
    (row.control == CWorldHeaderDialog::kStartXControl ? dialog->m_startX : dialog->m_startY) = row.text;
    rig.user.ClearLog();
    EXPECT_FALSE(dialog->OnOK(rig.user)) << row.text;
    EXPECT_EQ(dialog->FocusControl(), row.control) << row.text;
    EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{row.message}));
    EXPECT_EQ(rig.doc.Properties(), before) << row.text;
  }
}

}  // namespace
}  // namespace vyr
