// Application start-up and shutdown.
#include "editor/app.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "editor/about_dialog.h"
#include "editor/main_frame.h"
#include "editor/qt_interaction_port.h"
#include "editor/qt_text.h"
#include "editor/tile_picker_host.h"
#include "editor/ui_text.h"
#include "editor/world_view.h"
#include "platform/message_format.h"
#include "platform/profile_keys.h"
#include "platform/document.h"
#include "res/messages.h"
#include "res/resources.h"
#include "world/work_keeper.h"
#include "world/world_doc.h"

namespace vyr {

namespace {
// Where the main window was left (profile::kWindow), so the editor opens as the designer arranged it.
void RestorePlacement(QWidget& frame, const Profile& profile) {
  const std::string saved = profile.GetProfileString(profile::kWindow, profile::kPlacement);
  if (!saved.empty() && frame.restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(saved)))) return;
  // First start: a comfortable size that still fits the screen.
  QSize size(1024, 720);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  frame.resize(size);
}
}  // namespace

CVyrWorldApp::CVyrWorldApp(Parts parts, IInteractionPort* port, std::string profilePath)
    : m_parts(std::move(parts)) {
  const std::string_view title = res::LoadString(res::kAppTitleString);
  if (port) {
    m_port = port;
  } else {
    m_qtPort = std::make_unique<QtInteractionPort>(FromUtf8(title));
    m_port = m_qtPort.get();
  }
  m_profile.SetPath(profilePath.empty() ? Profile::DefaultPath() : std::move(profilePath));
}

CVyrWorldApp::~CVyrWorldApp() { ExitInstance(); }

bool CVyrWorldApp::InitInstance(const std::string& rawCommandLine) {
  // 1. The profile with its recent-file list (a broken profile is told, then ignored).
  std::string error;
  if (!m_profile.Load(m_profile.Path(), error)) {
    m_port->Message("The settings file could not be read; defaults are used.\n\n" + error,
                    MessageIcon::Warning);
  }
  // From now on each setting reaches the file when it changes, so a crash keeps it.
  m_profile.SetWriteThrough(true);
  if (m_installLanguage && QCoreApplication::instance()) {
    InstallUiLanguage(*QCoreApplication::instance(), ChosenLanguage(m_languageOption, m_profile));
  }
  m_core = std::make_unique<CApplicationCore>(m_profile, *m_port,
                                              std::string(res::LoadString(res::kDocTemplateString)));
  m_core->Commands().On(cmd::kAppAbout, [this] { ShowAboutBox(m_frame); });

  // 2. The single document, frame and view.
  if (m_parts.makeDocument) m_document = m_parts.makeDocument(*this);
  if (!m_document) return false;
  m_core->SetDocument(m_document.get());
  m_frame = new CMainFrame(m_router, *m_core);
  m_frame->setAttribute(Qt::WA_DeleteOnClose, false);
  if (m_qtPort) m_qtPort->SetParentWindow(m_frame);
  ViewParts view;
  if (m_parts.makeView) view = m_parts.makeView(*this, *m_frame);
  if (view.widget) m_frame->SetView(view.widget);
  m_router.SetTarget(CommandRouter::Slot::View, view.target);
  m_router.SetTarget(CommandRouter::Slot::Document, m_document.get());
  m_router.SetTarget(CommandRouter::Slot::Frame, m_frame);
  m_router.SetTarget(CommandRouter::Slot::Application, m_core.get());
  // The application owns the tile picker of a world document, and its command.
  if (auto* world = dynamic_cast<CWorldDoc*>(m_document.get())) {
    m_picker = std::make_unique<CTilePickerHost>(*world, *m_frame, qobject_cast<CWorldView*>(view.widget),
                                                 m_tileDialogHidden);
    m_picker->Control().RegisterCommands(m_core->Commands());
    m_picker->Control().SetProfile(&m_profile);
    m_keeper = std::make_unique<CWorkKeeper>(*world, CRecoveryStore::Default(), CBackupStore::Default());
    auto* tick = new QTimer(m_frame);
    QObject::connect(tick, &QTimer::timeout, m_frame, [this] {
      // Not while a modal loop (a dialog, a question) holds the document mid-step.
      if (m_keeper && !QApplication::activeModalWidget()) m_keeper->Tick();
    });
    tick->start(1000);
  }

  // 3. Shell registration is the .desktop file and MIME type installed with the program.
  // 4. Whether the user hid the tile picker.
  m_tileDialogHidden = m_profile.GetProfileInt(profile::kOptions, profile::kTileDialog, 1);

  // 5-6. The empty new document the framework always starts with.
  if (!m_document->OnNewDocument()) return false;
  RestorePlacement(*m_frame, m_profile);
  m_frame->show();

  // 7. Dropped files are accepted by the frame itself.
  // 9. The world named on the command line.
  if (!rawCommandLine.empty()) {
    m_core->OpenStartupPath(rawCommandLine);
  } else if (m_keeper) {
    // Without a world to open, the newest copy of unsaved changes is offered.
    OfferNewestRecovery();
  }
  m_frame->UpdateCommandUI(true);
  return true;
}

void CVyrWorldApp::OfferNewestRecovery() {
  auto* world = dynamic_cast<CWorldDoc*>(m_document.get());
  for (const StoredCopy& copy : m_keeper->Recovery().List()) {
    if (!m_keeper->Recovery().NewerCopy(copy.worldPath)) continue;
    if (!m_port->AskYesNo(FormatMessage(res::text::kRecoverQuestion, {FormatCopyTime(copy.written)}))) return;
    if (!world->OpenCopy(copy.worldPath, copy.path, true))
      m_port->Message(world->FailureReason(), MessageIcon::Error);
    return;
  }
}

void CVyrWorldApp::ExitInstance() {
  if (m_exited) return;
  m_exited = true;
  // What the parts write as they go is saved once, at the end.
  Profile::Batch batch(m_profile);
  m_router = CommandRouter();
  if (m_frame && m_core)
    m_profile.WriteProfileString(profile::kWindow, profile::kPlacement, m_frame->saveGeometry().toBase64().toStdString());
  if (m_picker) {
    m_core->Commands().Remove(cmd::kTilePicker);
    m_picker.reset();
  }
  if (m_keeper) {
    m_keeper->CleanExit();
    m_keeper.reset();
  }
  // The frame owns the view; both go before the document, as the framework destroys them.
  delete m_frame;
  m_frame = nullptr;
  if (m_qtPort) m_qtPort->SetParentWindow(nullptr);
  if (m_core) m_core->SetDocument(nullptr);
  m_document.reset();
  if (!m_core) return;
  m_profile.WriteProfileInt(profile::kOptions, profile::kTileDialog, m_tileDialogHidden);
  std::string error;
  if (!m_core->SaveSettings(error)) {
    m_port->Message("The settings could not be saved.\n\n" + error, MessageIcon::Warning);
  }
}

}  // namespace vyr
