// A plane: grid operations, image-set table, tile validation and the z-ordered object list.
#include "world/plane.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "platform/saturate.h"
#include "resources/image_set.h"

namespace vyr {
namespace {

// Rectangles and view origins come from files and views unchecked: wrap like the
// 32-bit original instead of overflowing.
int32_t Wrap(int64_t value) { return int32_t(uint32_t(uint64_t(value))); }

// Number of times the size can be halved before it is ≤ 1 (⌊log2 size⌋, 0 for 1).
int32_t ShiftFor(int32_t size) {
  int32_t shift = 0;
  while (size > 1) {
    size >>= 1;
    ++shift;
  }
  return shift;
}

const std::string kNoName;

}  // namespace

bool PlaneSizesFit(int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight) {
  if (width <= 0 || height <= 0 || tileWidth <= 0 || tileHeight <= 0) return false;
  const int64_t limit = std::numeric_limits<int32_t>::max();
  return int64_t(width) * height <= kMaxPlaneCells && int64_t(width) * tileWidth <= limit &&
         int64_t(height) * tileHeight <= limit;
}

CPlane::CPlane() = default;

CPlane::~CPlane() {
  if (m_watcher) m_watcher->PlaneGone();
}

void CPlane::Regrid() {
  ++m_gridWrites;
  if (m_watcher) m_watcher->BeforeRegrid();
}

std::span<int32_t> CPlane::LoadingTiles() {
  ++m_gridWrites;
  return m_tiles;
}

int CPlane::Create(int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight, const CRect& screenRect) {
  if (!PlaneSizesFit(width, height, tileWidth, tileHeight)) return 0;
  return AdoptGrid(width, height, tileWidth, tileHeight, screenRect,
                   TileGrid(size_t(int64_t(width) * height), kEmptyTile));
}

int CPlane::AdoptGrid(int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight, const CRect& screenRect,
                      TileGrid cells) {
  if (!PlaneSizesFit(width, height, tileWidth, tileHeight) || cells.size() != size_t(int64_t(width) * height))
    return 0;
  Regrid();
  m_width = width;
  m_height = height;
  SetTileSizeFields(tileWidth, tileHeight);
  m_screenRect = screenRect;
  m_viewWidth = Wrap(int64_t(screenRect.right) - screenRect.left + 1);
  m_viewHeight = Wrap(int64_t(screenRect.bottom) - screenRect.top + 1);
  m_tiles = std::move(cells);
  m_hasGrid = true;
  m_viewOriginX = 0;
  m_viewOriginY = 0;
  UpdateVisible();
  return 1;
}

void CPlane::Free() {
  RemoveAllObjects();
  Regrid();
  TileGrid().swap(m_tiles);
  m_hasGrid = false;
}

void CPlane::SetTileSizeFields(int32_t tileWidth, int32_t tileHeight) {
  m_tileWidth = tileWidth;
  m_tileHeight = tileHeight;
  m_pixelWidth = m_width * tileWidth;
  m_pixelHeight = m_height * tileHeight;
  m_wholeTileRect = CRect{0, 0, tileWidth, tileHeight};
  m_columnShift = ShiftFor(tileWidth);
  m_rowShift = ShiftFor(tileHeight);
}

int CPlane::ChangeTileSize(int32_t tileWidth, int32_t tileHeight) {
  if (tileWidth <= 0 || tileHeight <= 0) return 0;
  // Checked with or without a grid: Free keeps the cell counts the pixel sizes derive from.
  const int64_t limit = std::numeric_limits<int32_t>::max();
  if (int64_t(m_width) * tileWidth > limit || int64_t(m_height) * tileHeight > limit) return 0;
  SetTileSizeFields(tileWidth, tileHeight);
  return 1;
}

int CPlane::Resize(int32_t width, int32_t height) {
  if (!m_hasGrid || !PlaneSizesFit(width, height, m_tileWidth, m_tileHeight)) return 0;
  TileGrid grid(size_t(int64_t(width) * height), kEmptyTile);
  const int32_t rows = std::min(m_height, height);
  const int32_t columns = std::min(m_width, width);
  for (int32_t r = 0; r < rows; ++r) {
    const int32_t* from = m_tiles.data() + RowStart(r);
    std::copy(from, from + columns, grid.data() + int64_t(r) * width);
  }
  Regrid();
  m_tiles.swap(grid);
  m_width = width;
  m_height = height;
  m_pixelWidth = width * m_tileWidth;
  m_pixelHeight = height * m_tileHeight;
  return 1;
}

int CPlane::SetGrid(int32_t width, int32_t height, TileGrid cells) {
  if (!m_hasGrid || width <= 0 || height <= 0 || int64_t(width) * height != int64_t(cells.size())) return 0;
  Regrid();
  m_tiles = std::move(cells);
  m_width = width;
  m_height = height;
  // The tile size kept may not suit this grid until the plane's settings come back too.
  m_pixelWidth = Wrap(int64_t(width) * m_tileWidth);
  m_pixelHeight = Wrap(int64_t(height) * m_tileHeight);
  return 1;
}

int32_t CPlane::GetTile(int32_t column, int32_t row) const {
  return InGrid(column, row) ? m_tiles[size_t(RowStart(row) + column)] : kEmptyTile;
}

int CPlane::SetTile(int32_t column, int32_t row, int32_t value) {
  if (!InGrid(column, row)) return 0;
  EditCells(RowStart(row) + column, 1, [value](std::span<int32_t> cell) { cell[0] = value; });
  return 1;
}

// Positions are linear indices (row × width + column). Row by row, each source index
// s of the run is copied to d when both lie in the grid, and d then advances; a source
// or destination outside the grid skips the cell and d stays. After a row d advances by
// width − columns. The copy reads the live grid, so a destination below or right of
// an overlapping source sees cells already copied. Rows that cannot copy anything are
// skipped arithmetically so that huge typed sizes cost nothing.
int64_t CPlane::BlockCopy(int32_t sourceColumn, int32_t sourceRow, int32_t destColumn, int32_t destRow,
                          int32_t columns, int32_t rows) {
  if (columns <= 0 || rows <= 0 || !m_hasGrid) return 0;
  using Wide = __int128;
  const int64_t width = m_width;
  const int64_t cells = int64_t(m_tiles.size());
  const int64_t step = width - columns;
  const int32_t* grid = m_tiles.data();
  int64_t written = 0;

  // Rows whose source run meets the grid: r·W + sc + columns > 0 and r·W + sc < cells.
  const int64_t firstRow = std::max<int64_t>(sourceRow, FloorDiv(-int64_t(sourceColumn) - columns, width) + 1);
  const int64_t lastRow = std::min<int64_t>(int64_t(sourceRow) + rows - 1,
                                            -FloorDiv(-(cells - sourceColumn), width) - 1);
  Wide d = Wide(destRow) * width + destColumn + Wide(firstRow - sourceRow) * step;

  for (int64_t r = firstRow; r <= lastRow;) {
    if (d >= cells || d < 0) {
      // Out of the grid d moves only by `step`; skip to the row where it comes back.
      if ((d >= cells && step >= 0) || (d < 0 && step <= 0)) break;
      const Wide distance = d >= cells ? d - cells + 1 : -d;
      const Wide magnitude = step < 0 ? -Wide(step) : Wide(step);
      const Wide skip = (distance + magnitude - 1) / magnitude;
      if (skip > Wide(lastRow - r)) break;
      r += int64_t(skip);
      d += skip * step;
      continue;
    }
    const int64_t start = r * width + sourceColumn;
    const int64_t from = std::max<int64_t>(start, 0);
    const int64_t to = std::min<int64_t>(start + columns, cells);
    const int64_t dest = int64_t(d);
    const int64_t count = std::min<int64_t>(to - from, cells - dest);
    // Forward, cell by cell: an overlapping source reads cells this run already wrote.
    EditCells(dest, count, [source = grid + from](std::span<int32_t> run) {
      for (size_t i = 0; i < run.size(); ++i) run[i] = source[i];
    });
    written += std::max<int64_t>(count, 0);
    d += count + step;
    ++r;
  }
  return written;
}

void CPlane::SetViewRect(const CRect& rect) {
  m_screenRect = rect;
  m_viewWidth = Wrap(int64_t(rect.right) - rect.left + 1);
  m_viewHeight = Wrap(int64_t(rect.bottom) - rect.top + 1);
  UpdateVisible();
}

void CPlane::UpdateVisible() {
  m_visibleRect.left = std::max(m_viewOriginX, 0);
  m_visibleRect.top = std::max(m_viewOriginY, 0);
  m_visibleRect.right = Wrap(int64_t(m_visibleRect.left) + m_viewWidth - 1);
  m_visibleRect.bottom = Wrap(int64_t(m_visibleRect.top) + m_viewHeight - 1);
}

void CPlane::SetName(const std::string& name) { m_name = name.substr(0, kPlaneNameMax); }

CImageSet* CPlane::AddImageSet(const CImageSetTable* imageSets, int32_t slot, const std::string& name) {
  if (name.empty() || slot < 0 || slot >= kMaxImageSetSlots) return nullptr;
  if (size_t(slot) >= m_imageSets.size()) m_imageSets.resize(size_t(slot) + 1);
  ImageSetSlot& entry = m_imageSets[size_t(slot)];
  entry.name = name;
  entry.set = imageSets ? imageSets->Find(name) : nullptr;
  return entry.set;
}

void CPlane::ResolveImageSets(const CImageSetTable* imageSets) {
  for (ImageSetSlot& entry : m_imageSets)
    entry.set = (imageSets && !entry.name.empty()) ? imageSets->Find(entry.name) : nullptr;
}

int CPlane::SetImageSetCount(int32_t count) {
  if (count < 0 || count > kMaxImageSetSlots) return 0;
  m_imageSets.resize(size_t(count));
  return 1;
}

const std::string& CPlane::ImageSetName(int32_t slot) const {
  if (slot < 0 || slot >= ImageSetCount()) return kNoName;
  return m_imageSets[size_t(slot)].name;
}

CImageSet* CPlane::ImageSetAt(int32_t slot) const {
  if (slot < 0 || slot >= ImageSetCount()) return nullptr;
  return m_imageSets[size_t(slot)].set;
}

TileCheck CPlane::CheckTile(int32_t value) const {
  if (value == kEmptyTile) return TileCheck::kEmpty;
  if (value == kColourTile) return TileCheck::kColour;
  const CImageSet* set = ImageSetAt(int32_t(TileSetNumber(value)));
  if (!set) return TileCheck::kBadSet;
  const int32_t image = int32_t(TileImageNumber(value));
  if (image >= set->ImageCount() || !set->GetImage(image)) return TileCheck::kBadImage;
  return TileCheck::kImage;
}

CImage* CPlane::LookupTileImage(int32_t value) const {
  if (CheckTile(value) != TileCheck::kImage) return nullptr;
  return ImageSetAt(int32_t(TileSetNumber(value)))->GetImage(int32_t(TileImageNumber(value)));
}

int CPlane::ValidateTiles(std::string* report) const {
  if (!IsValid()) return 0;
  int valid = 1;
  for (int32_t r = 0; r < m_height; ++r) {
    const int32_t* row = m_tiles.data() + RowStart(r);
    for (int32_t c = 0; c < m_width; ++c) {
      const int32_t value = row[c];
      const TileCheck check = CheckTile(value);
      if (check != TileCheck::kBadSet && check != TileCheck::kBadImage) continue;
      valid = 0;
      if (!report) continue;
      const bool badSet = check == TileCheck::kBadSet;
      const uint32_t number = badSet ? TileSetNumber(value) : TileImageNumber(value);
      *report += "Plane " + m_name + (badSet ? ": Bad map image set value (" : ": Bad map tile value (") +
                 std::to_string(number) + ") at " + std::to_string(c) + "," + std::to_string(r) + "\n";
    }
  }
  return valid;
}

// --- objects

ObjectNode* CPlane::Link(std::unique_ptr<CGameObject> object, ObjectNode* before) {
  auto* node = new ObjectNode;
  node->object = std::move(object);
  node->z = node->object->m_z;
  node->object->m_listPosition.m_plane = this;
  node->object->m_listPosition.m_node = node;
  m_objects.Insert(node, before);
  Reindex(*node->object);
  return node;
}

void CPlane::Reindex(CGameObject& object) {
  ObjectNode* node = object.m_listPosition.m_node;
  if (node->z != object.m_z) m_objects.SetZ(node, object.m_z);
  m_grid.Place(node);
  const bool cached = object.m_image.Get() != nullptr;
  if (cached && node->cacheSlot == kNoSlot) {
    node->cacheSlot = uint32_t(m_cachedImages.size());
    m_cachedImages.push_back(node);
  } else if (!cached && node->cacheSlot != kNoSlot) {
    ObjectNode* last = m_cachedImages.back();
    m_cachedImages[node->cacheSlot] = last;
    last->cacheSlot = node->cacheSlot;
    m_cachedImages.pop_back();
    node->cacheSlot = kNoSlot;
  }
}

void CPlane::Destroy(ObjectNode* node) {
  node->object->ForgetImage();  // leaves the list of cached images
  m_grid.Remove(node);
  m_objects.Detach(node);
  delete node;
}

void CPlane::ForgetCachedImages() {
  // Nothing else changes: the other indexes need no update.
  for (ObjectNode* node : m_cachedImages) {
    node->cacheSlot = kNoSlot;
    node->object->DropImage();
  }
  m_cachedImages.clear();
}

CGameObject* CPlane::NewObject(int resort) {
  auto object = std::make_unique<CGameObject>();
  object->Init();
  const int32_t z = object->m_z;
  CGameObject* created = Link(std::move(object), m_objects.FirstAbove(z))->object.get();
  if (resort) SortObjects();
  return created;
}

int CPlane::PlaceByZ(CGameObject* object) {
  if (!object || object->m_listPosition.Plane() != this) return 0;
  ObjectNode* node = object->m_listPosition.m_node;
  m_objects.Detach(node);
  m_objects.Insert(node, m_objects.FirstAbove(object->m_z));
  return 1;
}

int CPlane::RemoveObject(CGameObject* object) {
  if (!object || object->m_listPosition.m_plane != this) return 0;
  Destroy(object->m_listPosition.m_node);
  return 1;
}

void CPlane::RemoveAllObjects() {
  m_grid.Clear();
  m_cachedImages.clear();
  m_objects.Clear();
}

bool CPlane::ReplaceObjects(size_t first, size_t count, std::vector<std::unique_ptr<CGameObject>> objects,
                            const CGameObject* watched) {
  ObjectNode* at = m_objects.At(std::min(first, m_objects.size()));
  bool hit = false;
  for (; count > 0 && at; --count) {
    hit = hit || at->object.get() == watched;
    ObjectNode* next = ObjectList::Next(at);
    Destroy(at);
    at = next;
  }
  for (auto& object : objects) Link(std::move(object), at);
  return hit;
}

void CPlane::RemoveInvalidObjects() {
  const std::vector<ObjectNode*> nodes = m_objects.Nodes();
  m_objects.Release();
  std::vector<ObjectNode*> kept;
  kept.reserve(nodes.size());
  for (ObjectNode* node : nodes) {
    if (node->object->IsValid()) {
      kept.push_back(node);
      continue;
    }
    node->object->ForgetImage();
    m_grid.Remove(node);
    delete node;
  }
  m_objects.Rebuild(kept);
}

// The exchange re-sort (see ExchangeSortOrder); an ascending list is left as it is.
void CPlane::SortObjects() {
  if (m_objects.Ascending()) return;
  const std::vector<ObjectNode*> nodes = m_objects.Nodes();
  std::vector<int32_t> z(nodes.size());
  for (size_t i = 0; i < nodes.size(); ++i) z[i] = nodes[i]->z;
  std::vector<ObjectNode*> sorted;
  sorted.reserve(nodes.size());
  for (uint32_t from : ExchangeSortOrder(z)) sorted.push_back(nodes[from]);
  m_objects.Rebuild(sorted);
}

CGameObject* CPlane::FirstObject() const { return m_objects.empty() ? nullptr : m_objects.front().get(); }

CGameObject* CPlane::LastObject() const { return m_objects.empty() ? nullptr : m_objects.back().get(); }

CGameObject* CPlane::NextObject(const CGameObject* object, bool wrap) const {
  if (!object || object->m_listPosition.m_plane != this) return nullptr;
  if (ObjectNode* next = ObjectList::Next(object->m_listPosition.m_node)) return next->object.get();
  return wrap ? FirstObject() : nullptr;
}

CGameObject* CPlane::PrevObject(const CGameObject* object, bool wrap) const {
  if (!object || object->m_listPosition.m_plane != this) return nullptr;
  if (ObjectNode* prev = ObjectList::Prev(object->m_listPosition.m_node)) return prev->object.get();
  return wrap ? LastObject() : nullptr;
}

// Only objects near the point are visited (the spatial index); among equally near ones the
// earliest in list order wins, as in a walk of the whole list.
CGameObject* CPlane::HitTest(int32_t px, int32_t py) const {
  std::vector<ObjectNode*> candidates;
  m_grid.CollectHits(px, py, candidates);
  const ObjectNode* best = nullptr;
  // Distances are squared unsigned in 64 bits: a 32-bit difference reaches 2^32 − 1,
  // whose square overflows int32 and int64 but not uint64.
  uint64_t bestDistance = 9999999;
  for (const ObjectNode* node : candidates) {
    const CGameObject& o = *node->object;
    const int64_t dx = int64_t(px) - o.m_x;
    const int64_t dy = int64_t(py) - o.m_y;
    const uint64_t ax = uint64_t(dx < 0 ? -dx : dx), ay = uint64_t(dy < 0 ? -dy : dy);
    const uint64_t ddx = ax * ax, ddy = ay * ay;
    const uint64_t d = ddx > std::numeric_limits<uint64_t>::max() - ddy ? std::numeric_limits<uint64_t>::max()
                                                                         : ddx + ddy;
    if (d < bestDistance || (d == bestDistance && best && node->label < best->label)) {
      bestDistance = d;
      best = node;
    }
  }
  return best ? best->object.get() : nullptr;
}

std::vector<CGameObject*> CPlane::ObjectsAt(int64_t left, int64_t top, int64_t right, int64_t bottom) const {
  std::vector<ObjectNode*> nodes;
  m_grid.CollectPositions(left, top, right, bottom, nodes);
  std::sort(nodes.begin(), nodes.end(), [](const ObjectNode* a, const ObjectNode* b) { return a->label < b->label; });
  std::vector<CGameObject*> objects(nodes.size());
  for (size_t i = 0; i < nodes.size(); ++i) objects[i] = nodes[i]->object.get();
  return objects;
}

int CPlane::WriteObjects(ByteWriter& out, std::string* reason) {
  for (const auto& o : m_objects)
    if (!o->WriteRecord(out, reason)) return 0;
  return 1;
}

// The objects are appended in file order and then re-sorted, so a file written in
// ascending z reads back in its own order even where z values repeat (inserting each
// new object at z = 0 first would reverse repeated positive z values on every load).
int CPlane::ReadObjects(uint32_t count, ByteSpan bytes, const CImageSetTable* imageSets, std::string* reason,
                        uint64_t* consumed) {
  RemoveAllObjects();
  std::vector<ObjectNode*> nodes;
  // Every record takes at least its fixed part, so the bytes bound the count.
  nodes.reserve(std::min<size_t>(count, bytes.size() / kObjectRecordFixedSize));
  uint64_t at = 0;
  int result = 1;
  for (uint32_t i = 0; i < count; ++i) {
    auto object = std::make_unique<CGameObject>();
    object->Init();
    std::string why;
    if (!object->ReadRecord(bytes.subspan(size_t(at)), imageSets, &why)) {
      if (reason) *reason = "object " + std::to_string(i) + " of " + std::to_string(count) + ": " + why;
      result = 0;
      break;
    }
    at += uint64_t(object->m_recordLength);
    auto* node = new ObjectNode;
    node->object = std::move(object);
    node->z = node->object->m_z;
    node->object->m_listPosition.m_plane = this;
    node->object->m_listPosition.m_node = node;
    nodes.push_back(node);
  }
  m_objects.Rebuild(nodes);
  for (ObjectNode* node : nodes) Reindex(*node->object);
  if (consumed) *consumed = at;
  SortObjects();
  return result;
}

}  // namespace vyr
