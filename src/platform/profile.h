// The settings file, read and written with Windows private-profile semantics.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

// An INI file held in memory. Section and key names compare without regard to ASCII
// case and ignore surrounding blanks; the first section of a name wins, as on Windows.
// Reads never touch the disk; Save writes the whole file atomically. With write-through
// on, every change is saved at once, so a crash loses no setting made before it.
class Profile {
 public:
  Profile() = default;

  // Holds back write-through saves while it lives; the outermost one saves what changed,
  // so a change of many keys is one write.
  class Batch {
   public:
    explicit Batch(Profile& profile) : m_profile(profile) { ++m_profile.m_batchDepth; }
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    Profile& m_profile;
  };

  // $VYRWORLD_PROFILE, else $XDG_CONFIG_HOME (or ~/.config) + "/vyrworld.ini".
  static std::string DefaultPath();

  // Reads `path` and remembers it for Save. A missing file is an empty profile (true);
  // an unreadable one leaves the profile empty and returns false with a reason.
  bool Load(const std::string& path, std::string& error);
  // Replaces the contents with the text in `bytes` (never reads outside it).
  void Parse(std::span<const uint8_t> bytes);
  std::string Serialize() const;
  // Writes to the remembered path when anything changed since Load or the last Save.
  bool Save(std::string& error);
  bool SaveAs(const std::string& path, std::string& error);

  const std::string& Path() const { return m_path; }
  void SetPath(std::string path) { m_path = std::move(path); }
  bool IsDirty() const { return m_dirty; }

  // Saves every later change at once (outside a Batch). A failed save is kept in
  // WriteError and tried again at the next change or Save.
  void SetWriteThrough(bool on) { m_writeThrough = on; }
  const std::string& WriteError() const { return m_writeError; }

  // GetPrivateProfileInt: the leading signed decimal integer of the value (blanks
  // skipped, digits up to the first non-digit, wrapping like the 32-bit original);
  // `def` when the key is missing or its value is empty.
  int GetProfileInt(std::string_view section, std::string_view key, int def) const;
  // The value with surrounding blanks and one pair of matching quotes removed.
  std::string GetProfileString(std::string_view section, std::string_view key,
                               std::string_view def = {}) const;
  bool HasKey(std::string_view section, std::string_view key) const;

  // Return false (and change nothing) for names or values the file could not hold:
  // empty keys, line breaks, keys with '=' or starting with '['.
  bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteProfileInt(std::string_view section, std::string_view key, int value);
  void DeleteKey(std::string_view section, std::string_view key);
  void DeleteSection(std::string_view section);

  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(std::string_view section) const;

 private:
  struct Entry {
    std::string key;
    std::string value;
    bool hasValue = true;  // a line without '=' is kept as a key without value
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  const Section* FindSection(std::string_view name) const;
  Section* FindSection(std::string_view name);
  const Entry* FindEntry(std::string_view section, std::string_view key) const;
  // Marks the contents changed and, with write-through, saves them unless a Batch waits.
  void Changed();

  std::string m_path;
  std::vector<Section> m_sections;
  bool m_dirty = false;
  bool m_writeThrough = false;
  int m_batchDepth = 0;
  std::string m_writeError;
};

// The leading-integer rule of GetProfileInt on its own, for values read elsewhere.
int ParseProfileInt(std::string_view text);

}  // namespace vyr
