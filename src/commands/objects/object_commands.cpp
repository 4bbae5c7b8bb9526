// The object area's command handlers; the dialog models and edits live beside this file.
#include "commands/objects/object_commands.h"

#include "commands/objects/bulk_dialogs.h"
#include "commands/objects/object_edit_dialog.h"
#include "commands/objects/object_edits.h"
#include "commands/objects/shortcut_commands.h"
#include "commands/world_edit.h"
#include "platform/command_ids.h"
#include "res/step_names.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

// The view is redrawn after Cancel too when `refreshOnCancel` (an OK redraws through the
// change it made).
template <typename Dialog>
void RunObjectsDialog(CWorldDoc& doc, bool refreshOnCancel) {
  if (!ObjectsPlane(doc)) return;
  Dialog dialog(doc);
  if (doc.Interaction().RunDialog(dialog) != DialogResult::Ok && refreshOnCancel)
    if (IViewPort* view = doc.ViewPort()) view->RefreshView();
}

}  // namespace

void RegisterObjectCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  OnEdit(table, cmd::kDeleteAllObjects, doc, CurrentObjects, res::step::kDeleteAllObjects, [d] { DeleteAllObjects(*d); });
  OnEdit(table, cmd::kDeleteInvalidObjects, doc, CurrentObjects, res::step::kDeleteInvalidObjects,
         [d] { DeleteInvalidObjects(*d); });

  table.On(cmd::kEditCopy, [d] { CopySelectedObject(*d); });
  table.OnUpdate(cmd::kEditCopy, [d](CommandState& state) { state.Enable(SelectedOnPlane(*d) != nullptr); });
  OnEdit(table, cmd::kEditCut, doc, CurrentObjects, res::step::kCutObject, [d] { CutSelectedObject(*d); });
  table.OnUpdate(cmd::kEditCut, [d](CommandState& state) { state.Enable(SelectedOnPlane(*d) != nullptr); });
  OnEdit(table, cmd::kEditPaste, doc, CurrentObjects, res::step::kPasteObject, [d] { PasteObject(*d); });
  table.OnUpdate(cmd::kEditPaste, [d](CommandState& state) { state.Enable(CanPasteObject(*d)); });

  OnEdit(table, cmd::kScaleObjects, doc, CurrentObjects, res::step::kScaleObjects,
         [d] { RunObjectsDialog<CScaleObjectsDialog>(*d, true); });
  OnEdit(table, cmd::kChangeLogic, doc, CurrentObjects, res::step::kChangeLogic,
         [d] { RunObjectsDialog<CChangeLogicDialog>(*d, false); });
  OnEdit(table, cmd::kChangeImageSets, doc, CurrentObjects, res::step::kChangeImageSets,
         [d] { RunObjectsDialog<CChangeImageSetDialog>(*d, false); });
  OnEdit(table, cmd::kLogicByImageSet, doc, CurrentObjects, res::step::kLogicImageSets,
         [d] { RunObjectsDialog<CLogicByImageSetDialog>(*d, false); });
  OnEdit(table, cmd::kChangeZ, doc, CurrentObjects, res::step::kChangeZ,
         [d] { RunObjectsDialog<CChangeZDialog>(*d, false); });
  table.OnUpdate(cmd::kChangeZ, [d](CommandState& state) { state.Enable(InObjectMode(*d)); });

  OnEdit(table, cmd::kObjectEdit, doc, CurrentObjects, res::step::kEditObject, [d] {
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
