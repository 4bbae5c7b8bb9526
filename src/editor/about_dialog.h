// The About box (dialog template 100).
#pragma once

class QWidget;

namespace vyr {

void ShowAboutBox(QWidget* parent);

}  // namespace vyr
