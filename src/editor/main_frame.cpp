// Main window: resource-built menus, accelerators, toolbar and status panes; routing,
// idle updates, title, close question, dropped files and printing of the view.
#include "editor/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

#include "editor/accelerator_keys.h"
#include "editor/help_window.h"
#include "editor/qt_text.h"
#include "editor/toolbar_icons.h"
#include "editor/ui_text.h"
#include "editor/world_view.h"
#include "platform/application_core.h"
#include "platform/doc_template.h"
#include "platform/document.h"
#include "res/messages.h"

// The icons live in a static library, so their resource must be pulled in by name.
static void InitEditorResources() { Q_INIT_RESOURCE(vyrworld); }

namespace vyr {
namespace {

constexpr const char* kIdProperty = "vyrCommandId";
constexpr const char* kBaseTextProperty = "vyrBaseText";
// The tips a command's action has of its own, for when a run-time prompt ends.
constexpr const char* kBaseTipProperty = "vyrBaseTip";
constexpr const char* kToolTipProperty = "vyrToolTip";

// A run-time prompt (the step "Cofnij" takes back) replaces the tip while it is set.
QString TipFor(const CommandState& state, const QAction& action, const char* tipProperty) {
  return state.prompt ? UiText(*state.prompt) : action.property(tipProperty).toString();
}

QString StripMnemonics(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  return text;
}

}  // namespace

CMainFrame::CMainFrame(CommandRouter& router, CApplicationCore& app, QWidget* parent)
    : QMainWindow(parent), m_router(router), m_app(app) {
  InitEditorResources();
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  resize(kInitialWidth, kInitialHeight);
  setAcceptDrops(true);
  setWindowIcon(QIcon(QStringLiteral(":/icons/vyrworld.png")));

  m_toolBar = new QToolBar(this);
  m_toolBar->setObjectName(QStringLiteral("toolbar"));
  m_toolBar->setIconSize(QSize(16, 16));
  m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
  addToolBar(Qt::TopToolBarArea, m_toolBar);

  statusBar()->setSizeGripEnabled(true);
  // The message pane's idle text: the status bar hides it while a prompt is shown.
  auto* idle = new QLabel(UiText(res::text::kIdleMessage), statusBar());
  idle->setObjectName(QStringLiteral("idleMessage"));
  idle->setContentsMargins(4, 0, 0, 0);  // where the status bar writes its prompts
  statusBar()->addWidget(idle, 1);

  RegisterFrameCommands();
  new KeypadKeys(*this, [this] { return res::Accelerators(m_acceleratorResource); },
                 [this](CommandId id) { RunAccelerator(id); });
  SetMenuResource(res::kMenuTileMode);
  LoadAccelerators(res::kMenuTileMode);
  LoadToolbar(res::kMenuTileMode);
  SetStatusPanes(1);

  m_idleTimer = new QTimer(this);
  m_idleTimer->setInterval(kIdleUpdateMs);
  connect(m_idleTimer, &QTimer::timeout, this, [this] { UpdateCommandUI(false); });
  m_idleTimer->start();
  UpdateCommandUI(false);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::RegisterFrameCommands() {
  Commands().On(cmd::kViewToolbar, [this] { m_toolBar->setHidden(!m_toolBar->isHidden()); });
  Commands().OnUpdate(cmd::kViewToolbar, [this](CommandState& s) { s.SetCheck(!m_toolBar->isHidden()); });
  Commands().On(cmd::kViewStatusBar, [this] { statusBar()->setHidden(!statusBar()->isHidden()); });
  Commands().OnUpdate(cmd::kViewStatusBar,
                      [this](CommandState& s) { s.SetCheck(!statusBar()->isHidden()); });
  Commands().On(cmd::kAppExit, [this] { close(); });
  Commands().On(cmd::kContextHelp, [] { QWhatsThis::enterWhatsThisMode(); });
  Commands().On(cmd::kHelp, [this] { ShowHelpWindow(this); });

  auto needsView = [this](CommandState& s) { s.Enable(m_view != nullptr); };
  Commands().On(cmd::kFilePrintSetup, [this] {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
  });
  Commands().On(cmd::kFilePrint, [this] {
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() == QDialog::Accepted) PrintView(&Printer());
  });
  Commands().OnUpdate(cmd::kFilePrint, needsView);
  Commands().On(cmd::kFilePrintPreview, [this] {
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PrintView(p); });
    preview.exec();
  });
  Commands().OnUpdate(cmd::kFilePrintPreview, needsView);
}

QPrinter& CMainFrame::Printer() {
  if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *m_printer;
}

QImage CMainFrame::PrintPicture() const {
  if (!m_view) return {};
  // The world view prints what its paint composes, without scroll bars and cursor frames.
  if (const auto* world = qobject_cast<const CWorldView*>(m_view)) return world->Picture();
  return m_view->grab().toImage();
}

void CMainFrame::PrintView(QPrinter* printer) {
  if (!m_view || !printer) return;
  const QImage picture = PrintPicture();
  QPainter painter(printer);
  if (!painter.isActive()) return;
  const QRect page = painter.viewport();
  QSize size = picture.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.setViewport(page.x(), page.y(), size.width(), size.height());
  painter.setWindow(picture.rect());
  painter.drawImage(0, 0, picture);
}

void CMainFrame::SetView(QWidget* view) {
  m_view = view;
  setCentralWidget(view);
}

bool CMainFrame::SendCommand(CommandId id) {
  const bool ran = m_router.Execute(id);
  UpdateCommandUI(false);
  return ran;
}

void CMainFrame::PostCommand(CommandId id) {
  QTimer::singleShot(0, this, [this, id] { SendCommand(id); });
}

QAction* CMainFrame::MakeCommandAction(CommandId id, const QString& text, QObject* parent) {
  auto* action = new QAction(text, parent);
  action->setProperty(kIdProperty, uint(id));
  const std::string_view prompt = res::StatusPrompt(id);
  if (!prompt.empty()) action->setStatusTip(UiText(prompt));
  action->setProperty(kBaseTipProperty, action->statusTip());
  connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
  return action;
}

// ---- Menus ----

namespace {

// As on Windows, an accelerator wins over a menu's mnemonic: a title whose Alt+letter the
// table takes ("&File" beside Alt+F, repair) loses its underline, so Qt sees no ambiguity.
QString WithoutTakenMnemonic(QString title, int tableId) {
  for (qsizetype at = title.indexOf(QLatin1Char('&')); at >= 0 && at + 1 < title.size();
       at = title.indexOf(QLatin1Char('&'), at + 2)) {
    if (title[at + 1] == QLatin1Char('&')) continue;
    const char16_t letter = title[at + 1].toUpper().unicode();
    for (const res::Accelerator& accelerator : res::Accelerators(tableId)) {
      if (accelerator.modifiers == res::kAlt && accelerator.key == letter) return title.remove(at, 1);
    }
    break;
  }
  return title;
}

}  // namespace

void CMainFrame::SetMenuResource(int resourceId) {
  if (res::Menu(resourceId).empty()) return;
  m_menuActions.clear();
  m_menuEntries.clear();
  m_recentActions.clear();
  m_recentPlaceholder = nullptr;
  m_fileMenu = nullptr;
  m_menuResource = resourceId;
  // The old bar may be the sender of the command that switches menus: Qt deletes it later.
  auto* bar = new QMenuBar(this);
  for (const res::MenuItem& top : res::Menu(resourceId)) {
    // Each menu resource has the accelerator table of the same number.
    QMenu* menu = bar->addMenu(WithoutTakenMnemonic(UiText(top.text), resourceId));
    BuildMenu(menu, top.children);
  }
  setMenuBar(bar);
}

void CMainFrame::BuildMenu(QMenu* menu, std::span<const res::MenuItem> items) {
  std::vector<MenuEntry>& entries = m_menuEntries[menu];
  for (const res::MenuItem& item : items) {
    switch (item.kind) {
      case res::MenuItem::Kind::Separator:
        menu->addSeparator();
        break;
      case res::MenuItem::Kind::Popup:
        BuildMenu(menu->addMenu(UiText(item.text)), item.children);
        break;
      case res::MenuItem::Kind::Command: {
        QAction* action = MakeCommandAction(item.id, UiText(item.text), menu);
        action->setProperty(kBaseTextProperty, UiText(item.text));
        if (item.checkable) action->setCheckable(true);
        menu->addAction(action);
        if (item.recentFiles) {
          m_fileMenu = menu;
          m_recentPlaceholder = action;
          continue;  // the recent entries are built when the menu opens
        }
        MenuEntry entry{action, &item};
        entries.push_back(entry);
        m_menuActions.emplace(item.id, entry);
        break;
      }
    }
  }
  connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
}

void CMainFrame::RebuildRecentFiles(QMenu* menu) {
  for (const QPointer<QAction>& action : m_recentActions) {
    if (action) {
      menu->removeAction(action);
      action->deleteLater();
    }
  }
  m_recentActions.clear();
  const RecentFileList& recent = m_app.RecentFiles();
  if (!m_recentPlaceholder) return;
  m_recentPlaceholder->setVisible(recent.IsEmpty());
  m_recentPlaceholder->setEnabled(false);
  for (int i = 0; i < recent.Size(); ++i) {
    if (recent[i].empty()) continue;
    const CommandId id = cmd::kFileRecent1 + CommandId(i);
    QAction* action = MakeCommandAction(id, QString::fromStdString(recent.MenuText(i)), menu);
    action->setStatusTip(QString::fromStdString(recent[i]));
    menu->insertAction(m_recentPlaceholder, action);
    m_recentActions.emplace_back(action);
  }
}

void CMainFrame::UpdateMenu(QMenu* menu) {
  if (menu == m_fileMenu) RebuildRecentFiles(menu);
  auto found = m_menuEntries.find(menu);
  if (found == m_menuEntries.end()) return;
  for (const MenuEntry& entry : found->second) {
    if (entry.action) ApplyMenuState(entry.action, *entry.item, m_router.QueryState(entry.item->id));
  }
  if (menu == m_fileMenu) {
    for (const QPointer<QAction>& action : m_recentActions) {
      if (action) action->setEnabled(m_router.QueryState(action->property(kIdProperty).toUInt()).enabled);
    }
  }
}

void CMainFrame::ApplyMenuState(QAction* action, const res::MenuItem& item, const CommandState& state) {
  action->setEnabled(state.enabled);
  if (item.checkable || state.checked) {
    action->setCheckable(true);
    action->setChecked(state.checked);
  }
  QString text = state.text ? UiText(*state.text)
                            : action->property(kBaseTextProperty).toString();
  // A run-time text that names its own key keeps it; otherwise show the active table's key.
  if (!text.contains(QLatin1Char('\t'))) {
    const QString hint = KeyHint(item.id, item.keyChoice);
    if (!hint.isEmpty()) text += QLatin1Char('\t') + hint;
  }
  if (action->text() != text) action->setText(text);
  if (const QString tip = TipFor(state, *action, kBaseTipProperty); action->statusTip() != tip) action->setStatusTip(tip);
}

QString CMainFrame::KeyHint(CommandId id, int choice) const {
  auto found = m_keysById.find(id);
  if (found == m_keysById.end() || found->second.empty()) return {};
  const auto& keys = found->second;
  // Untranslated names: Qt's Polish catalogue turns Home into "Katalog domowy".
  return keys[size_t(choice) < keys.size() ? size_t(choice) : 0].toString(QKeySequence::PortableText);
}

// ---- Accelerators ----

void CMainFrame::LoadAccelerators(int resourceId) {
  for (QAction* action : m_acceleratorActions) {
    removeAction(action);
    action->deleteLater();
  }
  m_acceleratorActions.clear();
  m_keysById.clear();
  m_acceleratorResource = resourceId;
  for (const res::Accelerator& accelerator : res::Accelerators(resourceId)) {
    const QList<QKeySequence> keys = KeySequencesFor(accelerator);
    if (keys.isEmpty()) continue;
    m_keysById[accelerator.id].push_back(keys.front());
    if (IsKeypadAccelerator(accelerator)) continue;  // KeypadKeys runs them
    const CommandId id = accelerator.id;
    auto* action = new QAction(this);
    connect(action, &QAction::triggered, this, [this, id] { RunAccelerator(id); });
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    // Always enabled: the router refuses disabled commands when the key is pressed.
    addAction(action);
    m_acceleratorActions.push_back(action);
  }
}

void CMainFrame::RunAccelerator(CommandId id) {
  // Only the mode switch runs while keys are traced, so that a test reaches both tables.
  if (TraceAccelerator(m_acceleratorResource, id) && id != cmd::kToggleMode) return;
  SendCommand(id);
}

// ---- Toolbar ----

bool CMainFrame::LoadToolbar(int resourceId) {
  std::span<const CommandId> buttons = res::Toolbar(resourceId);
  if (buttons.empty()) return false;
  m_toolBar->clear();
  for (auto& [id, action] : m_toolbarActions) action->deleteLater();
  m_toolbarActions.clear();
  m_toolbarResource = resourceId;
  for (CommandId id : buttons) {
    if (id == res::kToolbarSeparator) {
      m_toolBar->addSeparator();
      continue;
    }
    QString tip = UiText(res::ToolTip(id));
    // A button without its own tip is named by its menu entry, in whichever menu and
    // however deep the entry sits.
    if (tip.isEmpty()) tip = StripMnemonics(UiText(res::MenuEntryText(id)));
    QAction* action = MakeCommandAction(id, tip, this);
    action->setIcon(ToolbarIcon(id));
    action->setToolTip(tip);
    action->setProperty(kToolTipProperty, tip);
    m_toolBar->addAction(action);
    m_toolbarActions[id] = action;
  }
  UpdateToolbar();
  return true;
}

void CMainFrame::UpdateToolbar() {
  for (auto& [id, action] : m_toolbarActions) {
    CommandState state = m_router.QueryState(id);
    action->setEnabled(state.enabled);
    if (state.checked || action->isCheckable()) {
      action->setCheckable(true);
      action->setChecked(state.checked);
    }
    if (const QString tip = TipFor(state, *action, kToolTipProperty); action->toolTip() != tip) action->setToolTip(tip);
  }
}

// ---- Status panes ----

void CMainFrame::SetStatusPanes(int set) {
  std::span<const CommandId> panes = res::StatusPanes(set);
  if (panes.empty()) return;
  // Deleted at once: removed panes left for a later deletion showed again beside the new set.
  for (auto& [id, label] : m_panes) {
    statusBar()->removeWidget(label);
    delete label;
  }
  m_panes.clear();
  m_paneSet = set;
  for (CommandId id : panes) {
    if (id == cmd::kMessagePane) continue;  // the status bar's own message area
    const QString sizing = UiText(res::LoadString(id));
    auto* label = new QLabel(statusBar());
    label->setObjectName(QStringLiteral("pane%1").arg(id));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(sizing) + 2 * label->frameWidth() + 6);
    statusBar()->addPermanentWidget(label);
    m_panes.emplace_back(id, label);
  }
  UpdateStatusPanes();
}

void CMainFrame::UpdateStatusPanes() {
  for (auto& [id, label] : m_panes) {
    // A pane shows what its update handler says; one nobody updates stays blank (its
    // string only sizes it) rather than showing the sizing text as if it were a value.
    CommandState state = m_router.QueryState(id, /*disableIfNoHandler=*/false);
    const QString text = state.enabled && state.text ? UiText(*state.text) : QString();
    if (label->text() != text) label->setText(text);
  }
}

// ---- Idle update and title ----

void CMainFrame::UpdateCommandUI(bool includeMenus) {
  UpdateToolbar();
  UpdateStatusPanes();
  UpdateTitle();
  if (includeMenus) {
    for (auto& [menu, entries] : m_menuEntries) UpdateMenu(menu);
  }
}

void CMainFrame::UpdateTitle() {
  const QString appTitle =
      QString::fromStdString(DocTemplatePart(m_app.DocTemplate(), DocString::WindowTitle));
  CDocument* doc = m_app.Document();
  QString title = appTitle;
  if (doc) title = QString::fromStdString(doc->DisplayTitle()) + QStringLiteral("[*] - ") + appTitle;
  if (windowTitle() != title) setWindowTitle(title);
  setWindowModified(doc && doc->IsModified());
}

// ---- Window events ----

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (m_app.SaveAllModified()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* data = event->mimeData();
  if (data && data->hasUrls() && !data->urls().isEmpty() && data->urls().front().isLocalFile()) {
    event->acceptProposedAction();
  }
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QMimeData* data = event->mimeData();
  if (!data || !data->hasUrls()) return;
  // A single-document editor: the first dropped file is opened, like File Open.
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    event->acceptProposedAction();
    activateWindow();
    m_app.OpenDocumentFile(url.toLocalFile().toStdString());
    UpdateCommandUI(false);
    return;
  }
}

// ---- Lookups ----

QAction* CMainFrame::MenuAction(CommandId id, int occurrence) const {
  auto [begin, end] = m_menuActions.equal_range(id);
  for (auto it = begin; it != end; ++it, --occurrence) {
    if (occurrence == 0) return it->second.action;
  }
  if (id >= cmd::kFileRecent1 && id < cmd::kFileRecent1 + cmd::kRecentFileCount) {
    for (const QPointer<QAction>& action : m_recentActions) {
      if (action && action->property(kIdProperty).toUInt() == id) return action;
    }
  }
  return nullptr;
}

QAction* CMainFrame::ToolbarAction(CommandId id) const {
  auto found = m_toolbarActions.find(id);
  return found == m_toolbarActions.end() ? nullptr : found->second;
}

QLabel* CMainFrame::StatusPane(CommandId id) const {
  for (const auto& [paneId, label] : m_panes) {
    if (paneId == id) return label;
  }
  return nullptr;
}

std::vector<CommandId> CMainFrame::ToolbarIds() const {
  std::vector<CommandId> ids;
  for (QAction* action : m_toolBar->actions()) {
    ids.push_back(action->isSeparator() ? res::kToolbarSeparator : action->property(kIdProperty).toUInt());
  }
  return ids;
}

std::vector<CommandId> CMainFrame::StatusPaneIds() const {
  std::vector<CommandId> ids{cmd::kMessagePane};
  for (const auto& [id, label] : m_panes) ids.push_back(id);
  return ids;
}

}  // namespace vyr
