// Start-up path: quotes removed, bare path first, then with ".VWD".
#include "platform/command_line.h"

namespace vyr {

std::string JoinArguments(int argc, const char* const* argv) {
  std::string joined;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) joined += ' ';
    joined += argv[i];
  }
  return joined;
}

std::string RemoveQuotes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '"') out += c;
  }
  return out;
}

StartupOpenResult OpenStartupPath(std::string_view rawCommandLine,
                                  const std::function<bool(const std::string&)>& fileExists,
                                  const std::function<bool(const std::string&)>& openDocument) {
  StartupOpenResult result;
  if (rawCommandLine.empty()) return result;
  result.attempted = true;
  std::string path = RemoveQuotes(rawCommandLine);
  // The bare path is only tried when it exists, so that a name given without its
  // extension does not first report a missing file; and when it exists but fails, only
  // an existing ".VWD" file may replace it, so the real reason is what gets reported.
  const bool bareExists = fileExists(path);
  if (bareExists) result.opened = openDocument(path);
  if (!result.opened && (!bareExists || fileExists(path + ".VWD"))) {
    path += ".VWD";
    result.opened = openDocument(path);
  }
  result.pathName = path;
  return result;
}

}  // namespace vyr
