// Detached process start through QProcess.
#include "editor/qt_process_launcher.h"

#include <QFile>
#include <QProcess>

namespace vyr {

bool QtProcessLauncher::StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                                      const std::string& workingDirectory, std::string& error) {
  // Names go to the system as the bytes they are, like every other path the editor opens.
  auto name = [](const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); };
  QStringList list;
  for (const std::string& argument : arguments) list << name(argument);
  QProcess process;
  process.setProgram(name(program));
  process.setArguments(list);
  process.setWorkingDirectory(name(workingDirectory));
  process.setStandardInputFile(QProcess::nullDevice());
  if (!process.startDetached()) {
    error = process.errorString().toStdString();
    return false;
  }
  return true;
}

}  // namespace vyr
