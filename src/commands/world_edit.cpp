// The edit entry point: every recorded change of the world begins and ends here.
#include "commands/world_edit.h"

#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/shown_text.h"
#include "res/step_names.h"
#include "world/undo_stack.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

// Ends the change however the action leaves, so a throw cannot leave it open.
class ChangeGuard {
 public:
  ChangeGuard(CWorldDoc& doc, const ChangeScope& scope, std::string_view name, const void* series) : m_doc(doc) {
    doc.BeginChange(scope, name, series);
  }
  ~ChangeGuard() { m_doc.EndChange(m_keep); }
  ChangeGuard(const ChangeGuard&) = delete;
  ChangeGuard& operator=(const ChangeGuard&) = delete;
  void Cancel() { m_keep = false; }

 private:
  CWorldDoc& m_doc;
  bool m_keep = true;
};

// "Cofnij: Wypełnij": the entry's text and prompt with the step's name, both translated;
// the entry's own text for a step without a name. Enabled while there is a step.
void ShowStep(CommandState& state, std::string_view pattern, const CUndoEntry* entry) {
  state.Enable(entry != nullptr);
  if (!entry || entry->Name().empty()) return;
  std::string text = FormatMessage(ShownText(pattern), {ShownText(entry->Name())});
  state.SetPrompt(text);
  state.SetText(std::move(text));
}

void UndoOrRedo(CWorldDoc& doc, bool redo) {
  const UndoOutcome::Status status = redo ? doc.Redo() : doc.Undo();
  if (status == UndoOutcome::Status::kEmpty) doc.Interaction().Beep(BeepKind::Exclamation);
}

}  // namespace

void RunEdit(CWorldDoc& doc, const ChangeScope& scope, std::string_view name, const std::function<void()>& action,
             const void* series) {
  ChangeGuard change(doc, scope, name, series);
  action();
}

void RunCancellableEdit(CWorldDoc& doc, const ChangeScope& scope, std::string_view name,
                        const std::function<bool()>& action) {
  ChangeGuard change(doc, scope, name, nullptr);
  if (!action()) change.Cancel();
}

ChangeScope CurrentCells(const CWorldDoc& doc) { return ChangeScope::Cells(doc.CurrentPlane()); }
ChangeScope CurrentObjects(const CWorldDoc& doc) { return ChangeScope::Objects(doc.CurrentPlane()); }
ChangeScope PlaneStack(const CWorldDoc&) { return ChangeScope::Planes(); }
ChangeScope WorldHeader(const CWorldDoc&) { return ChangeScope::Header(); }
ChangeScope AttributeTable(const CWorldDoc&) { return ChangeScope::Attributes(); }
ChangeScope SingleCells(const CWorldDoc&) { return ChangeScope::SingleCells(); }

void OnEdit(CommandTable& table, CommandId id, CWorldDoc& doc, ScopeOf scope, std::string_view name,
            std::function<void()> action) {
  CWorldDoc* d = &doc;
  table.On(id, [d, scope, name, action = std::move(action)] { RunEdit(*d, scope(*d), name, action); });
}

void RegisterUndoCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  table.On(cmd::kEditUndo, [d] { UndoOrRedo(*d, false); });
  table.OnUpdate(cmd::kEditUndo, [d](CommandState& state) {
    ShowStep(state, res::step::kUndoNamed, d->UndoStack() ? d->UndoStack()->Newest() : nullptr);
  });
  table.On(cmd::kEditRedo, [d] { UndoOrRedo(*d, true); });
  table.OnUpdate(cmd::kEditRedo, [d](CommandState& state) {
    ShowStep(state, res::step::kRedoNamed, d->UndoStack() ? d->UndoStack()->NextRedo() : nullptr);
  });
}

}  // namespace vyr
