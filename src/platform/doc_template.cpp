// Document template strings.
#include "platform/doc_template.h"

namespace vyr {

std::string DocTemplatePart(std::string_view templateString, DocString index) {
  size_t start = 0;
  for (int i = 0; i < int(index); ++i) {
    size_t nl = templateString.find('\n', start);
    if (nl == std::string_view::npos) return {};
    start = nl + 1;
  }
  size_t end = templateString.find('\n', start);
  if (end == std::string_view::npos) end = templateString.size();
  return std::string(templateString.substr(start, end - start));
}

std::string DocTemplateFilter(std::string_view templateString) {
  std::string filter;
  std::string name = DocTemplatePart(templateString, DocString::FilterName);
  std::string ext = DocTemplatePart(templateString, DocString::FilterExt);
  if (!name.empty() && !ext.empty()) filter += name + "|*" + ext + "|";
  filter += "All Files (*.*)|*.*||";
  return filter;
}

}  // namespace vyr
