// The changes the editor makes to the world's tile attribute table.
#include "world/tile_attrib_edits.h"

#include <functional>

#include "resources/image_set.h"
#include "world/mask_attrib.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

int32_t ChangeEveryRecord(CWorldDoc& doc, const std::function<int(CTileAttrib&)>& change) {
  CWorld* world = doc.World();
  if (!world) return 0;
  int32_t changed = 0;
  for (const std::unique_ptr<CTileAttrib>& record : world->Attributes())
    if (record) changed += change(*record);
  return changed;
}

}  // namespace

bool StoreTileAttrib(CWorldDoc& doc, int32_t number, std::unique_ptr<CTileAttrib> record) {
  CWorld* world = doc.World();
  if (!world || !record || number < 0 || number > kMaxImageNumber) return false;
  if (record->Kind() == kAttribKindMask && !CMaskAttrib::SizeFits(record->m_tileWidth, record->m_tileHeight))
    return false;
  world->SetAttribute(number, std::move(record));
  return true;
}

int32_t ScaleTileAttribs(CWorldDoc& doc, int32_t percent) {
  return ChangeEveryRecord(doc, [percent](CTileAttrib& record) { return record.Scale(percent); });
}

int32_t ResizeTileAttribs(CWorldDoc& doc, int32_t width, int32_t height) {
  return ChangeEveryRecord(doc, [width, height](CTileAttrib& record) { return record.ResizeTo(width, height); });
}

}  // namespace vyr
