// The go-to and custom-moves dialogs: fields in on opening, numbers out at OK.
#include "commands/modes/navigation_dialogs.h"

#include <cctype>
#include <cstdint>
#include <limits>

#include "commands/world_view_model.h"
#include "platform/dialog_fields.h"

namespace vyr {

int32_t ReadSaturatedInt(const std::string& text) {
  if (std::optional<int32_t> value = ReadDialogInt(text)) return *value;
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  return i < text.size() && text[i] == '-' ? std::numeric_limits<int32_t>::min()
                                           : std::numeric_limits<int32_t>::max();
}

void CGoToDialog::OnInitDialog() {
  m_x.clear();
  m_y.clear();
  m_storeWarp = false;
  m_resultX = -1;
  m_resultY = -1;
}

bool CGoToDialog::OnOK(IInteractionPort&) {
  m_resultX = ReadSaturatedInt(m_x);
  m_resultY = ReadSaturatedInt(m_y);
  return true;
}

void CCustomMovesDialog::OnInitDialog() {
  m_left = std::to_string(m_moves.left);
  m_right = std::to_string(m_moves.right);
  m_up = std::to_string(m_moves.up);
  m_down = std::to_string(m_moves.down);
}

bool CCustomMovesDialog::OnOK(IInteractionPort&) {
  m_moves.left = ReadSaturatedInt(m_left);
  m_moves.right = ReadSaturatedInt(m_right);
  m_moves.up = ReadSaturatedInt(m_up);
  m_moves.down = ReadSaturatedInt(m_down);
  return true;
}

}  // namespace vyr
