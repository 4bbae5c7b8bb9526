// The changes the editor makes to the world's tile attribute table, each marking the document modified.
#pragma once

#include <cstdint>
#include <memory>

#include "world/tile_attrib.h"

namespace vyr {

class CWorldDoc;

// Puts `record` at image `number`, replacing (and destroying) whatever was there. False,
// storing nothing, without a world, for a number outside 0..65535, or for a mask whose
// width is not 2^⌊log2 height⌋ (the world could not be read back).
bool StoreTileAttrib(CWorldDoc& doc, int32_t number, std::unique_ptr<CTileAttrib> record);
// Scale (percent) / ResizeTo on every record; records that refuse stay as they were.
// Return the number of records changed.
int32_t ScaleTileAttribs(CWorldDoc& doc, int32_t percent);
int32_t ResizeTileAttribs(CWorldDoc& doc, int32_t width, int32_t height);

}  // namespace vyr
