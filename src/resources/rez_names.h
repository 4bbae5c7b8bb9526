// Archive name rules: type-code packing, path characters and case-insensitive names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vyr {

// Packs an extension (without the dot, at most four characters) into a type code, the
// first character in the most significant used byte, upper-cased: "PID" -> 0x00504944.
// An empty extension gives 0. Returns false for an extension longer than four characters,
// which has no type code.
bool TypeCodeFromExtension(std::string_view extension, uint32_t& code);

// The reverse: the characters of the significant bytes from the most significant down
// (0 gives the empty string).
std::string ExtensionFromTypeCode(uint32_t code);

// A byte that can be part of a name in a path: 0x20..0x2E, a digit or an ASCII letter.
// Every other byte separates path components.
inline bool IsRezNameChar(unsigned char c) {
  return (c >= 0x20 && c <= 0x2E) || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

// ASCII letters upper-cased, every other byte kept.
std::string RezUpper(std::string_view text);

// Equality ignoring the case of ASCII letters.
bool RezNamesEqual(std::string_view a, std::string_view b);

}  // namespace vyr
