// Model of the "Opcje" dialog: the archive the editor tries before the world's own.
#pragma once

#include <string>

#include "platform/dialog_fields.h"
#include "res/control_ids.h"

namespace vyr {

class Profile;

class COptionsDialog : public CFieldDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kOptionsDialog;
  static constexpr int kRezFileControl = ctl::kOptionsRezFile;
  // The longest path the system takes.
  static constexpr size_t kRezFileBytes = 4095;

  // Without a profile the dialog shows an empty field and OK stores nothing.
  explicit COptionsDialog(Profile* profile) : m_profile(profile) {}
  int TemplateId() const override { return kTemplateId; }

  // The profile's Options / RezFile, empty when absent; a path is UTF-8 there (an older
  // version's Windows-1250 value is read as such).
  void OnInitDialog() override;
  std::vector<DialogField> Fields() override;
  // Writes the field unchanged, even when empty.
  bool OnOK(IInteractionPort& port) override;

  std::string m_rezFile;

 private:
  Profile* m_profile;
};

}  // namespace vyr
