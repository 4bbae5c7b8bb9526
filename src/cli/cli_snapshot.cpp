// vyrworld-tool snapshot: a plane of a world written as a BMP or PNG image, as the editor's snapshot draws it.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/snapshot_png.h"
#include "cli/subcommand.h"
#include "cli/tool_world.h"
#include "commands/snapshot/mapshot_dialog.h"
#include "world/map_snapshot.h"
#include "world/plane.h"
#include "world/world.h"

namespace vyr::cli {

namespace {

struct SnapshotOptions {
  std::string world;
  std::string out;
  std::string rez;
  int32_t plane = -1;  // -1: the plane opening the world makes current
  int32_t divisor = 8;
  bool objects = true;
};

// False for anything the usage does not allow.
bool ParseSnapshotOptions(const std::vector<std::string>& args, SnapshotOptions& options) {
  std::vector<std::string> positional;
  bool planeGiven = false, scaleGiven = false, rezGiven = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--plane" && hasValue && !planeGiven) {
      const std::string& number = args[++i];
      const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), options.plane);
      if (error != std::errc() || end != number.data() + number.size() || options.plane < 0) return false;
      planeGiven = true;
    } else if (arg == "--scale" && hasValue && !scaleGiven) {
      const std::string& scale = args[++i];
      if (scale == "100") options.divisor = 1;
      else if (scale == "50") options.divisor = 2;
      else if (scale == "25") options.divisor = 4;
      else if (scale == "12.5") options.divisor = 8;
      else return false;
      scaleGiven = true;
    } else if (arg == "--rez" && hasValue && !rezGiven) {
      options.rez = args[++i];
      rezGiven = true;
    } else if (arg == "--no-objects") {
      options.objects = false;
    } else if (!arg.empty() && arg[0] != '-') {
      positional.push_back(arg);
    } else {
      return false;
    }
  }
  if (positional.size() != 2) return false;
  options.world = positional[0];
  options.out = positional[1];
  return true;
}

bool EndsWithPng(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return tail == ".png";
}

int RunSnapshot(const std::vector<std::string>& args) {
  SnapshotOptions options;
  if (!ParseSnapshotOptions(args, options)) return UsageError("snapshot");
  if (IsWorldFile(options.out, options.world))
    return Fail("'" + options.out + "' is the world file itself; give the image another name.");

  ToolWorld tool(options.rez);
  if (const int status = tool.Open(options.world); status != kExitOk) return status;
  CWorldDoc& document = tool.Document();
  if (options.plane >= 0) {
    const int32_t count = document.World()->PlaneCount();
    if (options.plane >= count)
      return Fail("'" + options.world + "' has no plane " + std::to_string(options.plane) +
                  "; give --plane a number from 0 to " + std::to_string(count - 1) + ".");
    document.SelectPlane(document.World()->Plane(options.plane));
  }

  Mapshot mapshot;
  std::string reason;
  if (!MakeMapshot(document, options.divisor, options.objects, mapshot, &reason)) return Fail(reason);
  const bool written = EndsWithPng(options.out)
                           ? WriteSnapshotPng(options.out, *mapshot.surface, *mapshot.palette, &reason)
                           : mapshot.surface->WriteBmp(options.out, mapshot.palette.get(), &reason);
  if (!written) return Fail(reason);
  std::printf("%s: %d x %d pixels\n", options.out.c_str(), mapshot.surface->Width(), mapshot.surface->Height());
  return kExitOk;
}

}  // namespace

VYR_REGISTER_SUBCOMMAND(snapshot, "snapshot",
                        "snapshot WORLD OUT [--plane N] [--scale 100|50|25|12.5] [--no-objects] [--rez ARCHIVE]\n"
                        "      (OUT ending in .png writes a PNG, any other name an 8-bit BMP)",
                        RunSnapshot);

}  // namespace vyr::cli
