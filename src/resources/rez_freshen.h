// Freshen: storing a folder tree of loose files into an archive; making a new archive from one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "resources/rez_file.h"

namespace vyr {

class CRezDir;

struct FreshenOptions {
  RezFileOpener opener;                                   // empty: the real file system
  std::function<uint32_t()> clock;                        // empty: the system clock
  std::function<void(const std::string& file)> progress;  // called for each file examined
};

struct FreshenResult {
  bool ok = false;
  int stored = 0;                     // items stored
  std::string reason;                 // why it failed
  std::vector<std::string> warnings;  // files or folders passed over because unreadable
};

// One entry of a folder listing.
struct FolderEntry {
  std::string name;
  bool isFolder = false;
};

// Lists a folder in a fixed order: names sorted by their upper-cased bytes (then by
// their bytes), "." and ".." left out, files and folders mixed. Symbolic links to folders
// are not followed. False, with a reason, when the folder cannot be listed.
bool ListFolderSorted(const std::filesystem::path& folder, std::vector<FolderEntry>& entries,
                      std::string& reason);

// Updates the archive at `archivePath` from the folder tree at `folderPath`: every file
// newer than its stored copy (or not stored yet) is stored; returns the count. Nothing
// is changed in the archive unless the whole update is written.
FreshenResult FreshenArchive(const std::string& archivePath, const std::string& folderPath,
                             const FreshenOptions& options = {});

// The design's form: the number of items stored, 0 when the archive cannot be opened.
int Freshen(const std::string& archivePath, const std::string& folderPath);

// A new archive holding the folder tree, laid out as Freshen stores it into an empty
// archive; marked compact. The archive replaces `archivePath` only when complete.
FreshenResult CreateArchiveFromFolder(const std::string& archivePath, const std::string& folderPath,
                                      const FreshenOptions& options = {});

}  // namespace vyr
