// A scripted, recording stand-in for the user, for tests of every layer.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/interaction_port.h"

namespace vyr {

// Answers come from queues in the order the test gives them; every call is logged as a
// line ("question: <text>", "message: <text>", "beep", "dialog <id>: ok", ...). A call
// with no scripted answer is answered No / Cancel / no file and noted in Unexpected().
class ScriptedInteraction final : public IInteractionPort {
 public:
  using DialogScript = std::function<DialogResult(CDialogModel&)>;

  void QueueAnswer(Answer answer) { m_answers.push_back(answer); }
  void QueueFileName(std::optional<std::string> name) { m_fileNames.push_back(std::move(name)); }
  // The script plays the user: it may change the model's fields before answering.
  void QueueDialog(DialogScript script) { m_dialogs.push_back(std::move(script)); }
  // Runs OnInitDialog, lets `edit` change the fields (and raise control events through
  // OnControlEvent, with this port), then OnOK until it accepts (at most `attempts` times,
  // `edit` running again before each retry), else cancels. A dialog the model ended from
  // code returns its result without OnOK.
  void QueueDialogOk(std::function<void(CDialogModel&, int attempt)> edit = {}, int attempts = 1);
  void QueueDialogCancel();

  const std::vector<std::string>& Log() const { return m_log; }
  const std::vector<std::string>& Unexpected() const { return m_unexpected; }
  bool AllScriptUsed() const {
    return m_answers.empty() && m_fileNames.empty() && m_dialogs.empty() && m_listChoices.empty();
  }
  int WaitDepth() const { return m_waitDepth; }
  void ClearLog() { m_log.clear(); }

  Answer ShowMessage(std::string_view text, MessageIcon icon, MessageButtons buttons) override;
  // Logged as "beep", or "beep exclamation".
  void Beep(BeepKind kind = BeepKind::Default) override;
  // Logged as "status: <text>".
  void ShowStatus(std::string_view text) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void BeginProgress(std::string_view text, int maximum, bool cancellable = false) override;
  void SetProgress(int value) override;
  void EndProgress() override;
  // True from the progress step `step` on (counting SetProgress calls since BeginProgress).
  void CancelProgressAt(int step) { m_cancelAt = step; }
  bool ProgressCancelled() override;
  // Logged as "list <title>: <entries joined by '|'>"; answered from QueueListChoice.
  void QueueListChoice(std::optional<ListChoice> choice) { m_listChoices.push_back(choice); }
  std::optional<ListChoice> ChooseFromList(std::string_view title, const std::vector<std::string>& entries,
                                           bool canRemove) override;
  std::optional<std::string> AskOpenFileName(std::string_view title, std::string_view filter,
                                             std::string_view initialPath) override;
  std::optional<std::string> AskSaveFileName(std::string_view title, std::string_view filter,
                                             std::string_view initialPath) override;
  DialogResult RunDialog(CDialogModel& model) override;

 private:
  std::optional<std::string> NextFileName(const char* kind, std::string_view title);

  std::deque<Answer> m_answers;
  std::deque<std::optional<std::string>> m_fileNames;
  std::deque<DialogScript> m_dialogs;
  std::deque<std::optional<ListChoice>> m_listChoices;
  int m_cancelAt = -1;
  int m_progressSteps = 0;
  std::vector<std::string> m_log;
  std::vector<std::string> m_unexpected;
  int m_waitDepth = 0;
};

}  // namespace vyr
