// The tile attribute commands: their handlers and when they are enabled.
#include "commands/attributes/attribute_commands.h"

#include "commands/attributes/scale_attribs_dialog.h"
#include "commands/attributes/tile_attrib_dialog.h"
#include "platform/command_ids.h"
#include "world/world_doc.h"

namespace vyr {

void RegisterAttributeCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  // Each dialog, with every image it commits, is one undo step.
  table.On(cmd::kTileAttribInfo, [d] {
    ScopedChange change(*d, ChangeScope::Attributes());
    RunTileAttribDialog(*d);
  });
  table.OnUpdate(cmd::kTileAttribInfo, [d](CommandState& state) { state.Enable(CanEditTileAttribs(*d)); });
  table.On(cmd::kScaleAttribs, [d] {
    ScopedChange change(*d, ChangeScope::Attributes());
    RunScaleAttribsDialog(*d);
  });
  table.OnUpdate(cmd::kScaleAttribs, [](CommandState& state) { state.Enable(true); });
}

}  // namespace vyr
