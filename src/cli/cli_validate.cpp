// vyrworld-tool validate: the invalid-tile check of a world with its resources, without questions.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/subcommand.h"
#include "cli/tool_world.h"
#include "world/tile_edits.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr::cli {

namespace {

int RunValidate(const std::vector<std::string>& args) {
  std::string worldPath, rezPath;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--rez" && i + 1 < args.size() && rezPath.empty()) {
      rezPath = args[++i];
    } else if (!args[i].empty() && args[i][0] != '-' && worldPath.empty()) {
      worldPath = args[i];
    } else {
      return UsageError("validate");
    }
  }
  if (worldPath.empty()) return UsageError("validate");
  ToolWorld tool(rezPath);
  if (const int status = tool.Open(worldPath); status != kExitOk) return status;
  CWorldDoc& document = tool.Document();

  const std::vector<std::string> messages = InvalidTileMessages(*document.World());
  for (const std::string& message : messages) {
    std::fwrite(message.data(), 1, message.size(), stdout);
    if (message.empty() || message.back() != '\n') std::fputc('\n', stdout);
  }
  return messages.size() == 1 ? kExitOk : kExitFailure;
}

}  // namespace

VYR_REGISTER_SUBCOMMAND(validate, "validate", "validate WORLD [--rez ARCHIVE]", RunValidate);

}  // namespace vyr::cli
