// Windows virtual-key codes to Qt keys.
#include "editor/accelerator_keys.h"

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

}  // namespace vyr
