// The document and view the editor program plugs into its application.
#pragma once

#include "editor/app.h"

namespace vyr {

// The world document (with its commands and dialogs) and the world view attached to it.
CVyrWorldApp::Parts MakeEditorParts();

}  // namespace vyr
