// vyrworld-tool make-demo OUTDIR: writes the demo archive and level.
#include "cli/demo_content.h"
#include "cli/subcommand.h"

namespace vyr::cli {
namespace {

int RunMakeDemo(const std::vector<std::string>& args) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') return UsageError("make-demo");
  std::string reason;
  if (!demo::WriteDemo(args[0], &reason)) return Fail(reason);
  return kExitOk;
}

}  // namespace
}  // namespace vyr::cli

VYR_REGISTER_SUBCOMMAND(make_demo, "make-demo",
                        "make-demo OUTDIR",
                        vyr::cli::RunMakeDemo);
