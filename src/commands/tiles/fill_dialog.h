// Model of the "Wypełnienie" dialog that fills the whole current plane with one tile.
#pragma once

#include <string>

#include "platform/interaction_port.h"
#include "res/control_ids.h"

namespace vyr {

class CWorldDoc;

class CFillDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kFillDialog;

  explicit CFillDialog(CWorldDoc& doc) : m_doc(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // "Całkowite" and the current tile checked; the current tile's text and the cursor cell.
  void OnInitDialog() override;
  // Fills every cell, marks the document modified and refreshes the view (the command
  // records the fill as one undo step). With the current tile chosen but no image at the
  // selection, says "Nie można wypełnić planu." and stays open.
  bool OnOK(IInteractionPort& port) override;

  // The checked "Klocek" radio button: ctl::kFillCurrent, kFillDelete or kFillColour.
  int m_tile = ctl::kFillCurrent;
  std::string m_currentText;  // the text of ctl::kFillCurrent
  // Shown only, never read back.
  std::string m_column;
  std::string m_row;

 private:
  CWorldDoc& m_doc;
};

}  // namespace vyr
