// The world: its stack of planes, the tile attribute table and the object-plane record.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/rect.h"
#include "world/plane.h"
#include "world/tile_attrib.h"
#include "world/world_host.h"

namespace vyr {

class CWorld {
 public:
  CWorld();
  ~CWorld();
  CWorld(const CWorld&) = delete;
  CWorld& operator=(const CWorld&) = delete;

  // 1 once the view rectangle has been set (left ≠ −1).
  int IsValid() const { return m_viewRect.left != -1 ? 1 : 0; }
  int SetViewRect(const CRect& rect);
  const CRect& ViewRect() const { return m_viewRect; }
  // Stores the rectangle, makes one plane at index 0 and records it as the object plane,
  // then puts every plane's view origin at (0, 0). 0 (nothing added) when the plane
  // cannot be created.
  int Create(int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight, const CRect& rect);
  // Destroys every plane and attribute record and forgets the object plane.
  void Clear();

  // --- planes (index 0 is the bottom of the stack)
  int32_t PlaneCount() const { return int32_t(m_planes.size()); }
  CPlane* Plane(int32_t index) const;
  // Index of the plane, or −1.
  int32_t IndexOf(const CPlane* plane) const;
  // A new plane on top with the world's view rectangle as its screen rectangle; recorded
  // as the object plane when none is. Null, adding nothing, when CPlane::Create refuses.
  CPlane* AddPlane(const std::string& name, int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight);
  // The same with `cells` as its grid (CPlane::AdoptGrid).
  CPlane* AddPlane(const std::string& name, int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight,
                   TileGrid cells);
  // Destroys the plane at index; 0 for an index outside the stack.
  int RemovePlane(int32_t index);
  // Takes the plane at index out of the stack and hands it over; null for an index
  // outside the stack.
  std::unique_ptr<CPlane> DetachPlane(int32_t index);
  // Moves the plane at `from` to position `to`; 0 for a position outside the stack.
  int MovePlane(int32_t from, int32_t to);
  // Hands every plane out (bottom first) and forgets the object plane, for undo to put
  // back another arrangement.
  std::vector<std::unique_ptr<CPlane>> TakePlanes();
  // Makes `planes` the stack, each shown in the world's view rectangle, and records the
  // plane at `objectPlaneIndex` (−1: none) as the object plane.
  void PutPlanes(std::vector<std::unique_ptr<CPlane>> planes, int32_t objectPlaneIndex);

  // The object id counter's next id that no object of the world holds: ids typed into the
  // edit dialog or read from files may lie above the counter.
  int32_t NextUnusedObjectId() const;

  // --- object plane record
  CPlane* ObjectPlane() const { return m_objectPlane; }
  int32_t ObjectPlaneIndex() const { return m_objectPlaneIndex; }
  // Clears flag bit 0 on every plane, forgets the record; returns the plane count.
  int ClearObjectPlane();
  // Records the plane at `index` as the object plane (the plane dialogs set its flag bit 0
  // themselves); 0 for an index outside the stack.
  int SetObjectPlane(int32_t index);
  // The lowest plane whose flag bit 0 is set, or null.
  CPlane* FindObjectPlane() const;

  // Gives the rectangle to the world and every plane.
  void SetAllViewRects(const CRect& rect);

  // --- tile attributes (indexed by image number; slots may be empty)
  // Replaces the record at index, growing the table; a negative index or a null record
  // does nothing.
  void SetAttribute(int32_t index, std::unique_ptr<CTileAttrib> record);
  // The record at index, or null.
  CTileAttrib* Attribute(int32_t index) const;
  int32_t AttributeCount() const { return int32_t(m_attributes.size()); }
  const std::vector<std::unique_ptr<CTileAttrib>>& Attributes() const { return m_attributes; }
  // Drops the slots beyond `count` (or adds empty ones).
  void SetAttributeCount(int32_t count);

  // Empties the report (when given), validates every plane and appends all their lines;
  // 1 only when every plane is valid.
  int ValidateTiles(std::string* report) const;

  // --- world file (world_file.cpp). All return 1 on success, 0 with a reason.
  int LoadFromBuffer(IWorldHost& host, ByteSpan bytes, std::string* reason = nullptr);
  int LoadFromFile(IWorldHost& host, const std::string& path, std::string* reason = nullptr);
  int Save(IWorldHost& host, const std::string& path, std::string* reason = nullptr);

 private:
  CRect m_viewRect{-1, 0, 0, 0};
  std::vector<std::unique_ptr<CPlane>> m_planes;
  std::vector<std::unique_ptr<CTileAttrib>> m_attributes;
  CPlane* m_objectPlane = nullptr;
  int32_t m_objectPlaneIndex = -1;
};

}  // namespace vyr
