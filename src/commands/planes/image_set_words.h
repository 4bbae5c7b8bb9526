// The image-set list of the plane dialogs: its words and how they fill a plane's set slots.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vyr {

class CImageSetTable;
class CPlane;

// The list field reads at most this many bytes.
inline constexpr size_t kImageSetTextMax = 1023;
// Longer words keep their first this many bytes (set names are short directory names).
inline constexpr size_t kImageSetWordMax = 127;

// The words of the list: runs of bytes that read, as signed 8-bit values, at least '0';
// blanks, line breaks, punctuation below '0' and bytes of 128 and above separate them.
std::vector<std::string> ImageSetWords(std::string_view text);

// Word n goes to slot n of the plane when a loaded set has that name; a word naming no
// loaded set leaves its slot as it was, and slots past the last word keep their sets.
void ApplyImageSetWords(const CImageSetTable* imageSets, CPlane& plane, std::string_view text);

}  // namespace vyr
