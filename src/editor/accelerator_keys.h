// Translation of the accelerator tables' key codes into Qt key sequences, and the keypad
// accelerators, which the editor matches itself.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>
#include <span>

#include "res/resources.h"

class QWidget;

namespace vyr {

// The Qt sequences that stand for one accelerator (Enter covers both Enter keys,
// Shift+Tab also arrives as Backtab). Empty for a key code Qt has no name for.
QList<QKeySequence> KeySequencesFor(const res::Accelerator& accelerator);

// Whether the accelerator is on the numeric keypad (bound by KeypadKeys, not by a shortcut).
bool IsKeypadAccelerator(const res::Accelerator& accelerator);

// The command of a keypad Plus or Minus pressed with `modifiers` in `table`; 0 when the
// key is another one or the table has no such entry.
CommandId KeypadCommand(std::span<const res::Accelerator> table, int qtKey, Qt::KeyboardModifiers modifiers);

// For tests: with the environment variable VYRWORLD_KEY_TRACE naming a file, a line
// "<table> <command>" is appended to it for each accelerator pressed, and true returned:
// the caller then runs only what a test needs to reach the other table.
bool TraceAccelerator(int table, CommandId id);

// Qt's X11 platform never matches a shortcut bound with the keypad modifier, and turns
// Ctrl+Num+ into Ctrl++ (zoom in): this filter takes every keypad Plus and Minus meant for
// `window` before the shortcuts see it and runs the table's command for it, or nothing.
// Keys in a tool window of `window` (the tile picker) count only with Ctrl or Alt, as
// the picker keeps plain keys for its list.
class KeypadKeys : public QObject {
 public:
  KeypadKeys(QWidget& window, std::function<std::span<const res::Accelerator>()> table,
             std::function<void(CommandId)> run);
  ~KeypadKeys() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool MeantForWindow(QObject* watched, Qt::KeyboardModifiers modifiers) const;

  QWidget& m_window;
  std::function<std::span<const res::Accelerator>()> m_table;
  std::function<void(CommandId)> m_run;
};

}  // namespace vyr
