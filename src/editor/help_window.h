// The help window: the generated page of keys and menu entries in a browser pane.
#pragma once

class QWidget;

namespace vyr {

// Shows the help window of `parent` (made on first use, raised later). Returns it.
QWidget* ShowHelpWindow(QWidget* parent);

}  // namespace vyr
