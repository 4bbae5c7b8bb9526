// Whole-file reading and atomic whole-file writing.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vyr {

// Reads the whole file with one read. On failure returns false and sets `error`.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error);

// Writes `bytes` to a temporary file beside `path`, flushes it and renames it over
// `path`, so a failed write never destroys the previous file. A symbolic link is
// written through: its target is replaced and the link stays. A target that exists and
// is not a regular file (a folder, a device, a pipe) is refused. On failure returns
// false, sets `error` and leaves `path` as it was.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes, std::string& error);
// The same for a file made of pieces written one after another, so that a large file
// need not be copied into one buffer first.
bool WriteFileAtomically(const std::string& path, std::span<const std::span<const uint8_t>> pieces,
                         std::string& error);

}  // namespace vyr
