// The process-wide lists of known logic, image-set and animation names.
#include "world/known_name_lists.h"

namespace vyr {

bool KnownNameList::Add(const std::string& name) {
  if (name.empty() || !m_index.insert(name).second) return false;
  m_names.push_back(name);
  return true;
}

void KnownNameList::Clear() {
  m_names.clear();
  m_index.clear();
}

KnownNameList& KnownNameLists::Logic() {
  static KnownNameList list;
  return list;
}

KnownNameList& KnownNameLists::ImageSets() {
  static KnownNameList list;
  return list;
}

KnownNameList& KnownNameLists::Animations() {
  static KnownNameList list;
  return list;
}

void KnownNameLists::ClearAllForTests() {
  Logic().Clear();
  ImageSets().Clear();
  Animations().Clear();
}

}  // namespace vyr
