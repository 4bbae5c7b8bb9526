// Model of the "Przesuń Warstwę" dialog: a plane's name, its position and the new one.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_fields.h"
#include "res/control_ids.h"

namespace vyr {

class CMovePlaneDialog : public CFieldDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kMovePlaneDialog;
  static constexpr int kNameControl = ctl::kMovePlaneName, kCurrentControl = ctl::kMovePlaneCurrent,
                       kNewControl = ctl::kMovePlaneNew;

  CMovePlaneDialog(std::string name, int32_t position) : m_name(std::move(name)), m_current(std::to_string(position)) {}
  int TemplateId() const override { return kTemplateId; }

  // The new position starts empty.
  void OnInitDialog() override { m_newPosition.clear(); }
  // The new position as a signed number; the world refuses one outside the stack.
  std::vector<DialogField> Fields() override {
    return {DialogField::Number(kNewControl, "Nowa Pozycja:", m_newPosition)};
  }
  bool OnOK(IInteractionPort& port) override {
    if (!FieldsFit(port)) return false;
    m_target = ReadDialogInt(m_newPosition).value_or(0);
    return true;
  }

  std::string m_name;     // read-only
  std::string m_current;  // read-only
  std::string m_newPosition;
  int32_t m_target = 0;   // after OK
};

}  // namespace vyr
