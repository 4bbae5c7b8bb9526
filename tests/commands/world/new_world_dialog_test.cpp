// File New and the "Nowy Świat" dialog: the archive test, what the new world takes and
// keeps, Cancel and resources the archive lacks.
#include "commands/world/new_world_dialog.h"

#include <gtest/gtest.h>

#include "commands/command_run.h"
#include "commands/document_commands.h"
#include "platform/date_format.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "resources/rez_mgr.h"
#include "world/document_fixture.h"
#include "world/undo_stack.h"

namespace vyr {
namespace {

using test::DocumentRig;

struct NewWorldFixture : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    RegisterDocumentCommands(rig.doc);
    SetClock(&clock);
  }
  void TearDown() override { SetClock(nullptr); }

  // The user fills the dialog with a valid description.
  void QueueDescription(const std::string& imageDir = "IMAGES", bool useZ = true) {
    rig.user.QueueDialogOk([this, imageDir, useZ](CDialogModel& model, int) {
      auto& dialog = dynamic_cast<CNewWorldDialog&>(model);
      dialog.m_name = "Fresh";
      dialog.m_author = "Me";
      dialog.m_archivePath = folder / "data.rez";
      dialog.m_imageDir = imageDir;
      dialog.m_palette = "PALETTES/MAIN.PAL";
      dialog.m_startX = "-5";
      dialog.m_startY = "";
      dialog.m_useZ = useZ;
    });
  }
  void RunFileNew() { test::RunCommand(rig.doc.Commands(), cmd::kFileNew); }
  bool Enabled(CommandId id) { return test::UpdateCommand(rig.doc.Commands(), id).enabled; }

  test::TempFolder folder;
  FixedClock clock{MakeTime(1995, 3, 14, 12, 41, 29)};
  DocumentRig rig;
};

TEST_F(NewWorldFixture, OkMakesAModifiedWorldThatKeepsThePreviousGameSetsAndPrefixes) {
  const std::string previous = folder / "old.vwd";
  test::WriteWorld(previous, test::StandardProperties(folder / "data.rez"), {{"Ground", 1}});
  ASSERT_TRUE(rig.doc.OnOpenDocument(previous));
  rig.doc.Properties().flags = kWorldFlagCompressed | 0x40;

  QueueDescription();
  RunFileNew();
  ASSERT_TRUE(rig.doc.HasLoadedWorld());
  EXPECT_TRUE(rig.doc.IsModified());
  EXPECT_TRUE(Enabled(cmd::kFileSave));
  EXPECT_TRUE(rig.doc.GetPathName().empty());
  EXPECT_EQ(rig.doc.World()->PlaneCount(), 0);
  EXPECT_EQ(rig.doc.CurrentPlane(), nullptr);
  EXPECT_EQ(rig.doc.World()->ViewRect(), (CRect{0, 0, 319, 239})) << "the view's client area";
  EXPECT_NE(rig.doc.ImageSets()->Find("TILES"), nullptr);
  EXPECT_EQ(rig.doc.UndoStack()->Limit(), CWorldDoc::kUndoLimit);
  EXPECT_TRUE(rig.view.Logged("resize"));

  WorldProperties expected = test::StandardProperties(folder / "data.rez");
  expected.name = "Fresh";
  expected.author = "Me";
  expected.imageDir = "IMAGES";
  expected.palette = "PALETTES/MAIN.PAL";
  expected.startX = -5;
  expected.startY = 0;
  expected.flags = kWorldFlagUseZ;
  expected.date = "Tuesday, March 14, 1995, 12:41:29";
  EXPECT_EQ(rig.doc.Properties(), expected);
}

TEST_F(NewWorldFixture, CancelLeavesNoWorld) {
  rig.user.QueueDialogCancel();
  RunFileNew();
  EXPECT_EQ(rig.doc.World(), nullptr);
  EXPECT_FALSE(rig.doc.IsModified());
  EXPECT_FALSE(Enabled(cmd::kFileSave));
  EXPECT_FALSE(Enabled(cmd::kWorldInfo));
  EXPECT_TRUE(rig.view.Logged("invalidate erase"));
}

TEST_F(NewWorldFixture, AnArchiveThatDoesNotOpenKeepsTheDialogOpenOnItsField) {
  std::filesystem::create_directories(folder.Path() / "a-folder");
  const std::vector<std::string> bad = {"", folder / "missing.rez", folder / "a-folder"};
  rig.user.QueueDialogOk(
      [&](CDialogModel& model, int attempt) {
        auto& dialog = dynamic_cast<CNewWorldDialog&>(model);
        dialog.m_imageDir = "IMAGES";
        dialog.m_archivePath = attempt < int(bad.size()) ? bad[size_t(attempt)] : folder / "data.rez";
      },
      int(bad.size()) + 1);
  RunFileNew();
  int refusals = 0;
  for (const std::string& line : rig.user.Log()) refusals += line == "message: Ten plik jest uszkodzony.";
  EXPECT_EQ(refusals, int(bad.size()));
  EXPECT_TRUE(rig.doc.HasLoadedWorld());

  DocumentRig other;
  CNewWorldDialog dialog(other.doc);
  dialog.OnInitDialog();
  dialog.m_archivePath = folder / "missing.rez";
  EXPECT_FALSE(dialog.OnOK(other.user));
  EXPECT_EQ(dialog.FocusControl(), CNewWorldDialog::kArchivePathControl);
  EXPECT_TRUE(other.doc.Properties().name.empty()) << "nothing is stored";
}

TEST_F(NewWorldFixture, AResourceNotInTheArchiveKeepsTheDialogOpenOnItsField) {
  const std::string rez = folder / "data.rez";
  struct Attempt {
    std::string imageDir;
    std::string palette;
    std::string said;  // start of the message
    int focus;
  } attempts[] = {
      {"NO/SUCH/DIR", "PALETTES/MAIN.PAL", "The image directory NO/SUCH/DIR is not in the rez file " + rez + ".", 1004},
      {"PALETTES", "PALETTES/MAIN.PAL", "The image directory PALETTES of the rez file " + rez + " holds no images.", 1004},
      {"IMAGES", "PALETTES/NOPE.PAL", "The palette PALETTES/NOPE.PAL is not in the rez file " + rez + ".", 1006},
      {"IMAGES", "PALETTES/MAIN.PAL", "", 0},
  };
  std::vector<int> focus;
  rig.user.QueueDialogOk(
      [&](CDialogModel& model, int attempt) {
        auto& dialog = dynamic_cast<CNewWorldDialog&>(model);
        if (attempt > 0) focus.push_back(dialog.FocusControl());
        dialog.m_name = "Fresh";
        dialog.m_archivePath = rez;
        dialog.m_imageDir = attempts[attempt].imageDir;
        dialog.m_palette = attempts[attempt].palette;
      },
      4);
  RunFileNew();
  ASSERT_EQ(rig.user.Log().size(), 4u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(rig.user.Log()[i].rfind("message: " + attempts[i].said, 0), 0u) << rig.user.Log()[i];
    EXPECT_EQ(focus[i], attempts[i].focus) << attempts[i].said;
  }
  EXPECT_TRUE(rig.doc.HasLoadedWorld());
  EXPECT_TRUE(rig.doc.IsModified());
  EXPECT_EQ(rig.doc.Properties().imageDir, "IMAGES");
}

TEST_F(NewWorldFixture, RezFileReplacesTheWorldsArchiveAndNoneIsLookedUpAsAPath) {
  test::WriteArchive(folder / "preferred.rez", {{"PICS/A", "1", "PID", test::SolidPid(4, 4, 9)}});
  rig.profile.WriteProfileString("Options", "RezFile", folder / "preferred.rez");
  rig.user.QueueDialogOk([this](CDialogModel& model, int) {
    auto& dialog = dynamic_cast<CNewWorldDialog&>(model);
    dialog.m_archivePath = folder / "data.rez";
    dialog.m_imageDir = "PICS";
    dialog.m_palette = "NONE";
  });
  RunFileNew();
  ASSERT_TRUE(rig.doc.HasLoadedWorld());
  EXPECT_EQ(rig.doc.Archive()->GetPath(), folder / "preferred.rez");
  EXPECT_NE(rig.doc.ImageSets()->Find("A"), nullptr);
  EXPECT_TRUE(rig.doc.Resources().PaletteFromImages());
  EXPECT_EQ(rig.doc.Properties().archivePath, folder / "data.rez");
}

TEST_F(NewWorldFixture, ASavedQuestionComesFirstAndCancelKeepsTheWorld) {
  const std::string previous = folder / "old.vwd";
  test::WriteWorld(previous, test::StandardProperties(folder / "data.rez"), {{"Ground", 1}});
  ASSERT_TRUE(rig.doc.OnOpenDocument(previous));
  rig.doc.SetPathName(previous, false);
  rig.doc.SetModifiedFlag(true);
  rig.user.QueueAnswer(Answer::Cancel);
  RunFileNew();
  EXPECT_TRUE(rig.doc.HasLoadedWorld());
  EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{"question: Save changes to old.vwd? -> cancel"}));
}

}  // namespace
}  // namespace vyr
