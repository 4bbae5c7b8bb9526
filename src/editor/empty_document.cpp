// The world-less document.
#include "editor/empty_document.h"

namespace vyr {

bool EmptyDocument::OnOpenDocument(const std::string& path) {
  m_reason = "'" + path + "' cannot be opened: this build has no world document.";
  return false;
}

bool EmptyDocument::OnSaveDocument(const std::string&) {
  m_reason = "There is no world to save.";
  return false;
}

}  // namespace vyr
