// The document's commands: every area's Register function over the document's command table.
#pragma once

namespace vyr {

class CWorldDoc;

// Enters the world, plane and tile commands in the document's command table.
void RegisterDocumentCommands(CWorldDoc& doc);

}  // namespace vyr
