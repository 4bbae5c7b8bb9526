// The editor program: one application, one document, one frame and one view.
#include <QApplication>

#include "editor/editor_parts.h"
#include "editor/ui_text.h"
#include "platform/command_line.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);  // takes its own options out of argv
  QApplication::setApplicationName(QStringLiteral("vyrworld"));
  QApplication::setDesktopFileName(QStringLiteral("vyrworld"));

  vyr::CVyrWorldApp app(vyr::MakeEditorParts());
  app.ChooseLanguage(vyr::TakeLanguageOption(argc, argv));
  if (!app.InitInstance(vyr::JoinArguments(argc, argv))) return 1;
  const int result = QApplication::exec();
  app.ExitInstance();
  return result;
}
