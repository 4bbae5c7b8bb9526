// Binding of Qt dialogs to dialog models.
#include "editor/model_dialog.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabBar>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <utility>

#include "editor/dialog_look.h"
#include "editor/ui_text.h"

namespace vyr {

namespace {

// A multi-line edit has no editingFinished or doubleClicked signal: its focus leaving and
// the double clicks on its viewport are watched instead.
class EventFilter : public QObject {
 public:
  EventFilter(QEvent::Type type, std::function<void()> onEvent, QObject* parent)
      : QObject(parent), m_type(type), m_onEvent(std::move(onEvent)) {}

 protected:
  bool eventFilter(QObject* /*target*/, QEvent* event) override {
    if (event->type() == m_type) m_onEvent();
    return false;
  }

 private:
  QEvent::Type m_type;
  std::function<void()> m_onEvent;
};

}  // namespace

CModelDlg::CModelDlg(CDialogModel& model, IInteractionPort& port, QWidget* parent)
    : QDialog(parent), m_model(model), m_port(port) {
  UseDialogFrame(*this);
}

DialogResult CModelDlg::Run() {
  m_model.BeginRun();
  m_model.OnInitDialog();
  LimitEdits();
  LoadControls();
  ApplyModelState();
  if (std::optional<DialogResult> ended = m_model.EndResult()) return *ended;
  FitTitle(*this);
  const int result = exec();
  if (std::optional<DialogResult> ended = m_model.EndResult()) return *ended;
  if (result == QDialog::Accepted) return DialogResult::Ok;
  m_model.OnCancel();
  return DialogResult::Cancel;
}

void CModelDlg::LoadControls() {
  const bool wasLoading = std::exchange(m_loading, true);
  Load();
  m_loading = wasLoading;
  m_model.TakeReload();
}

void CModelDlg::ControlEventRaised(int id, ControlEvent event) {
  // Loading the controls moves selections and focus too; those are not the user's.
  if (m_loading || m_model.EndResult() || !isVisible()) return;
  Store();
  m_model.OnControlEvent(id, event, m_port);
  ApplyModelState();
}

CModelDlg::~CModelDlg() {
  for (const QPointer<QObject>& watcher : m_eventWatchers) delete watcher.data();
}

void CModelDlg::ApplyModelState() {
  if (m_model.TakeReload()) LoadControls();
  if (!m_model.Caption().empty()) setWindowTitle(UiText(m_model.Caption().c_str()));
  if (std::optional<DialogResult> ended = m_model.EndResult(); ended && isVisible())
    done(*ended == DialogResult::Ok ? QDialog::Accepted : QDialog::Rejected);
}

QWidget* CModelDlg::Control(int id) const {
  auto found = m_controls.find(id);
  return found == m_controls.end() ? nullptr : found->second;
}

void CModelDlg::Bind(int id, QWidget* control) {
  control->setObjectName(QStringLiteral("control%1").arg(id));
  m_controls[id] = control;
  auto raise = [this, id](ControlEvent event) { return [this, id, event] { ControlEventRaised(id, event); }; };
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    connect(button, &QAbstractButton::clicked, this, raise(ControlEvent::Clicked));
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    connect(edit, &QLineEdit::editingFinished, this, raise(ControlEvent::FocusLost));
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
    m_eventWatchers.push_back(new EventFilter(QEvent::FocusOut, raise(ControlEvent::FocusLost), text));
    text->installEventFilter(m_eventWatchers.back());
    m_eventWatchers.push_back(new EventFilter(QEvent::MouseButtonDblClick, raise(ControlEvent::DoubleClicked), text));
    text->viewport()->installEventFilter(m_eventWatchers.back());
  } else if (auto* list = qobject_cast<QListWidget*>(control)) {
    connect(list, &QListWidget::currentRowChanged, this, raise(ControlEvent::SelectionChanged));
    connect(list, &QListWidget::itemDoubleClicked, this, raise(ControlEvent::DoubleClicked));
  } else if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
    connect(tree, &QTreeWidget::currentItemChanged, this, raise(ControlEvent::SelectionChanged));
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    connect(combo, &QComboBox::currentIndexChanged, this, raise(ControlEvent::SelectionChanged));
  } else if (auto* tabs = qobject_cast<QTabBar*>(control)) {
    connect(tabs, &QTabBar::currentChanged, this, raise(ControlEvent::SelectionChanged));
  }
}

void CModelDlg::AddButtons(QBoxLayout* layout) {
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(UiText("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(UiText("Anuluj"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void CModelDlg::LimitEdits() {
  if (auto* limited = dynamic_cast<CFieldDialogModel*>(&m_model)) m_fields = limited->Fields();
  for (const DialogField& field : m_fields) {
    auto* edit = qobject_cast<QLineEdit*>(Control(field.control));
    // One byte per character: Windows-1250 is a single-byte code page. A text the model
    // keeps unless edited is shown whole, never cut.
    const size_t shown = field.unedited ? std::max(field.maxBytes, field.unedited->size()) : field.maxBytes;
    if (edit && !field.IsNumber()) edit->setMaxLength(int(shown));
  }
}

bool CModelDlg::EditsEncode() {
  for (const DialogField& field : m_fields) {
    auto* edit = qobject_cast<QLineEdit*>(Control(field.control));
    std::string bytes;
    QString unmappable;
    if (!edit || field.path || ToBytes(edit->text(), bytes, &unmappable)) continue;
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

void UppercaseTyping(QWidget* edit) { edit->installEventFilter(new UppercaseFilter(edit)); }

void DigitsOnly(QLineEdit* edit) {
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

void SignedDigitsOnly(QLineEdit* edit) {
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), edit));
}

}  // namespace vyr
