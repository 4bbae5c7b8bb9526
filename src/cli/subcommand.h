// Registry of vyrworld-tool subcommands; each subcommand file registers itself.
#pragma once

#include <string>
#include <vector>

namespace vyr::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a file could not be read or written
inline constexpr int kExitUsage = 2;

using SubcommandRun = int (*)(const std::vector<std::string>& args);

struct Subcommand {
  const char* name;   // first word on the command line, e.g. "info" or "rez"
  const char* usage;  // one or more lines shown by --help, without the program name
  SubcommandRun run;  // gets the words after the name
};

const std::vector<Subcommand>& Subcommands();

struct SubcommandRegistration {
  explicit SubcommandRegistration(const Subcommand& subcommand);
};

// Prints "vyrworld-tool: <reason>", its first letter made a capital, on stderr and returns
// kExitFailure.
int Fail(const std::string& reason);
// Prints the usage of one subcommand on stderr and returns kExitUsage.
int UsageError(const char* name);

}  // namespace vyr::cli

#define VYR_REGISTER_SUBCOMMAND(id, ...) \
  static const ::vyr::cli::SubcommandRegistration id##_registration{::vyr::cli::Subcommand{__VA_ARGS__}}
