// The editor on the demo world (offscreen) under keys: typed numbers and accelerator keys,
// and the status panes after an undo that leaves object mode.
#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include "editor/editor_parts.h"
#include "editor/main_frame.h"
#include "editor/test_application.h"
#include "editor/world_view.h"
#include "platform/command_ids.h"
#include "platform/scripted_interaction.h"
#include "world/document_fixture.h"
#include "world/plane.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {
namespace {

class DemoEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureApplication();
    const std::string command = std::string(VYR_TOOL_PATH) + " make-demo '" + m_folder.Path().string() + "' >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    m_app = std::make_unique<CVyrWorldApp>(MakeEditorParts(), &m_user, m_folder / "profile.ini");
    ASSERT_TRUE(m_app->InitInstance(m_folder / "DEMO.VWD"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
    Frame()->activateWindow();
    View().setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
  }
  void TearDown() override {
    if (m_app) m_app->ExitInstance();
  }

  CWorldDoc& Doc() { return static_cast<CWorldDoc&>(*m_app->Document()); }
  CMainFrame* Frame() { return m_app->MainFrame(); }
  CWorldView& View() { return *static_cast<CWorldView*>(Frame()->View()); }

  test::TempFolder m_folder;
  ScriptedInteraction m_user;
  std::unique_ptr<CVyrWorldApp> m_app;
};

// 7, a key an accelerator takes, 7 types two numbers: the key ends the first.
TEST_F(DemoEditor, AKeyAnAcceleratorTakesEndsTheTypedNumber) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int32_t secondColumn;  // where the cursor is for the second 7
  } rows[] = {{Qt::Key_Right, Qt::NoModifier, 2}, {Qt::Key_Plus, Qt::KeypadModifier, 1}};
  for (const auto& row : rows) {
    View().Model().Tiles().MoveCursorTo(1, 1);
    QTest::keyClick(&View(), Qt::Key_7);
    QTest::keyClick(&View(), row.key, row.modifiers);
    QTest::keyClick(&View(), Qt::Key_7);
    EXPECT_EQ(Doc().GetTile(row.secondColumn, 1), MakeTile(uint32_t(Doc().CurrentSet()), 7)) << row.key;
  }
}

// An undo that makes a plane without objects current leaves object mode: the tile-mode
// panes replace the object-mode ones, each shown once.
TEST_F(DemoEditor, OneSetOfStatusPanesAfterAnUndoLeavesObjectMode) {
  CPlane* objects = Doc().CurrentPlane();
  Doc().SelectPlane(Doc().World()->Plane(0));
  ASSERT_TRUE(Doc().SetTile(1, 1, Doc().GetTile(1, 1) == -1 ? 1 : -1));
  Doc().SelectPlane(objects);
  ASSERT_TRUE(Frame()->SendCommand(cmd::kToggleMode));
  ASSERT_EQ(Frame()->StatusPaneSet(), 2);
  ASSERT_TRUE(Frame()->SendCommand(cmd::kEditUndo));
  ASSERT_EQ(Frame()->StatusPaneSet(), 1);
  QApplication::processEvents();
  QStringList shown;
  for (const QLabel* label : Frame()->statusBar()->findChildren<QLabel*>())
    if (label->isVisible()) shown << label->objectName();
  QStringList expected{QStringLiteral("idleMessage")};
  for (CommandId id : Frame()->StatusPaneIds())
    if (id != cmd::kMessagePane) expected << QStringLiteral("pane%1").arg(id);
  EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace vyr
