// The controls of the world header dialogs that name the world's resources.
#pragma once

#include "world/world_doc.h"

namespace vyr {

inline constexpr int kArchivePathControl = 1003;
inline constexpr int kImageDirControl = 1004;
inline constexpr int kPaletteControl = 1006;

// The field to focus when a resource named by the dialog cannot be used.
inline int ResourceControl(ResourceField field) {
  switch (field) {
    case ResourceField::kImageDir:
      return kImageDirControl;
    case ResourceField::kPalette:
      return kPaletteControl;
    default:
      return kArchivePathControl;
  }
}

}  // namespace vyr
