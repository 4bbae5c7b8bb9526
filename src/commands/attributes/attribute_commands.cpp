// The tile attribute commands: their handlers and when they are enabled.
#include "commands/attributes/attribute_commands.h"

#include "commands/attributes/scale_attribs_dialog.h"
#include "commands/attributes/tile_attrib_dialog.h"
#include "commands/world_edit.h"
#include "platform/command_ids.h"
#include "res/step_names.h"
#include "world/world_doc.h"

namespace vyr {

void RegisterAttributeCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  // Each dialog, with every image it commits, is one undo step.
  OnEdit(table, cmd::kTileAttribInfo, doc, AttributeTable, res::step::kTileAttribs, [d] { RunTileAttribDialog(*d); });
  table.OnUpdate(cmd::kTileAttribInfo, [d](CommandState& state) { state.Enable(CanEditTileAttribs(*d)); });
  OnEdit(table, cmd::kScaleAttribs, doc, AttributeTable, res::step::kScaleAttribs, [d] { RunScaleAttribsDialog(*d); });
  table.OnUpdate(cmd::kScaleAttribs, [](CommandState& state) { state.Enable(true); });
}

}  // namespace vyr
