// CWorldDoc resource location: archive, palette and image sets of an opened or new world,
// the object image sets, adding image sets and refreshing the archive.
#include <filesystem>
#include <system_error>

#include "platform/interaction_port.h"
#include "platform/profile.h"
#include "res/messages.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "resources/rez_freshen.h"
#include "resources/rez_mgr.h"
#include "resources/rez_names.h"
#include "world/known_name_lists.h"
#include "world/undo_stack.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

constexpr const char* kOptions = "Options";

// The last component of a path written with either separator.
std::string FileNameOf(const std::string& path) {
  size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// The question texts take one %s; the value is inserted as it stands (it may hold '%').
std::string Format(std::string_view pattern, const std::string& value) {
  std::string text(pattern);
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, value);
  return text;
}

}  // namespace

std::string CWorldDoc::LocateWorldArchive(const std::string& worldFolder) const {
  const std::string& stored = m_properties.archivePath;
  if (IsRegularFile(stored) || worldFolder.empty()) return stored;
  // A Windows path (C:\GAME\DATA.REZ) or one relative to another folder: look for a file
  // of that name, in any case, beside the world file.
  const std::string name = FileNameOf(stored);
  if (name.empty()) return stored;
  std::error_code error;
  for (std::filesystem::directory_iterator it(worldFolder, error), end; !error && it != end; it.increment(error)) {
    if (!RezNamesEqual(it->path().filename().string(), name)) continue;
    std::error_code kindError;
    if (it->is_regular_file(kindError)) return it->path().string();
  }
  return stored;
}

bool CWorldDoc::OpenArchiveAt(const std::string& path) {
  if (path.empty()) return false;
  if (!m_archive) m_archive = std::make_unique<CRezMgr>();
  if (m_archive->IsOpen()) m_archive->CloseArchive();
  return m_archive->OpenArchive(path, true);
}

bool CWorldDoc::AskForNewLocation(const std::string& question, const std::string& failure) {
  if (m_interaction.AskYesNo(question) && m_hooks.runWorldInfoDialog && m_hooks.runWorldInfoDialog()) {
    SetModifiedFlag(true);
    return true;
  }
  m_resourceFailure = failure;
  return false;
}

bool CWorldDoc::LoadPaletteItem(const std::string& path) {
  CRezItem* item = m_archive->FindItem(path);
  if (!item) return false;
  m_palette->Delete();
  std::span<uint8_t> data = item->GetData();
  const bool loaded = !data.empty() && m_palette->LoadFromItem(ByteSpan(data.data(), data.size()));
  item->ReleaseData();
  // A palette item too short to hold 256 colours leaves the colour cube in its place.
  if (!loaded) {
    UseDefaultPalette();
    return true;
  }
  m_paletteFromImages = false;
  return true;
}

void CWorldDoc::UseDefaultPalette() {
  m_palette->Delete();
  m_palette->BuildDefault();
  m_paletteFromImages = true;
}

int CWorldDoc::LoadImageDirectory() {
  CRezDir* directory = m_archive->FindDir(m_properties.imageDir);
  if (!directory) return -1;
  m_imageSets->SetLoadContext(ImageLoadContext{m_palette.get(), m_paletteFromImages});
  return m_imageSets->LoadImageSets(*directory, "", "_");
}

int CWorldDoc::ResolveResources() {
  if (!m_world || !m_imageSets || !m_palette || !m_undo) return 0;
  m_resourceFailure.clear();
  const std::string rezFile = m_profile ? m_profile->GetProfileString(kOptions, "RezFile") : std::string();
  for (;;) {
    if (m_archive && m_archive->IsOpen()) m_archive->CloseArchive();

    bool opened = !rezFile.empty() && OpenArchiveAt(rezFile);
    if (!opened) opened = OpenArchiveAt(m_properties.archivePath);
    if (!opened) {
      const std::string beside = LocateWorldArchive(m_openingFolder);
      opened = beside != m_properties.archivePath && OpenArchiveAt(beside);
    }
    if (!opened) {
      if (AskForNewLocation(Format(res::text::kNoRezFile, m_properties.archivePath),
                            "The rez file " + m_properties.archivePath + " was not found."))
        continue;
      return 0;
    }

    const std::string& palette = m_properties.palette;
    if (!palette.empty() && !RezNamesEqual(palette, "NONE")) {
      if (!LoadPaletteItem(palette)) {
        if (AskForNewLocation(Format(res::text::kNoPaletteRez, palette),
                              "The palette " + palette + " is not in the rez file."))
          continue;
        return 0;
      }
    } else {
      UseDefaultPalette();
    }

    const int sets = LoadImageDirectory();
    if (sets < 0) {
      if (AskForNewLocation(Format(res::text::kNoImageRezDir, m_properties.imageDir),
                            "The image directory " + m_properties.imageDir + " is not in the rez file."))
        continue;
      return 0;
    }
    if (sets == 0) {
      m_resourceFailure = "The image directory " + m_properties.imageDir + " of the rez file holds no images.";
      return 0;
    }
    break;
  }

  if (m_view && m_view->EditMode() == kObjectMode) {
    m_objectImageSetsPending = false;
    LoadObjectImageSets();
  }
  m_undo->Clear();
  m_undo->SetLimit(kUndoLimit);
  return 1;
}

int CWorldDoc::ResolveNewWorldResources() {
  if (!m_world || !m_imageSets || !m_palette || !m_undo) return 0;
  if (!m_world->SetViewRect(InitialViewRect())) return 0;
  const std::string rezFile = m_profile ? m_profile->GetProfileString(kOptions, "RezFile") : std::string();
  if (!OpenArchiveAt(rezFile.empty() ? m_properties.archivePath : rezFile)) return 0;
  // Unlike an opened world, "NONE" is looked up like any other path here (and not found).
  if (!LoadPaletteItem(m_properties.palette)) UseDefaultPalette();
  if (LoadImageDirectory() <= 0) return 0;
  m_undo->SetLimit(kUndoLimit);
  if (m_view) m_view->Resize();
  return 1;
}

namespace {

// Adding mode: each set that received images is offered to the object dialogs.
void OfferToObjectDialogs(const std::string& name) { KnownNameLists::ImageSets().Add(name); }

}  // namespace

int CWorldDoc::AddImageSets(CRezDir& directory, const std::string& prefix) {
  if (!m_imageSets || !m_palette) return 0;
  m_imageSets->SetLoadContext(ImageLoadContext{m_palette.get(), m_paletteFromImages});
  return m_imageSets->LoadImageSets(directory, prefix, "_", OfferToObjectDialogs);
}

void CWorldDoc::LoadObjectImageSets() {
  if (!m_archive || !m_archive->IsOpen() || !m_archive->GetRootDir() || !m_imageSets || !m_palette) return;
  WaitCursor wait(m_interaction);
  m_imageSets->SetLoadContext(ImageLoadContext{m_palette.get(), m_paletteFromImages});
  m_imageSets->LoadObjectImageSets(*m_archive->GetRootDir(), m_properties.imageSets, m_properties.prefixes,
                                   OfferToObjectDialogs);
}

void CWorldDoc::RefreshArchive() {
  if (!CanRefreshArchive()) return;
  WaitCursor wait(m_interaction);
  const std::string archivePath = LocateWorldArchive(GetPathName().empty() ? std::string() : FolderOf(GetPathName()));
  // The folder REZ beside the archive file; either separator may end the folder part.
  const size_t cut = archivePath.find_last_of("/\\");
  if (archivePath.size() <= 1 || cut == std::string::npos) return;
  const std::string folder = archivePath.substr(0, cut + 1) + "REZ";

  const bool wasOpen = m_archive && m_archive->IsOpen();
  if (wasOpen) m_archive->CloseArchive();

  FreshenOptions options;
  int examined = 0;
  options.progress = [this, &examined](const std::string&) { m_interaction.SetProgress(++examined); };
  m_interaction.BeginProgress("Refreshing rez file " + archivePath + " from " + folder, 0);
  const FreshenResult result = FreshenArchive(archivePath, folder, options);
  m_interaction.EndProgress();
  if (!result.ok)
    m_interaction.Message("Unable to refresh rez file " + archivePath + ":\n\n" + result.reason, MessageIcon::Error);

  if (wasOpen && !OpenArchiveAt(archivePath)) m_archive.reset();
}

}  // namespace vyr
