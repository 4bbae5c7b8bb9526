// Escaping control characters and stray bytes before text reaches the terminal.
#include "cli/terminal_text.h"

#include <cstdint>

#include "platform/windows1250.h"

namespace vyr::cli {

namespace {

void AppendEscaped(std::string& out, uint32_t value) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\x";
  out += kHex[(value >> 4) & 15];
  out += kHex[value & 15];
}

// The length of the well-formed UTF-8 sequence at `at` and its code point; 0 when the
// bytes there are not one (stray, overlong, surrogate or cut short).
size_t Sequence(std::string_view text, size_t at, uint32_t& code) {
  const uint8_t lead = uint8_t(text[at]);
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  // Sequence length, the lead byte's payload bits and the smallest code point of that length.
  struct Form {
    uint8_t mask, value;
    size_t length;
    uint32_t minimum;
  };
  static constexpr Form kForms[] = {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};
  for (const Form& form : kForms) {
    if ((lead & form.mask) != form.value) continue;
    if (at + form.length > text.size()) return 0;
    code = lead & uint8_t(~form.mask);
    for (size_t i = 1; i < form.length; ++i) {
      const uint8_t next = uint8_t(text[at + i]);
      if ((next & 0xC0) != 0x80) return 0;
      code = (code << 6) | (next & 0x3F);
    }
    const bool valid = code >= form.minimum && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    return valid ? form.length : 0;
  }
  return 0;
}

}  // namespace

std::string Printable(std::string_view utf8, bool keepLines) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    uint32_t code = 0;
    const size_t length = Sequence(utf8, at, code);
    if (length == 0) {
      AppendEscaped(out, uint8_t(utf8[at++]));
      continue;
    }
    const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F);
    if (control && !(keepLines && (code == '\n' || code == '\t'))) {
      AppendEscaped(out, code);
    } else {
      out.append(utf8.substr(at, length));
    }
    at += length;
  }
  return out;
}

std::string PrintableFileText(std::string_view bytes, bool keepLines) {
  return Printable(Windows1250ToUtf8(bytes), keepLines);
}

}  // namespace vyr::cli
