// Model of the "Block Copy" dialog that copies a block of cells within the current plane.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_fields.h"
#include "res/control_ids.h"

namespace vyr {

class CWorldDoc;

class CBlockCopyDialog : public CFieldDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kBlockCopyDialog;

  explicit CBlockCopyDialog(CWorldDoc& doc) : m_doc(doc) {}
  int TemplateId() const override { return kTemplateId; }

  std::vector<DialogField> Fields() override;
  // Copies the block (positions are linear, so a run past the right edge continues on the
  // next row), marks the document modified and refreshes the view. No undo entry.
  bool OnOK(IInteractionPort& port) override;

  std::string m_fromColumn, m_fromRow, m_toColumn, m_toRow, m_width, m_height;

 private:
  CWorldDoc& m_doc;
};

}  // namespace vyr
