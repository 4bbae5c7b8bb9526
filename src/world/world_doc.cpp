// CWorldDoc: construction, contents, the new/open/save steps, plane selection and rendering.
#include "world/world_doc.h"

#include <algorithm>
#include <optional>

#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/path_name.h"
#include "platform/profile.h"
#include "platform/profile_keys.h"
#include "platform/save_target.h"
#include "res/messages.h"
#include "res/resources.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "world/plane.h"
#include "world/plane_stack_draw.h"
#include "world/shortcut_tables.h"
#include "world/undo_stack.h"
#include "world/view_port.h"
#include "world/work_keeper.h"
#include "world/world.h"

namespace vyr {

CWorldDoc::CWorldDoc(Profile* profile, IInteractionPort& interaction)
    : m_profile(profile), m_interaction(interaction) {
  AttachFramework(&interaction, {}, std::string(res::LoadString(res::kDocTemplateString)));
  if (m_profile) {
    m_autoZ = m_profile->GetProfileInt(profile::kOptions, profile::kAutoZ, 1);
    m_autoImageSet = m_profile->GetProfileInt(profile::kOptions, profile::kAutoImage, 1);
  }
}

CWorldDoc::~CWorldDoc() {
  if (m_profile) {
    m_profile->WriteProfileInt(profile::kOptions, profile::kAutoZ, m_autoZ);
    m_profile->WriteProfileInt(profile::kOptions, profile::kAutoImage, m_autoImageSet);
  }
  FreeContents();
}

void CWorldDoc::SetAutoZ(bool on) {
  m_autoZ = on ? 1 : 0;
  if (m_profile) m_profile->WriteProfileInt(profile::kOptions, profile::kAutoZ, m_autoZ);
}

void CWorldDoc::SetAutoImageSet(bool on) {
  m_autoImageSet = on ? 1 : 0;
  if (m_profile) m_profile->WriteProfileInt(profile::kOptions, profile::kAutoImage, m_autoImageSet);
}

bool CWorldDoc::HasLoadedWorld() const { return m_world && m_resources.ImageSets() && m_world->IsValid(); }

void CWorldDoc::FreeContents() {
  // An opened or saved world keeps its shortcuts even when the world itself is not saved.
  if (m_zTable) m_zTable->Store();
  m_zTable.reset();
  if (m_logicTable) m_logicTable->Store();
  m_logicTable.reset();
  m_currentPlane = nullptr;
  m_selectedObject = nullptr;
  // The world's planes refer to the image sets, so the world goes first.
  m_world.reset();
  m_change.reset();
  m_undo.reset();
  m_resources.Free();
}

void CWorldDoc::ResetContents() {
  FreeContents();
  if (m_view) m_view->DestroySurface();
  m_resources.Reset();
  m_world = std::make_unique<CWorld>();
  m_undo = std::make_unique<CUndoStack>();
  m_zTable = std::make_unique<CZTable>();
  m_logicTable = std::make_unique<CLogicTable>();
}

bool CWorldDoc::OnNewDocument() {
  if (!CDocument::OnNewDocument()) return false;
  Notify([](IDocumentObserver& o) { o.ContentsReset(); });
  ResetContents();
  return true;
}

CRect CWorldDoc::InitialViewRect() const {
  if (!m_view) return CRect{0, 0, 640, 480};
  return CRect{0, 0, m_view->ClientWidth() - 1, m_view->ClientHeight() - 1};
}

bool CWorldDoc::OnOpenDocument(const std::string& path) {
  // A killed save leaves its temporary file, which otherwise only the next save of that
  // same file would clear.
  RemoveStaleSaveTemps(FolderOf(path));
  SetOpeningPathName(path);
  const std::optional<std::string> copy = m_keeper ? m_keeper->OfferRecovery(path, m_interaction) : std::nullopt;
  // A copy that cannot be read leaves the world file itself, and says so: the user chose it.
  bool opened = copy && OpenWorld(path, *copy);
  if (copy && !opened)
    m_interaction.Message(FormatMessage(res::text::kRecoveryUnreadable, {m_failureReason}), MessageIcon::Warning);
  if (opened) MarkChangedWithoutStep();
  else opened = OpenWorld(path, path);
  SetOpeningPathName({});
  return opened;
}

bool CWorldDoc::OpenCopy(const std::string& worldPath, const std::string& copy, bool keepPath) {
  SetOpeningPathName(worldPath);
  const bool opened = OpenWorld(worldPath, copy);
  SetOpeningPathName({});
  if (!opened) return false;
  if (keepPath) SetPathName(worldPath);
  else ClearPathName();
  MarkChangedWithoutStep();
  return true;
}

void CWorldDoc::OnChangesDiscarded() {
  if (m_keeper) m_keeper->ChangesDiscarded();
}

bool CWorldDoc::OpenWorld(const std::string& path, const std::string& readFrom) {
  WaitCursor wait(m_interaction);
  Notify([](IDocumentObserver& o) { o.ContentsReset(); });
  ResetContents();
  m_failureReason.clear();
  if (m_zTable->SetSection(m_profile, path)) m_zTable->Load();
  if (m_logicTable->SetSection(m_profile, path)) m_logicTable->Load();

  // Cleared before reading, not after: a new location given during resource location
  // marks the document modified, and that mark must survive so the change can be saved.
  SetModifiedFlag(false);
  std::string reason;
  int ok = m_world->SetViewRect(InitialViewRect());
  if (ok) ok = m_world->LoadFromFile(*this, readFrom, &reason);

  if (ok) {
    // The highest plane carrying the objects flag, else the bottom plane.
    CPlane* current = m_world->PlaneCount() > 0 ? m_world->Plane(0) : nullptr;
    for (int32_t i = m_world->PlaneCount() - 1; i >= 0; --i) {
      if (m_world->Plane(i)->m_flags & kPlaneFlagObjects) {
        current = m_world->Plane(i);
        break;
      }
    }
    SelectPlane(current);
    if (m_view) {
      m_view->RefreshView();
      m_view->Invalidate(false);
      m_view->UpdateNow();
    }
    return true;
  }

  FreeContents();
  if (m_view) {
    m_view->DestroySurface();
    m_view->Invalidate(true);
    m_view->UpdateNow();
  }
  m_failureReason = m_resources.Failure().empty() ? reason : m_resources.Failure();
  if (m_failureReason.empty()) m_failureReason = "The world file could not be read.";
  return false;
}

bool CWorldDoc::OnSaveDocument(const std::string& path) {
  m_failureReason.clear();
  m_saveDeclined = false;
  if (!HasLoadedWorld()) {
    m_failureReason = "There is no world to save. Open or create a world first.";
    return false;
  }
  // The reader refuses a world without planes: such a file could never be opened again.
  if (m_world->PlaneCount() == 0) {
    m_failureReason = "The world has no planes. Add a plane before saving it.";
    return false;
  }
  // The file keeps only the objects of planes with "Objekty": the rest go only on the user's word.
  int64_t unsaved = 0;
  for (int32_t i = 0; i < m_world->PlaneCount(); ++i)
    if (!(m_world->Plane(i)->m_flags & kPlaneFlagObjects)) unsaved += int64_t(m_world->Plane(i)->ObjectCount());
  if (unsaved > 0 && !(m_services && m_services->SaveWithoutObjects(unsaved))) {
    m_saveDeclined = true;
    return false;
  }
  WaitCursor wait(m_interaction);
  if (m_keeper) m_keeper->BeforeSave(path);
  std::string reason;
  if (!m_world->Save(*this, path, &reason)) {
    m_failureReason = reason.empty() ? "The world file could not be written." : reason;
    return false;
  }
  SetModifiedFlag(false);
  m_changes.Bump();
  if (m_keeper) m_keeper->AfterSave(path);
  if (m_resources.RememberArchiveFor(GetPathName(), path) && m_services)
    m_services->ArchiveRemembered(m_properties.archivePath);
  // Only a written file moves the shortcuts to its section, where they are kept at once.
  if (m_zTable && m_zTable->SetSection(m_profile, path)) m_zTable->Store();
  if (m_logicTable && m_logicTable->SetSection(m_profile, path)) m_logicTable->Store();
  return true;
}

void CWorldDoc::AddObserver(IDocumentObserver* observer) {
  if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
    m_observers.push_back(observer);
}

void CWorldDoc::RemoveObserver(IDocumentObserver* observer) {
  m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void CWorldDoc::SelectImage(int32_t image) {
  m_currentImage = image;
  Notify([image](IDocumentObserver& o) { o.CurrentImageChanged(image); });
}

void CWorldDoc::SelectSet(int32_t set) {
  m_currentSet = set;
  const int32_t image = m_currentImage;
  Notify([image](IDocumentObserver& o) { o.CurrentImageChanged(image); });
}

void CWorldDoc::ValidateCurrentTile() {
  if (!m_currentPlane) return;
  if (!m_currentPlane->ImageSetAt(m_currentSet)) {
    int32_t first = 0;
    for (int32_t slot = 0; slot < m_currentPlane->ImageSetCount(); ++slot) {
      if (m_currentPlane->ImageSetAt(slot)) {
        first = slot;
        break;
      }
    }
    m_currentSet = first;
  }
  const CImageSet* set = m_currentPlane->ImageSetAt(m_currentSet);
  if (!set || set->GetImage(m_currentImage)) return;
  for (int32_t number = 0; number < set->ImageCount(); ++number) {
    if (set->GetImage(number)) {
      SelectImage(number);
      return;
    }
  }
}

void CWorldDoc::SelectPlane(CPlane* plane) {
  if (plane == m_currentPlane) return;
  // The selected object belongs to the plane being left.
  m_selectedObject = nullptr;
  m_currentPlane = plane;
  m_currentSet = 0;
  SelectImage(0);
  ValidateCurrentTile();
  if (m_view) m_view->CurrentPlaneChanged();
  RenderWorld(1);
  Notify([](IDocumentObserver& o) { o.CurrentPlaneChanged(); });
}

void CWorldDoc::RenderWorld(int invalidate) {
  if (!HasLoadedWorld() || !m_view) return;
  if (!m_currentPlane) {
    if (invalidate) {
      m_view->Invalidate(true);
      m_view->UpdateNow();
    }
    return;
  }
  RenderArea(nullptr);
  if (invalidate) {
    m_view->MarkCursorHidden();
    m_view->Invalidate(false);
    m_view->UpdateNow();
  }
}

void CWorldDoc::RenderArea(const CRect* area) {
  CDibG* surface = m_view->Surface();
  if (!surface) return;
  ViewDrawState fallback;
  ViewDrawState& state = m_view->DrawState() ? *m_view->DrawState() : fallback;
  if (m_view->NoImages()) {
    surface->Fill(255);
    state.mask.clear();
    return;
  }
  ViewScene scene;
  scene.world = m_world.get();
  scene.current = m_currentPlane;
  scene.imageSets = ImageSets();
  scene.scrollX = m_view->ScrollX();
  scene.scrollY = m_view->ScrollY();
  scene.allPlanes = m_view->AllPlanes() && Palette();
  scene.currentObjects = m_view->DrawsObjects();
  RenderViewScene(scene, *surface, state, area);
}

void CWorldDoc::RenderWorldArea(const CRect& surfaceArea) {
  if (!HasLoadedWorld() || !m_view || !m_currentPlane) return;
  RenderArea(&surfaceArea);
}

}  // namespace vyr
