// The one way a user action changes the world: as one named undo step of a declared scope,
// announced to the document's listeners when it ends.
#pragma once

#include <functional>
#include <string_view>

#include "platform/command_table.h"
#include "world/world_change.h"

namespace vyr {

class CWorldDoc;

// Runs `action` as the step `name` (a static text of res/step_names.h) that may change
// only `scope`. Steps of the same non-null `series` that follow each other become one.
void RunEdit(CWorldDoc& doc, const ChangeScope& scope, std::string_view name, const std::function<void()>& action,
             const void* series = nullptr);
// The same for an action that may end cancelled (false): the world then goes back to
// where it began, and no step is made.
void RunCancellableEdit(CWorldDoc& doc, const ChangeScope& scope, std::string_view name,
                        const std::function<bool()>& action);

// What a command may change, worked out when it runs.
using ScopeOf = ChangeScope (*)(const CWorldDoc& doc);
ChangeScope CurrentCells(const CWorldDoc& doc);
ChangeScope CurrentObjects(const CWorldDoc& doc);
ChangeScope PlaneStack(const CWorldDoc& doc);
ChangeScope WorldHeader(const CWorldDoc& doc);
ChangeScope AttributeTable(const CWorldDoc& doc);
// Single cells of the current plane through SetTile, each a step of its own.
ChangeScope SingleCells(const CWorldDoc& doc);

// Enters command `id` in `table` as the edit `name` of `scope`.
void OnEdit(CommandTable& table, CommandId id, CWorldDoc& doc, ScopeOf scope, std::string_view name,
            std::function<void()> action);

// "Cofnij" and "Ponów" name the step they would take back or make again.
void RegisterUndoCommands(CommandTable& table, CWorldDoc& doc);

}  // namespace vyr
