// Starting the game detached, with the command line split as a shell would split it.
#pragma once

#include "platform/process_launcher.h"

namespace vyr {

class QtProcessLauncher final : public IProcessLauncher {
 public:
  bool StartDetached(const std::string& commandLine, const std::string& workingDirectory,
                     std::string& error) override;
};

}  // namespace vyr
