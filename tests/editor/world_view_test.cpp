// GUI tests of CWorldView (offscreen): the paint shows the surface through the palette, grid and cursor frames, scroll bars.
#include "editor/world_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "commands/view_model_fakes.h"
#include "platform/command_ids.h"
#include "platform/profile.h"
#include "platform/scripted_interaction.h"
#include "world/document_fixture.h"
#include "world/world_doc.h"
#include "resources/dib.h"
#include "resources/palette.h"

namespace vyr {
namespace {

using viewtest::FakeViewDocument;
using viewtest::MakeViewPlane;

QApplication& App() {
  static int argc = 1;
  static char name[] = "world_view_test";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
  return *static_cast<QApplication*>(QApplication::instance());
}

// Renders a pattern that depends on the scroll position, as the document would render the plane.
class PatternDocument : public FakeViewDocument {
 public:
  PatternDocument() {
    std::array<uint8_t, kPaletteRgbSize> rgb{};
    for (size_t i = 0; i < kPaletteEntryCount; ++i) {
      rgb[3 * i] = uint8_t(i);
      rgb[3 * i + 1] = uint8_t(i * 3);
      rgb[3 * i + 2] = uint8_t(255 - i);
    }
    ownPalette.BuildFromRgb(rgb);
  }

  static uint8_t Pattern(int32_t worldX, int32_t worldY) { return uint8_t(worldX * 7 + worldY * 13); }

  QRgb Colour(uint8_t index) const {
    const PaletteEntry& entry = ownPalette.Entry(index);
    return qRgb(entry.red, entry.green, entry.blue);
  }

  void RenderWorld(int invalidate) override {
    FakeViewDocument::RenderWorld(invalidate);
    if (!port) return;
    if (CDibG* surface = port->Surface()) {
      for (int32_t y = 0; y < surface->Height(); ++y)
        for (int32_t x = 0; x < surface->Width(); ++x)
          surface->SetPixel(x, y, Pattern(x + port->ScrollX(), y + port->ScrollY()));
    }
    if (invalidate) {
      port->MarkCursorHidden();
      port->Invalidate(false);
      port->UpdateNow();
    }
  }

  IViewPort* port = nullptr;
};

struct ShownView {
  bool appReady = (App(), true);  // before any widget
  PatternDocument document;
  CWorldView view;

  ShownView(ViewPlane plane, int width, int height) {
    document.plane = plane;
    document.port = &view.Port();
    view.resize(width + 2 * view.frameWidth(), height + 2 * view.frameWidth());
    view.SetDocument(&document);
    view.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
  }

  QImage Grab() { return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  QRgb SurfaceColour(int x, int y) const {
    return document.Colour(PatternDocument::Pattern(x + view.Model().ScrollX(), y + view.Model().ScrollY()));
  }
};

TEST(WorldViewTest, PaintShowsThePlaneThroughThePaletteAndGreyBeyondIt) {
  ShownView shown(MakeViewPlane(4, 3, 64, 64), 300, 200);  // 256 x 192, smaller than the window: no bars
  ASSERT_EQ(shown.view.viewport()->size(), QSize(300, 200));
  ASSERT_NE(shown.view.Model().Surface(), nullptr);
  const size_t rendersBefore = shown.document.renders.size();
  QImage image = shown.Grab();
  ASSERT_EQ(image.size(), QSize(300, 200));
  int wrong = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb want = x < 256 && y < 192 ? shown.SurfaceColour(x, y) : CWorldView::kBeyondPlaneColour;
      if ((image.pixel(x, y) & 0xFFFFFF) != (want & 0xFFFFFF)) ++wrong;
    }
  EXPECT_EQ(wrong, 0);
  // painting shows the surface as it is: it never re-renders
  EXPECT_EQ(shown.document.renders.size(), rendersBefore);
}

TEST(WorldViewTest, GridIsDashedBlackOnTileBoundaries) {
  ShownView shown(MakeViewPlane(100, 100, 64, 64), 300, 200);
  shown.view.Model().SetGridOn(true);
  shown.view.Model().SetScroll(100, 0);
  shown.view.Model().RefreshView();
  QImage image = shown.Grab();
  const QRgb black = qRgb(0, 0, 0);
  for (int x : {28, 92, 156, 220, 284}) {
    for (int y = 0; y < 18; ++y) EXPECT_EQ(image.pixel(x, y), black) << x << "," << y;  // a dash
    for (int y = 18; y < 24; ++y) EXPECT_EQ(image.pixel(x, y), shown.SurfaceColour(x, y)) << x << "," << y;  // a gap
    EXPECT_EQ(image.pixel(x - 1, 5), shown.SurfaceColour(x - 1, 5)) << x;
    EXPECT_EQ(image.pixel(x + 1, 5), shown.SurfaceColour(x + 1, 5)) << x;
  }
  // horizontal lines at 0, 64, 128 (scroll y 0 is a tile boundary)
  for (int y : {0, 64, 128}) EXPECT_EQ(image.pixel(40, y), black) << y;
  EXPECT_EQ(image.pixel(40, 1), shown.SurfaceColour(40, 1));
}

TEST(WorldViewTest, GridStopsAtThePlanesEdge) {
  ShownView shown(MakeViewPlane(3, 2, 64, 64), 300, 200);  // 192 x 128
  shown.view.Model().SetGridOn(true);
  shown.view.Model().RefreshView();
  QImage image = shown.Grab();
  const QRgb black = qRgb(0, 0, 0);
  const QRgb grey = CWorldView::kBeyondPlaneColour;
  EXPECT_EQ(image.pixel(128, 5), black);
  EXPECT_EQ(image.pixel(128, 150), grey) << "a vertical line ends at the plane's bottom";
  EXPECT_EQ(image.pixel(168, 64), black);  // a dash of the last horizontal line
  EXPECT_EQ(image.pixel(216, 64), grey) << "a horizontal line ends at the plane's right edge";
  for (int y : {5, 100}) EXPECT_EQ(image.pixel(192, y), grey) << "no line on the plane's edge";
}

TEST(WorldViewTest, MouseInputReachesTheCurrentModeInPlanePixels) {
  ShownView shown(MakeViewPlane(100, 100, 16, 16), 200, 150);
  shown.view.Model().SetScroll(32, 16);
  QTest::mouseMove(shown.view.viewport(), QPoint(10, 20));
  EXPECT_EQ(shown.view.Model().Tiles().PaneText(cmd::kPaneMouse), "Mouse = 42, 36");
}

// The dots a focus rectangle inverts: every other pixel of its border.
void AddFrameDots(const CRect& frame, std::set<std::pair<int, int>>& dots) {
  for (int y = frame.top; y < frame.bottom; ++y)
    for (int x = frame.left; x < frame.right; ++x) {
      const bool border = x == frame.left || x == frame.right - 1 || y == frame.top || y == frame.bottom - 1;
      if (border && (x + y) % 2 == 0) dots.insert({x, y});
    }
}

TEST(WorldViewTest, CursorFramesInvertTheirDots) {
  ShownView shown(MakeViewPlane(100, 100, 16, 16), 200, 150);
  shown.view.Model().Tiles().MoveCursorTo(2, 1);
  shown.view.Model().OnBlink(true);
  ASSERT_TRUE(shown.view.Model().CursorShown());
  QImage image = shown.Grab();
  // 16-pixel tiles: two nested frames from (32, 16, 49, 33), grid off
  std::set<std::pair<int, int>> dots;
  for (int k = 0; k < 2; ++k) AddFrameDots(CRect{32 + k, 16 + k, 49 - k, 33 - k}, dots);
  int wrong = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      QRgb want = shown.SurfaceColour(x, y) & 0xFFFFFF;
      if (dots.count({x, y})) want ^= 0xFFFFFF;
      if ((image.pixel(x, y) & 0xFFFFFF) != want) ++wrong;
    }
  EXPECT_EQ(wrong, 0);
  // the next blink takes the frames away again
  shown.view.Model().OnBlink(true);
  QImage hidden = shown.Grab();
  EXPECT_EQ(hidden.pixel(32, 16) & 0xFFFFFF, shown.SurfaceColour(32, 16) & 0xFFFFFF);
}

// Zoomed, the frames the model gives in window pixels are the dots the window inverts.
TEST(WorldViewTest, ZoomedCursorFramesInvertTheirDots) {
  for (int direction : {-1, 1}) {
    ShownView shown(MakeViewPlane(100, 100, 64, 64), 200, 150);
    shown.view.Model().ZoomAtCentre(direction);
    shown.view.Model().ZoomAtCentre(direction);
    shown.view.Model().Tiles().MoveCursorTo(1, 1);
    shown.view.Model().SetScroll(32, 32);
    shown.view.Model().RefreshView();
    shown.view.Model().OnBlink(true);
    ASSERT_TRUE(shown.view.Model().CursorShown());
    const std::vector<CRect> frames = shown.view.Model().CursorFrames();
    ASSERT_FALSE(frames.empty());
    std::set<std::pair<int, int>> dots;
    for (const CRect& frame : frames) AddFrameDots(frame, dots);
    const ViewZoom& zoom = shown.view.Model().Zoom();
    const QImage shownImage = shown.Grab();
    shown.view.Model().OnBlink(true);
    const QImage hidden = shown.Grab();
    int wrong = 0;
    for (int y = 0; y < hidden.height(); ++y)
      for (int x = 0; x < hidden.width(); ++x) {
        QRgb want = hidden.pixel(x, y) & 0xFFFFFF;
        if (dots.count({x, y})) want ^= 0xFFFFFF;
        if ((shownImage.pixel(x, y) & 0xFFFFFF) != want) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << zoom.Percent();
    EXPECT_FALSE(dots.empty());
  }
}

TEST(WorldViewTest, TinyWindowShowsNothing) {
  ShownView shown(MakeViewPlane(2, 12, 16, 16), 32, 200);  // fits: no scroll bars
  shown.view.Model().SetGridOn(true);
  EXPECT_EQ(shown.view.Model().Surface(), nullptr);
  QImage image = shown.Grab();
  ASSERT_EQ(image.size(), QSize(32, 200));
  int notWhite = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++notWhite;
  EXPECT_EQ(notWhite, 0);
}

TEST(WorldViewTest, ScrollBarsReachTheFarEdgeOfALargePlane) {
  ShownView shown(MakeViewPlane(2000, 1500, 64, 64), 400, 300);
  QScrollBar* horizontal = shown.view.horizontalScrollBar();
  QScrollBar* vertical = shown.view.verticalScrollBar();
  const int clientWidth = shown.view.viewport()->width();
  const int clientHeight = shown.view.viewport()->height();
  EXPECT_EQ(horizontal->maximum(), 128000 - clientWidth);
  EXPECT_EQ(vertical->maximum(), 96000 - clientHeight);
  EXPECT_EQ(horizontal->singleStep(), 64);
  horizontal->setValue(horizontal->maximum());
  vertical->setValue(vertical->maximum());
  EXPECT_EQ(shown.view.Model().ScrollX(), 128000 - clientWidth);
  EXPECT_EQ(shown.view.Model().ScrollY(), 96000 - clientHeight);
  EXPECT_EQ(shown.document.origin, (PixelPoint{128000 - clientWidth, 96000 - clientHeight}));
  // the view shows the plane's far corner
  QImage image = shown.Grab();
  EXPECT_EQ(image.pixel(clientWidth - 1, clientHeight - 1) & 0xFFFFFF,
            shown.document.Colour(PatternDocument::Pattern(127999, 95999)) & 0xFFFFFF);
  // and the model's moves move the bars
  shown.view.Model().Tiles().JumpCursor(CursorJump::TopLeft);
  EXPECT_EQ(horizontal->value(), 0);
  EXPECT_EQ(vertical->value(), 0);
}

// Ctrl + wheel at a point: the pixels grow by whole repeats or shrink by dropping, the world
// pixel under the mouse stays, and the bars count view pixels.
TEST(WorldViewTest, CtrlWheelZoomsAboutTheMouseScalingThePixels) {
  ShownView shown(MakeViewPlane(200, 200, 64, 64), 300, 200);
  shown.view.Model().SetScroll(1000, 800);
  shown.view.Model().RefreshView();
  auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
    QWheelEvent event(QPointF(150, 100), shown.view.viewport()->mapToGlobal(QPointF(150, 100)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, mods, Qt::NoScrollPhase, false);
    QApplication::sendEvent(shown.view.viewport(), &event);
  };
  const PixelPoint under = shown.view.Model().MousePixel(150, 100);
  for (auto [delta, percent] : {std::pair{120, 150}, std::pair{120, 200}, std::pair{-120, 150},
                                std::pair{-120, 100}, std::pair{-120, 67}, std::pair{-120, 50}}) {
    wheel(delta, Qt::ControlModifier);
    const ViewZoom& zoom = shown.view.Model().Zoom();
    ASSERT_EQ(zoom.Percent(), percent);
    EXPECT_EQ(shown.view.Model().MousePixel(150, 100), under) << percent;
    EXPECT_EQ(shown.view.horizontalScrollBar()->maximum(), 12800 - zoom.ViewExtent(shown.view.viewport()->width()))
        << percent;
    EXPECT_EQ(shown.view.horizontalScrollBar()->value(), shown.view.Model().ScrollX()) << percent;
    // A window pixel shows one of the view pixels it covers (just one from 100 % up); drawn
    // reduced, the surface holds the window's pixels.
    auto shows = [&](int x, int y, QRgb colour) {
      if (zoom.Divisor() > 1) return (shown.SurfaceColour(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
      for (int32_t v = zoom.ToView(y); v <= std::max(zoom.ToView(y), zoom.ToView(y + 1) - 1); ++v)
        for (int32_t u = zoom.ToView(x); u <= std::max(zoom.ToView(x), zoom.ToView(x + 1) - 1); ++u)
          if ((shown.SurfaceColour(u, v) & 0xFFFFFF) == (colour & 0xFFFFFF)) return true;
      return false;
    };
    const QImage image = shown.Grab();
    int wrong = 0;
    for (int y = 0; y < image.height(); y += 3)
      for (int x = 0; x < image.width(); ++x)
        if (!shows(x, y, image.pixel(x, y))) ++wrong;
    EXPECT_EQ(wrong, 0) << percent;
  }
  // Without Ctrl the wheel scrolls and leaves the zoom.
  const int32_t scrollY = shown.view.Model().ScrollY();
  wheel(-120, Qt::NoModifier);
  EXPECT_EQ(shown.view.Model().Zoom().Percent(), 50);
  EXPECT_GT(shown.view.Model().ScrollY(), scrollY);
}

// Shift + wheel scrolls sideways, two half turns as far as one; the middle button drags the
// view, keeping the world pixel under the mouse under it at any zoom.
TEST(WorldViewTest, ShiftWheelScrollsSidewaysAndTheMiddleButtonDragsTheView) {
  ShownView shown(MakeViewPlane(200, 200, 64, 64), 300, 200);
  CWorldViewModel& model = shown.view.Model();
  model.SetScroll(1000, 800);
  model.RefreshView();
  const int32_t turn = 64 * QApplication::wheelScrollLines(), half = 64 * (QApplication::wheelScrollLines() / 2);
  for (auto [delta, scrollX] : {std::pair{-120, 1000 + turn}, {60, 1000 + turn - half}, {60, 1000}}) {
    QWheelEvent event(QPointF(150, 100), QPointF(), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::ShiftModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(shown.view.viewport(), &event);
    EXPECT_EQ((PixelPoint{model.ScrollX(), model.ScrollY()}), (PixelPoint{scrollX, 800})) << delta;
  }
  for (auto [zoomIn, to] : {std::pair{false, QPoint(241, 179)}, std::pair{true, QPoint(167, 133)}}) {
    if (zoomIn) model.ZoomAt(1, 0, 0);
    const PixelPoint under = model.MousePixel(200, 150);
    QTest::mousePress(shown.view.viewport(), Qt::MiddleButton, {}, QPoint(200, 150));
    QTest::mouseMove(shown.view.viewport(), to);
    QTest::mouseRelease(shown.view.viewport(), Qt::MiddleButton, {}, to);
    EXPECT_EQ(model.MousePixel(to.x(), to.y()), under) << model.Zoom().Percent();
    EXPECT_EQ(shown.view.horizontalScrollBar()->value(), model.ScrollX());
    QTest::mouseMove(shown.view.viewport(), QPoint(10, 10));  // released: no drag
    EXPECT_EQ(model.MousePixel(to.x(), to.y()), under);
  }
}

TEST(WorldViewTest, ScrollBarsAppearWhenALargerPlaneBecomesCurrent) {
  ShownView shown(MakeViewPlane(4, 4, 16, 16), 300, 200);
  EXPECT_FALSE(shown.view.horizontalScrollBar()->isVisible());
  shown.document.plane = MakeViewPlane(100, 100, 16, 16);
  shown.view.Model().CurrentPlaneChanged();
  QApplication::processEvents();
  EXPECT_TRUE(shown.view.horizontalScrollBar()->isVisible());
  EXPECT_TRUE(shown.view.verticalScrollBar()->isVisible());
  const QSize client = shown.view.viewport()->size();
  EXPECT_EQ(shown.view.horizontalScrollBar()->maximum(), 1600 - client.width());
  ASSERT_NE(shown.view.Model().Surface(), nullptr);
  EXPECT_EQ(shown.view.Model().Surface()->Width(), client.width());  // sized again for the bars
  EXPECT_EQ(shown.view.Model().Surface()->Height(), client.height());
  shown.document.plane = MakeViewPlane(4, 4, 16, 16);
  shown.view.Model().CurrentPlaneChanged();
  QApplication::processEvents();
  EXPECT_FALSE(shown.view.horizontalScrollBar()->isVisible());
}

TEST(WorldViewTest, CursorBlinksOnlyWhileTheEditorIsActive) {
  ShownView shown(MakeViewPlane(100, 100, 16, 16), 300, 200);
  shown.view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&shown.view));
  // on within a blink or two, then off again
  EXPECT_TRUE(QTest::qWaitFor([&] { return shown.view.Model().CursorShown(); }, 1000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.view.Model().CursorShown(); }, 1000));

  QWidget other;
  other.resize(50, 50);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  const bool state = shown.view.Model().CursorShown();
  QTest::qWait(3 * kBlinkMilliseconds);
  EXPECT_EQ(shown.view.Model().CursorShown(), state);

  // the tile picker counts as the editor
  shown.view.SetTilePickerWindow(&other);
  EXPECT_TRUE(QTest::qWaitFor([&] { return shown.view.Model().CursorShown() != state; }, 1000));
}

TEST(WorldViewTest, KeysDoNotScrollTheViewByThemselves) {
  ShownView shown(MakeViewPlane(100, 100, 16, 16), 300, 200);
  shown.view.setFocus();
  for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Right, Qt::Key_End}) QTest::keyClick(&shown.view, key);
  EXPECT_EQ(shown.view.Model().ScrollX(), 0);
  EXPECT_EQ(shown.view.Model().ScrollY(), 0);
  EXPECT_EQ(shown.view.verticalScrollBar()->value(), 0);
}

TEST(WorldViewTest, ResizeRemakesTheSurface) {
  ShownView shown(MakeViewPlane(100, 100, 16, 16), 300, 200);
  shown.view.resize(400 + 2 * shown.view.frameWidth(), 250 + 2 * shown.view.frameWidth());
  QApplication::processEvents();
  const QSize client = shown.view.viewport()->size();
  ASSERT_NE(shown.view.Model().Surface(), nullptr);
  EXPECT_EQ(shown.view.Model().Surface()->Width(), client.width());
  EXPECT_EQ(shown.view.Model().Surface()->Height(), client.height());
  EXPECT_EQ(shown.document.viewRect, (CRect{0, 0, client.width() - 1, client.height() - 1}));
}

}  // namespace
}  // namespace vyr

namespace vyr {
namespace {

// A world of one 40 × 30 plane of 16-pixel TILES cells, where cell (c, r) holds image c % 3,
// and a document to open it.
struct WorldOnDisk {
  bool appReady = (App(), true);
  test::TempFolder folder;
  std::string path = folder / "W.VWD";
  Profile profile;
  ScriptedInteraction user;
  CWorldDoc doc{&profile, user};

  WorldOnDisk() {
    const std::string archive = folder / "GAME.REZ";
    test::WriteArchive(archive, test::StandardArchive());
    test::WriteWorld(path, test::StandardProperties(archive), {test::PlaneSpec{"Main", 0, {"TILES"}, 40, 30, 16}});
  }
};

TEST(WorldViewTest, ShowsAWorldOpenedByTheDocument) {
  WorldOnDisk world;
  Profile& profile = world.profile;
  CWorldDoc& doc = world.doc;
  const std::string& path = world.path;
  {
    CWorldView view(&profile);
    view.resize(200 + 2 * view.frameWidth(), 100 + 2 * view.frameWidth());
    view.AttachDocument(doc);
    EXPECT_EQ(doc.ViewPort(), &view.Port());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    ASSERT_TRUE(doc.OnOpenDocument(path)) << doc.FailureReason();
    QApplication::processEvents();
    QImage image = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // the archive's palette: entry i is (i, 255 − i, 7); cell (c, r) shows colour 10 + c % 3
    const int clientWidth = view.viewport()->width();
    const int clientHeight = view.viewport()->height();
    int wrong = 0;
    for (int y = 0; y < clientHeight; ++y)
      for (int x = 0; x < clientWidth; ++x) {
        const int index = 10 + (x / 16) % 3;
        if ((image.pixel(x, y) & 0xFFFFFF) != (qRgb(index, 255 - index, 7) & 0xFFFFFF)) ++wrong;
      }
    EXPECT_EQ(wrong, 0);
  }
  EXPECT_EQ(doc.ViewPort(), nullptr);  // the view let go of the document
  EXPECT_TRUE(profile.HasKey("Options", "Grid"));
}

// The mouse and typed digits reach tile mode and edit the opened world; the insert command
// is a stand-in routed as the real one is.
TEST(WorldViewTest, ClicksAndTypedDigitsEditTheWorld) {
  WorldOnDisk world;
  CWorldDoc& doc = world.doc;
  CWorldView view(&world.profile);
  view.resize(300, 200);
  view.AttachDocument(doc);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  ASSERT_TRUE(doc.OnOpenDocument(world.path)) << doc.FailureReason();
  CommandTarget editor;
  editor.Commands().On(cmd::kTileInsert, [&doc] {
    doc.SetTileAtCursor(MakeTile(uint32_t(doc.CurrentSet()), uint32_t(doc.CurrentImage())));
    doc.ViewPort()->AdvanceAutoCursor();
  });
  CommandRouter router;
  router.SetTarget(CommandRouter::Slot::View, &view);
  router.SetTarget(CommandRouter::Slot::Document, &editor);
  view.Model().SetCommandSender([&router](CommandId id) { router.Execute(id); });
  view.setFocus();

  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(3 * 16 + 5, 2 * 16 + 5));
  QTest::keyClick(&view, Qt::Key_2);
  EXPECT_EQ(doc.GetTile(3, 2), MakeTile(0, 2));
  EXPECT_EQ(doc.CurrentImage(), 2);
  EXPECT_EQ(view.Model().Tiles().CursorColumn(), 3);

  QTest::mouseClick(view.viewport(), Qt::RightButton, {}, QPoint(4 * 16 + 5, 2 * 16 + 5));
  EXPECT_EQ(doc.GetTile(4, 2), MakeTile(0, 2));
  EXPECT_EQ(view.Model().Tiles().CursorColumn(), 4);
  EXPECT_TRUE(view.Model().Tiles().AutoCursor());

  // both edits went through undo
  doc.Undo();
  doc.Undo();
  EXPECT_EQ(doc.GetTile(3, 2), MakeTile(0, 0));
  EXPECT_EQ(doc.GetTile(4, 2), MakeTile(0, 1));
}

}  // namespace
}  // namespace vyr
