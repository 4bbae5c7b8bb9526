// CVyrWorldApp: start-up in the framework's order, the single document, frame and view,
// and the settings written at exit.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/application_core.h"
#include "platform/command_table.h"
#include "platform/profile.h"

class QWidget;

namespace vyr {

class CDocument;
class CMainFrame;
class CTilePickerHost;
class CWorkKeeper;
class IInteractionPort;
class QtInteractionPort;

class CVyrWorldApp {
 public:
  // What the document and view helpers plug in.
  struct ViewParts {
    QWidget* widget = nullptr;        // owned by the frame once set
    CommandTarget* target = nullptr;  // first in the routing chain, or null
  };
  struct Parts {
    std::function<std::unique_ptr<CDocument>(CVyrWorldApp&)> makeDocument;
    std::function<ViewParts(CVyrWorldApp&, CMainFrame&)> makeView;
  };

  // `port` null: message boxes and dialogs through Qt. `profilePath` empty: the default.
  explicit CVyrWorldApp(Parts parts, IInteractionPort* port = nullptr, std::string profilePath = {});
  ~CVyrWorldApp();
  CVyrWorldApp(const CVyrWorldApp&) = delete;
  CVyrWorldApp& operator=(const CVyrWorldApp&) = delete;

  // Makes InitInstance install the interface's language once the profile is read:
  // `commandLine` (the --lang option) when given, else the profile's.
  void ChooseLanguage(std::string commandLine) {
    m_languageOption = std::move(commandLine);
    m_installLanguage = true;
  }

  // Start-up: profile, document/frame/view, the empty new document, dropped files, then
  // the world named on the command line (the text after the program name, whole).
  bool InitInstance(const std::string& rawCommandLine);
  // Destroys view, frame and document (they write their settings), then writes the
  // recent-file list and the profile file. Safe to call twice.
  void ExitInstance();

  CMainFrame* MainFrame() const { return m_frame; }
  CDocument* Document() const { return m_document.get(); }
  Profile& AppProfile() { return m_profile; }
  CommandRouter& Router() { return m_router; }
  IInteractionPort& Port() { return *m_port; }

  // Options/TileDialog: 1 when the user hid the tile picker.
  int TileDialogHidden() const { return m_tileDialogHidden; }
  void SetTileDialogHidden(int hidden) { m_tileDialogHidden = hidden; }
  // The tile picker ("Okno Wyboru"); null unless the document is a world document.
  CTilePickerHost* TilePicker() const { return m_picker.get(); }
  // Recovery copies and backups of a world document (null otherwise).
  CWorkKeeper* Keeper() const { return m_keeper.get(); }

 private:
  // At a start-up without a world: the newest recovery copy newer than its world.
  void OfferNewestRecovery();

  Parts m_parts;
  Profile m_profile;
  std::unique_ptr<QtInteractionPort> m_qtPort;
  IInteractionPort* m_port = nullptr;
  std::unique_ptr<CApplicationCore> m_core;
  std::unique_ptr<CDocument> m_document;
  CMainFrame* m_frame = nullptr;
  CommandRouter m_router;
  int m_tileDialogHidden = 1;
  std::unique_ptr<CTilePickerHost> m_picker;
  std::unique_ptr<CWorkKeeper> m_keeper;
  bool m_exited = false;
  bool m_installLanguage = false;
  std::string m_languageOption;
};

}  // namespace vyr
