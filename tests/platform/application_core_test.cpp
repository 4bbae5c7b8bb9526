// Framework document handling: save question, Save As, open, recent files, start-up.
#include "platform/application_core.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "platform/command_line.h"
#include "platform/document.h"
#include "platform/file_filter.h"
#include "platform/profile.h"
#include "platform/scripted_interaction.h"

namespace vyr {
namespace {

constexpr const char* kTemplate =
    "VyrWorld\n\nVyrWor\nVyr World Pliki (*.VWD)\n.VWD\nVyrWorld.Document\nVyrWor Document";

// A document whose files are names in a set; it records what the framework asks of it.
class FakeDocument : public CDocument {
 public:
  bool OnOpenDocument(const std::string& path) override {
    opened.push_back(path);
    if (!readable.count(path)) {
      reason = "cannot open '" + path + "'";
      return false;
    }
    SetModifiedFlag(false);
    return true;
  }
  bool OnSaveDocument(const std::string& path) override {
    saved.push_back(path);
    if (failSave) {
      reason = "disk full";
      return false;
    }
    SetModifiedFlag(false);
    return true;
  }
  std::string FailureReason() const override { return reason; }

  std::set<std::string> readable;
  std::vector<std::string> opened, saved;
  std::string reason;
  bool failSave = false;
};

class ApplicationCoreTest : public ::testing::Test {
 protected:
  ApplicationCoreTest() : core(profile, user, kTemplate) { core.SetDocument(&doc); }
  Profile profile;
  ScriptedInteraction user;
  FakeDocument doc;
  CApplicationCore core;
};

TEST_F(ApplicationCoreTest, SaveQuestionAnswers) {
  struct Row {
    const char* path;
    Answer answer;
    std::optional<std::string> saveAsName;
    bool failSave;
    bool expectedResult;
    const char* expectedSave;  // null: nothing saved
  } rows[] = {
      {"/w/A.VWD", Answer::Yes, std::nullopt, false, true, "/w/A.VWD"},
      {"/w/A.VWD", Answer::No, std::nullopt, false, true, nullptr},
      {"/w/A.VWD", Answer::Cancel, std::nullopt, false, false, nullptr},
      {"", Answer::Yes, std::string("/w/new"), false, true, "/w/new.VWD"},
      {"", Answer::Yes, std::string("/w/new.vwd"), false, true, "/w/new.vwd"},
      {"", Answer::Yes, std::nullopt, false, false, nullptr},
      {"/w/A.VWD", Answer::Yes, std::nullopt, true, false, "/w/A.VWD"},
  };
  for (const Row& row : rows) {
    doc.saved.clear();
    doc.failSave = row.failSave;
    if (*row.path) {
      doc.SetPathName(row.path, false);
    } else {
      doc.ClearPathName();
    }
    doc.SetModifiedFlag(true);
    user.QueueAnswer(row.answer);
    if (!*row.path) user.QueueFileName(row.saveAsName);
    EXPECT_EQ(doc.SaveModified(), row.expectedResult) << row.path;
    if (row.expectedSave) {
      ASSERT_EQ(doc.saved.size(), 1u);
      EXPECT_EQ(doc.saved[0], row.expectedSave);
    } else {
      EXPECT_TRUE(doc.saved.empty());
    }
  }
  EXPECT_TRUE(user.Unexpected().empty());
  EXPECT_TRUE(user.AllScriptUsed());
  EXPECT_EQ(user.Log()[0], "question: Save changes to A.VWD? -> yes");
  EXPECT_EQ(user.Log()[4], "save file: Zapisz jako -> /w/new");
  EXPECT_EQ(user.Log().back(), "message: Nie można zapisać pliku /w/A.VWD.\n\nDisk full.");
  // A saved document takes the new path and title and joins the recent list.
  // Saved documents join the recent list, latest first; the failed save adds nothing.
  EXPECT_EQ(core.RecentFiles()[0], "/w/new.vwd");
  EXPECT_EQ(core.RecentFiles()[1], "/w/new.VWD");
  EXPECT_EQ(core.RecentFiles()[2], "/w/A.VWD");
}

TEST_F(ApplicationCoreTest, UnmodifiedDocumentIsNotAsked) {
  EXPECT_TRUE(doc.SaveModified());
  EXPECT_TRUE(core.SaveAllModified());
  EXPECT_TRUE(user.Log().empty());
}

TEST_F(ApplicationCoreTest, OpeningSetsPathTitleAndRecentList) {
  doc.readable = {"/w/A.VWD"};
  EXPECT_TRUE(core.OpenDocumentFile("/w/./A.VWD"));
  EXPECT_EQ(doc.GetPathName(), "/w/A.VWD");
  EXPECT_EQ(doc.GetTitle(), "A.VWD");
  EXPECT_EQ(core.RecentFiles()[0], "/w/A.VWD");
  // A failed open tells why and leaves an empty, untitled, unmodified document.
  doc.SetModifiedFlag(true);
  user.QueueAnswer(Answer::No);
  EXPECT_FALSE(core.OpenDocumentFile("/w/B.VWD"));
  EXPECT_EQ(user.Log().back(), "message: Nie można otworzyć pliku /w/B.VWD.\n\nCannot open '/w/B.VWD'.");
  EXPECT_EQ(doc.GetTitle(), "Untitled");
  EXPECT_TRUE(doc.GetPathName().empty());
  EXPECT_FALSE(doc.IsModified());
  // Cancel at the save question opens nothing.
  doc.SetModifiedFlag(true);
  user.QueueAnswer(Answer::Cancel);
  doc.opened.clear();
  EXPECT_FALSE(core.OpenDocumentFile("/w/A.VWD"));
  EXPECT_TRUE(doc.opened.empty());
  EXPECT_TRUE(user.Unexpected().empty());
}

TEST_F(ApplicationCoreTest, FileOpenUsesTheTemplateFilter) {
  doc.readable = {"/w/A.VWD"};
  user.QueueFileName("/w/A.VWD");
  core.OnFileOpen();
  EXPECT_EQ(doc.GetPathName(), "/w/A.VWD");
  user.QueueFileName(std::nullopt);
  core.OnFileOpen();
  EXPECT_EQ(doc.opened.size(), 1u);
  EXPECT_TRUE(user.Unexpected().empty());
}

TEST_F(ApplicationCoreTest, RecentEntriesThatFailLeaveTheList) {
  doc.readable = {"/w/A.VWD"};
  core.RecentFiles().Add("/w/gone.VWD");
  core.RecentFiles().Add("/w/A.VWD");
  CommandRouter router;
  router.SetTarget(CommandRouter::Slot::Document, &doc);
  router.SetTarget(CommandRouter::Slot::Application, &core);
  EXPECT_TRUE(router.QueryState(cmd::kFileRecent1 + 1).enabled);
  EXPECT_FALSE(router.QueryState(cmd::kFileRecent1 + 2).enabled);
  EXPECT_TRUE(router.Execute(cmd::kFileRecent1 + 1));
  EXPECT_EQ(core.RecentFiles()[0], "/w/A.VWD");
  EXPECT_EQ(core.RecentFiles()[1], "");
  // The user cancelling the save question keeps the entry.
  core.RecentFiles().Add("/w/other.VWD");
  doc.SetModifiedFlag(true);
  user.QueueAnswer(Answer::Cancel);
  router.Execute(cmd::kFileRecent1 + 1);
  EXPECT_EQ(core.RecentFiles()[1], "/w/A.VWD");
  EXPECT_EQ(core.RecentFiles()[0], "/w/other.VWD");
}

TEST_F(ApplicationCoreTest, RecentListSurvivesARestart) {
  core.RecentFiles().Add("/w/A.VWD");
  std::string error;
  const std::string path = ::testing::TempDir() + "vyr_core_" + std::to_string(::getpid()) + ".ini";
  profile.SetPath(path);
  ASSERT_TRUE(core.SaveSettings(error)) << error;
  Profile reread;
  ASSERT_TRUE(reread.Load(path, error));
  CApplicationCore restarted(reread, user, kTemplate);
  EXPECT_EQ(restarted.RecentFiles()[0], "/w/A.VWD");
  std::filesystem::remove(path);
}

TEST_F(ApplicationCoreTest, SaveAndSaveAsAreDocumentCommands) {
  CommandRouter router;
  router.SetTarget(CommandRouter::Slot::Document, &doc);
  router.SetTarget(CommandRouter::Slot::Application, &core);
  doc.SetPathName("/w/A.VWD", false);
  EXPECT_TRUE(router.Execute(cmd::kFileSave));
  user.QueueFileName("/w/B");
  EXPECT_TRUE(router.Execute(cmd::kFileSaveAs));
  EXPECT_EQ(doc.saved, (std::vector<std::string>{"/w/A.VWD", "/w/B.VWD"}));
  EXPECT_EQ(doc.GetTitle(), "B.VWD");
}

TEST(CommandLine, JoinsAndStripsQuotes) {
  const char* argv[] = {"vyrworld", "\"/w/my", "world\""};
  EXPECT_EQ(JoinArguments(3, argv), "\"/w/my world\"");
  EXPECT_EQ(JoinArguments(1, argv), "");
  EXPECT_EQ(RemoveQuotes("\"a\"b\"\""), "ab");
}

TEST(CommandLine, StartupOpenRule) {
  struct Row {
    const char* raw;
    std::set<std::string> existing;  // files that exist and open
    bool opened;
    const char* pathName;
    std::vector<std::string> tried;
  } rows[] = {
      {"\"/w/level\"", {"/w/level.VWD"}, true, "/w/level.VWD", {"/w/level.VWD"}},
      {"/w/level.VWD", {"/w/level.VWD"}, true, "/w/level.VWD", {"/w/level.VWD"}},
      {"/w/a b", {"/w/a b"}, true, "/w/a b", {"/w/a b"}},
      {"/w/one.VWD /w/two.VWD", {"/w/one.VWD", "/w/two.VWD"}, false,
       "/w/one.VWD /w/two.VWD.VWD", {"/w/one.VWD /w/two.VWD.VWD"}},
      {"", {}, false, "", {}},
  };
  for (const Row& row : rows) {
    std::vector<std::string> tried;
    StartupOpenResult result = OpenStartupPath(
        row.raw, [&](const std::string& p) { return row.existing.count(p) > 0; },
        [&](const std::string& p) {
          tried.push_back(p);
          return row.existing.count(p) > 0;
        });
    EXPECT_EQ(result.opened, row.opened) << row.raw;
    EXPECT_EQ(result.pathName, row.pathName) << row.raw;
    EXPECT_EQ(tried, row.tried) << row.raw;
  }
  // A bare path that exists but fails is followed by the ".VWD" attempt only when that
  // file exists too; otherwise the bare path's failure is the one reported.
  for (const bool withVwd : {true, false}) {
    std::vector<std::string> tried;
    const StartupOpenResult result = OpenStartupPath(
        "/w/broken", [&](const std::string& p) { return p == "/w/broken" || withVwd; },
        [&](const std::string& p) {
          tried.push_back(p);
          return false;
        });
    const std::vector<std::string> expected =
        withVwd ? std::vector<std::string>{"/w/broken", "/w/broken.VWD"} : std::vector<std::string>{"/w/broken"};
    EXPECT_EQ(tried, expected);
    EXPECT_EQ(result.pathName, expected.back());
  }
}

TEST_F(ApplicationCoreTest, StartupSetsThePathNameEvenWhenOpeningFails) {
  const std::string dir = ::testing::TempDir() + "vyr_start_" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  std::ofstream(dir + "/level.VWD") << "x";
  doc.readable = {dir + "/level.VWD"};
  EXPECT_TRUE(core.OpenStartupPath("\"" + dir + "/level\""));
  EXPECT_EQ(doc.GetPathName(), dir + "/level.VWD");
  EXPECT_EQ(core.StartupPath(), dir + "/level.VWD");
  // Command 102 runs the document's open step on the start-up path again.
  CommandRouter router;
  router.SetTarget(CommandRouter::Slot::Application, &core);
  doc.opened.clear();
  EXPECT_TRUE(router.Execute(cmd::kOpenStartupPath));
  EXPECT_EQ(doc.opened, std::vector<std::string>{dir + "/level.VWD"});

  EXPECT_FALSE(core.OpenStartupPath(dir + "/missing"));
  EXPECT_EQ(doc.GetPathName(), dir + "/missing.VWD");
  EXPECT_EQ(user.Log().back(), "message: Nie można otworzyć pliku " + dir + "/missing.VWD.\n\nCannot open '" + dir + "/missing.VWD'.");
  // An existing file that fails reports its own reason; neither failure joins the recent files.
  std::ofstream(dir + "/broken.VWD") << "x";
  EXPECT_FALSE(core.OpenStartupPath(dir + "/broken.VWD"));
  EXPECT_EQ(user.Log().back(), "message: Nie można otworzyć pliku " + dir + "/broken.VWD.\n\nCannot open '" + dir + "/broken.VWD'.");
  EXPECT_EQ(core.RecentFiles()[0], dir + "/level.VWD");
  EXPECT_EQ(core.RecentFiles()[1], "");
  std::filesystem::remove_all(dir);
}

TEST(FileFilter, ParsesFrameworkFilters) {
  auto filters = ParseFileFilter("Maski (*.bmp, *.pcx, *.rid, *.pid) |*.bmp;*.pcx;*.pid;*.rid| Wszystkie (*.*) |*.*||");
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[0].label, "Maski (*.bmp, *.pcx, *.rid, *.pid) ");
  EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.bmp", "*.pcx", "*.pid", "*.rid"}));
  EXPECT_EQ(filters[1].patterns, std::vector<std::string>{"*.*"});
  EXPECT_TRUE(MatchesFilter(filters[0], "TILE.PCX"));
  EXPECT_FALSE(MatchesFilter(filters[0], "tile.pcxx"));
  EXPECT_TRUE(MatchesFilter(filters[1], "a.b"));
  auto world = ParseFileFilter("Vyr World Pliki (*.VWD)|*.VWD|All Files (*.*)|*.*||");
  ASSERT_EQ(world.size(), 2u);
  EXPECT_TRUE(MatchesFilter(world[0], "demo.vwd"));
  EXPECT_TRUE(ParseFileFilter("").empty());
  EXPECT_TRUE(ParseFileFilter("Label only").empty());
}

}  // namespace
}  // namespace vyr
