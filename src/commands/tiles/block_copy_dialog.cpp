// The block copy dialog's fields and the copy it runs.
#include "commands/tiles/block_copy_dialog.h"

#include "commands/tiles/tile_commands.h"
#include "res/messages.h"
#include "world/tile_edits.h"
#include "world/world_doc.h"

namespace vyr {

std::vector<DialogField> CBlockCopyDialog::Fields() {
  return {
      DialogField::Number(ctl::kCopyFromColumn, "Z Kolumny:", m_fromColumn),
      DialogField::Number(ctl::kCopyFromRow, "Z Wiersza:", m_fromRow),
      DialogField::Number(ctl::kCopyToColumn, "Do Kolumny:", m_toColumn),
      DialogField::Number(ctl::kCopyToRow, "Do Wiersza:", m_toRow),
      DialogField::Number(ctl::kCopyWidth, "Długość:", m_width),
      DialogField::Number(ctl::kCopyHeight, "Wysokość:", m_height),
  };
}

bool CBlockCopyDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  CPlane* plane = m_doc.CurrentPlane();
  if (!plane) return true;
  auto number = [](const std::string& text) { return ReadDialogInt(text).value_or(0); };
  const int64_t copied = BlockCopyTiles(*plane, number(m_fromColumn), number(m_fromRow), number(m_toColumn),
                                        number(m_toRow), number(m_width), number(m_height));
  ShowCellCount(m_doc, copied, res::text::kCopied, res::text::kCopiedNone);
  return true;
}

}  // namespace vyr
