// "&Opcje...": the profile's RezFile shown, written at OK even when empty, untouched by Cancel.
#include "commands/game/options_dialog.h"

#include <gtest/gtest.h>

#include "commands/command_run.h"
#include "commands/document_commands.h"
#include "platform/profile_keys.h"
#include "world/document_fixture.h"

namespace vyr {
namespace {

TEST(OptionsDialog, ShowsRezFileAndWritesItOnlyAtOk) {
  const struct Row {
    std::optional<std::string> stored;  // none: no RezFile key
    std::string shown;
    std::optional<std::string> typed;  // none: Cancel
    std::optional<std::string> after;
  } rows[] = {
      {std::nullopt, "", "/data/game.rez", "/data/game.rez"},
      {std::nullopt, "", std::nullopt, std::nullopt},
      {"/old.rez", "/old.rez", "", ""},
      {"/old.rez", "/old.rez", std::nullopt, "/old.rez"},
      // An older version's Windows-1250 path is shown as the UTF-8 the system uses.
      {"/\xB3\xB9ka/g.rez", "/\xC5\x82\xC4\x85ka/g.rez", "/\xC5\x82\xC4\x85ka/g.rez", "/\xC5\x82\xC4\x85ka/g.rez"},
  };
  for (const Row& row : rows) {
    test::DocumentRig rig;
    RegisterDocumentCommands(rig.doc);
    if (row.stored) rig.profile.WriteProfileString(profile::kOptions, profile::kRezFile, *row.stored);
    std::string shown = "unset";
    if (row.typed) {
      rig.user.QueueDialogOk([&](CDialogModel& model, int) {
        auto& dialog = dynamic_cast<COptionsDialog&>(model);
        shown = dialog.m_rezFile;
        dialog.m_rezFile = *row.typed;
      });
    } else {
      rig.user.QueueDialog([&](CDialogModel& model) {
        model.OnInitDialog();
        shown = dynamic_cast<COptionsDialog&>(model).m_rezFile;
        dynamic_cast<COptionsDialog&>(model).m_rezFile = "/typed/then/cancelled.rez";
        model.OnCancel();
        return DialogResult::Cancel;
      });
    }
    EXPECT_TRUE(test::UpdateCommand(rig.doc.Commands(), cmd::kOptions).enabled);
    test::RunCommand(rig.doc.Commands(), cmd::kOptions);
    EXPECT_EQ(shown, row.shown);
    EXPECT_EQ(rig.profile.HasKey(profile::kOptions, profile::kRezFile), row.after.has_value());
    EXPECT_EQ(rig.profile.GetProfileString(profile::kOptions, profile::kRezFile, "absent"), row.after.value_or("absent"));
  }
}

}  // namespace
}  // namespace vyr
