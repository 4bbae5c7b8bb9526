// Recording plane changes that bypass the undo stack.
#include "commands/planes/plane_changes.h"

#include "world/world_doc.h"

namespace vyr {

void NotePlaneChange(CWorldDoc& doc) { doc.SetModifiedFlag(true); }

}  // namespace vyr
