// Registration of every area's Qt dialogs with the Qt interaction port.
#pragma once

namespace vyr {

// The world area's "Nowy Świat", "Informacje Świata" and "Dodawanie Obrazów", the plane
// area's "Nowa Warstwa", "Informacje Warstwy", "Warstwy w świecie" and "Przesuń Warstwę";
// later areas add theirs here.
void RegisterDocumentDialogs();

}  // namespace vyr
