// The English interface: every text the program can show has an English translation in
// the compiled catalogue, and the language is chosen from the command line or the profile.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "commands/help_text.h"
#include "editor/ui_text.h"
#include "platform/doc_template.h"
#include "platform/file_filter.h"
#include "platform/message_format.h"
#include "platform/profile.h"
#include "platform/profile_keys.h"
#include "res/resources.h"
#include "test_application.h"

namespace vyr {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(VYR_TEST_DATA_DIR).parent_path().parent_path() / "src";

// Each text once, with where it was found (for the failure message).
using Catalogue = std::map<std::string, std::string>;

void AddText(Catalogue& texts, std::string_view text, const std::string& where) {
  const bool hasLetter =
      std::any_of(text.begin(), text.end(), [](char c) { return std::isalpha(uint8_t(c)) || uint8_t(c) >= 0x80; });
  if (hasLetter) texts.emplace(std::string(text), where);
}

// A filter ("Name|*.a|...||") is shown by its names; other texts as they stand.
void AddShown(Catalogue& texts, std::string_view text, const std::string& where) {
  if (text.ends_with("||")) {
    for (const FileFilter& filter : ParseFileFilter(text)) {
      const std::string& label = filter.label;
      const size_t first = label.find_first_not_of(' '), last = label.find_last_not_of(' ');
      if (first != std::string::npos) AddText(texts, label.substr(first, last - first + 1), where);
    }
  } else {
    AddText(texts, text, where);
  }
}

void AddMenu(Catalogue& texts, std::span<const res::MenuItem> items, int menu) {
  for (const res::MenuItem& item : items) {
    AddText(texts, item.text, "menu " + std::to_string(menu));
    AddMenu(texts, item.children, menu);
  }
}

// The string literals of a C++ source (adjacent ones joined, escapes decoded), with the
// text just before each; comments and #include lines skipped.
struct Literal {
  std::string text;
  std::string before;
};
std::vector<Literal> Literals(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string code = buffer.str();
  std::vector<Literal> literals;
  bool joinable = false;  // only blanks since the last literal
  for (size_t i = 0; i < code.size();) {
    if (code.compare(i, 2, "//") == 0 || code.compare(i, 8, "#include") == 0) {
      i = code.find('\n', i);
      if (i == std::string::npos) break;
      continue;
    }
    if (code.compare(i, 2, "/*") == 0) {
      i = std::min(code.find("*/", i), code.size()) + 2;
      continue;
    }
    if (code[i] == '\'') {  // a character literal, possibly '"'
      i = std::min(code.find('\'', i + (code[i + 1] == '\\' ? 3 : 2)), code.size()) + 1;
      joinable = false;
      continue;
    }
    if (code[i] != '"') {
      if (!std::isspace(uint8_t(code[i]))) joinable = false;
      ++i;
      continue;
    }
    std::string text;
    for (++i; i < code.size() && code[i] != '"'; ++i) {
      if (code[i] != '\\') {
        text += code[i];
        continue;
      }
      switch (code[++i]) {
        case 'n': text += '\n'; break;
        case 't': text += '\t'; break;
        case 'r': text += '\r'; break;
        default: text += code[i];
      }
    }
    ++i;
    if (joinable) {
      literals.back().text += text;
    } else {
      const size_t at = code.rfind('"', i - 2);
      const size_t from = at > 40 ? at - 40 : 0;
      literals.push_back({text, code.substr(from, at - from)});
    }
    joinable = true;
  }
  return literals;
}

// Literals that are never shown as they stand: arguments of Qt strings, regular
// expressions, object names and file modes, HTML markup, key names put together, and
// pieces of composed texts (they begin or end with a blank).
bool ShownLiteral(const Literal& literal, bool table) {
  static const std::regex kHiddenBefore(R"((QStringLiteral|QLatin1String|QRegularExpression|setObjectName|)"
                                        R"(ObjectName =|Property =|fopen\([^;]*|name \+=?)\s*\(?\s*$)");
  static const std::regex kMarkup(R"(</?[a-z][a-z0-9]*[ >]|^&[a-z]+;$)");
  const std::string& text = literal.text;
  if (std::regex_search(literal.before, kHiddenBefore) || std::regex_search(text, kMarkup)) return false;
  return table || !(text.starts_with(' ') || text.ends_with(' '));
}

enum class Scan { kCode, kTable, kCalls };

// kTable: a file of whole texts (the message table), where a trailing blank belongs to the
// text; kCalls: only the literals given to UiText or Text.
void AddSourceFile(Catalogue& texts, const fs::path& file, Scan scan = Scan::kCode) {
  static const std::regex kShownCall(R"((^|[^A-Za-z_])(UiText|Text)\(\s*$)");
  const std::string where = fs::relative(file, kSourceDir).string();
  for (const Literal& literal : Literals(file)) {
    if (scan == Scan::kCalls && !std::regex_search(literal.before, kShownCall)) continue;
    if (ShownLiteral(literal, scan == Scan::kTable)) AddShown(texts, literal.text, where);
  }
}

// Every text the program can show: the menus, the string table (prompts and tool tips
// apart, filters by their names), the message table, the literals of the files that build
// dialogs and the help, and the shown literals of the rest of the Qt layer.
Catalogue SourceTexts() {
  Catalogue texts;
  for (int menu : {res::kMenuTileMode, res::kMenuObjectMode}) AddMenu(texts, res::Menu(menu), menu);
  for (uint32_t id : res::StringIds()) {
    const std::string_view text = res::LoadString(id);
    const std::string where = "string " + std::to_string(id);
    if (id == res::kDocTemplateString) {
      AddShown(texts, DocTemplateFilter(text), where);
      continue;
    }
    if (text.ends_with("||")) {
      AddShown(texts, text, where);
      continue;
    }
    for (size_t start = 0; start <= text.size();) {
      const size_t end = std::min(text.find('\n', start), text.size());
      AddText(texts, text.substr(start, end - start), where);
      start = end + 1;
    }
  }
  AddSourceFile(texts, kSourceDir / "res" / "messages.h", Scan::kTable);
  AddSourceFile(texts, kSourceDir / "res" / "step_names.h", Scan::kTable);
  AddSourceFile(texts, kSourceDir / "platform" / "platform_texts.h", Scan::kTable);
  for (const auto& entry : fs::recursive_directory_iterator(kSourceDir)) {
    const fs::path& path = entry.path();
    const std::string relative = fs::relative(path, kSourceDir).string();
    const std::string name = path.filename().string();
    const bool dialogModel = relative.starts_with("commands/") && name.find("_dialog") != std::string::npos;
    const bool qtFace =
        relative.starts_with("editor/") &&
        (relative.starts_with("editor/dialogs/") || name.find("_dlg") != std::string::npos ||
         name.find("_dialog") != std::string::npos || name == "main_frame.cpp" || name == "help_window.cpp" ||
         name == "tile_picker_wnd.cpp");
    const bool code = path.extension() == ".cpp" || path.extension() == ".h";
    if (!code) continue;
    if ((dialogModel && path.extension() == ".cpp") || qtFace || name == "help_text.cpp") {
      AddSourceFile(texts, path);
    } else if (relative.starts_with("editor/")) {
      AddSourceFile(texts, path, Scan::kCalls);
    }
  }
  return texts;
}

// The printf conversions of a text, in order.
std::string Conversions(const std::string& text) {
  static const std::regex kConversion("%[-0-9]*[a-zA-Z%]");
  std::string found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kConversion); it != std::sregex_iterator(); ++it)
    found += it->str();
  return found;
}

TEST(EnglishInterface, EveryShownTextHasAnEnglishTranslationKeepingItsConversions) {
  test::EnsureApplication();
  QTranslator english;
  ASSERT_TRUE(english.load(QString::fromUtf8(kEnglishCatalogue)));
  const Catalogue texts = SourceTexts();
  ASSERT_GT(texts.size(), 300u);  // the scan found the tables and the dialogs
  std::string missing;
  for (const auto& [source, where] : texts) {
    const QString translation = english.translate(kUiTextContext, source.c_str());
    if (translation.trimmed().isEmpty()) {
      missing += "    <message>\n        <source>" + QString::fromStdString(source).toHtmlEscaped().toStdString() +
                 "</source>  <!-- " + where + " -->\n        <translation></translation>\n    </message>\n";
    } else {
      EXPECT_EQ(Conversions(translation.toStdString()), Conversions(source)) << source;
    }
  }
  // VYR_MISSING_TRANSLATIONS=<file> writes them there, ready to fill in and paste.
  if (const char* file = std::getenv("VYR_MISSING_TRANSLATIONS"); file && *file) std::ofstream(file) << missing;
  EXPECT_EQ(missing, "") << "Add these to translations/vyrworld_en.ts:\n" << missing;
}

TEST(EnglishInterface, TheLanguageComesFromTheCommandLineElseTheProfile) {
  struct Case {
    std::vector<std::string> args;
    std::string saved;  // Options/Language
    std::string language;
    std::vector<std::string> kept;
  };
  const Case cases[] = {
      {{"vyrworld", "--lang", "en", "a.vwd"}, "", "en", {"vyrworld", "a.vwd"}},
      {{"vyrworld", "--lang=en"}, "pl", "en", {"vyrworld"}},
      {{"vyrworld", "my", "world.vwd"}, "en", "en", {"vyrworld", "my", "world.vwd"}},
      {{"vyrworld"}, "", "pl", {"vyrworld"}},
      {{"vyrworld", "--lang"}, "", "pl", {"vyrworld", "--lang"}},  // no value: part of the path
  };
  for (const Case& c : cases) {
    std::vector<std::string> storage = c.args;
    std::vector<char*> argv;
    for (std::string& arg : storage) argv.push_back(arg.data());
    argv.push_back(nullptr);
    int argc = int(c.args.size());
    Profile profile;
    if (!c.saved.empty()) profile.WriteProfileString(profile::kOptions, profile::kLanguage, c.saved);
    EXPECT_EQ(ChosenLanguage(TakeLanguageOption(argc, argv.data()), profile), c.language) << c.args.back();
    EXPECT_EQ(std::vector<std::string>(argv.begin(), argv.begin() + argc), c.kept);
    EXPECT_EQ(argv[size_t(argc)], nullptr);
  }
}

TEST(EnglishInterface, EnglishReachesComposedMessagesFormatsAndTheHelpUntilRemoved) {
  test::EnsureApplication();
  ASSERT_TRUE(InstallUiLanguage(*QCoreApplication::instance(), "en"));
  EXPECT_EQ(UiText("&Plik"), QStringLiteral("&File"));
  // Paragraphs and lines of a put-together message, each translated where it can be.
  EXPECT_EQ(UiText("Ten plik jest uszkodzony.\n\nplik.vwd\nNie można wypełnić planu."),
            QStringLiteral("This file is damaged.\n\nplik.vwd\nThe plane cannot be filled."));
  // The layers without Qt: their patterns and the help's texts.
  EXPECT_EQ(FormatMessage("Ilość", {}), "Count");
  EXPECT_EQ(UiText("12,5%"), QStringLiteral("12.5%"));
  EXPECT_EQ(CommandName(cmd::kFileSaveAs, res::kMenuTileMode), "File › Save As...");
  EXPECT_NE(HelpHtml().find("<h2>Keys in tile mode</h2>"), std::string::npos);
  RemoveUiLanguage();
  EXPECT_EQ(UiText("&Plik"), QStringLiteral("&Plik"));
  EXPECT_EQ(FormatMessage("Ilość", {}), "Ilość");
}

}  // namespace
}  // namespace vyr
