// Registration of every area's Qt dialogs with the Qt interaction port.
#pragma once

namespace vyr {

// The world area's "Nowy Świat", "Informacje Świata" and "Dodawanie Obrazów"; later areas
// add theirs here.
void RegisterDocumentDialogs();

}  // namespace vyr
