// Model of the "Informacje Świata" dialog: the world header as plain fields.
#pragma once

#include <array>
#include <map>
#include <string>

#include "commands/world/world_header_dialog.h"

namespace vyr {

class CWorldInfoDialog : public CWorldHeaderDialog {
 public:
  static constexpr int kTemplateId = ctl::kWorldInfoDialog;
  static constexpr int kCreatedControl = ctl::kWorldCreated, kCompressedControl = ctl::kWorldCompressed,
                       kGamePathControl = ctl::kWorldGamePath, kPlaneCountControl = ctl::kWorldPlaneCount,
                       kObjectCountControl = ctl::kWorldObjectCount;
  static constexpr const int (&kImageSetControls)[4] = ctl::kWorldImageSets;
  static constexpr const int (&kPrefixControls)[4] = ctl::kWorldPrefixes;

  explicit CWorldInfoDialog(CWorldDoc& doc) : CWorldHeaderDialog(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // Fills every field from the document's header; leaves them empty without a loaded world.
  void OnInitDialog() override;
  // The shared fields, the image sets with their prefixes and the game path.
  std::vector<DialogField> Fields() override;
  // Once every field fits, asks whether to keep an image directory or palette the open
  // archive lacks (No: false, focus on that field), then stores the editable fields.
  bool OnOK(IInteractionPort& port) override;

  std::string m_created;      // read-only
  bool m_compressed = false;
  std::array<std::string, 4> m_imageSets;
  std::array<std::string, 4> m_prefixes;
  std::string m_gamePath;
  std::string m_planeCount;   // read-only
  std::string m_objectCount;  // read-only; empty without an object plane

  // The labels of the header texts that fill their whole field (no terminator), quoted
  // and joined; empty when every text fits. Fills the fields.
  std::string UnterminatedLabels();

 private:
  // Each text field as OnInitDialog filled it, by control: OK keeps an unedited one byte
  // for byte, and only a game path the user changed counts as approved.
  std::map<int, std::string> m_loaded;
};

// Command 32775 and the resource location's retry: runs the dialog modally; true on OK.
bool RunWorldInfoDialog(CWorldDoc& doc);

}  // namespace vyr
