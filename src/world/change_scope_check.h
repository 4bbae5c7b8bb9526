// The check, in debug and test builds, that an action changed nothing outside the scope
// it declared: a change that did would be undone only in part.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "world/world_host.h"

namespace vyr {

class CPlane;
class CWorld;
struct ChangeScope;

class CScopeCheck {
 public:
  // Notes what the scope leaves out as it is now: every other plane's grid (by its write
  // count) and objects, and the plane stack, the header and the attribute table unless named.
  CScopeCheck(const CWorld& world, const WorldProperties& properties, const ChangeScope& scope);
  // What changed outside the scope since, in words; empty when nothing did.
  std::string Violation(const CWorld& world, const WorldProperties& properties) const;

 private:
  struct PlaneMarks {
    const CPlane* plane;
    bool cells, objects;  // whether each is checked
    uint64_t gridWrites, objectsHash;
  };
  std::vector<PlaneMarks> m_planes;
  bool m_stack, m_header, m_attributes;
  uint64_t m_stackHash = 0, m_attributesHash = 0;
  WorldProperties m_properties;
};

// Called with the words of a violation. The default prints them and aborts; tests put
// their own. Returns the one it replaces (null for the default).
using ScopeViolationHandler = std::function<void(const std::string&)>;
ScopeViolationHandler SetScopeViolationHandler(ScopeViolationHandler handler);
void ReportScopeViolation(const std::string& what);

}  // namespace vyr
