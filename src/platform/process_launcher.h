// Starting another program (the game for a test run), detached from the editor.
#pragma once

#include <string>
#include <vector>

namespace vyr {

class IProcessLauncher {
 public:
  virtual ~IProcessLauncher() = default;
  // Executes `program` itself (no shell) with `arguments`, detached, in `workingDirectory`.
  // False with a reason when it could not be started.
  virtual bool StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& workingDirectory, std::string& error) = 0;
};

}  // namespace vyr
