// Writing a snapshot surface as an 8-bit palette PNG.
#pragma once

#include <string>

namespace vyr {

class CSnapshotDib;
class CSnapshotPalette;

// True when the name ends in ".png", in any case: such a snapshot is written as PNG.
bool IsPngName(const std::string& path);

// Encodes the 8-bit surface with its 256 colours and writes the file atomically. False,
// with the reason, when encoding or writing fails.
bool WriteSnapshotPng(const std::string& path, const CSnapshotDib& surface, const CSnapshotPalette& palette,
                      std::string* reason);

}  // namespace vyr
