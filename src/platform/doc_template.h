// The single document template's strings, split the way the framework splits them.
#pragma once

#include <string>
#include <string_view>

namespace vyr {

enum class DocString {
  WindowTitle = 0,
  DocName = 1,
  FileNewName = 2,
  FilterName = 3,
  FilterExt = 4,
  RegFileTypeId = 5,
  RegFileTypeName = 6,
};

// Part `index` of a "a\nb\nc..." template string, empty when absent.
std::string DocTemplatePart(std::string_view templateString, DocString index);

// The file-dialog filter of a template: "Vyr World Pliki (*.VWD)|*.VWD|All Files (*.*)|*.*||".
std::string DocTemplateFilter(std::string_view templateString);

// The title a document gets when it has no path.
inline constexpr std::string_view kUntitled = "Untitled";

}  // namespace vyr
