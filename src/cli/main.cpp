// vyrworld-tool: headless access to world files, archives and the demo content.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/subcommand.h"

namespace vyr::cli {

namespace {
std::vector<Subcommand>& Registry() {
  static std::vector<Subcommand> registry;
  return registry;
}

void PrintUsage(std::FILE* out) {
  std::fprintf(out, "usage:\n");
  for (const Subcommand& s : Registry()) std::fprintf(out, "  vyrworld-tool %s\n", s.usage);
}
}  // namespace

const std::vector<Subcommand>& Subcommands() { return Registry(); }

SubcommandRegistration::SubcommandRegistration(const Subcommand& subcommand) {
  Registry().push_back(subcommand);
}

int Fail(const std::string& reason) {
  // Reasons from the libraries are fragments meant to follow other text; shown alone, they
  // read as sentences.
  std::string text = reason;
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
  std::cerr << "vyrworld-tool: " << text << '\n';
  return kExitFailure;
}

int UsageError(const char* name) {
  for (const Subcommand& s : Registry()) {
    if (std::strcmp(s.name, name) == 0) {
      std::fprintf(stderr, "usage: vyrworld-tool %s\n", s.usage);
      return kExitUsage;
    }
  }
  PrintUsage(stderr);
  return kExitUsage;
}

}  // namespace vyr::cli

int main(int argc, char** argv) {
  using namespace vyr::cli;
  if (argc < 2) {
    PrintUsage(stderr);
    return kExitUsage;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(stdout);
    return kExitOk;
  }
  for (const Subcommand& s : Subcommands()) {
    if (name == s.name) return s.run(std::vector<std::string>(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "vyrworld-tool: unknown command '%s'\n", argv[1]);
  PrintUsage(stderr);
  return kExitUsage;
}
