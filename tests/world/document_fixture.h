// Test helpers for the document: temporary folders, archives and world files on disk,
// and a recording view port.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/profile.h"
#include "platform/scripted_interaction.h"
#include "resources/dib.h"
#include "resources/image_formats.h"
#include "resources/rez_mgr.h"
#include "resources/rez_names.h"
#include "world/plane.h"
#include "world/standalone_world_host.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"
#include "world/world_file.h"

namespace vyr::test {

// A fresh folder below the system's temporary folder, removed with its contents.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("vyr-doc-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_path);
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
  }
  std::string operator/(const std::string& name) const { return (m_path / name).string(); }
  const std::filesystem::path& Path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

struct ArchiveEntry {
  std::string dir;  // "IMAGES/TILES"
  std::string name;  // "003"
  std::string ext;   // "PID"
  std::vector<uint8_t> bytes;
};

// A PID of one colour.
inline std::vector<uint8_t> SolidPid(int32_t width, int32_t height, uint8_t colour) {
  std::vector<uint8_t> pixels(size_t(width) * size_t(height), colour);
  PidEncodeOptions options;
  options.coding = PidCoding::ByteRuns;
  return EncodePid(pixels.data(), width, height, size_t(width), options);
}

// A palette item whose entry i is (i, 255 − i, 7).
inline std::vector<uint8_t> RampPalette() {
  std::vector<uint8_t> rgb;
  for (int i = 0; i < 256; ++i) rgb.insert(rgb.end(), {uint8_t(i), uint8_t(255 - i), 7});
  return rgb;
}

// Writes an archive file holding the entries (numeric names get their number as id).
inline void WriteArchive(const std::string& path, const std::vector<ArchiveEntry>& entries) {
  CRezMgr mgr;
  ASSERT_TRUE(mgr.CreateArchive(path));
  uint32_t nextId = 10000000;
  for (const ArchiveEntry& e : entries) {
    CRezDir* dir = mgr.GetRootDir();
    size_t start = 0;
    while (start < e.dir.size()) {
      size_t end = std::min(e.dir.find('/', start), e.dir.size());
      const std::string name = e.dir.substr(start, end - start);
      CRezDir* sub = dir->FindSubDir(name);
      dir = sub ? sub : dir->CreateDir(name);
      start = end + 1;
    }
    uint32_t code = 0;
    ASSERT_TRUE(TypeCodeFromExtension(e.ext, code));
    const bool numeric = !e.name.empty() && std::all_of(e.name.begin(), e.name.end(), ::isdigit);
    CRezItem* item = dir->CreateItem(numeric ? uint32_t(std::stoul(e.name)) : nextId++, e.name, code);
    ASSERT_NE(item, nullptr);
    std::span<uint8_t> data = item->NewData(uint32_t(e.bytes.size()));
    std::copy(e.bytes.begin(), e.bytes.end(), data.begin());
    ASSERT_TRUE(item->WriteData());
    item->ReleaseData();
  }
  ASSERT_TRUE(mgr.CloseArchive());
}

// The standard test archive: palette PALETTES/MAIN.PAL, image directory IMAGES with set
// TILES (images 0..3 of 16 x 16), set BACK (images 2 and 5) and set MIXED (16 x 16 but
// image 3 of 8 x 8), and object directories OBJECTS/COIN, OBJECTS/GEM, OBJECTS/GEM/BIG.
inline std::vector<ArchiveEntry> StandardArchive() {
  return {
      {"PALETTES", "MAIN", "PAL", RampPalette()},
      {"IMAGES/TILES", "000", "PID", SolidPid(16, 16, 10)},
      {"IMAGES/TILES", "001", "PID", SolidPid(16, 16, 11)},
      {"IMAGES/TILES", "002", "PID", SolidPid(16, 16, 12)},
      {"IMAGES/TILES", "003", "PID", SolidPid(16, 16, 13)},
      {"IMAGES/MIXED", "0", "PID", SolidPid(16, 16, 40)},
      {"IMAGES/MIXED", "1", "PID", SolidPid(16, 16, 41)},
      {"IMAGES/MIXED", "3", "PID", SolidPid(8, 8, 43)},
      {"IMAGES/BACK", "2", "PID", SolidPid(16, 16, 20)},
      {"IMAGES/BACK", "5", "PID", SolidPid(16, 16, 21)},
      {"OBJECTS/COIN", "1", "PID", SolidPid(4, 4, 30)},
      {"OBJECTS/GEM", "1", "PID", SolidPid(4, 4, 31)},
      {"OBJECTS/GEM/BIG", "2", "PID", SolidPid(4, 4, 32)},
  };
}

struct PlaneSpec {
  std::string name;
  int32_t flags = 0;
  std::vector<std::string> imageSets = {"TILES"};
  int32_t width = 4;
  int32_t height = 3;
  int32_t tile = 16;
  int32_t objects = 0;  // objects given to the plane (saved only with flag bit 0)
};

// Properties naming the archive at `archivePath` with the standard layout.
inline WorldProperties StandardProperties(const std::string& archivePath) {
  WorldProperties p;
  p.name = "Test World";
  p.author = "Tester";
  p.date = "March 14, 1995";
  p.archivePath = archivePath;
  p.imageDir = "IMAGES";
  p.palette = "PALETTES/MAIN.PAL";
  p.startX = 40;
  p.startY = -8;
  p.gamePath = "/usr/games/vyr -warp";
  p.imageSets = {"OBJECTS/COIN", "OBJECTS/GEM", "", ""};
  p.prefixes = {"COIN", "GEM", "", ""};
  return p;
}

// Writes a world file with our own writer; cell (c, r) of plane i holds image c % 3.
inline void WriteWorld(const std::string& path, const WorldProperties& properties,
                       const std::vector<PlaneSpec>& planes) {
  StandaloneWorldHost host;
  host.m_properties = properties;
  CWorld world;
  ASSERT_TRUE(world.SetViewRect(CRect{0, 0, 639, 479}));
  for (const PlaneSpec& spec : planes) {
    CPlane* plane = world.AddPlane(spec.name, spec.width, spec.height, spec.tile, spec.tile);
    ASSERT_NE(plane, nullptr);
    plane->m_flags = spec.flags;
    for (size_t slot = 0; slot < spec.imageSets.size(); ++slot)
      plane->AddImageSet(nullptr, int32_t(slot), spec.imageSets[slot]);
    for (int32_t r = 0; r < spec.height; ++r)
      for (int32_t c = 0; c < spec.width; ++c) plane->SetTile(c, r, MakeTile(0, uint32_t(c % 3)));
    for (int32_t i = 0; i < spec.objects; ++i) plane->NewObject(0)->m_logic = "Coin";
  }
  ASSERT_TRUE(SaveWorldFile(world, host, path, properties.date));
}

// A view port that records what the document asks of it.
class FakeViewPort : public IViewPort {
 public:
  explicit FakeViewPort(CWorldDoc* doc = nullptr, int32_t width = 320, int32_t height = 240)
      : m_doc(doc), m_width(width), m_height(height) {}

  CDibG* Surface() override { return m_surface.IsCreated() ? &m_surface : nullptr; }
  void DestroySurface() override {
    m_surface.Destroy();
    m_log.push_back("destroy surface");
  }
  void Resize() override {
    m_log.push_back("resize");
    MakeSurface();
    if (m_doc && m_doc->World()) m_doc->World()->SetAllViewRects(CRect{0, 0, m_width - 1, m_height - 1});
    if (m_doc) m_doc->RenderWorld(1);
  }
  int32_t ScrollX() const override { return m_scrollX; }
  int32_t ScrollY() const override { return m_scrollY; }
  int32_t ClientWidth() const override { return m_width; }
  int32_t ClientHeight() const override { return m_height; }
  int EditMode() const override { return m_editMode; }
  bool DrawsObjects() const override { return m_editMode == kObjectMode; }
  bool NoImages() const override { return m_noImages; }
  void SetNoImages(bool on) override { m_noImages = on; }
  void RefreshView() override { m_log.push_back("refresh"); }
  void CurrentPlaneChanged() override {
    m_log.push_back("plane changed");
    MakeSurface();
  }
  void HideCursor() override { m_log.push_back("hide cursor"); }
  void MarkCursorHidden() override { m_log.push_back("cursor hidden"); }
  void Invalidate(bool erase) override { m_log.push_back(erase ? "invalidate erase" : "invalidate"); }
  void InvalidateRect(const CRect&, bool) override { m_log.push_back("invalidate rect"); }
  void UpdateNow() override { m_log.push_back("update"); }
  int32_t CursorColumn() const override { return m_cursorColumn; }
  int32_t CursorRow() const override { return m_cursorRow; }
  void MoveCursorTo(int32_t column, int32_t row) override {
    m_cursorColumn = column;
    m_cursorRow = row;
  }
  void AdvanceAutoCursor() override { ++m_cursorColumn; }
  void SetScroll(int32_t x, int32_t y) override {
    m_scrollX = x;
    m_scrollY = y;
  }

  bool MouseInView(int32_t& x, int32_t& y) const override {
    if (!m_mouseInView) return false;
    x = m_mouseX;
    y = m_mouseY;
    return true;
  }

  void MakeSurface() {
    if (m_doc && m_doc->Palette() && m_doc->Palette()->IsCreated() && !m_surface.IsCreated())
      m_surface.Create(m_width, m_height, m_doc->Palette());
  }
  bool Logged(const std::string& entry) const {
    return std::find(m_log.begin(), m_log.end(), entry) != m_log.end();
  }

  CWorldDoc* m_doc;
  int32_t m_width;
  int32_t m_height;
  int m_editMode = kTileMode;
  bool m_noImages = false;
  int32_t m_scrollX = 0;
  int32_t m_scrollY = 0;
  int32_t m_cursorColumn = 0;
  int32_t m_cursorRow = 0;
  bool m_mouseInView = false;
  int32_t m_mouseX = 0;
  int32_t m_mouseY = 0;
  CDibG m_surface;
  std::vector<std::string> m_log;
};

// A document with a scripted user, an in-memory profile and a fake view.
struct DocumentRig {
  DocumentRig() : doc(&profile, user), view(&doc) { doc.SetViewPort(&view); }
  ~DocumentRig() { doc.SetViewPort(nullptr); }

  bool Logged(const std::string& entry) const {
    const auto& log = user.Log();
    return std::find(log.begin(), log.end(), entry) != log.end();
  }

  Profile profile;
  ScriptedInteraction user;
  CWorldDoc doc;
  FakeViewPort view;
};

// One recorded action for the world layer's own tests (the editor's edits go through
// commands/world_edit.h).
class Change {
 public:
  Change(CWorldDoc& doc, const ChangeScope& scope, const void* series = nullptr) : m_doc(doc) {
    doc.BeginChange(scope, "Test", series);
  }
  ~Change() { m_doc.EndChange(); }
  Change(const Change&) = delete;
  Change& operator=(const Change&) = delete;

 private:
  CWorldDoc& m_doc;
};

}  // namespace vyr::test
