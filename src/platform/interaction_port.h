// How code below the Qt layer talks to the user: questions, messages, beeps, wait
// cursor, progress, file names and modal dialogs. The editor implements it with Qt;
// tests use ScriptedInteraction.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vyr {

enum class MessageIcon { None, Information, Warning, Error, Question };
// YesNoDefaultNo: Enter answers No, for questions where Yes may do harm.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };
// The numbers are the Windows IDOK ... IDNO values.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
enum class DialogResult { Ok = 1, Cancel = 2 };
// The Windows sounds a beep names: MessageBeep(0) and MessageBeep(MB_ICONEXCLAMATION).
enum class BeepKind { Default, Exclamation };

class IInteractionPort;

// What happened to a control: a button, check box or radio button was clicked, a list's or
// combo box's selection changed, the focus left an edit, or a list entry was double-clicked.
enum class ControlEvent { Clicked, SelectionChanged, FocusLost, DoubleClicked };

// The model of a modal dialog: fields as plain data, filled by OnInitDialog and checked
// by OnOK. The Qt layer copies fields into its controls after OnInitDialog and back
// before OnOK; OnOK returning false keeps the dialog open with FocusControl focused.
// Between the two, each control event reaches OnControlEvent with the controls' values
// already copied into the fields; there the model may change fields and ask for them to
// be shown again (ReloadFields), change the caption, run another dialog through the
// port, or end the dialog (EndDialog, which skips OnOK and OnCancel).
class CDialogModel {
 public:
  virtual ~CDialogModel() = default;
  // The dialog template number the Qt layer builds its dialog for (0 when none).
  virtual int TemplateId() const = 0;
  virtual void OnInitDialog() {}
  virtual bool OnOK(IInteractionPort& /*port*/) { return true; }
  virtual void OnCancel() {}
  virtual void OnControlEvent(int /*control*/, ControlEvent /*event*/, IInteractionPort& /*port*/) {}
  int FocusControl() const { return m_focusControl; }

  // For the port that runs the dialog: called before OnInitDialog, so a model can run again.
  void BeginRun() {
    m_reload = false;
    m_end.reset();
  }
  // True once after the model asked for its fields to be shown again.
  bool TakeReload() { return std::exchange(m_reload, false); }
  // The caption the model set; empty keeps the dialog's own.
  const std::string& Caption() const { return m_caption; }
  // The result EndDialog gave, once it was called.
  std::optional<DialogResult> EndResult() const { return m_end; }

 protected:
  void SetFocusControl(int control) { m_focusControl = control; }
  void ReloadFields() { m_reload = true; }
  void SetCaption(std::string caption) { m_caption = std::move(caption); }
  void EndDialog(DialogResult result) { m_end = result; }

 private:
  int m_focusControl = 0;
  bool m_reload = false;
  std::string m_caption;
  std::optional<DialogResult> m_end;
};

class IInteractionPort {
 public:
  virtual ~IInteractionPort() = default;

  // A message box; the caption is the application title.
  virtual Answer ShowMessage(std::string_view text, MessageIcon icon, MessageButtons buttons) = 0;
  virtual void Beep(BeepKind kind = BeepKind::Default) = 0;
  // Tells the outcome of an action in the status bar's message pane for a few seconds,
  // without a box to dismiss.
  virtual void ShowStatus(std::string_view text) = 0;

  // Nested begin/end pairs; the cursor returns when the outermost pair ends.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;

  // A progress window for a long task; `maximum` 0 shows a busy indicator. It shows only
  // once the task has run half a second. With `cancellable` it has "Anuluj", and
  // ProgressCancelled turns true once the user pressed it.
  virtual void BeginProgress(std::string_view text, int maximum, bool cancellable = false) = 0;
  virtual void SetProgress(int value) = 0;
  virtual void EndProgress() = 0;
  virtual bool ProgressCancelled() = 0;

  // What the user did with a list: opened an entry, or removed it.
  struct ListChoice {
    int index = -1;
    bool remove = false;
  };
  // A modal list of `entries` under `title` with "Otwórz" (and "Usuń" when `canRemove`);
  // nothing when cancelled.
  virtual std::optional<ListChoice> ChooseFromList(std::string_view title, const std::vector<std::string>& entries,
                                                   bool canRemove) = 0;

  // `filter` uses the framework's form: "Name (*.a)|*.a;*.b|All (*.*)|*.*||".
  virtual std::optional<std::string> AskOpenFileName(std::string_view title, std::string_view filter,
                                                     std::string_view initialPath) = 0;
  virtual std::optional<std::string> AskSaveFileName(std::string_view title, std::string_view filter,
                                                     std::string_view initialPath) = 0;

  virtual DialogResult RunDialog(CDialogModel& model) = 0;

  // Convenience forms.
  void Message(std::string_view text, MessageIcon icon = MessageIcon::Information) {
    ShowMessage(text, icon, MessageButtons::Ok);
  }
  bool AskYesNo(std::string_view text, MessageIcon icon = MessageIcon::Question) {
    return ShowMessage(text, icon, MessageButtons::YesNo) == Answer::Yes;
  }
  Answer AskYesNoCancel(std::string_view text, MessageIcon icon = MessageIcon::Warning) {
    return ShowMessage(text, icon, MessageButtons::YesNoCancel);
  }
};

// Shows the wait cursor for its lifetime.
class WaitCursor {
 public:
  explicit WaitCursor(IInteractionPort& port) : m_port(port) { m_port.BeginWaitCursor(); }
  ~WaitCursor() { m_port.EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  IInteractionPort& m_port;
};

}  // namespace vyr
