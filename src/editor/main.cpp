// The editor program: one application, one document, one frame and one view.
#include <QApplication>
#include <QPalette>
#include <QWidget>

#include "editor/app.h"
#include "editor/empty_document.h"
#include "editor/main_frame.h"
#include "platform/command_line.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);  // takes its own options out of argv
  QApplication::setApplicationName(QStringLiteral("vyrworld"));
  QApplication::setDesktopFileName(QStringLiteral("vyrworld"));

  vyr::CVyrWorldApp::Parts parts;
  parts.makeDocument = [](vyr::CVyrWorldApp&) { return std::make_unique<vyr::EmptyDocument>(); };
  parts.makeView = [](vyr::CVyrWorldApp&, vyr::CMainFrame& frame) {
    auto* client = new QWidget(&frame);
    client->setAutoFillBackground(true);
    client->setBackgroundRole(QPalette::Dark);
    return vyr::CVyrWorldApp::ViewParts{client, nullptr};
  };

  vyr::CVyrWorldApp app(std::move(parts));
  if (!app.InitInstance(vyr::JoinArguments(argc, argv))) return 1;
  const int result = QApplication::exec();
  app.ExitInstance();
  return result;
}
