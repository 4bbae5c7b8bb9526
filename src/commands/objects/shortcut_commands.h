// The logic and Z shortcuts: Auto Z, Auto ImageSety, Ctrl+0..9, Alt+0..9 and their menu texts.
#pragma once

#include <cstdint>
#include <string>

namespace vyr {

class CGameObject;
class CommandTable;
class CWorldDoc;
class IViewPort;

struct PlanePoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const PlanePoint&, const PlanePoint&) = default;
};

// Where a new object goes: the mouse when it is over the view, else the centre of the
// visible area (from a menu or the toolbar the mouse is outside the view).
PlanePoint NewObjectPlace(const IViewPort& view);

// The selected object when it lies on the current plane, else null.
CGameObject* SelectedObjectOnCurrentPlane(const CWorldDoc& doc);

// The edit dialog's auto rules for an object being stored: with Auto ImageSety on and a
// logic, an empty image set is filled from the logic table and a non-empty one is
// remembered for it (the first pairing stays); with Auto Z on, a non-zero z is remembered
// for the logic (not replacing) and a zero z takes the remembered one.
void ApplyAutoRules(CWorldDoc& doc, CGameObject& object);

// Ctrl+n: the selected object's z becomes default Z n and the object moves to its place in
// ascending z when its neighbours' z no longer frame it; the document is marked modified
// when anything changed. False when there is nothing to set.
bool SetDefaultZ(CWorldDoc& doc, int n);
// Alt+n: a new object with default logic n at NewObjectPlace, with the auto Z and image
// set, selected, in its z place; the document is marked modified. Null (nothing done)
// without a view, a current plane that holds objects, or with an empty default logic.
CGameObject* InsertDefaultLogic(CWorldDoc& doc, int n);

// The run-time menu texts (UTF-8): "Set Z Value -5\tCtrl+3"; "Add: NAME\tAlt+4" with
// '&' doubled, or "Add Logic" for an empty default logic.
std::string SetZMenuText(const CWorldDoc& doc, int n);
std::string AddLogicMenuText(const CWorldDoc& doc, int n);

// The toggles, the two default dialogs and the twenty shortcuts; their menus and keys
// exist in object mode only.
void RegisterShortcutCommands(CommandTable& table, CWorldDoc& doc);

}  // namespace vyr
