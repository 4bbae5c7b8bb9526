// Qt's own dialogs (file, print, message-box buttons) in Polish, like the rest of the program.
#pragma once

class QCoreApplication;
class QString;

namespace vyr {

// Installs Qt's Polish translation from `directory` (default: Qt's translations folder).
// False when it is not there (Debian's qt6-translations-l10n missing): Qt stays English.
bool InstallQtTranslation(QCoreApplication& app);
bool InstallQtTranslation(QCoreApplication& app, const QString& directory);

}  // namespace vyr
