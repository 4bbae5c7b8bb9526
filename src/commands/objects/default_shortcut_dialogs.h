// Models of "Edycja Domyślnych Z" and "Edycja Domyślnych Logik", the defaults of Ctrl+0..9 and Alt+0..9.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/dialog_fields.h"
#include "res/control_ids.h"
#include "world/shortcut_tables.h"

namespace vyr {

class CWorldDoc;

class CDefaultZDialog : public CFieldDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kDefaultZDialog;

  explicit CDefaultZDialog(CZTable& table) : m_table(table) {}
  int TemplateId() const override { return kTemplateId; }
  std::vector<DialogField> Fields() override;

  // The ten default Z values, signed decimal.
  void OnInitDialog() override;
  // Stores the ten numbers once all of them read as 32-bit values.
  bool OnOK(IInteractionPort& port) override;

  std::array<std::string, kShortcutCount> m_values;

 private:
  CZTable& m_table;
};

class CDefaultLogicDialog : public CFieldDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kDefaultLogicDialog;
  // A logic name longer than this is not taken.
  static constexpr size_t kMaxLogicBytes = 1023;

  explicit CDefaultLogicDialog(CLogicTable& table) : m_table(table) {}
  int TemplateId() const override { return kTemplateId; }
  std::vector<DialogField> Fields() override;

  // Every box offers the known logic names, sorted, and shows its default logic.
  void OnInitDialog() override;
  bool OnOK(IInteractionPort& port) override;

  std::array<std::string, kShortcutCount> m_logics;
  std::vector<std::string> m_choices;

 private:
  CLogicTable& m_table;
};

// Run the dialogs; nothing happens while the document has no tables.
void EditDefaultZ(CWorldDoc& doc);
void EditDefaultLogic(CWorldDoc& doc);

}  // namespace vyr
