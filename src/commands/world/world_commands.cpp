// The world area's commands and their update handlers.
#include "commands/world/world_commands.h"

#include "commands/world/add_image_sets_dialog.h"
#include "commands/world/archive_refresh.h"
#include "commands/world/document_services.h"
#include "commands/world/new_world_dialog.h"
#include "commands/world/world_info_dialog.h"
#include "commands/world_edit.h"
#include "platform/command_ids.h"
#include "res/step_names.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {

bool OnFileNew(CWorldDoc& doc) {
  if (!doc.SaveModified()) return false;
  if (!doc.OnNewDocument()) return false;
  if (IViewPort* view = doc.ViewPort()) {
    view->Invalidate(true);
    view->UpdateNow();
  }
  CNewWorldDialog dialog(doc);
  // The dialog's OK locates the resources and stays open until they are found.
  if (doc.Interaction().RunDialog(dialog) == DialogResult::Ok) {
    doc.SetModifiedFlag(true);
    return true;
  }
  // Cancelled: no half-made world stays behind.
  doc.FreeContents();
  return false;
}

void RegisterWorldCommands(CommandTable& commands, CWorldDoc& doc) {
  AttachDocumentServices(doc);

  commands.On(cmd::kFileNew, [&doc] { OnFileNew(doc); });
  commands.OnUpdate(cmd::kFileSave, [&doc](CommandState& state) { state.Enable(doc.CanSave()); });

  OnEdit(commands, cmd::kWorldInfo, doc, WorldHeader, res::step::kWorldInfo, [&doc] {
    if (doc.HasLoadedWorld() && RunWorldInfoDialog(doc)) doc.SetModifiedFlag(true);
  });
  commands.OnUpdate(cmd::kWorldInfo, [&doc](CommandState& state) { state.Enable(doc.HasLoadedWorld()); });

  commands.On(cmd::kAddImageSets, [&doc] { RunAddImageSetsDialog(doc); });
  commands.OnUpdate(cmd::kAddImageSets, [&doc](CommandState& state) { state.Enable(CanAddImageSets(doc)); });

  commands.On(cmd::kRefreshRez, [&doc] { RefreshArchive(doc); });
  commands.OnUpdate(cmd::kRefreshRez, [&doc](CommandState& state) { state.Enable(CanRefreshArchive(doc)); });
}

}  // namespace vyr
