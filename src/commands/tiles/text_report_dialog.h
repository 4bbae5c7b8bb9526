// Model of a box that shows a long report in a scrollable, read-only text.
#pragma once

#include <string>
#include <vector>

#include "platform/interaction_port.h"
#include "res/control_ids.h"
#include "world/tile_edits.h"

namespace vyr {

class CWorldDoc;

class CTextReportDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kTextReportDialog;

  // The text is bytes in the files' code page; lines end with "\n".
  explicit CTextReportDialog(std::string text) : m_text(std::move(text)) {}
  int TemplateId() const override { return kTemplateId; }
  // The caption is the program's title, as a message box's.
  void OnInitDialog() override;

  std::string m_text;
  int m_line = -1;  // the line (from 0) a double click was on
};

// The "Uszkodzone..." report: a double click on a line shows its cell, on its plane, in the
// middle of the view with the tile cursor on it.
class CInvalidTileReport : public CTextReportDialog {
 public:
  CInvalidTileReport(CWorldDoc& doc, std::string text, std::vector<InvalidTile> cells)
      : CTextReportDialog(std::move(text)), m_doc(doc), m_cells(std::move(cells)) {}
  void OnControlEvent(int control, ControlEvent event, IInteractionPort& port) override;

 private:
  CWorldDoc& m_doc;
  std::vector<InvalidTile> m_cells;
};

}  // namespace vyr
