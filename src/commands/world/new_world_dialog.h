// Model of the "Nowy Świat" dialog that describes a new world.
#pragma once

#include "commands/world/world_header_dialog.h"

namespace vyr {

class CNewWorldDialog : public CWorldHeaderDialog {
 public:
  static constexpr int kTemplateId = ctl::kNewWorldDialog;

  explicit CNewWorldDialog(CWorldDoc& doc) : CWorldHeaderDialog(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // Every field starts empty and the check box clear.
  void OnInitDialog() override;
  // Checks that every field fits and that the archive opens, stores the fields into the
  // document and locates the new world's resources. On failure tells the user which one,
  // restores the header, asks for focus on that field and returns false (the dialog stays
  // open).
  bool OnOK(IInteractionPort& port) override;
};

}  // namespace vyr
