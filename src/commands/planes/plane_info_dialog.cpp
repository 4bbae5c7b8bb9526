// The "Informacje Warstwy" dialog: loading the current plane, the size questions and storing.
#include "commands/planes/plane_info_dialog.h"

#include <tuple>

#include "commands/planes/image_set_words.h"
#include "commands/tiles/tile_stats_dialog.h"
#include "res/messages.h"
#include "world/plane.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {

void CPlaneInfoDialog::OnInitDialog() {
  m_imageSetsChanged = false;
  const CPlane* plane = m_doc.CurrentPlane();
  if (!plane) return;
  m_name = plane->Name();
  m_tileWidth = std::to_string(plane->TileWidth());
  m_tileHeight = std::to_string(plane->TileHeight());
  m_width = std::to_string(plane->Width());
  m_height = std::to_string(plane->Height());
  m_movementX = std::to_string(plane->m_movementX);
  m_movementY = std::to_string(plane->m_movementY);
  m_colour = std::to_string(plane->m_fillColour);
  m_z = std::to_string(plane->m_z);
  m_imageSets.clear();
  for (const ImageSetSlot& slot : plane->ImageSetSlots()) m_imageSets += slot.name + "\r\n";
  m_initialImageSets = m_imageSets;
  const int32_t flags = plane->m_flags;
  m_objects = (flags & kPlaneFlagObjects) != 0;
  m_noImages = (flags & kPlaneFlagNoImages) != 0;
  m_endlessX = (flags & kPlaneFlagEndlessX) != 0;
  m_endlessY = (flags & kPlaneFlagEndlessY) != 0;
  m_autoSize = (flags & kPlaneFlagAutoSize) != 0;
}

bool CPlaneInfoDialog::OnOK(IInteractionPort& port) {
  CPlane* plane = m_doc.CurrentPlane();
  if (!plane) return true;
  if (!FieldsFit(port)) return false;
  const int32_t tileWidth = Number(m_tileWidth), tileHeight = Number(m_tileHeight);
  const int32_t width = Number(m_width), height = Number(m_height);
  const bool newTiles = tileWidth != plane->TileWidth() || tileHeight != plane->TileHeight();
  const bool newGrid = width != plane->Width() || height != plane->Height();
  // Either question may be answered No, so every size the answers can combine must fit.
  for (const auto& [w, h, tw, th] : {std::tuple{width, height, tileWidth, tileHeight},
                                     std::tuple{plane->Width(), plane->Height(), tileWidth, tileHeight},
                                     std::tuple{width, height, plane->TileWidth(), plane->TileHeight()}}) {
    const std::string problem = PlaneSizeProblem(w, h, tw, th);
    if (problem.empty()) continue;
    port.Message(problem, MessageIcon::Warning);
    SetFocusControl(w != plane->Width() || h != plane->Height() ? kWidthControl : kTileWidthControl);
    return false;
  }
  if (!ObjectsMayLoseFlag(port, plane)) return false;

  IViewPort* view = m_doc.ViewPort();
  bool resized = false;
  if (newTiles && port.AskYesNo(res::text::kChangeTileDimensions) && plane->ChangeTileSize(tileWidth, tileHeight)) {
    resized = true;
    if (view) view->SetNoImages(true);
  }
  if (newGrid && port.AskYesNo(res::text::kChangePlaneDimensions) && plane->Resize(width, height)) {
    resized = true;
  }
  if (resized && view) {
    view->Resize();
    // The grid may have shrunk under the cursor; moving it in place clamps it.
    view->MoveCursorTo(view->CursorColumn(), view->CursorRow());
  }

  plane->SetName(m_name);
  if (m_imageSets != m_initialImageSets) {
    // An untouched list must not be parsed: its empty lines would move the names after them.
    ApplyImageSetWords(m_doc.ImageSets(), *plane, m_imageSets);
    m_imageSetsChanged = true;
  }
  StoreValues(*plane, plane->m_flags);
  return true;
}

void CPlaneInfoDialog::OnControlEvent(int control, ControlEvent event, IInteractionPort& port) {
  if (control != kStatisticsControl || event != ControlEvent::Clicked) return;
  const CPlane* plane = m_doc.CurrentPlane();
  if (!plane || !m_doc.World() || !plane->ImageSetAt(m_doc.CurrentSet())) {
    port.Beep();
    return;
  }
  CTileStatsDialog statistics(*m_doc.World(), *plane, m_doc.CurrentSet());
  port.RunDialog(statistics);
  EndDialog(DialogResult::Cancel);
}

void RunPlaneInfoDialog(CWorldDoc& doc) {
  if (!doc.CurrentPlane()) return;
  CPlaneInfoDialog dialog(doc);
  if (doc.Interaction().RunDialog(dialog) != DialogResult::Ok) return;
  if (dialog.m_imageSetsChanged) {
    doc.ValidateCurrentTile();
    // Tells the tile picker, whose list may now show another set.
    doc.SelectSet(doc.CurrentSet());
  }
}

}  // namespace vyr
