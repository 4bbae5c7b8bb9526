// Where a save writes: through symbolic links to the real file, via a temporary file beside it.
#pragma once

#include <string>

namespace vyr {

// The file a save of `path` replaces: `path` itself or, when it is a symbolic link, the
// file its links lead to (which need not exist yet), so that the links stay links.
// False, with a reason, when the links cannot be read or loop.
bool ResolveSaveTarget(const std::string& path, std::string& target, std::string& error);

// Creates a new, empty file ".NAME.vyrtmp-PID-XXXXXX" in the folder of `target` (NAME its
// file name, PID this process, XXXXXX random), with the target's permissions or 0644,
// and returns its open descriptor. First removes the temporary files of earlier saves of
// the same target whose writing process no longer runs. -1, with a reason, on failure.
int CreateSaveTemp(const std::string& target, std::string& tempPath, std::string& error);

// Removes the temporary files of every target in `folder` whose writing process no
// longer runs (a save that was killed). Files of running writers stay.
void RemoveStaleSaveTemps(const std::string& folder);

}  // namespace vyr
