// The object clipboard's single stored object.
#include "commands/objects/object_clipboard.h"

#include <optional>

namespace vyr {

namespace {

std::optional<CGameObject>& Stored() {
  static std::optional<CGameObject> stored;
  return stored;
}

}  // namespace

bool ObjectClipboard::HasContent() { return Stored().has_value(); }

const CGameObject& ObjectClipboard::Content() { return *Stored(); }

void ObjectClipboard::Take(const CGameObject& object) {
  Stored().emplace();
  Stored()->CopyFrom(object);
  Stored()->ForgetImage();
}

void ObjectClipboard::Clear() { Stored().reset(); }

}  // namespace vyr
