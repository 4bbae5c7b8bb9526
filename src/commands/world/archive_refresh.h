// "&Odśwież Plik 'Rez'": freshening the archive in use from the folder REZ beside it.
#pragma once

namespace vyr {

class CWorldDoc;

// Needs a world whose archive was found.
bool CanRefreshArchive(const CWorldDoc& doc);
// Freshens and reopens the archive with the wait cursor and a progress bar, then says how
// it went: on the status bar when it worked, in a box when either step failed.
void RefreshArchive(CWorldDoc& doc);

}  // namespace vyr
