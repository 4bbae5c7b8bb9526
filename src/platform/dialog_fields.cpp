// Number reading, the field checks and their messages.
#include "platform/dialog_fields.h"

#include <cctype>
#include <utility>

namespace vyr {

std::optional<int32_t> ReadDialogInt(const std::string& text, int32_t min, int32_t max) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  bool huge = false;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    // Past any 32-bit number already; stop before the 64-bit one could wrap.
    if (value > (int64_t(1) << 40)) {
      huge = true;
      value = int64_t(1) << 40;
    }
  }
  if (negative) value = -value;
  if (huge || value < min || value > max) return std::nullopt;
  return int32_t(value);
}

DialogField DialogField::Text(int control, std::string label, std::string& text, size_t maxBytes) {
  DialogField field;
  field.control = control;
  field.label = std::move(label);
  field.text = &text;
  field.maxBytes = maxBytes;
  return field;
}

DialogField DialogField::Path(int control, std::string label, std::string& text, size_t maxBytes) {
  DialogField field = Text(control, std::move(label), text, maxBytes);
  field.path = true;
  return field;
}

DialogField DialogField::Number(int control, std::string label, std::string& text, int32_t min, int32_t max) {
  DialogField field;
  field.control = control;
  field.label = std::move(label);
  field.text = &text;
  field.number = true;
  field.min = min;
  field.max = max;
  return field;
}

std::string DialogField::Problem() const {
  const std::string name = "\"" + label + "\"";
  if (IsNumber()) {
    if (ReadDialogInt(*text, min, max)) return {};
    return name + " takes a number from " + std::to_string(min) + " to " + std::to_string(max) +
           ". Please correct it.";
  }
  if (text->size() <= maxBytes || (unedited && *text == *unedited)) return {};
  return name + " holds at most " + std::to_string(maxBytes) + " characters; this text has " +
         std::to_string(text->size()) + ". Please shorten it.";
}

std::string DialogField::UnmappableMessage(std::string_view character) const {
  return "\"" + label + "\" contains \"" + std::string(character) +
         "\", which the file cannot hold: its texts use the Windows-1250 (Central European) "
         "characters. Please replace it.";
}

bool CFieldDialogModel::FieldsFit(IInteractionPort& port) {
  for (const DialogField& field : Fields()) {
    const std::string problem = field.Problem();
    if (problem.empty()) continue;
    port.Message(problem, MessageIcon::Warning);
    SetFocusControl(field.control);
    return false;
  }
  return true;
}

}  // namespace vyr
