// The document's commands: every area's Register function over the document's command table.
#pragma once

namespace vyr {

class CWorldDoc;
class IProcessLauncher;

// Enters the world, plane and tile commands in the document's command table; the game
// test commands only with a launcher.
void RegisterDocumentCommands(CWorldDoc& doc, IProcessLauncher* launcher = nullptr);

}  // namespace vyr
