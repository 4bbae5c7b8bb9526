// The start-up rule for the world named on the command line.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vyr {

// The command line after the program name, taken whole: arguments joined by one blank
// (the shell has already split them; the original took the raw text as one path).
std::string JoinArguments(int argc, const char* const* argv);

// Every double-quote character removed.
std::string RemoveQuotes(std::string_view text);

struct StartupOpenResult {
  bool attempted = false;  // the command line named something
  bool opened = false;
  std::string pathName;    // the text the document's path name is set to
};

// Removes the quotes, opens the bare path when it names an existing file, else (or when
// that fails and such a file exists) the path with ".VWD" appended. The path name is set
// to the last path tried in both outcomes, as the framework did; an empty command line
// opens nothing.
StartupOpenResult OpenStartupPath(std::string_view rawCommandLine,
                                  const std::function<bool(const std::string&)>& fileExists,
                                  const std::function<bool(const std::string&)>& openDocument);

}  // namespace vyr
