// Opening a world for the tool: the editor's resource location without questions.
#include "cli/tool_world.h"

#include "cli/subcommand.h"
#include "res/messages.h"
#include "resources/rez_mgr.h"

namespace vyr::cli {

ToolWorld::ToolWorld(const std::string& rezPath) : m_rezPath(rezPath), m_document(&m_profile, m_nobody) {
  if (!rezPath.empty()) m_profile.WriteProfileString("Options", "RezFile", rezPath);
}

int ToolWorld::Open(const std::string& worldPath) {
  // Opened here first: the document would only say that it found no archive.
  std::string why;
  if (!m_rezPath.empty() && !CRezMgr().OpenArchive(m_rezPath, true, &why))
    return Fail("The archive given with --rez cannot be used: " + why + ". Give the path of the world's .rez file.");
  if (m_document.OnOpenDocument(worldPath) && m_document.World()) {
    m_document.SetPathName(worldPath, false);
    return kExitOk;
  }
  std::string reason = m_document.FailureReason();
  // The editor's advice to answer Yes has no place here: point at --rez instead.
  const std::string relocate = "\n\n" + std::string(res::text::kOpenAgainToRelocate);
  const size_t advice = reason.find(relocate);
  if (advice != std::string::npos) reason.replace(advice, relocate.size(), "\n\nGive the world's archive with --rez ARCHIVE.");
  return Fail(reason.find(worldPath) == std::string::npos ? "'" + worldPath + "': " + reason : reason);
}

void AddRezOption(CLI::App& app, std::string& rez) {
  app.add_option("--rez", rez, "Archive tried before the one the world names")->check(NotEmpty())->type_name("ARCHIVE");
}

}  // namespace vyr::cli
