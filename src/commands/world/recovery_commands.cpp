// The recovery copy and backup lists.
#include "commands/world/recovery_commands.h"

#include <string>
#include <vector>

#include "platform/command_ids.h"
#include "platform/command_table.h"
#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/path_name.h"
#include "res/messages.h"
#include "world/work_keeper.h"
#include "world/world_doc.h"

namespace vyr {
namespace {

std::string SizeText(uint64_t bytes) {
  if (bytes < 10 * 1024) return std::to_string(bytes) + " B";
  if (bytes < 10 * 1024 * 1024) return std::to_string((bytes + 512) / 1024) + " KB";
  return std::to_string((bytes + 512 * 1024) / (1024 * 1024)) + " MB";
}

std::vector<std::string> Entries(const std::vector<StoredCopy>& copies, bool withWorld) {
  std::vector<std::string> entries;
  for (const StoredCopy& copy : copies)
    entries.push_back(FormatMessage(res::text::kCopyEntry, {withWorld ? copy.worldPath : FileNameOf(copy.worldPath),
                                                            FormatCopyTime(copy.written), SizeText(copy.size)}));
  return entries;
}

}  // namespace

void ShowRecoveryCopies(CWorldDoc& doc) {
  CWorkKeeper* keeper = doc.Keeper();
  if (!keeper) return;
  keeper->WaitForWriter();
  IInteractionPort& port = doc.Interaction();
  for (;;) {
    const std::vector<StoredCopy> copies = keeper->Recovery().List();
    if (copies.empty()) {
      port.ShowStatus(res::text::kNoRecoveryCopies);
      return;
    }
    const std::optional<IInteractionPort::ListChoice> choice =
        port.ChooseFromList(res::text::kRecoverTitle, Entries(copies, true), true);
    if (!choice || choice->index < 0 || size_t(choice->index) >= copies.size()) return;
    const StoredCopy& copy = copies[size_t(choice->index)];
    if (choice->remove) {
      keeper->Recovery().Remove(copy.worldPath);
      continue;
    }
    if (!doc.SaveModified()) return;
    if (!doc.OpenCopy(copy.worldPath, copy.path, true)) doc.Interaction().Message(doc.FailureReason(), MessageIcon::Error);
    return;
  }
}

void ShowPreviousVersions(CWorldDoc& doc) {
  CWorkKeeper* keeper = doc.Keeper();
  if (!keeper || doc.GetPathName().empty()) return;
  IInteractionPort& port = doc.Interaction();
  const std::string worldPath = doc.GetPathName();
  const std::vector<StoredCopy> backups = keeper->Backups().List(worldPath);
  if (backups.empty()) {
    port.ShowStatus(res::text::kNoPreviousVersions);
    return;
  }
  const std::optional<IInteractionPort::ListChoice> choice =
      port.ChooseFromList(res::text::kPreviousVersionsTitle, Entries(backups, false), false);
  if (!choice || choice->index < 0 || size_t(choice->index) >= backups.size()) return;
  if (!doc.SaveModified()) return;
  if (!doc.OpenCopy(worldPath, backups[size_t(choice->index)].path, false))
    port.Message(doc.FailureReason(), MessageIcon::Error);
}

void RegisterRecoveryCommands(CommandTable& table, CWorldDoc& doc) {
  table.On(cmd::kRecover, [&doc] { ShowRecoveryCopies(doc); });
  table.OnUpdate(cmd::kRecover, [&doc](CommandState& state) { state.Enable(doc.Keeper() != nullptr); });
  table.On(cmd::kPreviousVersions, [&doc] { ShowPreviousVersions(doc); });
  table.OnUpdate(cmd::kPreviousVersions, [&doc](CommandState& state) {
    state.Enable(doc.Keeper() != nullptr && !doc.GetPathName().empty());
  });
}

}  // namespace vyr
