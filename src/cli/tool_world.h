// A world opened for the tool as the editor opens it, with every question answered No.
#pragma once

#include <string>

#include "platform/profile.h"
#include "platform/scripted_interaction.h"
#include "world/world_doc.h"

namespace CLI {
class App;
}  // namespace CLI

namespace vyr::cli {

class ToolWorld {
 public:
  // `rezPath` (may be empty) is tried first, as the editor's RezFile option is.
  explicit ToolWorld(const std::string& rezPath);

  // kExitOk when the world and its resources are loaded; otherwise the reason has been
  // printed (pointing at --rez where the editor would ask) and the exit status is returned.
  int Open(const std::string& worldPath);
  CWorldDoc& Document() { return m_document; }

 private:
  std::string m_rezPath;
  // Never saved: it only puts the given archive first.
  Profile m_profile;
  ScriptedInteraction m_nobody;
  CWorldDoc m_document;
};

// Declares --rez ARCHIVE, the path every ToolWorld command takes for `rez`.
void AddRezOption(CLI::App& app, std::string& rez);

}  // namespace vyr::cli
