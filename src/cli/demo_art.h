// The demo content's art, drawn in code: palette, tiles, background and sprites.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/demo_canvas.h"

namespace vyr::demo {

// First entries of the palette's colour ramps (16 shades each, dark to light).
inline constexpr uint8_t kTransparent = 0;  // (255, 0, 132): stays 0 when re-indexed
inline constexpr uint8_t kGrey = 1;
inline constexpr uint8_t kDirt = 17;
inline constexpr uint8_t kGrass = 33;
inline constexpr uint8_t kStone = 49;
inline constexpr uint8_t kSky = 65;
inline constexpr uint8_t kFire = 81;
inline constexpr uint8_t kGold = 97;
inline constexpr uint8_t kPurple = 113;
inline constexpr uint8_t kBlue = 129;
inline constexpr uint8_t kWood = 145;
inline constexpr uint8_t kCyan = 161;
inline constexpr uint8_t kFoliage = 177;
inline constexpr uint8_t kMountain = 193;
inline constexpr uint8_t kSkin = 209;
inline constexpr uint8_t kRed = 225;
inline constexpr uint8_t kCave = 241;  // 14 shades, 241..254
inline constexpr uint8_t kWhite = 255;

// Image kinds the demo stores (the archive type codes PID and RID).
enum class ImageKind { kPid, kRid };

struct DemoImage {
  std::string name;  // item name without extension; its first digits give the image number
  DemoCanvas canvas;
  int32_t offsetX = 0;  // hot spot
  int32_t offsetY = 0;
  bool transparent = false;
  bool embedPalette = false;  // PID only: the palette travels at the end of the item
  ImageKind kind = ImageKind::kPid;
};

// One archive directory of images, e.g. "IMAGES/TILES".
struct DemoImageDir {
  std::string path;
  std::vector<DemoImage> images;
};

struct DemoArt {
  std::vector<uint8_t> palette;  // 256 red, green, blue triples
  std::vector<DemoImageDir> dirs;
  // The background panorama as background-set image numbers, row by row; it repeats sideways.
  int32_t backdropColumns = 0;
  int32_t backdropRows = 0;
  std::vector<int32_t> backdrop;
};

std::vector<uint8_t> DemoPalette();
// One ground (1..62) or edge (77..128) tile; other numbers of the tile set too.
DemoCanvas DemoTile(int32_t number);
DemoArt BuildDemoArt();

}  // namespace vyr::demo
