// Text for the terminal: bytes from files never reach it as control codes.
#pragma once

#include <string>
#include <string_view>

namespace vyr::cli {

// UTF-8 text with every control character (C0, DEL, C1) and every byte that is not
// UTF-8 written as \xNN, so a name cannot move the cursor, ring or recolour the
// terminal. With `keepLines`, line feeds and tabs stay (multi-line reports).
std::string Printable(std::string_view utf8, bool keepLines = false);

// A string of a world file (Windows-1250 bytes) as printable UTF-8.
std::string PrintableFileText(std::string_view bytes, bool keepLines = false);

}  // namespace vyr::cli
