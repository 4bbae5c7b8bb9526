// The editor's object clipboard: one object that copy and cut fill and paste reads.
#pragma once

#include "world/game_object.h"

namespace vyr {

// Process-wide, so it outlives the world it was filled from. Emptiness is its own state:
// any object, whatever its id, can be held.
class ObjectClipboard {
 public:
  static bool HasContent();
  static const CGameObject& Content();
  // Keeps a copy without its cached image, which points into the source world's sets.
  static void Take(const CGameObject& object);
  static void Clear();
};

}  // namespace vyr
