// The "Informacje Klocków" dialog: showing, reading, clamping and committing tile attribute records.
#include "commands/attributes/tile_attrib_dialog.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "commands/attributes/attrib_preview.h"
#include "platform/dialog_fields.h"
#include "res/messages.h"
#include "res/resources.h"
#include "resources/image_set.h"
#include "resources/mask_file.h"
#include "world/plane.h"
#include "world/tile_attrib_edits.h"
#include "world/tile_edits.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

constexpr uint32_t kStringMaskFilter = 133;
constexpr const char* kMaskFileTitle = "Open Mask File";

void ClampSpan(int32_t& low, int32_t& high, int32_t size) {
  if (size < 2) {
    const int32_t last = std::max(size - 1, 0);
    low = std::clamp(low, 0, last);
    high = std::clamp(high, 0, last);
    return;
  }
  if (low < 0) low = 0;
  else if (low >= size - 1) low = size - 2;
  if (high <= 0) high = 1;
  else if (high >= size) high = size - 1;
  if (low > high) std::swap(low, high);
}

template <size_t N>
bool Contains(const int (&ids)[N], int control) {
  return std::find(std::begin(ids), std::end(ids), control) != std::end(ids);
}

}  // namespace

void ClampAttribRect(CDoubleAttrib& record) {
  ClampSpan(record.m_left, record.m_right, record.m_tileWidth);
  ClampSpan(record.m_top, record.m_bottom, record.m_tileHeight);
}

CTileAttribDialog::CTileAttribDialog(CWorldDoc& doc) : m_doc(doc) {}

const CPalId* CTileAttribDialog::Palette() const { return m_doc.Palette(); }

const CImageSet* CTileAttribDialog::Set() const {
  const CPlane* plane = m_doc.CurrentPlane();
  return plane ? plane->ImageSetAt(m_doc.CurrentSet()) : nullptr;
}

const CTileAttrib& CTileAttribDialog::Working(int kind) const {
  if (kind == kAttribKindDouble) return m_workDouble;
  if (kind == kAttribKindMask) return m_workMask;
  return m_workSingle;
}

void CTileAttribDialog::OnInitDialog() {
  const CPlane* plane = m_doc.CurrentPlane();
  const int32_t width = plane ? plane->TileWidth() : 0;
  const int32_t height = plane ? plane->TileHeight() : 0;
  m_workSingle = CSingleAttrib(width, height, kAttribFree);
  m_workDouble = CDoubleAttrib();
  m_workDouble.SetSize(width, height);
  m_workDouble.m_left = width / 2;
  m_workDouble.m_top = 0;
  m_workDouble.m_right = width - 1;
  m_workDouble.m_bottom = height - 1;
  ClampAttribRect(m_workDouble);
  m_workMask = CMaskAttrib();
  m_workMask.SetSize(width, height);
  m_imageView.Destroy();
  m_preview.Destroy();
  m_imageView.Create(width, height, Palette());
  m_preview.Create(width, height, Palette());
  m_modified = false;
  Show(m_doc.CurrentImage());
}

void CTileAttribDialog::Show(int32_t number) {
  m_edited = number;
  const CTileAttrib* record = m_doc.World() ? m_doc.World()->Attribute(number) : nullptr;
  const int kind = record ? record->Kind() : 0;
  if (kind == kAttribKindDouble) {
    m_workDouble = static_cast<const CDoubleAttrib&>(*record);
  } else if (kind == kAttribKindMask) {
    m_workMask = static_cast<const CMaskAttrib&>(*record);
  } else if (kind == kAttribKindSingle) {
    m_workSingle = static_cast<const CSingleAttrib&>(*record);
  } else {
    m_workSingle.m_attrib = kAttribFree;
  }
  m_kind = m_shownKind = kind == kAttribKindDouble || kind == kAttribKindMask ? kind : kAttribKindSingle;
  LoadControls();
  DrawPictures();
}

void CTileAttribDialog::LoadControls() {
  m_number = std::to_string(m_edited);
  m_kind = m_shownKind;
  m_single = m_workSingle.m_attrib;
  m_outside = m_workDouble.m_outside;
  m_inside = m_workDouble.m_inside;
  const CDoubleAttrib& d = m_workDouble;
  m_rect = {std::to_string(d.m_left), std::to_string(d.m_top), std::to_string(d.m_right), std::to_string(d.m_bottom)};
  ReloadFields();
}

void CTileAttribDialog::DrawPictures() {
  const CImageSet* set = Set();
  DrawAttribImage(m_imageView, set ? set->GetImage(m_edited) : nullptr);
  DrawAttribPreview(m_preview, m_imageView, Working(m_shownKind));
  ReloadFields();  // the pictures are shown with the fields
}

bool CTileAttribDialog::ReadControls(int kind, IInteractionPort& port) {
  if (kind == kAttribKindSingle) {
    const bool changed = m_workSingle.m_attrib != m_single;
    m_workSingle.m_attrib = m_single;
    return changed;
  }
  if (kind != kAttribKindDouble) return false;
  CDoubleAttrib& d = m_workDouble;
  const CDoubleAttrib before = d;
  if (m_inside == m_outside) {
    port.Message(res::text::kInOutAttribSame, MessageIcon::Warning);
  } else {
    d.m_inside = m_inside;
    d.m_outside = m_outside;
  }
  int32_t* ends[4] = {&d.m_left, &d.m_top, &d.m_right, &d.m_bottom};
  for (size_t i = 0; i < 4; ++i)
    if (const std::optional<int32_t> value = ReadDialogInt(m_rect[i])) *ends[i] = *value;
  ClampAttribRect(d);
  LoadControls();  // the fields show what was kept
  return d.m_inside != before.m_inside || d.m_outside != before.m_outside || d.m_left != before.m_left ||
         d.m_top != before.m_top || d.m_right != before.m_right || d.m_bottom != before.m_bottom;
}

void CTileAttribDialog::Touch(int kind) {
  m_modified = true;
  m_touchedKind = kind;
}

void CTileAttribDialog::Commit(IInteractionPort& port) {
  if (!m_modified) return;
  ReadControls(m_shownKind, port);
  m_modified = false;
  // A tab only looked at never replaces the record: the kind touched last is stored.
  // A mask that breaks the width rule would make the world unreadable: the old record stays.
  if (!StoreTileAttrib(m_doc, m_edited, Working(m_touchedKind).Clone())) port.Beep();
}

std::optional<int32_t> CTileAttribDialog::TypedNumber(IInteractionPort& port) {
  const bool digits = std::any_of(m_number.begin(), m_number.end(), [](char c) { return std::isdigit((unsigned char)c); });
  const std::optional<int32_t> number = digits ? ReadDialogInt(m_number, 0, kMaxImageNumber) : std::nullopt;
  if (!number) {
    port.Beep();
    m_number = std::to_string(m_edited);
    ReloadFields();
  }
  return number;
}

void CTileAttribDialog::Step(int direction, IInteractionPort& port) {
  const std::optional<int32_t> from = TypedNumber(port);
  const CPlane* plane = m_doc.CurrentPlane();
  if (!from || !plane) return;
  Commit(port);
  const ImageStep step = StepImage(*plane, m_doc.CurrentSet(), *from, direction);
  Show(step.found ? step.image : *from);
}

void CTileAttribDialog::GoToTypedNumber(IInteractionPort& port) {
  const std::optional<int32_t> number = TypedNumber(port);
  if (!number || *number == m_edited) return;
  Commit(port);
  Show(*number);
}

void CTileAttribDialog::FindMask(IInteractionPort& port) {
  const std::optional<std::string> path =
      port.AskOpenFileName(kMaskFileTitle, res::LoadString(kStringMaskFilter), "");
  if (!path) return;
  MaskFileGate gate;
  gate.sizeFits = [](int64_t width, int64_t height) {
    return width <= INT32_MAX && height <= INT32_MAX && CMaskAttrib::SizeFits(int32_t(width), int32_t(height));
  };
  MaskPixels mask;
  if (!LoadMaskFile(*path, mask, nullptr, &gate)) return;
  if (!m_workMask.TakePixels(mask.width, mask.height, std::move(mask.pixels))) return;
  Touch(kAttribKindMask);
  DrawPictures();
}

void CTileAttribDialog::OnControlEvent(int control, ControlEvent event, IInteractionPort& port) {
  if (control == ctl::kAttribTabs) {
    if (event != ControlEvent::SelectionChanged || m_kind == m_shownKind) return;
    const int shown = m_kind;
    if (ReadControls(m_shownKind, port)) Touch(m_shownKind);
    m_kind = m_shownKind = shown;
    DrawPictures();
    return;
  }
  if (control == ctl::kAttribNumber && event == ControlEvent::FocusLost) return GoToTypedNumber(port);
  if (event != ControlEvent::Clicked && event != ControlEvent::FocusLost) return;
  if (control == ctl::kAttribNext) return Step(1, port);
  if (control == ctl::kAttribPrevious) return Step(-1, port);
  if (control == ctl::kAttribFindMask && m_shownKind == kAttribKindMask) return FindMask(port);
  const bool singleControl = m_shownKind == kAttribKindSingle && Contains(ctl::kAttribSingle, control);
  const bool doubleControl =
      m_shownKind == kAttribKindDouble && (Contains(ctl::kAttribOutside, control) ||
                                           Contains(ctl::kAttribInside, control) || Contains(ctl::kAttribRect, control));
  if (!singleControl && !doubleControl) return;
  // A refused pair of equal attributes is no change; any other click or edit is one.
  const bool refused = doubleControl && m_inside == m_outside;
  if (ReadControls(m_shownKind, port) || !refused) Touch(m_shownKind);
  DrawPictures();
}

bool CTileAttribDialog::OnOK(IInteractionPort& port) {
  Commit(port);
  return true;
}

bool CanEditTileAttribs(const CWorldDoc& doc) {
  const CPlane* plane = doc.CurrentPlane();
  return doc.HasLoadedWorld() && plane && (plane->m_flags & kPlaneFlagObjects) != 0;
}

void RunTileAttribDialog(CWorldDoc& doc) {
  if (!CanEditTileAttribs(doc) || !doc.CurrentPlane()->ImageSetAt(doc.CurrentSet())) return;
  CTileAttribDialog dialog(doc);
  doc.Interaction().RunDialog(dialog);
}

}  // namespace vyr
