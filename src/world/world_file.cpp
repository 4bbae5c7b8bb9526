// The world file: CWorld::Save, LoadFromFile and LoadFromBuffer with bounds-checked reading.
#include "world/world_file.h"

#include <zlib.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

#include "platform/date_format.h"
#include "platform/file_io.h"
#include "resources/image_set.h"
#include "world/mask_attrib.h"
#include "world/plane.h"
#include "world/single_attrib.h"
#include "world/world.h"
#include "world/zlib_inflate.h"

namespace vyr {

using namespace world_file;

namespace {

// Longest stream zlib can inflate per input byte (deflate's limit is 1032 : 1).
constexpr uint64_t kMaxInflateRatio = 1032;

void SetReason(std::string* reason, std::string text) {
  if (reason) *reason = std::move(text);
}

std::string Num(uint64_t value) { return std::to_string(value); }
std::string Num(int64_t value) { return std::to_string(value); }
std::string Num(int32_t value) { return std::to_string(value); }
std::string Num(uint32_t value) { return std::to_string(value); }

// Appends tile values as little-endian int32.
void AppendTiles(ByteWriter& out, std::span<const int32_t> tiles) {
  if constexpr (std::endian::native == std::endian::little) {
    out.Raw(tiles.data(), tiles.size_bytes());
  } else {
    for (int32_t v : tiles) out.I32(v);
  }
}

void CopyTiles(TileGrid& tiles, const uint8_t* source) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(tiles.data(), source, tiles.size() * sizeof(int32_t));
  } else {
    for (size_t i = 0; i < tiles.size(); ++i) tiles[i] = LoadI32(source + 4 * i);
  }
}

// A rough size of the image, so the writer rarely has to grow its buffer.
size_t EstimateImageSize(const CWorld& world) {
  uint64_t size = kHeaderSize + uint64_t(kAttribSectionHeaderSize);
  for (int32_t i = 0; i < world.PlaneCount(); ++i) {
    const CPlane* plane = world.Plane(i);
    size += kPlaneHeaderSize + plane->Tiles().size_bytes();
    for (const ImageSetSlot& slot : plane->ImageSetSlots()) size += slot.name.size() + 1;
    if (plane->m_flags & kPlaneFlagObjects) size += plane->ObjectCount() * (kObjectRecordFixedSize + 64);
  }
  for (const auto& record : world.Attributes()) size += record ? uint64_t(record->StoredSize()) : 20u;
  return size_t(std::min<uint64_t>(size, uint64_t(1) << 32));
}

void WriteHeaderStrings(ByteWriter& out, const WorldProperties& p) {
  out.FixedString(p.name, kNameWidth);
  out.FixedString(p.author, kNameWidth);
  out.FixedString(p.date, kNameWidth);
  out.FixedString(p.archivePath, kArchivePathWidth);
  out.FixedString(p.imageDir, kPathWidth);
  out.FixedString(p.palette, kPathWidth);
}

void WritePlaneHeader(ByteWriter& out, const CPlane& plane) {
  out.U32(kPlaneHeaderSize);
  out.I32(0);
  out.I32(plane.m_flags);
  out.I32(0);
  out.FixedString(plane.Name(), kNameWidth);
  out.I32(plane.PixelWidth());
  out.I32(plane.PixelHeight());
  out.I32(plane.TileWidth());
  out.I32(plane.TileHeight());
  out.I32(plane.Width());
  out.I32(plane.Height());
  out.I32(0);  // view origin: the view sets its own on opening
  out.I32(0);
  out.I32(plane.m_movementX);
  out.I32(plane.m_movementY);
  out.I32(plane.m_fillColour);
  out.U32(uint32_t(plane.ImageSetCount()));
  out.U32(uint32_t(plane.ObjectCount()));
  out.U32(0);  // grid, names and objects offsets are patched later
  out.U32(0);
  out.U32(0);
  out.I32(plane.m_z);
  out.Zeros(12);
}

}  // namespace

std::string FormatSaveDate(const std::tm& t) {
  // A month out of range is stored as January rather than the formatter's '?'.
  std::tm date = t;
  if (date.tm_mon < 0 || date.tm_mon >= 12) date.tm_mon = 0;
  return FormatLongDate(date);
}

std::string CurrentSaveDate() { return FormatSaveDate(Clock().LocalNow()); }

namespace {

// Sum of the bytes; the save runs it over the whole stored block, so it must keep up with memcpy.
uint64_t SumBytes(const uint8_t* p, size_t n) {
  uint64_t total = 0;
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  __m128i acc = zero;
  for (; i + 16 <= n; i += 16) {
    acc = _mm_add_epi64(acc, _mm_sad_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)), zero));
  }
  total = uint64_t(_mm_cvtsi128_si64(acc)) + uint64_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(acc, acc)));
#endif
  for (; i < n; ++i) total += p[i];
  return total;
}

}  // namespace

std::string NotAWorldFile(ByteSpan bytes) {
  const ByteReader file(bytes);
  if (!file.Has(0, kShortHeaderFields)) {
    return "its " + Num(uint64_t(bytes.size())) + " bytes are too short for a world header";
  }
  uint32_t headerSize = 0;
  file.U32(0, headerSize);
  // Any other file's first four bytes (an archive's "\r\nRe", say) make a size far beyond this.
  if (headerSize > kHeaderSize) return "its header size " + Num(headerSize) + " is impossible";
  return {};
}

int32_t WorldFileChecksum(ByteSpan block) {
  // Σ (byte k − k) for k = 1 … n, byte n = 0: the byte sum from 1 to n − 1 less n (n + 1) / 2.
  const uint64_t n = block.size();
  const uint64_t bytes = n > 1 ? SumBytes(block.data() + 1, block.size() - 1) : 0;
  const uint64_t positions = n % 2 == 0 ? (n / 2) * (n + 1) : n * ((n + 1) / 2);
  return int32_t(uint32_t(bytes - positions));
}

int BuildRawWorldFileImage(CWorld& world, const WorldProperties& p, std::vector<uint8_t>& image,
                           std::string* reason) {
  ByteWriter out(EstimateImageSize(world));

  // Header (steps 3): offsets 740, 744 and 748 are filled in at the end.
  out.U32(kHeaderSize);
  out.I32(0);
  out.I32(p.flags);
  out.I32(0);
  WriteHeaderStrings(out, p);
  out.I32(p.startX);
  out.I32(p.startY);
  out.I32(world.ObjectPlaneIndex());
  out.U32(uint32_t(world.PlaneCount()));
  out.U32(kHeaderSize);
  out.U32(0);
  out.U32(0);
  out.I32(0);
  out.I32(0);
  out.FixedString(p.gamePath, kPathWidth);
  for (const std::string& set : p.imageSets) out.FixedString(set, kPathWidth);
  for (const std::string& prefix : p.prefixes) out.FixedString(prefix, kPrefixWidth);

  const int32_t planeCount = world.PlaneCount();
  auto planeField = [](int32_t i, size_t field) { return kHeaderSize + size_t(i) * kPlaneHeaderSize + field; };
  // Offsets are 32-bit: refuse an image that grows beyond them.
  auto position = [&](uint32_t& at) {
    if (out.Position() > std::numeric_limits<uint32_t>::max()) return false;
    at = uint32_t(out.Position());
    return true;
  };
  const std::string tooLarge = "the world file would be larger than 4 GiB";

  for (int32_t i = 0; i < planeCount; ++i) WritePlaneHeader(out, *world.Plane(i));

  for (int32_t i = 0; i < planeCount; ++i) {
    uint32_t at = 0;
    if (!position(at)) return SetReason(reason, tooLarge), 0;
    out.PatchU32(planeField(i, kPlaneGridOffset), at);
    AppendTiles(out, world.Plane(i)->Tiles());
  }
  for (int32_t i = 0; i < planeCount; ++i) {
    uint32_t at = 0;
    if (!position(at)) return SetReason(reason, tooLarge), 0;
    out.PatchU32(planeField(i, kPlaneNamesOffset), at);
    // Every slot with a name, loaded or not, writes it whole; never-filled slots write nothing.
    for (const ImageSetSlot& slot : world.Plane(i)->ImageSetSlots()) {
      if (slot.name.empty()) continue;
      out.Raw(slot.name.data(), slot.name.size());
      out.U8(0);
    }
  }
  for (int32_t i = 0; i < planeCount; ++i) {
    CPlane& plane = *world.Plane(i);
    if (!(plane.m_flags & kPlaneFlagObjects)) continue;  // offset 140 stays 0
    uint32_t at = 0;
    if (!position(at)) return SetReason(reason, tooLarge), 0;
    out.PatchU32(planeField(i, kPlaneObjectsOffset), at);
    std::string why;
    if (!plane.WriteObjects(out, &why)) return SetReason(reason, "plane " + Num(i) + ": " + why), 0;
  }

  // Tile attribute section (step 8).
  uint32_t attribAt = 0;
  if (!position(attribAt)) return SetReason(reason, tooLarge), 0;
  out.PatchU32(kAttribOffset, attribAt);
  const CPlane* reference = world.ObjectPlane() ? world.ObjectPlane() : (planeCount > 0 ? world.Plane(0) : nullptr);
  const int32_t refWidth = reference ? reference->TileWidth() : kDefaultReferenceTileSize;
  const int32_t refHeight = reference ? reference->TileHeight() : kDefaultReferenceTileSize;
  int64_t minimum = 0;
  if (world.ObjectPlane()) {
    if (const CImageSet* first = world.ObjectPlane()->ImageSetAt(0)) minimum = int64_t(first->Highest()) + 1;
  }
  const int64_t count = std::max<int64_t>(world.AttributeCount(), minimum);
  out.I32(int32_t(kAttribSectionHeaderSize));
  out.I32(0);
  out.I32(int32_t(count));
  out.Zeros(20);
  const CSingleAttrib fallback(refWidth, refHeight, kAttribFree);
  for (int64_t i = 0; i < count; ++i) {
    const CTileAttrib* record = i < world.AttributeCount() ? world.Attribute(int32_t(i)) : nullptr;
    if (!record || record->m_tileWidth < 1) {
      fallback.Store(out);
      continue;
    }
    if (record->Kind() == kAttribKindMask && !CMaskAttrib::SizeFits(record->m_tileWidth, record->m_tileHeight)) {
      return SetReason(reason, "tile attribute " + Num(i) + ": a mask of " + Num(record->m_tileWidth) + " x " +
                                   Num(record->m_tileHeight) + " could not be read back"),
             0;
    }
    record->Store(out);
  }
  if (out.Position() > std::numeric_limits<uint32_t>::max()) return SetReason(reason, tooLarge), 0;

  image = std::move(out.Bytes());
  return 1;
}

int FinishWorldFileImage(std::vector<uint8_t>& image, std::string* reason) {
  if (image.size() < kHeaderSize) return SetReason(reason, "the world's header is incomplete"), 0;
  const size_t blockLength = image.size() - kHeaderSize;
  if (LoadI32(image.data() + kFlags) & kWorldFlagCompressed) {
    uLongf packedLength = compressBound(uLong(blockLength));
    std::vector<uint8_t> packed(kHeaderSize + packedLength);
    if (compress(packed.data() + kHeaderSize, &packedLength, image.data() + kHeaderSize, uLong(blockLength)) !=
        Z_OK) {
      return SetReason(reason, "the world's data could not be compressed"), 0;
    }
    packed.resize(kHeaderSize + packedLength);
    StoreU32(image.data() + kUncompressedLength, uint32_t(blockLength));
    StoreI32(image.data() + kChecksum, WorldFileChecksum(ByteSpan(packed).subspan(kHeaderSize)));
    std::memcpy(packed.data(), image.data(), kHeaderSize);
    image = std::move(packed);
  } else {
    StoreI32(image.data() + kChecksum, WorldFileChecksum(ByteSpan(image).subspan(kHeaderSize)));
  }
  return 1;
}

int BuildWorldFileImage(CWorld& world, const WorldProperties& properties, std::vector<uint8_t>& image,
                        std::string* reason) {
  return BuildRawWorldFileImage(world, properties, image, reason) && FinishWorldFileImage(image, reason);
}

int SaveWorldFile(CWorld& world, IWorldHost& host, const std::string& path, const std::string& date,
                  std::string* reason) {
  host.Properties().date = date;
  std::vector<uint8_t> image;
  if (!BuildWorldFileImage(world, host.Properties(), image, reason)) return 0;
  std::string error;
  if (!WriteFileAtomically(path, image, error)) return SetReason(reason, error), 0;
  return 1;
}

int CWorld::Save(IWorldHost& host, const std::string& path, std::string* reason) {
  return SaveWorldFile(*this, host, path, CurrentSaveDate(), reason);
}

int CWorld::LoadFromFile(IWorldHost& host, const std::string& path, std::string* reason) {
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadWholeFile(path, bytes, error)) return SetReason(reason, error), 0;
  return LoadFromBuffer(host, bytes, reason);
}

namespace {

// Reads the planes and attributes of one file image; `image` holds the header (as far as
// it goes) and the uncompressed data block.
class WorldImageReader {
 public:
  // `block`, when given, owns `image` and may keep the planes' grids where they lie in it.
  WorldImageReader(CWorld& world, IWorldHost& host, ByteSpan image, std::shared_ptr<int32_t[]> block,
                   uint32_t headerSize, uint32_t attribOffset, std::string* reason)
      : m_world(world),
        m_host(host),
        m_image(image),
        m_block(std::move(block)),
        m_reason(reason),
        m_headerSize(headerSize),
        m_attribOffset(attribOffset) {}

  int ReadPlanes(uint32_t planeCount, uint32_t firstPlane);
  int ReadAttributes(uint32_t sectionOffset);

 private:
  int Fail(std::string text) {
    SetReason(m_reason, std::move(text));
    return 0;
  }
  std::string Past(const std::string& what, uint64_t offset) const {
    return what + " at offset " + Num(offset) + " runs past the end of the file (" + Num(uint64_t(m_image.Size())) +
           " bytes)";
  }
  // Where the name list starting at `start` of plane `index` ends: the nearest start of
  // another block at or after it, or the end of the image.
  uint64_t NameListEnd(uint32_t index, uint64_t start) const;
  // Refuses plane headers whose blocks together claim more than the image holds, and
  // collects the block starts that end the name lists.
  int CheckTotals();
  // Refuses an attribute section that starts inside the header or another block: it would
  // be read from their bytes, and a resave would drop the real one.
  int CheckAttribPlace(uint64_t sectionOffset);
  // Which planes keep their grid inside the block instead of a copy of their own.
  std::vector<bool> GridsInBlock() const;
  // Plane i's grid: inside the block, or a copy of its cells.
  TileGrid Grid(uint32_t i, bool inBlock) const;
  uint64_t PlaneHeader(uint32_t i) const { return m_firstPlane + uint64_t(i) * kPlaneHeaderSize; }
  uint32_t PlaneU32(uint32_t i, size_t field) const { return LoadU32(m_image.Bytes().data() + PlaneHeader(i) + field); }
  int32_t PlaneI32(uint32_t i, size_t field) const { return LoadI32(m_image.Bytes().data() + PlaneHeader(i) + field); }

  CWorld& m_world;
  IWorldHost& m_host;
  ByteReader m_image;
  std::shared_ptr<int32_t[]> m_block;
  std::string* m_reason;
  uint64_t m_headerSize = 0;
  uint32_t m_planeCount = 0;
  uint64_t m_firstPlane = 0;
  uint64_t m_attribOffset = 0;
  std::vector<uint64_t> m_blockStarts;                   // grids, object blocks, headers, attributes
  std::vector<std::pair<uint64_t, uint32_t>> m_listStarts;  // (name list offset, plane)
};

uint64_t WorldImageReader::NameListEnd(uint32_t index, uint64_t start) const {
  uint64_t end = m_image.Size();
  const auto block = std::lower_bound(m_blockStarts.begin(), m_blockStarts.end(), start);
  if (block != m_blockStarts.end()) end = std::min(end, *block);
  // Lists are written in stack order: a later plane's list at the same place means this
  // one is empty; an earlier plane's list at the same place is the empty one.
  const auto list = std::upper_bound(m_listStarts.begin(), m_listStarts.end(), std::pair{start, index});
  if (list != m_listStarts.end()) end = std::min(end, list->first);
  return end;
}

int WorldImageReader::CheckTotals() {
  uint64_t gridBytes = 0;
  uint64_t objectBytes = 0;
  uint64_t slots = 0;
  m_blockStarts.clear();
  m_listStarts.clear();
  m_blockStarts.push_back(m_firstPlane);
  if (m_attribOffset != 0) m_blockStarts.push_back(m_attribOffset);
  const uint64_t size = m_image.Size();
  for (uint32_t j = 0; j < m_planeCount; ++j) {
    const int32_t width = PlaneI32(j, kPlaneWidth);
    const int32_t height = PlaneI32(j, kPlaneHeight);
    if (width > 0 && height > 0) {
      // Each plane adds at most size + 1, so the total cannot wrap around 2^64 (a plane
      // of non-positive size is refused on its own and adds nothing).
      gridBytes += std::min(uint64_t(width) * uint64_t(height) * 4, size + 1);
      m_blockStarts.push_back(PlaneU32(j, kPlaneGridOffset));
    }
    const uint32_t objects = PlaneU32(j, kPlaneObjectsOffset);
    if (objects != 0) {
      objectBytes += std::min(uint64_t(PlaneU32(j, kPlaneObjectCount)) * kObjectRecordFixedSize, size + 1);
      if (PlaneU32(j, kPlaneObjectCount) != 0) m_blockStarts.push_back(objects);
    }
    slots += PlaneU32(j, kPlaneSetCount);
    m_listStarts.emplace_back(PlaneU32(j, kPlaneNamesOffset), j);
  }
  // Blocks of a written file never overlap, so their sizes add up to at most the file's;
  // planes sharing one block could otherwise make the model far larger than the file.
  if (gridBytes > size) {
    return Fail("the planes' tile grids need at least " + Num(gridBytes) + " bytes, more than the file's " + Num(size));
  }
  if (objectBytes > size) {
    return Fail("the planes' object records need at least " + Num(objectBytes) + " bytes, more than the file's " +
                Num(size));
  }
  if (slots > uint64_t(kMaxImageSetSlots) + size / 8) {
    return Fail("the planes' image-set tables hold " + Num(slots) + " slots, more than a file of " + Num(size) +
                " bytes can describe");
  }
  std::sort(m_blockStarts.begin(), m_blockStarts.end());
  std::sort(m_listStarts.begin(), m_listStarts.end());
  return 1;
}

std::vector<bool> WorldImageReader::GridsInBlock() const {
  std::vector<bool> inBlock(m_planeCount, false);
  if (!m_block || std::endian::native != std::endian::little) return inBlock;
  std::vector<std::pair<uint64_t, uint32_t>> grids;  // (offset, plane) of grids the block can hand out
  for (uint32_t j = 0; j < m_planeCount; ++j) {
    const int32_t width = PlaneI32(j, kPlaneWidth);
    const int32_t height = PlaneI32(j, kPlaneHeight);
    const uint32_t offset = PlaneU32(j, kPlaneGridOffset);
    // The block is an int32 array from the image's first byte.
    if (width > 0 && height > 0 && offset % sizeof(int32_t) == 0 &&
        m_image.Has(offset, uint64_t(width) * uint64_t(height) * 4)) {
      grids.emplace_back(offset, j);
    }
  }
  std::sort(grids.begin(), grids.end());
  // Planes whose grids overlap would edit each other's cells: only the first keeps its place.
  uint64_t end = 0;
  uint64_t kept = 0;
  for (const auto& [offset, j] : grids) {
    if (offset < end) continue;
    const uint64_t bytes = uint64_t(PlaneI32(j, kPlaneWidth)) * uint64_t(PlaneI32(j, kPlaneHeight)) * 4;
    inBlock[j] = true;
    end = offset + bytes;
    kept += bytes;
  }
  // Grids in the block keep all of it alive: worth it only when they are most of it.
  if (kept * 2 < m_image.Size()) inBlock.assign(m_planeCount, false);
  return inBlock;
}

TileGrid WorldImageReader::Grid(uint32_t i, bool inBlock) const {
  const size_t count = size_t(uint64_t(PlaneI32(i, kPlaneWidth)) * uint64_t(PlaneI32(i, kPlaneHeight)));
  const uint32_t offset = PlaneU32(i, kPlaneGridOffset);
  if (inBlock) return TileGrid(m_block, m_block.get() + offset / sizeof(int32_t), count);
  TileGrid grid = TileGrid::ForOverwrite(count);
  CopyTiles(grid, m_image.Bytes().data() + offset);
  return grid;
}

int WorldImageReader::ReadPlanes(uint32_t planeCount, uint32_t firstPlane) {
  m_planeCount = planeCount;
  m_firstPlane = firstPlane;
  if (!m_image.Has(firstPlane, uint64_t(planeCount) * kPlaneHeaderSize)) {
    return Fail(Past(Num(planeCount) + " plane headers", firstPlane));
  }
  if (!CheckTotals()) return 0;
  const std::vector<bool> inBlock = GridsInBlock();
  const CImageSetTable* sets = m_host.ImageSets();
  const uint8_t* data = m_image.Bytes().data();
  for (uint32_t i = 0; i < planeCount; ++i) {
    const std::string where = "plane " + Num(i) + ": ";
    const uint64_t header = PlaneHeader(i);
    std::string name;
    m_image.FixedString(header + kPlaneName, kNameWidth, name);
    const int32_t width = PlaneI32(i, kPlaneWidth);
    const int32_t height = PlaneI32(i, kPlaneHeight);
    const int32_t tileWidth = PlaneI32(i, kPlaneTileWidth);
    const int32_t tileHeight = PlaneI32(i, kPlaneTileHeight);
    const uint32_t setCount = PlaneU32(i, kPlaneSetCount);
    const uint32_t objectCount = PlaneU32(i, kPlaneObjectCount);
    const uint32_t gridOffset = PlaneU32(i, kPlaneGridOffset);
    const uint32_t namesOffset = PlaneU32(i, kPlaneNamesOffset);
    const uint32_t objectsOffset = PlaneU32(i, kPlaneObjectsOffset);

    // Everything that decides sizes is checked before the plane is made.
    if (width <= 0 || height <= 0 || tileWidth <= 0 || tileHeight <= 0) {
      return Fail(where + "a plane of " + Num(width) + " x " + Num(height) + " cells of " + Num(tileWidth) + " x " +
                  Num(tileHeight) + " pixels cannot be made");
    }
    const uint64_t gridBytes = uint64_t(width) * uint64_t(height) * 4;
    if (!m_image.Has(gridOffset, gridBytes)) return Fail(Past(where + "tile grid", gridOffset));
    if (setCount > uint32_t(kMaxImageSetSlots)) {
      return Fail(where + "an image-set table of " + Num(setCount) + " slots is more than tile values can address");
    }
    if (setCount > 0 && namesOffset > m_image.Size()) return Fail(Past(where + "image-set name list", namesOffset));
    if (objectsOffset != 0 &&
        (!m_image.Has(objectsOffset, 0) ||
         uint64_t(objectCount) * kObjectRecordFixedSize > m_image.Size() - objectsOffset)) {
      return Fail(Past(where + Num(objectCount) + " object records", objectsOffset));
    }

    CPlane* plane = PlaneSizesFit(width, height, tileWidth, tileHeight)
                        ? m_world.AddPlane(name, width, height, tileWidth, tileHeight, Grid(i, inBlock[i]))
                        : nullptr;
    if (!plane) {
      return Fail(where + "a plane of " + Num(width) + " x " + Num(height) + " cells of " + Num(tileWidth) + " x " +
                  Num(tileHeight) + " pixels cannot be made");
    }

    // Name list: skip bytes below '0' (as signed bytes), then take bytes from '0' up.
    plane->SetImageSetCount(int32_t(setCount));
    if (setCount > 0) {
      const uint64_t end = NameListEnd(i, namesOffset);
      uint64_t at = namesOffset;
      for (uint32_t slot = 0; slot < setCount && at < end; ++slot) {
        while (at < end && int8_t(data[at]) < 48) ++at;
        const uint64_t nameStart = at;
        while (at < end && int8_t(data[at]) >= 48) ++at;
        if (at > nameStart) {
          plane->AddImageSet(sets, int32_t(slot),
                             std::string(reinterpret_cast<const char*>(data + nameStart), size_t(at - nameStart)));
        }
      }
    }

    if (objectsOffset != 0) {
      std::string why;
      const ByteSpan records = m_image.Bytes().subspan(objectsOffset);
      if (!plane->ReadObjects(objectCount, records, sets, &why)) {
        return Fail(where + "object records at offset " + Num(objectsOffset) + ": " + why);
      }
    }

    plane->m_movementX = PlaneI32(i, kPlaneMovementX);
    plane->m_movementY = PlaneI32(i, kPlaneMovementY);
    plane->m_flags = PlaneI32(i, kPlaneFlags);
    plane->m_fillColour = PlaneI32(i, kPlaneFillColour);
    plane->m_viewOriginX = PlaneI32(i, kPlaneViewOriginX);
    plane->m_viewOriginY = PlaneI32(i, kPlaneViewOriginY);
    plane->UpdateVisible();
    plane->m_z = PlaneI32(i, kPlaneZ);
  }
  return 1;
}

int WorldImageReader::CheckAttribPlace(uint64_t sectionOffset) {
  const auto inside = [sectionOffset](uint64_t start, uint64_t size) {
    return sectionOffset >= start && sectionOffset - start < size;
  };
  const std::string lies = "the tile attribute section at offset " + Num(sectionOffset) + " lies inside ";
  if (sectionOffset < m_headerSize) return Fail(lies + "the header (" + Num(m_headerSize) + " bytes)");
  if (inside(m_firstPlane, uint64_t(m_planeCount) * kPlaneHeaderSize)) return Fail(lies + "the plane headers");
  for (uint32_t j = 0; j < m_planeCount; ++j) {
    // The planes were read, so their sizes are positive and their blocks inside the file.
    const uint64_t cells = uint64_t(PlaneI32(j, kPlaneWidth)) * uint64_t(PlaneI32(j, kPlaneHeight));
    if (inside(PlaneU32(j, kPlaneGridOffset), cells * 4)) return Fail(lies + "plane " + Num(j) + "'s tile grid");
    const uint32_t objects = PlaneU32(j, kPlaneObjectsOffset);
    if (objects != 0 && inside(objects, uint64_t(PlaneU32(j, kPlaneObjectCount)) * kObjectRecordFixedSize)) {
      return Fail(lies + "plane " + Num(j) + "'s object records");
    }
  }
  return 1;
}

int WorldImageReader::ReadAttributes(uint32_t sectionOffset) {
  if (!CheckAttribPlace(sectionOffset)) return 0;
  if (!m_image.Has(sectionOffset, kAttribSectionHeaderSize)) {
    return Fail(Past("tile attribute section", sectionOffset));
  }
  uint32_t count = 0;
  m_image.U32(sectionOffset + 8, count);
  uint64_t at = uint64_t(sectionOffset) + kAttribSectionHeaderSize;
  // Every entry takes at least 16 bytes: refuse a count the section cannot hold before
  // making any record.
  if (uint64_t(count) * kAttribRecordHeaderSize > m_image.Size() - at) {
    return Fail("tile attribute section at offset " + Num(sectionOffset) + ": " + Num(count) +
                " entries cannot fit in the rest of the file");
  }
  for (uint32_t i = 0; i < count; ++i) {
    const std::string where = "tile attribute " + Num(i) + " at offset " + Num(at) + ": ";
    int32_t kind = 0;
    if (!m_image.I32(at, kind)) return Fail(Past("tile attribute " + Num(i), at));
    std::unique_ptr<CTileAttrib> record = MakeTileAttrib(kind);
    if (!record) return Fail(where + "unknown kind " + Num(kind));
    std::string why;
    if (!record->Load(m_image.Bytes().subspan(size_t(at)), &why)) return Fail(where + why);
    at += uint64_t(record->StoredSize());
    m_world.SetAttribute(int32_t(i), std::move(record));
  }
  return 1;
}

}  // namespace

int CWorld::LoadFromBuffer(IWorldHost& host, ByteSpan bytes, std::string* reason) {
  if (const std::string why = NotAWorldFile(bytes); !why.empty()) {
    return SetReason(reason, "the file is not a world file (" + why + ")"), 0;
  }
  const ByteReader file(bytes);
  uint32_t headerSize = 0;
  file.U32(0, headerSize);
  if (!file.Has(0, headerSize)) {
    return SetReason(reason, "the file is shorter than its header size " + Num(headerSize)), 0;
  }
  uint32_t planeCount = 0;
  file.U32(kPlaneCount, planeCount);
  if (planeCount == 0) return SetReason(reason, "the world has no planes"), 0;

  int32_t flags = 0;
  file.I32(kFlags, flags);
  // The inflated image, as int32 values so the planes can keep their grids in it. From the
  // ordinary heap, without zeroing: the inflate writes every byte (a shorter stream is
  // refused below), and memory the allocator hands out again costs no page faults.
  std::shared_ptr<int32_t[]> unpacked;
  ByteSpan image = bytes;
  if (flags & kWorldFlagCompressed) {
    uint32_t length = 0;
    file.U32(kUncompressedLength, length);
    const uint64_t streamLength = bytes.size() - headerSize;
    if (length == 0) return SetReason(reason, "a compressed world states a data length of 0"), 0;
    if (uint64_t(length) > streamLength * kMaxInflateRatio) {
      return SetReason(reason, "a compressed data block of " + Num(streamLength) + " bytes cannot hold the " +
                                   Num(length) + " bytes the header states"),
             0;
    }
    const size_t imageSize = size_t(headerSize) + length;
    unpacked.reset(new (std::nothrow) int32_t[(imageSize + 3) / 4]);
    if (!unpacked) return SetReason(reason, "there is not enough memory for its " + Num(length) + " bytes of data"), 0;
    const std::span<uint8_t> whole(reinterpret_cast<uint8_t*>(unpacked.get()), imageSize);
    std::memcpy(whole.data(), bytes.data(), headerSize);
    const auto [status, produced] = InflateZlibStream(bytes.subspan(headerSize), whole.subspan(headerSize));
    if (status != Z_OK) {
      return SetReason(reason, status == Z_BUF_ERROR ? "the compressed data block holds more than the " +
                                                           Num(length) + " bytes the header states, or is cut short"
                                                     : "the compressed data block is damaged"),
             0;
    }
    if (produced != length) {
      return SetReason(reason, "the data block decompresses to " + Num(uint64_t(produced)) + " bytes, not the " +
                                   Num(length) + " the header states"),
             0;
    }
    image = whole;
  }

  WorldProperties& p = host.Properties();
  file.FixedString(kName, kNameWidth, p.name);
  file.FixedString(kAuthor, kNameWidth, p.author);
  file.FixedString(kDate, kNameWidth, p.date);
  file.FixedString(kArchivePath, kArchivePathWidth, p.archivePath);
  file.FixedString(kImageDir, kPathWidth, p.imageDir);
  file.FixedString(kPalette, kPathWidth, p.palette);
  file.I32(kStartX, p.startX);
  file.I32(kStartY, p.startY);
  p.flags = flags;
  if (headerSize == kHeaderSize) {
    file.FixedString(kGamePath, kPathWidth, p.gamePath);
    for (size_t i = 0; i < 4; ++i) file.FixedString(kImageSet1 + kPathWidth * i, kPathWidth, p.imageSets[i]);
    for (size_t i = 0; i < 4; ++i) file.FixedString(kPrefix1 + kPrefixWidth * i, kPrefixWidth, p.prefixes[i]);
  }

  if (!host.ResolveResources()) return SetReason(reason, "the world's archive, palette or images were not found"), 0;

  uint32_t firstPlane = 0;
  uint32_t attribOffset = 0;
  file.U32(kFirstPlaneOffset, firstPlane);
  file.U32(kAttribOffset, attribOffset);
  WorldImageReader reader(*this, host, image, std::move(unpacked), headerSize, attribOffset, reason);
  if (!reader.ReadPlanes(planeCount, firstPlane)) return 0;
  // The file names its recorded object plane at 728; keeping that record (rather than the
  // first plane read) lets a resave write the same index and attribute defaults again.
  int32_t recorded = 0;
  file.I32(kObjectPlaneIndex, recorded);
  if (recorded == -1) {
    m_objectPlane = nullptr;
    m_objectPlaneIndex = -1;
  } else if (recorded >= 0 && recorded < PlaneCount()) {
    SetObjectPlane(recorded);
  }
  if (attribOffset != 0 && !reader.ReadAttributes(attribOffset)) return 0;
  return 1;
}

}  // namespace vyr
