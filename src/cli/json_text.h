// JSON string literals for the tool's output: file strings are bytes, so every byte
// outside printable ASCII is written as \u00XX of its byte value, undecoded.
#pragma once

#include <string>
#include <string_view>

namespace vyr::cli {

inline void AppendJsonString(std::string& out, std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (unsigned char c : bytes) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c < 0x20 || c >= 0x7F) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += char(c);
    }
  }
  out += '"';
}

inline std::string JsonString(std::string_view bytes) {
  std::string out;
  AppendJsonString(out, bytes);
  return out;
}

}  // namespace vyr::cli
