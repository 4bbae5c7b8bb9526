// The map snapshot: a whole plane drawn reduced into an 8-bit surface, and its BMP or PNG file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "resources/snapshot_surface.h"

namespace vyr {

class CImageSetTable;
class CPlane;
class CWorldDoc;

// Told the share drawn so far (0 … 99) now and then; false stops the drawing.
using MapshotProgress = std::function<bool(int percent)>;

// The divisor a plane is drawn at: one ≤ 0 counts as 1, and it never exceeds the tile
// width or height (so it never reaches 0 either).
int32_t MapshotDivisor(const CPlane& plane, int32_t divisor);

// A drawn snapshot and the palette it is written with.
struct Mapshot {
  std::unique_ptr<CSnapshotDib> surface;
  std::unique_ptr<CSnapshotPalette> palette;
};

// Draws every cell of the plane reduced by the divisor (every d-th pixel of every d-th
// row; cell c spans (c · tile) / d up to ((c + 1) · tile) / d, tile images clipped to
// it), empty cells and bad values as index 255, then with `withObjects` the plane's
// objects in list order, each image looked up afresh and mirrored as the view mirrors
// it, cut at the surface's edges. Null, with the reason, when the surface is too large.
// Stopped through `progress`, it returns null with an empty reason.
std::unique_ptr<CSnapshotDib> DrawMapshot(CPlane& plane, const CImageSetTable* imageSets, int32_t divisor,
                                          bool withObjects, std::string* reason = nullptr,
                                          const MapshotProgress& progress = {});

// Receives a picture band by band: `begin` its size, then `rows` each band's rows, top row
// first, `stride` bytes apart. Either returning false stops the drawing.
struct MapshotBands {
  std::function<bool(int32_t width, int32_t height)> begin;
  std::function<bool(const uint8_t* rows, ptrdiff_t stride, int32_t count)> rows;
};

// About how many bytes of the picture a band holds (whole cell rows, at least one).
inline constexpr size_t kMapshotBandBytes = size_t(256) << 10;

// The picture DrawMapshot draws, made a band at a time in one small buffer and handed to
// `out`, so that it never exists whole. False when it is too large (with the reason) or
// `out` stopped it (the reason untouched).
bool StreamMapshot(CPlane& plane, const CImageSetTable* imageSets, int32_t divisor, bool withObjects,
                   const MapshotBands& out, std::string* reason = nullptr, size_t bandBytes = kMapshotBandBytes,
                   const MapshotProgress& progress = {});

// The document's current plane drawn as above with the document's palette (never
// adjusted to the display). With objects asked for and the object image sets still
// pending, loads them first. False, with a message for the user, when there is no plane
// or palette or the surface cannot be made.
bool MakeMapshot(CWorldDoc& doc, int32_t divisor, bool withObjects, Mapshot& out, std::string* reason = nullptr,
                 const MapshotProgress& progress = {});

// Writes the snapshot atomically: as PNG when the name ends in ".png", else as 8-bit BMP.
// False, with the reason, when it cannot be encoded or written.
bool WriteMapshot(const std::string& path, const Mapshot& mapshot, std::string* reason = nullptr);

// MakeMapshot, then WriteMapshot (a PNG is drawn band by band into its encoder instead):
// 1 written, 0 not (the reason says why), −1 stopped through `progress` (nothing written).
int RenderMapshot(const std::string& path, CWorldDoc& doc, int32_t divisor, bool withObjects,
                  std::string* reason = nullptr, const MapshotProgress& progress = {});

}  // namespace vyr
