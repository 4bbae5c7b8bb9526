// The thin Qt layer, offscreen: accelerator keys, scroll-bar steps, the real message box, read-only file dialogs.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "commands/view_model_fakes.h"
#include "editor/accelerator_keys.h"
#include "editor/qt_interaction_port.h"
#include "editor/test_application.h"
#include "editor/world_view.h"
#include "res/resources.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

using test::EnsureApplication;

// Windows virtual-key codes as the accelerator tables store them.
Qt::Key QtKeyOfVirtualKey(uint16_t code) {
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) return Qt::Key(code);
  static const std::map<uint16_t, Qt::Key> keys = {
      {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},    {0x0D, Qt::Key_Return}, {0x20, Qt::Key_Space},
      {0x21, Qt::Key_PageUp},    {0x22, Qt::Key_PageDown}, {0x23, Qt::Key_End},  {0x24, Qt::Key_Home},
      {0x25, Qt::Key_Left},      {0x26, Qt::Key_Up},     {0x27, Qt::Key_Right},  {0x28, Qt::Key_Down},
      {0x2D, Qt::Key_Insert},    {0x2E, Qt::Key_Delete}, {0x6B, Qt::Key_Plus},   {0x6D, Qt::Key_Minus},
      {0x70, Qt::Key_F1},        {0x74, Qt::Key_F5},     {0xBB, Qt::Key_Equal},  {0xBD, Qt::Key_Minus},
  };
  auto found = keys.find(code);
  return found == keys.end() ? Qt::Key_unknown : found->second;
}

TEST(QtLayerTest, EveryAcceleratorMapsToItsQtKey) {
  for (int table : {res::kMenuTileMode, res::kMenuObjectMode}) {
    for (const res::Accelerator& accelerator : res::Accelerators(table)) {
      const Qt::Key key = QtKeyOfVirtualKey(accelerator.key);
      ASSERT_NE(key, Qt::Key_unknown) << "virtual key " << accelerator.key << " in table " << table;
      Qt::KeyboardModifiers mods;
      if (accelerator.modifiers & res::kShift) mods |= Qt::ShiftModifier;
      if (accelerator.modifiers & res::kControl) mods |= Qt::ControlModifier;
      if (accelerator.modifiers & res::kAlt) mods |= Qt::AltModifier;
      if (accelerator.key == 0x6B || accelerator.key == 0x6D) mods |= Qt::KeypadModifier;
      const QList<QKeySequence> sequences = KeySequencesFor(accelerator);
      ASSERT_FALSE(sequences.isEmpty()) << "virtual key " << accelerator.key;
      const QKeySequence expected(QKeyCombination(mods, key));
      EXPECT_EQ(sequences.front(), expected)
          << "virtual key " << accelerator.key << " in table " << table << " gave "
          << sequences.front().toString().toStdString() << ", not " << expected.toString().toStdString();
    }
  }
}

TEST(QtLayerTest, ScrollBarsPageByTheWindowLessOneTile) {
  EnsureApplication();
  viewtest::FakeViewDocument document;
  document.plane = viewtest::MakeViewPlane(200, 200, 64, 32);
  CWorldView view;
  view.resize(400 + 2 * view.frameWidth(), 300 + 2 * view.frameWidth());
  view.SetDocument(&document);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  EXPECT_EQ(view.horizontalScrollBar()->pageStep(), view.viewport()->width() - 64);
  EXPECT_EQ(view.verticalScrollBar()->pageStep(), view.viewport()->height() - 32);
  EXPECT_EQ(view.verticalScrollBar()->singleStep(), 32);
}

TEST(QtLayerTest, MessageBoxHasTheAskedButtonsAndEscapeCancelsWhereItCan) {
  EnsureApplication();
  using Button = QMessageBox::StandardButton;
  const struct Row {
    MessageButtons buttons;
    QMessageBox::StandardButtons shown;
    Button press;  // NoButton: the Escape key
    Answer answer;
  } rows[] = {
      {MessageButtons::YesNoCancel, Button::Yes | Button::No | Button::Cancel, Button::NoButton, Answer::Cancel},
      {MessageButtons::YesNoCancel, Button::Yes | Button::No | Button::Cancel, Button::Yes, Answer::Yes},
      {MessageButtons::YesNoCancel, Button::Yes | Button::No | Button::Cancel, Button::No, Answer::No},
      {MessageButtons::OkCancel, Button::Ok | Button::Cancel, Button::NoButton, Answer::Cancel},
      {MessageButtons::OkCancel, Button::Ok | Button::Cancel, Button::Ok, Answer::Ok},
      {MessageButtons::YesNo, Button::Yes | Button::No, Button::NoButton, Answer::No},
      {MessageButtons::YesNoDefaultNo, Button::Yes | Button::No, Button::Yes, Answer::Yes},
      {MessageButtons::Ok, Button::Ok, Button::NoButton, Answer::Ok},
  };
  QtInteractionPort port(QStringLiteral("VyrWorld"));
  for (const Row& row : rows) {
    SCOPED_TRACE(int(row.buttons) * 100 + int(row.press));
    QMessageBox::StandardButtons shown;
    QString title;
    bool defaultNo = false;
    std::function<void()> answer = [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) {
        QTimer::singleShot(10, answer);
        return;
      }
      shown = box->standardButtons();
      title = box->windowTitle();
      defaultNo = box->defaultButton() && box->defaultButton() == box->button(Button::No);
      if (row.press == Button::NoButton) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else {
        box->button(row.press)->click();
      }
    };
    QTimer::singleShot(0, answer);
    EXPECT_EQ(port.ShowMessage("Save changes to W.VWD?", MessageIcon::Question, row.buttons), row.answer);
    EXPECT_EQ(shown, row.shown);
    EXPECT_EQ(title, QStringLiteral("VyrWorld"));
    EXPECT_EQ(defaultNo, row.buttons == MessageButtons::YesNoDefaultNo);
  }
}

TEST(QtLayerTest, FileDialogsNeitherDeleteNorRenameFiles) {
  EnsureApplication();
  test::TempFolder folder;
  const std::string file = folder / "KEEP.VWD";
  QtInteractionPort port(QStringLiteral("VyrWorld"));
  QTimer yes;  // any question ("Are you sure you want to delete...?") gets Yes
  QObject::connect(&yes, &QTimer::timeout, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && box->button(QMessageBox::Yes)) box->button(QMessageBox::Yes)->click();
  });
  yes.start(20);
  // Open and save share one dialog: Delete in one, rename in the other, pressed on the file in the list.
  const std::pair<bool, QList<Qt::Key>> rows[] = {{true, {Qt::Key_Delete}},
                                                   {false, {Qt::Key_F2, Qt::Key_X, Qt::Key_Return}}};
  for (const auto& [save, keys] : rows) {
    std::ofstream(file) << "world";
    QTimer::singleShot(0, [&, keys = keys] {
      QFileDialog* dialog = nullptr;
      QAbstractItemView* list = nullptr;  // the list or the detail view, whichever shows the file
      ASSERT_TRUE(QTest::qWaitFor([&] {
        if (!(dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))) return false;
        for (QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>())
          if (view->isVisible() && view->objectName().endsWith(QStringLiteral("View")) &&
              view->model()->rowCount(view->rootIndex()) > 0)
            list = view;
        return list != nullptr;
      }));
      list->setCurrentIndex(list->model()->index(0, 0, list->rootIndex()));
      dialog->activateWindow();  // the Delete key is a shortcut of the active window
      EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
      list->setFocus();
      for (Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key);
      dialog->reject();
    });
    const char* filter = "Vyr World Pliki (*.VWD)|*.VWD||";
    EXPECT_FALSE((save ? port.AskSaveFileName("Zapisz", filter, file) : port.AskOpenFileName("Otwórz", filter, file))
                     .has_value()) << save;
    EXPECT_TRUE(std::filesystem::exists(file)) << save;
  }
}

}  // namespace
}  // namespace vyr
