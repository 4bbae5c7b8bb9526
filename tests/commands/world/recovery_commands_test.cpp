// "Odzyskaj..." removes or opens recovery copies; "Poprzednie Wersje..." opens a backup as
// a new, untitled world.
#include "commands/world/recovery_commands.h"

#include <gtest/gtest.h>

#include "world/document_fixture.h"
#include "world/work_keeper.h"

namespace vyr {
namespace {

struct RecoveryCommands : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    for (const char* name : {"a.vwd", "b.vwd"})
      test::WriteWorld(folder / name, test::StandardProperties(folder / "data.rez"), {{"Ground", 1}});
    ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "a.vwd"));
    rig.doc.SetPathName(folder / "a.vwd", false);
  }
  // The world as it is now, kept as `world`'s recovery copy.
  void KeepCopyFor(const std::string& world) {
    std::vector<uint8_t> image;
    ASSERT_TRUE(BuildWorldFileImage(*rig.doc.World(), rig.doc.Properties(), image));
    const std::span<const uint8_t> pieces[] = {image};
    std::string error;
    ASSERT_TRUE(keeper.Recovery().Write(world, pieces, error)) << error;
  }

  test::TempFolder folder;
  test::DocumentRig rig;
  CWorkKeeper keeper{rig.doc, CRecoveryStore(folder / "recovery"), CBackupStore(folder / "backups")};
};

TEST_F(RecoveryCommands, ACopyIsRemovedOrOpenedAsItsWorld) {
  ASSERT_EQ(rig.doc.SetTile(0, 0, 2), 1);
  KeepCopyFor(folder / "b.vwd");
  KeepCopyFor(folder / "a.vwd");
  rig.doc.SetModifiedFlag(false);
  // Newest first: remove a's copy, then open b's.
  rig.user.QueueListChoice(IInteractionPort::ListChoice{0, true});
  rig.user.QueueListChoice(IInteractionPort::ListChoice{0, false});
  ShowRecoveryCopies(rig.doc);
  EXPECT_EQ(keeper.Recovery().List().size(), 1u);
  EXPECT_EQ(rig.doc.GetPathName(), std::filesystem::weakly_canonical(folder / "b.vwd").string());
  EXPECT_EQ(rig.doc.GetTile(0, 0), 2);
  EXPECT_TRUE(rig.doc.IsModified());
  EXPECT_TRUE(rig.user.Unexpected().empty());
}

TEST_F(RecoveryCommands, ABackupOpensUntitledAndModified) {
  std::string error;
  ASSERT_TRUE(keeper.Backups().Keep(folder / "a.vwd", 5, error)) << error;
  ASSERT_EQ(rig.doc.SetTile(0, 0, 2), 1);
  ASSERT_TRUE(rig.doc.DoFileSave());
  rig.user.QueueListChoice(IInteractionPort::ListChoice{1, false});  // the older of two
  ShowPreviousVersions(rig.doc);
  EXPECT_EQ(rig.doc.GetPathName(), "");
  EXPECT_TRUE(rig.doc.IsModified());
  EXPECT_EQ(rig.doc.GetTile(0, 0), 0);
}

}  // namespace
}  // namespace vyr
