// Model of a box that shows a long report in a scrollable, read-only text.
#pragma once

#include <string>

#include "platform/interaction_port.h"
#include "res/control_ids.h"

namespace vyr {

class CTextReportDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kTextReportDialog;

  // The text is bytes in the files' code page; lines end with "\n".
  explicit CTextReportDialog(std::string text) : m_text(std::move(text)) {}
  int TemplateId() const override { return kTemplateId; }

  std::string m_text;
};

}  // namespace vyr
