// vyrworld-tool validate: the invalid-tile check of a world with its resources, without questions.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "cli/subcommand.h"
#include "platform/profile.h"
#include "platform/scripted_interaction.h"
#include "res/messages.h"
#include "world/tile_edits.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr::cli {

namespace {

int RunValidate(const std::string& worldPath, const std::string& rezPath) {
  std::error_code error;
  if (!rezPath.empty() && !std::filesystem::is_regular_file(rezPath, error))
    return Fail("The archive '" + rezPath + "' is not a readable file. Give the path of the world's .rez file.");

  // The profile is never saved: it only puts the given archive first, as the editor's
  // RezFile option does. Every question is answered No, so nothing waits for a user.
  Profile profile;
  if (!rezPath.empty()) profile.WriteProfileString("Options", "RezFile", rezPath);
  ScriptedInteraction nobody;
  CWorldDoc document(&profile, nobody);
  if (!document.OnOpenDocument(worldPath) || !document.World()) {
    std::string reason = document.FailureReason();
    // The editor's advice to answer Yes has no place here: point at --rez instead.
    const std::string relocate = "\n\n" + std::string(res::text::kOpenAgainToRelocate);
    const size_t advice = reason.find(relocate);
    if (advice != std::string::npos)
      reason.replace(advice, relocate.size(), "\n\nGive the world's archive with --rez ARCHIVE.");
    return Fail(reason.find(worldPath) == std::string::npos ? "'" + worldPath + "': " + reason : reason);
  }

  const std::vector<std::string> messages = InvalidTileMessages(*document.World());
  for (const std::string& message : messages) {
    std::fwrite(message.data(), 1, message.size(), stdout);
    if (message.empty() || message.back() != '\n') std::fputc('\n', stdout);
  }
  return messages.size() == 1 ? kExitOk : kExitFailure;
}

SubcommandAction DefineValidate(CLI::App& app) {
  struct Args {
    std::string world, rez;
  };
  auto args = std::make_shared<Args>();
  app.add_option("WORLD", args->world, "World file to check")->required()->check(NotEmpty());
  app.add_option("--rez", args->rez, "Archive tried before the one the world names")
      ->check(NotEmpty())
      ->type_name("ARCHIVE");
  return [args] { return RunValidate(args->world, args->rez); };
}

}  // namespace

VYR_REGISTER_SUBCOMMAND(validate, "validate", "validate WORLD [--rez ARCHIVE]",
                        "Check every tile of a world against its image sets", DefineValidate);

}  // namespace vyr::cli
