// Limits of a dialog model's editable fields (what the file can hold, the accepted range)
// and the check OnOK runs before it stores anything.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/interaction_port.h"

namespace vyr {

// A dialog's number field: signed decimal after optional blanks; empty or non-numeric text
// reads as 0 and anything after the digits is ignored. None when outside [min, max].
std::optional<int32_t> ReadDialogInt(const std::string& text, int32_t min = std::numeric_limits<int32_t>::min(),
                                     int32_t max = std::numeric_limits<int32_t>::max());

struct DialogField {
  // A text field of at most `maxBytes` bytes (a file field's width less its NUL).
  static DialogField Text(int control, std::string label, std::string& text, size_t maxBytes);
  // A path of this computer: UTF-8 text of at most `maxBytes` bytes, not a file string.
  static DialogField Path(int control, std::string label, std::string& text, size_t maxBytes);
  // A number field accepting [min, max].
  static DialogField Number(int control, std::string label, std::string& text,
                            int32_t min = std::numeric_limits<int32_t>::min(),
                            int32_t max = std::numeric_limits<int32_t>::max());

  bool IsNumber() const { return number; }
  // Why the field's current text cannot be stored; empty when it can.
  std::string Problem() const;
  // The message for a typed character the file's code page lacks.
  std::string UnmappableMessage(std::string_view character) const;

  int control = 0;
  std::string label;  // as the dialog shows it, "Nazwa:"
  std::string* text = nullptr;  // the model's
  bool number = false;
  bool path = false;    // UTF-8, any character
  size_t maxBytes = 0;  // text
  // The text the field was filled with, when the model keeps it: an unedited text goes
  // back whole, even one longer than maxBytes (a file field without its terminator).
  const std::string* unedited = nullptr;
  int32_t min = 0;      // number
  int32_t max = 0;
};

// A dialog model whose editable fields have limits: the Qt layer limits its edits to them
// and checks the characters; OnOK calls FieldsFit first.
class CFieldDialogModel : public CDialogModel {
 public:
  // In the order the dialog shows them, so the first bad one is the one focused.
  virtual std::vector<DialogField> Fields() = 0;

 protected:
  // False, after a message and with the focus on it, when a field cannot be stored.
  bool FieldsFit(IInteractionPort& port);
};

}  // namespace vyr
