// Dock panels from one table: made, restored from the profile, toggled by their commands.
#include "editor/dock_panels.h"

#include <QDockWidget>
#include <string>

#include "editor/main_frame.h"
#include "editor/ui_text.h"
#include "platform/profile.h"
#include "platform/profile_keys.h"

namespace vyr {

void AddDockPanels(CMainFrame& frame, Profile& profile, std::span<const DockPanel> panels) {
  for (const DockPanel& panel : panels) {
    auto* dock = new QDockWidget(UiText(panel.title), &frame);
    dock->setObjectName(QString::fromUtf8(panel.profileKey.data(), qsizetype(panel.profileKey.size())));
    dock->setWidget(panel.make());
    frame.addDockWidget(Qt::RightDockWidgetArea, dock);
    const std::string key(panel.profileKey);
    dock->setVisible(profile.GetProfileInt(profile::kOptions, key, panel.shownByDefault ? 1 : 0) != 0);
    // Closing the panel by its own button hides it too. Only while the frame is shown: a
    // frame being closed or destroyed hides its docks, which are to come back with it.
    QObject::connect(dock, &QDockWidget::visibilityChanged, dock, [dock, &profile, key, &frame](bool) {
      if (frame.isVisible()) profile.WriteProfileInt(profile::kOptions, key, dock->isHidden() ? 0 : 1);
    });
    frame.Commands().On(panel.toggle, [dock] { dock->setVisible(dock->isHidden()); });
    frame.Commands().OnUpdate(panel.toggle, [dock](CommandState& state) {
      state.Enable(true);
      state.SetCheck(!dock->isHidden());
    });
  }
}

}  // namespace vyr
