// The object area's command handlers; the dialog models and edits live beside this file.
#include "commands/objects/object_commands.h"

#include "commands/objects/bulk_dialogs.h"
#include "commands/objects/object_edit_dialog.h"
#include "commands/objects/object_edits.h"
#include "commands/objects/shortcut_commands.h"
#include "platform/command_ids.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

void Refresh(CWorldDoc& doc) {
  if (IViewPort* view = doc.ViewPort()) view->RefreshView();
}

// The view is redrawn after OK, and after Cancel too when `refreshOnCancel`.
template <typename Dialog>
void RunObjectsDialog(CWorldDoc& doc, bool refreshOnCancel) {
  if (!ObjectsPlane(doc)) return;
  ScopedChange change(doc, ChangeScope::Objects(ObjectsPlane(doc)));
  Dialog dialog(doc);
  if (doc.Interaction().RunDialog(dialog) == DialogResult::Ok || refreshOnCancel) Refresh(doc);
}

}  // namespace

void RegisterObjectCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  table.On(cmd::kDeleteAllObjects, [d] { DeleteAllObjects(*d); });
  table.On(cmd::kDeleteInvalidObjects, [d] { DeleteInvalidObjects(*d); });

  table.On(cmd::kEditCopy, [d] { CopySelectedObject(*d); });
  table.OnUpdate(cmd::kEditCopy, [d](CommandState& state) { state.Enable(SelectedOnPlane(*d) != nullptr); });
  table.On(cmd::kEditCut, [d] { CutSelectedObject(*d); });
  table.OnUpdate(cmd::kEditCut, [d](CommandState& state) { state.Enable(SelectedOnPlane(*d) != nullptr); });
  table.On(cmd::kEditPaste, [d] { PasteObject(*d); });
  table.OnUpdate(cmd::kEditPaste, [d](CommandState& state) { state.Enable(CanPasteObject(*d)); });

  table.On(cmd::kScaleObjects, [d] { RunObjectsDialog<CScaleObjectsDialog>(*d, true); });
  table.On(cmd::kChangeLogic, [d] { RunObjectsDialog<CChangeLogicDialog>(*d, false); });
  table.On(cmd::kChangeImageSets, [d] { RunObjectsDialog<CChangeImageSetDialog>(*d, false); });
  table.On(cmd::kLogicByImageSet, [d] { RunObjectsDialog<CLogicByImageSetDialog>(*d, false); });
  table.On(cmd::kChangeZ, [d] { RunObjectsDialog<CChangeZDialog>(*d, false); });
  table.OnUpdate(cmd::kChangeZ, [d](CommandState& state) { state.Enable(InObjectMode(*d)); });

  table.On(cmd::kObjectEdit, [d] {
    CPlane* plane = d->CurrentPlane();
    if (!plane || !plane->FirstObject()) return;
    // A selection left on another plane is never edited here.
    CGameObject* selected = SelectedObjectOnCurrentPlane(*d);
    if (!selected) selected = plane->FirstObject();
    CGameObject* created = d->ObjectBeingCreated();
    RunObjectEditDialog(*d, created ? created : selected, created);
  });
  table.OnUpdate(cmd::kObjectEdit, [d](CommandState& state) {
    state.Enable(d->CurrentPlane() && d->CurrentPlane()->FirstObject());
  });
}

}  // namespace vyr
