// The scrollable box that shows a long report, such as the invalid-tile lines.
#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "commands/tiles/text_report_dialog.h"
#include "editor/dialogs/tiles/tile_dlg_parts.h"
#include "editor/model_dialog.h"
#include "editor/ui_text.h"

namespace vyr {

namespace {

class CTextReportDlg final : public CModelDlg {
 public:
  CTextReportDlg(CTextReportDialog& model, IInteractionPort& port, QWidget* parent)
      : CModelDlg(model, port, parent), m_model(model) {
    m_text = new QPlainTextEdit(this);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setMinimumSize(520, 300);
    Bind(ctl::kReportText, m_text);
    m_text->viewport()->installEventFilter(this);
    // A report to read, not a choice: OK alone.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(UiText("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
  }

 protected:
  void Load() override { m_text->setPlainText(FromBytes(m_model.m_text)); }
  void Store() override { m_model.m_line = m_clickedLine; }
  // Filters installed later see an event first: the line is known before Bind's filter
  // passes the double click on.
  bool eventFilter(QObject* /*target*/, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick)
      m_clickedLine = m_text->cursorForPosition(static_cast<QMouseEvent*>(event)->position().toPoint()).blockNumber();
    return false;
  }

 private:
  CTextReportDialog& m_model;
  QPlainTextEdit* m_text;
  int m_clickedLine = -1;
};

}  // namespace

void RegisterTextReportDlg() { RegisterModelDlg<CTextReportDlg, CTextReportDialog>(); }

}  // namespace vyr
