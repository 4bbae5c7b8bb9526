// The recovery copy's life (written after the interval of editing, offered when newer,
// removed by a save, a discard and a clean exit) and the backups a save keeps.
#include <gtest/gtest.h>

#include <filesystem>

#include "document_fixture.h"
#include "platform/file_io.h"
#include "world/work_keeper.h"

namespace vyr {
namespace {

using test::DocumentRig;

struct KeeperFixture : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    WriteTheWorld();
  }
  void WriteTheWorld() { test::WriteWorld(world, test::StandardProperties(folder / "data.rez"), {{"Ground", 1}}); }
  std::unique_ptr<CWorkKeeper> Keep(DocumentRig& rig) {
    return std::make_unique<CWorkKeeper>(rig.doc, CRecoveryStore(folder / "state/recovery"),
                                         CBackupStore(folder / "state/backups"), [this] { return now; });
  }
  // Opens the world, writes cell (0, 0) and lets the interval pass: the copy is written.
  void EditAndKeepACopy(DocumentRig& rig, CWorkKeeper& keeper) {
    ASSERT_TRUE(rig.doc.OnOpenDocument(world));
    rig.doc.SetPathName(world, false);
    now = 1000;
    ASSERT_EQ(rig.doc.SetTile(0, 0, 3), 1);
    now += 59'999;
    EXPECT_FALSE(keeper.Tick());
    now += 1;
    ASSERT_TRUE(keeper.Tick());
    EXPECT_EQ(keeper.WaitForWriter(), "");
    // At most one copy per interval, however much is edited.
    ASSERT_EQ(rig.doc.SetTile(1, 0, 3), 1);
    now += 30'000;
    EXPECT_FALSE(keeper.Tick());
  }
  bool HasCopy() const { return std::filesystem::exists(CRecoveryStore(folder / "state/recovery").CopyPath(world)); }

  test::TempFolder folder;
  std::string world = folder / "w.vwd";
  int64_t now = 0;
};

TEST_F(KeeperFixture, ACopyNewerThanTheWorldIsOfferedOnOpenAndKeptOnNo) {
  DocumentRig editing;
  auto keeper = Keep(editing);
  EditAndKeepACopy(editing, *keeper);
  ASSERT_TRUE(HasCopy());

  for (const Answer answer : {Answer::No, Answer::Yes}) {
    DocumentRig next;
    auto nextKeeper = Keep(next);
    next.user.QueueAnswer(answer);
    ASSERT_TRUE(next.doc.OnOpenDocument(world)) << next.doc.FailureReason();
    ASSERT_FALSE(next.user.Log().empty());
    EXPECT_EQ(next.user.Log().front().rfind("question: Odzyskać niezapisane zmiany z ", 0), 0u);
    const bool recovered = answer == Answer::Yes;
    EXPECT_EQ(next.doc.GetTile(0, 0), recovered ? 3 : 0);
    EXPECT_EQ(next.doc.IsModified(), recovered);
    EXPECT_TRUE(HasCopy());
  }

  // A copy that cannot be read: the saved world opens, and the user is told why.
  std::string error;
  const std::vector<uint8_t> garbage(40, 0x5A);
  ASSERT_TRUE(WriteFileAtomically(CRecoveryStore(folder / "state/recovery").CopyPath(world), garbage, error)) << error;
  DocumentRig next;
  auto nextKeeper = Keep(next);
  next.user.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(next.doc.OnOpenDocument(world)) << next.doc.FailureReason();
  EXPECT_EQ(next.doc.GetTile(0, 0), 0);
  EXPECT_FALSE(next.doc.IsModified());
  ASSERT_EQ(next.user.Log().size(), 2u);
  EXPECT_EQ(next.user.Log()[1].rfind("message: Nie można odczytać kopii niezapisanych zmian: ", 0), 0u) << next.user.Log()[1];
}

TEST_F(KeeperFixture, SaveDiscardAndCleanExitRemoveTheCopy) {
  enum class End { Save, Discard, CleanExit };
  for (const End end : {End::Save, End::Discard, End::CleanExit}) {
    WriteTheWorld();
    DocumentRig rig;
    auto keeper = Keep(rig);
    EditAndKeepACopy(rig, *keeper);
    ASSERT_TRUE(HasCopy());
    std::vector<uint8_t> before;
    std::string error;
    ASSERT_TRUE(ReadWholeFile(world, before, error));
    switch (end) {
      case End::Save:
        ASSERT_TRUE(rig.doc.DoFileSave()) << rig.doc.FailureReason();
        break;
      case End::Discard:
        rig.user.QueueAnswer(Answer::No);
        ASSERT_TRUE(rig.doc.SaveModified());
        break;
      case End::CleanExit:
        // Undone back to the saved state, so exit asks nothing.
        rig.doc.SetModifiedFlag(false);
        keeper->CleanExit();
        break;
    }
    EXPECT_FALSE(HasCopy()) << int(end);
    // The save kept the version it replaced (the first row is the only save).
    const std::vector<StoredCopy> backups = keeper->Backups().List(world);
    ASSERT_EQ(backups.size(), 1u);
    if (end == End::Save) {
      std::vector<uint8_t> kept;
      ASSERT_TRUE(ReadWholeFile(backups[0].path, kept, error));
      EXPECT_EQ(kept, before);
    }
  }
}

}  // namespace
}  // namespace vyr
