// The help page, generated from the menus, accelerator tables and status prompts, in the
// interface's language.
#include "commands/help_text.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "platform/shown_text.h"

namespace vyr {

namespace {

// Commands that only a key reaches, so no menu entry or prompt names them.
struct KeyOnlyName {
  CommandId id;
  std::string_view name;
};
constexpr KeyOnlyName kKeyOnlyNames[] = {
    {cmd::kToggleMode, "Przełącza tryb klocków i tryb objektów"},
    {cmd::kGameTestKey, "Test (uruchamia grę)"},
};

// What the mouse does over the view, in tile mode and in object mode.
struct MouseGesture {
  std::string_view gesture;
  std::string_view tileMode;
  std::string_view objectMode;
};
constexpr MouseGesture kMouseGestures[] = {
    {"Kliknięcie", "Przenosi kursor na klocek",
     "Zaznacza trafiony objekt; poza objektami kasuje zakres zaznaczenia"},
    {"Shift+kliknięcie", "Przenosi kursor i bierze jego klocek jako bieżący obraz",
     "Zaznacza trafiony objekt i rozszerza zakres zaznaczenia o to miejsce"},
    {"Ctrl+kliknięcie", "Przenosi kursor i bierze jego klocek jako bieżący obraz",
     "Dodaje trafiony objekt do zaznaczenia albo go z niego usuwa"},
    {"Przeciągnięcie", "Zaznacza prostokąt klocków (kliknięcie obok kasuje zaznaczenie)",
     "Na objekcie przesuwa zaznaczone objekty, z Shift po siatce klocków; poza objektami zaznacza ramką "
     "każdy objekt, którego dotknie"},
    {"Alt+przeciągnięcie", "Przesuwa zaznaczone klocki", "Jak przeciągnięcie"},
    {"Przeciągnięcie prawym", "Maluje bieżącym obrazem każdy mijany klocek (Shift usuwa, Ctrl wypełnia kolorem); "
     "ze stemplem stawia stempel", "Jak prawy przycisk"},
    {"Ctrl+C, Ctrl+X, Ctrl+V, Esc", "Kopiuje lub wycina zaznaczone klocki, robi ze schowka stempel, kończy stempel "
     "lub zaznaczenie", "Kopiuje, wycina i wkleja zaznaczony objekt"},
    {"Prawy przycisk", "Wstawia bieżący obraz w klocek pod myszą", "Zaznacza trafiony objekt i otwiera jego edycję"},
    {"Shift+prawy przycisk", "Usuwa klocek pod myszą", "Jak prawy przycisk"},
    {"Ctrl+prawy przycisk", "Wypełnia klocek pod myszą kolorem", "Jak prawy przycisk"},
    {"Podwójne kliknięcie", "Przenosi kursor na klocek", "Tworzy objekt w miejscu myszy i otwiera jego edycję"},
    {"Kółko", "Przewija widok w pionie", "Przewija widok w pionie"},
    {"Shift+kółko", "Przewija widok w poziomie", "Przewija widok w poziomie"},
    {"Ctrl+kółko", "Przybliża lub oddala widok wokół myszy", "Przybliża lub oddala widok wokół myszy"},
    {"Środkowy przycisk i ruch", "Przesuwa widok za myszą", "Przesuwa widok za myszą"},
};

// The translated menu text without its mnemonic marks.
std::string StripMnemonics(std::string_view source) {
  const std::string text = ShownText(source);
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;  // "&&" keeps one '&'
    out += text[i];
  }
  return out;
}

std::string Html(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::optional<std::string> FindInMenu(std::span<const res::MenuItem> items, CommandId id, const std::string& path) {
  for (const res::MenuItem& item : items) {
    if (item.kind == res::MenuItem::Kind::Popup) {
      if (auto found = FindInMenu(item.children, id, path + StripMnemonics(item.text) + " › ")) return found;
    } else if (item.kind == res::MenuItem::Kind::Command && item.id == id && !item.recentFiles) {
      return path + StripMnemonics(item.text);
    }
  }
  return std::nullopt;
}

std::string KeysOf(CommandId id, int table) {
  std::string keys;
  for (const res::Accelerator& accelerator : res::Accelerators(table)) {
    if (accelerator.id != id) continue;
    if (!keys.empty()) keys += ", ";
    keys += KeyName(accelerator);
  }
  return keys;
}

void AppendRow(std::string& html, std::initializer_list<std::string_view> cells) {
  html += "<tr>";
  for (std::string_view cell : cells) html += "<td>" + Html(cell) + "</td>";
  html += "</tr>\n";
}

void AppendTableHead(std::string& html, std::string_view heading, std::initializer_list<std::string_view> columns) {
  html += "<h2>" + Html(ShownText(heading)) + "</h2>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>";
  for (std::string_view column : columns) html += "<th>" + Html(ShownText(column)) + "</th>";
  html += "</tr>\n";
}

void AppendKeys(std::string& html, int table, std::string_view heading) {
  AppendTableHead(html, heading, {"Klawisz", "Polecenie", "Opis"});
  for (const HelpKeyRow& row : HelpKeyRows(table)) AppendRow(html, {row.key, row.command, row.prompt});
  html += "</table>\n";
}

void AppendMouse(std::string& html) {
  AppendTableHead(html, "Mysz", {"Gest", "Tryb klocków", "Tryb objektów"});
  for (const MouseGesture& row : kMouseGestures)
    AppendRow(html, {ShownText(row.gesture), ShownText(row.tileMode), ShownText(row.objectMode)});
  html += "</table>\n";
}

void AppendMenuEntries(std::string& html, std::span<const res::MenuItem> items, int table, const std::string& path) {
  for (const res::MenuItem& item : items) {
    if (item.kind == res::MenuItem::Kind::Popup) {
      AppendMenuEntries(html, item.children, table, path + StripMnemonics(item.text) + " › ");
    } else if (item.kind == res::MenuItem::Kind::Command && !item.recentFiles) {
      const std::string prompt = ShownText(res::StatusPrompt(item.id));
      AppendRow(html, {path + StripMnemonics(item.text), KeysOf(item.id, table), prompt});
    }
  }
}

// Pop-ups the object-mode menu shares with the tile-mode menu are listed once.
bool SharedWithTileMenu(const res::MenuItem& popup) {
  const auto tileMenu = res::Menu(res::kMenuTileMode);
  return std::any_of(tileMenu.begin(), tileMenu.end(), [&](const res::MenuItem& other) {
    return other.children.data() == popup.children.data();
  });
}

void AppendMenu(std::string& html, int menuResource, std::string_view heading) {
  AppendTableHead(html, heading, {"Pozycja menu", "Klawisze", "Opis"});
  for (const res::MenuItem& top : res::Menu(menuResource)) {
    if (menuResource != res::kMenuTileMode && SharedWithTileMenu(top)) continue;
    AppendMenuEntries(html, top.children, menuResource, StripMnemonics(top.text) + " › ");
  }
  html += "</table>\n";
}

}  // namespace

std::string KeyName(const res::Accelerator& accelerator) {
  using namespace res::key;
  std::string name;
  if (accelerator.modifiers & res::kControl) name += "Ctrl+";
  if (accelerator.modifiers & res::kAlt) name += "Alt+";
  if (accelerator.modifiers & res::kShift) name += "Shift+";
  const uint16_t code = accelerator.key;
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return name + char(code);
  if (code >= kF1 && code < kF1 + 24) return name + "F" + std::to_string(code - kF1 + 1);
  switch (code) {
    case kBackspace: return name + "Backspace";
    case kTab: return name + "Tab";
    case kReturn: return name + "Enter";
    case kSpace: return name + "Space";
    case kPageUp: return name + "PgUp";
    case kPageDown: return name + "PgDn";
    case kEnd: return name + "End";
    case kHome: return name + "Home";
    case kLeft: return name + "Left";
    case kUp: return name + "Up";
    case kRight: return name + "Right";
    case kDown: return name + "Down";
    case kInsert: return name + "Ins";
    case kDelete: return name + "Del";
    case kKeypadPlus: return name + "Num +";
    case kKeypadMinus: return name + "Num -";
    case kOemPlus: return name + "=";
    case kOemMinus: return name + "-";
    default: return name + "#" + std::to_string(code);
  }
}

std::string CommandName(CommandId id, int menuResource) {
  const int other = menuResource == res::kMenuTileMode ? res::kMenuObjectMode : res::kMenuTileMode;
  for (int menu : {menuResource, other}) {
    if (auto found = FindInMenu(res::Menu(menu), id, {})) return *found;
  }
  if (!res::ToolTip(id).empty()) return ShownText(res::ToolTip(id));
  if (!res::StatusPrompt(id).empty()) return ShownText(res::StatusPrompt(id));
  for (const KeyOnlyName& entry : kKeyOnlyNames) {
    if (entry.id == id) return ShownText(entry.name);
  }
  return {};
}

std::vector<HelpKeyRow> HelpKeyRows(int table) {
  std::vector<HelpKeyRow> rows;
  for (const res::Accelerator& accelerator : res::Accelerators(table)) {
    rows.push_back({KeyName(accelerator), accelerator.id, CommandName(accelerator.id, table),
                    ShownText(res::StatusPrompt(accelerator.id))});
  }
  return rows;
}

std::string HelpHtml() {
  std::string html = "<html><body>\n<h1>" + Html(ShownText(res::LoadString(res::kAppTitleString))) + "</h1>\n";
  html += "<p>" +
          Html(ShownText("Tryb klocków edytuje klocki planu pod migającym kursorem; tryb objektów edytuje objekty "
                         "planu. Cyfry 0–9 klawiatury głównej wpisują numer obrazu do klocka pod kursorem.")) +
          "</p>\n";
  AppendKeys(html, res::kMenuTileMode, "Klawisze w trybie klocków");
  AppendKeys(html, res::kMenuObjectMode, "Klawisze w trybie objektów");
  AppendMouse(html);
  AppendMenu(html, res::kMenuTileMode, "Menu w trybie klocków");
  AppendMenu(html, res::kMenuObjectMode, "Menu w trybie objektów (pozostałe jak w trybie klocków)");
  html += "</body></html>\n";
  return html;
}

}  // namespace vyr
