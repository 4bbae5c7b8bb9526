// What the world model needs from the document that owns it: the world properties,
// resource location while a file is read, and the loaded image sets.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vyr {

class CImageSetTable;

// World properties: the header strings and numbers that travel in the world file.
struct WorldProperties {
  std::string name;         // ≤ 63
  std::string author;       // ≤ 63
  std::string date;         // ≤ 63
  std::string archivePath;  // ≤ 255
  std::string imageDir;     // ≤ 127
  std::string palette;      // ≤ 127
  int32_t startX = 0;
  int32_t startY = 0;
  int32_t flags = 0;  // bit 0 "use Z", bit 1 compressed file; other bits kept
  std::string gamePath;                  // ≤ 127
  std::array<std::string, 4> imageSets;  // ≤ 127 each
  std::array<std::string, 4> prefixes;   // ≤ 31 each

  friend bool operator==(const WorldProperties&, const WorldProperties&) = default;
};

inline constexpr int32_t kWorldFlagUseZ = 1;
inline constexpr int32_t kWorldFlagCompressed = 2;

class IWorldHost {
 public:
  virtual ~IWorldHost() = default;
  virtual WorldProperties& Properties() = 0;
  // Locates archive, palette and image directory for the properties just read and
  // loads the image sets; returns non-zero on success.
  virtual int ResolveResources() = 0;
  // The loaded image sets, or null when none are loaded.
  virtual const CImageSetTable* ImageSets() const = 0;
};

}  // namespace vyr
