// The small parts' recorders: the plane stack with every plane's settings, the world's
// header and the tile attribute table, each kept whole before and after.
#include <algorithm>
#include <optional>
#include <string>

#include "platform/bytes.h"
#include "world/change_recorder.h"
#include "world/plane.h"
#include "world/tile_attrib.h"
#include "world/world.h"

namespace vyr {

bool RestoreContext::HeldAfter(const CPlane* plane) const {
  if (!planesAfter) return world.IndexOf(plane) >= 0;
  return std::find(planesAfter->begin(), planesAfter->end(), plane) != planesAfter->end();
}

namespace {

struct PlaneSettings {
  std::string name;
  int32_t tileWidth = 0, tileHeight = 0, z = 0, movementX = 0, movementY = 0, fillColour = 0, flags = 0;
  std::vector<std::string> setNames;
  friend bool operator==(const PlaneSettings&, const PlaneSettings&) = default;
};

struct PlanesState {
  std::vector<CPlane*> planes;  // bottom first
  std::vector<PlaneSettings> settings;
  int32_t objectPlaneIndex = -1;
};

PlanesState CapturePlanes(const CWorld& world) {
  PlanesState state;
  state.objectPlaneIndex = world.ObjectPlaneIndex();
  for (int32_t i = 0; i < world.PlaneCount(); ++i) {
    const CPlane& p = *world.Plane(i);
    PlaneSettings s{p.Name(), p.TileWidth(), p.TileHeight(), p.m_z, p.m_movementX,
                    p.m_movementY, p.m_fillColour, p.m_flags, {}};
    for (const ImageSetSlot& slot : p.ImageSetSlots()) s.setNames.push_back(slot.name);
    state.planes.push_back(world.Plane(i));
    state.settings.push_back(std::move(s));
  }
  return state;
}

void ApplySettings(CPlane& p, const PlaneSettings& s, const CImageSetTable* imageSets) {
  p.SetName(s.name);
  if (p.TileWidth() != s.tileWidth || p.TileHeight() != s.tileHeight) p.ChangeTileSize(s.tileWidth, s.tileHeight);
  p.m_z = s.z;
  p.m_movementX = s.movementX;
  p.m_movementY = s.movementY;
  p.m_fillColour = s.fillColour;
  p.m_flags = s.flags;
  std::vector<std::string> names;
  for (const ImageSetSlot& slot : p.ImageSetSlots()) names.push_back(slot.name);
  if (names == s.setNames) return;
  p.SetImageSetCount(0);
  p.SetImageSetCount(int32_t(s.setNames.size()));
  for (size_t slot = 0; slot < s.setNames.size(); ++slot) p.AddImageSet(imageSets, int32_t(slot), s.setNames[slot]);
}

class CPlanesRecorder final : public IChangeRecorder {
 public:
  explicit CPlanesRecorder(const CWorld& world) { m_state[0] = CapturePlanes(world); }

  ChangeOutcome Finish(const CWorld& world, const WorldProperties&) override {
    m_state[1] = CapturePlanes(world);
    const PlanesState &before = m_state[0], &after = m_state[1];
    m_stack = before.planes != after.planes || before.objectPlaneIndex != after.objectPlaneIndex;
    for (size_t i = 0; i < before.planes.size() && !m_settings; ++i) {
      const auto found = std::find(after.planes.begin(), after.planes.end(), before.planes[i]);
      m_settings = found != after.planes.end() && after.settings[size_t(found - after.planes.begin())] != before.settings[i];
    }
    return m_stack || m_settings ? ChangeOutcome::kChanged : ChangeOutcome::kUnchanged;
  }

  bool Prepare(RestoreContext& context) override {
    const PlanesState& state = m_state[context.after ? 1 : 0];
    // Every plane the state names must be at hand before anything moves.
    for (CPlane* plane : state.planes) {
      const bool parked = std::any_of(context.parked.begin(), context.parked.end(),
                                      [plane](const auto& p) { return p.get() == plane; });
      if (!parked && context.world.IndexOf(plane) < 0) return false;
    }
    context.planesAfter = &state.planes;
    return true;
  }

  void Apply(RestoreContext& context) override {
    const PlanesState& state = m_state[context.after ? 1 : 0];
    std::vector<std::unique_ptr<CPlane>> pool = context.world.TakePlanes();
    for (auto& parked : context.parked) pool.push_back(std::move(parked));
    context.parked.clear();
    std::vector<std::unique_ptr<CPlane>> order;
    for (CPlane* plane : state.planes) {
      const auto found = std::find_if(pool.begin(), pool.end(), [plane](const auto& p) { return p.get() == plane; });
      order.push_back(std::move(*found));
      pool.erase(found);
    }
    context.parked = std::move(pool);
    context.world.PutPlanes(std::move(order), state.objectPlaneIndex);
    for (size_t i = 0; i < state.planes.size(); ++i) ApplySettings(*state.planes[i], state.settings[i], context.imageSets);
    // The selection may lie on a plane that has just been taken out.
    CGameObject*& selected = context.selected;
    if (selected && context.world.IndexOf(selected->m_listPosition.Plane()) < 0) selected = nullptr;
  }

  void AddTo(ChangeNotice& notice) const override {
    notice.planeStack = notice.planeStack || m_stack;
    notice.planeSettings = notice.planeSettings || m_settings;
  }

  size_t Bytes() const override {
    size_t bytes = sizeof(*this);
    for (const PlanesState& state : m_state)
      for (const PlaneSettings& s : state.settings) {
        bytes += sizeof(s) + sizeof(CPlane*) + s.name.size();
        for (const std::string& name : s.setNames) bytes += sizeof(name) + name.size();
      }
    return bytes;
  }

 private:
  PlanesState m_state[2];
  bool m_stack = false, m_settings = false;
};

class CHeaderRecorder final : public IChangeRecorder {
 public:
  explicit CHeaderRecorder(const WorldProperties& properties) { m_state[0] = properties; }
  ChangeOutcome Finish(const CWorld&, const WorldProperties& properties) override {
    m_state[1] = properties;
    return m_state[0] == m_state[1] ? ChangeOutcome::kUnchanged : ChangeOutcome::kChanged;
  }
  bool Prepare(RestoreContext&) override { return true; }
  void Apply(RestoreContext& context) override { context.properties = m_state[context.after ? 1 : 0]; }
  void AddTo(ChangeNotice& notice) const override { notice.header = true; }
  size_t Bytes() const override {
    return sizeof(*this) + m_state[0].archivePath.size() + m_state[1].archivePath.size();
  }

 private:
  WorldProperties m_state[2];
};

using Attributes = std::vector<std::unique_ptr<CTileAttrib>>;

Attributes CloneAttributes(const Attributes& table) {
  Attributes copy;
  copy.reserve(table.size());
  for (const auto& record : table) copy.push_back(record ? record->Clone() : nullptr);
  return copy;
}

class CAttributesRecorder final : public IChangeRecorder {
 public:
  explicit CAttributesRecorder(const CWorld& world) : m_state{CloneAttributes(world.Attributes()), {}} {}
  ChangeOutcome Finish(const CWorld& world, const WorldProperties&) override {
    m_state[1] = CloneAttributes(world.Attributes());
    const auto stored = [](const Attributes& table) {
      ByteWriter out;
      for (const auto& record : table) {
        out.U8(record ? 1 : 0);
        if (record) record->Store(out);
      }
      return out.Bytes();
    };
    return stored(m_state[0]) == stored(m_state[1]) ? ChangeOutcome::kUnchanged : ChangeOutcome::kChanged;
  }
  bool Prepare(RestoreContext& context) override {
    m_prepared = CloneAttributes(m_state[context.after ? 1 : 0]);
    return true;
  }
  void Apply(RestoreContext& context) override {
    CWorld& world = context.world;
    world.SetAttributeCount(0);
    world.SetAttributeCount(int32_t(m_prepared.size()));
    for (size_t i = 0; i < m_prepared.size(); ++i)
      if (m_prepared[i]) world.SetAttribute(int32_t(i), std::move(m_prepared[i]));
    m_prepared.clear();
  }
  void AddTo(ChangeNotice& notice) const override { notice.attributes = true; }
  size_t Bytes() const override {
    size_t bytes = sizeof(*this);
    for (const Attributes& table : m_state)
      for (const auto& record : table) bytes += sizeof(record) + (record ? size_t(record->StoredSize()) : 0);
    return bytes;
  }

 private:
  Attributes m_state[2];
  Attributes m_prepared;
};

}  // namespace

std::unique_ptr<IChangeRecorder> RecordPlanes(const CWorld& world) { return std::make_unique<CPlanesRecorder>(world); }

std::unique_ptr<IChangeRecorder> RecordHeader(const WorldProperties& properties) {
  return std::make_unique<CHeaderRecorder>(properties);
}

std::unique_ptr<IChangeRecorder> RecordAttributes(const CWorld& world) {
  return std::make_unique<CAttributesRecorder>(world);
}

}  // namespace vyr
