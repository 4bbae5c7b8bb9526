// The map snapshot: the reduced drawing of a whole plane and its objects, and writing it out.
#include "world/map_snapshot.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

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

// Columns [left, right) and rows [top, bottom) of the surface, already inside it.
struct Area {
  int64_t left, top, right, bottom;
  bool Empty() const { return right <= left || bottom <= top; }
};

void Fill(CSnapshotDib& surface, const Area& area, uint8_t colour) {
  if (area.Empty()) return;
  for (int64_t y = area.top; y < area.bottom; ++y)
    std::memset(surface.RowPtr(int32_t(y)) + area.left, colour, size_t(area.right - area.left));
}

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

// The reduced image with its top-left corner at (x, y), only inside `clip`.
void Draw(CSnapshotDib& surface, const ReducedImage& image, int64_t x, int64_t y, const Area& clip) {
  const Area area{std::max(x, clip.left), std::max(y, clip.top), std::min(x + image.width, clip.right),
                  std::min(y + image.height, clip.bottom)};
  if (area.Empty()) return;
  const size_t count = size_t(area.right - area.left);
  const bool skipHoles = image.transparent && image.holes;
  // Rows are stored bottom row first: the next row down lies one pitch lower in memory.
  const ptrdiff_t down = -ptrdiff_t(surface.Pitch());
  uint8_t* to = surface.RowPtr(int32_t(area.top)) + area.left;
  const uint8_t* from = image.pixels.data() + (area.top - y) * image.width + (area.left - x);
  for (int64_t row = area.top; row < area.bottom; ++row, to += down, from += image.width) {
    if (!skipHoles) {
      CopyRow(to, from, count);
      continue;
    }
    for (size_t i = 0; i < count; ++i)
      if (from[i] != 0) to[i] = from[i];
  }
}

void DrawCells(CSnapshotDib& surface, const CPlane& plane, ReducedImages& images, int64_t d) {
  const int64_t tileWidth = plane.TileWidth(), tileHeight = plane.TileHeight();
  const uint8_t fillColour = uint8_t(plane.m_fillColour & 0xFF);
  const auto tiles = plane.Tiles();
  for (int64_t r = 0; r < plane.Height(); ++r) {
    const int64_t top = r * tileHeight / d, bottom = (r + 1) * tileHeight / d;
    const int32_t* row = tiles.data() + plane.RowStart(int32_t(r));
    int64_t left = 0;
    for (int64_t c = 0; c < plane.Width(); ++c) {
      const int64_t right = (c + 1) * tileWidth / d;
      const Area cell{left, top, right, bottom};
      left = right;
      const int32_t value = row[c];
      if (value == kColourTile) {
        Fill(surface, cell, fillColour);
        continue;
      }
      const ReducedImage* image = images.OfTile(value);
      // The background shows wherever the image leaves the cell uncovered.
      if (!image || (image->transparent && image->holes) || image->width < cell.right - cell.left ||
          image->height < cell.bottom - cell.top)
        Fill(surface, cell, kBackground);
      if (image) Draw(surface, *image, cell.left, cell.top, cell);
    }
  }
}

void DrawObjects(CSnapshotDib& surface, CPlane& plane, const CImageSetTable* imageSets, ReducedImages& images,
                 int64_t d) {
  const Area whole{0, 0, surface.Width(), surface.Height()};
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
    Draw(surface, images.Of(*image, mirrored), FloorDiv(left, d), FloorDiv(top, d), whole);
  }
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

std::unique_ptr<CSnapshotDib> DrawMapshot(CPlane& plane, const CImageSetTable* imageSets, int32_t divisor,
                                          bool withObjects, std::string* reason) {
  const int64_t d = MapshotDivisor(plane, divisor);
  // In 64 bits and checked before anything is allocated.
  const int64_t width = int64_t(plane.Width()) * plane.TileWidth() / d;
  const int64_t height = int64_t(plane.Height()) * plane.TileHeight() / d;
  const uint64_t pitch = (uint64_t(std::max<int64_t>(width, 0)) + 3) / 4 * 4;
  if (!plane.IsValid() || width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide ||
      pitch * uint64_t(height) > kMaxSurfaceBytes) {
    if (reason) *reason = SizeProblem(width, height);
    return nullptr;
  }
  std::string why;
  std::unique_ptr<CSnapshotDib> surface = CSnapshotDib::Make(int32_t(width), int32_t(height), 8, 0, &why);
  if (!surface) {
    if (reason) *reason = "Unable to make a snapshot of " + std::to_string(width) + " x " + std::to_string(height) +
                          " pixels: " + why + ".";
    return nullptr;
  }
  ReducedImages images(plane, int32_t(d));
  DrawCells(*surface, plane, images, d);
  if (withObjects) DrawObjects(*surface, plane, imageSets, images, d);
  return surface;
}

bool MakeMapshot(CWorldDoc& doc, int32_t divisor, bool withObjects, Mapshot& out, std::string* reason) {
  auto refuse = [reason](std::string text) {
    if (reason) *reason = std::move(text);
    return false;
  };
  CPlane* plane = doc.HasLoadedWorld() ? doc.CurrentPlane() : nullptr;
  if (!plane) return refuse(std::string(res::text::kMapshotNoPlane));
  if (!doc.Palette() || !doc.Palette()->IsCreated()) return refuse(std::string(res::text::kMapshotNoPalette));
  if (withObjects && doc.ObjectImageSetsPending()) {
    doc.ClearObjectImageSetsPending();
    doc.LoadObjectImageSets();
  }
  std::string why;
  out.surface = DrawMapshot(*plane, doc.ImageSets(), divisor, withObjects, &why);
  if (!out.surface) return refuse(std::string(res::text::kCannotCreateDib) + "\n\n" + why);
  // Flag bit 0: the file keeps the world's own colours whatever the display does.
  out.palette = std::make_unique<CSnapshotPalette>(doc.Palette()->Entries(), 1, DisplayPalette::TrueColour());
  return true;
}

bool WriteMapshot(const std::string& path, const Mapshot& mapshot, std::string* reason) {
  return IsPngName(path) ? WriteSnapshotPng(path, *mapshot.surface, *mapshot.palette, reason)
                         : mapshot.surface->WriteBmp(path, mapshot.palette.get(), reason);
}

int RenderMapshot(const std::string& path, CWorldDoc& doc, int32_t divisor, bool withObjects, std::string* reason) {
  Mapshot mapshot;
  if (!MakeMapshot(doc, divisor, withObjects, mapshot, reason)) return 0;
  std::string why;
  if (!WriteMapshot(path, mapshot, &why)) {
    if (reason)
      *reason = Sentence(ShownText(res::text::kMapshotNotWritten) + " " + why) + "\n\n" +
                std::string(res::text::kMapshotChooseAnother);
    return 0;
  }
  return 1;
}

}  // namespace vyr
