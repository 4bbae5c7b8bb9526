// The frame's dock panels: each toggled by a checked command of "&Widok", its shown state kept in the profile.
#pragma once

#include <QString>
#include <functional>
#include <span>
#include <string_view>

#include "platform/command_ids.h"

class QWidget;

namespace vyr {

class CMainFrame;
class Profile;

struct DockPanel {
  CommandId toggle;                 // the "&Widok" entry that shows or hides it
  std::string_view title;           // through the interface language
  std::string_view profileKey;      // in section Options: 1 shown, 0 hidden
  bool shownByDefault;
  std::function<QWidget*()> make;   // the panel's contents
};

// Docks each panel on the frame's right, shown as the profile says, and registers its
// command on the frame; every show or hide is written to the profile at once.
void AddDockPanels(CMainFrame& frame, Profile& profile, std::span<const DockPanel> panels);

}  // namespace vyr
