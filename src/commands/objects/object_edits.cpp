// The object area's edits: each acts on the current plane only and marks the document modified.
#include "commands/objects/object_edits.h"

#include <limits>
#include <string_view>
#include <vector>

#include "commands/objects/object_clipboard.h"
#include "commands/objects/shortcut_commands.h"
#include "platform/interaction_port.h"
#include "res/messages.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

template <typename Remove>
bool DeleteObjects(CWorldDoc& doc, std::string_view question, Remove remove) {
  CPlane* plane = ObjectsPlane(doc);
  if (!plane || !doc.Interaction().AskYesNo(question)) return false;
  doc.SetSelectedObject(nullptr);
  remove(*plane);
  return true;
}

}  // namespace

bool InObjectMode(const CWorldDoc& doc) { return doc.ViewPort() && doc.ViewPort()->EditMode() == kObjectMode; }

CPlane* ObjectsPlane(const CWorldDoc& doc) {
  CPlane* plane = doc.World() ? doc.CurrentPlane() : nullptr;
  return plane && (plane->m_flags & kPlaneFlagObjects) ? plane : nullptr;
}

CGameObject* SelectedOnPlane(const CWorldDoc& doc) {
  return InObjectMode(doc) && ObjectsPlane(doc) ? SelectedObjectOnCurrentPlane(doc) : nullptr;
}

bool DeleteAllObjects(CWorldDoc& doc) {
  return DeleteObjects(doc, res::text::kDeleteAllObjects, [](CPlane& plane) { plane.RemoveAllObjects(); });
}

bool DeleteInvalidObjects(CWorldDoc& doc) {
  return DeleteObjects(doc, res::text::kDeleteInvalidObjects, [](CPlane& plane) { plane.RemoveInvalidObjects(); });
}

bool CopySelectedObject(CWorldDoc& doc) {
  CGameObject* selected = SelectedOnPlane(doc);
  if (!selected) return false;
  ObjectClipboard::Take(*selected);
  return true;
}

bool CutSelectedObject(CWorldDoc& doc) {
  CGameObject* selected = SelectedOnPlane(doc);
  if (!selected) return false;
  ObjectClipboard::Take(*selected);
  doc.SetSelectedObject(nullptr);
  selected->m_listPosition.Plane()->RemoveObject(selected);
  return true;
}

bool CanPasteObject(const CWorldDoc& doc) {
  return ObjectClipboard::HasContent() && InObjectMode(doc) && ObjectsPlane(doc) != nullptr;
}

CGameObject* PasteObject(CWorldDoc& doc) {
  if (!CanPasteObject(doc)) return nullptr;
  // From a menu or the toolbar the mouse is off the view and would put the object off the plane.
  const PlanePoint place = NewObjectPlace(*doc.ViewPort());
  CPlane& plane = *ObjectsPlane(doc);
  CGameObject* object = plane.NewObject(0);
  object->CopyFrom(ObjectClipboard::Content());
  object->ForgetImage();
  object->MoveTo(place.x, place.y);
  object->m_id = doc.World()->NextUnusedObjectId();
  object->UpdateBounds(doc.ImageSets());
  plane.PlaceByZ(object);
  return object;
}

int ScalePositions(CPlane& plane, int32_t percent, const CWorldDoc& doc) {
  struct Place {
    int64_t x, y;
  };
  std::vector<Place> places;
  const auto fits = [](int64_t v) {
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
  };
  for (const auto& object : plane.Objects()) {
    // Integer division truncates toward zero, as the positions are specified to.
    const Place place{int64_t(object->m_x) * percent / 100, int64_t(object->m_y) * percent / 100};
    if (!fits(place.x) || !fits(place.y)) return -1;
    places.push_back(place);
  }
  size_t i = 0;
  int moved = 0;
  for (const auto& object : plane.Objects()) {
    if (object->m_x != places[i].x || object->m_y != places[i].y) ++moved;
    object->MoveTo(int32_t(places[i].x), int32_t(places[i].y));
    ++i;
    object->UpdateBounds(doc.ImageSets());
  }
  return moved;
}

int ReplaceObjectNames(CPlane& plane, std::string CGameObject::*match, const std::string& from,
                       std::string CGameObject::*target, const std::string& to) {
  int changed = 0;
  for (const auto& object : plane.Objects()) {
    if ((*object).*match != from || (*object).*target == to) continue;
    (*object).*target = to;
    ++changed;
  }
  return changed;
}

int SetZByLogic(CPlane& plane, const std::string& logic, int32_t z) {
  std::vector<CGameObject*> changed;
  for (const auto& object : plane.Objects())
    if (object->m_logic == logic && object->m_z != z) changed.push_back(object.get());
  for (CGameObject* object : changed) {
    object->SetZ(z);
    plane.PlaceByZ(object);
  }
  return int(changed.size());
}

void RefreshObjectImages(CPlane& plane, const CWorldDoc& doc) {
  for (const auto& object : plane.Objects()) {
    object->ForgetImage();
    object->UpdateBounds(doc.ImageSets());
  }
}

}  // namespace vyr
