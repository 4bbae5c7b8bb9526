// The About box: application icon, product name, one more line and OK.
#include "editor/about_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "editor/dialog_look.h"
#include "editor/qt_text.h"
#include "editor/ui_text.h"
#include "res/messages.h"

namespace vyr {

void ShowAboutBox(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("aboutBox"));
  UseDialogFrame(dialog);
  dialog.setWindowTitle(UiText(res::text::kAboutCaption));
  auto* icon = new QLabel(&dialog);
  icon->setPixmap(QIcon(QStringLiteral(":/icons/vyrworld.png")).pixmap(32, 32));
  auto* product = new QLabel(UiText(res::text::kAboutProduct), &dialog);
  auto* version = new QLabel(UiText("Wersja 0.1"), &dialog);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  auto* texts = new QVBoxLayout;
  texts->addWidget(product);
  texts->addWidget(version);
  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addLayout(texts, 1);
  row->addWidget(buttons, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(row);
  dialog.setFixedSize(dialog.sizeHint());
  dialog.exec();
}

}  // namespace vyr
