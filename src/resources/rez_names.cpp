// Archive name rules: type-code packing and case-insensitive names.
#include "resources/rez_names.h"

namespace vyr {

namespace {
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
}  // namespace

bool TypeCodeFromExtension(std::string_view extension, uint32_t& code) {
  if (extension.size() > 4) return false;
  code = 0;
  for (char c : extension) code = (code << 8) | uint8_t(UpperAscii(c));
  return true;
}

std::string ExtensionFromTypeCode(uint32_t code) {
  int count = code == 0 ? 0 : code < 0x100 ? 1 : code < 0x10000 ? 2 : code < 0x1000000 ? 3 : 4;
  std::string out;
  for (int i = count - 1; i >= 0; --i) out.push_back(char((code >> (8 * i)) & 0xFF));
  return out;
}

std::string RezUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

bool RezNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

}  // namespace vyr
