// What the world area says and asks for the document in the middle of its steps: new resource locations, a save without objects, the remembered archive and the tile-size warning.
#pragma once

namespace vyr {

class CWorldDoc;

// Gives the document its services (IDocumentServices), which also watch for a new current
// plane to warn about its tile sizes.
void AttachDocumentServices(CWorldDoc& doc);

}  // namespace vyr
