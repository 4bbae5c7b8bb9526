// The archive refresh command: progress and what the user is told.
#include "commands/world/archive_refresh.h"

#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/path_name.h"
#include "res/messages.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

std::string Paragraphs(const std::string& first, std::string_view second) {
  if (first.empty() || second.empty()) return first.empty() ? std::string(second) : first;
  return first + "\n\n" + std::string(second);
}

}  // namespace

bool CanRefreshArchive(const CWorldDoc& doc) { return doc.HasLoadedWorld() && !doc.Resources().ArchiveInUse().empty(); }

void RefreshArchive(CWorldDoc& doc) {
  if (!CanRefreshArchive(doc)) return;
  IInteractionPort& port = doc.Interaction();
  WaitCursor wait(port);
  const std::string archivePath = doc.Resources().ArchiveInUse();
  const std::string folder = doc.Resources().RefreshFolder();
  int examined = 0;
  port.BeginProgress(FormatMessage(res::text::kRefreshing, {archivePath, folder}), 0);
  const ArchiveRefresh outcome = doc.Resources().Refresh([&port, &examined] { port.SetProgress(++examined); });
  port.EndProgress();

  const FreshenResult& result = outcome.freshen;
  const std::string name = FileNameOf(archivePath);
  if (!result.ok)
    port.Message(
        Paragraphs(Paragraphs(FormatMessage(res::text::kRefreshFailed, {archivePath, folder}), Sentence(result.reason)),
                   res::text::kRefreshWhatToDo),
        MessageIcon::Error);
  else if (result.stored == 0)
    port.ShowStatus(FormatMessage(res::text::kRefreshedNone, {name}));
  else
    port.ShowStatus(FormatMessage(CountForm(res::text::kRefreshed, result.stored), {name, result.stored}));

  if (outcome.reopenFailed)
    port.Message(FormatMessage(res::text::kReopenAfterRefresh, {archivePath, Sentence(outcome.reopenReason)}),
                 MessageIcon::Error);
}

}  // namespace vyr
