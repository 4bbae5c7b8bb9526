// "Odzyskaj..." and "Poprzednie Wersje..." under "&Plik": the recovery copies and backups
// the work keeper made, listed to open or remove.
#pragma once

namespace vyr {

class CommandTable;
class CWorldDoc;

// Both do nothing without the document's work keeper.
void RegisterRecoveryCommands(CommandTable& table, CWorldDoc& doc);
// The list of recovery copies: one opens as its world (modified), "Usuń" removes one.
void ShowRecoveryCopies(CWorldDoc& doc);
// The current world's backups with date and size: one opens as a new, untitled world.
void ShowPreviousVersions(CWorldDoc& doc);

}  // namespace vyr
