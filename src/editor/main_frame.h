// CMainFrame: the main window with its menus, accelerators, toolbar and status panes,
// all built from the resource tables and routed through the command table.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <span>
#include <vector>

#include "platform/command_table.h"
#include "res/resources.h"

class QAction;
class QImage;
class QLabel;
class QMenu;
class QPrinter;
class QTimer;
class QToolBar;

namespace vyr {

class CApplicationCore;

class CMainFrame : public QMainWindow, public CommandTarget {
  Q_OBJECT

 public:
  static constexpr int kMinimumWidth = 500;
  static constexpr int kMinimumHeight = 360;
  static constexpr int kInitialWidth = 800;
  static constexpr int kInitialHeight = 600;
  static constexpr int kIdleUpdateMs = 100;

  CMainFrame(CommandRouter& router, CApplicationCore& app, QWidget* parent = nullptr);
  ~CMainFrame() override;

  // The view fills the client area; the frame owns the widget from now on.
  void SetView(QWidget* view);
  QWidget* View() const { return m_view; }

  // What the view switches between tile mode and object mode.
  void SetMenuResource(int resourceId);
  int MenuResource() const { return m_menuResource; }
  bool LoadToolbar(int resourceId);
  int ToolbarResource() const { return m_toolbarResource; }
  void LoadAccelerators(int resourceId);
  int AcceleratorResource() const { return m_acceleratorResource; }
  // 1: the tile-mode panes, 2: the object-mode panes; any other number does nothing.
  void SetStatusPanes(int set);
  int StatusPaneSet() const { return m_paneSet; }

  // The idle update: toolbar buttons, status panes and window title; with
  // `includeMenus` also every menu entry (menus otherwise update as they open).
  void UpdateCommandUI(bool includeMenus = false);

  // Runs a command as if chosen from a menu (disabled commands do nothing).
  bool SendCommand(CommandId id);
  // Runs it once the current event has been handled (the framework's posted command).
  void PostCommand(CommandId id);

  // Lookups, for the view and for tests. `occurrence` picks among entries of one id.
  QAction* MenuAction(CommandId id, int occurrence = 0) const;
  QAction* ToolbarAction(CommandId id) const;
  QLabel* StatusPane(CommandId id) const;
  std::vector<CommandId> ToolbarIds() const;
  std::vector<CommandId> StatusPaneIds() const;

  // Draws the view's current picture on a printer page, scaled to fit.
  void PrintView(QPrinter* printer);
  // What a print shows of the view.
  QImage PrintPicture() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct MenuEntry {
    QPointer<QAction> action;
    const res::MenuItem* item;
  };

  void BuildMenu(QMenu* menu, std::span<const res::MenuItem> items);
  void RebuildRecentFiles(QMenu* menu);
  void UpdateMenu(QMenu* menu);
  void ApplyMenuState(QAction* action, const res::MenuItem& item, const CommandState& state);
  void UpdateToolbar();
  void UpdateStatusPanes();
  void UpdateTitle();
  QString KeyHint(CommandId id, int choice) const;
  QAction* MakeCommandAction(CommandId id, const QString& text, QObject* parent);
  // A key of the accelerator table was pressed (see TraceAccelerator).
  void RunAccelerator(CommandId id);
  void RegisterFrameCommands();
  QPrinter& Printer();

  CommandRouter& m_router;
  CApplicationCore& m_app;
  QWidget* m_view = nullptr;
  QToolBar* m_toolBar = nullptr;
  QTimer* m_idleTimer = nullptr;
  std::unique_ptr<QPrinter> m_printer;

  int m_menuResource = 0;
  int m_toolbarResource = 0;
  int m_acceleratorResource = 0;
  int m_paneSet = 0;

  std::multimap<CommandId, MenuEntry> m_menuActions;
  std::map<QMenu*, std::vector<MenuEntry>> m_menuEntries;
  QMenu* m_fileMenu = nullptr;
  std::vector<QPointer<QAction>> m_recentActions;
  QAction* m_recentPlaceholder = nullptr;
  std::map<CommandId, QAction*> m_toolbarActions;
  std::vector<QAction*> m_acceleratorActions;
  std::map<CommandId, std::vector<QKeySequence>> m_keysById;
  std::vector<std::pair<CommandId, QLabel*>> m_panes;
};

}  // namespace vyr
