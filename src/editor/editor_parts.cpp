// The document and view the editor program plugs into its application.
#include "editor/editor_parts.h"

#include "commands/document_commands.h"
#include "editor/main_frame.h"
#include "editor/dialogs/document_dialogs.h"
#include "editor/dock_panels.h"
#include "editor/minimap_panel.h"
#include "editor/model_dialog.h"
#include "editor/qt_process_launcher.h"
#include "editor/world_view.h"
#include "platform/profile_keys.h"
#include "res/resources.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {

CVyrWorldApp::Parts MakeEditorParts() {
  CVyrWorldApp::Parts parts;
  parts.makeDocument = [](CVyrWorldApp& app) -> std::unique_ptr<CDocument> {
    auto document = std::make_unique<CWorldDoc>(&app.AppProfile(), app.Port());
    static QtProcessLauncher launcher;
    RegisterDocumentCommands(*document, &launcher);
    RegisterDocumentDialogs();
    return document;
  };
  parts.makeView = [](CVyrWorldApp& app, CMainFrame& frame) {
    auto* view = new CWorldView(&app.AppProfile(), &frame);
    view->AttachDocument(static_cast<CWorldDoc&>(*app.Document()));
    view->Model().SetInteraction(&app.Port());
    // Mouse edits go the way a menu command goes: view, document, frame, application.
    view->Model().SetCommandSender([&app](CommandId id) { app.Router().Execute(id); });
    view->Model().SetModeFrame([&frame](int mode) {
      const int resource = mode == kObjectMode ? res::kMenuObjectMode : res::kMenuTileMode;
      frame.SetMenuResource(resource);
      frame.LoadToolbar(resource);
      frame.LoadAccelerators(resource);
      frame.SetStatusPanes(mode == kObjectMode ? 2 : 1);
    });
    auto& document = static_cast<CWorldDoc&>(*app.Document());
    const DockPanel panels[] = {
        {cmd::kViewMinimap, "Mapa", profile::kMinimap, false, [&] { return new CMinimapPanel(document, *view); }},
    };
    AddDockPanels(frame, app.AppProfile(), panels);
    return CVyrWorldApp::ViewParts{view, view};
  };
  return parts;
}

}  // namespace vyr
