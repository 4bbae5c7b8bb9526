// vyrworld-tool subcommands on world files: info, dump (JSON), resave and repair.
#include <cinttypes>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/json_text.h"
#include "cli/progress_line.h"
#include "cli/subcommand.h"
#include "cli/terminal_text.h"
#include "commands/snapshot/mapshot_dialog.h"
#include "platform/bytes.h"
#include "platform/file_io.h"
#include "world/double_attrib.h"
#include "world/mask_attrib.h"
#include "world/single_attrib.h"
#include "world/standalone_world_host.h"
#include "world/tile_repair.h"
#include "world/world.h"
#include "world/world_file.h"

namespace vyr::cli {

namespace {

using namespace world_file;

// A world read without its archive: image-set names stay names.
struct LoadedWorld {
  StandaloneWorldHost host;
  CWorld world;
  std::vector<uint8_t> bytes;
};

bool LoadWorld(const std::string& path, LoadedWorld& out, std::string& reason) {
  if (!ReadWholeFile(path, out.bytes, reason)) return false;
  std::string why = NotAWorldFile(out.bytes);
  if (!why.empty()) {
    reason = "'" + path + "' is not a world file (" + why + ")";
    return false;
  }
  out.world.SetViewRect(CRect{0, 0, 639, 479});
  if (!out.world.LoadFromBuffer(out.host, out.bytes, &why)) {
    reason = "'" + path + "' is not a readable world: " + why;
    return false;
  }
  return true;
}

// A header word as stored, 0 where the file is too short to hold it.
uint32_t StoredU32(const std::vector<uint8_t>& bytes, size_t offset) {
  uint32_t value = 0;
  ByteReader(bytes).U32(offset, value);
  return value;
}

const char* KindName(int kind) {
  switch (kind) {
    case kAttribKindSingle: return "single";
    case kAttribKindDouble: return "double";
    case kAttribKindMask: return "mask";
    default: return "unknown";
  }
}

// ---- info

int RunInfo(const std::string& path) {
  LoadedWorld w;
  std::string reason;
  if (!LoadWorld(path, w, reason)) return Fail(reason);
  const WorldProperties& p = w.host.m_properties;
  const bool compressed = (p.flags & kWorldFlagCompressed) != 0;
  std::string text;
  auto line = [&](const std::string& s) { text += s + "\n"; };
  // File strings are Windows-1250 bytes; the terminal gets UTF-8.
  auto shown = [](const std::string& bytes) { return PrintableFileText(bytes); };
  line("Name: " + shown(p.name));
  line("Author: " + shown(p.author));
  line("Date: " + shown(p.date));
  line("Archive: " + shown(p.archivePath));
  line("Image directory: " + shown(p.imageDir));
  line("Palette: " + shown(p.palette));
  line("Game: " + shown(p.gamePath));
  for (size_t i = 0; i < 4; ++i) {
    if (!p.imageSets[i].empty() || !p.prefixes[i].empty()) {
      line("Object image set " + std::to_string(i + 1) + ": " + shown(p.imageSets[i]) + " (prefix " +
           shown(p.prefixes[i]) + ")");
    }
  }
  line("Start: " + std::to_string(p.startX) + ", " + std::to_string(p.startY));
  line("Flags: " + std::to_string(p.flags) + (p.flags & kWorldFlagUseZ ? " (use Z)" : ""));
  line(std::string("Compressed: ") + (compressed ? "yes" : "no"));
  line("Planes: " + std::to_string(w.world.PlaneCount()) + ", object plane " +
       std::to_string(w.world.ObjectPlaneIndex()));
  size_t objects = 0;
  for (int32_t i = 0; i < w.world.PlaneCount(); ++i) {
    const CPlane& plane = *w.world.Plane(i);
    objects += plane.ObjectCount();
    int32_t named = 0;
    for (const ImageSetSlot& slot : plane.ImageSetSlots()) named += slot.name.empty() ? 0 : 1;
    line("  " + std::to_string(i) + " \"" + shown(plane.Name()) + "\": " + std::to_string(plane.Width()) + " x " +
         std::to_string(plane.Height()) + " tiles of " + std::to_string(plane.TileWidth()) + " x " +
         std::to_string(plane.TileHeight()) + " pixels, z " + std::to_string(plane.m_z) + ", flags " +
         std::to_string(plane.m_flags) + (plane.m_flags & kPlaneFlagObjects ? " (objects)" : "") + ", " +
         std::to_string(named) + " image sets, " + std::to_string(plane.ObjectCount()) + " objects");
  }
  line("Objects: " + std::to_string(objects));
  int counts[4] = {0, 0, 0, 0};
  for (const auto& record : w.world.Attributes()) {
    if (record && record->Kind() >= 1 && record->Kind() <= 3) ++counts[record->Kind()];
  }
  line("Tile attributes: " + std::to_string(w.world.AttributeCount()) + " (" + std::to_string(counts[1]) +
       " single, " + std::to_string(counts[2]) + " double, " + std::to_string(counts[3]) + " mask)");
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kExitOk;
}

// ---- dump

// Builds JSON text; strings are bytes, so every byte outside printable ASCII is written
// as the \u00XX escape of its Latin-1 code point.
class JsonWriter {
 public:
  std::string& Text() { return m_text; }

  void String(const std::string& s) { AppendJsonString(m_text, s); }
  void Int(int64_t v) { m_text += std::to_string(v); }
  void Key(const char* key) {
    Comma();
    m_text += '"';
    m_text += key;
    m_text += "\":";
    m_fresh = true;
  }
  void Begin(char bracket) {
    Comma();
    m_text += bracket;
    m_fresh = true;
  }
  void End(char bracket) {
    m_text += bracket;
    m_fresh = false;
  }
  // A value in an array or after a key.
  void Value(int64_t v) {
    Comma();
    Int(v);
    m_fresh = false;
  }
  void Value(const std::string& s) {
    Comma();
    String(s);
    m_fresh = false;
  }
  void Bool(bool b) {
    Comma();
    m_text += b ? "true" : "false";
    m_fresh = false;
  }
  void Null() {
    Comma();
    m_text += "null";
    m_fresh = false;
  }
  void Field(const char* key, int64_t v) {
    Key(key);
    Value(v);
  }
  void Field(const char* key, const std::string& s) {
    Key(key);
    Value(s);
  }
  void Rect(const char* key, const CRect& r) {
    Key(key);
    Begin('[');
    for (int32_t v : {r.left, r.top, r.right, r.bottom}) Value(v);
    End(']');
  }

 private:
  void Comma() {
    if (!m_fresh) m_text += ',';
    m_fresh = false;
  }

  std::string m_text;
  bool m_fresh = true;
};

void DumpObject(JsonWriter& j, const CGameObject& o) {
  j.Begin('{');
  j.Field("id", o.m_id);
  j.Field("name", o.m_name);
  j.Field("logic", o.m_logic);
  j.Field("imageSet", o.m_imageSet);
  j.Field("animation", o.m_animation);
  j.Field("x", o.m_x);
  j.Field("y", o.m_y);
  j.Field("z", o.m_z);
  j.Field("imageIndex", o.m_imageIndex);
  j.Field("addedFlags", o.m_addedFlags);
  j.Field("dynamicFlags", o.m_dynamicFlags);
  j.Field("drawFlags", o.m_drawFlags);
  j.Field("userFlags", o.m_userFlags);
  j.Field("score", o.m_score);
  j.Field("points", o.m_points);
  j.Field("powerup", o.m_powerup);
  j.Field("damage", o.m_damage);
  j.Field("time", o.m_time);
  j.Field("health", o.m_health);
  j.Rect("moveRect", o.m_moveRect);
  j.Rect("hitRect", o.m_hitRect);
  j.Rect("attackRect", o.m_attackRect);
  j.Rect("clipRect", o.m_clipRect);
  j.Rect("userRect1", o.m_userRect1);
  j.Rect("userRect2", o.m_userRect2);
  j.Key("userValues");
  j.Begin('[');
  for (int32_t v : o.m_userValues) j.Value(v);
  j.End(']');
  j.Field("minX", o.m_minX);
  j.Field("minY", o.m_minY);
  j.Field("maxX", o.m_maxX);
  j.Field("maxY", o.m_maxY);
  j.Field("speedX", o.m_speedX);
  j.Field("speedY", o.m_speedY);
  j.Field("tweakX", o.m_tweakX);
  j.Field("tweakY", o.m_tweakY);
  j.Field("delay", o.m_delay);
  j.Field("speed", o.m_speed);
  j.Field("width", o.m_width);
  j.Field("height", o.m_height);
  j.Field("direction", o.m_direction);
  j.Field("faceDirection", o.m_faceDirection);
  j.Field("optionTime", o.m_optionTime);
  j.Field("frame", o.m_frame);
  j.Field("hitType", o.m_hitType);
  j.Field("hitMask", o.m_hitMask);
  j.Field("moveX", o.m_moveX);
  j.Field("moveY", o.m_moveY);
  j.Field("recordLength", o.m_recordLength);
  j.End('}');
}

void DumpPlane(JsonWriter& j, int32_t index, const CPlane& plane) {
  j.Begin('{');
  j.Field("index", index);
  j.Field("name", plane.Name());
  j.Field("flags", plane.m_flags);
  j.Field("width", plane.Width());
  j.Field("height", plane.Height());
  j.Field("tileWidth", plane.TileWidth());
  j.Field("tileHeight", plane.TileHeight());
  j.Field("pixelWidth", plane.PixelWidth());
  j.Field("pixelHeight", plane.PixelHeight());
  j.Field("viewOriginX", plane.m_viewOriginX);
  j.Field("viewOriginY", plane.m_viewOriginY);
  j.Field("movementX", plane.m_movementX);
  j.Field("movementY", plane.m_movementY);
  j.Field("fillColour", plane.m_fillColour);
  j.Field("z", plane.m_z);
  j.Key("imageSets");
  j.Begin('[');
  for (const ImageSetSlot& slot : plane.ImageSetSlots()) {
    if (slot.name.empty()) {
      j.Null();
    } else {
      j.Value(slot.name);
    }
  }
  j.End(']');
  j.Key("tiles");
  j.Begin('[');
  const auto tiles = plane.Tiles();
  for (int32_t row = 0; row < plane.Height(); ++row) {
    j.Begin('[');
    for (int32_t column = 0; column < plane.Width(); ++column) j.Value(tiles[size_t(plane.RowStart(row) + column)]);
    j.End(']');
  }
  j.End(']');
  j.Field("objectCount", int64_t(plane.ObjectCount()));
  j.Key("objects");
  j.Begin('[');
  for (const auto& object : plane.Objects()) DumpObject(j, *object);
  j.End(']');
  j.End('}');
}

void DumpAttribute(JsonWriter& j, int32_t index, const CTileAttrib* record) {
  if (!record) {
    j.Null();
    return;
  }
  j.Begin('{');
  j.Field("index", index);
  j.Field("kind", std::string(KindName(record->Kind())));
  j.Field("width", record->m_tileWidth);
  j.Field("height", record->m_tileHeight);
  if (const auto* single = dynamic_cast<const CSingleAttrib*>(record)) {
    j.Field("attribute", single->m_attrib);
  } else if (const auto* dbl = dynamic_cast<const CDoubleAttrib*>(record)) {
    j.Field("outside", dbl->m_outside);
    j.Field("inside", dbl->m_inside);
    j.Field("left", dbl->m_left);
    j.Field("top", dbl->m_top);
    j.Field("right", dbl->m_right);
    j.Field("bottom", dbl->m_bottom);
  } else if (const auto* mask = dynamic_cast<const CMaskAttrib*>(record)) {
    j.Key("pixels");
    j.Begin('[');
    for (int32_t y = 0; y < mask->m_tileHeight; ++y) {
      j.Begin('[');
      for (int32_t x = 0; x < mask->m_tileWidth; ++x) j.Value(mask->AttributeAt(x, y));
      j.End(']');
    }
    j.End(']');
  }
  j.End('}');
}

int RunDump(const std::string& path) {
  LoadedWorld w;
  std::string reason;
  if (!LoadWorld(path, w, reason)) return Fail(reason);
  const WorldProperties& p = w.host.m_properties;
  JsonWriter j;
  j.Begin('{');
  j.Key("file");
  j.Begin('{');
  j.Field("size", int64_t(w.bytes.size()));
  j.Field("headerSize", StoredU32(w.bytes, 0));
  j.Field("storedObjectPlane", int32_t(StoredU32(w.bytes, kObjectPlaneIndex)));
  j.Field("planeCount", StoredU32(w.bytes, kPlaneCount));
  j.Field("firstPlaneOffset", StoredU32(w.bytes, kFirstPlaneOffset));
  j.Field("attributeOffset", StoredU32(w.bytes, kAttribOffset));
  j.Field("uncompressedLength", StoredU32(w.bytes, kUncompressedLength));
  j.Field("checksum", int32_t(StoredU32(w.bytes, kChecksum)));
  j.End('}');
  j.Key("header");
  j.Begin('{');
  j.Field("name", p.name);
  j.Field("author", p.author);
  j.Field("date", p.date);
  j.Field("archivePath", p.archivePath);
  j.Field("imageDir", p.imageDir);
  j.Field("palette", p.palette);
  j.Field("startX", p.startX);
  j.Field("startY", p.startY);
  j.Field("flags", p.flags);
  j.Key("useZ");
  j.Bool(p.flags & kWorldFlagUseZ);
  j.Key("compressed");
  j.Bool(p.flags & kWorldFlagCompressed);
  j.Field("gamePath", p.gamePath);
  j.Key("imageSets");
  j.Begin('[');
  for (const std::string& s : p.imageSets) j.Value(s);
  j.End(']');
  j.Key("prefixes");
  j.Begin('[');
  for (const std::string& s : p.prefixes) j.Value(s);
  j.End(']');
  j.End('}');
  j.Field("objectPlane", w.world.ObjectPlaneIndex());
  j.Key("planes");
  j.Begin('[');
  for (int32_t i = 0; i < w.world.PlaneCount(); ++i) DumpPlane(j, i, *w.world.Plane(i));
  j.End(']');
  j.Key("tileAttributes");
  j.Begin('[');
  for (int32_t i = 0; i < w.world.AttributeCount(); ++i) DumpAttribute(j, i, w.world.Attribute(i));
  j.End(']');
  j.End('}');
  j.Text() += '\n';
  if (std::fwrite(j.Text().data(), 1, j.Text().size(), stdout) != j.Text().size() || std::fflush(stdout) != 0) {
    return Fail("Cannot write the dump to standard output");
  }
  return kExitOk;
}

// ---- resave

// compress: 1 sets the compressed flag, 0 clears it, -1 keeps the world's own.
int RunResave(const std::string& in, const std::string& out, int compress) {
  LoadedWorld w;
  std::string reason;
  ProgressLine line("resave");
  // Neither step reports its own progress: the line tells which of the two is running.
  line.Percent(0);
  if (!LoadWorld(in, w, reason)) return line.Clear(), Fail(reason);
  int32_t& flags = w.host.m_properties.flags;
  if (compress == 1) flags |= kWorldFlagCompressed;
  if (compress == 0) flags &= ~kWorldFlagCompressed;
  line.Percent(50);
  if (!w.world.Save(w.host, out, &reason)) return line.Clear(), Fail(reason);
  return kExitOk;
}

// ---- repair

// planeIndex -1: the object plane, else plane 0.
int RunRepair(const std::string& in, const std::string& out, int32_t planeIndex) {
  // As with snapshot, the input stays untouched: a repair goes to another file.
  if (IsWorldFile(out, in)) return Fail("'" + out + "' is the input world itself; give the repaired world another name.");
  LoadedWorld w;
  std::string reason;
  if (!LoadWorld(in, w, reason)) return Fail(reason);
  const int32_t count = w.world.PlaneCount();
  if (planeIndex == -1) planeIndex = w.world.ObjectPlaneIndex() >= 0 ? w.world.ObjectPlaneIndex() : 0;
  if (planeIndex >= count) {
    return Fail("'" + in + "' has no plane " + std::to_string(planeIndex) + "; give --plane a number from 0 to " +
                std::to_string(count - 1));
  }
  CPlane& plane = *w.world.Plane(planeIndex);
  const int64_t changed = RepairTiles(plane);
  if (!w.world.Save(w.host, out, &reason)) return Fail(reason);
  std::printf("Plane %d \"%s\": %lld cells changed\n", int(planeIndex), PrintableFileText(plane.Name()).c_str(),
              static_cast<long long>(changed));
  return kExitOk;
}

// ---- the command lines

SubcommandAction DefineInfo(CLI::App& app) {
  auto path = std::make_shared<std::string>();
  app.add_option("WORLD", *path, "World file to summarise")->required()->check(NotEmpty());
  return [path] { return RunInfo(*path); };
}

SubcommandAction DefineDump(CLI::App& app) {
  auto path = std::make_shared<std::string>();
  app.add_option("WORLD", *path, "World file to write as JSON on stdout")->required()->check(NotEmpty());
  return [path] { return RunDump(*path); };
}

// The input and output worlds every rewriting command takes.
struct InOut {
  std::string in, out;
  void Declare(CLI::App& app) {
    app.add_option("IN", in, "World file to read")->required()->check(NotEmpty());
    app.add_option("OUT", out, "World file to write (replaced atomically)")->required()->check(NotEmpty());
  }
};

SubcommandAction DefineResave(CLI::App& app) {
  struct Args : InOut {
    bool compress = false, noCompress = false;
  };
  auto args = std::make_shared<Args>();
  args->Declare(app);
  CLI::Option* on = app.add_flag("--compress", args->compress, "Set the compressed flag before saving");
  app.add_flag("--no-compress", args->noCompress, "Clear the compressed flag before saving")->excludes(on);
  return [args] { return RunResave(args->in, args->out, args->compress ? 1 : args->noCompress ? 0 : -1); };
}

SubcommandAction DefineRepair(CLI::App& app) {
  struct Args : InOut {
    int32_t plane = -1;
  };
  auto args = std::make_shared<Args>();
  args->Declare(app);
  app.add_option("--plane", args->plane, "Plane to repair (default: the object plane, else plane 0)")
      ->check(WholeNumberFrom(0))
      ->type_name("N");
  return [args] { return RunRepair(args->in, args->out, args->plane); };
}

}  // namespace

VYR_REGISTER_SUBCOMMAND(info, "info", "info WORLD", "Print a short summary of a world", DefineInfo);
VYR_REGISTER_SUBCOMMAND(dump, "dump", "dump WORLD", "Print the whole parsed world as JSON", DefineDump);
VYR_REGISTER_SUBCOMMAND(resave, "resave", "resave IN OUT [--compress | --no-compress]",
                        "Load a world and save it again", DefineResave);
VYR_REGISTER_SUBCOMMAND(repair, "repair", "repair IN OUT [--plane N]",
                        "Give ground and edge tiles the shapes that fit around them", DefineRepair);

}  // namespace vyr::cli
