// TilePickerControl: opening, closing and toggling the tile picker.
#include "commands/tiles/tile_picker_control.h"

#include "platform/command_ids.h"
#include "platform/profile_keys.h"

namespace vyr {

void TilePickerControl::Open(bool force) {
  if (m_hidden && !force) return;
  Close();
  m_host.CreatePicker();
}

void TilePickerControl::Close() {
  if (!m_host.PickerExists()) return;
  // The window's close handler counts every close as the user's; this one is not.
  const int hidden = m_hidden;
  m_programClose = true;
  m_host.DestroyPicker();
  m_programClose = false;
  m_hidden = hidden;
}

void TilePickerControl::SetHidden(int hidden) {
  m_hidden = hidden;
  if (m_profile && !m_programClose) m_profile->WriteProfileInt(profile::kOptions, profile::kTileDialog, hidden);
}

void TilePickerControl::Toggle() {
  if (!m_host.PickerExists()) {
    Open(true);
    SetHidden(0);
  } else if (m_host.PickerVisible()) {
    SetHidden(1);
    m_host.ShowPicker(false);
  } else {
    SetHidden(0);
    m_host.ShowPicker(true);
  }
}

void TilePickerControl::RegisterCommands(CommandTable& table) {
  table.On(cmd::kTilePicker, [this] { Toggle(); });
  table.OnUpdate(cmd::kTilePicker, [this](CommandState& state) { state.SetCheck(Checked()); });
}

}  // namespace vyr
