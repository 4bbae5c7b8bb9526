// Command routing: per-object handler tables and the view -> document -> frame -> application chain.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/command_ids.h"

namespace vyr {

// What an update handler decides about a menu entry, toolbar button or status pane.
struct CommandState {
  bool enabled = true;
  bool checked = false;
  std::optional<std::string> text;  // replaces the entry's text (or a pane's text) when set
  std::optional<std::string> prompt;  // replaces the entry's status-bar prompt and tooltip when set
  bool enableChanged = false;       // an update handler that never calls Enable leaves it open

  void Enable(bool on) {
    enabled = on;
    enableChanged = true;
  }
  void SetCheck(bool on) { checked = on; }
  void SetText(std::string value) { text = std::move(value); }
  void SetPrompt(std::string value) { prompt = std::move(value); }
};

using CommandHandler = std::function<void(CommandId)>;
using UpdateHandler = std::function<void(CommandId, CommandState&)>;

// One object's message map: handlers and update handlers by id, single ids or ranges.
class CommandTable {
 public:
  void On(CommandId id, std::function<void()> handler);
  void OnRange(CommandId first, CommandId last, CommandHandler handler);
  void OnUpdate(CommandId id, std::function<void(CommandState&)> update);
  void OnUpdateRange(CommandId first, CommandId last, UpdateHandler update);
  void Remove(CommandId id);

  const CommandHandler* FindHandler(CommandId id) const;
  const UpdateHandler* FindUpdate(CommandId id) const;

 private:
  struct RangeEntry {
    CommandId first;
    CommandId last;
    CommandHandler handler;
    UpdateHandler update;
  };
  std::unordered_map<CommandId, CommandHandler> m_handlers;
  std::unordered_map<CommandId, UpdateHandler> m_updates;
  std::vector<RangeEntry> m_ranges;
};

// Base of every object that takes part in routing (view, document, frame, application).
class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  CommandTable& Commands() { return m_commands; }
  const CommandTable& Commands() const { return m_commands; }

 private:
  CommandTable m_commands;
};

// Routes commands through the four slots in the framework's order. The first update
// handler along the chain fills the state; when it does not decide enablement (or there
// is none), an entry is enabled exactly when some target handles it. Status panes are
// queried without that rule. Disabled commands are never run.
class CommandRouter {
 public:
  enum class Slot { View = 0, Document = 1, Frame = 2, Application = 3 };

  void SetTarget(Slot slot, CommandTarget* target) { m_targets[size_t(slot)] = target; }
  CommandTarget* Target(Slot slot) const { return m_targets[size_t(slot)]; }

  CommandState QueryState(CommandId id, bool disableIfNoHandler = true) const;
  bool HasHandler(CommandId id) const;
  // Runs the first handler along the chain if the command is enabled; returns whether it ran.
  bool Execute(CommandId id) const;

 private:
  std::array<CommandTarget*, 4> m_targets{};
};

}  // namespace vyr
