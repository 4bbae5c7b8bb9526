// The framework's recent-file list, kept in the profile as "Recent File List" File1..FileN.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/profile_keys.h"

namespace vyr {

class Profile;

class RecentFileList {
 public:
  static constexpr std::string_view kSection = profile::kRecentFileList;

  explicit RecentFileList(int size = 4) : m_paths(size_t(size)) {}

  int Size() const { return int(m_paths.size()); }
  // Empty string for an unused slot.
  const std::string& operator[](int index) const { return m_paths[size_t(index)]; }
  bool IsEmpty() const;

  // Moves `path` to the top (adding it when new, dropping the oldest when full).
  void Add(const std::string& path);
  void Remove(int index);

  void ReadList(const Profile& profile);
  void WriteList(Profile& profile) const;

  // Menu text of entry `index`: "&1 " and the path shortened to `maxLength` characters
  // ("/.../" in place of leading folders, the file name always kept whole).
  std::string MenuText(int index, size_t maxLength = 30) const;

 private:
  std::vector<std::string> m_paths;
};

// Shortens a path for display the way the framework does for its menu.
std::string AbbreviatePath(std::string_view path, size_t maxLength);

}  // namespace vyr
