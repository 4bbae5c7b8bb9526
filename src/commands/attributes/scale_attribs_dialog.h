// Model of the "Zmiana Artrybutów Klocków" dialog: every tile attribute record scaled or resized.
#pragma once

#include <string>

#include "platform/interaction_port.h"
#include "res/control_ids.h"

namespace vyr {

class CWorldDoc;

class CScaleAttribsDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kScaleAttribsDialog;

  explicit CScaleAttribsDialog(CWorldDoc& doc) : m_doc(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // "Procent:" checked, every field empty.
  void OnInitDialog() override;
  // Stays open (false, no message) without a world or plane, for 100 % or a percentage
  // ≤ 0, or a dimension ≤ 0; otherwise scales or resizes every record.
  bool OnOK(IInteractionPort& port) override;
  // The two radio buttons choose which fields are enabled.
  void OnControlEvent(int control, ControlEvent event, IInteractionPort& port) override;

  bool m_byPercent = true;
  std::string m_percent;
  std::string m_width;
  std::string m_height;

 private:
  CWorldDoc& m_doc;
};

// "Zmień Artrybuty...": always enabled.
void RunScaleAttribsDialog(CWorldDoc& doc);

}  // namespace vyr
