// Starting the game detached through QProcess: the program itself, never a shell.
#pragma once

#include "platform/process_launcher.h"

namespace vyr {

class QtProcessLauncher final : public IProcessLauncher {
 public:
  bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& workingDirectory, std::string& error) override;
};

}  // namespace vyr
