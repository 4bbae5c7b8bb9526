// CWorldChange: capturing, comparing and restoring the parts of a world an action touched.
#include "world/world_change.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "platform/bytes.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/tile_attrib.h"
#include "world/world.h"

namespace vyr {

std::vector<uint8_t> PackBytes(const uint8_t* data, size_t size) {
  z_stream stream{};
  if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK) return {};
  std::vector<uint8_t> packed;
  constexpr size_t kChunk = size_t(1) << 16;
  constexpr size_t kMaxIn = size_t(1) << 30;
  size_t offset = 0;
  int status = Z_OK;
  do {
    const size_t in = std::min(size - offset, kMaxIn);
    stream.next_in = const_cast<Bytef*>(data + offset);
    stream.avail_in = uInt(in);
    offset += in;
    const int flush = offset == size ? Z_FINISH : Z_NO_FLUSH;
    do {
      const size_t used = packed.size();
      packed.resize(used + kChunk);
      stream.next_out = packed.data() + used;
      stream.avail_out = uInt(kChunk);
      status = deflate(&stream, flush);
      packed.resize(used + kChunk - stream.avail_out);
    } while (stream.avail_out == 0 && status != Z_STREAM_ERROR);
  } while (offset < size && status != Z_STREAM_ERROR);
  deflateEnd(&stream);
  if (status != Z_STREAM_END) return {};
  packed.shrink_to_fit();
  return packed;
}

bool UnpackBytes(const std::vector<uint8_t>& packed, uint8_t* out, size_t size) {
  z_stream stream{};
  if (packed.empty() || inflateInit(&stream) != Z_OK) return false;
  stream.next_in = const_cast<Bytef*>(packed.data());
  stream.avail_in = uInt(packed.size());
  constexpr size_t kMaxOut = size_t(1) << 30;
  size_t offset = 0;
  int status = Z_OK;
  while (status == Z_OK) {
    const size_t room = std::min(size - offset, kMaxOut);
    stream.next_out = out + offset;
    stream.avail_out = uInt(room);
    status = inflate(&stream, Z_NO_FLUSH);
    offset += room - stream.avail_out;
    if (status == Z_BUF_ERROR && offset < size) status = Z_OK;  // more room follows
    if (status == Z_OK && offset == size && stream.avail_in == 0) break;
  }
  inflateEnd(&stream);
  return status == Z_STREAM_END && offset == size;
}

struct CWorldChange::PlaneSettings {
  CPlane* plane = nullptr;
  std::string name;
  int32_t tileWidth = 0, tileHeight = 0, z = 0, movementX = 0, movementY = 0, fillColour = 0, flags = 0;
  std::vector<std::string> setNames;
  friend bool operator==(const PlaneSettings&, const PlaneSettings&) = default;
};

struct CWorldChange::PlanesState {
  std::vector<PlaneSettings> planes;  // bottom first
  int32_t objectPlaneIndex = -1;
  friend bool operator==(const PlanesState&, const PlanesState&) = default;
};

struct CWorldChange::CellsState {
  CPlane* plane = nullptr;
  int32_t width[2] = {0, 0}, height[2] = {0, 0};
  std::vector<int32_t> start;      // the grid at the start, until Finish
  std::vector<uint8_t> packed[2];  // the exclusive-or in [0], or each state when the size changed
  bool delta = false;
};

struct CWorldChange::ObjectsState {
  CPlane* plane = nullptr;
  std::vector<std::vector<uint8_t>> start;  // every record at the start, until Finish
  size_t head = 0, tail = 0;
  std::vector<std::vector<uint8_t>> middle[2];
};

namespace {

CPlane* Mutable(const CPlane* plane) { return const_cast<CPlane*>(plane); }

CWorldChange::PlanesState CapturePlanes(const CWorld& world) {
  CWorldChange::PlanesState state;
  state.objectPlaneIndex = world.ObjectPlaneIndex();
  for (int32_t i = 0; i < world.PlaneCount(); ++i) {
    const CPlane& p = *world.Plane(i);
    CWorldChange::PlaneSettings s{Mutable(&p), p.Name(), p.TileWidth(), p.TileHeight(), p.m_z, p.m_movementX,
                                  p.m_movementY, p.m_fillColour, p.m_flags, {}};
    for (const ImageSetSlot& slot : p.ImageSetSlots()) s.setNames.push_back(slot.name);
    state.planes.push_back(std::move(s));
  }
  return state;
}

void ApplySettings(const CWorldChange::PlaneSettings& s, const CImageSetTable* imageSets) {
  CPlane& p = *s.plane;
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

std::vector<std::vector<uint8_t>> ObjectRecords(const CPlane& plane, bool& ok) {
  std::vector<std::vector<uint8_t>> records;
  records.reserve(plane.ObjectCount());
  for (const auto& object : plane.Objects()) {
    ByteWriter out;
    if (!object->PutRecord(out)) ok = false;
    records.push_back(std::move(out.Bytes()));
  }
  return records;
}

CWorldChange::Attributes CloneAttributes(const CWorld& world) {
  CWorldChange::Attributes copy;
  for (const auto& record : world.Attributes()) copy.push_back(record ? record->Clone() : nullptr);
  return copy;
}

size_t RecordBytes(const std::vector<std::vector<uint8_t>>& records) {
  size_t bytes = 0;
  for (const auto& record : records) bytes += record.size() + sizeof(record);
  return bytes;
}

}  // namespace

CWorldChange::CWorldChange(const CWorld& world, const WorldProperties& properties, const ChangeScope& scope,
                           const CPlane* current)
    : m_scope(scope) {
  m_current[0] = Mutable(current);
  if (scope.planes) m_planes[0] = std::make_unique<PlanesState>(CapturePlanes(world));
  if (scope.cells && world.IndexOf(scope.cells) >= 0) {
    m_cells = std::make_unique<CellsState>();
    m_cells->plane = Mutable(scope.cells);
    m_cells->width[0] = scope.cells->Width();
    m_cells->height[0] = scope.cells->Height();
    m_cells->start.assign(scope.cells->Tiles().begin(), scope.cells->Tiles().end());
  }
  if (scope.objects && world.IndexOf(scope.objects) >= 0) {
    m_objects = std::make_unique<ObjectsState>();
    m_objects->plane = Mutable(scope.objects);
    bool ok = true;
    m_objects->start = ObjectRecords(*scope.objects, ok);
    if (!ok) m_objects.reset();
  }
  if (scope.header) m_header[0] = properties;
  if (scope.attributes) m_attributes[0] = CloneAttributes(world);
}

CWorldChange::~CWorldChange() = default;

CWorldChange::Outcome CWorldChange::Finish(const CWorld& world, const WorldProperties& properties,
                                           const CPlane* current) {
  m_current[1] = Mutable(current);
  bool changed = false;
  if (m_planes[0]) {
    m_planes[1] = std::make_unique<PlanesState>(CapturePlanes(world));
    if (*m_planes[0] == *m_planes[1]) {
      m_planes[0].reset();
      m_planes[1].reset();
    } else {
      changed = true;
      m_notice.planeStack = m_notice.planeSettings = true;
    }
  }
  if (m_cells) {
    CellsState& c = *m_cells;
    // A grid removed with its plane in the same action needs nothing of its own.
    if (world.IndexOf(c.plane) < 0) return Outcome::kUnrecordable;
    const std::span<const int32_t> now = c.plane->Tiles();
    const auto pack = [](std::span<const int32_t> cells) {
      return PackBytes(reinterpret_cast<const uint8_t*>(cells.data()), cells.size() * sizeof(int32_t));
    };
    c.width[1] = c.plane->Width();
    c.height[1] = c.plane->Height();
    c.delta = c.width[0] == c.width[1] && c.height[0] == c.height[1];
    bool differs = !c.delta;
    if (c.delta) {
      // Plain pointers: a grid may hold 2^28 cells.
      int32_t* flips = c.start.data();
      const int32_t* cells = now.data();
      int32_t any = 0;
      for (size_t i = 0, n = now.size(); i < n; ++i) any |= (flips[i] ^= cells[i]);
      differs = any != 0;
      if (differs) c.packed[0] = pack(c.start);
    } else {
      c.packed[0] = pack(c.start);
      c.packed[1] = pack(now);
      if (c.packed[1].empty()) return Outcome::kUnrecordable;
    }
    if (differs && c.packed[0].empty()) return Outcome::kUnrecordable;
    std::vector<int32_t>().swap(c.start);
    if (differs) {
      changed = true;
      m_notice.cellsPlane = c.plane;
      m_notice.cells = {0, 0, c.plane->Width() - 1, c.plane->Height() - 1};
    } else
      m_cells.reset();
  }
  if (m_objects) {
    ObjectsState& o = *m_objects;
    if (world.IndexOf(o.plane) < 0) return Outcome::kUnrecordable;
    bool ok = true;
    std::vector<std::vector<uint8_t>> now = ObjectRecords(*o.plane, ok);
    if (!ok) return Outcome::kUnrecordable;
    const size_t shorter = std::min(o.start.size(), now.size());
    while (o.head < shorter && o.start[o.head] == now[o.head]) ++o.head;
    while (o.tail < shorter - o.head && o.start[o.start.size() - 1 - o.tail] == now[now.size() - 1 - o.tail]) ++o.tail;
    o.middle[0].assign(std::make_move_iterator(o.start.begin() + ptrdiff_t(o.head)),
                       std::make_move_iterator(o.start.end() - ptrdiff_t(o.tail)));
    o.middle[1].assign(std::make_move_iterator(now.begin() + ptrdiff_t(o.head)),
                       std::make_move_iterator(now.end() - ptrdiff_t(o.tail)));
    std::vector<std::vector<uint8_t>>().swap(o.start);
    if (o.middle[0].empty() && o.middle[1].empty()) {
      m_objects.reset();
    } else {
      changed = true;
      m_notice.objectsPlane = o.plane;
    }
  }
  if (m_header[0]) {
    m_header[1] = properties;
    if (*m_header[0] == *m_header[1]) {
      m_header[0].reset();
      m_header[1].reset();
    } else {
      changed = true;
      m_notice.header = true;
    }
  }
  if (m_attributes[0]) {
    m_attributes[1] = CloneAttributes(world);
    const auto stored = [](const Attributes& table) {
      ByteWriter out;
      for (const auto& record : table) {
        out.U8(record ? 1 : 0);
        if (record) record->Store(out);
      }
      return out.Bytes();
    };
    if (stored(*m_attributes[0]) == stored(*m_attributes[1])) {
      m_attributes[0].reset();
      m_attributes[1].reset();
    } else {
      changed = true;
      m_notice.attributes = true;
    }
  }
  return changed ? Outcome::kChanged : Outcome::kUnchanged;
}

bool CWorldChange::Restore(CWorld& world, WorldProperties& properties, const CImageSetTable* imageSets, bool after,
                           CGameObject*& selected) {
  const int target = after ? 1 : 0;
  const auto available = [&](const CPlane* plane) {
    return world.IndexOf(plane) >= 0 ||
           std::any_of(m_parked.begin(), m_parked.end(), [plane](const auto& p) { return p.get() == plane; });
  };
  // Every plane the state names must be at hand before anything moves.
  if (m_planes[target])
    for (const PlaneSettings& s : m_planes[target]->planes)
      if (!available(s.plane)) return false;
  const auto heldAfter = [&](const CPlane* plane) {
    if (!m_planes[target]) return world.IndexOf(plane) >= 0;
    const auto& planes = m_planes[target]->planes;
    return std::any_of(planes.begin(), planes.end(), [plane](const PlaneSettings& s) { return s.plane == plane; });
  };
  if (m_cells && !heldAfter(m_cells->plane)) return false;
  if (m_objects) {
    if (!heldAfter(m_objects->plane)) return false;
    const size_t expected = m_objects->head + m_objects->middle[1 - target].size() + m_objects->tail;
    if (m_objects->plane->ObjectCount() != expected) return false;
  }
  if (m_cells && m_cells->delta &&
      (m_cells->plane->Width() != m_cells->width[0] || m_cells->plane->Height() != m_cells->height[0]))
    return false;

  if (m_planes[target]) {
    const PlanesState& state = *m_planes[target];
    std::vector<std::unique_ptr<CPlane>> pool = world.TakePlanes();
    for (auto& parked : m_parked) pool.push_back(std::move(parked));
    m_parked.clear();
    std::vector<std::unique_ptr<CPlane>> order;
    for (const PlaneSettings& s : state.planes) {
      auto found = std::find_if(pool.begin(), pool.end(), [&s](const auto& p) { return p.get() == s.plane; });
      order.push_back(std::move(*found));
      pool.erase(found);
    }
    m_parked = std::move(pool);
    world.PutPlanes(std::move(order), state.objectPlaneIndex);
    for (const PlaneSettings& s : state.planes) ApplySettings(s, imageSets);
    // The selection may lie on a plane that has just been taken out.
    if (selected && world.IndexOf(selected->m_listPosition.Plane()) < 0) selected = nullptr;
  }

  if (m_cells) {
    CellsState& c = *m_cells;
    CPlane& plane = *c.plane;
    if (c.delta) {
      const size_t n = plane.Tiles().size();
      const std::unique_ptr<int32_t[]> flips(new int32_t[n]);
      if (!UnpackBytes(c.packed[0], reinterpret_cast<uint8_t*>(flips.get()), n * sizeof(int32_t))) return false;
      int32_t* tiles = plane.Tiles().data();
      const int32_t* flip = flips.get();
      for (size_t i = 0; i < n; ++i) tiles[i] ^= flip[i];
    } else {
      if (!plane.Resize(c.width[target], c.height[target])) return false;
      std::span<int32_t> tiles = plane.Tiles();
      if (!UnpackBytes(c.packed[target], reinterpret_cast<uint8_t*>(tiles.data()), tiles.size() * 4)) return false;
    }
  }

  if (m_objects) {
    ObjectsState& o = *m_objects;
    std::vector<std::unique_ptr<CGameObject>> restored;
    for (const auto& record : o.middle[target]) {
      auto object = std::make_unique<CGameObject>();
      object->Init();
      if (!object->ReadRecord(ByteSpan(record.data(), record.size()), imageSets)) return false;
      restored.push_back(std::move(object));
    }
    const size_t replaced = o.middle[1 - target].size();
    std::vector<int32_t> goneIds;
    auto gone = o.plane->Objects().begin();
    std::advance(gone, std::min(o.head, o.plane->ObjectCount()));
    for (size_t i = 0; i < replaced && gone != o.plane->Objects().end(); ++i, ++gone) goneIds.push_back((*gone)->m_id);
    std::vector<CGameObject*> back;
    for (const auto& object : restored) back.push_back(object.get());
    const int32_t selectedId = selected ? selected->m_id : 0;
    const auto withId = [&back](auto keep) {
      const auto found = std::find_if(back.begin(), back.end(), keep);
      return found == back.end() ? nullptr : *found;
    };
    if (o.plane->ReplaceObjects(o.head, replaced, std::move(restored), selected)) {
      // The selection stays the same object: the one restored under its id, else none.
      selected = withId([selectedId](const CGameObject* object) { return object->m_id == selectedId; });
    } else if (!selected) {
      // Undoing a removal shows the object that came back.
      selected = withId([&goneIds](const CGameObject* object) {
        return std::find(goneIds.begin(), goneIds.end(), object->m_id) == goneIds.end();
      });
    }
  }

  if (m_header[target]) properties = *m_header[target];
  if (m_attributes[target]) {
    const Attributes& table = *m_attributes[target];
    world.SetAttributeCount(0);
    world.SetAttributeCount(int32_t(table.size()));
    for (size_t i = 0; i < table.size(); ++i)
      if (table[i]) world.SetAttribute(int32_t(i), table[i]->Clone());
  }
  return true;
}

bool CWorldChange::Absorb(CWorldChange& later) {
  const auto objectsOnly = [](const CWorldChange& c) {
    return c.m_objects && !c.m_cells && !c.m_planes[0] && !c.m_header[0] && !c.m_attributes[0] && c.m_parked.empty() &&
           !c.m_noImagesBefore;
  };
  if (!objectsOnly(*this) || !objectsOnly(later)) return false;
  ObjectsState& first = *m_objects;
  ObjectsState& next = *later.m_objects;
  if (first.plane != next.plane || first.head != next.head || first.tail != next.tail ||
      first.middle[1].size() != next.middle[0].size())
    return false;
  first.middle[1] = std::move(next.middle[1]);
  m_current[1] = later.m_current[1];
  return true;
}

void CWorldChange::Park(std::unique_ptr<CPlane> plane) { m_parked.push_back(std::move(plane)); }

size_t CWorldChange::Bytes() const {
  size_t bytes = sizeof(*this);
  for (const auto& planes : m_planes)
    if (planes)
      for (const PlaneSettings& s : planes->planes) bytes += sizeof(s) + s.name.size() + s.setNames.size() * 32;
  if (m_cells) bytes += sizeof(CellsState) + m_cells->packed[0].size() + m_cells->packed[1].size();
  if (m_objects) bytes += sizeof(ObjectsState) + RecordBytes(m_objects->middle[0]) + RecordBytes(m_objects->middle[1]);
  for (const auto& header : m_header)
    if (header) bytes += sizeof(WorldProperties) + header->archivePath.size();
  for (const auto& table : m_attributes)
    if (table)
      for (const auto& record : *table) bytes += sizeof(record) + (record ? size_t(record->StoredSize()) : 0);
  for (const auto& plane : m_parked)
    bytes += sizeof(CPlane) + plane->Tiles().size() * 4 + plane->ObjectCount() * sizeof(CGameObject);
  return bytes;
}

}  // namespace vyr
