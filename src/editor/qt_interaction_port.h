// The interaction port on Qt: message boxes, beeps, the wait cursor, a progress window,
// file dialogs and the thin Qt dialogs registered for each dialog model.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>

#include "platform/interaction_port.h"
#include "platform/progress_gate.h"

class QProgressDialog;

namespace vyr {

class QtInteractionPort final : public IInteractionPort {
 public:
  // Builds and runs the Qt dialog for a model (copying fields in and out) and returns
  // how it ended.
  using DialogRunner = std::function<DialogResult(CDialogModel&, IInteractionPort&, QWidget* parent)>;

  explicit QtInteractionPort(QString caption);
  ~QtInteractionPort() override;

  // Message boxes and dialogs are centred on this window.
  void SetParentWindow(QWidget* parent) { m_parent = parent; }

  // Registers the Qt dialog for a dialog template number.
  static void RegisterDialog(int templateId, DialogRunner runner);
  static bool HasDialog(int templateId);

  // Qt name filters from the framework's "Name|*.a;*.b|...||" form.
  static QStringList NameFilters(std::string_view filter);

  Answer ShowMessage(std::string_view text, MessageIcon icon, MessageButtons buttons) override;
  void Beep(BeepKind kind = BeepKind::Default) override;
  void ShowStatus(std::string_view text) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void BeginProgress(std::string_view text, int maximum, bool cancellable = false) override;
  void SetProgress(int value) override;
  void EndProgress() override;
  bool ProgressCancelled() override;
  std::optional<ListChoice> ChooseFromList(std::string_view title, const std::vector<std::string>& entries,
                                           bool canRemove) override;
  // Tests give the progress window's clock.
  void SetProgressClock(ProgressGate::Clock clock) { m_gate = ProgressGate(std::move(clock)); }
  std::optional<std::string> AskOpenFileName(std::string_view title, std::string_view filter,
                                             std::string_view initialPath) override;
  std::optional<std::string> AskSaveFileName(std::string_view title, std::string_view filter,
                                             std::string_view initialPath) override;
  DialogResult RunDialog(CDialogModel& model) override;

 private:
  static std::map<int, DialogRunner>& Registry();
  QString Caption() const;
  std::optional<std::string> AskFileName(bool save, std::string_view title, std::string_view filter,
                                         std::string_view initialPath);

  QString m_caption;
  QPointer<QWidget> m_parent;
  QPointer<QProgressDialog> m_progress;
  ProgressGate m_gate;
  QString m_progressText;
  int m_progressMaximum = 0;
  int m_progressValue = 0;
  bool m_progressCancellable = false;
  int64_t m_lastEvents = 0;
  int m_waitDepth = 0;
};

}  // namespace vyr
