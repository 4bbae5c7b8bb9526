// Recovery copies on a worker thread, their removal, the recovery question and backups.
#include "world/work_keeper.h"

#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/profile.h"
#include "platform/profile_keys.h"
#include "res/messages.h"
#include "world/world.h"
#include "world/world_doc.h"
#include "world/world_file.h"

namespace vyr {

std::string FormatCopyTime(std::time_t time) {
  std::tm local{};
  localtime_r(&time, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

CWorkKeeper::CWorkKeeper(CWorldDoc& doc, CRecoveryStore recovery, CBackupStore backups, ProgressGate::Clock clock)
    : m_doc(doc), m_recovery(std::move(recovery)), m_backups(std::move(backups)), m_clock(std::move(clock)) {
  m_doc.AddObserver(this);
  m_doc.SetKeeper(this);
}

CWorkKeeper::~CWorkKeeper() {
  WaitForWriter();
  m_doc.SetKeeper(nullptr);
  m_doc.RemoveObserver(this);
}

int64_t CWorkKeeper::IntervalMs() const {
  const Profile* profile = m_doc.GetProfile();
  const int seconds =
      profile ? profile->GetProfileInt(profile::kOptions, profile::kRecoveryInterval, kDefaultIntervalSeconds)
              : kDefaultIntervalSeconds;
  return int64_t(seconds) * 1000;
}

void CWorkKeeper::MarkEdited() {
  if (m_edited) return;
  m_edited = true;
  m_editedSince = m_clock();
}

void CWorkKeeper::WorldChanged(const ChangeNotice&) { MarkEdited(); }

void CWorkKeeper::ContentsReset() {
  m_edited = false;
  m_wasModified = false;
}

bool CWorkKeeper::Tick() {
  const bool modified = m_doc.IsModified();
  // Changes the document makes without a notice (a header edit, a relocated archive).
  if (modified && !m_wasModified) MarkEdited();
  m_wasModified = modified;
  if (!modified) m_edited = false;
  const int64_t interval = IntervalMs();
  const std::string& path = m_doc.GetPathName();
  if (!m_edited || interval <= 0 || path.empty() || !m_doc.HasLoadedWorld() || m_busy) return false;
  const int64_t now = m_clock();
  if (now - m_editedSince < interval || (m_lastWrite >= 0 && now - m_lastWrite < interval)) return false;

  // Only the quick part runs here; compressing and writing need nothing of the world.
  std::vector<uint8_t> image;
  std::string reason;
  if (!BuildRawWorldFileImage(*m_doc.World(), m_doc.Properties(), image, &reason)) return false;
  if (m_worker.joinable()) m_worker.join();
  m_busy = true;
  m_edited = false;
  m_lastWrite = now;
  m_worker = std::thread([this, path, image = std::move(image)]() mutable {
    std::string error;
    if (FinishWorldFileImage(image, &error)) {
      const std::span<const uint8_t> pieces[] = {image};
      m_recovery.Write(path, pieces, error);
    }
    {
      const std::lock_guard<std::mutex> lock(m_errorLock);
      m_writeError = error;
    }
    m_busy = false;
  });
  return true;
}

std::string CWorkKeeper::WaitForWriter() {
  if (m_worker.joinable()) m_worker.join();
  const std::lock_guard<std::mutex> lock(m_errorLock);
  return m_writeError;
}

void CWorkKeeper::BeforeSave(const std::string& path) {
  const Profile* profile = m_doc.GetProfile();
  const int keep = profile ? profile->GetProfileInt(profile::kOptions, profile::kBackups, kDefaultBackups)
                           : kDefaultBackups;
  std::string error;
  // A backup that cannot be made must not stop the save the user asked for.
  if (!m_backups.Keep(path, keep, error)) m_doc.Interaction().ShowStatus(error);
}

void CWorkKeeper::AfterSave(const std::string& path) {
  WaitForWriter();
  m_recovery.Remove(path);
  if (!m_doc.GetPathName().empty()) m_recovery.Remove(m_doc.GetPathName());
  m_edited = false;
}

void CWorkKeeper::ChangesDiscarded() {
  WaitForWriter();
  if (!m_doc.GetPathName().empty()) m_recovery.Remove(m_doc.GetPathName());
  m_edited = false;
}

void CWorkKeeper::CleanExit() {
  WaitForWriter();
  if (!m_doc.IsModified() && !m_doc.GetPathName().empty()) m_recovery.Remove(m_doc.GetPathName());
}

std::optional<std::string> CWorkKeeper::OfferRecovery(const std::string& worldPath, IInteractionPort& port) {
  WaitForWriter();
  const std::optional<StoredCopy> copy = m_recovery.NewerCopy(worldPath);
  if (!copy) return std::nullopt;
  if (!port.AskYesNo(FormatMessage(res::text::kRecoverQuestion, {FormatCopyTime(copy->written)})))
    return std::nullopt;
  return copy->path;
}

}  // namespace vyr
