// Registry of vyrworld-tool subcommands: each subcommand file registers the function that
// declares its arguments and options; main parses the command line with CLI11.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vyr::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a file could not be read or written
inline constexpr int kExitUsage = 2;

// What a subcommand does once its command line is parsed; returns the exit status.
using SubcommandAction = std::function<int()>;
// Declares the subcommand's positional arguments and options on `app` (its --help is made
// from them) and returns the action that uses their values.
using SubcommandDefine = SubcommandAction (*)(CLI::App& app);

struct Subcommand {
  const char* name;     // first word on the command line, e.g. "info" or "rez"
  const char* usage;    // one or more lines shown after a usage error, without the program name
  const char* summary;  // one line in the tool's --help
  SubcommandDefine define;
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

// Checks for option values, with messages that say what to give.
// A whole number from `min` to INT32_MAX, digits only.
CLI::Validator WholeNumberFrom(int32_t min);
// Any text but the empty one (a path).
CLI::Validator NotEmpty();

}  // namespace vyr::cli

#define VYR_REGISTER_SUBCOMMAND(id, ...) \
  static const ::vyr::cli::SubcommandRegistration id##_registration{::vyr::cli::Subcommand{__VA_ARGS__}}
