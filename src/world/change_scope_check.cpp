// Fingerprints of the parts a change must leave alone, compared when it ends.
#include "world/change_scope_check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/bytes.h"
#include "world/plane.h"
#include "world/world.h"
#include "world/world_change.h"

namespace vyr {
namespace {

// FNV-1a over bytes: only ever compared with itself in one run.
struct Hash {
  uint64_t value = 1469598103934665603ull;
  void Bytes(const void* data, size_t size) {
    for (size_t i = 0; i < size; ++i) value = (value ^ static_cast<const uint8_t*>(data)[i]) * 1099511628211ull;
  }
  void Text(const std::string& text) {
    Number(int64_t(text.size()));
    Bytes(text.data(), text.size());
  }
  void Number(int64_t number) { Bytes(&number, sizeof(number)); }
};

uint64_t ObjectsHash(const CPlane& plane) {
  Hash hash;
  for (const auto& object : plane.Objects()) {
    ByteWriter out;
    object->PutRecord(out);
    hash.Bytes(out.Bytes().data(), out.Bytes().size());
  }
  hash.Number(int64_t(plane.ObjectCount()));
  return hash.value;
}

uint64_t StackHash(const CWorld& world) {
  Hash hash;
  hash.Number(world.ObjectPlaneIndex());
  for (int32_t i = 0; i < world.PlaneCount(); ++i) {
    const CPlane& p = *world.Plane(i);
    hash.Number(int64_t(reinterpret_cast<uintptr_t>(&p)));
    hash.Text(p.Name());
    for (int64_t n : {p.TileWidth(), p.TileHeight(), p.m_z, p.m_movementX, p.m_movementY, p.m_fillColour, p.m_flags})
      hash.Number(n);
    for (const ImageSetSlot& slot : p.ImageSetSlots()) hash.Text(slot.name);
  }
  return hash.value;
}

uint64_t AttributesHash(const CWorld& world) {
  ByteWriter out;
  for (const auto& record : world.Attributes()) {
    out.U8(record ? 1 : 0);
    if (record) record->Store(out);
  }
  Hash hash;
  hash.Bytes(out.Bytes().data(), out.Bytes().size());
  return hash.value;
}

ScopeViolationHandler& Handler() {
  static ScopeViolationHandler handler;
  return handler;
}

}  // namespace

CScopeCheck::CScopeCheck(const CWorld& world, const WorldProperties& properties, const ChangeScope& scope)
    : m_stack(!scope.planes), m_header(!scope.header), m_attributes(!scope.attributes) {
  for (int32_t i = 0; i < world.PlaneCount(); ++i) {
    const CPlane& p = *world.Plane(i);
    const bool cells = &p != scope.cells, objects = &p != scope.objects;
    m_planes.push_back({&p, cells, objects, p.GridWrites(), objects ? ObjectsHash(p) : 0});
  }
  if (m_stack) m_stackHash = StackHash(world);
  if (m_header) m_properties = properties;
  if (m_attributes) m_attributesHash = AttributesHash(world);
}

std::string CScopeCheck::Violation(const CWorld& world, const WorldProperties& properties) const {
  std::string what;
  const auto add = [&what](const std::string& part) { what += (what.empty() ? "" : ", ") + part; };
  if (m_stack && StackHash(world) != m_stackHash) add("the plane stack or a plane's settings");
  for (const PlaneMarks& marks : m_planes) {
    // A plane the action took out is the stack's business.
    if (world.IndexOf(marks.plane) < 0) continue;
    const std::string plane = "plane \"" + marks.plane->Name() + "\"";
    if (marks.cells && marks.plane->GridWrites() != marks.gridWrites) add("the cells of " + plane);
    if (marks.objects && ObjectsHash(*marks.plane) != marks.objectsHash) add("the objects of " + plane);
  }
  if (m_header && !(properties == m_properties)) add("the world's header");
  if (m_attributes && AttributesHash(world) != m_attributesHash) add("the tile attribute table");
  return what;
}

ScopeViolationHandler SetScopeViolationHandler(ScopeViolationHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

void ReportScopeViolation(const std::string& what) {
  if (Handler()) {
    Handler()(what);
    return;
  }
  std::fprintf(stderr, "VyrWorld: an action changed what its scope leaves out: %s\n", what.c_str());
  std::abort();
}

}  // namespace vyr
