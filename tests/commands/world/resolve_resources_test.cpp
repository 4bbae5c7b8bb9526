// Resource location when a world is opened: every answer path, RezFile, the archive beside
// the world, palettes, object image sets; and the archive refresh.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/command_run.h"
#include "commands/document_commands.h"
#include "commands/world/world_info_dialog.h"
#include "platform/file_io.h"
#include "platform/message_format.h"
#include "res/messages.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "resources/rez_freshen.h"
#include "world/document_fixture.h"
#include "world/known_name_lists.h"

namespace vyr {
namespace {

using test::DocumentRig;

const std::string kNoRez = "Unable to locate rez file: %s\n\nWould you like to specify a new location?";

std::string Question(std::string pattern, const std::string& value, const char* answer) {
  pattern.replace(pattern.find("%s"), 2, value);
  return "question: " + pattern + " -> " + answer;
}

struct ResolveFixture : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    RegisterDocumentCommands(rig.doc);
  }
  std::string World(WorldProperties properties) {
    const std::string path = folder / "w.vwd";
    test::WriteWorld(path, properties, {{"Ground", 1}});
    return path;
  }
  WorldProperties Standard() const { return test::StandardProperties(folder / "data.rez"); }

  test::TempFolder folder;
  DocumentRig rig;
};

TEST_F(ResolveFixture, ArchivePaletteAndImagesFoundAskNothing) {
  rig.doc.SetModifiedFlag(true);  // left over from an earlier world
  ASSERT_TRUE(rig.doc.OnOpenDocument(World(Standard()))) << rig.doc.FailureReason();
  EXPECT_TRUE(rig.user.Log().empty());
  EXPECT_FALSE(rig.doc.IsModified());
  EXPECT_EQ(rig.doc.Archive()->GetPath(), folder / "data.rez");
  EXPECT_TRUE(rig.doc.Archive()->IsReadOnly());
  EXPECT_FALSE(rig.doc.Resources().PaletteFromImages());
  EXPECT_EQ(rig.doc.Palette()->Entry(3), (PaletteEntry{3, 252, 7, 0}));
  ASSERT_NE(rig.doc.ImageSets()->Find("TILES"), nullptr);
  EXPECT_NE(rig.doc.ImageSets()->Find("BACK"), nullptr);
  EXPECT_EQ(rig.doc.ImageSets()->Find("COIN"), nullptr) << "object image sets wait for object mode";
  EXPECT_TRUE(rig.doc.ObjectImageSetsPending());
  EXPECT_EQ(rig.doc.CurrentPlane()->ImageSetAt(0), rig.doc.ImageSets()->Find("TILES"));
}

TEST_F(ResolveFixture, RezFileFromTheProfileIsTriedFirst) {
  test::WriteArchive(folder / "preferred.rez", test::StandardArchive());
  std::filesystem::create_directory(folder.Path() / "\xC5\x82\xC4\x85ka");  // łąka
  test::WriteArchive(folder / "\xC5\x82\xC4\x85ka/preferred.rez", test::StandardArchive());
  struct Row {
    std::string rezFile;
    std::string worldArchive;
    std::string opened;
  } rows[] = {
      {folder / "preferred.rez", folder / "nowhere.rez", folder / "preferred.rez"},
      {folder / "preferred.rez", folder / "data.rez", folder / "preferred.rez"},
      {folder / "broken.rez", folder / "data.rez", folder / "data.rez"},
      // As an older "Opcje" stored it: Windows-1250 bytes for a folder the system names in UTF-8.
      {folder / "\xB3\xB9ka/preferred.rez", folder / "nowhere.rez", folder / "\xC5\x82\xC4\x85ka/preferred.rez"},
  };
  for (const Row& row : rows) {
    DocumentRig local;
    RegisterDocumentCommands(local.doc);
    local.profile.WriteProfileString("Options", "RezFile", row.rezFile);
    WorldProperties p = Standard();
    p.archivePath = row.worldArchive;
    ASSERT_TRUE(local.doc.OnOpenDocument(World(p))) << local.doc.FailureReason();
    EXPECT_EQ(local.doc.Archive()->GetPath(), row.opened);
    EXPECT_TRUE(local.user.Log().empty());
  }
}

TEST_F(ResolveFixture, NotFoundAndNoLeavesNoWorld) {
  WorldProperties p = Standard();
  p.archivePath = folder / "nowhere.rez";
  rig.user.QueueAnswer(Answer::No);
  EXPECT_FALSE(rig.doc.OnOpenDocument(World(p)));
  EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{Question(kNoRez, p.archivePath, "no")}));
  EXPECT_EQ(rig.doc.World(), nullptr);
  EXPECT_NE(rig.doc.FailureReason().find("nowhere.rez"), std::string::npos);
}

TEST_F(ResolveFixture, NotFoundYesAndTheDialogRetryWithTheNewLocation) {
  WorldProperties p = Standard();
  p.archivePath = folder / "nowhere.rez";
  rig.user.QueueAnswer(Answer::Yes);
  rig.user.QueueDialogOk([&](CDialogModel& model, int) {
    auto& info = dynamic_cast<CWorldInfoDialog&>(model);
    EXPECT_EQ(info.m_archivePath, p.archivePath) << "the dialog shows the header being read";
    EXPECT_EQ(info.m_planeCount, "0");
    EXPECT_EQ(rig.doc.DisplayTitle(), "w.vwd") << "the window names the file being opened";
    info.m_archivePath = folder / "data.rez";
  });
  ASSERT_TRUE(rig.doc.OnOpenDocument(World(p))) << rig.doc.FailureReason();
  EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{Question(kNoRez, p.archivePath, "yes"), "dialog 132: ok"}));
  EXPECT_EQ(rig.doc.Properties().archivePath, folder / "data.rez");
  EXPECT_EQ(rig.doc.World()->PlaneCount(), 1);
  EXPECT_TRUE(rig.user.AllScriptUsed());
  // The new location lives only in the document until it is saved: the save question must come.
  EXPECT_TRUE(rig.doc.IsModified());
  EXPECT_TRUE(rig.doc.CanSave());
}

TEST_F(ResolveFixture, YesThenCancelInTheDialogFails) {
  WorldProperties p = Standard();
  p.archivePath = folder / "nowhere.rez";
  rig.user.QueueAnswer(Answer::Yes);
  rig.user.QueueDialogCancel();
  EXPECT_FALSE(rig.doc.OnOpenDocument(World(p)));
  EXPECT_EQ(rig.doc.World(), nullptr);
}

TEST_F(ResolveFixture, PaletteAndImageDirectoryQuestionsNameTheRezFileAndRetryToo) {
  const std::string rez = folder / "data.rez";
  const std::string again = "Would you like to specify a new location?";
  struct Row {
    std::string palette;
    std::string imageDir;
    std::string question;
    std::string fixPalette;
    std::string fixImageDir;
  } rows[] = {
      {"PALETTES/OTHER.PAL", "IMAGES",
       "Unable to find palette rez: PALETTES/OTHER.PAL\n\nThe palette PALETTES/OTHER.PAL is not in the rez file " +
           rez + ".\n\n" + again,
       "PALETTES/MAIN.PAL", "IMAGES"},
      {"PALETTES/MAIN.PAL", "PICTURES",
       "Unable to find image rez dir: PICTURES\n\nThe image directory PICTURES is not in the rez file " + rez +
           ".\n\n" + again,
       "PALETTES/MAIN.PAL", "IMAGES"},
      {"PALETTES/MAIN.PAL", "PALETTES",
       "Unable to find image rez dir: PALETTES\n\nThe image directory PALETTES of the rez file " + rez +
           " holds no images.\n\n" + again,
       "PALETTES/MAIN.PAL", "IMAGES"},
  };
  for (const Row& row : rows) {
    DocumentRig local;
    RegisterDocumentCommands(local.doc);
    WorldProperties p = Standard();
    p.palette = row.palette;
    p.imageDir = row.imageDir;
    const std::string path = World(p);

    local.user.QueueAnswer(Answer::No);
    EXPECT_FALSE(local.doc.OnOpenDocument(path));
    EXPECT_EQ(local.user.Log().front(), "question: " + row.question + " -> no");
    EXPECT_NE(local.doc.FailureReason().find("Open the world again and answer Yes"), std::string::npos);

    local.user.ClearLog();
    local.user.QueueAnswer(Answer::Yes);
    local.user.QueueDialogOk([&](CDialogModel& model, int) {
      auto& info = dynamic_cast<CWorldInfoDialog&>(model);
      info.m_palette = row.fixPalette;
      info.m_imageDir = row.fixImageDir;
    });
    EXPECT_TRUE(local.doc.OnOpenDocument(path)) << local.doc.FailureReason();
    EXPECT_TRUE(local.user.AllScriptUsed());
    EXPECT_TRUE(local.doc.IsModified()) << row.question;
  }
}

TEST_F(ResolveFixture, NoPaletteUsesTheColourCube) {
  for (const char* none : {"", "NONE", "none", "NoNe"}) {
    DocumentRig local;
    WorldProperties p = Standard();
    p.palette = none;
    ASSERT_TRUE(local.doc.OnOpenDocument(World(p))) << none;
    EXPECT_TRUE(local.doc.Resources().PaletteFromImages());
    EXPECT_EQ(local.doc.Palette()->Entries(), DefaultPaletteEntries());
  }
}

TEST_F(ResolveFixture, TheReadersFindingsJoinTheQuestionAndTheReason) {
  // The PALETTES directory block is said to run far past the end of the file.
  std::vector<uint8_t> bytes;
  std::string error;
  ASSERT_TRUE(ReadWholeFile(folder / "data.rez", bytes, error)) << error;
  const std::string name("PALETTES\0", 9);
  const auto at = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
  ASSERT_NE(at, bytes.end());
  StoreU32(&*at - 16 + 8, 0x7FFFFFFF);
  ASSERT_TRUE(WriteFileAtomically(folder / "data.rez", bytes, error)) << error;

  rig.user.QueueAnswer(Answer::No);
  EXPECT_FALSE(rig.doc.OnOpenDocument(World(Standard())));
  ASSERT_EQ(rig.user.Log().size(), 1u);
  const std::string damage = "The rez file " + folder / "data.rez" + " is damaged; these parts could not be read:\n- directory '/PALETTES'";
  EXPECT_NE(rig.user.Log()[0].find(damage), std::string::npos) << rig.user.Log()[0];
  EXPECT_NE(rig.doc.FailureReason().find(damage), std::string::npos) << rig.doc.FailureReason();

  // A file that is there but no archive: the reader's reason comes with the question.
  ASSERT_TRUE(WriteFileAtomically(folder / "short.rez", std::vector<uint8_t>(10, 'x'), error));
  WorldProperties p = Standard();
  p.archivePath = folder / "short.rez";
  rig.user.ClearLog();
  rig.user.QueueAnswer(Answer::No);
  EXPECT_FALSE(rig.doc.OnOpenDocument(World(p)));
  ASSERT_EQ(rig.user.Log().size(), 1u);
  EXPECT_NE(rig.user.Log()[0].find("\n\n'" + p.archivePath + "' is not an archive"), std::string::npos) << rig.user.Log()[0];
}

TEST_F(ResolveFixture, AWindowsOrForeignArchivePathFindsTheArchiveBesideTheWorld) {
  std::filesystem::rename(folder / "data.rez", folder / "Data.Rez");
  for (const char* stored : {"C:\\GAME\\DATA.REZ", "../elsewhere/data.rez", "DATA.REZ"}) {
    DocumentRig local;
    WorldProperties p = Standard();
    p.archivePath = stored;
    ASSERT_TRUE(local.doc.OnOpenDocument(World(p))) << stored << ": " << local.doc.FailureReason();
    EXPECT_TRUE(local.user.Log().empty());
    EXPECT_EQ(local.doc.Archive()->GetPath(), folder / "Data.Rez");
    EXPECT_EQ(local.doc.Properties().archivePath, stored) << "the stored path is kept";
  }
}

TEST_F(ResolveFixture, InObjectModeTheObjectImageSetsLoadAtOnce) {
  KnownNameLists::ClearAllForTests();
  rig.view.m_editMode = kObjectMode;
  ASSERT_TRUE(rig.doc.OnOpenDocument(World(Standard())));
  EXPECT_FALSE(rig.doc.ObjectImageSetsPending());
  EXPECT_NE(rig.doc.ImageSets()->Find("COIN"), nullptr);
  EXPECT_NE(rig.doc.ImageSets()->Find("GEM"), nullptr);
  EXPECT_NE(rig.doc.ImageSets()->Find("GEM_BIG"), nullptr);
  EXPECT_TRUE(KnownNameLists::ImageSets().Contains("GEM_BIG"));
  EXPECT_FALSE(KnownNameLists::ImageSets().Contains("TILES")) << "only sets added by adding mode";
  EXPECT_EQ(rig.user.WaitDepth(), 0);
}

TEST_F(ResolveFixture, RefreshStoresTheLooseFilesOfTheRezFolderAndReopens) {
  std::filesystem::create_directories(folder.Path() / "REZ/IMAGES/TILES");
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(folder / "REZ/IMAGES/TILES/004.PID", test::SolidPid(16, 16, 14), error));

  for (const std::string& stored : std::vector<std::string>{folder / "data.rez", "C:\\GAME\\DATA.REZ"}) {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    DocumentRig local;
    RegisterDocumentCommands(local.doc);
    WorldProperties p = Standard();
    p.archivePath = stored;
    const std::string path = World(p);
    ASSERT_TRUE(local.doc.OnOpenDocument(path));
    local.doc.SetPathName(path, false);
    EXPECT_TRUE(local.doc.Commands().FindHandler(cmd::kRefreshRez));
    test::RunCommand(local.doc.Commands(), cmd::kRefreshRez);
    ASSERT_NE(local.doc.Archive(), nullptr);
    EXPECT_TRUE(local.doc.Archive()->IsOpen());
    EXPECT_TRUE(local.doc.Archive()->IsReadOnly());
    EXPECT_NE(local.doc.Archive()->FindItem("IMAGES/TILES/004.PID"), nullptr) << stored;
    EXPECT_EQ(local.doc.ImageSets()->Find("TILES")->GetImage(4), nullptr) << "loaded sets are not reloaded";
    EXPECT_EQ(local.user.WaitDepth(), 0);
    EXPECT_NE(std::find(local.user.Log().begin(), local.user.Log().end(), "progress end"), local.user.Log().end());
  }
}

TEST_F(ResolveFixture, ArchiveCommandsNeedAWorld) {
  auto enabled = [&](CommandId id) { return test::UpdateCommand(rig.doc.Commands(), id).enabled; };
  WorldProperties p = Standard();
  p.archivePath = folder / "nowhere.rez";
  rig.user.QueueAnswer(Answer::No);
  ASSERT_FALSE(rig.doc.OnOpenDocument(World(p)));
  EXPECT_FALSE(enabled(cmd::kAddImageSets));
  EXPECT_FALSE(enabled(cmd::kRefreshRez));
  ASSERT_TRUE(rig.doc.OnOpenDocument(World(Standard())));
  EXPECT_TRUE(enabled(cmd::kAddImageSets));
  EXPECT_TRUE(enabled(cmd::kRefreshRez));
}

// Puts the process in another folder for its lifetime.
struct WorkingFolder {
  explicit WorkingFolder(const std::filesystem::path& path) : m_started(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~WorkingFolder() { std::filesystem::current_path(m_started); }
  std::filesystem::path m_started;
};

TEST_F(ResolveFixture, ARelativeArchivePathIsTheWorldsAndTheRefreshUsesTheArchiveInUse) {
  // Started from a folder holding another archive of the same name.
  test::TempFolder elsewhere;
  test::WriteArchive(elsewhere / "data.rez", {{"IMAGES/OTHER", "1", "PID", test::SolidPid(16, 16, 9)}});
  std::filesystem::create_directories(folder.Path() / "REZ/IMAGES/TILES");
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(folder / "REZ/IMAGES/TILES/004.PID", test::SolidPid(16, 16, 14), error));
  WorldProperties p = Standard();
  p.archivePath = "data.rez";
  const std::string path = World(p);

  WorkingFolder cwd(elsewhere.Path());
  ASSERT_TRUE(rig.doc.OnOpenDocument(path)) << rig.doc.FailureReason();
  EXPECT_EQ(rig.doc.Resources().ArchiveInUse(), folder / "data.rez");
  EXPECT_NE(rig.doc.ImageSets()->Find("TILES"), nullptr);
  ASSERT_TRUE(rig.doc.Commands().FindHandler(cmd::kRefreshRez));
  test::RunCommand(rig.doc.Commands(), cmd::kRefreshRez);
  EXPECT_NE(rig.doc.Archive()->FindItem("IMAGES/TILES/004.PID"), nullptr);
  EXPECT_EQ(rig.user.Log().back(), "status: Odświeżono plik 'Rez' data.rez: zapisano 1 plik");
  test::RunCommand(rig.doc.Commands(), cmd::kRefreshRez);
  EXPECT_EQ(rig.user.Log().back(), "status: Plik 'Rez' data.rez jest aktualny");

  // Without its REZ folder the refresh says so, and the archive stays usable.
  std::filesystem::remove_all(folder.Path() / "REZ");
  test::RunCommand(rig.doc.Commands(), cmd::kRefreshRez);
  const std::string said = "message: " + FormatMessage(res::text::kRefreshFailed, {folder / "data.rez", folder / "REZ"}) +
                           "\n\nThe folder '" + folder / "REZ" + "' does not exist or is not a folder.\n\n";
  EXPECT_EQ(rig.user.Log().back().rfind(said, 0), 0u) << rig.user.Log().back();
  EXPECT_TRUE(test::UpdateCommand(rig.doc.Commands(), cmd::kAddImageSets).enabled);
}

TEST_F(ResolveFixture, AWorldSavedAwayFromItsArchiveReopensWithItAndSaysSoOnce) {
  WorldProperties p = Standard();
  p.archivePath = "data.rez";
  ASSERT_TRUE(rig.doc.OnOpenDocument(World(p))) << rig.doc.FailureReason();
  test::TempFolder elsewhere;
  for (const std::string& target : {folder / "beside.vwd", elsewhere / "copy.vwd", elsewhere / "copy.vwd"})
    ASSERT_TRUE(rig.doc.DoSave(target)) << target;
  const std::vector<std::string>& log = rig.user.Log();
  EXPECT_EQ(std::count(log.begin(), log.end(),
                       "status: Archiwum data.rez nie leży obok nowego pliku; edytor zapamiętał jego położenie"), 1);
  ASSERT_TRUE(rig.doc.OnOpenDocument(elsewhere / "copy.vwd")) << rig.doc.FailureReason();
  EXPECT_EQ(rig.doc.Resources().ArchiveInUse(), folder / "data.rez");
  EXPECT_EQ(rig.doc.Properties().archivePath, "data.rez") << "the file names its archive as before";
}

}  // namespace
}  // namespace vyr
