// The map snapshot: the reduced drawing of a whole plane and its objects, and writing it out.
#include "world/map_snapshot.h"

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "platform/file_io.h"
#include "platform/saturate.h"
#include "platform/message_format.h"
#include "platform/shown_text.h"
#include "res/messages.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "resources/snapshot_png.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

constexpr uint8_t kBackground = 255;
// A whole surface larger than this is written past the cache.
constexpr size_t kStreamedSurfaceBytes = size_t(8) << 20;

// An image reduced by the divisor: every d-th pixel of every d-th row (read from the
// right edge leftwards when mirrored), so each destination pixel is one plain copy.
struct ReducedImage {
  int64_t width = 0;
  int64_t height = 0;
  std::vector<uint8_t> pixels;  // rows top first
  bool holes = false;           // a pixel of index 0 that a transparent drawing skips
  bool transparent = false;
};

// The reduced images of one snapshot. A plane shows the same few images in many cells,
// so each is reduced once; tile values find theirs without a search.
class ReducedImages {
 public:
  ReducedImages(const CPlane& plane, int32_t divisor) : m_plane(plane), m_divisor(divisor) {}

  const ReducedImage& Of(const CImage& image, bool mirrored) {
    auto [it, added] = m_images.try_emplace({&image, mirrored});
    if (added) Reduce(image, mirrored, it->second);
    return it->second;
  }

  // The image a tile value shows, or null for an empty, colour or bad value.
  const ReducedImage* OfTile(int32_t value) {
    if (value == m_lastValue) return m_last;
    m_lastValue = value;
    m_last = Find(value);
    return m_last;
  }

 private:
  const ReducedImage* Find(int32_t value) {
    if (!IsImageTile(value)) return nullptr;
    const uint32_t set = TileSetNumber(value), number = TileImageNumber(value);
    if (set >= m_bySet.size()) m_bySet.resize(set + 1);
    std::vector<const ReducedImage*>& images = m_bySet[set];
    if (number >= images.size()) images.resize(number + 1);
    if (!images[number]) {
      const CImage* image = m_plane.LookupTileImage(value);
      images[number] = image && image->Surface().IsCreated() ? &Of(*image, false) : &m_none;
    }
    return images[number] == &m_none ? nullptr : images[number];
  }

  void Reduce(const CImage& image, bool mirrored, ReducedImage& out) const {
    const CDibG& source = image.Surface();
    if (!source.IsCreated()) return;
    const int64_t d = m_divisor, w = source.Width(), h = source.Height();
    out.width = (w + d - 1) / d;
    out.height = (h + d - 1) / d;
    out.transparent = image.m_transparent;
    out.pixels.resize(size_t(out.width * out.height));
    uint8_t* to = out.pixels.data();
    for (int64_t sy = 0; sy < h; sy += d) {
      const uint8_t* row = source.RowPtr(int32_t(sy));
      for (int64_t k = 0; k < out.width; ++k) *to++ = row[mirrored ? w - 1 - k * d : k * d];
    }
    out.holes = std::find(out.pixels.begin(), out.pixels.end(), 0) != out.pixels.end();
  }

  const CPlane& m_plane;
  int32_t m_divisor;
  std::map<std::pair<const CImage*, bool>, ReducedImage> m_images;
  std::vector<std::vector<const ReducedImage*>> m_bySet;
  ReducedImage m_none;
  int32_t m_lastValue = kEmptyTile;
  const ReducedImage* m_last = nullptr;
};

// Columns [left, right) and rows [top, bottom) of the picture.
struct Area {
  int64_t left, top, right, bottom;
  bool Empty() const { return right <= left || bottom <= top; }
};

// Where rows [first, last) of the picture lie in memory: the whole surface, or the band
// being drawn.
struct Rows {
  uint8_t* top;     // row `first`
  ptrdiff_t step;   // from a row to the one below it
  int64_t first, last, width;
  bool stream = false;  // write past the cache
  uint8_t* Row(int64_t y) const { return top + (y - first) * step; }
  Area Whole() const { return {0, first, width, last}; }
};

// One row of an image into the surface. Cells of the common sizes copy in one move.
inline void CopyRow(uint8_t* to, const uint8_t* from, size_t count) {
  switch (count) {
    case 4: std::memcpy(to, from, 4); break;
    case 8: std::memcpy(to, from, 8); break;
    case 16: std::memcpy(to, from, 16); break;
    case 32: std::memcpy(to, from, 32); break;
    default: std::memcpy(to, from, count);
  }
}

// The reduced image with its top-left corner at (x, y), only inside `clip`, which lies
// inside the rows.
void Draw(const Rows& rows, const ReducedImage& image, int64_t x, int64_t y, const Area& clip) {
  const Area area{std::max(x, clip.left), std::max(y, clip.top), std::min(x + image.width, clip.right),
                  std::min(y + image.height, clip.bottom)};
  if (area.Empty()) return;
  const size_t count = size_t(area.right - area.left);
  const bool skipHoles = image.transparent && image.holes;
  uint8_t* to = rows.Row(area.top) + area.left;
  const uint8_t* from = image.pixels.data() + (area.top - y) * image.width + (area.left - x);
  for (int64_t row = area.top; row < area.bottom; ++row, to += rows.step, from += image.width) {
    if (!skipHoles) {
      CopyRow(to, from, count);
      continue;
    }
    for (size_t i = 0; i < count; ++i)
      if (from[i] != 0) to[i] = from[i];
  }
}

// The first picture row of cell row r.
int64_t CellTop(int64_t r, int64_t tile, int64_t d) { return r * tile / d; }
// The cell row that holds picture row y: the largest r with r · tile / d ≤ y.
int64_t CellRowAt(int64_t y, int64_t tile, int64_t d) { return ((y + 1) * d - 1) / tile; }

// One picture row of a row of `cells` cells each kCount wide: cell c copies from
// from[c] + offset. A width known at compile time makes each copy one move. With `stream`
// the stores bypass the cache (a picture larger than it gains nothing from passing
// through, and writing whole lines saves reading them first).
template <size_t kCount>
void CopyCellRow(uint8_t* row, const uint8_t* const* from, ptrdiff_t offset, size_t cells, bool stream) {
#if defined(__x86_64__)
  if constexpr (kCount % 8 == 0) {
    if (stream) {
      for (size_t c = 0; c < cells; ++c, row += kCount)
        for (size_t i = 0; i < kCount; i += 8) {
          long long v;
          std::memcpy(&v, from[c] + offset + i, 8);
          _mm_stream_si64(reinterpret_cast<long long*>(row + i), v);
        }
      return;
    }
  }
#endif
  for (size_t c = 0; c < cells; ++c, row += kCount) std::memcpy(row, from[c] + offset, kCount);
}

void CopyCellRow(uint8_t* row, const uint8_t* const* from, ptrdiff_t offset, size_t cells, int64_t width,
                 bool stream) {
  switch (width) {
    case 4: return CopyCellRow<4>(row, from, offset, cells, stream);
    case 8: return CopyCellRow<8>(row, from, offset, cells, stream);
    case 16: return CopyCellRow<16>(row, from, offset, cells, stream);
    case 32: return CopyCellRow<32>(row, from, offset, cells, stream);
    case 64: return CopyCellRow<64>(row, from, offset, cells, stream);
    default:
      for (size_t c = 0; c < cells; ++c, row += width) std::memcpy(row, from[c] + offset, size_t(width));
  }
}

// The cells of the picture rows the rows hold. Where the divisor divides the tile width,
// every cell is equally wide and each picture row is built in one pass: a cell copies its
// part from its image or from a block of its fill colour, all read with the same row
// step. Other cells, and images that do not fit that pass, are drawn one by one, over
// the background where they leave part of the cell uncovered.
void DrawCells(const Rows& rows, const CPlane& plane, ReducedImages& images, int64_t d) {
  const int64_t tileWidth = plane.TileWidth(), tileHeight = plane.TileHeight();
  const size_t columns = size_t(plane.Width());
  const auto tiles = plane.Tiles();
  const int64_t width = tileWidth % d == 0 ? tileWidth / d : 0;  // of every cell, or 0
  const int64_t tallest = (tileHeight + d - 1) / d;
  const std::vector<uint8_t> background(size_t(std::max<int64_t>(width, 1) * tallest), kBackground);
  const std::vector<uint8_t> colour(background.size(), uint8_t(plane.m_fillColour & 0xFF));
  std::vector<const uint8_t*> from(columns);
  std::vector<std::pair<size_t, const ReducedImage*>> cellByCell;

  for (int64_t r = CellRowAt(rows.first, tileHeight, d); r < plane.Height(); ++r) {
    const int64_t top = CellTop(r, tileHeight, d), bottom = CellTop(r + 1, tileHeight, d);
    if (top >= rows.last) break;
    const int64_t shownTop = std::max(top, rows.first), shownBottom = std::min(bottom, rows.last);
    const int32_t* values = tiles.data() + plane.RowStart(int32_t(r));
    cellByCell.clear();
    for (size_t c = 0; c < columns; ++c) {
      const bool colourCell = values[c] == kColourTile;
      const ReducedImage* image = colourCell ? nullptr : images.OfTile(values[c]);
      const uint8_t* fill = colourCell ? colour.data() : background.data();
      const bool opaque = image && !(image->transparent && image->holes) && image->height >= bottom - top;
      if (width != 0) {
        const bool inPass = opaque && image->width == width;
        from[c] = inPass ? image->pixels.data() : fill;
        if (image && !inPass) cellByCell.emplace_back(c, image);
        continue;
      }
      // The background shows wherever the image leaves the cell uncovered.
      const int64_t left = int64_t(c) * tileWidth / d, right = int64_t(c + 1) * tileWidth / d;
      if (!opaque || image->width < right - left)
        for (int64_t y = shownTop; y < shownBottom; ++y) std::memset(rows.Row(y) + left, *fill, size_t(right - left));
      if (image) cellByCell.emplace_back(c, image);
    }
    if (width != 0) {
      for (int64_t y = shownTop; y < shownBottom; ++y)
        CopyCellRow(rows.Row(y), from.data(), (y - top) * width, columns, width, rows.stream);
#if defined(__x86_64__)
      // The streamed stores land before anything is drawn over them.
      if (rows.stream) _mm_sfence();
#endif
    }
    for (const auto& [c, image] : cellByCell) {
      const int64_t left = int64_t(c) * tileWidth / d, right = int64_t(c + 1) * tileWidth / d;
      Draw(rows, *image, left, top, Area{left, shownTop, right, shownBottom});
    }
  }
}

// An object's reduced image and where its top-left corner lands in the picture.
struct Placement {
  const ReducedImage* image;
  int64_t left, top;
};

// The objects with an image, in list order.
std::vector<Placement> PlaceObjects(CPlane& plane, const CImageSetTable* imageSets, ReducedImages& images,
                                    int64_t d) {
  std::vector<Placement> placements;
  for (const std::unique_ptr<CGameObject>& object : plane.Objects()) {
    if (object->m_imageSet.empty()) continue;
    // The sets may have been reloaded since the object was last drawn.
    object->ForgetImage();
    object->UpdateBounds(imageSets);
    const CImage* image = object->m_image;
    if (!image || !image->Surface().IsCreated()) continue;
    const bool mirrored = object->m_drawFlags & kImageDrawMirrored;
    // Placed as the view places it: centred on the position, shifted by the hot spot,
    // which turns around in the mirrored drawing.
    const int64_t left = int64_t(object->m_x) - (int64_t(object->m_imageWidth) >> 1) +
                         (mirrored ? -int64_t(image->m_offsetX) : int64_t(image->m_offsetX));
    const int64_t top = int64_t(object->m_y) - (int64_t(object->m_imageHeight) >> 1) + image->m_offsetY;
    // Positions left of or above the plane map to the reduced pixel that holds them.
    placements.push_back({&images.Of(*image, mirrored), FloorDiv(left, d), FloorDiv(top, d)});
  }
  return placements;
}

std::string SizeProblem(int64_t width, int64_t height) {
  return "The snapshot would be " + std::to_string(width) + " x " + std::to_string(height) +
         " pixels; a bitmap can be at most " + std::to_string(kMaxSurfaceSide) + " pixels on a side and " +
         std::to_string(kMaxSurfaceBytes >> 20) + " MB in all. Choose a smaller scale.";
}

}  // namespace

int32_t MapshotDivisor(const CPlane& plane, int32_t divisor) {
  if (divisor <= 0) divisor = 1;
  divisor = std::min({divisor, plane.TileWidth(), plane.TileHeight()});
  return std::max(divisor, 1);
}

namespace {

// The picture's size for the divisor, or false with the reason when it is too large.
bool MapshotSize(const CPlane& plane, int64_t d, int64_t& width, int64_t& height, std::string* reason) {
  // In 64 bits and checked before anything is allocated.
  width = int64_t(plane.Width()) * plane.TileWidth() / d;
  height = int64_t(plane.Height()) * plane.TileHeight() / d;
  const uint64_t pitch = (uint64_t(std::max<int64_t>(width, 0)) + 3) / 4 * 4;
  if (!plane.IsValid() || width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
      pitch * uint64_t(height) > kMaxSurfaceBytes) {
    if (reason) *reason = SizeProblem(width, height);
    return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<CSnapshotDib> DrawMapshot(CPlane& plane, const CImageSetTable* imageSets, int32_t divisor,
                                          bool withObjects, std::string* reason, const MapshotProgress& progress) {
  const int64_t d = MapshotDivisor(plane, divisor);
  int64_t width = 0, height = 0;
  if (!MapshotSize(plane, d, width, height, reason)) return nullptr;
  std::string why;
  std::unique_ptr<CSnapshotDib> surface = CSnapshotDib::Make(int32_t(width), int32_t(height), 8, 0, &why);
  if (!surface) {
    if (reason) *reason = "Unable to make a snapshot of " + std::to_string(width) + " x " + std::to_string(height) +
                          " pixels: " + why + ".";
    return nullptr;
  }
  // Rows are stored bottom row first: the row below lies one pitch lower in memory.
  const Rows rows{surface->RowPtr(0), -ptrdiff_t(surface->Pitch()), 0, height, width,
                  surface->ImageSize() > kStreamedSurfaceBytes};
  ReducedImages images(plane, int32_t(d));
  // Bands of whole cell rows, so that progress can be told and the drawing stopped.
  const int64_t tileHeight = plane.TileHeight();
  const int64_t band = std::max<int64_t>(1, int64_t(kMapshotBandBytes) / (width * ((tileHeight + d - 1) / d)));
  const int64_t bands = (plane.Height() + band - 1) / band;
  for (int64_t b = 0; b < bands; ++b) {
    if (progress && !progress(int(b * 100 / bands))) {
      if (reason) reason->clear();
      return nullptr;
    }
    const int64_t first = CellTop(b * band, tileHeight, d);
    const int64_t last = std::min(CellTop((b + 1) * band, tileHeight, d), height);
    DrawCells(Rows{rows.Row(first), rows.step, first, last, width, rows.stream}, plane, images, d);
  }
  if (withObjects)
    for (const Placement& p : PlaceObjects(plane, imageSets, images, d)) Draw(rows, *p.image, p.left, p.top, rows.Whole());
  return surface;
}

bool StreamMapshot(CPlane& plane, const CImageSetTable* imageSets, int32_t divisor, bool withObjects,
                   const MapshotBands& out, std::string* reason, size_t bandBytes, const MapshotProgress& progress) {
  const int64_t d = MapshotDivisor(plane, divisor);
  int64_t width = 0, height = 0;
  if (!MapshotSize(plane, d, width, height, reason)) return false;
  // Bands of whole cell rows, so that no cell is drawn twice.
  const int64_t tileHeight = plane.TileHeight();
  const int64_t cellRows = (tileHeight + d - 1) / d;
  const int64_t band = std::max<int64_t>(1, int64_t(bandBytes) / (width * cellRows));
  const int64_t bands = (plane.Height() + band - 1) / band;
  auto bandOf = [&](int64_t y) { return CellRowAt(y, tileHeight, d) / band; };

  ReducedImages images(plane, int32_t(d));
  std::vector<Placement> placements;
  // Each band's objects, in list order.
  std::vector<std::vector<uint32_t>> objectsOf(size_t(withObjects ? bands : 0));
  if (withObjects) placements = PlaceObjects(plane, imageSets, images, d);
  for (uint32_t i = 0; i < placements.size(); ++i) {
    const Placement& p = placements[i];
    const int64_t top = std::max<int64_t>(p.top, 0), bottom = std::min<int64_t>(p.top + p.image->height, height);
    if (top >= bottom || p.left >= width || p.left + p.image->width <= 0) continue;
    for (int64_t b = bandOf(top); b <= bandOf(bottom - 1); ++b) objectsOf[size_t(b)].push_back(i);
  }

  if (out.begin && !out.begin(int32_t(width), int32_t(height))) return false;
  std::vector<uint8_t> buffer(size_t(width * std::min(band * cellRows, height)));
  for (int64_t b = 0; b < bands; ++b) {
    if (progress && !progress(int(b * 100 / bands))) return false;
    const int64_t first = CellTop(b * band, tileHeight, d);
    const int64_t last = std::min(CellTop((b + 1) * band, tileHeight, d), height);
    const Rows rows{buffer.data(), ptrdiff_t(width), first, last, width};
    DrawCells(rows, plane, images, d);
    if (withObjects)
      for (uint32_t i : objectsOf[size_t(b)]) Draw(rows, *placements[i].image, placements[i].left, placements[i].top, rows.Whole());
    if (!out.rows(buffer.data(), ptrdiff_t(width), int32_t(last - first))) return false;
  }
  return true;
}

namespace {

// The plane a snapshot of the document shows, with the object image sets loaded when the
// objects are asked for; null with the reason when there is no plane or palette.
CPlane* MapshotPlane(CWorldDoc& doc, bool withObjects, std::string* reason) {
  CPlane* plane = doc.HasLoadedWorld() ? doc.CurrentPlane() : nullptr;
  const std::string_view problem = !plane ? res::text::kMapshotNoPlane
                                   : !doc.Palette() || !doc.Palette()->IsCreated() ? res::text::kMapshotNoPalette
                                                                                     : std::string_view();
  if (!problem.empty()) {
    if (reason) *reason = std::string(problem);
    return nullptr;
  }
  if (withObjects && doc.ObjectImageSetsPending()) {
    doc.ClearObjectImageSetsPending();
    doc.LoadObjectImageSets();
  }
  return plane;
}

// Flag bit 0: the file keeps the world's own colours whatever the display does.
std::unique_ptr<CSnapshotPalette> MapshotPalette(CWorldDoc& doc) {
  return std::make_unique<CSnapshotPalette>(doc.Palette()->Entries(), 1, DisplayPalette::TrueColour());
}

}  // namespace

bool MakeMapshot(CWorldDoc& doc, int32_t divisor, bool withObjects, Mapshot& out, std::string* reason,
                 const MapshotProgress& progress) {
  CPlane* plane = MapshotPlane(doc, withObjects, reason);
  if (!plane) return false;
  std::string why;
  out.surface = DrawMapshot(*plane, doc.ImageSets(), divisor, withObjects, &why, progress);
  if (!out.surface && why.empty()) {
    if (reason) reason->clear();
    return false;
  }
  if (!out.surface) {
    if (reason) *reason = std::string(res::text::kCannotCreateDib) + "\n\n" + why;
    return false;
  }
  out.palette = MapshotPalette(doc);
  return true;
}

bool WriteMapshot(const std::string& path, const Mapshot& mapshot, std::string* reason) {
  return IsPngName(path) ? WriteSnapshotPng(path, *mapshot.surface, *mapshot.palette, reason)
                         : mapshot.surface->WriteBmp(path, mapshot.palette.get(), reason);
}

int RenderMapshot(const std::string& path, CWorldDoc& doc, int32_t divisor, bool withObjects, std::string* reason,
                  const MapshotProgress& progress) {
  bool cancelled = false;
  const MapshotProgress watch = [&](int percent) {
    cancelled = progress && !progress(percent);
    return !cancelled;
  };
  auto notWritten = [&](const std::string& why) {
    if (reason)
      *reason = Sentence(ShownText(res::text::kMapshotNotWritten) + " " + why) + "\n\n" +
                std::string(res::text::kMapshotChooseAnother);
    return 0;
  };
  if (IsPngName(path)) {
    // Drawn band by band into the encoder: the whole picture is never held.
    CPlane* plane = MapshotPlane(doc, withObjects, reason);
    if (!plane) return 0;
    const std::unique_ptr<CSnapshotPalette> palette = MapshotPalette(doc);
    PngRowEncoder encoder;
    MapshotBands bands;
    bands.begin = [&](int32_t width, int32_t height) { return encoder.Begin(width, height, *palette); };
    bands.rows = [&](const uint8_t* rows, ptrdiff_t stride, int32_t count) {
      return encoder.Rows(rows, stride, count);
    };
    std::string tooLarge;
    const bool drawn = StreamMapshot(*plane, doc.ImageSets(), divisor, withObjects, bands, &tooLarge,
                                     kMapshotBandBytes, watch);
    if (cancelled) return -1;
    if (!drawn && !tooLarge.empty()) {
      if (reason) *reason = std::string(res::text::kCannotCreateDib) + "\n\n" + tooLarge;
      return 0;
    }
    if (!drawn || !encoder.End())
      return notWritten("cannot encode '" + path + "' as PNG" +
                        (encoder.Error().empty() ? "" : ": " + encoder.Error()));
    std::string why;
    return WriteFileAtomically(path, encoder.Bytes(), why) ? 1 : notWritten(why);
  }
  Mapshot mapshot;
  if (!MakeMapshot(doc, divisor, withObjects, mapshot, reason, watch)) return cancelled ? -1 : 0;
  std::string why;
  return WriteMapshot(path, mapshot, &why) ? 1 : notWritten(why);
}

}  // namespace vyr
