// The world file (".VWD"): layout constants, the image builder, the check sum and the save date.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "world/world_host.h"

namespace vyr {

class CWorld;

// Header fields (offsets from the start of the file).
namespace world_file {
inline constexpr uint32_t kHeaderSize = 1524;
inline constexpr uint32_t kShortHeaderFields = 756;  // fields up to here are read whatever the size says
inline constexpr size_t kFlags = 8;
inline constexpr size_t kName = 16;
inline constexpr size_t kAuthor = 80;
inline constexpr size_t kDate = 144;
inline constexpr size_t kArchivePath = 208;
inline constexpr size_t kImageDir = 464;
inline constexpr size_t kPalette = 592;
inline constexpr size_t kStartX = 720;
inline constexpr size_t kStartY = 724;
inline constexpr size_t kObjectPlaneIndex = 728;
inline constexpr size_t kPlaneCount = 732;
inline constexpr size_t kFirstPlaneOffset = 736;
inline constexpr size_t kAttribOffset = 740;
inline constexpr size_t kUncompressedLength = 744;
inline constexpr size_t kChecksum = 748;
inline constexpr size_t kGamePath = 756;
inline constexpr size_t kImageSet1 = 884;  // four fields of 128
inline constexpr size_t kPrefix1 = 1396;   // four fields of 32

// Widths of the fixed string fields, the closing NUL included.
inline constexpr size_t kNameWidth = 64;          // name, author, date, plane name
inline constexpr size_t kArchivePathWidth = 256;
inline constexpr size_t kPathWidth = 128;         // image directory, palette, game path, image sets
inline constexpr size_t kPrefixWidth = 32;

inline constexpr uint32_t kPlaneHeaderSize = 160;
inline constexpr size_t kPlaneFlags = 8;
inline constexpr size_t kPlaneName = 16;
inline constexpr size_t kPlanePixelWidth = 80;
inline constexpr size_t kPlanePixelHeight = 84;
inline constexpr size_t kPlaneTileWidth = 88;
inline constexpr size_t kPlaneTileHeight = 92;
inline constexpr size_t kPlaneWidth = 96;
inline constexpr size_t kPlaneHeight = 100;
inline constexpr size_t kPlaneViewOriginX = 104;
inline constexpr size_t kPlaneViewOriginY = 108;
inline constexpr size_t kPlaneMovementX = 112;
inline constexpr size_t kPlaneMovementY = 116;
inline constexpr size_t kPlaneFillColour = 120;
inline constexpr size_t kPlaneSetCount = 124;
inline constexpr size_t kPlaneObjectCount = 128;
inline constexpr size_t kPlaneGridOffset = 132;
inline constexpr size_t kPlaneNamesOffset = 136;
inline constexpr size_t kPlaneObjectsOffset = 140;
inline constexpr size_t kPlaneZ = 144;

inline constexpr uint32_t kAttribSectionHeaderSize = 32;
inline constexpr int32_t kDefaultReferenceTileSize = 128;
}  // namespace world_file

// "March 4, 1995": English month name, day without a leading zero, four-digit year,
// whatever the user's locale.
std::string FormatSaveDate(const std::tm& localTime);
// Today's date in that form (local time).
std::string CurrentSaveDate();

// Why `bytes` cannot be a world file at all (too short for the header's fixed fields, or
// a header size no world has), or empty when it may be one.
std::string NotAWorldFile(ByteSpan bytes);

// The additive sum stored at offset 748: over k = 1 … n of (byte k − k), where byte 0 is
// the first byte of the stored data block and byte n, just past it, counts as 0.
int32_t WorldFileChecksum(ByteSpan storedBlock);

// Builds the whole file image (header and stored, possibly compressed, data block) of the
// world with these properties. Returns 0 with a reason when the world cannot be written
// (a record too long for its length field, an image beyond 4 GiB, a mask that could
// not be read back, a compression failure).
int BuildWorldFileImage(CWorld& world, const WorldProperties& properties, std::vector<uint8_t>& image,
                        std::string* reason = nullptr);

// The two halves of BuildWorldFileImage: the raw image (uncompressed block, no check sum)
// is quick to build; finishing it (compression when the header's flags ask for it, the
// length and check sum fields) needs nothing of the world, so it may run on another thread.
int BuildRawWorldFileImage(CWorld& world, const WorldProperties& properties, std::vector<uint8_t>& image,
                           std::string* reason = nullptr);
int FinishWorldFileImage(std::vector<uint8_t>& image, std::string* reason = nullptr);

// Save with the given date text: stores it as the host's date property, builds the image
// and replaces the file atomically. CWorld::Save passes CurrentSaveDate().
int SaveWorldFile(CWorld& world, IWorldHost& host, const std::string& path, const std::string& date,
                  std::string* reason = nullptr);

}  // namespace vyr
