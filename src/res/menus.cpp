// Menus 128 (tile mode) and 129 (object mode). Texts are the program's own; the order
// inside each pop-up and the separators are ours where nothing fixes them.
#include "res/resources.h"

namespace vyr::res {
namespace {

using Kind = MenuItem::Kind;

constexpr MenuItem C(CommandId id, std::string_view text, uint8_t keyChoice = 0) {
  return {Kind::Command, id, text, {}, false, false, keyChoice};
}
constexpr MenuItem Check(CommandId id, std::string_view text) {
  return {Kind::Command, id, text, {}, false, true, 0};
}
constexpr MenuItem Sep() { return {Kind::Separator, 0, {}, {}, false, false, 0}; }
constexpr MenuItem Recent() {
  return {Kind::Command, cmd::kFileRecent1, "Przywróć Plik...", {}, true, false, 0};
}
constexpr MenuItem Popup(std::string_view text, std::span<const MenuItem> children) {
  return {Kind::Popup, 0, text, children, false, false, 0};
}

constexpr MenuItem kFile[] = {
    C(cmd::kFileNew, "&Nowy..."),
    C(cmd::kFileOpen, "&Otwórz..."),
    C(cmd::kFileSave, "Zapi&sz"),
    C(cmd::kFileSaveAs, "Z&apisz J&ako..."),
    C(cmd::kRecover, "Odzyskaj..."),
    C(cmd::kPreviousVersions, "Poprzednie Wersje..."),
    Sep(),
    C(cmd::kFilePrintSetup, "D&rukuj..."),
    C(cmd::kFilePrintPreview, "Podgląd Wydr&uku"),  // the framework's print preview; our text
    Sep(),
    Recent(),
    Sep(),
    C(cmd::kAppExit, "Wyjści&e"),
};

constexpr MenuItem kEdit128[] = {
    C(cmd::kEditUndo, "Cofnij"),
    C(cmd::kEditRedo, "Ponów"),
    Sep(),
    C(cmd::kObjectMode, "Tryb Objektów"),
};

constexpr MenuItem kEdit129[] = {
    C(cmd::kEditUndo, "Cofnij"),
    C(cmd::kEditRedo, "Ponów"),
    Sep(),
    C(cmd::kEditCut, "Wytnij"),
    C(cmd::kEditCopy, "Kopiuj"),
    C(cmd::kEditPaste, "Wklej"),
    Sep(),
    C(cmd::kTileMode, "Tryb Klocków"),
};

constexpr MenuItem kWorld128[] = {
    C(cmd::kWorldInfo, "&Informacje"),
    C(cmd::kAddImageSets, "Dodaj ImageSety..."),
    C(cmd::kRefreshRez, "&Odśwież Plik 'Rez'"),
    Sep(),
    C(cmd::kInvalidTiles, "Uszkodzone..."),
};

constexpr MenuItem kWorld129[] = {
    C(cmd::kWorldInfo, "&Informacje"),
    C(cmd::kAddImageSets, "Dodaj ImageSety..."),
    C(cmd::kRefreshRez, "&Odśwież Plik 'Rez'"),
};

constexpr MenuItem kPlanes[] = {
    C(cmd::kPlaneAdd, "Dod&aj..."),
    C(cmd::kPlaneRemove, "&Usuń"),
    C(cmd::kPlaneInfo, "&Informacje"),
    C(cmd::kPlanes, "&Warstwy..."),
    Sep(),
    C(cmd::kGoTo, "&Idź do pozycji..."),
    C(cmd::kGoToStart, "&Idź do startu"),
    C(cmd::kGoToWarp, "&Idź do pozycji Warpa"),
};

constexpr MenuItem kTiles[] = {
    C(cmd::kTileInsert, "Wstaw w miejscu kursora"),
    C(cmd::kTileDelete, "Usuń"),
    C(cmd::kTileFillColour, "Wypełnij Kolorem"),
    Sep(),
    C(cmd::kTileNext, "&Następny"),
    C(cmd::kTilePrevious, "&Poprzedni"),
    C(cmd::kImageNext, "Następny Obraz&ek"),
    C(cmd::kImagePrevious, "Poprz&edni Obrazek"),
    Sep(),
    C(cmd::kTileFill, "&Wypełnij..."),
    C(cmd::kBlockCopy, "Funkcja 'Block Copy'..."),
    C(cmd::kReplaceTiles, "Zmień..."),
    C(cmd::kBucketFill, "Wypełnij Obszar"),
    Check(cmd::kLiveRepair, "Naprawa na Bieżąco"),
    Sep(),
    C(cmd::kTileAttribInfo, "&Informacje..."),
    C(cmd::kScaleAttribs, "Zmień Artrybuty..."),
    Sep(),
    Check(cmd::kTilePicker, "Okno Wyboru"),
};

constexpr MenuItem kCursor[] = {
    C(cmd::kCursorLeft, "W Lewo"),
    C(cmd::kCursorRight, "W Prawo"),
    C(cmd::kCursorUp, "W Górę"),
    C(cmd::kCursorDown, "W Dół"),
    Sep(),
    C(cmd::kCursorTopLeft, "Górny Lewy Róg"),
    C(cmd::kCursorTopRight, "Górny Prawy Róg"),
    C(cmd::kCursorBottomRight, "Dolny Prawy Róg"),
    C(cmd::kCursorBottomLeft, "Dolny Lewy Róg"),
    Sep(),
    C(cmd::kCursorRowStart, "Początek Wiersza"),
    C(cmd::kCursorRowEnd, "Koniec Wiersza"),
    C(cmd::kCursorColumnStart, "Początek Kolumny"),
    C(cmd::kCursorColumnEnd, "Koniec Kolumny"),
    Sep(),
    Check(cmd::kAutoCursor, "&Automatyczny Kursor"),
};

constexpr MenuItem kExtras[] = {
    C(cmd::kGameTest, "Test"),
    C(cmd::kMapshot, "Zrób Ma&pshota..."),
    Sep(),
    C(cmd::kOptions, "&Opcje..."),
};

constexpr MenuItem kView128[] = {
    Check(cmd::kViewToolbar, "&Toolbar"),
    Check(cmd::kViewStatusBar, "&Status Bar"),
    Check(cmd::kViewMinimap, "&Mapa"),
    Sep(),
    C(cmd::kWorldView, "Ś&wiat"),
    C(cmd::kZoomIn, "Przybl&iż"),
    C(cmd::kZoomOut, "&Oddal"),
    C(cmd::kZoomActual, "Rozmiar &Rzeczywisty"),
    C(cmd::kZoomFit, "&Dopasuj"),
    Sep(),
    Check(cmd::kGrid, "&Siatka Pomocnicza"),
    Check(cmd::kNoImages, "Bez Obrazów"),
    Check(cmd::kAllPlanes, "Wszystkie Warstwy"),
    C(cmd::kRefreshView, "&Odśwież"),
};

constexpr MenuItem kView129[] = {
    C(cmd::kScrollRight, "W Prawo"),
    C(cmd::kScrollLeft, "W Lewo"),
    C(cmd::kScrollUp, "W Górę"),
    C(cmd::kScrollDown, "W Dół"),
    Sep(),
    C(cmd::kCustomUp, "Własny w Górę"),
    C(cmd::kCustomDown, "Własny w Dół"),
    C(cmd::kCustomLeft, "Własny w Lewo"),
    C(cmd::kCustomRight, "Własny w Prawo"),
    C(cmd::kCustomMoves, "Ustaw Własne Ruchy..."),
    Sep(),
    Check(cmd::kViewToolbar, "&Toolbar"),
    Check(cmd::kViewStatusBar, "&Status Bar"),
    Check(cmd::kViewMinimap, "&Mapa"),
    Sep(),
    C(cmd::kWorldView, "Ś&wiat"),
    C(cmd::kZoomIn, "Przybl&iż"),
    C(cmd::kZoomOut, "&Oddal"),
    C(cmd::kZoomActual, "Rozmiar &Rzeczywisty"),
    C(cmd::kZoomFit, "&Dopasuj"),
    Sep(),
    Check(cmd::kGrid, "&Siatka Pomocnicza"),
    Check(cmd::kNoImages, "Bez Obrazów"),
    Check(cmd::kAllPlanes, "Wszystkie Warstwy"),
    C(cmd::kRefreshView, "&Odśwież"),
};

constexpr MenuItem kObjects[] = {
    C(cmd::kObjectEdit, "Edytuj", 1),        // shown with Ctrl+E
    C(cmd::kObjectEdit, "&Informacje", 0),   // the same command, shown with Enter
    C(cmd::kObjectInsert, "Wstaw"),
    C(cmd::kObjectDelete, "&Usuń"),
    Sep(),
    C(cmd::kObjectNext, "Następny"),
    C(cmd::kObjectPrevious, "Poprzedni"),
    Sep(),
    C(cmd::kNudgeUp1, "O 1 piksel w Górę"),
    C(cmd::kNudgeLeft1, "O 1 piksel w Lewo"),
    C(cmd::kNudgeRight1, "O 1 piksel w Prawo"),
    C(cmd::kNudgeDown1, "O 1 piksel w Dół"),
    Sep(),
    C(cmd::kNudgeUp10, "O 10 pikseli w Górę"),
    C(cmd::kNudgeLeft10, "O 10 pikseli w Lewo"),
    C(cmd::kNudgeRight10, "O 10 pikseli w Prawo"),
    C(cmd::kNudgeDown10, "O 10 pikseli w Dół"),
    Sep(),
    C(cmd::kDeleteAllObjects, "Usuń Wszystkie"),
    C(cmd::kDeleteInvalidObjects, "Usuń Uszkodzone"),
    Sep(),
    C(cmd::kScaleObjects, "Zmień Współrzędne..."),
    C(cmd::kChangeLogic, "Zmień Logiki..."),
    C(cmd::kChangeImageSets, "Zmień ImageSety..."),
    C(cmd::kLogicByImageSet, "Zmień ImageSety Logik..."),
};

constexpr MenuItem kLogics[] = {
    C(cmd::kAddLogic[0], "Wstaw Logikę nr0"),
    C(cmd::kAddLogic[1], "Wstaw Logikę nr1"),
    C(cmd::kAddLogic[2], "Wstaw Logikę nr2"),
    C(cmd::kAddLogic[3], "Wstaw Logikę nr3"),
    C(cmd::kAddLogic[4], "Wstaw Logikę nr4"),
    C(cmd::kAddLogic[5], "Wstaw Logikę nr5"),
    C(cmd::kAddLogic[6], "Wstaw Logikę nr6"),
    C(cmd::kAddLogic[7], "Wstaw Logikę nr7"),
    C(cmd::kAddLogic[8], "Wstaw Logikę nr8"),
    C(cmd::kAddLogic[9], "Wstaw Logikę nr9"),
    Sep(),
    Check(cmd::kAutoImageSet, "Auto ImageSety"),
    C(cmd::kEditDefaultLogic, "&Edytuj Logiki..."),
};

constexpr MenuItem kZ[] = {
    C(cmd::kSetZ[0], "Wstaw Wartość nr0"),
    C(cmd::kSetZ[1], "Wstaw Wartość nr1"),
    C(cmd::kSetZ[2], "Wstaw Wartość nr2"),
    C(cmd::kSetZ[3], "Wstaw Wartość nr3"),
    C(cmd::kSetZ[4], "Wstaw Wartość nr4"),
    C(cmd::kSetZ[5], "Wstaw Wartość nr5"),
    C(cmd::kSetZ[6], "Wstaw Wartość nr6"),
    C(cmd::kSetZ[7], "Wstaw Wartość nr7"),
    C(cmd::kSetZ[8], "Wstaw Wartość nr8"),
    C(cmd::kSetZ[9], "Wstaw Wartość nr9"),
    Sep(),
    Check(cmd::kAutoZ, "Auto Z"),
    C(cmd::kEditDefaultZ, "Edytuj Wartości..."),
    C(cmd::kChangeZ, "Zmień Z..."),
};

constexpr MenuItem kHelpMenu[] = {
    C(cmd::kHelp, "&Klawisze i Polecenia"),
    Sep(),
    C(cmd::kAppAbout, "&O Programie..."),
};

constexpr MenuItem kMenu128[] = {
    Popup("&Plik", kFile),        Popup("&Edycja", kEdit128), Popup("Ś&wiat", kWorld128),
    Popup("&Warstwy", kPlanes),   Popup("&Klocki", kTiles),   Popup("&Kursor", kCursor),
    Popup("&Dodatki", kExtras),   Popup("&Widok", kView128),  Popup("&Pomoc", kHelpMenu),
};

constexpr MenuItem kMenu129[] = {
    Popup("&Plik", kFile),          Popup("&Edycja", kEdit129),  Popup("&Świat", kWorld129),
    Popup("&Warstwy", kPlanes),     Popup("&Objekty", kObjects), Popup("&Logiki", kLogics),
    Popup("&Współrzędna Z", kZ),    Popup("&Dodatki", kExtras),  Popup("&Widok", kView129),
    Popup("&Pomoc", kHelpMenu),
};

}  // namespace

std::span<const MenuItem> Menu(int resourceId) {
  switch (resourceId) {
    case kMenuTileMode: return kMenu128;
    case kMenuObjectMode: return kMenu129;
    default: return {};
  }
}

namespace {

std::string_view FindEntryText(std::span<const MenuItem> items, CommandId id) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Command && item.id == id) return item.text;
    if (item.kind == MenuItem::Kind::Popup) {
      std::string_view text = FindEntryText(item.children, id);
      if (!text.empty()) return text;
    }
  }
  return {};
}

}  // namespace

std::string_view MenuEntryText(CommandId id) {
  std::string_view text = FindEntryText(Menu(kMenuTileMode), id);
  return text.empty() ? FindEntryText(Menu(kMenuObjectMode), id) : text;
}

}  // namespace vyr::res
