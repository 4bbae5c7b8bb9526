// The object area's edits of the current plane: deletions, the clipboard, scaling and the
// by-name replacements.
#pragma once

#include <cstdint>
#include <string>

namespace vyr {

class CGameObject;
class CPlane;
class CWorld;
class CWorldDoc;

// The view shows object mode.
bool InObjectMode(const CWorldDoc& doc);
// The current plane when it carries objects (flag "Objekty"); objects on another plane
// would be dropped at save.
CPlane* ObjectsPlane(const CWorldDoc& doc);
// The selected object while the view is in object mode and it lies on ObjectsPlane.
CGameObject* SelectedOnPlane(const CWorldDoc& doc);

// After the question (Yes/No): every object, or every object without a logic, removed;
// the selection dropped, the view refreshed, the document marked modified.
bool DeleteAllObjects(CWorldDoc& doc);
bool DeleteInvalidObjects(CWorldDoc& doc);

bool CopySelectedObject(CWorldDoc& doc);
// Copy, then the object destroyed and the selection dropped.
bool CutSelectedObject(CWorldDoc& doc);
bool CanPasteObject(const CWorldDoc& doc);
// A new object from the clipboard with a new id, at the mouse when it is over the view,
// else at the centre of the visible area, in its z place. It is not selected.
CGameObject* PasteObject(CWorldDoc& doc);

// x · percent / 100 truncated toward zero for both coordinates of every object, bounds
// recomputed. Returns how many objects moved; −1, changing nothing, when a result would
// leave the int32 range.
int ScalePositions(CPlane& plane, int32_t percent, const CWorldDoc& doc);

// Every object whose `match` field holds exactly `from` gets `to` in its `target` field.
// Returns how many changed (an object already holding `to` does not count).
int ReplaceObjectNames(CPlane& plane, std::string CGameObject::*match, const std::string& from,
                       std::string CGameObject::*target, const std::string& to);
// Every object whose logic is exactly `logic` gets z, and moves to its z place. Returns how
// many had another z.
int SetZByLogic(CPlane& plane, const std::string& logic, int32_t z);
// Bounds of every object on the plane from the document's image sets, each image looked up again.
void RefreshObjectImages(CPlane& plane, const CWorldDoc& doc);

}  // namespace vyr
