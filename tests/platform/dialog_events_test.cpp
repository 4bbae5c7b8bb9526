// Control events of dialog models, played headlessly: fields changed and reloaded, a nested dialog, the caption, EndDialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/interaction_port.h"
#include "platform/scripted_interaction.h"

namespace vyr {
namespace {

// Button 1 counts up, button 2 asks another dialog for a word, list 3 names the caption
// after the selected row, button 4 ends the dialog with OK, button 5 with Cancel.
class CounterDialog final : public CDialogModel {
 public:
  int TemplateId() const override { return 900; }
  void OnInitDialog() override { m_count = 0; }
  bool OnOK(IInteractionPort& /*port*/) override { return ++m_okCalls, true; }
  void OnCancel() override { ++m_cancelCalls; }
  void OnControlEvent(int control, ControlEvent event, IInteractionPort& port) override {
    if (control == 1 && event == ControlEvent::Clicked) {
      ++m_count;
      ReloadFields();
    } else if (control == 2 && event == ControlEvent::Clicked) {
      CounterDialog inner;
      if (port.RunDialog(inner) == DialogResult::Ok) m_word = "count " + std::to_string(inner.m_count);
      ReloadFields();
    } else if (control == 3 && event == ControlEvent::SelectionChanged) {
      SetCaption("Row " + std::to_string(m_row));
    } else if (control == 4 || control == 5) {
      EndDialog(control == 4 ? DialogResult::Ok : DialogResult::Cancel);
    }
  }

  int m_count = 0;
  int m_row = 0;
  std::string m_word;
  int m_okCalls = 0;
  int m_cancelCalls = 0;
};

TEST(DialogEventsTest, EventsChangeFieldsRunNestedDialogsAndRename) {
  ScriptedInteraction user;
  CounterDialog dialog;
  user.QueueDialogOk([&](CDialogModel&, int) {
    dialog.OnControlEvent(1, ControlEvent::Clicked, user);
    dialog.OnControlEvent(1, ControlEvent::FocusLost, user);  // not a click: ignored
    EXPECT_EQ(dialog.m_count, 1);
    EXPECT_TRUE(dialog.TakeReload());
    EXPECT_FALSE(dialog.TakeReload()) << "a reload is asked for once";
    dialog.OnControlEvent(2, ControlEvent::Clicked, user);  // the inner dialog counts to 2
    dialog.m_row = 7;
    dialog.OnControlEvent(3, ControlEvent::SelectionChanged, user);
  });
  user.QueueDialogOk([&](CDialogModel& inner, int) {
    inner.OnControlEvent(1, ControlEvent::Clicked, user);
    inner.OnControlEvent(1, ControlEvent::Clicked, user);
  });
  EXPECT_EQ(user.RunDialog(dialog), DialogResult::Ok);
  EXPECT_EQ(dialog.m_word, "count 2");
  EXPECT_TRUE(dialog.TakeReload());
  EXPECT_EQ(dialog.Caption(), "Row 7");
  EXPECT_EQ(dialog.m_okCalls, 1);
  EXPECT_EQ(user.Log(), (std::vector<std::string>{"dialog 900: ok", "dialog 900: ok"}));
}

TEST(DialogEventsTest, EndDialogSkipsOkAndCancelAndLastsOneRun) {
  for (int button : {4, 5}) {
    ScriptedInteraction user;
    CounterDialog dialog;
    user.QueueDialogOk([&](CDialogModel&, int) { dialog.OnControlEvent(button, ControlEvent::Clicked, user); });
    EXPECT_EQ(user.RunDialog(dialog), button == 4 ? DialogResult::Ok : DialogResult::Cancel) << button;
    EXPECT_EQ(dialog.m_okCalls + dialog.m_cancelCalls, 0) << button;
    user.QueueDialogOk();  // run again: the earlier end is forgotten and OK is asked
    EXPECT_EQ(user.RunDialog(dialog), DialogResult::Ok);
    EXPECT_EQ(dialog.m_okCalls, 1);
  }
}

}  // namespace
}  // namespace vyr
