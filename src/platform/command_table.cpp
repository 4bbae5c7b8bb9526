// Command routing tables and the routing chain.
#include "platform/command_table.h"

namespace vyr {

void CommandTable::On(CommandId id, std::function<void()> handler) {
  m_handlers[id] = [h = std::move(handler)](CommandId) { h(); };
}

void CommandTable::OnRange(CommandId first, CommandId last, CommandHandler handler) {
  m_ranges.push_back({first, last, std::move(handler), {}});
}

void CommandTable::OnUpdate(CommandId id, std::function<void(CommandState&)> update) {
  m_updates[id] = [u = std::move(update)](CommandId, CommandState& state) { u(state); };
}

void CommandTable::OnUpdateRange(CommandId first, CommandId last, UpdateHandler update) {
  m_ranges.push_back({first, last, {}, std::move(update)});
}

void CommandTable::Remove(CommandId id) {
  m_handlers.erase(id);
  m_updates.erase(id);
}

const CommandHandler* CommandTable::FindHandler(CommandId id) const {
  if (auto it = m_handlers.find(id); it != m_handlers.end()) return &it->second;
  for (const RangeEntry& range : m_ranges) {
    if (range.handler && id >= range.first && id <= range.last) return &range.handler;
  }
  return nullptr;
}

const UpdateHandler* CommandTable::FindUpdate(CommandId id) const {
  if (auto it = m_updates.find(id); it != m_updates.end()) return &it->second;
  for (const RangeEntry& range : m_ranges) {
    if (range.update && id >= range.first && id <= range.last) return &range.update;
  }
  return nullptr;
}

CommandState CommandRouter::QueryState(CommandId id, bool disableIfNoHandler) const {
  CommandState state;
  for (CommandTarget* target : m_targets) {
    if (!target) continue;
    if (const UpdateHandler* update = target->Commands().FindUpdate(id)) {
      (*update)(id, state);
      break;
    }
  }
  if (disableIfNoHandler && !state.enableChanged) state.enabled = HasHandler(id);
  return state;
}

bool CommandRouter::HasHandler(CommandId id) const {
  for (CommandTarget* target : m_targets) {
    if (target && target->Commands().FindHandler(id)) return true;
  }
  return false;
}

bool CommandRouter::Execute(CommandId id) const {
  if (!QueryState(id).enabled) return false;
  for (CommandTarget* target : m_targets) {
    if (!target) continue;
    if (const CommandHandler* handler = target->Commands().FindHandler(id)) {
      // Copy first: a handler may replace its own table entry while it runs.
      CommandHandler run = *handler;
      run(id);
      return true;
    }
  }
  return false;
}

}  // namespace vyr
