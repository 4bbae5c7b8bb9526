// vyrworld-tool: headless access to world files, archives and the demo content.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "cli/subcommand.h"
#include "cli/terminal_text.h"

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

std::string Sentence(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
  return text;
}

// The first word of the command line that names no command where one is expected; CLI11
// alone would only say that a command is required.
std::string UnknownCommand(CLI::App& tool, int argc, char** argv) {
  CLI::App* at = &tool;
  for (int i = 1; i < argc && argv[i][0] != '-'; ++i) {
    const std::vector<CLI::App*> commands = at->get_subcommands([](CLI::App*) { return true; });
    if (commands.empty()) break;
    at = nullptr;
    for (CLI::App* command : commands) {
      if (command->get_name() == argv[i]) at = command;
    }
    if (!at) return argv[i];
  }
  return {};
}

// A command line CLI11 refused: its reason, the usage of the subcommand reached (of all
// when none was) and where the details are.
int ParseFailure(CLI::App& tool, const CLI::ParseError& error, int argc, char** argv) {
  std::string path;
  const CLI::App* reached = &tool;
  while (!reached->get_subcommands().empty()) {
    reached = reached->get_subcommands().front();
    path += " " + reached->get_name();
  }
  const std::string unknown = UnknownCommand(tool, argc, argv);
  std::string what = error.what();
  // CLI11 puts the option's name before a check's text; a text that names it reads alone.
  const size_t colon = what.find(": ");
  if (dynamic_cast<const CLI::ValidationError*>(&error) && colon != std::string::npos &&
      what.find(what.substr(0, colon), colon) != std::string::npos)
    what.erase(0, colon + 2);
  const std::string reason = unknown.empty() ? Sentence(what) : "Unknown command '" + unknown + "'";
  std::cerr << "vyrworld-tool" << path << ": " << Printable(reason, true) << '\n';
  if (reached == &tool) {
    PrintUsage(stderr);
    std::cerr << "Run 'vyrworld-tool --help' for what each command does.\n";
    return kExitUsage;
  }
  UsageError(tool.get_subcommands().front()->get_name().c_str());
  std::cerr << "Run 'vyrworld-tool" << path << " --help' for its options.\n";
  return kExitUsage;
}

}  // namespace

const std::vector<Subcommand>& Subcommands() { return Registry(); }

SubcommandRegistration::SubcommandRegistration(const Subcommand& subcommand) {
  Registry().push_back(subcommand);
}

int Fail(const std::string& reason) {
  // Reasons from the libraries are fragments meant to follow other text; shown alone, they
  // read as sentences.
  std::cerr << "vyrworld-tool: " << Printable(Sentence(reason), true) << '\n';
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

CLI::Validator WholeNumberFrom(int32_t min) {
  return CLI::Validator(
      [min](std::string& text) -> std::string {
        const std::string wanted = "give a whole number from " + std::to_string(min) + " to 2147483647, not '" + text + "'";
        if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return wanted;
        if (text.size() > 10 || std::stoll(text) > INT32_MAX || std::stoll(text) < min) return wanted;
        return {};
      },
      "");
}

CLI::Validator NotEmpty() {
  return CLI::Validator([](std::string& text) { return text.empty() ? std::string("give a non-empty path") : std::string(); },
                        "");
}

}  // namespace vyr::cli

int main(int argc, char** argv) {
  using namespace vyr::cli;
  CLI::App tool("Headless access to VyrWorld world files, resource archives and the demo content.", "vyrworld-tool");
  tool.set_version_flag("--version", "vyrworld-tool " VYR_VERSION, "Print the version and exit");
  tool.require_subcommand(1);
  std::vector<std::pair<CLI::App*, SubcommandAction>> actions;
  for (const Subcommand& s : Subcommands()) {
    CLI::App* command = tool.add_subcommand(s.name, s.summary);
    actions.emplace_back(command, s.define(*command));
  }
  // Set after the subcommands were added, which would inherit it.
  tool.footer("Run 'vyrworld-tool COMMAND --help' for the arguments and options of one command.");
  // The old spelling of the tool's help.
  if (argc == 2 && std::strcmp(argv[1], "help") == 0) return tool.exit(CLI::CallForHelp());
  try {
    tool.parse(argc, argv);
  } catch (const CLI::Success& done) {  // --help, --version
    return tool.exit(done);
  } catch (const CLI::ParseError& error) {
    return ParseFailure(tool, error, argc, argv);
  }
  for (const auto& [command, action] : actions) {
    if (command->parsed()) return action();
  }
  return UsageError("");
}
