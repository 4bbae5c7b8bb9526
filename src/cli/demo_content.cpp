// Builds the demo archive and the demo level from the demo art.
#include "cli/demo_content.h"

#include <filesystem>
#include <memory>

#include "cli/demo_shapes.h"
#include "platform/file_io.h"
#include "resources/image_formats.h"
#include "resources/rez_mgr.h"
#include "resources/rez_names.h"
#include "world/double_attrib.h"
#include "world/mask_attrib.h"
#include "world/single_attrib.h"
#include "world/standalone_world_host.h"
#include "world/tile_repair.h"
#include "world/world_file.h"

namespace vyr::demo {

namespace {

constexpr int32_t kTile = 64;

bool SetReason(std::string* reason, const std::string& text) {
  if (reason) *reason = text;
  return false;
}

CRezDir* MakeDirs(CRezDir* root, const std::string& path) {
  CRezDir* dir = root;
  size_t start = 0;
  while (dir && start < path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string name = path.substr(start, end - start);
    CRezDir* sub = dir->FindSubDir(name);
    dir = sub ? sub : dir->CreateDir(name);
    start = end + 1;
  }
  return dir;
}

// Stores one item the way Freshen would name it: an all-digit name is its own id.
bool StoreItem(CRezDir* dir, const std::string& name, const std::string& extension,
               const std::vector<uint8_t>& bytes, std::string* reason) {
  uint32_t code = 0;
  if (!TypeCodeFromExtension(extension, code)) return SetReason(reason, "bad extension " + extension);
  bool numeric = !name.empty();
  for (char c : name) numeric = numeric && c >= '0' && c <= '9';
  uint32_t id = 10000000;
  if (numeric) id = uint32_t(std::stoul(name));
  else if (const CRezType* type = dir->FindType(code)) id = type->FirstFreeNamedId();
  CRezItem* item = dir->CreateItem(id, name, code);
  if (!item) return SetReason(reason, "cannot create item " + name + "." + extension);
  std::span<uint8_t> data = item->NewData(uint32_t(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), data.begin());
  const bool ok = item->WriteData();
  item->ReleaseData();
  return ok || SetReason(reason, "cannot write item " + name + "." + extension);
}

std::vector<uint8_t> EncodeImage(const DemoImage& image, const std::vector<uint8_t>& palette) {
  const DemoCanvas& c = image.canvas;
  if (image.kind == ImageKind::kRid) {
    return EncodeRid(c.Pixels().data(), c.Width(), c.Height(), size_t(c.Width()),
                     image.transparent ? kPidFlagTransparent : 0, image.offsetX, image.offsetY);
  }
  PidEncodeOptions options;
  options.coding = image.transparent ? PidCoding::TransparentRuns : PidCoding::ByteRuns;
  options.offsetX = image.offsetX;
  options.offsetY = image.offsetY;
  if (image.embedPalette) options.paletteRgb = palette;
  return EncodePid(c.Pixels().data(), c.Width(), c.Height(), size_t(c.Width()), options);
}

// ---- The level ---------------------------------------------------------------------

constexpr int32_t kLevelColumns = 48, kLevelRows = 14;
constexpr int32_t kBackColumns = 32, kBackRows = 13;

// The level drawn as characters, one per cell.
std::vector<std::string> LevelMap() {
  std::vector<std::string> map(kLevelRows, std::string(kLevelColumns, '.'));
  auto rect = [&](int32_t c0, int32_t r0, int32_t c1, int32_t r1, char ch) {
    for (int32_t r = r0; r <= r1; ++r)
      for (int32_t c = c0; c <= c1; ++c) map[size_t(r)][size_t(c)] = ch;
  };
  rect(0, 11, 47, 13, '#');                                 // ground
  rect(10, 11, 12, 12, '.'), rect(10, 12, 12, 12, '^');     // spike pit
  rect(34, 11, 37, 13, '.'), rect(34, 12, 37, 12, '~'), rect(34, 13, 37, 13, 'L');  // lava pit
  rect(4, 9, 7, 10, '#'), rect(5, 8, 6, 8, '#');            // hill
  rect(14, 8, 16, 8, '=');                                  // platforms
  rect(11, 5, 11, 5, '=');
  rect(35, 8, 36, 8, '=');
  rect(19, 6, 22, 7, '#');                                  // ledge, its ladder, spikes below it
  rect(18, 5, 18, 10, 'H');
  rect(20, 8, 21, 8, 'v');
  rect(24, 4, 32, 10, '#'), rect(24, 8, 31, 10, 'c');       // a cave open to the left
  rect(44, 10, 47, 10, '#');                                // the door's step
  rect(40, 2, 42, 4, 'R'), rect(43, 2, 44, 4, 'e');         // left unrepaired on purpose
  const struct {
    int32_t c, r;
    char ch;
  } decorations[] = {{1, 10, 's'},  {8, 10, 'b'},  {13, 10, 'f'}, {16, 10, 'm'}, {21, 5, 'f'},
                     {27, 3, 'b'},  {30, 3, 'm'},  {38, 10, 'r'}, {40, 10, 'm'}, {42, 10, 'b'}};
  for (const auto& d : decorations) map[size_t(d.r)][size_t(d.c)] = d.ch;
  return map;
}

std::vector<int32_t> LevelTiles() {
  const std::vector<std::string> map = LevelMap();
  auto at = [&](int32_t c, int32_t r) {
    return (c < 0 || r < 0 || c >= kLevelColumns || r >= kLevelRows) ? '.' : map[size_t(r)][size_t(c)];
  };
  std::vector<int32_t> tiles(size_t(kLevelColumns) * kLevelRows, kEmptyTile);
  for (int32_t r = 0; r < kLevelRows; ++r) {
    for (int32_t c = 0; c < kLevelColumns; ++c) {
      int32_t v = kEmptyTile;
      switch (at(c, r)) {
        case '#': v = kRawGround; break;
        case 'c': v = kRawEdge; break;
        case '=': {
          const bool left = at(c - 1, r) == '=', right = at(c + 1, r) == '=';
          v = left && right ? kPlatformMiddle : left ? kPlatformRight : right ? kPlatformLeft : kPlatformSingle;
          break;
        }
        case 'H':
          v = at(c, r - 1) != 'H' ? kLadderTop : at(c, r + 1) != 'H' ? kLadderBottom : kLadderMiddle;
          break;
        case '^': v = kSpikesUp; break;
        case 'v': v = kSpikesDown; break;
        case '~': v = kLavaTop; break;
        case 'L': v = kLava; break;
        case 'b': v = kBush; break;
        case 'f': v = kFlowers; break;
        case 's': v = kSign; break;
        case 'r': v = kRock; break;
        case 'm': v = kMushroom; break;
        default: break;
      }
      tiles[size_t(r) * kLevelColumns + size_t(c)] = v;
    }
  }
  CTileRepair(tiles, kLevelColumns, kLevelRows).Run();
  // Raw ground and raw edge tiles placed after shaping stay as painted.
  for (int32_t r = 0; r < kLevelRows; ++r) {
    for (int32_t c = 0; c < kLevelColumns; ++c) {
      if (at(c, r) == 'R') tiles[size_t(r) * kLevelColumns + size_t(c)] = kRawGround + (c + r) % 10;
      if (at(c, r) == 'e') tiles[size_t(r) * kLevelColumns + size_t(c)] = kRawEdge + (c + r) % 6;
    }
  }
  return tiles;
}

struct ObjectSpec {
  const char* logic;
  const char* imageSet;
  const char* animation;
  int32_t column, row;  // the cell the object stands in
  int32_t dx, dy;       // from the cell's centre
  int32_t hitType;
  int32_t score;
  int32_t drawFlags;
};

// Thirty objects: the player, things to collect, enemies, a door and checkpoints.
std::vector<ObjectSpec> LevelObjects() {
  std::vector<ObjectSpec> objects = {
      {"Player", "PLAYER", "Idle", 2, 10, 0, 8, kHitPlayer, 0, 0},
      {"Exit", "MISC_DOOR", "Closed", 46, 9, 0, 0, kHitSpecial, 500, 0},
      {"Checkpoint", "MISC_FLAG", "Wave", 23, 10, 0, 0, kHitSpecial, 0, 0},
      {"Checkpoint", "MISC_FLAG", "Wave", 39, 10, 0, 0, kHitSpecial, 0, 0},
      {"Key", "ITEM_KEY", "Idle", 22, 5, 0, 16, kHitPowerup, 100, 0},
      {"Heart", "ITEM_HEART", "Beat", 11, 4, 0, 8, kHitPowerup, 0, 0},
      {"Heart", "ITEM_HEART", "Beat", 33, 3, 0, 8, kHitPowerup, 0, 0},
      {"Gem", "ITEM_GEM", "Sparkle", 5, 7, 32, 16, kHitPowerup, 50, 0},
      {"Gem", "ITEM_GEM", "Sparkle", 30, 10, 0, 16, kHitPowerup, 50, 0},
      {"Gem", "ITEM_GEM", "Sparkle", 28, 3, 0, 8, kHitPowerup, 50, 0},
      {"Slime", "ENEMY_SLIME", "Crawl", 15, 10, 0, 18, kHitEnemy, 20, 0},
      {"Slime", "ENEMY_SLIME", "Crawl", 28, 10, 0, 18, kHitEnemy, 20, kDrawMirror},
      {"Slime", "ENEMY_SLIME", "Crawl", 41, 10, 0, 18, kHitEnemy, 20, 0},
      {"Bat", "ENEMY_BAT", "Fly", 12, 7, 0, 0, kHitEnemy, 30, 0},
      {"Bat", "ENEMY_BAT", "Fly", 35, 5, 0, 0, kHitEnemy, 30, kDrawMirror},
      {"Bat", "ENEMY_BAT", "Fly", 26, 9, 0, 0, kHitEnemy, 30, 0},
  };
  const int32_t coinCells[][2] = {{14, 7}, {15, 7}, {16, 7}, {25, 10}, {26, 10}, {27, 10}, {29, 10},
                                  {35, 7}, {36, 7}, {19, 5}, {20, 5},  {6, 3},   {7, 9},   {43, 9}};
  for (const auto& cell : coinCells)
    objects.push_back({"Coin", "ITEM_COIN", "Spin", cell[0], cell[1], 0, 8, kHitPowerup, 10, 0});
  return objects;
}

void AddObjects(CPlane& plane) {
  int32_t z = 0;
  int32_t id = 1;
  for (const ObjectSpec& spec : LevelObjects()) {
    CGameObject* o = plane.NewObject(0);
    o->m_id = id++;
    o->m_name = std::string(spec.logic) + " " + std::to_string(o->m_id);
    o->m_logic = spec.logic;
    o->m_imageSet = spec.imageSet;
    o->m_animation = spec.animation;
    o->MoveTo(spec.column * kTile + kTile / 2 + spec.dx, spec.row * kTile + kTile / 2 + spec.dy);
    o->SetZ(z += 10);
    o->m_drawFlags = spec.drawFlags;
    o->m_dynamicFlags = kDynamicActive;
    o->m_hitType = spec.hitType;
    o->m_hitMask = spec.hitType == kHitEnemy ? kHitPlayer | kHitPlayerShot : -1;
    o->m_score = spec.score;
    o->m_points = spec.score;
    o->m_health = spec.hitType == kHitPlayer ? 3 : 1;
    o->m_damage = spec.hitType == kHitEnemy ? 1 : 0;
    o->m_speed = spec.hitType == kHitEnemy ? 2 : 0;
    o->m_direction = spec.drawFlags & kDrawMirror ? -1 : 1;
    o->m_faceDirection = o->m_direction;
    if (spec.hitType == kHitEnemy) {
      // Patrol three cells either way.
      o->m_minX = o->m_x - 3 * kTile;
      o->m_maxX = o->m_x + 3 * kTile;
      o->m_minY = o->m_y - kTile;
      o->m_maxY = o->m_y + kTile;
      o->m_moveRect = CRect{o->m_minX, o->m_minY, o->m_maxX, o->m_maxY};
      o->m_speedX = 2;
    }
    o->m_hitRect = CRect{-12, -12, 12, 12};
  }
  plane.SortObjects();
}

void AddAttributes(CWorld& world) {
  auto single = [&](int32_t n, int32_t attrib) {
    world.SetAttribute(n, std::make_unique<CSingleAttrib>(kTile, kTile, attrib));
  };
  auto box = [&](int32_t n, int32_t inside, CRect rect) {
    auto record = std::make_unique<CDoubleAttrib>();
    record->SetSize(kTile, kTile);
    record->m_outside = 0;
    record->m_inside = inside;
    record->m_left = rect.left;
    record->m_top = rect.top;
    record->m_right = rect.right;
    record->m_bottom = rect.bottom;
    world.SetAttribute(n, std::move(record));
  };
  auto mask = [&](int32_t n, int32_t attrib) {
    auto record = std::make_unique<CMaskAttrib>();
    record->SetSize(kTile, kTile);
    const DemoCanvas tile = DemoTile(n);
    for (int32_t y = 0; y < kTile; ++y)
      for (int32_t x = 0; x < kTile; ++x) record->SetPixel(x, y, tile.Get(x, y) ? uint8_t(attrib) : 0);
    world.SetAttribute(n, std::move(record));
  };
  constexpr int32_t kFree = 0, kBlocks = 1, kFloor = 2, kLadder = 3, kKills = 4;
  for (int32_t n = kGroundFirst; n <= kGroundLast; ++n) single(n, kBlocks);
  for (int32_t n = kPlatformLeft; n <= kPlatformSingle; ++n) box(n, kFloor, CRect{0, 4, 63, 15});
  for (int32_t n = kEdgeFirst; n <= kEdgeLast; ++n) single(n, kFree);
  box(kLadderTop, kLadder, CRect{12, 10, 51, 63});
  box(kLadderMiddle, kLadder, CRect{12, 0, 51, 63});
  box(kLadderBottom, kLadder, CRect{12, 0, 51, 63});
  mask(kSpikesUp, kKills);
  mask(kSpikesDown, kKills);
  mask(kLavaTop, kKills);
  single(kLava, kKills);
}

}  // namespace

bool BuildDemoArchive(const DemoArt& art, std::vector<uint8_t>& image, std::string* reason) {
  auto bytes = std::make_shared<std::vector<uint8_t>>();
  CRezMgr mgr;
  mgr.SetFileOpener([bytes](const std::string&, RezOpenMode mode, std::string&) -> std::unique_ptr<RezFile> {
    if (mode == RezOpenMode::kCreate) bytes->clear();
    return std::make_unique<MemoryRezFile>(bytes);
  });
  mgr.SetClock([] { return kArchiveTime; });
  if (!mgr.CreateArchive(kArchiveName, reason)) return false;
  CRezDir* root = mgr.GetRootDir();
  bool ok = StoreItem(MakeDirs(root, "PALETTES"), "DEMO", "PAL", art.palette, reason);
  const std::string about = "Tiles and backgrounds of the VyrWorld demo; each sub-directory is an image set.\r\n";
  ok = ok && StoreItem(MakeDirs(root, "IMAGES"), "ABOUT", "TXT", {about.begin(), about.end()}, reason);
  for (const DemoImageDir& dir : art.dirs) {
    CRezDir* target = MakeDirs(root, dir.path);
    for (const DemoImage& picture : dir.images) {
      if (!ok) break;
      ok = StoreItem(target, picture.name, picture.kind == ImageKind::kRid ? "RID" : "PID",
                     EncodeImage(picture, art.palette), reason);
    }
  }
  mgr.SetCompact(true);
  if (!mgr.CloseArchive(ok ? reason : nullptr) || !ok) return false;
  image = std::move(*bytes);
  return true;
}

bool BuildDemoWorld(const DemoArt& art, CWorld& world, WorldProperties& properties, std::string* reason) {
  properties = WorldProperties{};
  properties.name = "Demo World";
  properties.author = "VyrWorld";
  properties.archivePath = kArchiveName;  // found beside the world
  properties.imageDir = "IMAGES";
  properties.palette = "PALETTES\\DEMO.PAL";
  properties.startX = 2 * kTile + kTile / 2;
  properties.startY = 10 * kTile + kTile / 2;
  properties.flags = kWorldFlagUseZ;
  properties.imageSets = {"OBJECTS\\PLAYER", "OBJECTS\\ITEMS", "OBJECTS\\ENEMIES", "OBJECTS\\MISC"};
  properties.prefixes = {"PLAYER", "ITEM", "ENEMY", "MISC"};

  world.Clear();
  world.SetViewRect(CRect{0, 0, 639, 479});
  CPlane* back = world.AddPlane("Background", kBackColumns, kBackRows, kTile, kTile);
  CPlane* action = back ? world.AddPlane("Action", kLevelColumns, kLevelRows, kTile, kTile) : nullptr;
  if (!back || !action) return SetReason(reason, "cannot make the demo planes");

  back->m_movementX = back->m_movementY = 50;
  back->m_fillColour = kSky + 8;
  back->m_z = 0;
  back->AddImageSet(nullptr, 0, "TILES_BACK");
  for (int32_t r = 0; r < kBackRows; ++r)
    for (int32_t c = 0; c < kBackColumns; ++c)
      back->SetTile(c, r, MakeTile(0, uint32_t(art.backdrop[size_t(r % art.backdropRows) * size_t(art.backdropColumns) +
                                                           size_t(c % art.backdropColumns)])));

  action->m_movementX = action->m_movementY = 100;
  action->m_fillColour = kCave + 4;
  action->m_z = 100;
  action->m_flags = kPlaneFlagObjects;
  world.SetObjectPlane(1);  // as the plane dialog records the plane it gives the objects flag
  action->AddImageSet(nullptr, 0, "TILES");
  const std::vector<int32_t> tiles = LevelTiles();
  std::copy(tiles.begin(), tiles.end(), action->LoadingTiles().begin());
  AddObjects(*action);
  AddAttributes(world);
  return true;
}

bool WriteDemo(const std::string& folder, std::string* reason) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return SetReason(reason, "cannot make folder '" + folder + "': " + error.message());
  const DemoArt art = BuildDemoArt();
  std::vector<uint8_t> archive;
  if (!BuildDemoArchive(art, archive, reason)) return false;
  const std::string archivePath = (std::filesystem::path(folder) / kArchiveName).string();
  std::string why;
  if (!WriteFileAtomically(archivePath, archive, why)) return SetReason(reason, archivePath + ": " + why);

  CWorld world;
  StandaloneWorldHost host;
  if (!BuildDemoWorld(art, world, host.m_properties, reason)) return false;
  const std::string worldPath = (std::filesystem::path(folder) / kWorldName).string();
  return world.Save(host, worldPath, reason) != 0;
}

}  // namespace vyr::demo
