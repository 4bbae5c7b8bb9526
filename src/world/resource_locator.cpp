// Resource location: archive, palette and image sets of an opened or new world, the object
// image sets, adding image sets and refreshing the archive.
#include "world/resource_locator.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/message_format.h"
#include "platform/path_name.h"
#include "platform/profile.h"
#include "platform/profile_keys.h"
#include "platform/windows1250.h"
#include "res/messages.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "resources/rez_freshen.h"
#include "resources/rez_mgr.h"
#include "resources/rez_names.h"
#include "world/known_name_lists.h"
#include "world/shortcut_tables.h"

namespace vyr {

namespace {

// Damage lines shown in a message; the tool lists them all.
constexpr size_t kDamageLinesShown = 8;

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

std::string AbsoluteOf(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

std::string Paragraphs(const std::string& first, std::string_view second) {
  if (first.empty() || second.empty()) return first.empty() ? std::string(second) : first;
  return first + "\n\n" + std::string(second);
}

// What the reader noted while reading a damaged archive's tree; empty when it read cleanly.
std::string DamageReport(const CRezMgr& archive, const std::string& name) {
  const std::vector<std::string>& problems = archive.Problems();
  if (problems.empty()) return {};
  std::string text = FormatMessage(res::text::kRezDamaged, {name});
  for (size_t i = 0; i < problems.size() && i < kDamageLinesShown; ++i) text += "\n- " + problems[i];
  if (problems.size() > kDamageLinesShown)
    text += "\n- (" + std::to_string(problems.size() - kDamageLinesShown) + " more)";
  return text;
}

bool IsNoPalette(const std::string& palette) { return palette.empty() || RezNamesEqual(palette, "NONE"); }

}  // namespace

CResourceLocator::CResourceLocator(Profile* profile, const WorldProperties& properties)
    : m_profile(profile), m_properties(properties) {}

CResourceLocator::~CResourceLocator() = default;

void CResourceLocator::Reset() {
  Free();
  m_failure.clear();
  m_relocated = false;
  m_imageSets = std::make_unique<CImageSetTable>();
  m_archive = std::make_unique<CRezMgr>();
  m_palette = std::make_unique<CPalId>();
}

void CResourceLocator::Free() {
  m_objectImageSetsPending = true;
  m_palette.reset();
  m_imageSets.reset();
  m_archive.reset();
  m_archiveInUse.clear();
}

bool CResourceLocator::ArchiveOpen() const { return m_archive && m_archive->IsOpen(); }

std::vector<std::string> CResourceLocator::WorldArchiveCandidates(const std::string& worldFolder) const {
  const std::string& stored = m_properties.archivePath;
  std::vector<std::string> candidates;
  std::vector<std::string> seen;
  auto add = [&](const std::string& path) {
    const std::string absolute = AbsoluteOf(path);
    if (std::find(seen.begin(), seen.end(), absolute) != seen.end()) return;
    seen.push_back(absolute);
    candidates.push_back(path);
  };
  if (stored.empty()) return candidates;
  // A relative path belongs to the world, not to the folder the editor was started from.
  // A path with backslashes is a Windows one: only its file name can be looked for.
  const bool relative = stored.find('\\') == std::string::npos && std::filesystem::path(stored).is_relative();
  if (relative && !worldFolder.empty()) add((std::filesystem::path(worldFolder) / stored).string());
  add(stored);
  if (worldFolder.empty()) return candidates;
  const size_t cut = stored.find_last_of("/\\");
  const std::string name = cut == std::string::npos ? stored : stored.substr(cut + 1);
  if (name.empty()) return candidates;
  std::error_code error;
  for (std::filesystem::directory_iterator it(worldFolder, error), end; !error && it != end; it.increment(error)) {
    if (!RezNamesEqual(it->path().filename().string(), name)) continue;
    std::error_code kindError;
    if (it->is_regular_file(kindError)) {
      add(it->path().string());
      break;
    }
  }
  return candidates;
}

bool CResourceLocator::OpenArchiveAt(const std::string& path, std::string* reason) {
  if (path.empty()) return false;
  if (!m_archive) m_archive = std::make_unique<CRezMgr>();
  if (m_archive->IsOpen()) m_archive->CloseArchive();
  return m_archive->OpenArchive(path, true, reason);
}

bool CResourceLocator::OpenResourceArchive(const std::string& worldFolder, const std::string& worldPath,
                                           std::string& why) {
  why.clear();
  std::vector<std::string> paths;
  if (m_profile) {
    const std::string preferred = m_profile->GetProfileString(profile::kOptions, profile::kRezFile);
    paths.push_back(preferred);
    // An older version kept it in Windows-1250; the system names files in UTF-8.
    if (const std::string utf8 = Utf8OrWindows1250(preferred); utf8 != preferred) paths.push_back(utf8);
  }
  for (std::string& candidate : WorldArchiveCandidates(worldFolder)) paths.push_back(std::move(candidate));
  // Where it was found when the world was saved, for a world saved away from its archive.
  if (m_profile && !worldPath.empty())
    paths.push_back(m_profile->GetProfileString(WorldProfileSection(worldPath), profile::kRezFound));
  for (const std::string& path : paths) {
    std::string reason;
    if (OpenArchiveAt(path, &reason)) {
      m_archiveInUse = AbsoluteOf(path);
      return true;
    }
    // A file that is there but refused says more than the path alone.
    if (IsRegularFile(path) && !reason.empty()) why += (why.empty() ? "" : "\n") + reason;
  }
  m_archiveInUse.clear();
  return false;
}

bool CResourceLocator::ArchivePathResolves(const std::string& worldFolder) const {
  const std::vector<std::string> candidates = WorldArchiveCandidates(worldFolder);
  return std::any_of(candidates.begin(), candidates.end(), IsRegularFile);
}

bool CResourceLocator::RememberArchiveFor(const std::string& oldPath, const std::string& newPath) {
  if (!m_profile || m_archiveInUse.empty()) return false;
  m_profile->WriteProfileString(WorldProfileSection(newPath), profile::kRezFound, m_archiveInUse);
  if (newPath == oldPath || m_properties.archivePath.empty()) return false;
  const std::string oldFolder = oldPath.empty() ? std::string() : FolderOf(oldPath);
  return ArchivePathResolves(oldFolder) && !ArchivePathResolves(FolderOf(newPath));
}

std::string CResourceLocator::ResourceMissingText(ResourceField field, const std::string& name, bool empty) const {
  const std::string_view pattern = field == ResourceField::kPalette ? res::text::kPaletteNotInRez
                                   : empty                          ? res::text::kImageDirHoldsNoImages
                                                                    : res::text::kImageDirNotInRez;
  const std::string text = FormatMessage(pattern, {name, m_archiveInUse});
  return m_archive ? Paragraphs(text, DamageReport(*m_archive, m_archiveInUse)) : text;
}

bool CResourceLocator::AskForNewLocation(IResourceQuestions* questions, const MissingResource& missing,
                                         const std::string& failure) {
  if (questions && questions->NewLocationGiven(missing)) {
    m_relocated = true;
    return true;
  }
  m_failure = Paragraphs(failure, res::text::kOpenAgainToRelocate);
  return false;
}

bool CResourceLocator::LoadPaletteItem(const std::string& path) {
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

void CResourceLocator::UseDefaultPalette() {
  m_palette->Delete();
  m_palette->BuildDefault();
  m_paletteFromImages = true;
}

int CResourceLocator::LoadImageDirectory() {
  CRezDir* directory = m_archive->FindDir(m_properties.imageDir);
  if (!directory) return -1;
  m_imageSets->SetLoadContext(ImageLoadContext{m_palette.get(), m_paletteFromImages});
  return m_imageSets->LoadImageSets(*directory, "", "_");
}

bool CResourceLocator::Locate(const std::string& worldPath, IResourceQuestions* questions) {
  m_failure.clear();
  m_relocated = false;
  if (!Ready()) return false;
  const std::string worldFolder = worldPath.empty() ? std::string() : FolderOf(worldPath);
  for (;;) {
    if (m_archive && m_archive->IsOpen()) m_archive->CloseArchive();

    std::string why;
    if (!OpenResourceArchive(worldFolder, worldPath, why)) {
      const std::string& archive = m_properties.archivePath;
      if (AskForNewLocation(questions, {ResourceField::kArchive, archive, why},
                            Paragraphs(FormatMessage(res::text::kRezNotOpened, {archive}), why)))
        continue;
      return false;
    }

    const std::string& palette = m_properties.palette;
    if (IsNoPalette(palette)) {
      UseDefaultPalette();
    } else if (!LoadPaletteItem(palette)) {
      const std::string missing = ResourceMissingText(ResourceField::kPalette, palette);
      if (AskForNewLocation(questions, {ResourceField::kPalette, palette, missing}, missing)) continue;
      return false;
    }

    // An image directory without images cannot show the world either: the same retry.
    const int sets = LoadImageDirectory();
    if (sets <= 0) {
      const std::string& imageDir = m_properties.imageDir;
      const std::string missing = ResourceMissingText(ResourceField::kImageDir, imageDir, sets == 0);
      if (AskForNewLocation(questions, {ResourceField::kImageDir, imageDir, missing}, missing)) continue;
      return false;
    }
    return true;
  }
}

ResourceProblem CResourceLocator::LocateForNewWorld() {
  std::string why;
  if (!OpenResourceArchive({}, {}, why))
    return {ResourceField::kArchive, Paragraphs(FormatMessage(res::text::kRezNotOpened, {m_properties.archivePath}), why)};
  if (IsNoPalette(m_properties.palette)) {
    UseDefaultPalette();
  } else if (!LoadPaletteItem(m_properties.palette)) {
    return {ResourceField::kPalette,
            Paragraphs(ResourceMissingText(ResourceField::kPalette, m_properties.palette), res::text::kEnterPalette)};
  }
  const int sets = LoadImageDirectory();
  if (sets <= 0)
    return {ResourceField::kImageDir, Paragraphs(ResourceMissingText(ResourceField::kImageDir, m_properties.imageDir, sets == 0),
                                                 res::text::kEnterImageDir)};
  return {};
}

ResourceProblem CResourceLocator::MissingFromOpenArchive(const std::string& imageDir, const std::string& palette) const {
  if (!m_archive || !m_archive->IsOpen()) return {};
  if (!m_archive->FindDir(imageDir))
    return {ResourceField::kImageDir, ResourceMissingText(ResourceField::kImageDir, imageDir)};
  if (!IsNoPalette(palette) && !m_archive->FindItem(palette))
    return {ResourceField::kPalette, ResourceMissingText(ResourceField::kPalette, palette)};
  return {};
}

namespace {

// Adding mode: each set that received images is offered to the object dialogs.
void OfferToObjectDialogs(const std::string& name) { KnownNameLists::ImageSets().Add(name); }

}  // namespace

int CResourceLocator::AddImageSets(CRezDir& directory, const std::string& prefix) {
  if (!m_imageSets || !m_palette) return 0;
  m_imageSets->SetLoadContext(ImageLoadContext{m_palette.get(), m_paletteFromImages});
  return m_imageSets->LoadImageSets(directory, prefix, "_", OfferToObjectDialogs);
}

void CResourceLocator::LoadObjectImageSets() {
  if (!m_archive || !m_archive->IsOpen() || !m_archive->GetRootDir() || !m_imageSets || !m_palette) return;
  m_imageSets->SetLoadContext(ImageLoadContext{m_palette.get(), m_paletteFromImages});
  m_imageSets->LoadObjectImageSets(*m_archive->GetRootDir(), m_properties.imageSets, m_properties.prefixes,
                                   OfferToObjectDialogs);
}

std::string CResourceLocator::RefreshFolder() const {
  // The archive in use is an absolute path, so it always has a folder for REZ.
  return (std::filesystem::path(m_archiveInUse).parent_path() / "REZ").string();
}

ArchiveRefresh CResourceLocator::Refresh(const std::function<void()>& examined) {
  ArchiveRefresh outcome;
  const std::string archivePath = m_archiveInUse;
  const bool wasOpen = ArchiveOpen();
  if (wasOpen) m_archive->CloseArchive();

  FreshenOptions options;
  options.progress = [&examined](const std::string&) {
    if (examined) examined();
  };
  outcome.freshen = FreshenArchive(archivePath, RefreshFolder(), options);
  if (wasOpen && !OpenArchiveAt(archivePath, &outcome.reopenReason)) {
    m_archive.reset();
    outcome.reopenFailed = true;
  }
  return outcome;
}

}  // namespace vyr
