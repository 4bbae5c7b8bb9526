// CWorkKeeper: keeps a designer's work when the editor dies or a save goes wrong: a recovery
// copy of unsaved changes written in the background, backups of what each save replaces.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/progress_gate.h"
#include "platform/state_folder.h"
#include "world/document_observer.h"

namespace vyr {

class CWorldDoc;
class IInteractionPort;

class CWorkKeeper final : public IDocumentObserver {
 public:
  static constexpr int kDefaultIntervalSeconds = 60;
  static constexpr int kDefaultBackups = 5;

  // Watches `doc` (which calls the save and discard steps below) until destroyed.
  CWorkKeeper(CWorldDoc& doc, CRecoveryStore recovery, CBackupStore backups,
              ProgressGate::Clock clock = SteadyMilliseconds);
  ~CWorkKeeper() override;
  CWorkKeeper(const CWorkKeeper&) = delete;
  CWorkKeeper& operator=(const CWorkKeeper&) = delete;

  // Called every second or so: once the world has had unsaved changes for the interval
  // (Options/RecoveryInterval) and no copy was started within it, snapshots the world's
  // bytes and writes them on a worker thread. True when a write started.
  bool Tick();
  // Waits for the write in progress; its error (empty when it went well).
  std::string WaitForWriter();

  // The document's steps.
  void BeforeSave(const std::string& path);
  void AfterSave(const std::string& path);
  void ChangesDiscarded();
  // A clean exit: the copy of an unmodified world goes.
  void CleanExit();
  // Asks "Odzyskać niezapisane zmiany z <czas>?" when the world has a copy newer than its
  // file; the copy's path on Yes.
  std::optional<std::string> OfferRecovery(const std::string& worldPath, IInteractionPort& port);

  const CRecoveryStore& Recovery() const { return m_recovery; }
  const CBackupStore& Backups() const { return m_backups; }

  // IDocumentObserver
  void WorldChanged(const ChangeNotice& notice) override;
  void ContentsReset() override;

 private:
  int64_t IntervalMs() const;
  void MarkEdited();

  CWorldDoc& m_doc;
  CRecoveryStore m_recovery;
  CBackupStore m_backups;
  ProgressGate::Clock m_clock;
  // Edits not yet in a copy, and since when.
  bool m_edited = false;
  int64_t m_editedSince = 0;
  int64_t m_lastWrite = -1;
  bool m_wasModified = false;
  std::atomic<bool> m_busy{false};
  std::thread m_worker;
  std::mutex m_errorLock;
  std::string m_writeError;
};

// "2026-12-08 14:05:09", local time.
std::string FormatCopyTime(std::time_t time);

}  // namespace vyr
