// Translation of the shown texts and the choice of the interface's language.
#include "editor/ui_text.h"

#include <QCoreApplication>
#include <QTranslator>
#include <initializer_list>
#include <memory>

#include "editor/qt_text.h"
#include "editor/qt_translation.h"
#include "platform/profile.h"
#include "platform/profile_keys.h"
#include "platform/shown_text.h"

namespace vyr {

namespace {

constexpr std::string_view kLanguageOption = "--lang";

std::string LowerLayerText(std::string_view source) { return UiText(source).toStdString(); }

// The catalogue InstallUiLanguage put in, so a second call replaces rather than stacks it.
QTranslator* g_uiTranslator = nullptr;
QTranslator* g_qtPolish = nullptr;

}  // namespace

QString UiText(std::string_view source) {
  const QString original = FromUtf8(source);
  // Polish shows the source texts: without the English catalogue there is nothing to look up.
  if (source.empty() || !g_uiTranslator) return original;
  const std::string key(source);
  const QString whole = QCoreApplication::translate(kUiTextContext, key.c_str());
  if (whole != original) return whole;
  for (const std::string_view separator : {std::string_view("\n\n"), std::string_view("\n")}) {
    if (source.find(separator) == std::string_view::npos) continue;
    QString out;
    for (size_t start = 0;;) {
      const size_t end = source.find(separator, start);
      out += UiText(source.substr(start, end == std::string_view::npos ? end : end - start));
      if (end == std::string_view::npos) break;
      out += FromUtf8(separator);
      start = end + separator.size();
    }
    return out;
  }
  return original;
}

std::string TakeLanguageOption(int& argc, char** argv) {
  std::string language;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == kLanguageOption && i + 1 < argc) {
      language = argv[++i];
    } else if (arg.starts_with(kLanguageOption) && arg.size() > kLanguageOption.size() &&
               arg[kLanguageOption.size()] == '=') {
      language = arg.substr(kLanguageOption.size() + 1);
    } else {
      argv[kept++] = argv[i];
    }
  }
  for (int i = kept; i < argc; ++i) argv[i] = nullptr;
  argc = kept;
  return language;
}

std::string ChosenLanguage(const std::string& commandLine, const Profile& profile) {
  if (!commandLine.empty()) return commandLine;
  const std::string saved = profile.GetProfileString(profile::kOptions, profile::kLanguage);
  return saved.empty() ? "pl" : saved;
}

void RemoveUiLanguage() {
  SetShownTextTranslator(nullptr);
  for (QTranslator** translator : {&g_uiTranslator, &g_qtPolish}) {
    if (!*translator) continue;
    QCoreApplication::removeTranslator(*translator);
    delete *translator;
    *translator = nullptr;
  }
}

bool InstallUiLanguage(QCoreApplication& app, const std::string& language) {
  RemoveUiLanguage();
  SetShownTextTranslator(&LowerLayerText);
  if (language == "en") {
    // Qt's own dialogs are English without a catalogue of their own.
    auto english = std::make_unique<QTranslator>(&app);
    if (!english->load(QString::fromUtf8(kEnglishCatalogue)) || !QCoreApplication::installTranslator(english.get()))
      return false;
    g_uiTranslator = english.release();
    return true;
  }
  g_qtPolish = InstallQtTranslation(app);
  return true;
}

}  // namespace vyr
