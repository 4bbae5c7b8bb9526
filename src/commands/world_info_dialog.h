// Model of the "Informacje Świata" dialog: the world header as plain fields.
#pragma once

#include <array>
#include <string>

#include "commands/world_header_dialog.h"

namespace vyr {

class CWorldInfoDialog : public CWorldHeaderDialog {
 public:
  static constexpr int kTemplateId = 132;

  explicit CWorldInfoDialog(CWorldDoc& doc) : CWorldHeaderDialog(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // Fills every field from the document's header; leaves them empty without a loaded world.
  void OnInitDialog() override;
  // Asks whether to keep an image directory or palette the open archive lacks (No: false,
  // focus on that field), then stores the editable fields back into the document.
  bool OnOK(IInteractionPort& port) override;

  std::string m_created;      // 1008, read-only
  bool m_compressed = false;  // 1157
  std::array<std::string, 4> m_imageSets;  // 1133, 1135, 1137, 1139
  std::array<std::string, 4> m_prefixes;   // 1134, 1136, 1138, 1140
  std::string m_gamePath;     // 1009
  std::string m_planeCount;   // 1007, read-only
  std::string m_objectCount;  // 1010, read-only; empty without an object plane
};

// Command 32775 and the resource location's retry: runs the dialog modally; true on OK.
bool RunWorldInfoDialog(CWorldDoc& doc);

}  // namespace vyr
