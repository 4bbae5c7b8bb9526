// vyrworld-tool make-demo OUTDIR: writes the demo archive and level.
#include <memory>

#include "cli/demo_content.h"
#include "cli/subcommand.h"

namespace vyr::cli {
namespace {

SubcommandAction DefineMakeDemo(CLI::App& app) {
  auto outDir = std::make_shared<std::string>();
  app.add_option("OUTDIR", *outDir, "Folder that receives DEMO.REZ and DEMO.VWD (made when missing)")
      ->required()
      ->check(NotEmpty());
  return [outDir] {
    std::string reason;
    if (!demo::WriteDemo(*outDir, &reason)) return Fail(reason);
    return kExitOk;
  };
}

}  // namespace
}  // namespace vyr::cli

VYR_REGISTER_SUBCOMMAND(make_demo, "make-demo", "make-demo OUTDIR", "Write the demo archive and level into a folder",
                        vyr::cli::DefineMakeDemo);
