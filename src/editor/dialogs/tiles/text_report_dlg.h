// The Qt face of the scrollable report box; a double click picks a line.
#pragma once

#include "commands/tiles/text_report_dialog.h"
#include "editor/model_dialog.h"

class QPlainTextEdit;

namespace vyr {

class CTextReportDlg final : public CModelDlg {
 public:
  CTextReportDlg(CTextReportDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;
  // Filters installed later see an event first: the line is known before Bind's filter
  // passes the double click on.
  bool eventFilter(QObject* /*target*/, QEvent* event) override;

 private:
  CTextReportDialog& m_model;
  QPlainTextEdit* m_text;
  int m_clickedLine = -1;
};

}  // namespace vyr
