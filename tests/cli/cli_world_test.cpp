// vyrworld-tool info, dump and resave, run as a program: outputs, exit statuses and resave identity.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>

#include "cli/tool_run.h"
#include "platform/file_io.h"
#include "world/double_attrib.h"
#include "world/mask_attrib.h"
#include "world/single_attrib.h"
#include "world/standalone_world_host.h"
#include "world/world.h"
#include "world/world_file.h"

namespace vyr {
namespace {

class CliWorldTest : public testing::Test {
 protected:
  void SetUp() override {
    m_dir = testing::TempDir() + "vyr_cli_world_" + std::to_string(::getpid());
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  std::string Path(const std::string& name) const { return m_dir + "/" + name; }

  ToolRun Tool(const std::string& arguments) const { return RunTool(arguments, m_dir); }

  static std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadWholeFile(path, bytes, error)) << error;
    return bytes;
  }

  // A world with bytes that need escaping, names of sets that are not loaded, objects
  // and every attribute kind, saved under `name` with the given date.
  std::string WriteWorld(const std::string& name, bool compressed, const std::string& date = "January 2, 1999") {
    CWorld world;
    world.SetViewRect(CRect{0, 0, 639, 479});
    CPlane* back = world.AddPlane("Sky", 2, 2, 64, 64);
    CPlane* action = world.AddPlane("Action \"main\"\n\xE9", 3, 2, 32, 32);
    back->AddImageSet(nullptr, 0, "SKY");
    action->AddImageSet(nullptr, 0, "TILES");
    action->AddImageSet(nullptr, 1, "NOT_LOADED");
    action->LoadingTiles()[4] = MakeTile(1, 3);
    action->LoadingTiles()[5] = int32_t(0xEEEEEEEEu);
    action->m_flags = kPlaneFlagObjects;
    world.SetObjectPlane(1);
    CGameObject* o = action->NewObject(1);
    o->m_id = 77;
    o->m_logic = "Player";
    o->m_name = "caf\xE9\\";
    o->m_minY = -5;
    o->m_hitMask = -1;
    o->m_userValues[7] = 8;
    auto dbl = std::make_unique<CDoubleAttrib>();
    dbl->SetSize(32, 32);
    dbl->m_right = 15;
    auto mask = std::make_unique<CMaskAttrib>();
    mask->SetSize(2, 3);
    mask->SetPixel(1, 2, 4);
    world.SetAttribute(0, std::make_unique<CSingleAttrib>(32, 32, 2));
    world.SetAttribute(1, std::move(dbl));
    world.SetAttribute(3, std::move(mask));
    StandaloneWorldHost host;
    host.m_properties.name = "Test level";
    host.m_properties.author = "tab\there\x1b[31m\a\r";
    host.m_properties.palette = "PALETY/\xA3\xA5KA.PAL";
    host.m_properties.flags = compressed ? kWorldFlagCompressed | kWorldFlagUseZ : kWorldFlagUseZ;
    host.m_properties.imageSets[0] = "OBJ";
    const std::string path = Path(name);
    std::string reason;
    EXPECT_EQ(SaveWorldFile(world, host, path, date, &reason), 1) << reason;
    return path;
  }

  std::string m_dir;
};

// A strict JSON syntax check: the whole text is one value, every string is printable ASCII.
class JsonChecker {
 public:
  explicit JsonChecker(const std::string& text) : m_text(text) {}
  bool Valid() {
    SkipSpace();
    if (!ParseValue()) return false;
    SkipSpace();
    return m_at == m_text.size();
  }

 private:
  bool ParseValue() {
    SkipSpace();
    if (m_at >= m_text.size()) return false;
    const char c = m_text[m_at];
    if (c == '{') return ParseContainer('}', true);
    if (c == '[') return ParseContainer(']', false);
    if (c == '"') return ParseString();
    for (const char* word : {"true", "false", "null"}) {
      if (m_text.compare(m_at, std::strlen(word), word) == 0) {
        m_at += std::strlen(word);
        return true;
      }
    }
    return ParseNumber();
  }
  bool ParseContainer(char close, bool object) {
    ++m_at;
    SkipSpace();
    if (m_at < m_text.size() && m_text[m_at] == close) return ++m_at, true;
    while (true) {
      SkipSpace();
      if (object) {
        if (!ParseString()) return false;
        SkipSpace();
        if (m_at >= m_text.size() || m_text[m_at++] != ':') return false;
      }
      if (!ParseValue()) return false;
      SkipSpace();
      if (m_at >= m_text.size()) return false;
      const char c = m_text[m_at++];
      if (c == close) return true;
      if (c != ',') return false;
    }
  }
  bool ParseString() {
    if (m_at >= m_text.size() || m_text[m_at] != '"') return false;
    ++m_at;
    while (m_at < m_text.size()) {
      const unsigned char c = static_cast<unsigned char>(m_text[m_at++]);
      if (c == '"') return true;
      if (c < 0x20 || c >= 0x7F) return false;
      if (c == '\\') {
        if (m_at >= m_text.size()) return false;
        const char e = m_text[m_at++];
        if (e == 'u') {
          if (m_at + 4 > m_text.size()) return false;
          for (int i = 0; i < 4; ++i) {
            if (!std::isxdigit(static_cast<unsigned char>(m_text[m_at++]))) return false;
          }
        } else if (std::string("\"\\/bfnrt").find(e) == std::string::npos) {
          return false;
        }
      }
    }
    return false;
  }
  bool ParseNumber() {
    const size_t start = m_at;
    if (m_at < m_text.size() && m_text[m_at] == '-') ++m_at;
    while (m_at < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_at]))) ++m_at;
    return m_at > start && std::isdigit(static_cast<unsigned char>(m_text[m_at - 1]));
  }
  void SkipSpace() {
    while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at]))) ++m_at;
  }

  const std::string& m_text;
  size_t m_at = 0;
};

TEST_F(CliWorldTest, InfoSummarisesTheWorldInUtf8) {
  const ToolRun run = Tool("info '" + WriteWorld("a.vwd", true) + "'");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* part : {"Name: Test level", "Date: January 2, 1999", "Compressed: yes", "Planes: 2, object plane 1",
                           "Palette: PALETY/ŁĄKA.PAL\n", "\"Action \"main\"\\x0aé\": 3 x 2",
                           "Author: tab\\x09here\\x1b[31m\\x07\\x0d\n",
                           "\"Sky\": 2 x 2 tiles of 64 x 64 pixels", "3 x 2 tiles of 32 x 32 pixels",
                           "(objects), 2 image sets, 1 objects", "Objects: 1",
                           "Tile attributes: 4 (2 single, 1 double, 1 mask)"}) {
    EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
  }
  EXPECT_TRUE(run.err.empty());
}

TEST_F(CliWorldTest, DumpIsValidJsonWithEveryPart) {
  const ToolRun run = Tool("dump '" + WriteWorld("d.vwd", false) + "'");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(JsonChecker(run.out).Valid()) << run.out;
  for (const char* part : {
           R"("name":"Test level")", R"("author":"tab\u0009here\u001b[31m\u0007\u000d")", R"("date":"January 2, 1999")",
           R"("name":"Action \"main\"\u000a\u00e9")", R"("imageSets":["TILES","NOT_LOADED"])",
           R"("tiles":[[-1,-1,-1],[-1,65539,-286331154]])", R"("name":"caf\u00e9\\")", R"("logic":"Player")",
           R"("minX":0,"minY":-5)", R"("hitMask":-1)", R"("userValues":[0,0,0,0,0,0,0,8])",
           R"("kind":"single","width":32,"height":32,"attribute":2)",
           R"("kind":"double","width":32,"height":32,"outside":0,"inside":1,"left":0,"top":0,"right":15,"bottom":0)",
           R"({"index":2,"kind":"single","width":32,"height":32,"attribute":0})",
           R"("kind":"mask","width":2,"height":3,"pixels":[[0,0],[0,0],[0,4]])", R"("objectPlane":1)",
           R"("storedObjectPlane":1)", R"("useZ":true,"compressed":false)"}) {
    EXPECT_NE(run.out.find(part), std::string::npos) << part;
  }
}

TEST_F(CliWorldTest, ResaveIsByteIdenticalApartFromTheDate) {
  for (bool compressed : {false, true}) {
    SCOPED_TRACE(compressed ? "compressed" : "uncompressed");
    const std::string in = WriteWorld(compressed ? "c.vwd" : "u.vwd", compressed);
    const std::string out = Path("resaved.vwd");
    const ToolRun run = Tool("resave '" + in + "' '" + out + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<uint8_t> before = ReadBytes(in);
    std::vector<uint8_t> after = ReadBytes(out);
    ASSERT_EQ(before.size(), after.size());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&after[world_file::kDate])), CurrentSaveDate());
    std::fill(before.begin() + world_file::kDate, before.begin() + world_file::kDate + 64, 0);
    std::fill(after.begin() + world_file::kDate, after.begin() + world_file::kDate + 64, 0);
    EXPECT_EQ(before, after);
  }
}

TEST_F(CliWorldTest, ResaveSwitchesCompression) {
  const std::string date = CurrentSaveDate();
  const std::string plain = WriteWorld("plain.vwd", false, date);
  const std::string packed = WriteWorld("packed.vwd", true, date);
  ASSERT_EQ(Tool("resave '" + plain + "' '" + Path("to_packed.vwd") + "' --compress").status, 0);
  ASSERT_EQ(Tool("resave --no-compress '" + packed + "' '" + Path("to_plain.vwd") + "'").status, 0);
  // Same day, so the dates agree too (unless the test runs across midnight).
  if (CurrentSaveDate() == date) {
    EXPECT_EQ(ReadBytes(Path("to_packed.vwd")), ReadBytes(packed));
    EXPECT_EQ(ReadBytes(Path("to_plain.vwd")), ReadBytes(plain));
  }
  EXPECT_NE(ReadBytes(Path("to_packed.vwd")).size(), ReadBytes(plain).size());
}

TEST_F(CliWorldTest, RepairReshapesTheObjectPlaneOrTheChosenOne) {
  {
    CWorld world;
    world.SetViewRect(CRect{0, 0, 639, 479});
    for (CPlane* plane : {world.AddPlane("Back", 3, 1, 32, 32), world.AddPlane("Action", 3, 1, 32, 32)}) {
      for (int32_t c = 0; c < 3; ++c) plane->SetTile(c, 0, 53);
    }
    world.Plane(1)->SetTile(2, 0, MakeTile(1, 53));
    world.Plane(1)->m_flags = kPlaneFlagObjects;
    world.SetObjectPlane(1);
    StandaloneWorldHost host;
    std::string reason;
    ASSERT_EQ(SaveWorldFile(world, host, Path("in.vwd"), "May 1, 2000", &reason), 1) << reason;
  }
  auto tilesOf = [&](const std::string& name, int32_t plane) {
    StandaloneWorldHost host;
    CWorld world;
    world.SetViewRect(CRect{0, 0, 639, 479});
    EXPECT_EQ(world.LoadFromFile(host, Path(name)), 1);
    const auto tiles = world.PlaneCount() > plane ? world.Plane(plane)->Tiles() : std::span<const int32_t>();
    return std::vector<int32_t>(tiles.begin(), tiles.end());
  };
  const struct {
    std::string arguments, written;
    int32_t plane;
    std::string out;
    std::vector<int32_t> tiles;
  } kRuns[] = {
      {"'" + Path("in.vwd") + "' '" + Path("object.vwd") + "'", "object.vwd", 1, "Plane 1 \"Action\": 2 cells changed\n",
       {3, 5, MakeTile(1, 53)}},
      {"'" + Path("object.vwd") + "' '" + Path("back.vwd") + "' --plane 0", "back.vwd", 0,
       "Plane 0 \"Back\": 3 cells changed\n", {3, 6, 5}},
      {"--plane 0 '" + Path("back.vwd") + "' '" + Path("again.vwd") + "'", "again.vwd", 0,
       "Plane 0 \"Back\": 0 cells changed\n", {3, 6, 5}},
  };
  for (const auto& run : kRuns) {
    SCOPED_TRACE(run.arguments);
    const ToolRun result = Tool("repair " + run.arguments);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, run.out);
    EXPECT_EQ(tilesOf(run.written, run.plane), run.tiles);
  }
  EXPECT_EQ(tilesOf("object.vwd", 0), std::vector<int32_t>(3, 53));  // only the chosen plane
}

TEST_F(CliWorldTest, ExitStatuses) {
  const std::string world = WriteWorld("w.vwd", false);
  auto writeChanged = [&](const std::string& name, size_t offset, uint32_t value) {
    std::vector<uint8_t> bytes = ReadBytes(world);
    StoreU32(bytes.data() + offset, value);
    std::ofstream file(Path(name), std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  };
  writeChanged("broken.vwd", 0, 1525);
  writeChanged("flat.vwd", world_file::kPlaneCount, 0);
  std::filesystem::create_symlink("w.vwd", Path("soft.vwd"));
  std::filesystem::create_hard_link(world, Path("hard.vwd"));
  const std::vector<uint8_t> before = ReadBytes(world);
  // An archive's header starts "\r\nRezMgr": as a size, far beyond any world header.
  std::ofstream(Path("DATA.REZ"), std::ios::binary) << "\r\nRezMgr Version 1" << std::string(1000, ' ');
  struct Row {
    std::string arguments;
    int status;
    std::string errPart;
  } rows[] = {
      {"info", 2, "usage: vyrworld-tool info WORLD"},
      {"info a b", 2, "usage"},
      {"dump", 2, "usage: vyrworld-tool dump WORLD"},
      {"resave '" + world + "'", 2, "usage: vyrworld-tool resave IN OUT"},
      {"resave '" + world + "' x --compress --no-compress", 2, "usage"},
      {"resave '" + world + "' x --fast", 2, "usage"},
      {"repair '" + world + "'", 2, "usage: vyrworld-tool repair IN OUT [--plane N]"},
      {"repair '" + world + "' x --plane", 2, "usage"},
      {"repair '" + world + "' x --plane 1x", 2, "usage"},
      {"repair '" + world + "' x --plane -1", 2, "usage"},
      {"repair '" + world + "' '" + Path("out.vwd") + "' --plane 2", 1,
       "has no plane 2; give --plane a number from 0 to 1\n"},
      {"repair '" + Path("broken.vwd") + "' '" + Path("out.vwd") + "'", 1, "is not a world file"},
      {"repair '" + world + "' '" + world + "'", 1, "is the input world itself"},
      {"repair '" + world + "' '" + m_dir + "/../" + std::filesystem::path(m_dir).filename().string() + "/w.vwd'", 1,
       "is the input world itself"},
      {"repair '" + world + "' '" + Path("soft.vwd") + "'", 1, "is the input world itself"},
      {"repair '" + world + "' '" + Path("hard.vwd") + "'", 1, "is the input world itself"},
      {"info '" + Path("absent.vwd") + "'", 1, "absent.vwd"},
      {"dump '" + m_dir + "'", 1, "folder"},
      {"info '" + Path("broken.vwd") + "'", 1, "header size 1525"},
      {"dump '" + Path("broken.vwd") + "'", 1, "is not a world file"},
      {"dump '" + Path("flat.vwd") + "'", 1, "'" + Path("flat.vwd") + "' is not a readable world: the world has no planes"},
      {"info '" + Path("DATA.REZ") + "'", 1,
       "'" + Path("DATA.REZ") + "' is not a world file (its header size 1699875341 is impossible)\n"},
      {"resave '" + Path("broken.vwd") + "' '" + Path("out.vwd") + "'", 1, "header size"},
      {"resave '" + world + "' '" + Path("no/dir/out.vwd") + "'", 1, "out.vwd"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.arguments);
    const ToolRun run = Tool(row.arguments);
    EXPECT_EQ(run.status, row.status);
    EXPECT_NE(run.err.find(row.errPart), std::string::npos) << run.err;
    if (row.status == 1) {
      EXPECT_EQ(run.err.rfind("vyrworld-tool: ", 0), 0u) << run.err;
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
      EXPECT_TRUE(run.out.empty());
    }
  }
  EXPECT_FALSE(std::filesystem::exists(Path("out.vwd")));
  EXPECT_EQ(ReadBytes(world), before);
}

}  // namespace
}  // namespace vyr
