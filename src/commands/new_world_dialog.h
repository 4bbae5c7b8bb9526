// Model of the "Nowy Świat" dialog that describes a new world.
#pragma once

#include "commands/world_header_dialog.h"

namespace vyr {

class CNewWorldDialog : public CWorldHeaderDialog {
 public:
  static constexpr int kTemplateId = 130;

  explicit CNewWorldDialog(CWorldDoc& doc) : CWorldHeaderDialog(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // Every field starts empty and the check box clear.
  void OnInitDialog() override;
  // Checks that every field fits and that the archive opens; on failure tells the user,
  // asks for focus on the field and returns false (the dialog stays open). Otherwise
  // stores the fields into the document and returns true.
  bool OnOK(IInteractionPort& port) override;
};

}  // namespace vyr
