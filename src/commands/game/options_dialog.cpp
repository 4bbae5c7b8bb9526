// The "Opcje" dialog's profile value.
#include "commands/game/options_dialog.h"

#include "platform/profile.h"
#include "platform/profile_keys.h"
#include "platform/windows1250.h"

namespace vyr {

void COptionsDialog::OnInitDialog() {
  m_rezFile = m_profile ? Utf8OrWindows1250(m_profile->GetProfileString(profile::kOptions, profile::kRezFile))
                        : std::string();
}

std::vector<DialogField> COptionsDialog::Fields() {
  return {DialogField::Path(kRezFileControl, "Spróbuj najpierw otworzyć ten plik 'Rez':", m_rezFile, kRezFileBytes)};
}

bool COptionsDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  if (m_profile) m_profile->WriteProfileString(profile::kOptions, profile::kRezFile, m_rezFile);
  return true;
}

}  // namespace vyr
