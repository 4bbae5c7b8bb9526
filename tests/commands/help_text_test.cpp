// The help page: every key of both modes and every menu entry, named from the tables.
#include "commands/help_text.h"

#include <gtest/gtest.h>

#include <functional>

namespace vyr {
namespace {

// The part of the page from `heading` to the next heading.
std::string Section(const std::string& html, const std::string& heading) {
  const size_t begin = html.find("<h2>" + heading);
  if (begin == std::string::npos) return {};
  const size_t end = html.find("<h2>", begin + 1);
  return html.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

TEST(HelpText, KeysAreNamedAsTheMenusShowThem) {
  using namespace res::key;
  struct Row {
    res::Accelerator accelerator;
    std::string name;
  };
  const Row rows[] = {
      {{'S', res::kControl | res::kShift, 0}, "Ctrl+Shift+S"},
      {{'P', res::kControl | res::kAlt, 0}, "Ctrl+Alt+P"},
      {{kKeypadPlus, res::kControl, 0}, "Ctrl+Num +"},
      {{kKeypadMinus, res::kNone, 0}, "Num -"},
      {{kReturn, res::kAlt, 0}, "Alt+Enter"},
      {{kPageDown, res::kShift, 0}, "Shift+PgDn"},
      {{kF1, res::kNone, 0}, "F1"},
      {{kF5, res::kNone, 0}, "F5"},
      {{'7', res::kAlt, 0}, "Alt+7"},
  };
  for (const Row& row : rows) EXPECT_EQ(KeyName(row.accelerator), row.name);
}

TEST(HelpText, CommandsAreNamedByTheirModesMenuFirst) {
  EXPECT_EQ(CommandName(cmd::kCursorLeft, 128), "Kursor › W Lewo");
  EXPECT_EQ(CommandName(cmd::kScrollLeft, 129), "Widok › W Lewo");
  EXPECT_EQ(CommandName(cmd::kObjectNext, 128), "Objekty › Następny");  // only menu 129 has it
  EXPECT_EQ(CommandName(cmd::kFileSaveAs, 128), "Plik › Zapisz Jako...");
  EXPECT_EQ(CommandName(cmd::kRepairTiles, 128), "Naprawia Klocki");  // no entry: its prompt
  EXPECT_EQ(CommandName(1, 128), "");
}

TEST(HelpText, EveryKeyOfBothModesIsListedWithItsCommand) {
  const std::string html = HelpHtml();
  const std::pair<int, std::string> tables[] = {{128, "Klawisze w trybie klocków"},
                                                {129, "Klawisze w trybie objektów"}};
  for (const auto& [table, heading] : tables) {
    const std::string section = Section(html, heading);
    ASSERT_FALSE(section.empty()) << heading;
    const std::vector<HelpKeyRow> rows = HelpKeyRows(table);
    ASSERT_EQ(rows.size(), res::Accelerators(table).size());
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].id, res::Accelerators(table)[i].id);
      EXPECT_FALSE(rows[i].command.empty()) << rows[i].key << " in table " << table << " has no name";
      const std::string cells = "<td>" + rows[i].key + "</td><td>" + rows[i].command + "</td><td>" + rows[i].prompt;
      EXPECT_NE(section.find(cells), std::string::npos) << cells;
    }
  }
  // The keys the desktop expects are there.
  const std::string tileKeys = Section(html, "Klawisze w trybie klocków");
  for (const char* row : {"<td>Ctrl+O</td><td>Plik › Otwórz...", "<td>Ctrl+Shift+S</td><td>Plik › Zapisz Jako...",
                          "<td>F1</td><td>Pomoc › Klawisze i Polecenia"}) {
    EXPECT_NE(tileKeys.find(row), std::string::npos) << row;
  }
}

TEST(HelpText, TheMouseGesturesOfBothModesAreListed) {
  const std::string mouse = Section(HelpHtml(), "Mysz");
  for (const char* row : {"<td>Shift+kółko</td><td>Przewija widok w poziomie</td><td>Przewija widok w poziomie",
                          "<td>Podwójne kliknięcie</td><td>Przenosi kursor na klocek</td><td>Tworzy objekt"})
    EXPECT_NE(mouse.find(row), std::string::npos) << row;
}

TEST(HelpText, EveryMenuEntryIsListedWithItsKeysAndPrompt) {
  const std::string html = HelpHtml();
  const std::string tileMenu = Section(html, "Menu w trybie klocków");
  const std::string objectMenu = Section(html, "Menu w trybie objektów");
  auto plain = [](std::string_view text) {
    std::string out(text);
    std::erase(out, '&');
    return out;
  };
  // The row of an entry, from either section (pop-ups both modes share are listed once).
  auto rowOf = [&](const std::string& entry) {
    for (const std::string* section : {&tileMenu, &objectMenu}) {
      const size_t at = section->find("<tr><td>" + entry + "</td>");
      if (at != std::string::npos) return section->substr(at, section->find("</tr>", at) - at);
    }
    return std::string();
  };
  std::function<void(std::span<const res::MenuItem>, const std::string&)> check =
      [&](std::span<const res::MenuItem> items, const std::string& path) {
        for (const res::MenuItem& item : items) {
          if (item.kind == res::MenuItem::Kind::Popup) check(item.children, path + plain(item.text) + " › ");
          if (item.kind != res::MenuItem::Kind::Command || item.recentFiles) continue;
          const std::string row = rowOf(path + plain(item.text));
          ASSERT_FALSE(row.empty()) << path << plain(item.text);
          EXPECT_NE(row.find(std::string(res::StatusPrompt(item.id))), std::string::npos) << row;
        }
      };
  for (int menu : {128, 129}) check(res::Menu(menu), "");
  EXPECT_NE(objectMenu.find("<td>Logiki › Wstaw Logikę nr9</td><td>Alt+9</td><td>Dodaje objekt z tą logiką"),
            std::string::npos);
  EXPECT_NE(tileMenu.find("<td>Kursor › W Lewo</td><td>Left</td>"), std::string::npos);
  EXPECT_NE(tileMenu.find("<td>Plik › Zapisz</td><td>Ctrl+S</td>"), std::string::npos);
  EXPECT_EQ(objectMenu.find("Plik › "), std::string::npos);
}

}  // namespace
}  // namespace vyr
