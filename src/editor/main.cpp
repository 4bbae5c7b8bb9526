// The editor program: one application, one document, one frame and one view.
#include <QApplication>

#include "commands/document_commands.h"
#include "editor/app.h"
#include "editor/main_frame.h"
#include "editor/model_dialog.h"
#include "editor/world_view.h"
#include "platform/command_line.h"
#include "world/world_doc.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);  // takes its own options out of argv
  QApplication::setApplicationName(QStringLiteral("vyrworld"));
  QApplication::setDesktopFileName(QStringLiteral("vyrworld"));

  vyr::CVyrWorldApp::Parts parts;
  parts.makeDocument = [](vyr::CVyrWorldApp& app) -> std::unique_ptr<vyr::CDocument> {
    auto document = std::make_unique<vyr::CWorldDoc>(&app.AppProfile(), app.Port());
    vyr::RegisterDocumentCommands(*document);
    vyr::RegisterDocumentDialogs();
    return document;
  };
  parts.makeView = [](vyr::CVyrWorldApp& app, vyr::CMainFrame& frame) {
    auto* view = new vyr::CWorldView(&app.AppProfile(), &frame);
    view->AttachDocument(static_cast<vyr::CWorldDoc&>(*app.Document()));
    return vyr::CVyrWorldApp::ViewParts{view, view};
  };

  vyr::CVyrWorldApp app(std::move(parts));
  if (!app.InitInstance(vyr::JoinArguments(argc, argv))) return 1;
  const int result = QApplication::exec();
  app.ExitInstance();
  return result;
}
