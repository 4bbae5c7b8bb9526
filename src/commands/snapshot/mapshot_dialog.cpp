// The "Robienie Mapshota" dialog: the file-name rules and the snapshot on OK.
#include "commands/snapshot/mapshot_dialog.h"

#include <filesystem>
#include <system_error>

#include "platform/message_format.h"
#include "platform/path_name.h"
#include "res/messages.h"
#include "world/map_snapshot.h"
#include "world/plane.h"
#include "world/world_doc.h"

namespace vyr {

namespace fs = std::filesystem;

std::string MapshotPath(const std::string& typed, const std::string& worldPath) {
  std::string path = typed;
  // A dot in a folder's name says nothing about the file's.
  if (FileNameOf(path).find('.') == std::string::npos) path += ".BMP";
  if (fs::path(path).is_relative() && !worldPath.empty()) path = (fs::path(FolderOf(worldPath)) / path).string();
  return path;
}

bool IsWorldFile(const std::string& path, const std::string& worldPath) {
  if (worldPath.empty()) return false;
  std::error_code error;
  if (fs::equivalent(path, worldPath, error)) return true;
  const fs::path a = fs::weakly_canonical(path, error);
  if (error) return false;
  const fs::path b = fs::weakly_canonical(worldPath, error);
  return !error && a == b;
}

void CMapshotDialog::OnInitDialog() {
  m_name.clear();
  m_objects = true;
  m_scale = ctl::kMapshot12;
}

int CMapshotDialog::Divisor() const {
  switch (m_scale) {
    case ctl::kMapshot100: return 1;
    case ctl::kMapshot50: return 2;
    case ctl::kMapshot25: return 4;
    default: return 8;
  }
}

bool CMapshotDialog::OnOK(IInteractionPort& port) {
  SetFocusControl(ctl::kMapshotName);
  if (m_name.empty()) {
    port.Message(res::text::kMapshotNoFileName, MessageIcon::Warning);
    return false;
  }
  // Nothing the dialog could change helps without a plane.
  if (!m_doc.HasLoadedWorld() || !m_doc.CurrentPlane()) {
    port.Message(res::text::kMapshotNoPlane, MessageIcon::Warning);
    return true;
  }
  const std::string worldPath = m_doc.GetPathName();
  const std::string path = MapshotPath(m_name, worldPath);
  if (IsWorldFile(path, worldPath)) {
    port.Message(FormatMessage(res::text::kMapshotIsTheWorld, {path}), MessageIcon::Warning);
    return false;
  }
  std::error_code error;
  if (fs::exists(fs::symlink_status(path, error)) &&
      !port.AskYesNo(FormatMessage(res::text::kMapshotReplace, {path}), MessageIcon::Warning))
    return false;
  std::string reason;
  WaitCursor wait(port);
  port.BeginProgress(FormatMessage(res::text::kSnapshotting, {FileNameOf(path)}), 100, true);
  const int written = RenderMapshot(path, m_doc, Divisor(), m_objects, &reason, [&port](int percent) {
    port.SetProgress(percent);
    return !port.ProgressCancelled();
  });
  port.EndProgress();
  if (written < 0) {
    port.ShowStatus(res::text::kSnapshotCancelled);
    return true;
  }
  if (written) {
    const CPlane& plane = *m_doc.CurrentPlane();
    const int64_t d = MapshotDivisor(plane, Divisor());
    port.ShowStatus(FormatMessage(res::text::kMapshotSaved, {FileNameOf(path), int64_t(plane.Width()) * plane.TileWidth() / d,
                                                             int64_t(plane.Height()) * plane.TileHeight() / d}));
    return true;
  }
  port.Message(reason, MessageIcon::Error);
  return false;
}

}  // namespace vyr
