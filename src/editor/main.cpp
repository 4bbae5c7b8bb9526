// The editor program: one application, one document, one frame and one view.
#include <QApplication>

#include "editor/editor_parts.h"
#include "editor/qt_translation.h"
#include "platform/command_line.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);  // takes its own options out of argv
  QApplication::setApplicationName(QStringLiteral("vyrworld"));
  QApplication::setDesktopFileName(QStringLiteral("vyrworld"));
  vyr::InstallQtTranslation(qapp);  // without it Qt's own dialogs stay English

  vyr::CVyrWorldApp app(vyr::MakeEditorParts());
  if (!app.InitInstance(vyr::JoinArguments(argc, argv))) return 1;
  const int result = QApplication::exec();
  app.ExitInstance();
  return result;
}
