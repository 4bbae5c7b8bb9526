// Starting the game: the command line split without a shell, the working directory, the
// approval question once per game path, the mouse position and a start that fails.
#include "commands/game/game_launch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "commands/command_run.h"
#include "commands/document_commands.h"
#include "commands/world/world_info_dialog.h"
#include "platform/process_launcher.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

using Words = std::vector<std::string>;

struct RecordingLauncher final : IProcessLauncher {
  struct Call {
    std::string program;
    Words arguments;
    std::string workingDirectory;
  };
  bool StartDetached(const std::string& program, const Words& arguments, const std::string& workingDirectory,
                     std::string& error) override {
    calls.push_back({program, arguments, workingDirectory});
    error = failure;
    return failure.empty();
  }
  std::vector<Call> calls;
  std::string failure;
};

// A view whose mouse may be anywhere on the screen.
struct MouseView final : test::FakeViewPort {
  using FakeViewPort::FakeViewPort;
  bool MouseWorldPixel(int32_t& x, int32_t& y) const override {
    x = m_mouseX;
    y = m_mouseY;
    return true;
  }
};

std::string Here(const std::string& relative) { return (std::filesystem::current_path() / relative).string(); }

TEST(SplitCommandLine, BlanksSeparateQuotesGroupAndBackslashesStay) {
  const struct Row {
    const char* line;
    Words words;
  } rows[] = {
      {"", {}},
      {" \t ", {}},
      {R"(C:\GAMES\RUN.EXE)", {R"(C:\GAMES\RUN.EXE)"}},
      {"  /g/run \t -x   7 ", {"/g/run", "-x", "7"}},
      {R"("/opt/my game/run" -w "a b")", {"/opt/my game/run", "-w", "a b"}},
      {R"(/g/run "" x)", {"/g/run", "", "x"}},
      {R"(/g/run a"b c"d)", {"/g/run", "ab cd"}},
      {R"(/g/run "open to the end  )", {"/g/run", "open to the end  "}},
      {R"(/g/run a\"b)", {"/g/run", R"(a\b)"}},
  };
  for (const Row& row : rows) EXPECT_EQ(SplitCommandLine(row.line), row.words) << row.line;
}

TEST(PlanGameLaunch, ProgramArgumentsAndTheProgramsOwnFolder) {
  using At = std::optional<std::pair<int32_t, int32_t>>;
  const struct Row {
    const char* path;
    At at;
    bool starts;
    std::string program;
    Words arguments;
    std::string folder;
    std::string worldFolder = {};
  } rows[] = {
      {"", {}, false, "", {}, ""},
      {"/", {}, false, "", {}, ""},
      {"/run -x", {}, false, "", {}, ""},  // the only separator is the first character
      {"run.sh", {}, false, "", {}, ""},
      {"/opt/game/run", {}, true, "/opt/game/run", {}, "/opt/game"},
      // An argument's backslash does not move the folder.
      {R"(/opt/game/run --level C:\x\y)", {}, true, "/opt/game/run", {"--level", R"(C:\x\y)"}, "/opt/game"},
      {R"("/opt/my game/run" "a b")", {}, true, "/opt/my game/run", {"a b"}, "/opt/my game"},
      {R"(C:\GAMES\RUN.EXE)", {}, true, Here(R"(C:\GAMES\RUN.EXE)"), {}, Here(R"(C:\GAMES)")},
      {"games/run.sh -q", {}, true, Here("games/run.sh"), {"-q"}, Here("games")},
      // A relative program belongs to the world's folder, as its archive does.
      {"./run.sh -q", {}, true, "/levels/run.sh", {"-q"}, "/levels", "/levels"},
      {"../bin/run.sh", {}, true, "/bin/run.sh", {}, "/bin", "/levels"},
      {"/g/run", At{{640, 1200}}, true, "/g/run", {"X:640", "Y:1200"}, "/g"},
      {"/g/run -w", At{{-5, -70}}, true, "/g/run", {"-w", "X:-5", "Y:-70"}, "/g"},
      // An open quote cannot swallow the position.
      {R"(/g/run "open)", At{{1, 2}}, true, "/g/run", {"open", "X:1", "Y:2"}, "/g"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    const std::optional<GameLaunch> launch = PlanGameLaunch(row.path, row.at, row.worldFolder);
    ASSERT_EQ(launch.has_value(), row.starts);
    if (!launch) continue;
    EXPECT_EQ(launch->program, row.program);
    EXPECT_EQ(launch->arguments, row.arguments);
    EXPECT_EQ(launch->workingDirectory, row.folder);
  }
}

struct GameFixture : ::testing::Test {
  void SetUp() override {
    rig.doc.SetViewPort(&view);
    RegisterDocumentCommands(rig.doc, &launcher);
    rig.doc.Properties().gamePath = "/opt/game/run -w";
  }
  void TearDown() override { rig.doc.SetViewPort(&rig.view); }
  void Run(CommandId id) { test::RunCommand(rig.doc.Commands(), id); }
  bool Enabled(CommandId id) { return test::UpdateCommand(rig.doc.Commands(), id).enabled; }
  int Questions() const {
    int count = 0;
    for (const std::string& line : rig.user.Log()) count += line.rfind("question: ", 0) == 0;
    return count;
  }

  test::DocumentRig rig;
  MouseView view{&rig.doc};
  RecordingLauncher launcher;
};

TEST_F(GameFixture, TestIsGreyedWhileTheGamePathIsEmpty) {
  for (const CommandId id : {cmd::kGameTest, cmd::kGameTestKey}) {
    rig.doc.Properties().gamePath.clear();
    EXPECT_FALSE(Enabled(id));
    rig.doc.Properties().gamePath = "/g/run";
    EXPECT_TRUE(Enabled(id));
  }
}

TEST_F(GameFixture, AsksOncePerGamePathWithNoAsTheSafeAnswer) {
  rig.doc.Properties().gamePath = "/opt/game/run -w \"\x01\"";
  rig.user.QueueAnswer(Answer::No);
  Run(cmd::kGameTest);
  EXPECT_TRUE(launcher.calls.empty());
  ASSERT_EQ(Questions(), 1);
  const std::string& question = rig.user.Log().back();
  for (const char* shown : {"Program: /opt/game/run\n", "Argument 1: -w\n", "Argument 2: \\x01\n",
                            "Folder roboczy: /opt/game\n"})
    EXPECT_NE(question.find(shown), std::string::npos) << shown;

  rig.user.QueueAnswer(Answer::Yes);
  Run(cmd::kGameTest);
  Run(cmd::kGameTest);
  EXPECT_EQ(Questions(), 2) << "approved once, then started without asking";
  ASSERT_EQ(launcher.calls.size(), 2u);
  EXPECT_EQ(launcher.calls[1].arguments, (Words{"-w", "\x01"}));

  rig.doc.Properties().gamePath = "/opt/game/run -w \"\x02\"";  // another argument: asked again
  rig.user.QueueAnswer(Answer::No);
  Run(cmd::kGameTest);
  EXPECT_EQ(Questions(), 3);
  EXPECT_EQ(launcher.calls.size(), 2u);
  EXPECT_TRUE(rig.user.Unexpected().empty());
}

TEST_F(GameFixture, CtrlAltLAddsTheMouseWorldPixelEvenOutsideTheView) {
  ApproveGamePath(rig.profile, rig.doc.Properties().gamePath, {});
  view.m_mouseX = -12;
  view.m_mouseY = 340;
  Run(cmd::kGameTestKey);
  Run(cmd::kGameTest);
  ASSERT_EQ(launcher.calls.size(), 2u);
  EXPECT_EQ(launcher.calls[0].program, "/opt/game/run");
  EXPECT_EQ(launcher.calls[0].arguments, (Words{"-w", "X:-12", "Y:340"}));
  EXPECT_EQ(launcher.calls[0].workingDirectory, "/opt/game");
  EXPECT_EQ(launcher.calls[1].arguments, (Words{"-w"}));
  EXPECT_EQ(Questions(), 0);
}

TEST_F(GameFixture, AStartThatFailsBeepsAndSaysWhy) {
  ApproveGamePath(rig.profile, rig.doc.Properties().gamePath, {});
  launcher.failure = "No such file or directory";
  Run(cmd::kGameTest);
  ASSERT_GE(rig.user.Log().size(), 2u);
  EXPECT_EQ(rig.user.Log()[0], "beep");
  EXPECT_EQ(rig.user.Log()[1].rfind("message: Unable to start the game: /opt/game/run\n\nNo such file or directory", 0),
            0u)
      << rig.user.Log()[1];
}

TEST_F(GameFixture, AGamePathTypedInTheWorldInformationCountsAsApproved) {
  test::TempFolder folder;
  test::WriteArchive(folder / "data.rez", test::StandardArchive());
  test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"), {{"Ground", 0, {"TILES"}}});
  ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd")) << rig.doc.FailureReason();
  EXPECT_TRUE(launcher.calls.empty()) << "opening a world starts nothing";
  const std::string loaded = rig.doc.Properties().gamePath;
  for (const std::string& typed : {loaded, std::string("/home/me/game -x")}) {
    rig.user.QueueDialogOk([typed](CDialogModel& model, int) {
      dynamic_cast<CWorldInfoDialog&>(model).m_gamePath = typed;
    });
    Run(cmd::kWorldInfo);
    EXPECT_EQ(IsGamePathApproved(rig.profile, typed, folder.Path().string()), typed != loaded)
        << "only a changed path was typed";
  }
  EXPECT_EQ(rig.doc.Properties().gamePath, "/home/me/game -x");
}

TEST_F(GameFixture, ApprovalHoldsForTheResolvedProgramWithItsArguments) {
  ApproveGamePath(rig.profile, "./run.sh -w", "/levels/a");
  const struct Row {
    const char* folder;
    const char* gamePath;
    bool approved;
  } rows[] = {{"/levels/a", "./run.sh -w", true}, {"/levels/a", "/levels/a/run.sh -w", true},
              {"/levels/b", "./run.sh -w", false}, {"/levels/a", "./run.sh", false}};
  for (const Row& row : rows)
    EXPECT_EQ(IsGamePathApproved(rig.profile, row.gamePath, row.folder), row.approved) << row.folder << row.gamePath;
}

TEST_F(GameFixture, AModifiedWorldIsOfferedASaveFirst) {
  test::TempFolder folder;
  test::WriteArchive(folder / "data.rez", test::StandardArchive());
  test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"), {{"Ground", 0, {"TILES"}}});
  ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd")) << rig.doc.FailureReason();
  rig.doc.SetPathName(folder / "w.vwd", false);
  ApproveGamePath(rig.profile, rig.doc.Properties().gamePath = "/opt/game/run", {});
  for (const auto& [answer, starts, saved] : {std::tuple{Answer::Cancel, 0u, false}, {Answer::No, 1u, false},
                                              {Answer::Yes, 2u, true}}) {
    rig.doc.SetModifiedFlag(true);
    rig.user.QueueAnswer(answer);
    Run(cmd::kGameTestKey);
    EXPECT_EQ(launcher.calls.size(), starts);
    EXPECT_EQ(rig.doc.IsModified(), !saved);
  }
  EXPECT_EQ(Questions(), 3);
  EXPECT_EQ(std::count(rig.user.Log().begin(), rig.user.Log().end(), "question: Zapisać zmiany przed testem? -> no"), 1);
}

}  // namespace
}  // namespace vyr
