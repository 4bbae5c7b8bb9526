// vyrworld-tool snapshot: a plane of a world written as a BMP or PNG image, as the editor's snapshot draws it.
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli/progress_line.h"
#include "cli/subcommand.h"
#include "cli/terminal_text.h"
#include "cli/tool_world.h"
#include "commands/snapshot/mapshot_dialog.h"
#include "world/map_snapshot.h"
#include "world/plane.h"
#include "world/world.h"

namespace vyr::cli {

namespace {

const std::map<std::string, int32_t> kScaleDivisors{{"100", 1}, {"50", 2}, {"25", 4}, {"12.5", 8}};

struct SnapshotOptions {
  std::string world;
  std::string out;
  std::string rez;
  int32_t plane = -1;  // -1: the plane opening the world makes current
  int32_t divisor = 8;
  bool objects = true;
};

int RunSnapshot(const SnapshotOptions& options) {
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
  {
    ProgressLine line("snapshot");
    const bool made = MakeMapshot(document, options.divisor, options.objects, mapshot, &reason, [&line](int percent) {
      line.Percent(percent);
      return true;
    });
    line.Clear();
    if (!made) return Fail(reason);
  }
  if (!WriteMapshot(options.out, mapshot, &reason)) return Fail(reason);
  std::printf("%s: %d x %d pixels\n", Printable(options.out).c_str(), mapshot.surface->Width(), mapshot.surface->Height());
  return kExitOk;
}

SubcommandAction DefineSnapshot(CLI::App& app) {
  auto options = std::make_shared<SnapshotOptions>();
  app.add_option("WORLD", options->world, "World file to draw")->required()->check(NotEmpty());
  app.add_option("OUT", options->out, "Image to write: a PNG when it ends in .png, else an 8-bit BMP")
      ->required()
      ->check(NotEmpty());
  app.add_option("--plane", options->plane, "Plane to draw (default: the one opening makes current)")
      ->check(WholeNumberFrom(0))
      ->type_name("N");
  // The scale names the divisor the cells are drawn at; the divisors themselves are no scale.
  app.add_option_function<std::string>(
         "--scale", [options](const std::string& percent) { options->divisor = kScaleDivisors.at(percent); },
         "Size in percent: 100, 50, 25 or 12.5 (default 12.5)")
      ->check(CLI::Validator(
          [](std::string& percent) {
            return kScaleDivisors.count(percent) ? std::string()
                                                 : "give --scale as 100, 50, 25 or 12.5, not '" + percent + "'.";
          },
          ""))
      ->type_name("PERCENT");
  app.add_flag("--no-objects", [options](int64_t) { options->objects = false; }, "Leave the objects out");
  AddRezOption(app, options->rez);
  return [options] { return RunSnapshot(*options); };
}

}  // namespace

VYR_REGISTER_SUBCOMMAND(snapshot, "snapshot",
                        "snapshot WORLD OUT [--plane N] [--scale 100|50|25|12.5] [--no-objects] [--rez ARCHIVE]",
                        "Write a plane as a BMP or PNG picture, as the editor's snapshot draws it", DefineSnapshot);

}  // namespace vyr::cli
