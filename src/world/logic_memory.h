// ILogicMemory: what the object dialog remembers per logic name (its image set and Z), and a plain in-memory keeper.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace vyr {

// The document's logic-to-image-set and logic-to-Z pairings. An empty logic is never
// paired; the shortcut tables, kept in the profile, may stand behind this.
class ILogicMemory {
 public:
  virtual ~ILogicMemory() = default;
  virtual std::optional<std::string> FindImageSet(const std::string& logic) const = 0;
  // 0 when the logic is empty or already paired (the first pairing stays), else 1.
  virtual int RememberImageSet(const std::string& logic, const std::string& imageSet) = 0;
  virtual std::optional<int32_t> FindZ(const std::string& logic) const = 0;
  // 0 when the logic is empty, or paired already and `replace` is 0; else sets it and 1.
  virtual int RememberZ(const std::string& logic, int32_t z, int replace) = 0;
};

// Pairings for the life of the document only.
class CLogicMemory final : public ILogicMemory {
 public:
  std::optional<std::string> FindImageSet(const std::string& logic) const override {
    auto found = m_imageSets.find(logic);
    if (found == m_imageSets.end()) return std::nullopt;
    return found->second;
  }
  int RememberImageSet(const std::string& logic, const std::string& imageSet) override {
    return !logic.empty() && m_imageSets.emplace(logic, imageSet).second ? 1 : 0;
  }
  std::optional<int32_t> FindZ(const std::string& logic) const override {
    auto found = m_z.find(logic);
    if (found == m_z.end()) return std::nullopt;
    return found->second;
  }
  int RememberZ(const std::string& logic, int32_t z, int replace) override {
    if (logic.empty()) return 0;
    auto [it, added] = m_z.emplace(logic, z);
    if (added) return 1;
    if (!replace) return 0;
    it->second = z;
    return 1;
  }

 private:
  std::map<std::string, std::string> m_imageSets;
  std::map<std::string, int32_t> m_z;
};

}  // namespace vyr
