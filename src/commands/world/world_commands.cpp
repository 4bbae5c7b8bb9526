// The world area's commands and their update handlers.
#include "commands/world/world_commands.h"

#include <memory>

#include "commands/world/add_image_sets_dialog.h"
#include "commands/world/new_world_dialog.h"
#include "commands/world/world_info_dialog.h"
#include "commands/world_edit.h"
#include "platform/command_ids.h"
#include "res/step_names.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

class WorldDocumentServices final : public IDocumentServices {
 public:
  explicit WorldDocumentServices(CWorldDoc& doc) : m_doc(doc) {}
  bool EditWorldInfo() override { return RunWorldInfoDialog(m_doc); }

 private:
  CWorldDoc& m_doc;
};

}  // namespace

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
  doc.SetServices(std::make_unique<WorldDocumentServices>(doc));

  commands.On(cmd::kFileNew, [&doc] { OnFileNew(doc); });
  commands.OnUpdate(cmd::kFileSave, [&doc](CommandState& state) { state.Enable(doc.CanSave()); });

  OnEdit(commands, cmd::kWorldInfo, doc, WorldHeader, res::step::kWorldInfo, [&doc] {
    if (doc.HasLoadedWorld() && RunWorldInfoDialog(doc)) doc.SetModifiedFlag(true);
  });
  commands.OnUpdate(cmd::kWorldInfo, [&doc](CommandState& state) { state.Enable(doc.HasLoadedWorld()); });

  commands.On(cmd::kAddImageSets, [&doc] { RunAddImageSetsDialog(doc); });
  commands.OnUpdate(cmd::kAddImageSets, [&doc](CommandState& state) { state.Enable(doc.CanAddImageSets()); });

  commands.On(cmd::kRefreshRez, [&doc] { doc.RefreshArchive(); });
  commands.OnUpdate(cmd::kRefreshRez, [&doc](CommandState& state) { state.Enable(doc.CanRefreshArchive()); });
}

}  // namespace vyr
