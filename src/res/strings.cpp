// The string table: template, messages, pane widths and command status prompts
// ("prompt\ntool tip"), ascending by id.
#include <algorithm>
#include <array>
#include <iterator>

#include "res/resources.h"

namespace vyr::res {
namespace {

struct StringEntry {
  uint32_t id;
  std::string_view text;
};

constexpr StringEntry kStrings[] = {
    {128, "VyrWorld\n\nVyrWor\nVyr World Pliki (*.VWD)\n.VWD\nVyrWorld.Document\nVyrWor Document"},  // document template
    {129, "Ten plik jest uszkodzony."},
    {130, "Nie można usunąć tego planu."},
    {131, "Nie można przesunąć tego planu."},
    {132, "Nie można wypełnić planu."},
    {133, "Maski (*.bmp, *.pcx, *.rid, *.pid) |*.bmp;*.pcx;*.pid;*.rid| Wszystkie (*.*) |*.*||"},  // mask file filter
    {32795, "Wybiera następny ImageSet\nNastępny ImageSet"},
    {32796, "Wybiera poprzedni ImageSet\nPoprzedni ImageSet"},
    {32799, "Klocek = 000, 000"},  // pane width
    {32800, "Miejsce = 000000"},  // pane width
    {32801, "Obraz = 000000"},  // pane width
    {32803, "Mysz = 000000, 000000"},  // pane width
    {32845, "                                        "},  // 40 blanks: pane width
    {32846, "                                                                     "},  // 69 blanks: pane width
    {32847, "                                 "},  // 33 blanks: pane width
    {32858, "Uruchamia grę"},
    {32859, "Porusza widok 64 piksele w prawo"},
    {32860, "Porusza widok 64 piksele w lewo"},  // sibling of 32859, our wording
    {32861, "Porusza widok 64 piksele w górę"},  // sibling of 32859, our wording
    {32862, "Porusza widok 64 piksele w dół"},  // sibling of 32859, our wording
    {32863, "Usuwa wszystkie objekty\nUsuń Wszystkie"},
    {32864, "Usuwa objekty bez logiki\nUsuń Uszkodzone"},
    {32869, "Zmienia współrzędne w każdym objekcie\nZmień Współrzędne"},
    {32870, "Zmienia logikę w objektach\nZmień Logiki"},
    {32872, "Ustawia Współrzędną Z #1\nZ #1"},
    {32873, "Ustawia Współrzędną Z #0\nZ #0"},
    {32874, "Ustawia Współrzędną Z #2\nZ #2"},
    {32875, "Ustawia Współrzędną Z #3\nZ #3"},
    {32876, "Ustawia Współrzędną Z #4\nZ #4"},
    {32877, "Ustawia Współrzędną Z #5\nZ #5"},
    {32878, "Ustawia Współrzędną Z #6\nZ #6"},
    {32879, "Ustawia Współrzędną Z #7\nZ #7"},
    {32880, "Ustawia Współrzędną Z #8\nZ #8"},
    {32881, "Ustawia Współrzędną Z #9\nZ #9"},
    {32882, "Automatycznie ustawia współrzędne Z\nAuto Ustawianie Z"},
    {32883, "Edytuj wcześniej ustawione Z dla wybranych skrótów\nEdytuj Z"},
    {32884, "Automatycznie ustawia obrazek\nAuto ImageSet"},
    {32885, "Edytuj wcześniej ustawione ImageSety dla wybranych skrótów"},
    {32886, "Dodaje objekt z tą logiką w miejsce kursora\nDodaj Logikę"},
    {32887, "Dodaje objekt z tą logiką w miejsce kursora\nDodaj Logikę"},
    {32888, "Dodaje objekt z tą logiką w miejsce kursora\nDodaj Logikę"},
    {32889, "Dodaje objekt z tą logiką w miejsce kursora\nDodaj Logikę"},
    {32890, "Dodaje objekt z tą logiką w miejsce kursora\nDodaj Logikę"},
    {32891, "Dodaje objekt z tą logiką w miejsce kursora\nDodaj Logikę"},
    {32892, "Dodaje objekt z tą logiką w miejsce kursora\nDodaj Logikę"},
    {32893, "Dodaje objekt z tą logiką w miejsce kursora\nDodaj Logikę"},
    {32894, "Dodaje objekt z tą logiką w miejsce kursora\nDodaj Logikę"},
    {32895, "Dodaje objekt z tą logiką w miejsce kursora\nDodaj Logikę"},
    {32897, "Search and replace tiles..."},
    {32899, "Zmień współrzędną Z dla jednej z logik\nZmień Z"},
    {32905, "Zmień jakikolwiek obrazek na innych we wszystkich objektach, które go mają\nZmień ImageSety"},
    {32906, "Zmienia logikę dla objektów z podanym ImageSetem"},
    {32907, "Zrób obraz całego planu"},
    {32915, "Naprawia Klocki"},
    {32925, "Pokazuje pozostałe warstwy przyciemnione, przesunięte jak w grze\nWszystkie Warstwy"},
    {32926, "0000%"},  // pane width
    {32927, "Pokazuje widok w rozmiarze rzeczywistym (100%)\nRozmiar Rzeczywisty"},
    {32928, "Dobiera powiększenie, przy którym cała warstwa mieści się w oknie\nDopasuj"},
    {32929, "Pokazuje lub ukrywa mapę całej warstwy\nMapa"},
    {32930, "Naprawia krawędzie klocków po każdym malowaniu, wklejeniu i wypełnieniu\nNaprawa na Bieżąco"},
    {32931, "Wypełnia obszar jednakowych klocków pod myszą bieżącym klockiem\nWypełnij Obszar"},
    {57344, "Edytor VyrWorld"},  // application title
    {57634, "Kopiuje zaznaczony objekt"},
    {57635, "Wycina zaznaczony objekt"},
    {57637, "Wkleja wcześniej skopiowany/wycięty objekt"},
};

constexpr auto MakeIds() {
  std::array<uint32_t, std::size(kStrings)> ids{};
  for (size_t i = 0; i < ids.size(); ++i) ids[i] = kStrings[i].id;
  return ids;
}
constexpr auto kIds = MakeIds();

}  // namespace

std::string_view LoadString(uint32_t id) {
  const StringEntry* end = std::end(kStrings);
  const StringEntry* it = std::lower_bound(std::begin(kStrings), end, id,
                                          [](const StringEntry& e, uint32_t v) { return e.id < v; });
  return it != end && it->id == id ? it->text : std::string_view();
}

std::string_view StatusPrompt(CommandId id) {
  std::string_view text = LoadString(id);
  return text.substr(0, text.find('\n'));
}

std::string_view ToolTip(CommandId id) {
  std::string_view text = LoadString(id);
  size_t nl = text.find('\n');
  return nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
}

std::span<const uint32_t> StringIds() { return kIds; }

}  // namespace vyr::res
