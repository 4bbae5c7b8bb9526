// The shortcut tables: lookups, remembering, and reading and writing the world's profile section.
#include "world/shortcut_tables.h"

#include <filesystem>
#include <system_error>

#include "platform/profile.h"
#include "platform/profile_keys.h"

namespace vyr {

namespace {

// A name with no other meaning: the old program stored nothing under it either.
constexpr std::string_view kUntitled = "Untitled";

std::string Numbered(std::string_view key, int number) { return std::string(key) + std::to_string(number); }

bool NeedsEscape(unsigned char c, bool atEdge) {
  return c < 0x20 || c == 0x7f || c == '[' || c == ']' || c == '=' || c == ';' || c == '%' ||
         (atEdge && (c == ' ' || c == '\t'));
}

// The profile drops blanks and one pair of quotes around a value; quoting such a name
// keeps every byte of it.
std::string Quoted(const std::string& value) {
  if (value.empty()) return value;
  const char first = value.front();
  const char last = value.back();
  const bool edgeBlank = first == ' ' || first == '\t' || last == ' ' || last == '\t';
  const bool quoted = value.size() > 1 && first == last && (first == '"' || first == '\'');
  return edgeBlank || quoted ? '"' + value + '"' : value;
}

}  // namespace

std::string WorldProfileSection(const std::string& path) {
  if (path.empty()) return {};
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path absolute = fs::absolute(fs::path(path), error);
  if (error) absolute = fs::path(path);
  fs::path canonical = fs::weakly_canonical(absolute, error);
  const std::string full = (error ? absolute.lexically_normal() : canonical).string();

  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string section;
  for (size_t i = 0; i < full.size(); ++i) {
    const auto c = static_cast<unsigned char>(full[i]);
    if (NeedsEscape(c, i == 0 || i + 1 == full.size())) {
      section += '%';
      section += kHex[c >> 4];
      section += kHex[c & 15];
    } else {
      section += static_cast<char>(c);
    }
  }
  return section;
}

int CShortcutTable::SetSection(Profile* profile, const std::string& path) {
  if (path.empty()) return 0;
  m_profile = profile;
  m_section = WorldProfileSection(path);
  return 1;
}

bool CShortcutTable::CanStore() const { return m_profile && !m_section.empty() && m_section != kUntitled; }

void CShortcutTable::StoreCount(std::string_view countKey, int count,
                                std::initializer_list<std::string_view> numberedKeys) {
  const int old = m_profile->GetProfileInt(m_section, countKey, 0);
  for (int i = count + 1; i <= old; ++i)
    for (std::string_view key : numberedKeys) m_profile->DeleteKey(m_section, Numbered(key, i));
  m_profile->WriteProfileInt(m_section, countKey, count);
}

int CLogicTable::Load() {
  if (!m_profile || m_section.empty()) return 0;
  const int count = m_profile->GetProfileInt(m_section, profile::kLogicImageCount, 0);
  for (int i = 1; i <= count; ++i) {
    std::string logic = m_profile->GetProfileString(m_section, Numbered(profile::kLogicName, i));
    if (logic.empty()) continue;
    std::string imageSet = m_profile->GetProfileString(m_section, Numbered(profile::kImageName, i));
    if (!imageSet.empty()) m_pairs[std::move(logic)] = std::move(imageSet);
  }
  for (int i = 0; i < kShortcutCount; ++i)
    m_defaults[size_t(i)] = m_profile->GetProfileString(m_section, Numbered(profile::kDefaultLogic, i));
  return 1;
}

int CLogicTable::Store() {
  if (!CanStore()) return 0;
  Profile::Batch batch(*m_profile);
  int number = 0;
  for (const auto& [logic, imageSet] : m_pairs) {
    ++number;
    m_profile->WriteProfileString(m_section, Numbered(profile::kLogicName, number), Quoted(logic));
    m_profile->WriteProfileString(m_section, Numbered(profile::kImageName, number), Quoted(imageSet));
  }
  StoreCount(profile::kLogicImageCount, number, {profile::kLogicName, profile::kImageName});
  for (int i = 0; i < kShortcutCount; ++i) {
    const std::string key = Numbered(profile::kDefaultLogic, i);
    // An emptied default must not come back from an older value at the next open.
    if (m_defaults[size_t(i)].empty())
      m_profile->DeleteKey(m_section, key);
    else
      m_profile->WriteProfileString(m_section, key, Quoted(m_defaults[size_t(i)]));
  }
  return 1;
}

std::optional<std::string> CLogicTable::FindImageSet(const std::string& logic) const {
  auto found = m_pairs.find(logic);
  if (found == m_pairs.end()) return std::nullopt;
  return found->second;
}

int CLogicTable::RememberImageSet(const std::string& logic, const std::string& imageSet) {
  if (logic.empty() || !m_pairs.emplace(logic, imageSet).second) return 0;
  Store();
  return 1;
}

std::string CLogicTable::DefaultLogic(int index) const {
  return index >= 0 && index < kShortcutCount ? m_defaults[size_t(index)] : std::string();
}

void CLogicTable::SetDefaultLogic(int index, std::string logic) {
  if (index < 0 || index >= kShortcutCount || m_defaults[size_t(index)] == logic) return;
  m_defaults[size_t(index)] = std::move(logic);
  Store();
}

int CZTable::Load() {
  if (!m_profile || m_section.empty()) return 0;
  const int count = m_profile->GetProfileInt(m_section, profile::kZAssocCount, 0);
  for (int i = 1; i <= count; ++i) {
    std::string logic = m_profile->GetProfileString(m_section, Numbered(profile::kZAssocString, i));
    if (!logic.empty()) m_pairs[std::move(logic)] = m_profile->GetProfileInt(m_section, Numbered(profile::kZAssocCoord, i), 0);
  }
  for (int i = 0; i < kShortcutCount; ++i)
    m_defaults[size_t(i)] = m_profile->GetProfileInt(m_section, Numbered(profile::kDefaultZValue, i), 0);
  return 1;
}

int CZTable::Store() {
  if (!CanStore()) return 0;
  Profile::Batch batch(*m_profile);
  int number = 0;
  for (const auto& [logic, z] : m_pairs) {
    ++number;
    m_profile->WriteProfileString(m_section, Numbered(profile::kZAssocString, number), Quoted(logic));
    m_profile->WriteProfileInt(m_section, Numbered(profile::kZAssocCoord, number), z);
  }
  StoreCount(profile::kZAssocCount, number, {profile::kZAssocString, profile::kZAssocCoord});
  for (int i = 0; i < kShortcutCount; ++i) {
    const std::string key = Numbered(profile::kDefaultZValue, i);
    if (m_defaults[size_t(i)] == 0)
      m_profile->DeleteKey(m_section, key);
    else
      m_profile->WriteProfileInt(m_section, key, m_defaults[size_t(i)]);
  }
  return 1;
}

std::optional<int32_t> CZTable::FindZ(const std::string& logic) const {
  if (logic.empty()) return std::nullopt;
  auto found = m_pairs.find(logic);
  if (found == m_pairs.end()) return std::nullopt;
  return found->second;
}

int CZTable::RememberZ(const std::string& logic, int32_t z, bool replace) {
  if (logic.empty()) return 0;
  auto [place, added] = m_pairs.emplace(logic, z);
  if (!added && !replace) return 0;
  if (!added && place->second == z) return 1;
  place->second = z;
  Store();
  return 1;
}

int32_t CZTable::DefaultZ(int index) const {
  return index >= 0 && index < kShortcutCount ? m_defaults[size_t(index)] : 0;
}

void CZTable::SetDefaultZ(int index, int32_t z) {
  if (index < 0 || index >= kShortcutCount || m_defaults[size_t(index)] == z) return;
  m_defaults[size_t(index)] = z;
  Store();
}

}  // namespace vyr
