// The user's state folder and what the editor keeps there for each world: a recovery copy
// of unsaved changes and backups of earlier versions, never beside the world itself.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vyr {

// $XDG_STATE_HOME (or ~/.local/state) + "/vyrworld".
std::string StateFolder();

// A file kept for a world: where it is, the world it belongs to, when it was written and
// how large it is.
struct StoredCopy {
  std::string path;
  std::string worldPath;
  std::time_t written = 0;
  uint64_t size = 0;
};

// One recovery copy per world, named from the world's path, with the path beside it.
class CRecoveryStore {
 public:
  explicit CRecoveryStore(std::string folder) : m_folder(std::move(folder)) {}
  // The store under StateFolder().
  static CRecoveryStore Default();

  std::string CopyPath(const std::string& worldPath) const;
  // Writes the copy atomically; false with `error` when it could not be written.
  bool Write(const std::string& worldPath, std::span<const std::span<const uint8_t>> pieces,
             std::string& error) const;
  void Remove(const std::string& worldPath) const;
  // The world's copy when there is one and it is newer than the world file (or the world
  // file is gone).
  std::optional<StoredCopy> NewerCopy(const std::string& worldPath) const;
  // Every copy, newest first.
  std::vector<StoredCopy> List() const;

 private:
  std::string m_folder;
};

// The earlier versions of each world, a folder per world, the oldest dropped past a count.
class CBackupStore {
 public:
  explicit CBackupStore(std::string folder) : m_folder(std::move(folder)) {}
  static CBackupStore Default();

  // Copies the file at `worldPath` (when there is one) in as the newest backup, then keeps
  // only the newest `keep` (0 keeps none). False with `error` when the copy failed.
  bool Keep(const std::string& worldPath, int keep, std::string& error) const;
  // The world's backups, newest first.
  std::vector<StoredCopy> List(const std::string& worldPath) const;

 private:
  std::string FolderFor(const std::string& worldPath) const;
  std::string m_folder;
};

}  // namespace vyr
