// A plane: one tile layer with its grid, tile size, image-set table, view window and object list.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/rect.h"
#include "world/game_object.h"
#include "world/object_list.h"
#include "world/tile_grid.h"

namespace vyr {

class CDibG;
class CImage;
class CImageSet;
class CImageSetTable;

// Tile values: −1 empty, 0xEEEEEEEE the plane's fill colour, otherwise (set << 16) | image.
inline constexpr int32_t kEmptyTile = -1;
inline constexpr int32_t kColourTile = int32_t(0xEEEEEEEEu);

inline constexpr bool IsImageTile(int32_t value) { return value != kEmptyTile && value != kColourTile; }
inline constexpr uint32_t TileSetNumber(int32_t value) { return uint32_t(value) >> 16; }
inline constexpr uint32_t TileImageNumber(int32_t value) { return uint32_t(value) & 0xFFFFu; }
inline constexpr int32_t MakeTile(uint32_t setNumber, uint32_t imageNumber) {
  return int32_t((setNumber << 16) | (imageNumber & 0xFFFFu));
}

// Plane flags.
inline constexpr int32_t kPlaneFlagObjects = 1;
inline constexpr int32_t kPlaneFlagNoImages = 2;
inline constexpr int32_t kPlaneFlagEndlessX = 4;
inline constexpr int32_t kPlaneFlagEndlessY = 8;
inline constexpr int32_t kPlaneFlagAutoSize = 16;

// Longest plane name kept (the stored field is 64 bytes with its NUL).
inline constexpr size_t kPlaneNameMax = 63;
// Tile values address set numbers 0 … 0xFFFF only, so the table never needs more slots.
inline constexpr int32_t kMaxImageSetSlots = 0x10000;
// Largest grid a plane accepts (1 GiB of tile values); beyond it Create and Resize refuse.
inline constexpr int64_t kMaxPlaneCells = int64_t(1) << 28;

// True when Create would accept the sizes: all positive, at most kMaxPlaneCells cells and
// pixel sizes within int32.
bool PlaneSizesFit(int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight);

// One slot of a plane's image-set table: the name as stored in the world, and the loaded
// set of that name (null when none is loaded). An empty name is a slot never filled.
struct ImageSetSlot {
  std::string name;
  CImageSet* set = nullptr;
};

// Told of every write to a plane's grid while it watches the plane (undo recording).
class IGridWatcher {
 public:
  virtual ~IGridWatcher() = default;
  // Cells [first, first + count) (linear indices) are about to be written; they still
  // hold their old values.
  virtual void BeforeWrite(int64_t first, int64_t count) = 0;
  // Those cells have been written.
  virtual void AfterWrite(int64_t first, int64_t count) = 0;
  // The whole grid is about to be replaced (new size, freed or made anew).
  virtual void BeforeRegrid() = 0;
  // The plane is being destroyed and stops being watched.
  virtual void PlaneGone() = 0;
};

// What validation and drawing find for a tile value.
enum class TileCheck { kEmpty, kColour, kImage, kBadSet, kBadImage };

class CPlane {
 public:
  CPlane();
  ~CPlane();
  CPlane(const CPlane&) = delete;
  CPlane& operator=(const CPlane&) = delete;

  // 1 when the grid exists.
  int IsValid() const { return m_hasGrid ? 1 : 0; }
  // Makes an all-empty grid of width × height cells. Returns 0, changing nothing, for a
  // size or tile size ≤ 0, a grid above kMaxPlaneCells or pixel sizes beyond int32.
  int Create(int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight, const CRect& screenRect);
  // Create with `cells` (width × height values, as read from a file) as the grid; 0,
  // changing nothing, for sizes Create refuses or a grid of another size.
  int AdoptGrid(int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight, const CRect& screenRect,
                TileGrid cells);
  // Destroys every object and releases the grid.
  void Free();

  // --- sizes
  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  int32_t PixelWidth() const { return m_pixelWidth; }
  int32_t PixelHeight() const { return m_pixelHeight; }
  int32_t TileWidth() const { return m_tileWidth; }
  int32_t TileHeight() const { return m_tileHeight; }
  int32_t ColumnShift() const { return m_columnShift; }
  int32_t RowShift() const { return m_rowShift; }
  const CRect& WholeTileRect() const { return m_wholeTileRect; }

  // Returns 0 and changes nothing for a size ≤ 0 (or pixel sizes beyond int32);
  // grid and image-set table stay as they are.
  int ChangeTileSize(int32_t tileWidth, int32_t tileHeight);
  // A new grid of the new size, all empty, with the old cells copied at their positions.
  // Returns 0 and changes nothing for a size ≤ 0 or one Create would refuse.
  int Resize(int32_t width, int32_t height);
  // Takes `cells` (width × height, row by row) as the grid, keeping the tile size: puts
  // back a grid an undo step kept. Returns 0, changing nothing, when the sizes disagree.
  int SetGrid(int32_t width, int32_t height, TileGrid cells);

  // --- grid
  // Every write to the grid goes through the writers below, which tell the watcher and
  // count the write, so that undo keeps exactly what changed.
  std::span<const int32_t> Tiles() const { return m_tiles; }
  // Calls write(std::span<int32_t>) on cells [first, first + count) (linear indices,
  // within the grid), telling the watcher before and after; the writer may read any
  // cell but writes only those.
  template <typename Write>
  void EditCells(int64_t first, int64_t count, Write&& write) {
    if (count <= 0) return;
    ++m_gridWrites;
    if (m_watcher) m_watcher->BeforeWrite(first, count);
    write(std::span<int32_t>(m_tiles.data() + first, size_t(count)));
    if (m_watcher) m_watcher->AfterWrite(first, count);
  }
  // The whole grid, for filling a plane no undo step watches yet (reading a world file,
  // making a demo).
  std::span<int32_t> LoadingTiles();
  // Starts (or with null ends) telling `watcher` of every grid write; one at a time.
  void SetGridWatcher(IGridWatcher* watcher) { m_watcher = watcher; }
  IGridWatcher* GridWatcher() const { return m_watcher; }
  // Counts the writes to the grid, so a check can tell that it was written.
  uint64_t GridWrites() const { return m_gridWrites; }
  // Index of row r's first cell (row starts are derived, never stored).
  int64_t RowStart(int32_t row) const { return int64_t(row) * m_width; }
  bool InGrid(int32_t column, int32_t row) const {
    return column >= 0 && row >= 0 && column < m_width && row < m_height;
  }
  // The value at a cell, or kEmptyTile outside the grid.
  int32_t GetTile(int32_t column, int32_t row) const;
  // Writes a cell; returns 0 outside the grid.
  int SetTile(int32_t column, int32_t row, int32_t value);
  // The in-place linear block copy of the block-copy command (see plane.cpp). Returns
  // the number of cells written (some may keep their value).
  int64_t BlockCopy(int32_t sourceColumn, int32_t sourceRow, int32_t destColumn, int32_t destRow, int32_t columns,
                    int32_t rows);

  // --- view window
  const CRect& ScreenRect() const { return m_screenRect; }
  const CRect& VisibleRect() const { return m_visibleRect; }
  int32_t ViewWidth() const { return m_viewWidth; }
  int32_t ViewHeight() const { return m_viewHeight; }
  // Stores the screen rectangle, sets view width and height, then UpdateVisible.
  void SetViewRect(const CRect& rect);
  // Visible rectangle from the view origin and the view size.
  void UpdateVisible();
  // Draws the visible rectangle of the grid into `surface` at the screen rectangle's
  // top-left corner (plane_draw.cpp). 0 without a grid or a surface.
  int Draw(CDibG& surface) const;
  // Draws the objects over it in list order (so higher Z lies on top), each centred on its
  // position less the origin, its image looked up afresh in `imageSets` and mirrored by
  // its draw flags; an object without a set name or image only gets its bounds.
  void DrawObjects(CDibG& surface, const CImageSetTable* imageSets, int32_t originX, int32_t originY);

  // --- name
  const std::string& Name() const { return m_name; }
  // Keeps at most kPlaneNameMax bytes.
  void SetName(const std::string& name);

  // --- image-set table
  // Stores `name` in `slot` (growing the table) and resolves it among `imageSets`
  // (may be null). The name is kept even when no loaded set has it, so it is saved
  // again. Returns the loaded set or null; an empty name or a slot outside
  // 0 … kMaxImageSetSlots − 1 changes nothing.
  CImageSet* AddImageSet(const CImageSetTable* imageSets, int32_t slot, const std::string& name);
  // Re-resolves every slot's set after the document reloaded its image sets.
  void ResolveImageSets(const CImageSetTable* imageSets);
  // Sets the table's slot count (new slots empty, slots beyond it dropped); 0 for a
  // count outside 0 … kMaxImageSetSlots.
  int SetImageSetCount(int32_t count);
  int32_t ImageSetCount() const { return int32_t(m_imageSets.size()); }
  const std::vector<ImageSetSlot>& ImageSetSlots() const { return m_imageSets; }
  // The slot's name ("" for an empty slot or one outside the table).
  const std::string& ImageSetName(int32_t slot) const;
  // The loaded set of a slot, or null.
  CImageSet* ImageSetAt(int32_t slot) const;

  // Classifies a tile value against this plane's table.
  TileCheck CheckTile(int32_t value) const;
  // The image a tile value shows, or null (empty, colour or bad value).
  CImage* LookupTileImage(int32_t value) const;
  // Appends one line per bad image tile to `report` (when given). 0 when any cell was bad
  // or the plane is not valid (then without a report).
  int ValidateTiles(std::string* report) const;

  // --- objects
  // A new, initialised object inserted before the first object of greater z; with
  // resort non-zero the whole list is re-sorted afterwards.
  CGameObject* NewObject(int resort);
  // Moves a linked object of this plane before the first other object of greater z, so
  // the list stays in ascending z after its z changed; 0 when it is not linked here.
  int PlaceByZ(CGameObject* object);
  // Unlinks and destroys the object; 0 when it is not linked in this plane.
  int RemoveObject(CGameObject* object);
  void RemoveAllObjects();
  // Destroys `count` objects from list position `first` and links `objects` in their place,
  // in the order given. True when `watched` was among those destroyed.
  bool ReplaceObjects(size_t first, size_t count, std::vector<std::unique_ptr<CGameObject>> objects,
                      const CGameObject* watched);
  // Destroys every object whose logic is empty, keeping the order of the rest.
  void RemoveInvalidObjects();
  // Ascending z by the exchange re-sort (equal z may change their order).
  void SortObjects();
  CGameObject* FirstObject() const;
  CGameObject* LastObject() const;
  // Neighbours in list order; null for an object not linked in this plane, and at the
  // ends unless wrap is set.
  CGameObject* NextObject(const CGameObject* object, bool wrap) const;
  CGameObject* PrevObject(const CGameObject* object, bool wrap) const;
  // The object whose bounds contain the point and whose centre is nearest; earliest wins ties.
  CGameObject* HitTest(int32_t px, int32_t py) const;
  // The objects whose position lies in [left, right] × [top, bottom], in list order.
  std::vector<CGameObject*> ObjectsAt(int64_t left, int64_t top, int64_t right, int64_t bottom) const;
  size_t ObjectCount() const { return m_objects.size(); }
  const ObjectList& Objects() const { return m_objects; }
  // Appends every object's record in list order. 0 (with a reason) when a record cannot be written.
  int WriteObjects(ByteWriter& out, std::string* reason = nullptr);
  // Replaces the objects by `count` records read one after another from the start of
  // `bytes`; then re-sorts. 0 with a reason when a record does not fit in `bytes`
  // (the objects read before it stay). `consumed` (when given) gets the bytes read.
  int ReadObjects(uint32_t count, ByteSpan bytes, const CImageSetTable* imageSets, std::string* reason = nullptr,
                  uint64_t* consumed = nullptr);

  // --- plain values
  int32_t m_viewOriginX = 0;  // scroll position asked by the view; may be negative
  int32_t m_viewOriginY = 0;
  int32_t m_z = 0;
  int32_t m_movementX = 0;  // percent
  int32_t m_movementY = 0;
  int32_t m_fillColour = 0;  // low byte used
  int32_t m_flags = 0;

 private:
  friend class CGameObject;
  void SetTileSizeFields(int32_t tileWidth, int32_t tileHeight);
  // Tells the watcher the grid is about to be replaced.
  void Regrid();
  // Gives the object a node, links it before `before` (null: at the end) and indexes it.
  ObjectNode* Link(std::unique_ptr<CGameObject> object, ObjectNode* before);
  // Brings the indexes up to date with the object's fields (called by the object).
  void Reindex(CGameObject& object);
  // Takes the node out of the indexes and frees it with its object.
  void Destroy(ObjectNode* node);
  void ForgetCachedImages();

  TileGrid m_tiles;
  IGridWatcher* m_watcher = nullptr;
  uint64_t m_gridWrites = 0;
  bool m_hasGrid = false;
  int32_t m_width = 0;
  int32_t m_height = 0;
  int32_t m_pixelWidth = 0;
  int32_t m_pixelHeight = 0;
  int32_t m_tileWidth = 0;
  int32_t m_tileHeight = 0;
  CRect m_visibleRect;
  CRect m_screenRect;
  CRect m_wholeTileRect;
  int32_t m_viewWidth = 0;
  int32_t m_viewHeight = 0;
  int32_t m_columnShift = 0;
  int32_t m_rowShift = 0;
  std::vector<ImageSetSlot> m_imageSets;
  std::string m_name;
  ObjectList m_objects;
  ObjectGrid m_grid;
  std::vector<ObjectNode*> m_cachedImages;  // the nodes whose object holds a resolved image
};

}  // namespace vyr
