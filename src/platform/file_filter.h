// File-dialog filters in the framework's "Name|patterns|...||" form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vyr {

struct FileFilter {
  std::string label;                  // "Maski (*.bmp, *.pcx, *.rid, *.pid) " as written
  std::vector<std::string> patterns;  // "*.bmp", "*.pcx", ...
};

// Splits "A|*.a;*.b|B|*.*||" into its pairs; a label without patterns is dropped.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);

// True when `name` matches one of the patterns ('*' and '?', letters without regard to
// case, as on the original platform).
bool MatchesFilter(const FileFilter& filter, std::string_view name);

}  // namespace vyr
