// The interface's language: the translation of every text the program shows, and the
// choice between the Polish source texts and English.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QCoreApplication;
class QTranslator;

namespace vyr {

class Profile;

// The one translation context of the program's own texts.
inline constexpr const char* kUiTextContext = "VyrWorld";

// `source` (UTF-8, the Polish or the design's own text) in the installed language. A
// text without a translation of its own is translated paragraph by paragraph, then line
// by line, since messages are often put together from table texts; what still has none
// is shown as written.
QString UiText(std::string_view source);

// The program's English catalogue, compiled into the program's resources.
inline constexpr const char* kEnglishCatalogue = ":/i18n/vyrworld_en.qm";

// The language asked for: "--lang <code>" or "--lang=<code>" on the command line (taken
// out of argv, as it is no part of the world path), else Options/Language of the profile,
// else "pl".
std::string TakeLanguageOption(int& argc, char** argv);
std::string ChosenLanguage(const std::string& commandLine, const Profile& profile);

// Installs the language: "en" the program's English catalogue, anything else Polish (the
// source texts, with Qt's own Polish catalogue for its dialogs). The lower layers'
// composed texts are translated through the same catalogue. False when the English
// catalogue cannot be loaded: the texts then stay Polish.
bool InstallUiLanguage(QCoreApplication& app, const std::string& language);
// Takes out what InstallUiLanguage put in: the source texts again, Qt's own in English.
void RemoveUiLanguage();

}  // namespace vyr
