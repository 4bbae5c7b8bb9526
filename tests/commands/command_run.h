// Pressing a command and asking its update handler, as a menu does; the command must be entered.
#pragma once

#include "platform/command_table.h"

namespace vyr::test {

inline void RunCommand(const CommandTable& table, CommandId id) { (*table.FindHandler(id))(id); }

inline CommandState UpdateCommand(const CommandTable& table, CommandId id) {
  CommandState state;
  (*table.FindUpdate(id))(id, state);
  return state;
}

}  // namespace vyr::test
