// The demo content's art: a palette of colour ramps, the tile set, the background
// panorama and the object sprites, all drawn here from simple shapes.
#include "cli/demo_art.h"

#include <algorithm>
#include <cmath>

#include "cli/demo_shapes.h"

namespace vyr::demo {

namespace {

constexpr int32_t kTile = 64;

struct Rgb {
  int r, g, b;
};

// A 16-step ramp through a middle colour, in integer steps so that it never varies.
void Ramp(std::vector<uint8_t>& palette, int first, int count, Rgb dark, Rgb mid, Rgb light) {
  const int half = (count - 1) / 2;
  for (int i = 0; i < count; ++i) {
    Rgb a = dark, b = mid;
    int t = i, span = half;
    if (i > half) {
      a = mid;
      b = light;
      t = i - half;
      span = count - 1 - half;
    }
    auto mix = [&](int x, int y) { return uint8_t(x + (y - x) * t / span); };
    palette[size_t(first + i) * 3 + 0] = mix(a.r, b.r);
    palette[size_t(first + i) * 3 + 1] = mix(a.g, b.g);
    palette[size_t(first + i) * 3 + 2] = mix(a.b, b.b);
  }
}

uint8_t Shade(uint8_t ramp, int step) { return uint8_t(ramp + std::clamp(step, 0, 15)); }
uint8_t CaveShade(int step) { return uint8_t(kCave + std::clamp(step, 0, 13)); }

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// Marks every transparent pixel beside an opaque one with `colour`: crisp sprite edges.
void Outline(DemoCanvas& c, uint8_t colour) {
  DemoCanvas before = c;
  for (int32_t y = 0; y < c.Height(); ++y) {
    for (int32_t x = 0; x < c.Width(); ++x) {
      if (before.Get(x, y) != 0) continue;
      if (before.Get(x - 1, y) || before.Get(x + 1, y) || before.Get(x, y - 1) || before.Get(x, y + 1))
        c.Set(x, y, colour);
    }
  }
}

// Smooth periodic value noise (period 64) for the dirt, from 0 to 255.
int ValueNoise(int32_t x, int32_t y, int32_t seed) {
  constexpr int kCell = 16, kCells = kTile / kCell;
  const int cx = (x & 63) / kCell, cy = (y & 63) / kCell;
  const int fx = (x & 63) % kCell, fy = (y & 63) % kCell;
  auto corner = [&](int i, int j) { return int(Hash((cx + i) % kCells, (cy + j) % kCells, seed) & 255); };
  const int top = corner(0, 0) * (kCell - fx) + corner(1, 0) * fx;
  const int bottom = corner(0, 1) * (kCell - fx) + corner(1, 1) * fx;
  return (top * (kCell - fy) + bottom * fy) / (kCell * kCell);
}

// The dirt body every ground tile shares; seamless from one tile to the next.
const DemoCanvas& DirtTexture() {
  static const DemoCanvas dirt = [] {
    DemoCanvas c(kTile, kTile);
    for (int32_t y = 0; y < kTile; ++y) {
      for (int32_t x = 0; x < kTile; ++x) {
        int step = 6 + ValueNoise(x, y, 3) / 64;
        const uint32_t speck = Hash(x, y, 4) % 23;
        if (speck == 0) step += 2;
        if (speck == 1) step -= 2;
        c.Set(x, y, Shade(kDirt, step));
      }
    }
    // Pebbles, kept away from the tile's border so that tiles join without seams.
    struct Pebble {
      double x, y, rx, ry;
    };
    const Pebble pebbles[] = {{14, 22, 5, 3.5}, {44, 14, 3.5, 2.5}, {36, 44, 6, 4},
                              {12, 52, 3, 2},   {54, 34, 3, 2.5},  {26, 33, 2.5, 2}};
    for (const Pebble& p : pebbles) {
      c.FillEllipse(p.x + 0.8, p.y + 0.8, p.rx, p.ry, Shade(kDirt, 3));
      c.FillEllipse(p.x, p.y, p.rx, p.ry, Shade(kStone, 7));
      c.FillEllipse(p.x - p.rx / 3, p.y - p.ry / 3, p.rx / 2, p.ry / 2, Shade(kStone, 10));
    }
    return c;
  }();
  return dirt;
}

// Colour of a ground pixel `distance` pixels from an open side; grass faces up.
uint8_t EdgeColour(double distance, bool grass, uint8_t body) {
  if (grass) {
    if (distance < 2) return Shade(kGrass, 14);
    if (distance < 4) return Shade(kGrass, 12);
    if (distance < 7) return Shade(kGrass, 9);
    if (distance < 10) return Shade(kGrass, 6);
    if (distance < 11.5) return Shade(kGrass, 3);
    if (distance < 13) return Shade(kDirt, 3);
    return body;
  }
  if (distance < 1.5) return Shade(kDirt, 1);
  if (distance < 3.5) return Shade(kDirt, 3);
  if (distance < 5.5) return Shade(kDirt, 5);
  return body;
}

DemoCanvas GroundTile(const Neighbours& n, bool belowLeft) {
  const DemoCanvas& dirt = DirtTexture();
  DemoCanvas c(kTile, kTile);
  constexpr double kRadius = 16;
  const bool openUp = !n.up, openDown = !n.down, openLeft = !n.left, openRight = !n.right;
  for (int32_t y = 0; y < kTile; ++y) {
    for (int32_t x = 0; x < kTile; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      double best = 1e9;
      bool grass = false, outside = false, straightTop = false;
      auto consider = [&](double d, bool isGrass) {
        if (d < best) {
          best = d;
          grass = isGrass;
        }
      };
      // Rounded outer corners where two open sides meet.
      struct Corner {
        bool open;
        double cx, cy;
        bool inside;
        bool top;
      };
      const Corner corners[] = {
          {openUp && openLeft, kRadius, kRadius, px < kRadius && py < kRadius, true},
          {openUp && openRight, kTile - kRadius, kRadius, px > kTile - kRadius && py < kRadius, true},
          {openDown && openLeft, kRadius, kTile - kRadius, px < kRadius && py > kTile - kRadius, false},
          {openDown && openRight, kTile - kRadius, kTile - kRadius,
           px > kTile - kRadius && py > kTile - kRadius, false},
      };
      bool inCorner = false;
      for (const Corner& k : corners) {
        if (!k.open || !k.inside) continue;
        inCorner = true;
        const double dx = px - k.cx, dy = py - k.cy;
        const double d = kRadius - std::sqrt(dx * dx + dy * dy);
        if (d < 0) outside = true;
        consider(d, k.top && -dy > 0.5 * std::abs(dx));
      }
      if (!inCorner) {
        if (openUp) {
          consider(py, true);
          straightTop = py == best;
        }
        if (openDown) consider(kTile - py, false);
        if (openLeft) consider(px, false);
        if (openRight) consider(kTile - px, false);
      }
      // Inner corners: two ground sides but open ground between them.
      if (n.up && n.left && !n.upLeft) consider(std::hypot(px, py), true);
      if (n.up && n.right && !n.upRight) consider(std::hypot(kTile - px, py), true);
      if (n.down && n.left && !n.downLeft) consider(std::hypot(px, kTile - py), false);
      if (n.down && n.right && !n.downRight) consider(std::hypot(kTile - px, kTile - py), false);

      if (belowLeft && x + (kTile - 1 - y) < 22) {
        // Ground goes on diagonally below-left: this corner stays solid, crossed by a root.
        outside = false;
        best = 1e9;
        const int root = (kTile - 1 - y) - x;
        if (root >= -12 && root <= -10) {
          c.Set(x, y, Shade(kWood, 3));
          continue;
        }
      }
      if (outside) continue;
      if (straightTop && grass && y < int32_t(Hash(x / 2, 0, 7) % 3)) continue;  // blade tips
      c.Set(x, y, EdgeColour(best, grass, dirt.Get(x, y)));
    }
  }
  return c;
}

// Unshaped ground: the dirt crossed by stripes, so that a repair visibly changes it.
DemoCanvas RawGroundTile(int32_t number) {
  DemoCanvas c = DirtTexture();
  for (int32_t y = 0; y < kTile; ++y)
    for (int32_t x = 0; x < kTile; ++x)
      if ((x + y) % 16 < 3) c.Set(x, y, Shade(kDirt, 11));
  c.FillRect(2, 2, 17, 9, Shade(kDirt, 2));
  c.Text(4, 4, std::to_string(number), Shade(kGold, 14));
  return c;
}

// The cave backdrop: a 128 x 128 brick wall whose quarters make the edge tiles.
const DemoCanvas& CaveWall() {
  static const DemoCanvas wall = [] {
    DemoCanvas c(2 * kTile, 2 * kTile);
    for (int32_t y = 0; y < 2 * kTile; ++y) {
      const int32_t row = y / 16, ly = y % 16;
      for (int32_t x = 0; x < 2 * kTile; ++x) {
        const int32_t shifted = (x + (row % 2) * 16) % (2 * kTile);
        const int32_t brick = shifted / 32, lx = shifted % 32;
        int step = 5 + int(Hash(brick, row, 11) % 4);
        if (lx == 0 || ly == 0) step = 1;
        else if (ly == 1) step += 2;
        else if (ly == 15 || lx == 31) step -= 2;
        if (Hash(x, y, 12) % 13 == 0) step -= 1;
        c.Set(x, y, CaveShade(step));
      }
    }
    return c;
  }();
  return wall;
}

DemoCanvas EdgeTile(int32_t number) {
  int32_t quarter = 0;  // bit 0: odd column, bit 1: odd row
  int32_t config = -1;  // -1 no ground; 0..5 B, BL, L, B+BL, L+BL, L+B; 6.. unshaped
  if (number >= 125) {
    quarter = number - 125;
  } else {
    const int32_t group = (number - kEdgeFirst) / 12, k = (number - kEdgeFirst) % 12;
    quarter = group;
    config = k < 6 ? 6 + k : k - 6;
  }
  const DemoCanvas& wall = CaveWall();
  DemoCanvas c = wall.Crop((quarter & 1) ? kTile : 0, (quarter & 2) ? kTile : 0, kTile, kTile);
  const bool left = config == 2 || config == 4 || config == 5;
  const bool below = config == 0 || config == 3 || config == 5;
  const bool belowLeft = config == 1 || config == 3 || config == 4;
  for (int32_t y = 0; y < kTile; ++y) {
    for (int32_t x = 0; x < kTile; ++x) {
      int dark = 0;
      if (left && x < 20) dark = std::max(dark, (20 - x + 4) / 5);
      if (below && y > 44) dark = std::max(dark, (y - 44 + 4) / 5);
      if (belowLeft || (left && below)) {
        const double d = std::hypot(x + 0.5, kTile - y - 0.5);
        if (d < 26) dark = std::max(dark, int((26 - d) / 5));
      }
      if (dark) c.Set(x, y, CaveShade(c.Get(x, y) - kCave - dark));
    }
  }
  if (below) {
    for (int32_t x = 0; x < kTile; ++x) {
      if (Hash(x / 2, 0, 21) % 4 != 0) continue;
      const int32_t h = 3 + int32_t(Hash(x, 1, 22) % 7);
      for (int32_t y = kTile - h; y < kTile; ++y) c.Set(x, y, Shade(kGrass, 5 + (kTile - y) % 3));
    }
  }
  if (left) {
    for (int32_t y = 0; y < kTile; ++y)
      if (Hash(0, y / 3, 23) % 3 == 0) c.Set(0, y, Shade(kFoliage, 6)), c.Set(1, y, Shade(kFoliage, 4));
  }
  if (config >= 6) {
    // Unshaped edge tile: a dashed frame and as many dots as its place in the group.
    for (int32_t i = 3; i < kTile - 3; ++i) {
      if ((i / 4) % 2) continue;
      c.Set(i, 3, CaveShade(13));
      c.Set(i, kTile - 4, CaveShade(13));
      c.Set(3, i, CaveShade(13));
      c.Set(kTile - 4, i, CaveShade(13));
    }
    for (int32_t k = 0; k <= config - 6; ++k) c.FillRect(8 + 5 * k, 8, 3, 3, Shade(kGold, 12));
  }
  return c;
}

DemoCanvas PlatformTile(bool roundLeft, bool roundRight) {
  DemoCanvas c(kTile, kTile);
  constexpr int32_t kTop = 4, kBottom = 24;
  for (int32_t y = kTop; y < kBottom; ++y) {
    for (int32_t x = 0; x < kTile; ++x) {
      int step = 8 + int(Hash(x / 16, y / 10, 31) % 3);
      if (x % 16 == 0 && y > kTop + 6) step = 3;
      if (y == kBottom - 1) step = 3;
      if (y == kBottom - 2) step = 5;
      if (Hash(x, y, 32) % 17 == 0) step -= 2;
      c.Set(x, y, Shade(kStone, step));
    }
  }
  for (int32_t y = kTop; y < kTop + 6; ++y)
    for (int32_t x = 0; x < kTile; ++x) c.Set(x, y, Shade(kGrass, 13 - 2 * (y - kTop)));
  for (int32_t x = 0; x < kTile; ++x)
    if (Hash(x / 2, 1, 33) % 3 == 0) c.Set(x, kTop - 1, Shade(kGrass, 12));
  // Moss hanging below the slab.
  for (int32_t x = 2; x < kTile; x += 7) {
    const int32_t h = 3 + int32_t(Hash(x, 0, 34) % 9);
    for (int32_t y = kBottom; y < kBottom + h; ++y) c.Set(x, y, Shade(kFoliage, 9 - (y - kBottom) / 3));
  }
  auto round = [&](bool right) {
    // A half-round end: cut what lies outside the circle that caps the slab.
    for (int32_t y = 0; y < kTile; ++y) {
      for (int32_t x = 0; x < 10; ++x) {
        const double dx = 10 - (x + 0.5), dy = (y + 0.5) - 14;
        if (dx * dx + dy * dy > 110) c.Set(right ? kTile - 1 - x : x, y, 0);
      }
    }
  };
  if (roundLeft) round(false);
  if (roundRight) round(true);
  return c;
}

DemoCanvas DecorationTile(int32_t number) {
  DemoCanvas c(kTile, kTile);
  switch (number) {
    case kBush:
      c.FillEllipse(20, 50, 14, 12, Shade(kFoliage, 7));
      c.FillEllipse(42, 48, 16, 14, Shade(kFoliage, 8));
      c.FillEllipse(31, 40, 14, 13, Shade(kFoliage, 10));
      c.FillEllipse(27, 36, 6, 5, Shade(kFoliage, 13));
      c.FillEllipse(46, 43, 5, 4, Shade(kFoliage, 12));
      c.FillRect(4, 60, 56, 4, 0);
      for (int32_t x = 8; x < 56; ++x)
        for (int32_t y = 58; y < 64; ++y)
          if (c.Get(x, y - 1) && !c.Get(x, y) && y < 60) c.Set(x, y, Shade(kFoliage, 5));
      Outline(c, Shade(kFoliage, 1));
      break;
    case kFlowers: {
      const int32_t xs[] = {12, 24, 36, 50};
      const uint8_t heads[] = {Shade(kRed, 10), Shade(kGold, 12), Shade(kPurple, 11), Shade(kRed, 12)};
      for (int i = 0; i < 4; ++i) {
        const int32_t top = 40 + (i % 2) * 6;
        c.Line(xs[i], 63, xs[i], top, Shade(kGrass, 6));
        c.Line(xs[i], 56, xs[i] - 4, 52, Shade(kGrass, 8));
        c.FillEllipse(xs[i] + 0.5, top, 4.5, 4.5, heads[i]);
        c.FillEllipse(xs[i] + 0.5, top, 1.6, 1.6, Shade(kGold, 15));
      }
      break;
    }
    case kSign:
      c.FillRect(29, 30, 6, 34, Shade(kWood, 5));
      c.FillRect(8, 14, 48, 22, Shade(kWood, 9));
      c.FillRect(8, 14, 48, 2, Shade(kWood, 12));
      c.FillRect(8, 34, 48, 2, Shade(kWood, 5));
      for (int32_t y = 19; y < 31; ++y) c.Line(16, y, 40, y, 0), c.Line(16, y, 40, y, Shade(kWood, 9));
      c.FillRect(16, 23, 22, 4, Shade(kGrey, 3));
      for (int32_t i = 0; i < 8; ++i) c.Line(38 + i, 17 + i, 38 + i, 33 - i, Shade(kGrey, 3));
      Outline(c, Shade(kWood, 1));
      break;
    case kRock:
      c.FillEllipse(32, 52, 22, 13, Shade(kStone, 6));
      c.FillEllipse(28, 48, 16, 9, Shade(kStone, 9));
      c.FillEllipse(23, 45, 6, 3, Shade(kStone, 13));
      c.FillRect(0, 62, 64, 2, 0);
      Outline(c, Shade(kStone, 1));
      break;
    case kMushroom:
      c.FillRect(27, 40, 10, 24, Shade(kSkin, 13));
      c.FillRect(27, 40, 3, 24, Shade(kSkin, 10));
      c.FillEllipse(32, 38, 20, 13, Shade(kRed, 9));
      c.FillRect(10, 39, 44, 12, 0);
      c.FillRect(27, 39, 10, 12, Shade(kSkin, 13));
      c.FillEllipse(24, 30, 3.5, 3, kWhite);
      c.FillEllipse(39, 28, 4, 3, kWhite);
      c.FillEllipse(44, 35, 2.5, 2, kWhite);
      Outline(c, Shade(kRed, 1));
      break;
    default:
      break;
  }
  return c;
}

DemoCanvas LadderTile(int32_t number) {
  DemoCanvas c(kTile, kTile);
  const int32_t top = number == kLadderTop ? 10 : 0;
  for (int32_t x : {12, 46}) {
    c.FillRect(x, top, 6, kTile - top, Shade(kWood, 8));
    c.FillRect(x, top, 2, kTile - top, Shade(kWood, 12));
    c.FillRect(x + 5, top, 1, kTile - top, Shade(kWood, 4));
    if (number == kLadderTop) c.FillEllipse(x + 3, top, 3, 3, Shade(kWood, 10));
  }
  for (int32_t y = 8; y < kTile; y += 16) {
    if (y < top + 4) continue;
    c.FillRect(18, y, 28, 5, Shade(kWood, 9));
    c.FillRect(18, y, 28, 1, Shade(kWood, 13));
    c.FillRect(18, y + 4, 28, 1, Shade(kWood, 4));
  }
  if (number == kLadderBottom) c.FillRect(8, kTile - 3, 48, 3, Shade(kWood, 5));
  Outline(c, Shade(kWood, 1));
  return c;
}

DemoCanvas SpikesTile(bool up) {
  DemoCanvas c(kTile, kTile);
  for (int32_t s = 0; s < 4; ++s) {
    const int32_t cx = s * 16 + 8;
    for (int32_t y = 30; y < kTile; ++y) {
      const int32_t half = (y - 30) * 8 / 34;
      for (int32_t x = cx - half; x <= cx + half; ++x) {
        const int step = x < cx ? 12 : (x == cx ? 14 : 7);
        c.Set(x, y, Shade(kStone, step));
      }
    }
  }
  c.FillRect(0, kTile - 5, kTile, 5, Shade(kStone, 4));
  c.FillRect(0, kTile - 5, kTile, 1, Shade(kStone, 9));
  for (int32_t s = 0; s < 4; ++s) c.Set(s * 16 + 8, 30, Shade(kRed, 12));
  if (up) return c;
  DemoCanvas flipped(kTile, kTile);
  for (int32_t y = 0; y < kTile; ++y)
    for (int32_t x = 0; x < kTile; ++x) flipped.Set(x, kTile - 1 - y, c.Get(x, y));
  return flipped;
}

int LavaStep(int32_t x, int32_t y) {
  return 5 + ValueNoise(x * 2, y * 2, 41) / 40 + ((Hash(x, y, 42) % 19 == 0) ? 3 : 0);
}

DemoCanvas LavaTile(bool surface) {
  DemoCanvas c(kTile, kTile);
  for (int32_t x = 0; x < kTile; ++x) {
    const int32_t wave = surface ? 18 + int32_t(std::lround(4 * std::sin(x * 2 * 3.14159265358979 / 32))) : 0;
    for (int32_t y = wave; y < kTile; ++y) {
      int step = LavaStep(x, y);
      if (surface && y - wave < 3) step = 15;
      else if (surface && y - wave < 6) step = 12;
      c.Set(x, y, Shade(kFire, step));
    }
    if (surface && x % 19 == 7) c.FillEllipse(x, wave - 5, 2, 2, Shade(kFire, 13));
  }
  return c;
}

// The tile set's picture for any number; numbers without one give an empty canvas.
DemoCanvas TileFor(int32_t number) {
  if (number >= kGroundFirst && number <= 47) return GroundTile(ShapeNeighbours(number), false);
  switch (number) {
    case 48: return GroundTile(ShapeNeighbours(39), true);
    case 49: return GroundTile(ShapeNeighbours(1), true);
    case 50: return GroundTile(ShapeNeighbours(4), true);
    case 51: return GroundTile(ShapeNeighbours(3), true);
    case 52: return GroundTile(ShapeNeighbours(11), true);
    default: break;
  }
  if (number >= kRawGround && number <= kGroundLast) return RawGroundTile(number);
  if (number >= kEdgeFirst && number <= kEdgeLast) return EdgeTile(number);
  switch (number) {
    case kPlatformLeft: return PlatformTile(true, false);
    case kPlatformMiddle: return PlatformTile(false, false);
    case kPlatformRight: return PlatformTile(false, true);
    case kPlatformSingle: return PlatformTile(true, true);
    case kLadderTop:
    case kLadderMiddle:
    case kLadderBottom: return LadderTile(number);
    case kSpikesUp: return SpikesTile(true);
    case kSpikesDown: return SpikesTile(false);
    case kLavaTop: return LavaTile(true);
    case kLava: return LavaTile(false);
    default: return DecorationTile(number);
  }
}

std::string ThreeDigits(int32_t n) {
  std::string s = std::to_string(n);
  return std::string(3 - std::min<size_t>(3, s.size()), '0') + s;
}

DemoImageDir TileSet() {
  DemoImageDir dir{"IMAGES/TILES", {}};
  auto add = [&](const std::string& name, int32_t number, bool transparent) {
    DemoImage image;
    image.name = name;
    image.canvas = TileFor(number);
    image.transparent = transparent;
    dir.images.push_back(std::move(image));
  };
  for (int32_t n = kGroundFirst; n <= kGroundLast; ++n) add(ThreeDigits(n), n, n <= 52);
  for (int32_t n = kPlatformLeft; n <= kPlatformSingle; ++n) add(ThreeDigits(n), n, true);
  add("BUSH070", kBush, true);
  add("FLOWER071", kFlowers, true);
  add("SIGN072", kSign, true);
  add("ROCK073", kRock, true);
  add("SHROOM074", kMushroom, true);
  for (int32_t n = kEdgeFirst; n <= kEdgeLast; ++n) add(ThreeDigits(n), n, false);
  add("LADDER130", kLadderTop, true);
  add("LADDER131", kLadderMiddle, true);
  add("LADDER132", kLadderBottom, true);
  add("SPIKES140", kSpikesUp, true);
  add("SPIKES141", kSpikesDown, true);
  add("LAVA142", kLavaTop, true);
  add("LAVA143", kLava, false);
  return dir;
}

// ---- Background panorama ---------------------------------------------------------------

constexpr int32_t kPanoramaColumns = 8, kPanoramaRows = 13;
constexpr int32_t kPanoramaWidth = kPanoramaColumns * kTile, kPanoramaHeight = kPanoramaRows * kTile;

int32_t PeriodicDistance(int32_t a, int32_t b) {
  int32_t d = std::abs(a - b) % kPanoramaWidth;
  return std::min(d, kPanoramaWidth - d);
}

DemoCanvas Panorama() {
  DemoCanvas c(kPanoramaWidth, kPanoramaHeight);
  // Sky: an ordered-dither gradient from deep blue down to haze.
  for (int32_t y = 0; y < kPanoramaHeight; ++y) {
    const int32_t v = 2 * 16 + std::min(y, 600) * 12 * 16 / 600;
    for (int32_t x = 0; x < kPanoramaWidth; ++x) {
      const int step = v / 16 + (kBayer[y % 4][x % 4] < v % 16 ? 1 : 0);
      c.Set(x, y, Shade(kSky, step));
    }
  }
  // Clouds, repeated at the panorama's width so that it tiles sideways.
  struct Puff {
    int32_t x, y;
    double rx, ry;
  };
  const Puff puffs[] = {{70, 150, 34, 16}, {100, 138, 26, 18}, {125, 152, 28, 13}, {300, 90, 30, 12},
                        {330, 80, 22, 15},  {352, 92, 24, 10},  {420, 240, 26, 11}, {444, 232, 18, 12}};
  for (int pass = 0; pass < 2; ++pass) {
    for (const Puff& p : puffs) {
      for (int32_t shift : {-kPanoramaWidth, 0, kPanoramaWidth}) {
        if (pass == 0) c.FillEllipse(p.x + shift + 2, p.y + 4, p.rx, p.ry, Shade(kGrey, 12));
        else c.FillEllipse(p.x + shift, p.y, p.rx, p.ry, kWhite);
      }
    }
  }
  // Mountains: peaks with a lit and a shaded flank and snow on top.
  struct Peak {
    int32_t x, height;
  };
  const Peak peaks[] = {{60, 230}, {170, 170}, {280, 260}, {400, 190}, {470, 140}};
  constexpr int32_t kBase = 600;
  auto height = [&](int32_t x) {
    int32_t best = 0;
    for (const Peak& p : peaks) best = std::max(best, p.height - PeriodicDistance(x, p.x) * 5 / 4);
    return best;
  };
  for (int32_t x = 0; x < kPanoramaWidth; ++x) {
    const int32_t best = height(x);
    // Light comes from the left: rising flanks are lit.
    const bool lit = best >= height((x + kPanoramaWidth - 1) % kPanoramaWidth);
    for (int32_t y = kBase - best; y < kPanoramaHeight; ++y) {
      const int32_t depth = y - (kBase - best);
      int step = lit ? 10 : 6;
      // The flanks fade into one haze towards the foot, dithered.
      const int32_t haze = std::clamp((y - (kBase - 140)) * 16 / 70, 0, 16);
      if (kBayer[y % 4][x % 4] < haze) step = 8;
      if (best > 150 && y < kBase - 150 && depth < 26) c.Set(x, y, lit ? kWhite : Shade(kGrey, 12));
      else c.Set(x, y, Shade(kMountain, step));
    }
  }
  // Wooded hills in front.
  for (int32_t x = 0; x < kPanoramaWidth; ++x) {
    const double a = x * 2 * 3.14159265358979 / kPanoramaWidth;
    const int32_t top = 650 + int32_t(std::lround(22 * std::sin(2 * a) + 10 * std::sin(5 * a + 1)));
    for (int32_t y = top; y < kPanoramaHeight; ++y) c.Set(x, y, Shade(kFoliage, y < top + 30 ? 7 : 5));
  }
  for (int32_t x = 0; x < kPanoramaWidth; x += 20) {
    const double a = x * 2 * 3.14159265358979 / kPanoramaWidth;
    const int32_t top = 650 + int32_t(std::lround(22 * std::sin(2 * a) + 10 * std::sin(5 * a + 1)));
    const double r = 9 + Hash(x, 0, 51) % 6;
    for (int32_t shift : {-kPanoramaWidth, 0, kPanoramaWidth}) {
      c.FillEllipse(x + shift, top, r, r, Shade(kFoliage, 8));
      c.FillEllipse(x + shift - r / 3, top - r / 3, r / 2, r / 2, Shade(kFoliage, 10));
    }
  }
  return c;
}

DemoImageDir BackgroundSet(DemoArt& art) {
  DemoImageDir dir{"IMAGES/TILES/BACK", {}};
  const DemoCanvas panorama = Panorama();
  art.backdropColumns = kPanoramaColumns;
  art.backdropRows = kPanoramaRows;
  for (int32_t row = 0; row < kPanoramaRows; ++row) {
    for (int32_t column = 0; column < kPanoramaColumns; ++column) {
      DemoCanvas tile = panorama.Crop(column * kTile, row * kTile, kTile, kTile);
      int32_t number = 0;
      for (size_t i = 0; i < dir.images.size() && number == 0; ++i)
        if (dir.images[i].canvas.Pixels() == tile.Pixels()) number = int32_t(i) + 1;
      if (number == 0) {
        DemoImage image;
        number = int32_t(dir.images.size()) + 1;
        image.name = "SKY" + std::to_string(number);
        image.canvas = std::move(tile);
        dir.images.push_back(std::move(image));
      }
      art.backdrop.push_back(number);
    }
  }
  return dir;
}

// ---- Sprites ---------------------------------------------------------------------------

DemoImage Sprite(std::string name, DemoCanvas canvas, int32_t offsetX, int32_t offsetY,
                 bool embedPalette = false) {
  DemoImage image;
  image.name = std::move(name);
  image.canvas = std::move(canvas);
  image.offsetX = offsetX;
  image.offsetY = offsetY;
  image.transparent = true;
  image.embedPalette = embedPalette;
  return image;
}

// The hero, 32 x 48, facing right. `step` swings legs and arms; `jump` tucks the legs.
DemoCanvas Hero(int step, bool jump) {
  DemoCanvas c(32, 48);
  const int legA = jump ? -2 : step, legB = jump ? 3 : -step;
  const int32_t legTop = 33, legBottom = jump ? 42 : 45;
  c.FillRect(11 + legA, legTop, 5, legBottom - legTop, Shade(kBlue, 5));
  c.FillRect(17 + legB, legTop, 5, legBottom - legTop, Shade(kBlue, 7));
  c.FillRect(10 + legA, legBottom - 1, 7, 3, Shade(kWood, 3));
  c.FillRect(16 + legB, legBottom - 1, 7, 3, Shade(kWood, 4));
  c.FillRect(7 - step / 2, 20 + (jump ? -4 : 0), 4, 11, Shade(kSkin, 10));  // back arm
  c.FillRect(10, 18, 13, 16, Shade(kBlue, 9));
  c.FillRect(10, 18, 3, 16, Shade(kBlue, 12));
  c.FillRect(10, 29, 13, 2, Shade(kGold, 11));
  c.FillRect(21 + step / 2, 20 + (jump ? -6 : 0), 4, 11, Shade(kSkin, 12));  // front arm
  c.FillEllipse(16.5, 11, 7.5, 7.5, Shade(kSkin, 12));
  c.FillEllipse(14.5, 5.5, 8, 4.5, Shade(kWood, 6));
  c.FillRect(7, 5, 5, 7, Shade(kWood, 6));
  c.FillRect(19, 9, 2, 3, Shade(kGrey, 1));
  c.Set(19, 9, kWhite);
  c.FillRect(17, 14, 5, 1, Shade(kRed, 6));
  c.FillRect(9, 3, 16, 2, Shade(kRed, 9));  // headband
  Outline(c, Shade(kGrey, 1));
  return c;
}

DemoImageDir PlayerSet() {
  DemoImageDir dir{"OBJECTS/PLAYER", {}};
  dir.images.push_back(Sprite("IDLE0", Hero(0, false), 0, -8, true));
  const int steps[] = {3, 0, -3, 0};
  for (int i = 0; i < 4; ++i)
    dir.images.push_back(Sprite("WALK" + std::to_string(i + 1), Hero(steps[i], false), 0, -8, true));
  dir.images.push_back(Sprite("JUMP5", Hero(0, true), 0, -10, true));
  return dir;
}

DemoCanvas Coin(int frame) {
  DemoCanvas c(24, 24);
  static constexpr double kWidths[] = {10, 8.5, 5, 1.6, 5, 8.5};
  const double rx = kWidths[frame];
  c.FillEllipse(12, 12, rx, 10, Shade(kGold, 6));
  c.FillEllipse(12, 12, std::max(rx - 2, 0.8), 8, Shade(kGold, 11));
  if (rx > 4) {
    c.FillRect(11, 7, 2, 10, Shade(kGold, 7));
    c.FillEllipse(12 - rx / 2, 9, 1.5, 2.5, Shade(kGold, 15));
  }
  Outline(c, Shade(kGold, 1));
  return c;
}

DemoCanvas Gem(int frame) {
  DemoCanvas c(24, 24);
  for (int32_t y = 3; y < 21; ++y) {
    const int32_t half = y < 9 ? 4 + (y - 3) : (21 - y) * 10 / 12;
    for (int32_t x = 12 - half; x <= 12 + half; ++x) {
      int step = y < 9 ? 12 : 7;
      if (x < 12 && y >= 9) step = 10;
      if (y < 9 && (x == 12 || x == 12 - half / 2 || x == 12 + half / 2)) step = 9;
      c.Set(x, y, Shade(kCyan, step));
    }
  }
  const int32_t sx[] = {8, 15, 10, 16}, sy[] = {6, 12, 15, 5};
  c.Set(sx[frame], sy[frame], kWhite);
  c.Set(sx[frame] - 1, sy[frame], kWhite);
  c.Set(sx[frame] + 1, sy[frame], kWhite);
  c.Set(sx[frame], sy[frame] - 1, kWhite);
  c.Set(sx[frame], sy[frame] + 1, kWhite);
  Outline(c, Shade(kCyan, 1));
  return c;
}

DemoCanvas Key() {
  DemoCanvas c(32, 16);
  c.FillEllipse(8, 8, 6.5, 6.5, Shade(kGold, 10));
  c.FillEllipse(8, 8, 2.5, 2.5, 0);
  c.FillRect(14, 6, 16, 4, Shade(kGold, 10));
  c.FillRect(14, 6, 16, 1, Shade(kGold, 14));
  c.FillRect(22, 10, 3, 4, Shade(kGold, 8));
  c.FillRect(27, 10, 3, 3, Shade(kGold, 8));
  Outline(c, Shade(kGold, 1));
  return c;
}

DemoCanvas Heart(int frame) {
  DemoCanvas c(24, 22);
  const double grow = frame == 1 ? 1 : 0;
  c.FillEllipse(7.5, 8, 5.5 + grow, 5.5 + grow, Shade(kRed, 9));
  c.FillEllipse(16.5, 8, 5.5 + grow, 5.5 + grow, Shade(kRed, 9));
  for (int32_t y = 9; y < 20 + int32_t(grow); ++y) {
    const int32_t half = 20 + int32_t(grow) - y;
    for (int32_t x = 12 - half; x < 12 + half; ++x) c.Set(x, y, Shade(kRed, 9));
  }
  c.FillEllipse(6.5, 6.5, 2, 1.5, Shade(kRed, 14));
  Outline(c, Shade(kRed, 1));
  return c;
}

DemoCanvas Slime(int frame) {
  DemoCanvas c(40, 28);
  static constexpr double kRx[] = {17, 18.5, 15}, kRy[] = {12, 10.5, 14};
  const double rx = kRx[frame], ry = kRy[frame];
  c.FillEllipse(20, 27 - ry + 1, rx, ry, Shade(kGrass, 7));
  c.FillRect(0, 26, 40, 2, 0);
  c.FillEllipse(20, 27 - ry + 1, rx - 3, ry - 3, Shade(kGrass, 9));
  c.FillEllipse(13, 27 - ry * 1.35, 3, 2, Shade(kGrass, 14));
  const int32_t eyeY = int32_t(27 - ry);
  for (int32_t ex : {15, 24}) {
    c.FillEllipse(ex, eyeY, 3, 3.5, kWhite);
    c.FillRect(ex, eyeY - 1, 2, 3, Shade(kGrey, 1));
  }
  Outline(c, Shade(kGrass, 1));
  return c;
}

DemoCanvas Bat(int frame) {
  DemoCanvas c(48, 24);
  static constexpr int32_t kTipY[] = {1, 9, 20, 9};
  const int32_t tip = kTipY[frame];
  for (int32_t side : {-1, 1}) {
    for (int32_t i = 0; i <= 18; ++i) {
      const int32_t x = 24 + side * (4 + i);
      const int32_t top = 11 + (tip - 11) * i / 18;
      const int32_t bottom = std::max(top + 2, 15 - (i % 6 == 5 ? 3 : 0));
      for (int32_t y = std::min(top, bottom); y <= std::max(top, bottom); ++y)
        c.Set(x, y, Shade(kPurple, 5 + (i % 6 == 0 ? 2 : 0)));
    }
  }
  c.FillEllipse(24, 13, 6, 7, Shade(kPurple, 8));
  c.FillRect(19, 4, 3, 5, Shade(kPurple, 8));
  c.FillRect(26, 4, 3, 5, Shade(kPurple, 8));
  c.Set(21, 12, Shade(kRed, 14));
  c.Set(27, 12, Shade(kRed, 14));
  c.Set(23, 17, kWhite);
  c.Set(25, 17, kWhite);
  Outline(c, Shade(kPurple, 1));
  return c;
}

DemoCanvas Door(bool open) {
  DemoCanvas c(64, 96);
  c.FillRect(4, 24, 56, 72, Shade(kStone, 7));
  c.FillEllipse(32, 26, 28, 24, Shade(kStone, 7));
  for (int32_t y = 8; y < 96; y += 12)
    for (int32_t x = 4 + (y / 12 % 2) * 10; x < 60; x += 20) c.FillRect(x, y, 1, 12, Shade(kStone, 4));
  for (int32_t y = 8; y < 96; y += 12) c.FillRect(4, y, 56, 1, Shade(kStone, 4));
  const uint8_t inside = open ? Shade(kGrey, 1) : Shade(kWood, 8);
  c.FillRect(14, 30, 36, 66, inside);
  c.FillEllipse(32, 31, 18, 16, inside);
  if (open) {
    c.FillRect(14, 30, 6, 66, Shade(kWood, 6));
  } else {
    for (int32_t x = 22; x < 50; x += 9) c.FillRect(x, 18, 1, 78, Shade(kWood, 5));
    c.FillRect(14, 50, 36, 3, Shade(kGrey, 4));
    c.FillRect(14, 80, 36, 3, Shade(kGrey, 4));
    c.FillEllipse(42, 66, 2.5, 2.5, Shade(kGold, 13));
  }
  Outline(c, Shade(kStone, 1));
  return c;
}

DemoCanvas Flag(int frame) {
  DemoCanvas c(32, 64);
  c.FillRect(3, 2, 3, 62, Shade(kGrey, 9));
  c.FillRect(3, 2, 1, 62, Shade(kGrey, 13));
  c.FillEllipse(4.5, 2.5, 3, 3, Shade(kGold, 12));
  for (int32_t x = 6; x < 30; ++x) {
    const int32_t wave = frame == 0 ? (x / 6) % 2 : ((x / 6) + 1) % 2;
    const int32_t half = (30 - x) * 9 / 24;
    for (int32_t y = 16 - half + wave; y <= 16 + half + wave; ++y)
      c.Set(x, y, Shade(kRed, (x / 6) % 2 ? 9 : 11));
  }
  Outline(c, Shade(kGrey, 1));
  return c;
}

std::vector<DemoImageDir> ObjectSets() {
  std::vector<DemoImageDir> dirs;
  dirs.push_back(PlayerSet());
  DemoImageDir coin{"OBJECTS/ITEMS/COIN", {}};
  for (int i = 0; i < 6; ++i) coin.images.push_back(Sprite("SPIN0" + std::to_string(i + 1), Coin(i), 0, 2));
  dirs.push_back(std::move(coin));
  DemoImageDir gem{"OBJECTS/ITEMS/GEM", {}};
  for (int i = 0; i < 4; ++i) gem.images.push_back(Sprite("GEM" + std::to_string(i + 1), Gem(i), 1, 0, true));
  dirs.push_back(std::move(gem));
  dirs.push_back({"OBJECTS/ITEMS/KEY", {Sprite("KEY1", Key(), 3, 0)}});
  DemoImageDir heart{"OBJECTS/ITEMS/HEART", {}};
  for (int i = 0; i < 2; ++i) {
    DemoImage image = Sprite("BEAT" + std::to_string(i + 1), Heart(i), 0, -2);
    image.kind = ImageKind::kRid;  // one set stored raw, to show the other format
    heart.images.push_back(std::move(image));
  }
  dirs.push_back(std::move(heart));
  DemoImageDir slime{"OBJECTS/ENEMIES/SLIME", {}};
  for (int i = 0; i < 3; ++i) slime.images.push_back(Sprite("SLIME" + std::to_string(i + 1), Slime(i), 0, 4));
  dirs.push_back(std::move(slime));
  DemoImageDir bat{"OBJECTS/ENEMIES/BAT", {}};
  for (int i = 0; i < 4; ++i) bat.images.push_back(Sprite("FLAP" + std::to_string(i + 1), Bat(i), 0, -2, true));
  dirs.push_back(std::move(bat));
  dirs.push_back({"OBJECTS/MISC/DOOR", {Sprite("DOOR1", Door(false), 0, -16), Sprite("DOOR2", Door(true), 0, -16)}});
  dirs.push_back({"OBJECTS/MISC/FLAG", {Sprite("FLAG1", Flag(0), 12, -4), Sprite("FLAG2", Flag(1), 12, -4)}});
  return dirs;
}

}  // namespace

std::vector<uint8_t> DemoPalette() {
  std::vector<uint8_t> p(768, 0);
  p[0] = 255, p[1] = 0, p[2] = 132;
  Ramp(p, kGrey, 16, {10, 10, 14}, {120, 120, 128}, {240, 240, 245});
  Ramp(p, kDirt, 16, {36, 20, 10}, {120, 72, 36}, {214, 168, 110});
  Ramp(p, kGrass, 16, {10, 40, 10}, {60, 140, 30}, {190, 240, 110});
  Ramp(p, kStone, 16, {28, 30, 40}, {100, 104, 120}, {210, 214, 225});
  Ramp(p, kSky, 16, {30, 50, 120}, {90, 150, 220}, {215, 235, 255});
  Ramp(p, kFire, 16, {80, 0, 0}, {230, 90, 0}, {255, 245, 150});
  Ramp(p, kGold, 16, {70, 40, 0}, {220, 160, 20}, {255, 250, 180});
  Ramp(p, kPurple, 16, {30, 8, 50}, {120, 60, 170}, {230, 190, 255});
  Ramp(p, kBlue, 16, {8, 16, 60}, {40, 90, 200}, {170, 210, 255});
  Ramp(p, kWood, 16, {45, 24, 10}, {140, 85, 40}, {230, 190, 130});
  Ramp(p, kCyan, 16, {0, 40, 60}, {20, 170, 200}, {200, 255, 255});
  Ramp(p, kFoliage, 16, {8, 24, 16}, {40, 90, 50}, {120, 170, 110});
  Ramp(p, kMountain, 16, {40, 40, 78}, {100, 100, 150}, {200, 200, 230});
  Ramp(p, kSkin, 16, {80, 40, 25}, {220, 150, 110}, {255, 230, 205});
  Ramp(p, kRed, 16, {60, 0, 8}, {200, 30, 40}, {255, 170, 170});
  Ramp(p, kCave, 14, {18, 14, 20}, {60, 50, 56}, {120, 104, 108});
  p[765] = p[766] = p[767] = 255;
  return p;
}

DemoCanvas DemoTile(int32_t number) { return TileFor(number); }

DemoArt BuildDemoArt() {
  DemoArt art;
  art.palette = DemoPalette();
  art.dirs.push_back(TileSet());
  art.dirs.push_back(BackgroundSet(art));
  for (DemoImageDir& dir : ObjectSets()) art.dirs.push_back(std::move(dir));
  return art;
}

}  // namespace vyr::demo
