// "Robienie Mapshota": the command without a world, the file-name rules, the questions and failures on
// OK, and the file it writes (size, rows, palette, scale, objects, independent of the view).
#include "commands/snapshot/mapshot_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "commands/command_run.h"
#include "commands/document_commands.h"
#include "platform/bytes.h"
#include "platform/command_ids.h"
#include "platform/file_io.h"
#include "world/document_fixture.h"
#include "world/game_object.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

struct MapshotDialogTest : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    // 8 x 1 cells of 2 x 2 pixels showing the 16 x 16 images of set TILES, cut to their cells.
    test::PlaneSpec strip{"Strip", kPlaneFlagObjects};
    strip.width = 8;
    strip.height = 1;
    strip.tile = 2;
    world = folder / "w.vwd";
    test::WriteWorld(world, test::StandardProperties(folder / "data.rez"), {strip});
    RegisterDocumentCommands(rig.doc);
  }
  void Open() {
    ASSERT_TRUE(rig.doc.OnOpenDocument(world)) << rig.doc.FailureReason();
    rig.doc.SetPathName(world, false);
    rig.user.ClearLog();
  }
  // OnOK with the name and scale typed; true when the dialog closed.
  bool Ok(const std::string& name, int scale = ctl::kMapshot12, bool objects = true) {
    CMapshotDialog dialog(rig.doc);
    dialog.OnInitDialog();
    dialog.m_name = name;
    dialog.m_scale = scale;
    dialog.m_objects = objects;
    return dialog.OnOK(rig.user);
  }
  std::vector<uint8_t> Read(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadWholeFile(path, bytes, error)) << error;
    return bytes;
  }
  std::string LastLog() const { return rig.user.Log().empty() ? "" : rig.user.Log().back(); }

  test::TempFolder folder;
  std::string world;
  test::DocumentRig rig;
};

TEST_F(MapshotDialogTest, CtrlPOpensTheDialogEvenWithoutAWorld) {
  EXPECT_TRUE(test::UpdateCommand(rig.doc.Commands(), cmd::kMapshot).enabled);
  rig.user.QueueDialogOk([](CDialogModel& model, int) {
    auto& dialog = static_cast<CMapshotDialog&>(model);
    EXPECT_EQ(dialog.TemplateId(), ctl::kMapshotDialog);
    EXPECT_EQ(dialog.m_name, "");
    EXPECT_TRUE(dialog.m_objects);
    EXPECT_EQ(dialog.Divisor(), 8);
    dialog.m_name = "level1";
  });
  test::RunCommand(rig.doc.Commands(), cmd::kMapshot);
  EXPECT_TRUE(rig.user.AllScriptUsed());
  EXPECT_TRUE(rig.Logged("message: There is no plane to take a snapshot of. Open a world first."));
}

TEST_F(MapshotDialogTest, NamesAreCompletedAndPlacedBesideTheWorld) {
  struct Case {
    std::string typed, world, path;
  } cases[] = {
      {"level1", "/w/a.vwd", "/w/level1.BMP"},
      {"level1.bmp", "/w/a.vwd", "/w/level1.bmp"},
      {"maps.old/level1", "/w/a.vwd", "/w/maps.old/level1.BMP"},  // only the last component counts
      {"a.b.c", "/w/a.vwd", "/w/a.b.c"},
      {"/tmp/x", "/w/a.vwd", "/tmp/x.BMP"},
      {"x", "", "x.BMP"},
  };
  for (const Case& c : cases) EXPECT_EQ(MapshotPath(c.typed, c.world), c.path) << c.typed;
}

TEST_F(MapshotDialogTest, OkChecksTheNameAsksBeforeReplacingAndSaysWhyItFails) {
  Open();
  const std::vector<uint8_t> worldBytes = Read(world);
  std::ofstream(folder / "old.bmp") << "old";
  ASSERT_EQ(::mkfifo((folder / "pipe.bmp").c_str(), 0600), 0);
  fs::create_directories(folder / "ro");
  ::chmod((folder / "ro").c_str(), 0500);
  const bool canWriteReadOnly = ::access((folder / "ro").c_str(), W_OK) == 0;  // root ignores modes
  struct Case {
    std::string name;
    std::optional<Answer> answer;
    bool closes;
    std::string log;      // in a line of the log; empty: no message at all
    std::string written;  // a file now holding a picture, if any
    char format = 'B';    // its first byte: 'B' for BMP, '\x89' for PNG
  } cases[] = {
      {"", {}, false, "message: Please specify a filename for the bitmap.", ""},
      {"w.vwd", {}, false, "message: " + world + " is the open world file", ""},
      {"./sub/../w.vwd", {}, false, "w.vwd is the open world file", ""},
      {"old.bmp", Answer::No, false, "question: " + (folder / "old.bmp") + " already exists.", ""},
      {"old.bmp", Answer::Yes, true, "", "old.bmp"},
      {"no/such/dir", {}, false, "message: The snapshot could not be written: cannot ", ""},
      {"pipe.bmp", Answer::Yes, false, "it is a named pipe, not a regular file", ""},
      {"level1", {}, true, "status: Zapisano level1.BMP (8 × 1)", "level1.BMP"},
      {"level1.Png", {}, true, "", "level1.Png", '\x89'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.answer) rig.user.QueueAnswer(*c.answer);
    rig.user.ClearLog();
    EXPECT_EQ(Ok(c.name), c.closes);
    const std::vector<std::string>& log = rig.user.Log();
    const std::string wanted = c.log.empty() ? "message: " : c.log;
    const bool found = std::any_of(log.begin(), log.end(), [&](const std::string& line) { return line.find(wanted) != std::string::npos; });
    EXPECT_EQ(found, !c.log.empty()) << (log.empty() ? "" : log.back());
    if (!c.written.empty()) {
      EXPECT_EQ(Read(folder / c.written)[0], uint8_t(c.format));
    }
  }
  EXPECT_TRUE(rig.user.AllScriptUsed());
  EXPECT_EQ(Read(world), worldBytes);
  if (!canWriteReadOnly) {
    rig.user.ClearLog();
    EXPECT_FALSE(Ok("ro/x"));
    EXPECT_NE(LastLog().find("Permission denied"), std::string::npos) << LastLog();
  }
  ::chmod((folder / "ro").c_str(), 0700);
}

TEST_F(MapshotDialogTest, TheFileHoldsTheStripBottomRowFirstWithTheWorldsPalette) {
  Open();
  const std::string path = folder / "strip.BMP";
  struct Case {
    int scale;
    uint32_t width, height;
  } cases[] = {{ctl::kMapshot100, 16, 2}, {ctl::kMapshot50, 8, 1}, {ctl::kMapshot25, 8, 1}, {ctl::kMapshot12, 8, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scale);
    if (fs::exists(path)) rig.user.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(Ok("strip", c.scale));
    const std::vector<uint8_t> bmp = Read(path);
    const uint32_t pitch = (c.width + 3) / 4 * 4;
    ASSERT_EQ(bmp.size(), 1078 + pitch * c.height);
    uint32_t width = 0, height = 0, size = 0;
    ByteReader(bmp).U32(2, size);
    ByteReader(bmp).U32(18, width);
    ByteReader(bmp).U32(22, height);
    EXPECT_EQ(size, bmp.size());
    EXPECT_EQ(width, c.width);
    EXPECT_EQ(height, c.height);
    // Cell c shows image c % 3 of TILES (colours 10, 11, 12), each cut to its 2 x 2 cell.
    for (uint32_t x = 0; x < c.width; ++x) EXPECT_EQ(bmp[1078 + x], 10 + (x * 8 / c.width) % 3) << x;
    // The world's own palette (i, 255 − i, 7), the ends included, which a display
    // adjustment would replace.
    for (size_t i : {0u, 5u, 128u, 250u, 255u}) {
      EXPECT_EQ(bmp[54 + 4 * i], 7);
      EXPECT_EQ(bmp[54 + 4 * i + 1], 255 - i);
      EXPECT_EQ(bmp[54 + 4 * i + 2], i);
    }
  }
}

TEST_F(MapshotDialogTest, ObjectSetsLoadWhenAskedAndTheViewDoesNotMatter) {
  Open();
  CGameObject* coin = rig.doc.CurrentPlane()->NewObject(0);
  coin->m_logic = "Coin";
  coin->m_imageSet = "COIN";
  coin->MoveTo(4, -1);
  ASSERT_TRUE(rig.doc.ObjectImageSetsPending());
  ASSERT_TRUE(Ok("plain", ctl::kMapshot100, false));
  EXPECT_TRUE(rig.doc.ObjectImageSetsPending());
  const std::vector<uint8_t> plain = Read(folder / "plain.BMP");
  ASSERT_TRUE(Ok("coin", ctl::kMapshot100, true));
  EXPECT_FALSE(rig.doc.ObjectImageSetsPending());
  const std::vector<uint8_t> withCoin = Read(folder / "coin.BMP");
  ASSERT_EQ(withCoin.size(), plain.size());
  // The 4 x 4 coin (colour 30) centred on (4, -1) is cut to columns 2..5 of the top row,
  // which the file holds second.
  for (size_t x = 0; x < 16; ++x)
    for (size_t fileRow = 0; fileRow < 2; ++fileRow) {
      const size_t at = 1078 + fileRow * 16 + x;
      EXPECT_EQ(withCoin[at], fileRow == 1 && x >= 2 && x < 6 ? 30 : plain[at]) << x << "," << fileRow;
    }

  // Mode, scroll and "Bez Obrazów" of the view change nothing.
  rig.view.m_editMode = kObjectMode;
  rig.view.m_noImages = true;
  rig.doc.CurrentPlane()->m_viewOriginX = 7;
  rig.doc.CurrentPlane()->m_viewOriginY = 3;
  rig.user.QueueAnswer(Answer::Yes);
  ASSERT_TRUE(Ok("coin", ctl::kMapshot100, true));
  EXPECT_EQ(Read(folder / "coin.BMP"), withCoin);
}

}  // namespace
}  // namespace vyr
