// Windows-1250, the code page of the Polish Windows tools that wrote the game's files:
// file strings are its bytes, shown and typed as Unicode.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vyr {

// The character a byte stands for. The five bytes the code page leaves undefined stand
// for the C1 control of the same value, as Windows decodes them, so every byte string
// survives a decode and an encode unchanged.
char16_t Windows1250Char(uint8_t byte);

// The byte of a character, none when the code page lacks it.
std::optional<uint8_t> Windows1250Byte(char32_t character);

// File bytes as UTF-8 text.
std::string Windows1250ToUtf8(std::string_view bytes);

// `text` itself when it is UTF-8, else its bytes read as Windows-1250: for paths an older
// version kept in Windows-1250 where UTF-8 belongs.
std::string Utf8OrWindows1250(std::string_view text);

// UTF-8 text as file bytes. False when a character has no byte (or the text is not
// UTF-8): `unmappable`, when given, receives that character as UTF-8 and `bytes` is
// left incomplete.
bool Utf8ToWindows1250(std::string_view utf8, std::string& bytes, std::string* unmappable = nullptr);

}  // namespace vyr
