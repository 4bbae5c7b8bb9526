// Control events through the Qt binding, offscreen: a click reloads a field, a list names the caption, a button runs a nested dialog, another ends the dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <string>

#include "editor/model_dialog.h"
#include "editor/qt_interaction_port.h"
#include "editor/test_application.h"

namespace vyr {
namespace {

constexpr int kTemplate = 901;
constexpr int kCount = 1, kAdd = 2, kRows = 3, kNested = 4, kEnd = 5;

using test::EnsureApplication;

class CountModel final : public CDialogModel {
 public:
  int TemplateId() const override { return kTemplate; }
  void OnControlEvent(int control, ControlEvent event, IInteractionPort& port) override {
    if (control == kAdd && event == ControlEvent::Clicked) {
      m_count = std::to_string(std::stoi(m_count.empty() ? "0" : m_count) + 1);
      ReloadFields();
    } else if (control == kRows && event == ControlEvent::SelectionChanged) {
      SetCaption("Row " + std::to_string(m_row));
    } else if (control == kNested && event == ControlEvent::Clicked) {
      CountModel inner;
      inner.m_count = "40";
      if (port.RunDialog(inner) == DialogResult::Ok) m_count = inner.m_count;
      ReloadFields();
    } else if (control == kEnd && event == ControlEvent::Clicked) {
      EndDialog(DialogResult::Ok);
    }
  }
  std::string m_count;
  int m_row = -1;
};

class CountDlg final : public CModelDlg {
 public:
  CountDlg(CountModel& model, IInteractionPort& port, QWidget* parent) : CModelDlg(model, port, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    m_edit = new QLineEdit(this);
    m_list = new QListWidget(this);
    m_list->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    Bind(kCount, m_edit);
    Bind(kRows, m_list);
    layout->addWidget(m_edit);
    layout->addWidget(m_list);
    for (int id : {kAdd, kNested, kEnd}) {
      auto* button = new QPushButton(QString::number(id), this);
      Bind(id, button);
      layout->addWidget(button);
    }
  }
  QPushButton* Button(int id) const { return qobject_cast<QPushButton*>(Control(id)); }
  QLineEdit* m_edit;
  QListWidget* m_list;

 protected:
  void Load() override { m_edit->setText(QString::fromStdString(m_model.m_count)); }
  void Store() override {
    m_model.m_count = m_edit->text().toStdString();
    m_model.m_row = m_list->currentRow();
  }

 private:
  CountModel& m_model;
};

TEST(ModelDialogEvents, ClicksSelectionsNestedDialogsAndEndingFromCode) {
  EnsureApplication();
  QtInteractionPort port(QStringLiteral("Test"));
  int innerRuns = 0;
  QtInteractionPort::RegisterDialog(kTemplate, [&](CDialogModel& model, IInteractionPort& p, QWidget* parent) {
    ++innerRuns;
    CountDlg inner(static_cast<CountModel&>(model), p, parent);
    // The nested dialog adds one and ends itself.
    QTimer::singleShot(0, [&] {
      EXPECT_EQ(parent->windowTitle(), QStringLiteral("Row 2")) << "the nested dialog sits on the outer one";
      inner.Button(kAdd)->click();
      inner.Button(kEnd)->click();
    });
    return inner.Run();
  });
  CountModel model;
  model.m_count = "5";
  CountDlg dialog(model, port, nullptr);
  QTimer::singleShot(0, [&] {
    dialog.m_edit->setText(QStringLiteral("7"));
    dialog.Button(kAdd)->click();  // the typed 7 is stored before the model counts
    EXPECT_EQ(dialog.m_edit->text(), QStringLiteral("8"));
    dialog.m_list->setCurrentRow(2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Row 2"));
    dialog.Button(kNested)->click();
    EXPECT_EQ(dialog.m_edit->text(), QStringLiteral("41"));
    dialog.Button(kEnd)->click();
  });
  EXPECT_EQ(dialog.Run(), DialogResult::Ok);
  EXPECT_EQ(innerRuns, 1);
  EXPECT_EQ(model.m_count, "41");
  EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace vyr
