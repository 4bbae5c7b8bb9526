// The world view's commands: refresh, grid, "Bez Obrazów", the tile cursor menu and the automatic cursor.
#include "commands/view_commands.h"

#include "commands/world_view_model.h"
#include "platform/command_ids.h"

namespace vyr {

void RegisterViewCommands(CommandTable& table, CWorldViewModel& model) {
  CWorldViewModel* view = &model;

  table.On(cmd::kRefreshView, [view] { view->OnRefreshCommand(); });

  table.On(cmd::kGrid, [view] { view->OnToggleGrid(); });
  table.OnUpdate(cmd::kGrid, [view](CommandState& state) {
    state.Enable(view->GridCommandEnabled());
    state.SetCheck(view->GridOn());
  });

  table.On(cmd::kNoImages, [view] { view->OnToggleNoImages(); });
  table.OnUpdate(cmd::kNoImages, [view](CommandState& state) {
    state.Enable(true);
    state.SetCheck(view->NoImages());
  });

  // "Ś&wiat": enabled with a loaded world, no action of its own.
  table.On(cmd::kWorldView, [] {});
  table.OnUpdate(cmd::kWorldView, [view](CommandState& state) {
    state.Enable(view->Document() && view->Document()->WorldLoaded());
  });

  // The cursor entries are always enabled; without a current plane they do nothing.
  const struct {
    CommandId id;
    CursorStep step;
  } steps[] = {
      {cmd::kCursorLeft, CursorStep::Left},
      {cmd::kCursorRight, CursorStep::Right},
      {cmd::kCursorUp, CursorStep::Up},
      {cmd::kCursorDown, CursorStep::Down},
  };
  for (const auto& entry : steps) {
    const CursorStep step = entry.step;
    table.On(entry.id, [view, step] { view->StepCursor(step); });
  }
  const struct {
    CommandId id;
    CursorJump jump;
  } jumps[] = {
      {cmd::kCursorTopLeft, CursorJump::TopLeft},         {cmd::kCursorTopRight, CursorJump::TopRight},
      {cmd::kCursorBottomRight, CursorJump::BottomRight}, {cmd::kCursorBottomLeft, CursorJump::BottomLeft},
      {cmd::kCursorRowStart, CursorJump::RowStart},       {cmd::kCursorRowEnd, CursorJump::RowEnd},
      {cmd::kCursorColumnStart, CursorJump::ColumnStart}, {cmd::kCursorColumnEnd, CursorJump::ColumnEnd},
  };
  for (const auto& entry : jumps) {
    const CursorJump jump = entry.jump;
    table.On(entry.id, [view, jump] { view->JumpCursor(jump); });
  }

  table.On(cmd::kAutoCursor, [view] { view->OnToggleAutoCursor(); });
  table.OnUpdate(cmd::kAutoCursor, [view](CommandState& state) {
    state.Enable(true);
    state.SetCheck(view->AutoCursor());
  });
}

}  // namespace vyr
