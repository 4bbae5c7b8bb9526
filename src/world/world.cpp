// The world: plane stack operations, the object-plane record and the tile attribute table.
#include "world/world.h"

#include <algorithm>
#include <set>
#include <utility>

#include "world/game_object.h"
#include "world/plane.h"

namespace vyr {

CWorld::CWorld() = default;
CWorld::~CWorld() { Clear(); }

int32_t CWorld::NextUnusedObjectId() const {
  std::set<int32_t> used;
  for (const auto& plane : m_planes)
    for (const auto& object : plane->Objects()) used.insert(object->m_id);
  int32_t id = ObjectIdCounter::Next();
  while (used.count(id) != 0) id = ObjectIdCounter::Next();
  return id;
}

int CWorld::SetViewRect(const CRect& rect) {
  m_viewRect = rect;
  return 1;
}

int CWorld::Create(int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight, const CRect& rect) {
  m_viewRect = rect;
  auto plane = std::make_unique<CPlane>();
  if (!plane->Create(width, height, tileWidth, tileHeight, rect)) return 0;
  m_planes.insert(m_planes.begin(), std::move(plane));
  m_objectPlane = m_planes.front().get();
  m_objectPlaneIndex = 0;
  for (auto& p : m_planes) {
    p->m_viewOriginX = 0;
    p->m_viewOriginY = 0;
    p->UpdateVisible();
  }
  return 1;
}

void CWorld::Clear() {
  m_planes.clear();
  m_attributes.clear();
  m_objectPlane = nullptr;
  m_objectPlaneIndex = -1;
}

CPlane* CWorld::Plane(int32_t index) const {
  if (index < 0 || index >= PlaneCount()) return nullptr;
  return m_planes[size_t(index)].get();
}

int32_t CWorld::IndexOf(const CPlane* plane) const {
  if (!plane) return -1;
  for (size_t i = 0; i < m_planes.size(); ++i)
    if (m_planes[i].get() == plane) return int32_t(i);
  return -1;
}

CPlane* CWorld::AddPlane(const std::string& name, int32_t width, int32_t height, int32_t tileWidth,
                         int32_t tileHeight) {
  if (!PlaneSizesFit(width, height, tileWidth, tileHeight)) return nullptr;
  return AddPlane(name, width, height, tileWidth, tileHeight, TileGrid(size_t(int64_t(width) * height), kEmptyTile));
}

CPlane* CWorld::AddPlane(const std::string& name, int32_t width, int32_t height, int32_t tileWidth,
                         int32_t tileHeight, TileGrid cells) {
  auto plane = std::make_unique<CPlane>();
  if (!plane->AdoptGrid(width, height, tileWidth, tileHeight, m_viewRect, std::move(cells))) return nullptr;
  plane->SetName(name);
  m_planes.push_back(std::move(plane));
  CPlane* added = m_planes.back().get();
  if (!m_objectPlane) {
    m_objectPlane = added;
    m_objectPlaneIndex = PlaneCount() - 1;
  }
  return added;
}

// The recorded index follows its plane whenever other planes move or disappear below
// it; otherwise the saved file would name the wrong plane at offset 728.
int CWorld::RemovePlane(int32_t index) { return DetachPlane(index) ? 1 : 0; }

std::unique_ptr<CPlane> CWorld::DetachPlane(int32_t index) {
  if (index < 0 || index >= PlaneCount() || !m_planes[size_t(index)]) return nullptr;
  if (m_planes[size_t(index)].get() == m_objectPlane) {
    m_objectPlane = nullptr;
    m_objectPlaneIndex = -1;
  }
  std::unique_ptr<CPlane> plane = std::move(m_planes[size_t(index)]);
  m_planes.erase(m_planes.begin() + index);
  if (m_objectPlane) m_objectPlaneIndex = IndexOf(m_objectPlane);
  return plane;
}

int CWorld::MovePlane(int32_t from, int32_t to) {
  if (from < 0 || to < 0 || to >= PlaneCount() || from >= PlaneCount() || !m_planes[size_t(from)]) return 0;
  if (from == to) return 1;
  auto plane = std::move(m_planes[size_t(from)]);
  m_planes.erase(m_planes.begin() + from);
  m_planes.insert(m_planes.begin() + to, std::move(plane));
  if (m_objectPlane) m_objectPlaneIndex = IndexOf(m_objectPlane);
  return 1;
}

std::vector<std::unique_ptr<CPlane>> CWorld::TakePlanes() {
  m_objectPlane = nullptr;
  m_objectPlaneIndex = -1;
  return std::exchange(m_planes, {});
}

void CWorld::PutPlanes(std::vector<std::unique_ptr<CPlane>> planes, int32_t objectPlaneIndex) {
  m_planes = std::move(planes);
  for (auto& p : m_planes)
    if (p->ScreenRect() != m_viewRect) p->SetViewRect(m_viewRect);
  if (!SetObjectPlane(objectPlaneIndex)) {
    m_objectPlane = nullptr;
    m_objectPlaneIndex = -1;
  }
}

int CWorld::ClearObjectPlane() {
  for (auto& p : m_planes) p->m_flags &= ~kPlaneFlagObjects;
  m_objectPlane = nullptr;
  m_objectPlaneIndex = -1;
  return PlaneCount();
}

int CWorld::SetObjectPlane(int32_t index) {
  CPlane* plane = Plane(index);
  if (!plane) return 0;
  m_objectPlane = plane;
  m_objectPlaneIndex = index;
  return 1;
}

CPlane* CWorld::FindObjectPlane() const {
  for (const auto& p : m_planes)
    if (p->m_flags & kPlaneFlagObjects) return p.get();
  return nullptr;
}

void CWorld::SetAllViewRects(const CRect& rect) {
  m_viewRect = rect;
  for (auto& p : m_planes) p->SetViewRect(rect);
}

void CWorld::SetAttribute(int32_t index, std::unique_ptr<CTileAttrib> record) {
  if (index < 0 || !record) return;
  if (size_t(index) >= m_attributes.size()) m_attributes.resize(size_t(index) + 1);
  m_attributes[size_t(index)] = std::move(record);
}

CTileAttrib* CWorld::Attribute(int32_t index) const {
  if (index < 0 || index >= AttributeCount()) return nullptr;
  return m_attributes[size_t(index)].get();
}

void CWorld::SetAttributeCount(int32_t count) { m_attributes.resize(size_t(std::max(count, 0))); }

int CWorld::ValidateTiles(std::string* report) const {
  if (report) report->clear();
  int valid = 1;
  for (const auto& p : m_planes)
    if (!p->ValidateTiles(report)) valid = 0;
  return valid;
}

}  // namespace vyr
