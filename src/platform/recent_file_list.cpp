// Recent-file list: order, profile storage and menu texts.
#include "platform/recent_file_list.h"

#include <algorithm>

#include "platform/profile.h"

namespace vyr {

bool RecentFileList::IsEmpty() const {
  return std::all_of(m_paths.begin(), m_paths.end(), [](const std::string& p) { return p.empty(); });
}

void RecentFileList::Add(const std::string& path) {
  if (path.empty() || m_paths.empty()) return;
  // Linux paths are case-sensitive, so entries compare exactly.
  auto found = std::find(m_paths.begin(), m_paths.end(), path);
  auto last = found == m_paths.end() ? m_paths.end() - 1 : found;
  std::rotate(m_paths.begin(), last, last + 1);
  m_paths.front() = path;
}

void RecentFileList::Remove(int index) {
  if (index < 0 || index >= Size()) return;
  m_paths.erase(m_paths.begin() + index);
  m_paths.emplace_back();
}

void RecentFileList::ReadList(const Profile& profile) {
  for (int i = 0; i < Size(); ++i) {
    m_paths[size_t(i)] = profile.GetProfileString(kSection, "File" + std::to_string(i + 1));
  }
}

void RecentFileList::WriteList(Profile& profile) const {
  Profile::Batch batch(profile);
  profile.DeleteSection(kSection);
  for (int i = 0; i < Size(); ++i) {
    if (!m_paths[size_t(i)].empty()) {
      profile.WriteProfileString(kSection, "File" + std::to_string(i + 1), m_paths[size_t(i)]);
    }
  }
}

std::string RecentFileList::MenuText(int index, size_t maxLength) const {
  if (index < 0 || index >= Size() || m_paths[size_t(index)].empty()) return {};
  std::string name = AbbreviatePath(m_paths[size_t(index)], maxLength);
  // A literal '&' in a path must not become a mnemonic.
  std::string escaped;
  for (char c : name) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return "&" + std::to_string(index + 1) + " " + escaped;
}

std::string AbbreviatePath(std::string_view path, size_t maxLength) {
  if (path.size() <= maxLength) return std::string(path);
  size_t nameStart = path.find_last_of("/\\");
  if (nameStart == std::string_view::npos) return std::string(path);
  std::string_view name = path.substr(nameStart);  // with its separator
  std::string_view root = path.substr(0, path.find_first_of("/\\") + 1);
  const std::string_view ellipsis = "...";
  if (root.size() + ellipsis.size() + name.size() > maxLength) return std::string(name.substr(1));
  // Keep as many trailing folders as fit between the root and the name.
  std::string_view middle = path.substr(root.size(), nameStart - root.size());
  size_t budget = maxLength - root.size() - ellipsis.size() - name.size();
  std::string_view kept;
  size_t cut = middle.size();
  while (true) {
    size_t sep = middle.find_last_of("/\\", cut == 0 ? 0 : cut - 1);
    if (sep == std::string_view::npos || cut == 0) break;
    std::string_view candidate = middle.substr(sep);
    if (candidate.size() > budget) break;
    kept = candidate;
    cut = sep;
  }
  return std::string(root) + std::string(ellipsis) + std::string(kept) + std::string(name);
}

}  // namespace vyr
