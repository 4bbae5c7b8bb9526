// The main window offscreen: resources it starts with, update state, keys, panes, title,
// close question, dropped files, recent files, printing and application start-up.
#include "editor/main_frame.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QTranslator>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "commands/world_edit.h"
#include "editor/app.h"
#include "editor/qt_translation.h"
#include "editor/ui_text.h"
#include "platform/application_core.h"
#include "platform/document.h"
#include "platform/profile.h"
#include "platform/scripted_interaction.h"
#include "res/step_names.h"
#include "world/undo_stack.h"
#include "world/world_doc.h"
#include "res/resources.h"

namespace vyr {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_editor";
    static char* argv[] = {name, nullptr};
    m_app = new QApplication(argc, argv);
  }
  void TearDown() override { delete m_app; }

 private:
  QApplication* m_app = nullptr;
};
[[maybe_unused]] ::testing::Environment* const g_qt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

constexpr const char* kTemplate =
    "VyrWorld\n\nVyrWor\nVyr World Pliki (*.VWD)\n.VWD\nVyrWorld.Document\nVyrWor Document";

class FakeDocument : public CDocument {
 public:
  bool OnOpenDocument(const std::string& path) override {
    opened.push_back(path);
    SetOpeningPathName(path);
    if (whileOpening) whileOpening();
    SetOpeningPathName({});
    if (!readable.count(path)) return false;
    SetModifiedFlag(false);
    return true;
  }
  bool OnSaveDocument(const std::string& path) override {
    saved.push_back(path);
    SetModifiedFlag(false);
    return true;
  }
  std::set<std::string> readable;
  std::vector<std::string> opened, saved;
  std::function<void()> whileOpening;  // the questions an open may ask
};

// Stands in for the view: the first target in the chain.
struct TestView : CommandTarget {
  std::vector<CommandId> ran;
  void Handle(CommandId id) {
    Commands().On(id, [this, id] { ran.push_back(id); });
  }
};

class MainFrameTest : public ::testing::Test {
 protected:
  MainFrameTest() : core(profile, user, kTemplate) {
    core.SetDocument(&doc);
    frame = std::make_unique<CMainFrame>(router, core);
    router.SetTarget(CommandRouter::Slot::View, &view);
    router.SetTarget(CommandRouter::Slot::Document, &doc);
    router.SetTarget(CommandRouter::Slot::Frame, frame.get());
    router.SetTarget(CommandRouter::Slot::Application, &core);
    frame->SetView(new QWidget);
  }

  QStringList MenuTitles() const {
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions()) titles << action->text();
    return titles;
  }

  Profile profile;
  ScriptedInteraction user;
  FakeDocument doc;
  CApplicationCore core;
  CommandRouter router;
  TestView view;
  std::unique_ptr<CMainFrame> frame;
};

std::vector<CommandId> Ids(std::span<const CommandId> span) { return {span.begin(), span.end()}; }

TEST_F(MainFrameTest, StartsWithMenu128ToolbarAndPaneSet1) {
  EXPECT_EQ(frame->MenuResource(), 128);
  EXPECT_EQ(frame->AcceleratorResource(), 128);
  EXPECT_EQ(MenuTitles(), (QStringList{"&Plik", "&Edycja", "Ś&wiat", "&Warstwy", "&Klocki", "&Kursor",
                                       "&Dodatki", "&Widok", "&Pomoc"}));
  EXPECT_EQ(frame->ToolbarIds(), Ids(res::Toolbar(128)));
  // Every icon has a disabled look that is clearly fainter than its normal one.
  auto opacity = [](const QIcon& icon, QIcon::Mode mode) {
    const QImage image = icon.pixmap(16, 16, mode).toImage().convertToFormat(QImage::Format_ARGB32);
    long sum = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) sum += qAlpha(image.pixel(x, y));
    return sum;
  };
  for (CommandId id : res::Toolbar(128)) {
    if (id) {
      const QIcon icon = frame->ToolbarAction(id)->icon();
      ASSERT_FALSE(icon.isNull()) << id;
      EXPECT_LT(2 * opacity(icon, QIcon::Disabled), opacity(icon, QIcon::Normal)) << id;
    }
  }
  EXPECT_TRUE(frame->MenuAction(cmd::kWorldInfo)->text().startsWith("&Informacje"));
  EXPECT_EQ(frame->StatusPaneIds(), (std::vector<CommandId>{0, 32803, 32799, 32800, 32801, 32926}));
  // Each pane is at least as wide as its sizing text.
  for (CommandId id : {32803u, 32799u, 32800u, 32801u, 32926u}) {
    QLabel* pane = frame->StatusPane(id);
    ASSERT_NE(pane, nullptr);
    const std::string_view sizing = res::LoadString(id);
    EXPECT_GE(pane->minimumWidth(),
              pane->fontMetrics().horizontalAdvance(QString::fromUtf8(sizing.data(), qsizetype(sizing.size()))));
  }
  EXPECT_EQ(frame->minimumSize(), QSize(500, 360));
  frame->show();
  frame->resize(100, 100);
  EXPECT_GE(frame->width(), 500);
  EXPECT_GE(frame->height(), 360);
}

TEST_F(MainFrameTest, EntriesFollowUpdateHandlers) {
  bool enabled = false, checked = false;
  view.Handle(cmd::kTileInsert);
  view.Commands().OnUpdate(cmd::kTileInsert, [&](CommandState& s) { s.Enable(enabled); });
  view.Handle(cmd::kAutoCursor);
  view.Commands().OnUpdate(cmd::kAutoCursor, [&](CommandState& s) { s.SetCheck(checked); });
  view.Handle(cmd::kObjectMode);
  view.Commands().OnUpdate(cmd::kObjectMode, [&](CommandState& s) { s.Enable(enabled); });

  for (bool state : {false, true, false}) {
    enabled = checked = state;
    frame->UpdateCommandUI(true);
    EXPECT_EQ(frame->MenuAction(cmd::kTileInsert)->isEnabled(), state);
    EXPECT_EQ(frame->MenuAction(cmd::kAutoCursor)->isChecked(), state);
    EXPECT_TRUE(frame->MenuAction(cmd::kAutoCursor)->isEnabled());
    EXPECT_EQ(frame->ToolbarAction(cmd::kObjectMode)->isEnabled(), state);
  }
  // Entries nobody handles show disabled; framework entries with handlers show enabled.
  for (CommandId id : {cmd::kPlaneRemove, cmd::kZoomIn, cmd::kImageNext, cmd::kTileFill}) {
    EXPECT_FALSE(frame->MenuAction(id)->isEnabled()) << id;
  }
  EXPECT_FALSE(frame->ToolbarAction(cmd::kZoomOut)->isEnabled());
  EXPECT_FALSE(frame->ToolbarAction(cmd::kToolbarUnnamed32850)->isEnabled());
  for (CommandId id : {cmd::kFileNew, cmd::kFileOpen, cmd::kFileSaveAs, cmd::kAppExit, cmd::kViewToolbar}) {
    EXPECT_TRUE(frame->MenuAction(id)->isEnabled()) << id;
  }
  EXPECT_TRUE(frame->MenuAction(cmd::kViewToolbar)->isChecked());
  // The active table's key is shown beside the text.
  EXPECT_EQ(frame->MenuAction(cmd::kTileInsert)->text(), "Wstaw w miejscu kursora\tSpace");
  EXPECT_EQ(frame->MenuAction(cmd::kTileDelete)->text(), "Usuń\tDel");
}

TEST_F(MainFrameTest, ObjectModeResourcesAndRunTimeTexts) {
  frame->SetMenuResource(129);
  EXPECT_TRUE(frame->LoadToolbar(129));
  frame->LoadAccelerators(129);
  frame->SetStatusPanes(2);
  EXPECT_EQ(MenuTitles(), (QStringList{"&Plik", "&Edycja", "&Świat", "&Warstwy", "&Objekty", "&Logiki",
                                       "&Współrzędna Z", "&Dodatki", "&Widok", "&Pomoc"}));
  EXPECT_EQ(frame->ToolbarIds(), Ids(res::Toolbar(129)));
  // Buttons whose entries sit only in the object-mode menu are named by them too.
  EXPECT_EQ(frame->ToolbarAction(cmd::kObjectEdit)->toolTip(), "Edytuj");
  EXPECT_EQ(frame->ToolbarAction(cmd::kTileMode)->toolTip(), "Tryb Klocków");
  EXPECT_EQ(frame->ToolbarAction(cmd::kZoomIn)->toolTip(), "Przybliż");
  EXPECT_EQ(frame->StatusPaneIds(), (std::vector<CommandId>{0, 32845, 32846, 32847, 32926}));
  frame->SetStatusPanes(3);  // not a set: nothing changes
  EXPECT_EQ(frame->StatusPaneSet(), 2);
  EXPECT_FALSE(frame->LoadToolbar(7));
  EXPECT_EQ(frame->ToolbarResource(), 129);

  view.Handle(cmd::kSetZ[1]);
  view.Commands().OnUpdate(cmd::kSetZ[1], [](CommandState& s) { s.SetText("Set Z Value 1\tCtrl+1"); });
  view.Handle(cmd::kObjectEdit);
  frame->UpdateCommandUI(true);
  EXPECT_EQ(frame->MenuAction(cmd::kSetZ[1])->text(), "Set Z Value 1\tCtrl+1");
  EXPECT_TRUE(frame->MenuAction(cmd::kSetZ[1])->isEnabled());
  EXPECT_EQ(frame->MenuAction(cmd::kSetZ[2])->text(), "Wstaw Wartość nr2\tCtrl+2");
  // The object edit command sits twice, shown with its two keys.
  EXPECT_EQ(frame->MenuAction(cmd::kObjectEdit, 0)->text(), "Edytuj\tCtrl+E");
  EXPECT_EQ(frame->MenuAction(cmd::kObjectEdit, 1)->text(), "&Informacje\tReturn");
  EXPECT_TRUE(frame->MenuAction(cmd::kWorldInfo)->text().startsWith("&Informacje"));
}

TEST_F(MainFrameTest, AcceleratorsRouteThroughTheCommandTable) {
  bool enabled = true;
  view.Handle(cmd::kTileInsert);
  view.Commands().OnUpdate(cmd::kTileInsert, [&](CommandState& s) { s.Enable(enabled); });
  view.Handle(cmd::kTileNext);
  view.Handle(cmd::kImageNext);
  view.Handle(cmd::kZoomIn);
  view.Handle(cmd::kCursorTopLeft);
  view.Handle(cmd::kToggleMode);
  view.Handle(cmd::kObjectPrevious);
  frame->show();
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  QWidget* target = frame->View();
  QTest::keyClick(target, Qt::Key_Space);
  enabled = false;
  QTest::keyClick(target, Qt::Key_Space);  // disabled: not run
  QTest::keyClick(target, Qt::Key_Plus, Qt::KeypadModifier);
  QTest::keyClick(target, Qt::Key_Plus);  // the main keyboard's plus is not the keypad's
  QTest::keyClick(target, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);  // not Ctrl++
  QTest::keyClick(target, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(target, Qt::Key_M, Qt::ControlModifier);
  QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(view.ran, (std::vector<CommandId>{cmd::kTileInsert, cmd::kTileNext, cmd::kImageNext, cmd::kCursorTopLeft,
                                              cmd::kToggleMode, cmd::kObjectPrevious}));
  // In table 129 the arrows scroll instead of moving the cursor.
  view.Handle(cmd::kCursorLeft);
  view.Handle(cmd::kScrollLeft);
  frame->LoadAccelerators(129);
  QTest::keyClick(target, Qt::Key_Left);
  frame->LoadAccelerators(128);
  QTest::keyClick(target, Qt::Key_Left);
  EXPECT_EQ(view.ran.back(), cmd::kCursorLeft);
  EXPECT_EQ(view.ran[view.ran.size() - 2], cmd::kScrollLeft);
  // The desktop's open and save-as keys, in both modes.
  view.Handle(cmd::kFileOpen);
  view.Handle(cmd::kFileSaveAs);
  for (int table : {128, 129}) {
    frame->LoadAccelerators(table);
    view.ran.clear();
    QTest::keyClick(target, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(view.ran, (std::vector<CommandId>{cmd::kFileOpen, cmd::kFileSaveAs})) << table;
  }
  frame->UpdateCommandUI(true);
  EXPECT_EQ(frame->MenuAction(cmd::kFileSaveAs)->text(), "Z&apisz J&ako...\tCtrl+Shift+S");
}

TEST_F(MainFrameTest, PostedCommandsRunAfterTheCurrentEvent) {
  view.Handle(cmd::kObjectEdit);
  frame->PostCommand(cmd::kObjectEdit);
  EXPECT_TRUE(view.ran.empty());
  QCoreApplication::processEvents();
  EXPECT_EQ(view.ran, std::vector<CommandId>{cmd::kObjectEdit});
}

TEST_F(MainFrameTest, StatusPanesShowTheirUpdateTexts) {
  int x = 5;
  view.Commands().OnUpdate(cmd::kPaneMouse, [&](CommandState& s) { s.SetText("Mouse = " + std::to_string(x) + ", 6"); });
  view.Commands().OnUpdate(cmd::kPaneTile, [](CommandState& s) { s.Enable(false); });
  frame->UpdateCommandUI();
  EXPECT_EQ(frame->StatusPane(cmd::kPaneMouse)->text(), "Mouse = 5, 6");
  EXPECT_EQ(frame->StatusPane(cmd::kPaneTile)->text(), "");
  // A pane without an update handler is blank, but keeps the width of its sizing text.
  EXPECT_EQ(frame->StatusPane(cmd::kPaneSet)->text(), "");
  const QLabel* pane = frame->StatusPane(cmd::kPaneSet);
  EXPECT_GE(pane->minimumWidth(), pane->fontMetrics().horizontalAdvance(QStringLiteral("Miejsce = 000000")));
  x = 7;
  QTest::qWait(3 * CMainFrame::kIdleUpdateMs);  // the idle timer refreshes on its own
  EXPECT_EQ(frame->StatusPane(cmd::kPaneMouse)->text(), "Mouse = 7, 6");
}

TEST_F(MainFrameTest, TitleShowsTheFileNameAndTheModifiedMark) {
  frame->UpdateCommandUI();
  EXPECT_EQ(frame->windowTitle(), "Untitled[*] - VyrWorld");
  EXPECT_FALSE(frame->isWindowModified());
  doc.SetPathName("/w/DEMO.VWD", false);
  doc.SetModifiedFlag(true);
  frame->UpdateCommandUI();
  EXPECT_EQ(frame->windowTitle(), "DEMO.VWD[*] - VyrWorld");
  EXPECT_TRUE(frame->isWindowModified());
}

TEST_F(MainFrameTest, WhileAFileOpensTheTitleNamesIt) {
  QString during;
  doc.whileOpening = [&] {
    QTest::qWait(3 * CMainFrame::kIdleUpdateMs);  // a question's own event loop runs the idle update
    during = frame->windowTitle();
  };
  core.OpenDocumentFile("/w/LEVEL.VWD");
  EXPECT_EQ(during, "LEVEL.VWD[*] - VyrWorld");
}

TEST_F(MainFrameTest, ClosingAsksToSaveChanges) {
  frame->show();
  doc.SetPathName("/w/DEMO.VWD", false);
  doc.SetModifiedFlag(true);
  user.QueueAnswer(Answer::Cancel);
  EXPECT_FALSE(frame->close());
  EXPECT_TRUE(frame->isVisible());
  user.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(frame->close());
  EXPECT_EQ(doc.saved, std::vector<std::string>{"/w/DEMO.VWD"});
  EXPECT_TRUE(user.Unexpected().empty());
}

TEST_F(MainFrameTest, ExitCommandClosesThroughTheSameQuestion) {
  frame->show();
  doc.SetModifiedFlag(true);
  user.QueueAnswer(Answer::No);
  EXPECT_TRUE(frame->SendCommand(cmd::kAppExit));
  EXPECT_FALSE(frame->isVisible());
  EXPECT_TRUE(doc.saved.empty());
}

TEST_F(MainFrameTest, ADroppedFileIsOpened) {
  doc.readable = {"/w/DROP.VWD"};
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile("/w/DROP.VWD"), QUrl::fromLocalFile("/w/OTHER.VWD")});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &drop);
  EXPECT_EQ(doc.opened, std::vector<std::string>{"/w/DROP.VWD"});
  EXPECT_EQ(doc.GetPathName(), "/w/DROP.VWD");
  EXPECT_EQ(core.RecentFiles()[0], "/w/DROP.VWD");
}

TEST_F(MainFrameTest, RecentFilesReplaceThePlaceholder) {
  QMenu* fileMenu = frame->menuBar()->actions().front()->menu();
  ASSERT_NE(fileMenu, nullptr);
  emit fileMenu->aboutToShow();
  EXPECT_EQ(frame->MenuAction(cmd::kFileRecent1), nullptr);
  core.RecentFiles().Add("/w/ONE.VWD");
  core.RecentFiles().Add("/w/TWO.VWD");
  emit fileMenu->aboutToShow();
  ASSERT_NE(frame->MenuAction(cmd::kFileRecent1), nullptr);
  EXPECT_EQ(frame->MenuAction(cmd::kFileRecent1)->text(), "&1 /w/TWO.VWD");
  EXPECT_EQ(frame->MenuAction(cmd::kFileRecent1 + 1)->text(), "&2 /w/ONE.VWD");
  EXPECT_EQ(frame->MenuAction(cmd::kFileRecent1 + 2), nullptr);
  QStringList texts;
  for (QAction* action : fileMenu->actions()) {
    if (action->isVisible() && !action->isSeparator()) texts << action->text().section('\t', 0, 0);
  }
  EXPECT_FALSE(texts.contains("Przywróć Plik..."));
  doc.readable = {"/w/ONE.VWD"};
  frame->MenuAction(cmd::kFileRecent1 + 1)->trigger();
  EXPECT_EQ(doc.GetPathName(), "/w/ONE.VWD");
}

TEST_F(MainFrameTest, MessagePaneShowsThePromptUnderTheMouseElseTheIdleText) {
  frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
  const QLabel* idle = frame->statusBar()->findChild<QLabel*>(QStringLiteral("idleMessage"));
  ASSERT_NE(idle, nullptr);
  EXPECT_EQ(idle->text(), QStringLiteral("Gotowy"));
  EXPECT_TRUE(idle->isVisible());

  // A toolbar button: its prompt while the mouse is on it, the idle text once it leaves.
  QToolBar* toolbar = frame->findChild<QToolBar*>();
  QWidget* button = toolbar->widgetForAction(frame->ToolbarAction(cmd::kGameTest));
  QTest::mouseMove(button);
  EXPECT_EQ(frame->statusBar()->currentMessage(), QStringLiteral("Uruchamia grę"));
  EXPECT_FALSE(idle->isVisible());
  QTest::mouseMove(frame->View());
  EXPECT_EQ(frame->statusBar()->currentMessage(), QString());
  EXPECT_TRUE(idle->isVisible());

  // A menu entry shows the first line of its prompt only (the second is the tool tip).
  view.Handle(cmd::kImageNext);
  QMenuBar* bar = frame->menuBar();
  QAction* tiles = bar->actions().at(4);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(tiles).center());
  QMenu* menu = tiles->menu();
  ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
  QAction* next = frame->MenuAction(cmd::kImageNext);
  QTest::mouseMove(menu, menu->actionGeometry(next).center());
  EXPECT_TRUE(QTest::qWaitFor([&] { return frame->statusBar()->currentMessage() == "Wybiera następny ImageSet"; }))
      << frame->statusBar()->currentMessage().toStdString();
  menu->close();
  bar->setActiveAction(nullptr);
  EXPECT_TRUE(QTest::qWaitFor([&] { return idle->isVisible(); }));
}

TEST_F(MainFrameTest, F1OpensOneHelpWindowListingTheKeys) {
  frame->show();
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  QTest::keyClick(frame->View(), Qt::Key_F1);
  auto windows = [&] { return frame->findChildren<QDialog*>(QStringLiteral("helpWindow")); };
  ASSERT_EQ(windows().size(), 1);
  EXPECT_TRUE(windows().front()->isVisible());
  const auto* text = windows().front()->findChild<QTextBrowser*>();
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Ctrl+Shift+S")));
  windows().front()->close();
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  QTest::keyClick(frame->View(), Qt::Key_F1);  // the same window again
  EXPECT_EQ(windows().size(), 1);
  EXPECT_TRUE(windows().front()->isVisible());
}

TEST_F(MainFrameTest, QtsOwnTextsArePolishWhileKeyNamesStayPlain) {
  EXPECT_EQ(InstallQtTranslation(*QCoreApplication::instance(), QStringLiteral("/nonexistent")), nullptr);
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
  QTranslator* polish = InstallQtTranslation(*QCoreApplication::instance());
  if (!polish) GTEST_SKIP() << "Qt's Polish translation (qt6-translations-l10n) is not installed";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Anuluj"));
  frame->UpdateCommandUI(true);
  EXPECT_TRUE(frame->MenuAction(cmd::kCursorTopLeft)->text().endsWith(QStringLiteral("\tCtrl+Home")))
      << frame->MenuAction(cmd::kCursorTopLeft)->text().toStdString();
  QCoreApplication::removeTranslator(polish);
  delete polish;
}

TEST_F(MainFrameTest, EnglishBuildsEnglishMenusPromptsAndToolTips) {
  ASSERT_TRUE(InstallUiLanguage(*QCoreApplication::instance(), "en"));
  frame->SetMenuResource(128);
  frame->LoadToolbar(128);
  // Alt+F stays the repair key: "File" gives up its mnemonic.
  EXPECT_EQ(MenuTitles(), (QStringList{"File", "&Edit", "&World", "&Planes", "&Tiles", "&Cursor", "E&xtras", "&View",
                                       "&Help"}));
  frame->UpdateCommandUI(true);
  EXPECT_TRUE(frame->MenuAction(cmd::kFileSaveAs)->text().startsWith(QStringLiteral("Save &As...")));
  EXPECT_EQ(frame->MenuAction(cmd::kGameTest)->statusTip(), QStringLiteral("Runs the game"));
  EXPECT_EQ(frame->ToolbarAction(cmd::kFileNew)->toolTip(), QStringLiteral("New..."));
  // "Cofnij" names the step it takes back in the menu, the status bar and the toolbar.
  CWorldDoc world(nullptr, user);
  ASSERT_TRUE(world.OnNewDocument());
  auto fill = std::make_unique<CTileUndoEntry>(0, 0, 0, 1, 2, UndoViewState{}, false, 0);
  fill->SetName(res::step::kFill);
  world.UndoStack()->PushUndo(std::move(fill));
  RegisterUndoCommands(view.Commands(), world);
  frame->UpdateCommandUI(true);
  EXPECT_EQ(frame->MenuAction(cmd::kEditUndo)->text(), QStringLiteral("Undo Fill\tCtrl+Z"));
  EXPECT_EQ(frame->MenuAction(cmd::kEditUndo)->statusTip(), QStringLiteral("Undo Fill"));
  EXPECT_EQ(frame->ToolbarAction(cmd::kEditUndo)->toolTip(), QStringLiteral("Undo Fill"));
  world.UndoStack()->Clear();
  frame->UpdateCommandUI(true);
  EXPECT_EQ(frame->MenuAction(cmd::kEditUndo)->text(), QStringLiteral("Undo\tCtrl+Z"));
  RemoveUiLanguage();
}

TEST_F(MainFrameTest, PrintsTheViewScaledToThePage) {
  frame->show();
  frame->View()->setStyleSheet("background: red");
  const std::string path = ::testing::TempDir() + "vyr_print_" + std::to_string(::getpid()) + ".pdf";
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  frame->PrintView(&printer);
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_GT(std::filesystem::file_size(path), 500u);
  std::filesystem::remove(path);
}

TEST(EditorApplication, StartsUpOpensTheCommandLineAndSavesSettings) {
  const std::filesystem::path dir =
      std::filesystem::path(::testing::TempDir()) / ("vyr_app_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream((dir / "level.VWD").string()) << "x";
  const std::string profilePath = (dir / "vyrworld.ini").string();
  std::ofstream(profilePath) << "[Options]\nTileDialog=0\n";
  ScriptedInteraction user;
  FakeDocument* document = nullptr;
  {
    CVyrWorldApp::Parts parts;
    parts.makeDocument = [&](CVyrWorldApp&) {
      auto made = std::make_unique<FakeDocument>();
      made->readable = {(dir / "level.VWD").string()};
      document = made.get();
      return made;
    };
    parts.makeView = [](CVyrWorldApp&, CMainFrame&) { return CVyrWorldApp::ViewParts{new QWidget, nullptr}; };
    CVyrWorldApp app(parts, &user, profilePath);
    ASSERT_TRUE(app.InitInstance("\"" + (dir / "level").string() + "\""));
    EXPECT_EQ(app.TileDialogHidden(), 0);
    ASSERT_NE(app.MainFrame(), nullptr);
    EXPECT_TRUE(app.MainFrame()->isVisible());
    EXPECT_EQ(document->opened, std::vector<std::string>{(dir / "level.VWD").string()});
    EXPECT_EQ(document->GetPathName(), (dir / "level.VWD").string());
    EXPECT_EQ(app.MainFrame()->windowTitle(), "level.VWD[*] - VyrWorld");
    EXPECT_EQ(app.Router().Target(CommandRouter::Slot::Document), document);
    Profile onDisk;  // a crash now would keep the recent file
    std::string readError;
    ASSERT_TRUE(onDisk.Load(profilePath, readError));
    EXPECT_EQ(onDisk.GetProfileString("Recent File List", "File1"), (dir / "level.VWD").string());
    app.SetTileDialogHidden(1);
    app.ExitInstance();
  }
  Profile saved;
  std::string error;
  ASSERT_TRUE(saved.Load(profilePath, error));
  EXPECT_EQ(saved.GetProfileInt("Options", "TileDialog", 0), 1);
  EXPECT_EQ(saved.GetProfileString("Recent File List", "File1"), (dir / "level.VWD").string());
  EXPECT_TRUE(user.Unexpected().empty());
  std::filesystem::remove_all(dir);
}

TEST(EditorApplication, StartsWithoutArgumentsWithAnEmptyDocument) {
  ScriptedInteraction user;
  const std::string profilePath = ::testing::TempDir() + "vyr_app_empty_" + std::to_string(::getpid()) + ".ini";
  CVyrWorldApp::Parts parts;
  FakeDocument* document = nullptr;
  parts.makeDocument = [&](CVyrWorldApp&) {
    auto made = std::make_unique<FakeDocument>();
    document = made.get();
    return made;
  };
  CVyrWorldApp app(parts, &user, profilePath);
  ASSERT_TRUE(app.InitInstance(""));
  EXPECT_TRUE(document->opened.empty());
  EXPECT_EQ(document->GetTitle(), "Untitled");
  EXPECT_TRUE(user.Log().empty());
  app.ExitInstance();
  std::filesystem::remove(profilePath);
}

}  // namespace
}  // namespace vyr

namespace vyr {
namespace {

TEST(EditorApplication, TheWindowOpensWhereItWasLeft) {
  const std::string profilePath =
      ::testing::TempDir() + "vyr_app_window_" + std::to_string(::getpid()) + ".ini";
  std::filesystem::remove(profilePath);
  ScriptedInteraction user;
  auto parts = [] {
    CVyrWorldApp::Parts made;
    made.makeDocument = [](CVyrWorldApp&) { return std::make_unique<FakeDocument>(); };
    return made;
  };
  QSize firstSize;
  {
    CVyrWorldApp app(parts(), &user, profilePath);
    ASSERT_TRUE(app.InitInstance(""));
    firstSize = app.MainFrame()->size();
    EXPECT_GE(firstSize.width(), 500);  // never below the frame's minimum
    app.MainFrame()->resize(640, 420);
    QApplication::processEvents();
    app.ExitInstance();
  }
  CVyrWorldApp again(parts(), &user, profilePath);
  ASSERT_TRUE(again.InitInstance(""));
  EXPECT_EQ(again.MainFrame()->size(), QSize(640, 420));
  again.ExitInstance();
  std::filesystem::remove(profilePath);
}

}  // namespace
}  // namespace vyr
