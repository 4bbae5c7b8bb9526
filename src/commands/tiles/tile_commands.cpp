// The tile area's command handlers; the tile dialogs' models live beside this file.
#include "commands/tiles/tile_commands.h"

#include "commands/tiles/block_copy_dialog.h"
#include "commands/tiles/fill_dialog.h"
#include "commands/tiles/replace_dialog.h"
#include "commands/tiles/text_report_dialog.h"
#include "platform/command_ids.h"
#include "platform/message_format.h"
#include "res/messages.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/tile_repair.h"
#include "world/undo_stack.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

void AdvanceCursor(CWorldDoc& doc) {
  if (IViewPort* view = doc.ViewPort()) view->AdvanceAutoCursor();
}

// The bulk dialogs act on the current plane only.
template <typename Dialog>
void RunPlaneDialog(CWorldDoc& doc) {
  if (!doc.CurrentPlane()) return;
  ScopedChange change(doc, ChangeScope::Cells(doc.CurrentPlane()));
  Dialog dialog(doc);
  doc.Interaction().RunDialog(dialog);
}

}  // namespace

void FinishUnrecordedEdit(CWorldDoc& doc) {
  doc.NoteUnrecordedChange();
  if (IViewPort* view = doc.ViewPort()) view->RefreshView();
}

void ShowCellCount(CWorldDoc& doc, int64_t cells, const CountedText& forms, std::string_view none) {
  doc.Interaction().ShowStatus(cells == 0 ? std::string(none)
                                          : FormatMessage(CountForm(forms, cells), {cells}));
}

void InsertTileAtCursor(CWorldDoc& doc) {
  if (!doc.HasCurrentImage()) return;
  const std::optional<int32_t> tile = SelectionTile(doc.CurrentSet(), doc.CurrentImage());
  if (!tile) return;
  doc.SetTileAtCursor(*tile);
  AdvanceCursor(doc);
}

void WriteTileAtCursorAndAdvance(CWorldDoc& doc, int32_t value) {
  if (!doc.CurrentPlane()) return;
  doc.SetTileAtCursor(value);
  AdvanceCursor(doc);
}

void UndoTileChange(CWorldDoc& doc) {
  if (doc.Undo() == UndoOutcome::Status::kEmpty) doc.Interaction().Beep(BeepKind::Exclamation);
}

void RedoChange(CWorldDoc& doc) {
  if (doc.Redo() == UndoOutcome::Status::kEmpty) doc.Interaction().Beep(BeepKind::Exclamation);
}

void CheckInvalidTiles(CWorldDoc& doc) {
  if (!doc.HasLoadedWorld()) return;
  const std::vector<std::string> messages = InvalidTileMessages(*doc.World());
  IInteractionPort& port = doc.Interaction();
  port.Message(messages.front(), messages.size() > 1 ? MessageIcon::Warning : MessageIcon::Information);
  if (messages.size() < 2) return;
  CInvalidTileReport report(doc, messages[1], InvalidTiles(*doc.World()));
  port.RunDialog(report);
}

int64_t RepairCurrentPlane(CWorldDoc& doc) {
  CPlane* plane = doc.CurrentPlane();
  if (!plane) return 0;
  ScopedChange change(doc, ChangeScope::Cells(plane));
  const int64_t changed = RepairTiles(*plane);
  ShowCellCount(doc, changed, res::text::kRepaired, res::text::kRepairedNone);
  if (changed == 0) return 0;
  FinishUnrecordedEdit(doc);
  return changed;
}

void RegisterTileCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  table.On(cmd::kEditUndo, [d] { UndoTileChange(*d); });
  table.OnUpdate(cmd::kEditUndo, [d](CommandState& state) { state.Enable(d->UndoStack() && d->UndoStack()->CanUndo()); });
  table.On(cmd::kEditRedo, [d] { RedoChange(*d); });
  table.OnUpdate(cmd::kEditRedo, [d](CommandState& state) { state.Enable(d->UndoStack() && d->UndoStack()->CanRedo()); });

  table.On(cmd::kTileNext, [d] { d->NextTile(); });
  table.On(cmd::kTilePrevious, [d] { d->PrevTile(); });
  table.On(cmd::kTileInsert, [d] { InsertTileAtCursor(*d); });
  table.On(cmd::kTileDelete, [d] { WriteTileAtCursorAndAdvance(*d, kEmptyTile); });
  table.On(cmd::kTileFillColour, [d] { WriteTileAtCursorAndAdvance(*d, kColourTile); });

  table.On(cmd::kTileFill, [d] { RunPlaneDialog<CFillDialog>(*d); });
  table.OnUpdate(cmd::kTileFill, [d](CommandState& state) { state.Enable(d->CurrentPlane() != nullptr); });
  table.On(cmd::kBlockCopy, [d] { RunPlaneDialog<CBlockCopyDialog>(*d); });
  table.On(cmd::kReplaceTiles, [d] { RunPlaneDialog<CReplaceDialog>(*d); });
  table.On(cmd::kInvalidTiles, [d] { CheckInvalidTiles(*d); });
}

void RegisterTileViewCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  table.On(cmd::kRepairTiles, [d] { RepairCurrentPlane(*d); });
}

}  // namespace vyr
