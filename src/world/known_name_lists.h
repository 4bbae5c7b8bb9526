// The process-wide lists of logic, image-set and animation names offered by the object dialogs.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace vyr {

// Distinct names in insertion order; names compare byte for byte.
class KnownNameList {
 public:
  // Appends the name unless it is empty or already present; true when it was appended.
  bool Add(const std::string& name);
  bool Contains(const std::string& name) const { return m_index.count(name) != 0; }
  const std::vector<std::string>& Names() const { return m_names; }
  size_t Count() const { return m_names.size(); }
  void Clear();

 private:
  std::vector<std::string> m_names;
  std::unordered_set<std::string> m_index;
};

class KnownNameLists {
 public:
  static KnownNameList& Logic();
  static KnownNameList& ImageSets();
  static KnownNameList& Animations();
  // The lists live for the process; only tests empty them.
  static void ClearAllForTests();
};

}  // namespace vyr
