// Model of the "Informacje Warstwy" dialog: the current plane's properties, sizes and image sets.
#pragma once

#include "commands/planes/plane_dialog.h"

namespace vyr {

class CPlaneInfoDialog : public CPlaneDialog {
 public:
  static constexpr int kTemplateId = ctl::kPlaneInfoDialog;
  static constexpr int kStatisticsControl = ctl::kPlaneStatistics;

  explicit CPlaneInfoDialog(CWorldDoc& doc) : CPlaneDialog(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // Every field from the current plane; the image-set list one "%s\r\n" line per slot.
  void OnInitDialog() override;
  // Sizes the plane would refuse are refused first, then a No to the objects question of
  // ObjectsMayLoseFlag keeps the dialog open. Then a changed tile size and a changed
  // grid size are each applied only after a Yes; a new tile size switches the view to
  // "Bez Obrazów", a new grid size clears the undo stack and re-sizes the view. Then the
  // name, the image sets (only when their text changed) and the other values are stored.
  bool OnOK(IInteractionPort& port) override;
  // "Statystyki...": the tile statistics of the current set, after which this dialog ends
  // as cancelled; without a loaded current set only a beep.
  void OnControlEvent(int control, ControlEvent event, IInteractionPort& port) override;

  // What OnOK changed, for the command to pass on.
  bool m_imageSetsChanged = false;

 private:
  std::string m_initialImageSets;
};

// Command "&Informacje": runs the dialog for the current plane.
void RunPlaneInfoDialog(CWorldDoc& doc);

}  // namespace vyr
