// The replace dialog: the value each side names and the replacement it runs.
#include "commands/tiles/replace_dialog.h"

#include "commands/tiles/tile_commands.h"
#include "res/messages.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

// A side's value: "Kloc" the typed number, "Usuń" the empty tile, "Kolor" the colour tile.
int32_t SideValue(int checked, int tileControl, int deleteControl, const std::string& number) {
  if (checked == tileControl) return ReadDialogInt(number).value_or(0);
  return checked == deleteControl ? kEmptyTile : kColourTile;
}

}  // namespace

void CReplaceDialog::OnInitDialog() {
  m_search = 0;
  m_replace = 0;
}

std::vector<DialogField> CReplaceDialog::Fields() {
  return {
      DialogField::Number(ctl::kSearchValue, "Szukaj: Kloc", m_searchValue),
      DialogField::Number(ctl::kReplaceValue, "Zamień na: Kloc", m_replaceValue),
  };
}

bool CReplaceDialog::OnOK(IInteractionPort& port) {
  if (m_search == 0 || m_replace == 0) return false;
  if (!FieldsFit(port)) return false;
  CPlane* plane = m_doc.CurrentPlane();
  if (!plane) return true;
  const int64_t replaced =
      ReplaceTiles(*plane, SideValue(m_search, ctl::kSearchTile, ctl::kSearchDelete, m_searchValue),
                   SideValue(m_replace, ctl::kReplaceTile, ctl::kReplaceDelete, m_replaceValue));
  ShowCellCount(m_doc, replaced, res::text::kReplaced, res::text::kReplacedNone);
  return true;
}

}  // namespace vyr
