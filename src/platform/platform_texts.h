// The texts the framework layer shows: Polish like the interface, translated by the
// English catalogue.
#pragma once

#include <string_view>

namespace vyr::text {

inline constexpr std::string_view kOpenTitle = "Otwórz";
inline constexpr std::string_view kSaveAsTitle = "Zapisz jako";
inline constexpr std::string_view kCannotOpen = "Nie można otworzyć pliku %s.";
inline constexpr std::string_view kCannotOpenWhy = "Sprawdź, czy plik istnieje i można go odczytać, i otwórz go ponownie.";
inline constexpr std::string_view kCannotSave = "Nie można zapisać pliku %s.";
inline constexpr std::string_view kCannotSaveWhy =
    "Sprawdź, czy folder istnieje i można w nim zapisywać, i zapisz plik ponownie.";

}  // namespace vyr::text
