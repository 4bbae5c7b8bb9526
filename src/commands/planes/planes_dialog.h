// Model of the "Warstwy w świecie" dialog: the stack of planes to select, remove and move.
#pragma once

#include <string>
#include <vector>

#include "platform/interaction_port.h"
#include "res/control_ids.h"

namespace vyr {

class CWorldDoc;

class CPlanesDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kPlanesDialog;
  static constexpr int kListControl = ctl::kPlanesList, kSelectControl = ctl::kPlanesSelect,
                       kRemoveControl = ctl::kPlanesRemove, kMoveControl = ctl::kPlanesMove;

  explicit CPlanesDialog(CWorldDoc& doc) : m_doc(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // The plane names in stack order with the current plane selected.
  void OnInitDialog() override;
  // "Zaznacz" makes the selected plane current, a double click too and then closes with
  // OK; "Usuń" removes the selected plane after a question; "Przestaw" moves it to the
  // position "Przesuń Warstwę" gives. Removing the last plane closes with OK.
  void OnControlEvent(int control, ControlEvent event, IInteractionPort& port) override;

  std::vector<std::string> m_names;
  int m_selected = -1;  // -1: none

 private:
  void Fill();
  // The selected plane's listed name; empty when the list has no such line.
  std::string SelectedName() const;
  void SelectChosen();
  void RemoveChosen(IInteractionPort& port);
  void MoveChosen(IInteractionPort& port);

  CWorldDoc& m_doc;
};

// Command "&Warstwy...": runs the dialog; after OK the current tile is validated again.
// False when it ended with Cancel, which takes back what it did.
bool RunPlanesDialog(CWorldDoc& doc);

}  // namespace vyr
