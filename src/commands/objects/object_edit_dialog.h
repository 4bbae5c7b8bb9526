// Model of "Edycja Objektu": every field of a plane's object, walking the plane, and its six sub-dialogs.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "world/selection_range.h"
#include "platform/dialog_fields.h"
#include "res/control_ids.h"

namespace vyr {

class CGameObject;
class CPlane;
class CWorldDoc;

// Name fields take at most this many bytes.
inline constexpr size_t kObjectNameMax = 1023;

// One number edit of an object dialog and the object field behind it.
struct ObjectNumber {
  int control;
  const char* label;
  std::function<int32_t(const CGameObject&)> get;
  std::function<void(CGameObject&, int32_t)> set;
  bool stored = true;  // false: shown only
};

// A dialog of number edits over one object's fields; "OK" stores the stored ones.
class CObjectNumbersDialog : public CFieldDialogModel {
 public:
  CObjectNumbersDialog(int templateId, CGameObject& object, std::vector<ObjectNumber> numbers);
  int TemplateId() const override { return m_templateId; }
  std::vector<DialogField> Fields() override;
  void OnInitDialog() override;
  bool OnOK(IInteractionPort& port) override;

  const std::vector<ObjectNumber>& Numbers() const { return m_numbers; }
  // The edits' texts, in the order of Numbers().
  std::vector<std::string> m_texts;

 protected:
  std::string& TextOf(int control);

  CGameObject& m_object;

 private:
  int m_templateId;
  std::vector<ObjectNumber> m_numbers;
};

// "Kwadraty Objektu": six rectangles; the "X" / "Y" buttons copy the Shift-click range as it
// stands, −1 included.
class CObjectRectsDialog : public CObjectNumbersDialog {
 public:
  CObjectRectsDialog(CGameObject& object, const SelectionRange& range);
  void OnControlEvent(int control, ControlEvent event, IInteractionPort& port) override;

 private:
  SelectionRange m_range;
};

// "Punkty Objektu", "Wartości 'User'  Objektu" and "Inne Opcje Objektu" ("Kier:" shown only).
std::unique_ptr<CObjectNumbersDialog> MakeObjectPointsDialog(CGameObject& object);
std::unique_ptr<CObjectNumbersDialog> MakeObjectUserDialog(CGameObject& object);
std::unique_ptr<CObjectNumbersDialog> MakeObjectOtherDialog(CGameObject& object);

// One check box of the flags or hits dialog: a bit of a word.
struct ObjectBit {
  int control;
  const char* label;
  int32_t value;
};

// "Flagi Objektu": each word keeps the bits it has no box for.
class CObjectFlagsDialog : public CDialogModel {
 public:
  struct Group {
    const char* title;
    int32_t CGameObject::*word;
    std::vector<ObjectBit> bits;
  };
  static const std::vector<Group>& Groups();

  explicit CObjectFlagsDialog(CGameObject& object) : m_object(object) {}
  int TemplateId() const override { return ctl::kObjectFlagsDialog; }
  void OnInitDialog() override;
  bool OnOK(IInteractionPort& port) override;

  // Per group, per bit, in the order of Groups().
  std::vector<std::vector<bool>> m_checked;

 private:
  CGameObject& m_object;
};

// "Informacje Hitów Objektu".
class CObjectHitsDialog : public CDialogModel {
 public:
  // The hit table with the type radios and the mask boxes.
  struct Entry {
    const char* label;
    int32_t value;
    int typeControl;
    int maskControl;
  };
  static const std::vector<Entry>& Entries();

  explicit CObjectHitsDialog(CGameObject& object) : m_object(object) {}
  int TemplateId() const override { return ctl::kObjectHitsDialog; }
  // The radio of the type's entry (none for a type not in the table); "Wszystkie" for
  // mask −1, else each box when the mask holds all of its entry's bits.
  void OnInitDialog() override;
  // Type: the first chosen radio's value; with none chosen a type outside the table stays,
  // else 0. Mask: −1 for "Wszystkie", else the bits of no box kept and the boxes' bits added.
  bool OnOK(IInteractionPort& port) override;

  std::vector<bool> m_type;
  std::vector<bool> m_mask;
  bool m_all = false;

 private:
  CGameObject& m_object;
};

// "Edycja Objektu" over the objects of one plane, starting on `object`. `created` is the
// object a double click has just made for it (or null): only that one is removed again,
// on Cancel or on OK while its four names are empty.
class CObjectEditDialog : public CFieldDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kObjectEditDialog;

  CObjectEditDialog(CWorldDoc& doc, CPlane& plane, CGameObject* object, CGameObject* created,
                    const SelectionRange& range);
  int TemplateId() const override { return kTemplateId; }

  static const std::vector<ObjectNumber>& NumberFields();
  std::vector<DialogField> Fields() override;
  void OnInitDialog() override;
  bool OnOK(IInteractionPort& port) override;
  void OnCancel() override;
  void OnControlEvent(int control, ControlEvent event, IInteractionPort& port) override;

  CGameObject* Shown() const { return m_shown; }
  // Objects this run stored into and that still exist.
  const std::vector<CGameObject*>& Stored() const { return m_stored; }

  std::string m_name;
  std::string m_logic;
  std::string m_imageSet;
  std::string m_animation;
  std::vector<std::string> m_numbers;  // in the order of NumberFields()
  // The combo boxes' lists, sorted.
  std::vector<std::string> m_logicNames;
  std::vector<std::string> m_imageSetNames;
  std::vector<std::string> m_animationNames;

 private:
  void Show(CGameObject* object);
  void UpdateCaption();
  // The fields into the shown object, the names into the known lists, the auto rules, the bounds.
  void Store();
  void Step(bool forward, IInteractionPort& port);
  void Delete(IInteractionPort& port);
  void RunSubDialog(CDialogModel& dialog, IInteractionPort& port, bool sharesFields);
  void Forget(CGameObject* object);
  // Removes the created object when it still exists and `when` holds for it.
  void RemoveCreated(const std::function<bool(const CGameObject&)>& when);
  std::string& NumberText(int control);

  CWorldDoc& m_doc;
  CPlane& m_plane;
  CGameObject* m_shown;
  CGameObject* m_created;
  SelectionRange m_range;
  std::vector<CGameObject*> m_stored;
};

// The object edit dialog for `object` of the current plane (`created` as above). Afterwards
// a new object moves to its place by z; other edits re-sort the plane and unset the x values
// of the Shift-click range.
void RunObjectEditDialog(CWorldDoc& doc, CGameObject* object, CGameObject* created = nullptr);

}  // namespace vyr
