// CResourceLocator: where a world's archive, palette and image sets come from, and the archive refresh.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "resources/rez_freshen.h"
#include "world/world_host.h"

namespace vyr {

class CImageSetTable;
class CPalId;
class CRezDir;
class CRezMgr;
class Profile;

// The world header field a resource is named by, so a dialog can point the user at it.
enum class ResourceField { kNone, kArchive, kImageDir, kPalette };

// A resource the world names that cannot be used: the field naming it and what to tell
// the user. Tests false when nothing is wrong.
struct ResourceProblem {
  ResourceField field = ResourceField::kNone;
  std::string text;
  explicit operator bool() const { return field != ResourceField::kNone; }
};

// A resource that an opened world names and that cannot be found: the field, its value
// and what else is known (files refused, damage), empty when nothing is.
struct MissingResource {
  ResourceField field = ResourceField::kNone;
  std::string value;
  std::string details;
};

// What resource location asks of the layer that talks to the user, while it runs.
class IResourceQuestions {
 public:
  virtual ~IResourceQuestions() = default;
  // Offers the user to give a new location for `missing`; true when they did (the world
  // properties then hold it), false when they declined.
  virtual bool NewLocationGiven(const MissingResource& missing) = 0;
};

// How a refresh of the archive in use went.
struct ArchiveRefresh {
  FreshenResult freshen;
  // The archive had been open and could not be opened again: it is gone until the next
  // world is opened.
  bool reopenFailed = false;
  std::string reopenReason;
};

// Owns the archive, the palette and the image sets of the document's world, and finds
// them from the world properties, the profile and the files beside the world.
class CResourceLocator {
 public:
  // `properties` are the document's, read at each step (a new location changes them).
  CResourceLocator(Profile* profile, const WorldProperties& properties);
  ~CResourceLocator();
  CResourceLocator(const CResourceLocator&) = delete;
  CResourceLocator& operator=(const CResourceLocator&) = delete;

  // A fresh empty archive, palette and image-set table; no failure noted.
  void Reset();
  // Destroys all three; the object image sets are pending again. The failure stays, for
  // the document to report.
  void Free();
  bool Ready() const { return m_imageSets && m_palette; }

  CRezMgr* Archive() const { return m_archive.get(); }
  CPalId* Palette() const { return m_palette.get(); }
  CImageSetTable* ImageSets() const { return m_imageSets.get(); }
  bool ArchiveOpen() const;
  // The archive the resources were taken from, as an absolute path; empty before that.
  const std::string& ArchiveInUse() const { return m_archiveInUse; }
  bool PaletteFromImages() const { return m_paletteFromImages; }
  bool ObjectImageSetsPending() const { return m_objectImageSetsPending; }
  void ClearObjectImageSetsPending() { m_objectImageSetsPending = false; }

  // The resources of the world being read from `worldPath` (empty: none): the profile's
  // RezFile, the world's archive, then where the archive was found when this world was
  // last saved; its palette and image directory. What cannot be found goes to `questions`
  // (none: declined), and a new location given starts again. False with Failure() saying
  // why; RelocatedByUser() tells whether a new location was given meanwhile.
  bool Locate(const std::string& worldPath, IResourceQuestions* questions);
  const std::string& Failure() const { return m_failure; }
  bool RelocatedByUser() const { return m_relocated; }
  // The resources of a world just described in "Nowy Świat", without questions: the
  // profile's RezFile, else the world's archive; an empty or "NONE" palette gives the
  // colour cube. On failure the problem names the field to correct.
  ResourceProblem LocateForNewWorld();
  // The image directory or palette that the open archive does not hold (nothing is
  // reported without an open archive), for the check of "Informacje Świata".
  ResourceProblem MissingFromOpenArchive(const std::string& imageDir, const std::string& palette) const;

  // Image sets 1 … 4 of the world header, loaded under their prefixes.
  void LoadObjectImageSets();
  // LoadImageSets in adding mode: the new sets' names are offered to the object dialogs.
  int AddImageSets(CRezDir& directory, const std::string& prefix);

  // After the world was saved from `oldPath` (empty: never saved) to `newPath`: keeps where
  // the archive in use lies in the new path's profile section. True when the user should
  // hear of it: the new place leaves the stored archive path leading nowhere.
  bool RememberArchiveFor(const std::string& oldPath, const std::string& newPath);

  // The folder REZ beside the archive in use, which a refresh takes its files from.
  std::string RefreshFolder() const;
  // Freshens the archive in use from RefreshFolder, then reopens it when it was open;
  // `examined` is called for each file looked at.
  ArchiveRefresh Refresh(const std::function<void()>& examined);

 private:
  // Where the world's stored archive path may name a file, in the order tried: a relative
  // path against the world's folder, the path as it stands, then a file of the same name
  // (any case) beside the world. Without a world folder only the path as it stands.
  std::vector<std::string> WorldArchiveCandidates(const std::string& worldFolder) const;
  // Opens the profile's RezFile, else the world's archive, else the one remembered for
  // `worldPath`, and keeps it as the one in use. On failure `why` holds the reasons of
  // files that exist but would not open.
  bool OpenResourceArchive(const std::string& worldFolder, const std::string& worldPath, std::string& why);
  bool ArchivePathResolves(const std::string& worldFolder) const;
  bool OpenArchiveAt(const std::string& path, std::string* reason = nullptr);
  // The palette or image directory the open archive lacks (the image directory may also
  // hold no images: `empty`), with the reader's damage report appended.
  std::string ResourceMissingText(ResourceField field, const std::string& name, bool empty = false) const;
  // True when the user gave a new location; otherwise keeps `failure`, and how to retry,
  // as the reason.
  bool AskForNewLocation(IResourceQuestions* questions, const MissingResource& missing, const std::string& failure);
  bool LoadPaletteItem(const std::string& path);
  void UseDefaultPalette();
  // Number of sets loaded from the image directory, or -1 when it is not in the archive.
  int LoadImageDirectory();

  Profile* m_profile;
  const WorldProperties& m_properties;
  std::unique_ptr<CRezMgr> m_archive;
  std::unique_ptr<CImageSetTable> m_imageSets;
  std::unique_ptr<CPalId> m_palette;
  std::string m_archiveInUse;
  std::string m_failure;
  bool m_relocated = false;
  bool m_objectImageSetsPending = true;
  bool m_paletteFromImages = false;
};

}  // namespace vyr
