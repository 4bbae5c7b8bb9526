// The file-name and folder parts of a path written with either separator.
#pragma once

#include <string>

namespace vyr {

// What follows the last '/' or '\' (the whole path when there is none).
std::string FileNameOf(const std::string& path);
// What precedes the last '/' or '\': "." when there is none, the separator itself for a
// file in the root.
std::string FolderOf(const std::string& path);

}  // namespace vyr
