// The game area's commands and their update handlers.
#include "commands/game/game_commands.h"

#include "commands/game/game_launch.h"
#include "commands/game/options_dialog.h"
#include "platform/command_ids.h"
#include "world/world_doc.h"

namespace vyr {

void RegisterGameCommands(CommandTable& commands, CWorldDoc& doc, IProcessLauncher* launcher) {
  commands.On(cmd::kOptions, [&doc] {
    COptionsDialog dialog(doc.GetProfile());
    doc.Interaction().RunDialog(dialog);
  });
  commands.OnUpdate(cmd::kOptions, [](CommandState& state) { state.Enable(true); });

  if (!launcher) return;
  for (const CommandId id : {cmd::kGameTest, cmd::kGameTestKey}) {
    commands.On(id, [&doc, launcher, id] { StartGame(doc, *launcher, id == cmd::kGameTestKey); });
    commands.OnUpdate(id, [&doc](CommandState& state) { state.Enable(!doc.Properties().gamePath.empty()); });
  }
}

}  // namespace vyr
