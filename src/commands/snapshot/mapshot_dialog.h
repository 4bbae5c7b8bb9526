// Model of the "Robienie Mapshota" dialog, and where the snapshot it names is written.
#pragma once

#include <string>

#include "platform/interaction_port.h"
#include "res/control_ids.h"

namespace vyr {

class CWorldDoc;

// The file a typed snapshot name stands for: ".BMP" appended when the name's last
// component has no dot, and a relative name taken from the world file's folder (the
// working folder while the world has no file).
std::string MapshotPath(const std::string& typed, const std::string& worldPath);
// True when `path` names the world file itself (through links and other spellings too).
bool IsWorldFile(const std::string& path, const std::string& worldPath);

class CMapshotDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kMapshotDialog;

  explicit CMapshotDialog(CWorldDoc& doc) : m_doc(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // An empty name, "Objekty" checked, "12,5%" selected.
  void OnInitDialog() override;
  // Checks the name (empty, the world file itself, an existing file not to be replaced
  // keep the dialog open), then draws and writes the snapshot under a wait cursor. A
  // snapshot that cannot be made or written says why and keeps the dialog open.
  bool OnOK(IInteractionPort& port) override;

  // The divisor of the checked radio button.
  int Divisor() const;

  std::string m_name;
  bool m_objects = true;
  // The checked radio button: ctl::kMapshot100, kMapshot50, kMapshot25 or kMapshot12.
  int m_scale = ctl::kMapshot12;

 private:
  CWorldDoc& m_doc;
};

}  // namespace vyr
