// Models of the object bulk dialogs: scale positions, the three by-name replacements and
// Z by logic. Each opens empty, acts on the current plane's objects on OK and says in the
// status bar how many changed.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_fields.h"
#include "res/control_ids.h"

namespace vyr {

class CGameObject;
class CPlane;
class CWorldDoc;

// "Zmiana Współrzędnych Objektów". OK stays open for a percentage of 100 or ≤ 0, on a plane
// without objects, and (after a message) when a position would leave the int32 range.
class CScaleObjectsDialog : public CFieldDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kScaleObjectsDialog;
  explicit CScaleObjectsDialog(CWorldDoc& doc);
  int TemplateId() const override { return kTemplateId; }
  std::vector<DialogField> Fields() override;
  bool OnOK(IInteractionPort& port) override;

  std::string m_percent;

 private:
  CWorldDoc& m_doc;
};

// Two name fields ("Zmień:" / "Na:" and the like); OK stays open on a plane without objects.
class CNamePairDialog : public CFieldDialogModel {
 public:
  std::vector<DialogField> Fields() override;
  bool OnOK(IInteractionPort& port) override;

  std::string m_from;
  std::string m_to;

 protected:
  CNamePairDialog(CWorldDoc& doc, std::string caption, std::string fromLabel, std::string toLabel);
  // Returns how many objects changed.
  virtual int Apply(CPlane& plane) = 0;
  CWorldDoc& m_doc;

 private:
  std::string m_fromLabel;
  std::string m_toLabel;
};

// "Zmiana Logik": logic `from` becomes `to`.
class CChangeLogicDialog : public CNamePairDialog {
 public:
  static constexpr int kTemplateId = ctl::kChangeLogicDialog;
  explicit CChangeLogicDialog(CWorldDoc& doc);
  int TemplateId() const override { return kTemplateId; }

 protected:
  int Apply(CPlane& plane) override;
};

// "Zmiana ImageSetów": image set `from` becomes `to`; the images are looked up again.
class CChangeImageSetDialog : public CNamePairDialog {
 public:
  static constexpr int kTemplateId = ctl::kChangeImageSetDialog;
  explicit CChangeImageSetDialog(CWorldDoc& doc);
  int TemplateId() const override { return kTemplateId; }

 protected:
  int Apply(CPlane& plane) override;
};

// "Zmiana Obrazków Logik": objects of image set `from` get logic `to`.
class CLogicByImageSetDialog : public CNamePairDialog {
 public:
  static constexpr int kTemplateId = ctl::kLogicByImageSetDialog;
  explicit CLogicByImageSetDialog(CWorldDoc& doc);
  int TemplateId() const override { return kTemplateId; }

 protected:
  int Apply(CPlane& plane) override;
};

// "Zmiana Z": objects of the logic get the Z, each moved to its z place.
class CChangeZDialog : public CFieldDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kChangeZDialog;
  explicit CChangeZDialog(CWorldDoc& doc);
  int TemplateId() const override { return kTemplateId; }
  std::vector<DialogField> Fields() override;
  bool OnOK(IInteractionPort& port) override;

  std::string m_logic;
  std::string m_z;

 private:
  CWorldDoc& m_doc;
};

}  // namespace vyr
