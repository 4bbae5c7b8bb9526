// The object area's command handlers; the object dialogs' models live beside this file.
#include "commands/objects/object_commands.h"

#include "commands/objects/object_edit_dialog.h"
#include "platform/command_ids.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/world_doc.h"

namespace vyr {

void RegisterObjectCommands(CommandTable& table, CWorldDoc& doc) {
  table.On(cmd::kObjectEdit, [&doc] {
    CPlane* plane = doc.CurrentPlane();
    if (!plane || !plane->FirstObject()) return;
    CGameObject* selected = doc.SelectedObject();
    // A selection left on another plane is never edited here.
    if (!selected || selected->m_listPosition.Plane() != plane) selected = plane->FirstObject();
    RunObjectEditDialog(doc, selected);
  });
  table.OnUpdate(cmd::kObjectEdit, [&doc](CommandState& state) {
    state.Enable(doc.CurrentPlane() && doc.CurrentPlane()->FirstObject());
  });
}

}  // namespace vyr
