// "Zmiana Artrybutów Klocków": what keeps it open, and scaling or resizing every record.
#include "commands/attributes/scale_attribs_dialog.h"

#include <gtest/gtest.h>

#include "commands/command_run.h"
#include "commands/document_commands.h"
#include "platform/command_ids.h"
#include "world/document_fixture.h"
#include "world/double_attrib.h"
#include "world/mask_attrib.h"
#include "world/single_attrib.h"
#include "world/world.h"

namespace vyr {
namespace {

struct ScaleAttribsDialogTest : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    const std::string path = folder / "w.vwd";
    test::WriteWorld(path, test::StandardProperties(folder / "data.rez"), {{"Ground", 1}});
    RegisterDocumentCommands(rig.doc);
    ASSERT_TRUE(rig.doc.OnOpenDocument(path)) << rig.doc.FailureReason();
    auto d = std::make_unique<CDoubleAttrib>();
    d->SetSize(64, 64);
    d->m_left = 32, d->m_top = 0, d->m_right = 63, d->m_bottom = 63;
    rig.doc.World()->SetAttribute(1, std::move(d));
    rig.doc.World()->SetAttribute(3, std::make_unique<CSingleAttrib>(64, 64, 2));
    rig.doc.SetModifiedFlag(false);
  }
  std::vector<int32_t> Double() {
    const auto& d = dynamic_cast<const CDoubleAttrib&>(*rig.doc.World()->Attribute(1));
    return {d.m_tileWidth, d.m_tileHeight, d.m_left, d.m_top, d.m_right, d.m_bottom};
  }

  test::TempFolder folder;
  test::DocumentRig rig;
};

TEST_F(ScaleAttribsDialogTest, RefusedNumbersKeepItOpenAndChangeNothing) {
  CScaleAttribsDialog dialog(rig.doc);
  dialog.OnInitDialog();
  EXPECT_TRUE(dialog.m_byPercent);
  for (const char* percent : {"100", "0", "-50", "", "99999999999"}) {
    dialog.m_percent = percent;
    EXPECT_FALSE(dialog.OnOK(rig.user)) << percent;
  }
  dialog.OnControlEvent(ctl::kScaleAttribsBySize, ControlEvent::Clicked, rig.user);
  EXPECT_FALSE(dialog.m_byPercent);
  for (auto [w, h] : {std::pair{"0", "32"}, {"32", "-1"}, {"", ""}}) {
    dialog.m_width = w, dialog.m_height = h;
    EXPECT_FALSE(dialog.OnOK(rig.user)) << w << " x " << h;
  }
  EXPECT_EQ(Double(), (std::vector<int32_t>{64, 64, 32, 0, 63, 63}));
  EXPECT_FALSE(rig.doc.IsModified());

  test::DocumentRig empty;
  CScaleAttribsDialog withoutWorld(empty.doc);
  withoutWorld.OnInitDialog();
  withoutWorld.m_percent = "50";
  EXPECT_FALSE(withoutWorld.OnOK(empty.user));
}

TEST_F(ScaleAttribsDialogTest, OkScalesOrResizesEveryRecord) {
  rig.user.QueueDialogOk([](CDialogModel& model, int) { static_cast<CScaleAttribsDialog&>(model).m_percent = "50"; });
  test::RunCommand(rig.doc.Commands(), cmd::kScaleAttribs);
  EXPECT_EQ(Double(), (std::vector<int32_t>{32, 32, 16, 0, 31, 31}));
  EXPECT_EQ(rig.doc.World()->Attribute(3)->m_tileWidth, 32);
  EXPECT_TRUE(rig.doc.IsModified());

  CScaleAttribsDialog dialog(rig.doc);
  dialog.OnInitDialog();
  dialog.OnControlEvent(ctl::kScaleAttribsBySize, ControlEvent::Clicked, rig.user);
  dialog.m_width = "64", dialog.m_height = "16";
  ASSERT_TRUE(dialog.OnOK(rig.user));
  EXPECT_EQ(Double(), (std::vector<int32_t>{64, 16, 32, 0, 63, 15}));
}

}  // namespace
}  // namespace vyr
