// The editor program end to end (offscreen): start-up on the demo world, what the view
// shows, and an edit-free save that keeps the file as it was.
#include "editor/editor_parts.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QStatusBar>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <tuple>

#include "editor/main_frame.h"
#include "editor/world_view.h"
#include "platform/command_ids.h"
#include "platform/file_io.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "world/game_object.h"
#include "platform/scripted_interaction.h"
#include "world/plane.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

QApplication& App() {
  static int argc = 1;
  static char name[] = "editor_program_test";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
  return *static_cast<QApplication*>(QApplication::instance());
}

class EditorProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    m_folder = fs::path(::testing::TempDir()) / ("vyr_program_" + std::to_string(::getpid()));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
    const std::string command = std::string(VYR_TOOL_PATH) + " make-demo '" + m_folder.string() + "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  void TearDown() override { fs::remove_all(m_folder); }

  std::string Path(const char* name) const { return (m_folder / name).string(); }

  fs::path m_folder;
};

std::vector<uint8_t> Bytes(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(ReadWholeFile(path, bytes, error)) << error;
  return bytes;
}

// Shows the frame at the given size and returns its world view (null: none).
CWorldView* ShowFrame(CMainFrame& frame, int width, int height) {
  frame.resize(width, height);
  frame.show();
  if (!QTest::qWaitForWindowExposed(&frame)) return nullptr;
  return dynamic_cast<CWorldView*>(frame.View());
}

TEST_F(EditorProgram, OpensTheDemoFromTheCommandLineDrawsItAndSavesItUnchanged) {
  ScriptedInteraction user;
  CVyrWorldApp app(MakeEditorParts(), &user, Path("profile.ini"));
  // Quotes are removed and ".VWD" is appended when the bare path does not open.
  ASSERT_TRUE(app.InitInstance("\"" + Path("DEMO") + "\""));
  auto& doc = static_cast<CWorldDoc&>(*app.Document());
  ASSERT_TRUE(doc.HasLoadedWorld()) << doc.FailureReason();
  ASSERT_NE(doc.CurrentPlane(), nullptr);
  EXPECT_EQ(doc.CurrentPlane()->Name(), "Action");  // the plane that holds the objects

  CMainFrame& frame = *app.MainFrame();
  CWorldView* view = ShowFrame(frame, 900, 700);
  ASSERT_NE(view, nullptr);
  // Show the ground at the bottom left of the level.
  view->Model().CenterOn(0, doc.CurrentPlane()->Height() * doc.CurrentPlane()->TileHeight());
  QApplication::processEvents();
  const QImage image = view->viewport()->grab().toImage();
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 4)
    for (int x = 0; x < image.width(); x += 4) colours.insert(image.pixel(x, y));
  EXPECT_GT(colours.size(), 8u) << "the view shows no tiles";

  const std::string copy = Path("COPY.VWD");
  ASSERT_TRUE(doc.OnSaveDocument(copy)) << doc.FailureReason();
  std::vector<uint8_t> before = Bytes(Path("DEMO.VWD"));
  std::vector<uint8_t> after = Bytes(copy);
  ASSERT_EQ(before.size(), after.size());
  // Only the date field (64 bytes at offset 144) may differ.
  std::fill(before.begin() + 144, before.begin() + 208, 0);
  std::fill(after.begin() + 144, after.begin() + 208, 0);
  EXPECT_TRUE(before == after);

  ASSERT_TRUE(doc.OnOpenDocument(copy)) << doc.FailureReason();
  EXPECT_EQ(doc.World()->PlaneCount(), 2);
  EXPECT_TRUE(user.Unexpected().empty());
  app.ExitInstance();
}

// A print shows what the view's paint composes (surface and grid), not the window: neither
// the scroll bars nor the blinking cursor frames belong on paper.
TEST_F(EditorProgram, PrintShowsThePictureWithoutScrollBarsOrCursor) {
  ScriptedInteraction user;
  CVyrWorldApp app(MakeEditorParts(), &user, Path("profile.ini"));
  ASSERT_TRUE(app.InitInstance(Path("DEMO.VWD")));
  CMainFrame& frame = *app.MainFrame();
  frame.resize(700, 500);  // smaller than the level: both scroll bars show
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  auto* view = dynamic_cast<CWorldView*>(frame.View());
  ASSERT_NE(view, nullptr);
  QApplication::processEvents();
  ASSERT_TRUE(view->horizontalScrollBar()->isVisible());
  view->Model().SetGridOn(true);
  view->Model().Tiles().MoveCursorTo(1, 1);
  const QImage plain = view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  view->Model().OnBlink(true);
  ASSERT_TRUE(view->Model().CursorShown());

  const QImage printed = frame.PrintPicture().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(printed.size(), view->viewport()->size());
  int wrong = 0;
  for (int y = 0; y < printed.height(); ++y)
    for (int x = 0; x < printed.width(); ++x) wrong += printed.pixel(x, y) != plain.pixel(x, y);
  EXPECT_EQ(wrong, 0);
  app.ExitInstance();
}

// Pixels of an object's image that the surface does not show where the object's bounds
// start, read mirrored or not; transparent pixels are not compared.
int MisplacedPixels(const CDibG& surface, const CGameObject& object, int32_t scrollX, int32_t scrollY,
                    bool mirrored) {
  const CDibG& pixels = object.m_image->Surface();
  int wrong = 0;
  for (int32_t j = 0; j < pixels.Height(); ++j)
    for (int32_t i = 0; i < pixels.Width(); ++i) {
      const uint8_t colour = pixels.GetPixel(mirrored ? pixels.Width() - 1 - i : i, j);
      if (colour == 0) continue;
      wrong += surface.GetPixel(object.m_bounds.Get().left - scrollX + i, object.m_bounds.Get().top - scrollY + j) != colour;
    }
  return wrong;
}

// Ctrl+M swaps the frame to the object-mode menu, toolbar, keys and panes; the demo's
// objects are drawn where their bounds say, mirrored ones turned around; Tab walks them in z.
TEST_F(EditorProgram, ObjectModeSwapsTheFrameDrawsTheObjectsAndTabWalksThem) {
  ScriptedInteraction user;
  CVyrWorldApp app(MakeEditorParts(), &user, Path("profile.ini"));
  ASSERT_TRUE(app.InitInstance(Path("DEMO.VWD")));
  auto& doc = static_cast<CWorldDoc&>(*app.Document());
  CMainFrame& frame = *app.MainFrame();
  CWorldView* view = ShowFrame(frame, 900, 700);
  ASSERT_NE(view, nullptr);
  CWorldViewModel& model = view->Model();

  ASSERT_TRUE(frame.SendCommand(cmd::kToggleMode));
  EXPECT_EQ(model.EditMode(), kObjectMode);
  EXPECT_EQ(frame.MenuResource(), res::kMenuObjectMode);
  EXPECT_EQ(frame.ToolbarResource(), res::kMenuObjectMode);
  EXPECT_EQ(frame.AcceleratorResource(), res::kMenuObjectMode);
  EXPECT_EQ(frame.StatusPaneSet(), 2);
  EXPECT_NE(frame.ToolbarAction(cmd::kObjectEdit), nullptr);

  // Tab from no selection walks the list, which is in ascending z, and wraps.
  const CPlane& plane = *doc.CurrentPlane();
  ASSERT_GT(plane.ObjectCount(), 2u);
  const CGameObject* before = nullptr;
  for (const auto& object : plane.Objects()) {
    ASSERT_TRUE(frame.SendCommand(cmd::kObjectNext));
    EXPECT_EQ(doc.SelectedObject(), object.get());
    if (before) {
      EXPECT_LE(before->m_z, object->m_z);
    }
    before = object.get();
  }
  ASSERT_TRUE(frame.SendCommand(cmd::kObjectNext));
  EXPECT_EQ(doc.SelectedObject(), plane.FirstObject());

  int plainChecked = 0;
  int mirroredChecked = 0;
  for (const auto& object : plane.Objects()) {
    const bool mirrored = (object->m_drawFlags & kDrawMirror) != 0;
    if ((mirrored ? mirroredChecked : plainChecked) > 0) continue;
    model.CenterOn(object->m_x, object->m_y);
    if (!object->m_image) continue;
    const CDibG& surface = *model.Surface();
    const int32_t x = model.ScrollX(), y = model.ScrollY();
    const int area = object->m_imageWidth * object->m_imageHeight;
    const int right = MisplacedPixels(surface, *object, x, y, mirrored);
    EXPECT_LT(right * 20, area) << object->m_logic;  // a few pixels may lie under later objects
    if (mirrored) {
      EXPECT_LT(right, MisplacedPixels(surface, *object, x, y, false)) << object->m_logic;
    }
    ++(mirrored ? mirroredChecked : plainChecked);
  }
  EXPECT_EQ(plainChecked, 1);
  EXPECT_EQ(mirroredChecked, 1);

  ASSERT_TRUE(frame.SendCommand(cmd::kToggleMode));
  EXPECT_EQ(frame.MenuResource(), res::kMenuTileMode);
  EXPECT_EQ(frame.StatusPaneSet(), 1);
  EXPECT_TRUE(user.Unexpected().empty());
  app.ExitInstance();
}

// 7, a key an accelerator takes (the view's own or a keypad one), 7 types two numbers.
TEST_F(EditorProgram, AKeyAnAcceleratorTakesEndsTheTypedNumber) {
  ScriptedInteraction user;
  CVyrWorldApp app(MakeEditorParts(), &user, Path("profile.ini"));
  ASSERT_TRUE(app.InitInstance(Path("DEMO.VWD")));
  auto& doc = static_cast<CWorldDoc&>(*app.Document());
  CWorldView* view = ShowFrame(*app.MainFrame(), 900, 700);
  ASSERT_NE(view, nullptr);
  view->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(app.MainFrame()));
  for (auto [key, modifiers, column] : {std::tuple{Qt::Key_Right, Qt::NoModifier, 2},
                                        std::tuple{Qt::Key_Plus, Qt::KeypadModifier, 1}}) {
    view->Model().Tiles().MoveCursorTo(1, 1);
    QTest::keyClick(view, Qt::Key_7);
    QTest::keyClick(view, key, modifiers);
    QTest::keyClick(view, Qt::Key_7);
    EXPECT_EQ(doc.GetTile(column, 1), MakeTile(uint32_t(doc.CurrentSet()), 7)) << key;
  }
}

// An undo that makes a plane without objects current leaves object mode: one set of panes shows.
TEST_F(EditorProgram, OneSetOfStatusPanesAfterAnUndoLeavesObjectMode) {
  ScriptedInteraction user;
  CVyrWorldApp app(MakeEditorParts(), &user, Path("profile.ini"));
  ASSERT_TRUE(app.InitInstance(Path("DEMO.VWD")));
  auto& doc = static_cast<CWorldDoc&>(*app.Document());
  CMainFrame& frame = *app.MainFrame();
  ASSERT_NE(ShowFrame(frame, 900, 700), nullptr);
  CPlane* objects = doc.CurrentPlane();
  doc.SelectPlane(doc.World()->Plane(0));
  ASSERT_TRUE(doc.SetTile(1, 1, doc.GetTile(1, 1) == -1 ? 1 : -1));
  doc.SelectPlane(objects);
  ASSERT_TRUE(frame.SendCommand(cmd::kToggleMode) && frame.SendCommand(cmd::kEditUndo));
  ASSERT_EQ(frame.StatusPaneSet(), 1);
  QApplication::processEvents();
  QStringList shown, expected;
  for (const QLabel* label : frame.statusBar()->findChildren<QLabel*>())
    if (label->isVisible()) shown << label->objectName();
  for (CommandId id : frame.StatusPaneIds())
    expected << (id == cmd::kMessagePane ? QStringLiteral("idleMessage") : QStringLiteral("pane%1").arg(id));
  EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace vyr
