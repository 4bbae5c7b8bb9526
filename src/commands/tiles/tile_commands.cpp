// The tile area's command handlers; the tile dialogs' models live beside this file.
#include "commands/tiles/tile_commands.h"

#include "commands/tiles/block_copy_dialog.h"
#include "commands/tiles/fill_dialog.h"
#include "commands/tiles/replace_dialog.h"
#include "commands/tiles/text_report_dialog.h"
#include "commands/world_edit.h"
#include "platform/command_ids.h"
#include "platform/message_format.h"
#include "res/messages.h"
#include "res/step_names.h"
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
  Dialog dialog(doc);
  doc.Interaction().RunDialog(dialog);
}

}  // namespace

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
  int64_t changed = 0;
  RunEdit(doc, ChangeScope::Cells(plane), res::step::kRepairTiles, [&] { changed = RepairTiles(*plane); });
  ShowCellCount(doc, changed, res::text::kRepaired, res::text::kRepairedNone);
  return changed;
}

void RegisterTileCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  RegisterUndoCommands(table, doc);

  OnEdit(table, cmd::kTileNext, doc, SingleCells, res::step::kNextTile, [d] { d->NextTile(); });
  OnEdit(table, cmd::kTilePrevious, doc, SingleCells, res::step::kPreviousTile, [d] { d->PrevTile(); });
  // With cells selected in the view the three act on all of them.
  const auto selection = [d](std::optional<int32_t> value) {
    IViewPort* view = d->ViewPort();
    return view && value && view->FillCellSelection(*value);
  };
  table.On(cmd::kTileInsert, [d, selection] {
    const std::optional<int32_t> brush =
        d->HasCurrentImage() ? SelectionTile(d->CurrentSet(), d->CurrentImage()) : std::nullopt;
    if (!selection(brush)) RunEdit(*d, SingleCells(*d), res::step::kInsertTile, [d] { InsertTileAtCursor(*d); });
  });
  table.On(cmd::kTileDelete, [d, selection] {
    if (!selection(kEmptyTile))
      RunEdit(*d, SingleCells(*d), res::step::kDeleteTile, [d] { WriteTileAtCursorAndAdvance(*d, kEmptyTile); });
  });
  table.On(cmd::kTileFillColour, [d, selection] {
    if (!selection(kColourTile))
      RunEdit(*d, SingleCells(*d), res::step::kColourTile, [d] { WriteTileAtCursorAndAdvance(*d, kColourTile); });
  });

  OnEdit(table, cmd::kTileFill, doc, CurrentCells, res::step::kFill, [d] { RunPlaneDialog<CFillDialog>(*d); });
  table.OnUpdate(cmd::kTileFill, [d](CommandState& state) { state.Enable(d->CurrentPlane() != nullptr); });
  OnEdit(table, cmd::kBlockCopy, doc, CurrentCells, res::step::kBlockCopy, [d] { RunPlaneDialog<CBlockCopyDialog>(*d); });
  OnEdit(table, cmd::kReplaceTiles, doc, CurrentCells, res::step::kReplaceTiles,
         [d] { RunPlaneDialog<CReplaceDialog>(*d); });
  table.On(cmd::kInvalidTiles, [d] { CheckInvalidTiles(*d); });
}

void RegisterTileViewCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  table.On(cmd::kRepairTiles, [d] { RepairCurrentPlane(*d); });
}

}  // namespace vyr
