// The default Z and default logic dialogs: loading the table's defaults and storing them back.
#include "commands/objects/default_shortcut_dialogs.h"

#include <algorithm>

#include "world/known_name_lists.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

std::string Numbered(const char* label, int n) { return label + std::to_string(n) + ":"; }

}  // namespace

std::vector<DialogField> CDefaultZDialog::Fields() {
  std::vector<DialogField> fields;
  for (int n = 0; n < kShortcutCount; ++n)
    fields.push_back(DialogField::Number(ctl::kDefaultZ[n], Numbered("Współrzędna Z #", n), m_values[size_t(n)]));
  return fields;
}

void CDefaultZDialog::OnInitDialog() {
  for (int n = 0; n < kShortcutCount; ++n) m_values[size_t(n)] = std::to_string(m_table.DefaultZ(n));
}

bool CDefaultZDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  for (int n = 0; n < kShortcutCount; ++n) m_table.SetDefaultZ(n, ReadDialogInt(m_values[size_t(n)]).value_or(0));
  return true;
}

std::vector<DialogField> CDefaultLogicDialog::Fields() {
  std::vector<DialogField> fields;
  for (int n = 0; n < kShortcutCount; ++n)
    fields.push_back(DialogField::Text(ctl::kDefaultLogic[n], Numbered("Logika #", n), m_logics[size_t(n)], kMaxLogicBytes));
  return fields;
}

void CDefaultLogicDialog::OnInitDialog() {
  m_choices = KnownNameLists::Logic().Names();
  std::sort(m_choices.begin(), m_choices.end());
  for (int n = 0; n < kShortcutCount; ++n) m_logics[size_t(n)] = m_table.DefaultLogic(n);
}

bool CDefaultLogicDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  for (int n = 0; n < kShortcutCount; ++n) m_table.SetDefaultLogic(n, m_logics[size_t(n)]);
  return true;
}

void EditDefaultZ(CWorldDoc& doc) {
  if (!doc.ZTable()) return;
  CDefaultZDialog dialog(*doc.ZTable());
  doc.Interaction().RunDialog(dialog);
}

void EditDefaultLogic(CWorldDoc& doc) {
  if (!doc.LogicTable()) return;
  CDefaultLogicDialog dialog(*doc.LogicTable());
  doc.Interaction().RunDialog(dialog);
}

}  // namespace vyr
