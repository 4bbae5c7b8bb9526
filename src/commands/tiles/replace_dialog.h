// Model of the "Zmiana" dialog that replaces one tile value by another on the current plane.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_fields.h"
#include "res/control_ids.h"

namespace vyr {

class CWorldDoc;

class CReplaceDialog : public CFieldDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kReplaceDialog;

  explicit CReplaceDialog(CWorldDoc& doc) : m_doc(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // No radio button checked on either side.
  void OnInitDialog() override;
  std::vector<DialogField> Fields() override;
  // Stays open, silently, while a side has no radio button checked. Otherwise replaces
  // every cell holding the search value, marks the document modified and refreshes the
  // view. No undo entry.
  bool OnOK(IInteractionPort& port) override;

  // The checked radio button of each side, 0 for none. "Kloc" takes the number typed: a
  // raw tile value, set × 65536 + image.
  int m_search = 0;  // ctl::kSearchTile, kSearchDelete, kSearchColour
  std::string m_searchValue;
  int m_replace = 0;  // ctl::kReplaceTile, kReplaceDelete, kReplaceColour
  std::string m_replaceValue;

 private:
  CWorldDoc& m_doc;
};

}  // namespace vyr
