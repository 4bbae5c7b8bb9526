// The scrollable box that shows a long report, such as the invalid-tile lines.
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "commands/tiles/text_report_dialog.h"
#include "editor/dialogs/tiles/tile_dlg_parts.h"
#include "editor/model_dialog.h"

namespace vyr {

namespace {

class CTextReportDlg final : public CModelDlg {
 public:
  CTextReportDlg(CTextReportDialog& model, IInteractionPort& port, QWidget* parent)
      : CModelDlg(model, port, parent), m_model(model) {
    setWindowTitle(QGuiApplication::applicationDisplayName());
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setMinimumSize(520, 300);
    Bind(ctl::kReportText, m_text);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    AddButtons(layout);
  }

 protected:
  void Load() override { m_text->setPlainText(FromBytes(m_model.m_text)); }
  void Store() override {}

 private:
  CTextReportDialog& m_model;
  QPlainTextEdit* m_text;
};

}  // namespace

void RegisterTextReportDlg() { RegisterModelDlg<CTextReportDlg, CTextReportDialog>(); }

}  // namespace vyr
