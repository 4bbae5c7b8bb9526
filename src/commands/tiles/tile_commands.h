// The tile area's commands ("&Klocki", "&Edycja": placing, deleting and filling tiles,
// undo, the tile dialogs, the invalid-tile check, and the view's tile repair).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/command_table.h"
#include "platform/message_format.h"

namespace vyr {

class CWorldDoc;

// Enters the document's tile commands in `table`.
void RegisterTileCommands(CommandTable& table, CWorldDoc& doc);
// Enters "Naprawia Klocki" (Alt+F) in the view's table.
void RegisterTileViewCommands(CommandTable& table, CWorldDoc& doc);

// Tells in the status bar how many cells an action changed: `forms` for one, few and many
// (CountForm), `none` for no cell.
void ShowCellCount(CWorldDoc& doc, int64_t cells, const CountedText& forms, std::string_view none);
// "Wstaw w miejscu kursora": the current selection at the cursor, then the automatic
// cursor's step; nothing when the current set holds no image at the current number.
void InsertTileAtCursor(CWorldDoc& doc);
// "Usuń" (kEmptyTile) and "Wypełnij Kolorem" (kColourTile): the value at the cursor, then
// the automatic cursor's step; nothing without a current plane.
void WriteTileAtCursorAndAdvance(CWorldDoc& doc, int32_t value);
// "Uszkodzone...": "Level contains all valid tiles!", or "Level contains invalid tiles!"
// and then the report in a scrollable box.
void CheckInvalidTiles(CWorldDoc& doc);
// "Naprawia Klocki": repairs the current plane as one step. Says how many cells changed;
// returns that number.
int64_t RepairCurrentPlane(CWorldDoc& doc);

}  // namespace vyr
