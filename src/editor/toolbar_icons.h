// The toolbar's icons, with a disabled look that stays visibly faded for every icon.
#pragma once

#include <QIcon>

#include "platform/command_ids.h"

namespace vyr {

// The icon of button `id` (":/icons/<id>.png"); null when there is none.
QIcon ToolbarIcon(CommandId id);

}  // namespace vyr
