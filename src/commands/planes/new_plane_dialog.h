// Model of the "Nowa Warstwa" dialog that adds a plane on top of the stack.
#pragma once

#include "commands/planes/plane_dialog.h"

namespace vyr {

class CNewPlaneDialog : public CPlaneDialog {
 public:
  static constexpr int kTemplateId = ctl::kNewPlaneDialog;

  explicit CNewPlaneDialog(CWorldDoc& doc) : CPlaneDialog(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // Every field empty, every check box clear.
  void OnInitDialog() override;
  // Leaving "ImageSety" with a tile size still empty takes both tile sizes from the first
  // image of the first listed set that holds one.
  void OnControlEvent(int control, ControlEvent event, IInteractionPort& port) override;
  // Adds the plane with its image sets and values and makes it current. A size the plane
  // refuses keeps the dialog open with a message, as does a No to taking "Objekty" from
  // the plane holding objects.
  bool OnOK(IInteractionPort& port) override;

  CPlane* m_added = nullptr;
};

// Command "Dod&aj...": runs the dialog.
void RunNewPlaneDialog(CWorldDoc& doc);

}  // namespace vyr
