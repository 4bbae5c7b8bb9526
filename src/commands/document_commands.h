// The document's own commands: File New, world information, adding image sets,
// refreshing the archive and the save command's state.
#pragma once

namespace vyr {

class CWorldDoc;

// Enters the handlers in the document's command table and lets the resource location
// retry through the world information dialog.
void RegisterDocumentCommands(CWorldDoc& doc);

// File New ("&Nowy...", Ctrl+N): the save question, the new-document step, the
// "Nowy Świat" dialog and the new world's resources. Returns true when a world was made.
bool OnFileNew(CWorldDoc& doc);

}  // namespace vyr
