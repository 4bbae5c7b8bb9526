// Binding of Qt dialogs to dialog models.
#include "editor/model_dialog.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "editor/dialog_look.h"

namespace vyr {

CModelDlg::CModelDlg(CDialogModel& model, IInteractionPort& port, QWidget* parent)
    : QDialog(parent), m_model(model), m_port(port) {
  UseDialogFrame(*this);
}

DialogResult CModelDlg::Run() {
  m_model.OnInitDialog();
  LimitEdits();
  Load();
  if (exec() == QDialog::Accepted) return DialogResult::Ok;
  m_model.OnCancel();
  return DialogResult::Cancel;
}

QWidget* CModelDlg::Control(int id) const {
  auto found = m_controls.find(id);
  return found == m_controls.end() ? nullptr : found->second;
}

void CModelDlg::Bind(int id, QWidget* control) {
  control->setObjectName(QStringLiteral("control%1").arg(id));
  m_controls[id] = control;
}

void CModelDlg::AddButtons(QBoxLayout* layout) {
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(Text("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(Text("Anuluj"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void CModelDlg::LimitEdits() {
  if (auto* limited = dynamic_cast<CFieldDialogModel*>(&m_model)) m_fields = limited->Fields();
  for (const DialogField& field : m_fields) {
    auto* edit = qobject_cast<QLineEdit*>(Control(field.control));
    // One byte per character: Windows-1250 is a single-byte code page.
    if (edit && !field.IsNumber()) edit->setMaxLength(int(field.maxBytes));
  }
}

bool CModelDlg::EditsEncode() {
  for (const DialogField& field : m_fields) {
    auto* edit = qobject_cast<QLineEdit*>(Control(field.control));
    std::string bytes;
    QString unmappable;
    if (!edit || ToBytes(edit->text(), bytes, &unmappable)) continue;
    m_port.Message(field.UnmappableMessage(unmappable.toStdString()), MessageIcon::Warning);
    Focus(field.control);
    return false;
  }
  return true;
}

void CModelDlg::Focus(int id) {
  if (QWidget* control = Control(id)) {
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
  }
}

void CModelDlg::accept() {
  if (!EditsEncode()) return;
  Store();
  if (m_model.OnOK(m_port)) {
    QDialog::accept();
    return;
  }
  Focus(m_model.FocusControl());
}

namespace {

// Re-sends a key press that types lower-case letters as the same key typing capitals.
class UppercaseFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const QString upper = text.toUpper();
    if (text == upper || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    QKeyEvent capital(QEvent::KeyPress, key->key(), key->modifiers(), upper, key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(target, &capital);
    return true;
  }
};

}  // namespace

void UppercaseTyping(QLineEdit* edit) { edit->installEventFilter(new UppercaseFilter(edit)); }

void SignedDigitsOnly(QLineEdit* edit) {
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
}

}  // namespace vyr
