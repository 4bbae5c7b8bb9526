// vyrworld-tool validate: the invalid-tile check of a world with its resources, without questions.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/subcommand.h"
#include "cli/terminal_text.h"
#include "cli/tool_world.h"
#include "world/tile_edits.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr::cli {

namespace {

int RunValidate(const std::string& worldPath, const std::string& rezPath) {
  ToolWorld tool(rezPath);
  if (const int status = tool.Open(worldPath); status != kExitOk) return status;
  CWorldDoc& document = tool.Document();

  const std::vector<std::string> messages = InvalidTileMessages(*document.World());
  for (const std::string& message : messages) {
    // The report holds the planes' names as the file stores them.
    const std::string text = PrintableFileText(message, true);
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (text.empty() || text.back() != '\n') std::fputc('\n', stdout);
  }
  return messages.size() == 1 ? kExitOk : kExitFailure;
}

SubcommandAction DefineValidate(CLI::App& app) {
  struct Args {
    std::string world, rez;
  };
  auto args = std::make_shared<Args>();
  app.add_option("WORLD", args->world, "World file to check")->required()->check(NotEmpty());
  AddRezOption(app, args->rez);
  return [args] { return RunValidate(args->world, args->rez); };
}

}  // namespace

VYR_REGISTER_SUBCOMMAND(validate, "validate", "validate WORLD [--rez ARCHIVE]",
                        "Check every tile of a world against its image sets", DefineValidate);

}  // namespace vyr::cli
