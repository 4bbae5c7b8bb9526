// Model of the "Informacje Klocków" dialog: the tile attribute record of one image at a time.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/interaction_port.h"
#include "res/control_ids.h"
#include "resources/dib.h"
#include "world/double_attrib.h"
#include "world/mask_attrib.h"
#include "world/single_attrib.h"

namespace vyr {

class CImageSet;
class CPalId;
class CWorldDoc;

// Keeps the rectangle inside the record's own size: left in 0..width − 2, right in
// 1..width − 1, the same for top and bottom, then each pair put in order. Below a size of
// 2 both ends stay inside 0..size − 1.
void ClampAttribRect(CDoubleAttrib& record);

class CTileAttribDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kTileAttribDialog;

  explicit CTileAttribDialog(CWorldDoc& doc);
  int TemplateId() const override { return kTemplateId; }

  // Working records sized to the current plane's tiles, then the current image's record.
  void OnInitDialog() override;
  // Commits and closes.
  bool OnOK(IInteractionPort& port) override;
  void OnControlEvent(int control, ControlEvent event, IInteractionPort& port) override;

  // --- the controls' values
  std::string m_number;  // the image number field
  int m_kind = kAttribKindSingle;  // the tab shown
  int32_t m_single = kAttribFree;  // the checked value of each radio group
  int32_t m_outside = kAttribFree;
  int32_t m_inside = kAttribBlock;
  std::array<std::string, 4> m_rect;  // left, top, right, bottom

  // --- what the dialog shows besides its controls
  int32_t EditedNumber() const { return m_edited; }
  bool Modified() const { return m_modified; }
  const CDoubleAttrib& WorkingDouble() const { return m_workDouble; }
  const CMaskAttrib& WorkingMask() const { return m_workMask; }
  // The image and the attribute preview, both of the plane's tile size.
  const CDibG& ImageView() const { return m_imageView; }
  const CDibG& Preview() const { return m_preview; }
  const CPalId* Palette() const;

 private:
  const CImageSet* Set() const;
  const CTileAttrib& Working(int kind) const;
  // The stored record of `number` into its working record, the controls and the pictures.
  void Show(int32_t number);
  void LoadControls();
  void DrawPictures();
  // The controls of `kind` into its working record; true when it changed. Equal inside
  // and outside values are refused with a message.
  bool ReadControls(int kind, IInteractionPort& port);
  // Notes that the controls of `kind` changed (or its mask was loaded): that kind is the
  // one stored, whatever tab is shown at the commit.
  void Touch(int kind);
  // With the modified flag: stores a copy of the touched kind's working record and clears
  // the flag; a record that cannot be stored only beeps (the world keeps the old one).
  void Commit(IInteractionPort& port);
  // The typed image number; none, after a beep and with the edited number shown again,
  // unless it is a number of 0..65535.
  std::optional<int32_t> TypedNumber(IInteractionPort& port);
  void Step(int direction, IInteractionPort& port);
  void GoToTypedNumber(IInteractionPort& port);
  void FindMask(IInteractionPort& port);

  CWorldDoc& m_doc;
  int32_t m_edited = 0;
  int m_shownKind = kAttribKindSingle;
  bool m_modified = false;
  int m_touchedKind = kAttribKindSingle;
  CSingleAttrib m_workSingle;
  CDoubleAttrib m_workDouble;
  CMaskAttrib m_workMask;
  CDibG m_imageView;
  CDibG m_preview;
};

// "&Informacje...": needs a world and a current plane with flag bit 0.
bool CanEditTileAttribs(const CWorldDoc& doc);
// Runs the dialog on the current set and image; nothing opens without a current set.
void RunTileAttribDialog(CWorldDoc& doc);

}  // namespace vyr
