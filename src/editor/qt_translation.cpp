// Loading of Qt's Polish translation catalogue.
#include "editor/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vyr {

QTranslator* InstallQtTranslation(QCoreApplication& app) {
  return InstallQtTranslation(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QTranslator* InstallQtTranslation(QCoreApplication& app, const QString& directory) {
  // "qt_pl" pulls in the catalogues of the modules it names (qtbase_pl among them).
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qt"), QStringLiteral("_"),
                       directory) &&
      QCoreApplication::installTranslator(translator)) {
    return translator;
  }
  delete translator;
  return nullptr;
}

}  // namespace vyr
