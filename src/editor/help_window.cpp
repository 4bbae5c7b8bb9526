// The help window: one non-modal window per main window, showing the generated help page.
#include "editor/help_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "commands/help_text.h"
#include "editor/dialog_look.h"
#include "editor/qt_text.h"
#include "editor/ui_text.h"

namespace vyr {

namespace {
constexpr const char* kObjectName = "helpWindow";
}  // namespace

QWidget* ShowHelpWindow(QWidget* parent) {
  auto* window = parent ? parent->findChild<QDialog*>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly)
                        : nullptr;
  if (!window) {
    window = new QDialog(parent);
    window->setObjectName(QLatin1String(kObjectName));
    window->setAttribute(Qt::WA_DeleteOnClose, parent == nullptr);
    UseDialogFrame(*window);
    window->setWindowTitle(UiText("Pomoc"));
    auto* browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("helpText"));
    browser->setHtml(FromUtf8(HelpHtml()));
    auto* buttons = new QDialogButtonBox(window);
    buttons->addButton(UiText("Zamknij"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::reject);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(browser, 1);
    layout->addWidget(buttons);
    window->resize(760, 600);
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace vyr
