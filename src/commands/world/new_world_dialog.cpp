// The "Nowy Świat" dialog: the archive test on OK and storing the new world's header.
#include "commands/world/new_world_dialog.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/date_format.h"
#include "res/resources.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

constexpr uint32_t kStringDamagedFile = 129;  // "Ten plik jest uszkodzony."

// Opened for reading as a test and closed again. A folder opens for reading on Linux,
// which the old platform refused, so it is refused here too.
bool CanOpenForReading(const std::string& path) {
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

}  // namespace

void CNewWorldDialog::OnInitDialog() {
  m_name.clear();
  m_author.clear();
  m_archivePath.clear();
  m_imageDir.clear();
  m_palette.clear();
  m_startX.clear();
  m_startY.clear();
  m_useZ = false;
}

bool CNewWorldDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  if (!CanOpenForReading(m_archivePath)) {
    port.Message(res::LoadString(kStringDamagedFile), MessageIcon::Warning);
    SetFocusControl(kArchivePathControl);
    return false;
  }
  WorldProperties& p = m_doc.Properties();
  const WorldProperties previous = p;
  StoreHeaderFields(p);
  // A new world is never compressed; game path, image sets and prefixes stay as they were.
  p.flags = m_useZ ? kWorldFlagUseZ : 0;
  p.date = FormatLongDateTime(Clock().LocalNow());
  // Located here, so that a name the archive lacks keeps the dialog open on its field.
  if (const ResourceProblem problem = m_doc.ResolveNewWorldResources()) {
    p = previous;
    port.Message(problem.text, MessageIcon::Warning);
    SetFocusControl(ResourceControl(problem.field));
    return false;
  }
  return true;
}

}  // namespace vyr
