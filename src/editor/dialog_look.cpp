// Frame flags, read-only colours and text-fitted widths for dialog controls.
#include "editor/dialog_look.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace vyr {

void UseDialogFrame(QWidget& dialog) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint);
}

void ShowReadOnly(QLineEdit* edit) {
  edit->setReadOnly(true);
  QPalette palette = edit->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
  edit->setPalette(palette);
}

namespace {

void FitWidth(QLineEdit* edit) {
  // What the style adds around the text: frame, margins and the cursor.
  QStyleOptionFrame option;
  option.initFrom(edit);
  const int text = edit->fontMetrics().horizontalAdvance(edit->text()) + edit->fontMetrics().averageCharWidth();
  const QSize wanted =
      edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(text, edit->fontMetrics().height()), edit);
  int limit = 1200;
  if (const QScreen* screen = edit->screen() ? edit->screen() : QGuiApplication::primaryScreen())
    limit = screen->availableGeometry().width() * 3 / 4;
  edit->setMinimumWidth(std::min(wanted.width() + edit->textMargins().left() + edit->textMargins().right(), limit));
}

}  // namespace

void WidenToText(QLineEdit* edit) {
  // setText clears the modified mark before it tells of the change; typing sets it.
  QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
    if (!edit->isModified()) FitWidth(edit);
  });
  FitWidth(edit);
}

void FitTitle(QWidget& dialog) {
  // The frame's own font is the window manager's: a quarter more than ours, and room for
  // the icon and the close button.
  constexpr int kFrameButtons = 96;
  const int wanted = dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) * 5 / 4 + kFrameButtons;
  // A size of its own rather than a minimum, which would stop the layout's from growing.
  dialog.adjustSize();
  if (dialog.width() < wanted) dialog.resize(wanted, dialog.height());
}

}  // namespace vyr
