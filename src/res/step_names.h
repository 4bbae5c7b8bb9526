// The names of the undo steps, as "Cofnij" and "Ponów" show them (Polish source texts,
// translated like every other text of the program).
#pragma once

#include <string_view>

namespace vyr::res::step {

// "Cofnij: %s" and "Ponów: %s", with a step's name.
inline constexpr std::string_view kUndoNamed = "Cofnij: %s";
inline constexpr std::string_view kRedoNamed = "Ponów: %s";

inline constexpr std::string_view kPlaceTile = "Postaw Klocek";
inline constexpr std::string_view kInsertTile = "Wstaw Klocek";
inline constexpr std::string_view kDeleteTile = "Usuń Klocek";
inline constexpr std::string_view kColourTile = "Wypełnij Kolorem";
inline constexpr std::string_view kNextTile = "Następny Klocek";
inline constexpr std::string_view kPreviousTile = "Poprzedni Klocek";
inline constexpr std::string_view kFill = "Wypełnij";
inline constexpr std::string_view kBlockCopy = "Block Copy";
inline constexpr std::string_view kReplaceTiles = "Zmień Klocki";
inline constexpr std::string_view kRepairTiles = "Naprawa Klocków";
inline constexpr std::string_view kPaint = "Malowanie";
inline constexpr std::string_view kCutCells = "Wytnij Klocki";
inline constexpr std::string_view kDeleteCells = "Usuń Klocki";
inline constexpr std::string_view kFillCells = "Wypełnij Zaznaczenie";
inline constexpr std::string_view kStamp = "Stempel";
inline constexpr std::string_view kMoveCells = "Przesuń Klocki";
inline constexpr std::string_view kBucketFill = "Wypełnij Obszar";

inline constexpr std::string_view kNewObject = "Nowy Objekt";
inline constexpr std::string_view kEditObject = "Edycja Objektu";
inline constexpr std::string_view kMoveObject = "Przesuń Objekt";
inline constexpr std::string_view kMoveObjects = "Przesuń Objekty";
inline constexpr std::string_view kDeleteObject = "Usuń Objekt";
inline constexpr std::string_view kCutObject = "Wytnij Objekt";
inline constexpr std::string_view kPasteObject = "Wklej Objekt";
inline constexpr std::string_view kDeleteAllObjects = "Usuń Wszystkie Objekty";
inline constexpr std::string_view kDeleteInvalidObjects = "Usuń Uszkodzone Objekty";
inline constexpr std::string_view kScaleObjects = "Zmień Współrzędne";
inline constexpr std::string_view kChangeLogic = "Zmień Logiki";
inline constexpr std::string_view kChangeImageSets = "Zmień ImageSety";
inline constexpr std::string_view kLogicImageSets = "Zmień ImageSety Logik";
inline constexpr std::string_view kChangeZ = "Zmiana Z";
inline constexpr std::string_view kSetZ = "Ustaw Z";
inline constexpr std::string_view kInsertLogic = "Wstaw Logikę";

inline constexpr std::string_view kNewPlane = "Nowa Warstwa";
inline constexpr std::string_view kPlanes = "Warstwy";
inline constexpr std::string_view kPlaneInfo = "Informacje Warstwy";
inline constexpr std::string_view kWorldInfo = "Informacje Świata";
inline constexpr std::string_view kTileAttribs = "Atrybuty Klocków";
inline constexpr std::string_view kScaleAttribs = "Zmień Atrybuty";

}  // namespace vyr::res::step
