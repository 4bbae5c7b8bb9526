// Private-profile file: parsing, lookups, writes and atomic saving.
#include "platform/profile.h"

#include <cstdlib>
#include <filesystem>
#include <utility>

#include "platform/file_io.h"

namespace vyr {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

int ParseProfileInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && uint8_t(text[i]) <= ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + uint32_t(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return int(int32_t(value));
}

std::string Profile::DefaultPath() {
  if (const char* explicitPath = std::getenv("VYRWORLD_PROFILE"); explicitPath && *explicitPath) {
    return explicitPath;
  }
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::string(home) + "/.config";
  } else {
    base = ".";
  }
  return base + "/vyrworld.ini";
}

bool Profile::Load(const std::string& path, std::string& error) {
  m_path = path;
  m_sections.clear();
  m_dirty = false;
  std::error_code ec;
  // A profile that does not exist yet is simply empty, as on Windows.
  if (!std::filesystem::exists(path, ec) && !ec) return true;
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  Parse(bytes);
  m_dirty = false;
  return true;
}

void Profile::Parse(std::span<const uint8_t> bytes) {
  m_sections.clear();
  m_sections.push_back({});  // lines before the first section header
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty()) continue;
    if (line.front() == '[') {
      size_t close = line.rfind(']');
      if (close != std::string_view::npos && close > 0) {
        m_sections.push_back({std::string(Trim(line.substr(1, close - 1))), {}});
        continue;
      }
    }
    Entry entry;
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      entry.key = std::string(line);
      entry.hasValue = false;
    } else {
      entry.key = std::string(Trim(line.substr(0, eq)));
      entry.value = std::string(Trim(line.substr(eq + 1)));
    }
    m_sections.back().entries.push_back(std::move(entry));
  }
  m_dirty = true;
}

std::string Profile::Serialize() const {
  std::string out;
  for (const Section& section : m_sections) {
    if (section.name.empty() && section.entries.empty()) continue;
    if (!out.empty()) out += '\n';
    if (!section.name.empty() || &section != &m_sections.front()) {
      out += '[';
      out += section.name;
      out += "]\n";
    }
    for (const Entry& entry : section.entries) {
      out += entry.key;
      if (entry.hasValue) {
        out += '=';
        out += entry.value;
      }
      out += '\n';
    }
  }
  return out;
}

Profile::Batch::~Batch() {
  if (--m_profile.m_batchDepth == 0 && m_profile.m_dirty) m_profile.Changed();
}

void Profile::Changed() {
  m_dirty = true;
  if (!m_writeThrough || m_batchDepth > 0) return;
  std::string error;
  m_writeError = Save(error) ? std::string() : error;
}

bool Profile::Save(std::string& error) {
  if (!m_dirty) return true;
  if (m_path.empty()) {
    error = "no profile file is set";
    return false;
  }
  return SaveAs(m_path, error);
}

bool Profile::SaveAs(const std::string& path, std::string& error) {
  std::error_code ec;
  std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);  // ~/.config may be new
  std::string text = Serialize();
  if (!WriteFileAtomically(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()},
                           error)) {
    return false;
  }
  m_dirty = false;
  return true;
}

const Profile::Section* Profile::FindSection(std::string_view name) const {
  name = Trim(name);
  for (const Section& section : m_sections) {
    if (EqualNoCase(section.name, name)) return &section;
  }
  return nullptr;
}

Profile::Section* Profile::FindSection(std::string_view name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

const Profile::Entry* Profile::FindEntry(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return nullptr;
  key = Trim(key);
  for (const Entry& entry : found->entries) {
    if (EqualNoCase(entry.key, key)) return &entry;
  }
  return nullptr;
}

bool Profile::HasKey(std::string_view section, std::string_view key) const {
  return FindEntry(section, key) != nullptr;
}

std::string Profile::GetProfileString(std::string_view section, std::string_view key,
                                      std::string_view def) const {
  const Entry* entry = FindEntry(section, key);
  if (!entry) return std::string(Trim(def));
  std::string_view value = entry->value;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

int Profile::GetProfileInt(std::string_view section, std::string_view key, int def) const {
  std::string value = GetProfileString(section, key);
  if (value.empty()) return def;
  return ParseProfileInt(value);
}

bool Profile::WriteProfileString(std::string_view section, std::string_view key,
                                 std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  value = Trim(value);
  if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) ||
      HasLineBreak(value) || key.find('=') != std::string_view::npos || key.front() == '[') {
    return false;
  }
  if (m_sections.empty()) m_sections.push_back({});
  Section* target = FindSection(section);
  if (!target) {
    m_sections.push_back({std::string(section), {}});
    target = &m_sections.back();
  }
  for (Entry& entry : target->entries) {
    if (EqualNoCase(entry.key, key)) {
      if (entry.hasValue && entry.value == value) return true;
      entry.value = std::string(value);
      entry.hasValue = true;
      Changed();
      return true;
    }
  }
  target->entries.push_back({std::string(key), std::string(value), true});
  Changed();
  return true;
}

bool Profile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
  return WriteProfileString(section, key, std::to_string(value));
}

void Profile::DeleteKey(std::string_view section, std::string_view key) {
  Section* found = FindSection(section);
  if (!found) return;
  key = Trim(key);
  for (auto it = found->entries.begin(); it != found->entries.end(); ++it) {
    if (EqualNoCase(it->key, key)) {
      found->entries.erase(it);
      Changed();
      return;
    }
  }
}

void Profile::DeleteSection(std::string_view section) {
  section = Trim(section);
  if (section.empty()) return;
  for (auto it = m_sections.begin(); it != m_sections.end(); ++it) {
    if (EqualNoCase(it->name, section)) {
      m_sections.erase(it);
      Changed();
      return;
    }
  }
}

std::vector<std::string> Profile::SectionNames() const {
  std::vector<std::string> names;
  for (const Section& section : m_sections) {
    if (!section.name.empty()) names.push_back(section.name);
  }
  return names;
}

std::vector<std::string> Profile::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = FindSection(section)) {
    for (const Entry& entry : found->entries) names.push_back(entry.key);
  }
  return names;
}

}  // namespace vyr
