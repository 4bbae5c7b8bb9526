// The "Informacje Świata" dialog: filling, storing and its command.
#include "commands/world/world_info_dialog.h"

#include <gtest/gtest.h>

#include <climits>

#include "commands/document_commands.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

using test::DocumentRig;

struct InfoFixture : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    RegisterDocumentCommands(rig.doc);
  }
  void Open(const std::vector<test::PlaneSpec>& planes, int32_t flags = 0) {
    WorldProperties p = test::StandardProperties(folder / "data.rez");
    p.flags = flags;
    test::WriteWorld(folder / "w.vwd", p, planes);
    ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd")) << rig.doc.FailureReason();
  }
  test::TempFolder folder;
  DocumentRig rig;
};

TEST(ReadDialogInt, SignedDecimalWithEmptyAndJunkAsZeroAndNothingOutOfRange) {
  struct Row {
    const char* text;
    std::optional<int32_t> value;
  } rows[] = {{"", 0},           {"12", 12},         {"-40", -40},         {"+7", 7},
              {"  9", 9},        {"abc", 0},         {"15px", 15},         {"-", 0},
              {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"2147483648", std::nullopt},
              {"-2147483649", std::nullopt}, {"99999999999", std::nullopt},
              {"-99999999999999999999999", std::nullopt}};
  for (const Row& row : rows) EXPECT_EQ(ReadDialogInt(row.text), row.value) << '"' << row.text << '"';
  EXPECT_EQ(ReadDialogInt("10", -5, 9), std::nullopt);
  EXPECT_EQ(ReadDialogInt("-5", -5, 9), -5);
}

TEST_F(InfoFixture, FillsEveryFieldFromTheHeader) {
  Open({{"Ground", 0, {"TILES"}, 4, 3, 16, 2}, {"Objects", 1, {"TILES"}, 4, 3, 16, 3}, {"Sky"}},
       kWorldFlagCompressed);
  CWorldInfoDialog dialog(rig.doc);
  dialog.OnInitDialog();
  const WorldProperties& p = rig.doc.Properties();
  EXPECT_EQ(dialog.m_name, p.name);
  EXPECT_EQ(dialog.m_author, p.author);
  EXPECT_EQ(dialog.m_created, p.date);
  EXPECT_EQ(dialog.m_archivePath, p.archivePath);
  EXPECT_EQ(dialog.m_imageDir, "IMAGES");
  EXPECT_EQ(dialog.m_palette, "PALETTES/MAIN.PAL");
  EXPECT_EQ(dialog.m_startX, "40");
  EXPECT_EQ(dialog.m_startY, "-8");
  EXPECT_FALSE(dialog.m_useZ);
  EXPECT_TRUE(dialog.m_compressed);
  EXPECT_EQ(dialog.m_imageSets, p.imageSets);
  EXPECT_EQ(dialog.m_prefixes, p.prefixes);
  EXPECT_EQ(dialog.m_gamePath, p.gamePath);
  EXPECT_EQ(dialog.m_planeCount, "3");
  EXPECT_EQ(dialog.m_objectCount, "3") << "objects of the first plane carrying the objects flag";
}

TEST_F(InfoFixture, NoObjectPlaneLeavesTheObjectCountEmptyAndNoWorldLeavesEverythingEmpty) {
  Open({{"Ground"}, {"Sky"}});
  CWorldInfoDialog dialog(rig.doc);
  dialog.OnInitDialog();
  EXPECT_EQ(dialog.m_planeCount, "2");
  EXPECT_EQ(dialog.m_objectCount, "");

  DocumentRig empty;
  empty.doc.Properties().name = "not loaded";
  CWorldInfoDialog none(empty.doc);
  none.OnInitDialog();
  EXPECT_EQ(none.m_name, "");
  EXPECT_EQ(none.m_planeCount, "");
}

TEST_F(InfoFixture, OkStoresTheFieldsAndRebuildsTheFlagsFromScratch) {
  Open({{"Ground", 1}}, kWorldFlagUseZ | 0x30);
  struct Row {
    bool useZ;
    bool compressed;
    std::string startX;
    int32_t flags;
    int32_t x;
  } rows[] = {
      {false, false, "", 0, 0},
      {true, false, "-3", kWorldFlagUseZ, -3},
      {false, true, "x1", kWorldFlagCompressed, 0},
      {true, true, "250", kWorldFlagUseZ | kWorldFlagCompressed, 250},
  };
  for (const Row& row : rows) {
    rig.doc.Properties().flags = kWorldFlagUseZ | 0x30;
    CWorldInfoDialog dialog(rig.doc);
    dialog.OnInitDialog();
    dialog.m_useZ = row.useZ;
    dialog.m_compressed = row.compressed;
    dialog.m_startX = row.startX;
    dialog.m_name = "Renamed";
    dialog.m_imageSets[3] = "OBJECTS/EXTRA";
    dialog.m_prefixes[3] = "EX";
    dialog.m_gamePath = "/opt/game";
    dialog.m_created = "ignored";
    dialog.m_planeCount = "99";
    ASSERT_TRUE(dialog.OnOK(rig.user));
    const WorldProperties& p = rig.doc.Properties();
    EXPECT_EQ(p.flags, row.flags);
    EXPECT_EQ(p.startX, row.x);
    EXPECT_EQ(p.startY, -8);
    EXPECT_EQ(p.name, "Renamed");
    EXPECT_EQ(p.imageSets[3], "OBJECTS/EXTRA");
    EXPECT_EQ(p.prefixes[3], "EX");
    EXPECT_EQ(p.gamePath, "/opt/game");
    EXPECT_EQ(p.date, "March 14, 1995") << "read-only fields are not stored";
    EXPECT_EQ(rig.doc.World()->PlaneCount(), 1);
  }
}

TEST_F(InfoFixture, ANameTheOpenArchiveLacksIsKeptOnlyWhenTheUserSaysYes) {
  Open({{"Ground", 1}});
  const std::string rez = folder / "data.rez";
  struct Row {
    std::string imageDir;
    std::string palette;
    std::string archivePath;
    std::string question;  // empty: none asked
    int focus;
  } rows[] = {
      {"PICTURES", "PALETTES/MAIN.PAL", rez, "The image directory PICTURES is not in the rez file " + rez + ".", 1004},
      {"IMAGES", "PALETTES/NOPE.PAL", rez, "The palette PALETTES/NOPE.PAL is not in the rez file " + rez + ".", 1006},
      {"IMAGES", "NONE", rez, "", 0},
      {"PICTURES", "PALETTES/NOPE.PAL", folder / "other.rez", "", 0},
  };
  for (const Row& row : rows) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
      rig.user.ClearLog();
      rig.doc.Properties() = test::StandardProperties(rez);
      CWorldInfoDialog dialog(rig.doc);
      dialog.OnInitDialog();
      dialog.m_imageDir = row.imageDir;
      dialog.m_palette = row.palette;
      dialog.m_archivePath = row.archivePath;
      if (!row.question.empty()) rig.user.QueueAnswer(answer);
      const bool kept = row.question.empty() || answer == Answer::Yes;
      EXPECT_EQ(dialog.OnOK(rig.user), kept) << row.imageDir << " " << row.palette;
      EXPECT_EQ(rig.doc.Properties().imageDir, kept ? row.imageDir : "IMAGES");
      if (row.question.empty()) {
        EXPECT_TRUE(rig.user.Log().empty()) << row.archivePath;
        continue;
      }
      ASSERT_EQ(rig.user.Log().size(), 1u);
      EXPECT_EQ(rig.user.Log()[0].rfind("question: " + row.question + "\n\n", 0), 0u) << rig.user.Log()[0];
      EXPECT_EQ(dialog.FocusControl(), kept ? 0 : row.focus);
    }
  }
}

TEST_F(InfoFixture, TheCommandNeedsAWorldAndOkMarksTheDocumentModified) {
  CommandState state;
  const UpdateHandler* update = rig.doc.Commands().FindUpdate(cmd::kWorldInfo);
  ASSERT_NE(update, nullptr);
  (*update)(cmd::kWorldInfo, state);
  EXPECT_FALSE(state.enabled);

  Open({{"Ground", 1}});
  (*update)(cmd::kWorldInfo, state);
  EXPECT_TRUE(state.enabled);
  const CommandHandler& run = *rig.doc.Commands().FindHandler(cmd::kWorldInfo);
  rig.user.QueueDialogCancel();
  run(cmd::kWorldInfo);
  EXPECT_FALSE(rig.doc.IsModified());
  rig.user.QueueDialogOk();
  run(cmd::kWorldInfo);
  EXPECT_TRUE(rig.doc.IsModified());
  EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{"dialog 132: cancel", "dialog 132: ok"}));
}

}  // namespace
}  // namespace vyr
