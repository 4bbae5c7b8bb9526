// vyrworld-tool snapshot, run as a program: the same bytes as the editor's dialog, PNG and BMP read back by
// ImageMagick, and the failures that end it with a reason.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "cli/tool_run.h"
#include "commands/snapshot/mapshot_dialog.h"
#include "platform/file_io.h"
#include "world/document_fixture.h"
#include "world/game_object.h"
#include "world/map_snapshot.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

class CliSnapshot : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_dir = fs::temp_directory_path() / ("vyr_cli_snapshot_" + std::to_string(::getpid()));
    fs::remove_all(s_dir);
    fs::create_directories(s_dir / "elsewhere");
    ASSERT_EQ(::mkfifo((s_dir / "pipe.png").c_str(), 0600), 0);
    test::WriteArchive(At("data.rez"), test::StandardArchive());
    // 5 x 3 cells of 16 pixels: 10 pixels wide at 12.5 %, so its rows are padded.
    test::PlaneSpec back{"Back"}, action{"Action", kPlaneFlagObjects};
    back.width = action.width = 5;
    action.imageSets = {"MIXED"};
    // Named relative to the world, so the copy elsewhere finds no archive.
    test::WriteWorld(At("w.vwd"), test::StandardProperties("data.rez"), {back, action});
    // Coins in the action plane: one mirrored, one past the right edge.
    StandaloneWorldHost host;
    host.m_properties = test::StandardProperties("data.rez");
    CWorld world;
    world.SetViewRect(CRect{0, 0, 639, 479});
    std::string reason;
    ASSERT_EQ(world.LoadFromFile(host, At("w.vwd"), &reason), 1) << reason;
    for (const auto& [x, y, flags] : {std::tuple{10, 10, 0}, std::tuple{33, 7, kDrawMirror}, std::tuple{79, 40, 0}}) {
      CGameObject* coin = world.Plane(1)->NewObject(0);
      coin->m_logic = "Coin";
      coin->m_imageSet = "COIN";
      coin->MoveTo(x, y);
      coin->m_drawFlags = flags;
    }
    ASSERT_EQ(SaveWorldFile(world, host, At("w.vwd"), "May 1, 2000", &reason), 1) << reason;
    fs::copy_file(At("w.vwd"), At("elsewhere/w.vwd"));
    WorldProperties noPalette = host.m_properties;
    noPalette.palette = "PALETTES/GONE\x1b[2J.PAL";  // shown escaped, never sent to the terminal
    host.m_properties = noPalette;
    ASSERT_EQ(SaveWorldFile(world, host, At("nopal.vwd"), "May 1, 2000", &reason), 1) << reason;
  }
  static void TearDownTestSuite() { fs::remove_all(s_dir); }

  static std::string At(const std::string& relative) { return (s_dir / relative).string(); }
  static ToolRun Tool(const std::string& arguments) { return RunTool("snapshot " + arguments, s_dir); }
  static std::vector<uint8_t> Read(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadWholeFile(path, bytes, error)) << error;
    return bytes;
  }

  static fs::path s_dir;
};
fs::path CliSnapshot::s_dir;

TEST_F(CliSnapshot, WritesTheBytesTheDialogWrites) {
  struct Case {
    std::string options;
    int scale;
    bool objects;
    int32_t plane;  // -1: the one opening makes current
  } cases[] = {{"", ctl::kMapshot12, true, -1},
               {"--scale 100 --no-objects", ctl::kMapshot100, false, -1},
               {"--scale 50", ctl::kMapshot50, true, -1},
               {"--scale 25 --plane 0", ctl::kMapshot25, true, 0},
               {"--plane 1 --scale 12.5", ctl::kMapshot12, true, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    const ToolRun run = Tool("'" + At("w.vwd") + "' '" + At("tool.bmp") + "' " + c.options);
    ASSERT_EQ(run.status, 0) << run.err;

    test::DocumentRig rig;
    ASSERT_TRUE(rig.doc.OnOpenDocument(At("w.vwd"))) << rig.doc.FailureReason();
    rig.doc.SetPathName(At("w.vwd"), false);
    if (c.plane >= 0) rig.doc.SelectPlane(rig.doc.World()->Plane(c.plane));
    CMapshotDialog dialog(rig.doc);
    dialog.OnInitDialog();
    dialog.m_name = "dialog.bmp";
    dialog.m_scale = c.scale;
    dialog.m_objects = c.objects;
    if (fs::exists(At("dialog.bmp"))) rig.user.QueueAnswer(Answer::Yes);
    ASSERT_TRUE(dialog.OnOK(rig.user));
    const std::vector<uint8_t> bytes = Read(At("tool.bmp"));
    EXPECT_EQ(bytes, Read(At("dialog.bmp")));
    EXPECT_GT(bytes.size(), 1078u);
  }
}

TEST_F(CliSnapshot, ImageMagickReadsTheSamePixelsFromBmpAndPng) {
  if (std::system("convert -version >/dev/null 2>&1") != 0) GTEST_SKIP() << "ImageMagick's convert is not installed";
  test::DocumentRig rig;
  ASSERT_TRUE(rig.doc.OnOpenDocument(At("w.vwd"))) << rig.doc.FailureReason();
  Mapshot expected;
  ASSERT_TRUE(MakeMapshot(rig.doc, 8, true, expected));
  const CSnapshotDib& dib = *expected.surface;
  ASSERT_EQ(dib.Width(), 10);
  for (const char* name : {"odd.bmp", "odd.png", "ODD.PNG"}) {
    SCOPED_TRACE(name);
    const ToolRun run = Tool("'" + At("w.vwd") + "' '" + At(name) + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string rgb = At(std::string(name) + ".rgb");
    ASSERT_EQ(std::system(("convert '" + At(name) + "' -depth 8 'rgb:" + rgb + "'").c_str()), 0);
    const std::vector<uint8_t> pixels = Read(rgb);
    ASSERT_EQ(pixels.size(), size_t(dib.Width() * dib.Height() * 3));
    for (int32_t y = 0; y < dib.Height(); ++y)
      for (int32_t x = 0; x < dib.Width(); ++x) {
        const PaletteEntry& e = expected.palette->Entries()[dib.RowPtr(y)[x]];
        const size_t at = size_t(y * dib.Width() + x) * 3;
        ASSERT_EQ(pixels[at], e.red) << x << "," << y;
        ASSERT_EQ(pixels[at + 1], e.green) << x << "," << y;
        ASSERT_EQ(pixels[at + 2], e.blue) << x << "," << y;
      }
  }
  EXPECT_EQ(Read(At("odd.png"))[1], 'P');
}

TEST_F(CliSnapshot, FailuresEndWithTheReason) {
  const std::string world = "'" + At("w.vwd") + "' ", out = "'" + At("out.bmp") + "'";
  struct Case {
    std::string arguments;
    int status;
    std::string err;  // part of stderr
  } cases[] = {
      {"'" + At("elsewhere/w.vwd") + "' " + out, 1, "Give the world's archive with --rez ARCHIVE."},
      {world + out + " --rez '" + At("none.rez") + "'", 1, "--rez cannot be used: cannot open '" + At("none.rez")},
      {world + out + " --rez '" + At("w.vwd") + "'", 1, "--rez cannot be used: '" + At("w.vwd") + "' is not an archive"},
      {"'" + At("nopal.vwd") + "' " + out, 1, "PALETTES/GONE\\x1b[2J.PAL is not in the rez file"},
      {world + out + " --plane 2", 1, "has no plane 2; give --plane a number from 0 to 1."},
      {world + "'" + At("w.vwd") + "'", 1, "is the world file itself"},
      {world + "'" + At("no/dir/out.bmp") + "'", 1, "No such file or directory"},
      {world + "'" + At("no/dir/out.png") + "'", 1, "No such file or directory"},
      {world + "'" + At("elsewhere") + "'", 1, "it is a folder, not a regular file"},
      {world + "'" + At("pipe.png") + "'", 1, "it is a named pipe, not a regular file"},
      {world + out + " --scale 8", 2, "snapshot: Give --scale as 100, 50, 25 or 12.5, not '8'.\nusage:"},
      {world + out + " --plane -1", 2, "usage:"},
      {world, 2, "usage:"},
      {world + out + " --objects", 2, "usage:"},
  };
  for (const Case& c : cases) {
    const ToolRun run = Tool(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << c.arguments << "\n" << run.err;
  }
  EXPECT_FALSE(fs::exists(At("out.bmp"))) << "a failed run wrote its output";
  const ToolRun elsewhere = Tool("'" + At("elsewhere/w.vwd") + "' '" + At("elsewhere/w.bmp") + "' --rez '" +
                                 At("data.rez") + "'");
  EXPECT_EQ(elsewhere.status, 0) << elsewhere.err;
}

}  // namespace
}  // namespace vyr
