// Detached process start through QProcess.
#include "editor/qt_process_launcher.h"

#include <QProcess>

namespace vyr {

bool QtProcessLauncher::StartDetached(const std::string& commandLine, const std::string& workingDirectory,
                                      std::string& error) {
  QStringList arguments = QProcess::splitCommand(QString::fromStdString(commandLine));
  if (arguments.isEmpty()) {
    error = "the game command line is empty";
    return false;
  }
  const QString program = arguments.takeFirst();
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  process.setWorkingDirectory(QString::fromStdString(workingDirectory));
  if (!process.startDetached()) {
    error = "cannot start '" + program.toStdString() + "': " + process.errorString().toStdString();
    return false;
  }
  return true;
}

}  // namespace vyr
