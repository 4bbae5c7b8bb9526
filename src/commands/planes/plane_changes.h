// How the plane dialogs tell the document about changes its undo stack does not record.
#pragma once

namespace vyr {

class CWorldDoc;

// Marks the document modified so that no later undo can clear the mark over this change.
void NotePlaneChange(CWorldDoc& doc);

}  // namespace vyr
