// Qt's own dialogs (file, print, message-box buttons) in Polish, like the rest of the program.
#pragma once

class QCoreApplication;
class QString;
class QTranslator;

namespace vyr {

// Installs Qt's Polish translation from `directory` (default: Qt's translations folder) and
// returns it (owned by `app`). Null when it is not there (Debian's qt6-translations-l10n
// missing): Qt's texts then stay English.
QTranslator* InstallQtTranslation(QCoreApplication& app);
QTranslator* InstallQtTranslation(QCoreApplication& app, const QString& directory);

}  // namespace vyr
