// Starting another program (the game for a test run), detached from the editor.
#pragma once

#include <string>

namespace vyr {

class IProcessLauncher {
 public:
  virtual ~IProcessLauncher() = default;
  // `commandLine` is split as a shell would split it; the program starts detached in
  // `workingDirectory`. False with a reason when it could not be started.
  virtual bool StartDetached(const std::string& commandLine, const std::string& workingDirectory,
                             std::string& error) = 0;
};

}  // namespace vyr
