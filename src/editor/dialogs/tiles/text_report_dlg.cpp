// The scrollable box that shows a long report, such as the invalid-tile lines.
#include "editor/dialogs/tiles/text_report_dlg.h"

#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "editor/ui_text.h"

namespace vyr {

CTextReportDlg::CTextReportDlg(CTextReportDialog& model, IInteractionPort& port, QWidget* parent)
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

void CTextReportDlg::Load() { m_text->setPlainText(FromBytes(m_model.m_text)); }

void CTextReportDlg::Store() { m_model.m_line = m_clickedLine; }

bool CTextReportDlg::eventFilter(QObject* /*target*/, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick)
    m_clickedLine = m_text->cursorForPosition(static_cast<QMouseEvent*>(event)->position().toPoint()).blockNumber();
  return false;
}

}  // namespace vyr
