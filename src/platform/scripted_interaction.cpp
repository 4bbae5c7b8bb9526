// Scripted user for tests: queued answers and a log of every call.
#include "platform/scripted_interaction.h"

namespace vyr {
namespace {

const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Ok: return "ok";
    case Answer::Cancel: return "cancel";
    case Answer::Yes: return "yes";
    case Answer::No: return "no";
  }
  return "?";
}

}  // namespace

void ScriptedInteraction::QueueDialogOk(std::function<void(CDialogModel&, int)> edit, int attempts) {
  QueueDialog([this, edit = std::move(edit), attempts](CDialogModel& model) {
    model.OnInitDialog();
    for (int attempt = 0; attempt < attempts; ++attempt) {
      if (edit) edit(model, attempt);
      // A control event may have ended the dialog from code.
      if (std::optional<DialogResult> ended = model.EndResult()) return *ended;
      if (model.OnOK(*this)) return DialogResult::Ok;
    }
    model.OnCancel();
    return DialogResult::Cancel;
  });
}

void ScriptedInteraction::QueueDialogCancel() {
  QueueDialog([](CDialogModel& model) {
    model.OnInitDialog();
    model.OnCancel();
    return DialogResult::Cancel;
  });
}

Answer ScriptedInteraction::ShowMessage(std::string_view text, MessageIcon, MessageButtons buttons) {
  if (buttons == MessageButtons::Ok) {
    m_log.push_back("message: " + std::string(text));
    return Answer::Ok;
  }
  Answer answer =
      buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoDefaultNo ? Answer::No : Answer::Cancel;
  if (m_answers.empty()) {
    m_unexpected.push_back("question: " + std::string(text));
  } else {
    answer = m_answers.front();
    m_answers.pop_front();
  }
  m_log.push_back("question: " + std::string(text) + " -> " + AnswerName(answer));
  return answer;
}

void ScriptedInteraction::ShowStatus(std::string_view text) { m_log.push_back("status: " + std::string(text)); }

void ScriptedInteraction::Beep(BeepKind kind) {
  m_log.push_back(kind == BeepKind::Exclamation ? "beep exclamation" : "beep");
}

void ScriptedInteraction::BeginWaitCursor() { ++m_waitDepth; }

void ScriptedInteraction::EndWaitCursor() {
  if (m_waitDepth == 0) {
    m_unexpected.push_back("wait cursor ended without a start");
    return;
  }
  --m_waitDepth;
}

void ScriptedInteraction::BeginProgress(std::string_view text, int maximum, bool) {
  m_log.push_back("progress: " + std::string(text) + " / " + std::to_string(maximum));
  m_progressSteps = 0;
}

void ScriptedInteraction::SetProgress(int) { ++m_progressSteps; }

bool ScriptedInteraction::ProgressCancelled() { return m_cancelAt >= 0 && m_progressSteps >= m_cancelAt; }

std::optional<IInteractionPort::ListChoice> ScriptedInteraction::ChooseFromList(std::string_view title,
                                                                               const std::vector<std::string>& entries,
                                                                               bool) {
  std::string line = "list " + std::string(title) + ":";
  for (size_t i = 0; i < entries.size(); ++i) line += (i ? "|" : " ") + entries[i];
  m_log.push_back(line);
  if (m_listChoices.empty()) {
    m_unexpected.push_back(line);
    return std::nullopt;
  }
  const std::optional<ListChoice> choice = m_listChoices.front();
  m_listChoices.pop_front();
  return choice;
}

void ScriptedInteraction::EndProgress() { m_log.push_back("progress end"); }

std::optional<std::string> ScriptedInteraction::NextFileName(const char* kind, std::string_view title) {
  std::optional<std::string> name;
  if (m_fileNames.empty()) {
    m_unexpected.push_back(std::string(kind) + ": " + std::string(title));
  } else {
    name = m_fileNames.front();
    m_fileNames.pop_front();
  }
  m_log.push_back(std::string(kind) + ": " + std::string(title) + " -> " + name.value_or("(cancel)"));
  return name;
}

std::optional<std::string> ScriptedInteraction::AskOpenFileName(std::string_view title, std::string_view,
                                                                std::string_view) {
  return NextFileName("open file", title);
}

std::optional<std::string> ScriptedInteraction::AskSaveFileName(std::string_view title, std::string_view,
                                                                std::string_view) {
  return NextFileName("save file", title);
}

DialogResult ScriptedInteraction::RunDialog(CDialogModel& model) {
  const std::string name = "dialog " + std::to_string(model.TemplateId());
  if (m_dialogs.empty()) {
    m_unexpected.push_back(name);
    m_log.push_back(name + ": cancel");
    return DialogResult::Cancel;
  }
  DialogScript script = std::move(m_dialogs.front());
  m_dialogs.pop_front();
  model.BeginRun();
  DialogResult result = script(model);
  m_log.push_back(name + (result == DialogResult::Ok ? ": ok" : ": cancel"));
  return result;
}

}  // namespace vyr
