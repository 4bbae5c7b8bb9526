// Windows virtual-key codes to Qt keys, and the keypad keys matched by the editor itself.
#include "editor/accelerator_keys.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace vyr {
namespace {

int QtKeyFor(uint16_t code) {
  using namespace res::key;
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return Qt::Key(code);
  switch (code) {
    case kBackspace: return Qt::Key_Backspace;
    case kTab: return Qt::Key_Tab;
    case kReturn: return Qt::Key_Return;
    case kSpace: return Qt::Key_Space;
    case kPageUp: return Qt::Key_PageUp;
    case kPageDown: return Qt::Key_PageDown;
    case kEnd: return Qt::Key_End;
    case kHome: return Qt::Key_Home;
    case kLeft: return Qt::Key_Left;
    case kUp: return Qt::Key_Up;
    case kRight: return Qt::Key_Right;
    case kDown: return Qt::Key_Down;
    case kInsert: return Qt::Key_Insert;
    case kDelete: return Qt::Key_Delete;
    case kKeypadPlus: return Qt::Key_Plus;
    case kKeypadMinus: return Qt::Key_Minus;
    case kF1: return Qt::Key_F1;
    case kF5: return Qt::Key_F5;
    case kOemPlus: return Qt::Key_Equal;
    case kOemMinus: return Qt::Key_Minus;
    default: return 0;
  }
}

}  // namespace

QList<QKeySequence> KeySequencesFor(const res::Accelerator& accelerator) {
  const int key = QtKeyFor(accelerator.key);
  if (key == 0) return {};
  Qt::KeyboardModifiers mods;
  if (accelerator.modifiers & res::kShift) mods |= Qt::ShiftModifier;
  if (accelerator.modifiers & res::kControl) mods |= Qt::ControlModifier;
  if (accelerator.modifiers & res::kAlt) mods |= Qt::AltModifier;
  if (accelerator.key == res::key::kKeypadPlus || accelerator.key == res::key::kKeypadMinus) {
    mods |= Qt::KeypadModifier;
  }
  QList<QKeySequence> sequences{QKeySequence(QKeyCombination(mods, Qt::Key(key)))};
  if (key == Qt::Key_Return) sequences << QKeySequence(QKeyCombination(mods, Qt::Key_Enter));
  // The = key gives + with Shift held, which is how Ctrl++ is usually typed.
  if (key == Qt::Key_Equal) sequences << QKeySequence(QKeyCombination(mods, Qt::Key_Plus));
  if (key == Qt::Key_Tab && (mods & Qt::ShiftModifier)) {
    sequences << QKeySequence(QKeyCombination(mods, Qt::Key_Backtab));
  }
  return sequences;
}

bool TraceAccelerator(int table, CommandId id) {
  static const QString path = qEnvironmentVariable("VYRWORLD_KEY_TRACE");
  if (path.isEmpty()) return false;
  QFile trace(path);
  if (trace.open(QIODevice::Append | QIODevice::Text))
    trace.write(QByteArray::number(table) + ' ' + QByteArray::number(id) + '\n');
  return true;
}

bool IsKeypadAccelerator(const res::Accelerator& accelerator) {
  return accelerator.key == res::key::kKeypadPlus || accelerator.key == res::key::kKeypadMinus;
}

CommandId KeypadCommand(std::span<const res::Accelerator> table, int qtKey, Qt::KeyboardModifiers modifiers) {
  const uint16_t code = qtKey == Qt::Key_Plus    ? res::key::kKeypadPlus
                        : qtKey == Qt::Key_Minus ? res::key::kKeypadMinus
                                                 : 0;
  if (code == 0 || !(modifiers & Qt::KeypadModifier)) return 0;
  uint8_t held = 0;
  if (modifiers & Qt::ShiftModifier) held |= res::kShift;
  if (modifiers & Qt::ControlModifier) held |= res::kControl;
  if (modifiers & Qt::AltModifier) held |= res::kAlt;
  for (const res::Accelerator& accelerator : table) {
    if (accelerator.key == code && accelerator.modifiers == held) return accelerator.id;
  }
  return 0;
}

KeypadKeys::KeypadKeys(QWidget& window, std::function<std::span<const res::Accelerator>()> table,
                       std::function<void(CommandId)> run)
    : QObject(&window), m_window(window), m_table(std::move(table)), m_run(std::move(run)) {
  qApp->installEventFilter(this);
}

KeypadKeys::~KeypadKeys() { qApp->removeEventFilter(this); }

bool KeypadKeys::MeantForWindow(QObject* watched, Qt::KeyboardModifiers modifiers) const {
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || QApplication::activeModalWidget()) return false;
  const QWidget* window = widget->window();
  if (window == &m_window) return true;
  return window->windowType() == Qt::Tool && window->parentWidget() == &m_window &&
         (modifiers & (Qt::ControlModifier | Qt::AltModifier));
}

bool KeypadKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const bool keypadSign = (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Minus) &&
                          (key->modifiers() & Qt::KeypadModifier);
  if (!keypadSign || !MeantForWindow(watched, key->modifiers())) return false;
  // The override taken keeps every shortcut away from the key (the focus widget still
  // hears of it); the press that follows runs the command.
  event->accept();
  if (event->type() == QEvent::ShortcutOverride) return false;
  if (const CommandId id = KeypadCommand(m_table(), key->key(), key->modifiers())) m_run(id);
  return true;
}

}  // namespace vyr
