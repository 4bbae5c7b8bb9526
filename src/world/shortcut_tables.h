// The per-world logic and Z shortcut tables and their storage in the world's profile section.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <initializer_list>

namespace vyr {

class Profile;

inline constexpr int kShortcutCount = 10;

// The profile section of a world file: its canonical absolute path, so every way of
// naming the file finds the same section, with the bytes a section name cannot hold
// ('[', ']', '=', ';', '%', control bytes and blanks at either end) written as %XX.
// Empty for an empty path.
std::string WorldProfileSection(const std::string& path);

// What both tables share: the profile and the section they store themselves under. A
// change (a new pairing, a changed default) stores the table at once.
class CShortcutTable {
 public:
  virtual ~CShortcutTable() = default;

  // 0, changing nothing, for an empty path; otherwise the section becomes the path's.
  int SetSection(Profile* profile, const std::string& path);
  const std::string& Section() const { return m_section; }
  virtual int Load() = 0;
  // 0, writing nothing, without a profile or a section (a world never saved).
  virtual int Store() = 0;

 protected:
  bool CanStore() const;
  // Writes the count and the numbered keys, and removes the numbered keys an older,
  // longer table left behind.
  void StoreCount(std::string_view countKey, int count, std::initializer_list<std::string_view> numberedKeys);

  Profile* m_profile = nullptr;
  std::string m_section;
};

// Logic name → the image set first paired with it, and the ten default logics of Alt+0..9.
class CLogicTable final : public CShortcutTable {
 public:
  int Load() override;
  int Store() override;

  std::optional<std::string> FindImageSet(const std::string& logic) const;
  // 0 for an empty logic or one already paired (the first pairing stays).
  int RememberImageSet(const std::string& logic, const std::string& imageSet);
  // Empty outside 0..9.
  std::string DefaultLogic(int index) const;
  void SetDefaultLogic(int index, std::string logic);

 private:
  std::map<std::string, std::string> m_pairs;
  std::array<std::string, kShortcutCount> m_defaults;
};

// Logic name → remembered Z, and the ten default Z values of Ctrl+0..9.
class CZTable final : public CShortcutTable {
 public:
  int Load() override;
  int Store() override;

  // An empty logic is never found.
  std::optional<int32_t> FindZ(const std::string& logic) const;
  // 0 for an empty logic, or for one already paired unless `replace`.
  int RememberZ(const std::string& logic, int32_t z, bool replace);
  // 0 outside 0..9.
  int32_t DefaultZ(int index) const;
  void SetDefaultZ(int index, int32_t z);

 private:
  std::map<std::string, int32_t> m_pairs;
  std::array<int32_t, kShortcutCount> m_defaults{};
};

}  // namespace vyr
