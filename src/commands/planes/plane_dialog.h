// The fields "Nowa Warstwa" and "Informacje Warstwy" share, their limits and how they are stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog_fields.h"
#include "res/control_ids.h"

namespace vyr {

class CPlane;
class CWorldDoc;

// Flag bits 0–4, the ones the dialogs show.
inline constexpr int32_t kPlaneDialogFlags = 0x1F;

// Why a plane of these sizes cannot be made, for the user; empty when it can.
std::string PlaneSizeProblem(int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight);

class CPlaneDialog : public CFieldDialogModel {
 public:
  static constexpr int kNameControl = ctl::kPlaneName, kTileWidthControl = ctl::kPlaneTileWidth,
                       kTileHeightControl = ctl::kPlaneTileHeight, kWidthControl = ctl::kPlaneWidth,
                       kHeightControl = ctl::kPlaneHeight, kMovementXControl = ctl::kPlaneMovementX,
                       kMovementYControl = ctl::kPlaneMovementY, kColourControl = ctl::kPlaneColour,
                       kZControl = ctl::kPlaneZ, kImageSetsControl = ctl::kPlaneImageSets,
                       kObjectsControl = ctl::kPlaneObjects, kNoImagesControl = ctl::kPlaneNoImages,
                       kEndlessXControl = ctl::kPlaneEndlessX, kEndlessYControl = ctl::kPlaneEndlessY,
                       kAutoSizeControl = ctl::kPlaneAutoSize;

  explicit CPlaneDialog(CWorldDoc& doc) : m_doc(doc) {}

  // Sizes from 1 up (the plane refuses combinations beyond its limits at OK), the other
  // numbers over the whole int32 range. The image-set list is cut, not refused, when long.
  std::vector<DialogField> Fields() override;

  std::string m_name;
  std::string m_tileWidth;
  std::string m_tileHeight;
  std::string m_width;
  std::string m_height;
  std::string m_movementX;
  std::string m_movementY;
  std::string m_colour;
  std::string m_z;
  std::string m_imageSets;  // one name per line; words beyond kImageSetTextMax bytes are not read
  bool m_objects = false;
  bool m_noImages = false;
  bool m_endlessX = false;
  bool m_endlessY = false;
  bool m_autoSize = false;

 protected:
  // Reads a number field that Fields() already accepted.
  static int32_t Number(const std::string& text);
  // Before the "Objekty" box takes the flag from a plane holding objects (from `plane` when
  // unticked, else from every other plane; `plane` is null for a new one), asks for each
  // such plane (No the default), since the file keeps only the flagged plane's objects.
  // False after a No, with the focus on the box.
  bool ObjectsMayLoseFlag(IInteractionPort& port, const CPlane* plane);
  // Movement, colour, Z and the flags: bits above 4 of `oldFlags` stay, bits 1–4 come from
  // the check boxes, and "Objekty" makes this the world's only object plane.
  void StoreValues(CPlane& plane, int32_t oldFlags);

  CWorldDoc& m_doc;
};

}  // namespace vyr
