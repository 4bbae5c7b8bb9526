// Qt implementation of the interaction port.
#include "editor/qt_interaction_port.h"

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <QStatusBar>

#include "editor/qt_text.h"
#include "editor/ui_text.h"
#include "platform/file_filter.h"

namespace vyr {
namespace {

QMessageBox::Icon IconFor(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// Runs `show` with the arrow cursor: a wait cursor must not hide it while the user answers.
template <typename Show>
auto WithArrow(bool waiting, Show show) {
  if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
  auto result = show();
  if (waiting) QApplication::restoreOverrideCursor();
  return result;
}

}  // namespace

QtInteractionPort::QtInteractionPort(QString caption) : m_caption(std::move(caption)) {}

// Set before the language is chosen, so translated when shown.
QString QtInteractionPort::Caption() const { return UiText(m_caption.toStdString()); }

QtInteractionPort::~QtInteractionPort() {
  while (m_waitDepth > 0) EndWaitCursor();
  EndProgress();
}

std::map<int, QtInteractionPort::DialogRunner>& QtInteractionPort::Registry() {
  static std::map<int, DialogRunner> registry;
  return registry;
}

void QtInteractionPort::RegisterDialog(int templateId, DialogRunner runner) {
  Registry()[templateId] = std::move(runner);
}

bool QtInteractionPort::HasDialog(int templateId) { return Registry().contains(templateId); }

QStringList QtInteractionPort::NameFilters(std::string_view filter) {
  QStringList filters;
  for (const FileFilter& entry : ParseFileFilter(filter)) {
    QString label = UiText(QString::fromUtf8(entry.label).trimmed().toStdString());
    // Qt reads the patterns from the parentheses, so they must be blank-separated there.
    if (label.endsWith(QLatin1Char(')'))) {
      const qsizetype open = label.lastIndexOf(QLatin1Char('('));
      if (open >= 0) label = label.left(open).trimmed();
    }
    QStringList patterns;
    for (const std::string& pattern : entry.patterns) patterns << QString::fromStdString(pattern);
    filters << QStringLiteral("%1 (%2)").arg(label, patterns.join(QLatin1Char(' ')));
  }
  return filters;
}

Answer QtInteractionPort::ShowMessage(std::string_view text, MessageIcon icon, MessageButtons buttons) {
  QMessageBox box(IconFor(icon), Caption(), UiText(text), QMessageBox::NoButton, m_parent);
  switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case MessageButtons::YesNoDefaultNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);
      break;
  }
  const int result = WithArrow(m_waitDepth > 0, [&] { return box.exec(); });
  switch (result) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
  }
}

// Qt has one system beep for both kinds.
void QtInteractionPort::Beep(BeepKind) { QApplication::beep(); }

void QtInteractionPort::ShowStatus(std::string_view text) {
  constexpr int kShownMs = 5000;
  auto* window = qobject_cast<QMainWindow*>(m_parent ? m_parent->window() : nullptr);
  if (window) window->statusBar()->showMessage(UiText(text), kShownMs);
}

void QtInteractionPort::BeginWaitCursor() {
  ++m_waitDepth;
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtInteractionPort::EndWaitCursor() {
  if (m_waitDepth == 0) return;
  --m_waitDepth;
  QApplication::restoreOverrideCursor();
}

void QtInteractionPort::BeginProgress(std::string_view text, int maximum, bool cancellable) {
  EndProgress();
  m_progressText = UiText(text);
  m_progressMaximum = maximum;
  m_progressValue = 0;
  m_progressCancellable = cancellable;
  m_lastEvents = 0;
  m_gate.Start();
}

void QtInteractionPort::SetProgress(int value) {
  if (!m_gate.Running()) return;
  m_progressValue = value;
  if (!m_progress && m_gate.Due()) {
    m_progress = new QProgressDialog(m_progressText, m_progressCancellable ? UiText("Anuluj") : QString(), 0,
                                     m_progressMaximum, m_parent);
    m_progress->setWindowTitle(Caption());
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
  }
  if (!m_progress) return;
  // The window answers a few times a second without the work paying for each step.
  const int64_t now = SteadyMilliseconds();
  if (m_lastEvents != 0 && now - m_lastEvents < 40) return;
  m_lastEvents = now;
  m_progress->setValue(std::min(value, m_progressMaximum > 0 ? m_progressMaximum : value));
  // Only a cancellable window takes the user's clicks; it is modal to the frame.
  QApplication::processEvents(m_progressCancellable ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

void QtInteractionPort::EndProgress() {
  m_gate.Stop();
  if (!m_progress) return;
  m_progress->close();
  delete m_progress;
}

bool QtInteractionPort::ProgressCancelled() { return m_progress && m_progress->wasCanceled(); }

std::optional<IInteractionPort::ListChoice> QtInteractionPort::ChooseFromList(std::string_view title,
                                                                             const std::vector<std::string>& entries,
                                                                             bool canRemove) {
  QDialog dialog(QApplication::activeModalWidget() ? QApplication::activeModalWidget() : m_parent.data());
  dialog.setWindowTitle(UiText(title));
  auto* list = new QListWidget(&dialog);
  for (const std::string& entry : entries) list->addItem(FromUtf8(entry));
  list->setCurrentRow(0);
  auto* buttons = new QDialogButtonBox(&dialog);
  QPushButton* open = buttons->addButton(UiText("Otwórz"), QDialogButtonBox::AcceptRole);
  QPushButton* remove = canRemove ? buttons->addButton(UiText("Usuń"), QDialogButtonBox::DestructiveRole) : nullptr;
  buttons->addButton(UiText("Anuluj"), QDialogButtonBox::RejectRole);
  open->setDefault(true);
  bool removed = false;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  if (remove) QObject::connect(remove, &QPushButton::clicked, &dialog, [&] {
      removed = true;
      dialog.accept();
    });
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(list);
  layout->addWidget(buttons);
  dialog.resize(520, 300);
  if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
  return ListChoice{list->currentRow(), removed};
}

std::optional<std::string> QtInteractionPort::AskFileName(bool save, std::string_view title, std::string_view filter,
                                                          std::string_view initialPath) {
  QFileDialog dialog(m_parent, UiText(title), FromUtf8(initialPath));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(NameFilters(filter));
  // Choosing a name must never cost a file: no Delete key, no rename in the dialog.
  dialog.setOption(QFileDialog::ReadOnly);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtInteractionPort::AskOpenFileName(std::string_view title, std::string_view filter,
                                                              std::string_view initialPath) {
  return AskFileName(false, title, filter, initialPath);
}

std::optional<std::string> QtInteractionPort::AskSaveFileName(std::string_view title, std::string_view filter,
                                                              std::string_view initialPath) {
  return AskFileName(true, title, filter, initialPath);
}

DialogResult QtInteractionPort::RunDialog(CDialogModel& model) {
  auto found = Registry().find(model.TemplateId());
  if (found == Registry().end()) {
    ShowMessage("This dialog is not available yet (template " + std::to_string(model.TemplateId()) + ").",
                MessageIcon::Error, MessageButtons::Ok);
    return DialogResult::Cancel;
  }
  // A dialog run from another dialog's control stays above that one.
  QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : m_parent.data();
  // A dialog asked for during long work (resource location while opening) gets the arrow.
  return WithArrow(m_waitDepth > 0, [&] { return found->second(model, *this, parent); });
}

}  // namespace vyr
