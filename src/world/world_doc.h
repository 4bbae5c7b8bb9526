// CWorldDoc: the single document that owns the open world, its resources and the editing state.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/document.h"
#include "platform/rect.h"
#include "world/document_observer.h"
#include "world/document_services.h"
#include "world/resource_locator.h"
#include "world/undo_stack.h"
#include "world/world_change.h"
#include "world/world_host.h"

namespace vyr {

class CDibG;
class CGameObject;
class CImageSetTable;
class CLogicTable;
class CPalId;
class CPlane;
class CRezMgr;
class CWorld;
class IInteractionPort;
class IViewPort;
class Profile;
class CZTable;
class CWorkKeeper;

class CWorldDoc : public CDocument, public IWorldHost, private IUndoTarget {
 public:
  static constexpr int32_t kUndoLimit = 1000;

  // Reads the Auto Z and Auto ImageSet options from the profile (when given).
  CWorldDoc(Profile* profile, IInteractionPort& interaction);
  // Writes the two options back to the profile, then frees the contents.
  ~CWorldDoc() override;
  CWorldDoc(const CWorldDoc&) = delete;
  CWorldDoc& operator=(const CWorldDoc&) = delete;

  void SetViewPort(IViewPort* view) { m_view = view; }
  IViewPort* ViewPort() const { return m_view; }
  // Listeners are told of changes in the order they were added; each must be removed
  // before it is destroyed.
  void AddObserver(IDocumentObserver* observer);
  void RemoveObserver(IDocumentObserver* observer);
  // What the document asks of the user in the middle of its steps (without them it declines).
  void SetServices(std::unique_ptr<IDocumentServices> services) { m_services = std::move(services); }
  IInteractionPort& Interaction() { return m_interaction; }
  // Backups before each save, the recovery copy's removal after it and the recovery
  // question on open (none: nothing of these).
  void SetKeeper(CWorkKeeper* keeper) { m_keeper = keeper; }
  CWorkKeeper* Keeper() const { return m_keeper; }
  Profile* GetProfile() const { return m_profile; }

  // --- IWorldHost
  WorldProperties& Properties() override { return m_properties; }
  const WorldProperties& Properties() const { return m_properties; }
  int ResolveResources() override;
  const CImageSetTable* ImageSets() const override { return m_resources.ImageSets(); }
  CImageSetTable* ImageSets() { return m_resources.ImageSets(); }

  // --- contents
  // Destroys the world, palette, image sets, undo stack and archive; the properties stay.
  void FreeContents();
  // FreeContents, then fresh empty members.
  void ResetContents();

  // --- framework steps
  // Path and modified flag cleared, picker closed, contents reset.
  bool OnNewDocument() override;
  // Reads a world file. False leaves the document without a world; FailureReason says why.
  // Afterwards the document is modified only when resource location changed its header.
  // A newer recovery copy is offered first; taken, it is read instead and the document is
  // modified, so that a save writes it to `path`.
  bool OnOpenDocument(const std::string& path) override;
  // Reads `copy` (a backup or recovery copy) as the world at `worldPath`, whose folder its
  // resources are found from; then untitled (or at `worldPath` with `keepPath`) and modified.
  bool OpenCopy(const std::string& worldPath, const std::string& copy, bool keepPath);
  void OnChangesDiscarded() override;
  // Writes the world file. False leaves the modified flag as it was; FailureReason says why.
  // Objects on planes without "Objekty" are left out only after the services' Yes (else
  // SaveDeclined).
  bool OnSaveDocument(const std::string& path) override;
  std::string FailureReason() const override { return m_failureReason; }
  // The save stopped at a No to writing the world without the objects of planes that lack
  // "Objekty".
  bool SaveDeclined() const override { return m_saveDeclined; }
  // "Zapi&sz" is enabled only while the document is modified.
  bool CanSave() const { return IsModified(); }

  // --- resources (world_doc_resources.cpp)
  // The archive, palette and image sets, and where they come from.
  CResourceLocator& Resources() { return m_resources; }
  const CResourceLocator& Resources() const { return m_resources; }
  // The resources of a world just described in "Nowy Świat" (CResourceLocator::
  // LocateForNewWorld); then the undo limit is set and the view re-sized.
  ResourceProblem ResolveNewWorldResources();
  // Image sets 1 … 4 of the world header, loaded under their prefixes with the wait cursor.
  void LoadObjectImageSets();
  bool ObjectImageSetsPending() const { return m_resources.ObjectImageSetsPending(); }
  void ClearObjectImageSetsPending() { m_resources.ClearObjectImageSetsPending(); }

  // --- owned members (null when absent)
  CWorld* World() const { return m_world.get(); }
  CRezMgr* Archive() const { return m_resources.Archive(); }
  CPalId* Palette() const { return m_resources.Palette(); }
  CUndoStack* UndoStack() const { return m_undo.get(); }
  // The shortcut tables of the open world (none before the first new or open). They
  // store themselves in the world's profile section when the contents go.
  CLogicTable* LogicTable() const { return m_logicTable.get(); }
  CZTable* ZTable() const { return m_zTable.get(); }
  // A world that reports itself valid, with its image-set registry.
  bool HasLoadedWorld() const;

  // --- editing state
  CPlane* CurrentPlane() const { return m_currentPlane; }
  // Makes a plane current (null: none); nothing happens for the current plane. Otherwise
  // selected object dropped, current tile reset and validated, view re-sized and
  // rendered, observers told (the tile-size warning and the tile picker follow).
  void SelectPlane(CPlane* plane);
  // Moves the current set and image onto an existing image of the current plane.
  void ValidateCurrentTile();
  int32_t CurrentSet() const { return m_currentSet; }
  int32_t CurrentImage() const { return m_currentImage; }
  // Both tell the observers CurrentImageChanged; no check is made.
  void SelectSet(int32_t set);
  void SelectImage(int32_t image);
  // 1 with a loaded world, a current plane whose current set slot holds a set, and an
  // image at `image` in it (−1: the set's first image).
  bool ImageExists(int32_t image) const;
  bool HasCurrentImage() const { return ImageExists(m_currentImage); }
  CGameObject* SelectedObject() const { return m_selectedObject; }
  void SetSelectedObject(CGameObject* object) { m_selectedObject = object; }
  // The object a double click just made, while its edit dialog runs (else null): the
  // dialog removes it again when cancelled.
  CGameObject* ObjectBeingCreated() const { return m_objectBeingCreated; }
  void SetObjectBeingCreated(CGameObject* object) { m_objectBeingCreated = object; }

  // Each switch goes to the profile at once.
  bool AutoZ() const { return m_autoZ != 0; }
  void SetAutoZ(bool on);
  bool AutoImageSet() const { return m_autoImageSet != 0; }
  void SetAutoImageSet(bool on);

  // Composes the current plane into the view's surface, with its objects when the view
  // draws them; with invalidate, repaints the view.
  void RenderWorld(int invalidate);
  // Renders only that rectangle of the view's surface again (a few edited cells).
  void RenderWorldArea(const CRect& surfaceArea);

  // --- tile edits on the current plane (world_doc_tiles.cpp)
  // The cell's value: kEmptyTile outside the grid, 0 without a current plane.
  int32_t GetTile(int32_t column, int32_t row) const;
  // Writes one cell: 0 without a plane or outside the grid; 1 when written or already
  // holding the value (then nothing else happens). Outside a recorded change the write is
  // its own undo step (with `record` and a view), named by the action running it, and is
  // announced; it marks the document modified.
  int SetTile(int32_t column, int32_t row, int32_t value, int record = 1);
  // SetTile at the view's tile cursor (cell (0, 0) without a view).
  int SetTileAtCursor(int32_t value);
  // SetTile whose undo step joins the newest one when that wrote this cell last, with no
  // save or unrecorded change since: the digits of one typed number are one step.
  int ContinueTile(int32_t column, int32_t row, int32_t value);
  // "&Następny" / "&Poprzedni": the next or previous filled slot of the current set
  // (an invalid set falls back to 0, wrapping), selected and written at the cursor.
  void NextTile() { StepTile(1); }
  void PrevTile() { StepTile(-1); }

  // --- undo steps (world_doc_undo.cpp)
  // Starts one user action named `name` (a static text) that changes `scope`, as one undo
  // step. A change begun inside another joins the outer one, whose scope must cover it.
  // An empty scope records nothing itself: the cells the action writes through SetTile are
  // each their own step under that name. Steps of the same non-null `series` that follow
  // each other directly become one.
  void BeginChange(const ChangeScope& scope, std::string_view name, const void* series = nullptr);
  // Ends the action. Kept, a change in the scope becomes the step, marks the document
  // modified and is announced to the observers; a change that cannot be kept empties the
  // stack instead. Not kept, the world goes back to where the action began and no step is made.
  void EndChange(bool keep = true);
  bool Recording() const { return m_changeDepth > 0; }
  // Names the action being recorded anew (a click that became a drag).
  void RenameChange(std::string_view name) {
    if (m_changeDepth > 0) m_changeName = name;
  }
  // Marks the document modified and moves the change counter, so no older step can clear
  // the mark: for changes the undo stack does not hold.
  void MarkChangedWithoutStep();
  // Takes the plane at index out of the world (see CWorld::RemovePlane); while recording the
  // step keeps it, so that undo can put it back. 0 for an index outside the stack.
  int RemovePlane(int32_t index);
  // Takes back the newest step: the world, the modified flag (see ChangeCounter), the scroll
  // position, then the cursor onto the cell and a refresh. kEmpty also without a view (the
  // caller beeps); kDisabled before resources are loaded or without a world.
  UndoOutcome::Status Undo();
  // Makes the last step taken back again, the same way; the document is then modified.
  UndoOutcome::Status Redo();
  // Bumped by every change the stack could not keep and by every save.
  const ChangeCounter& Changes() const { return m_changes; }

 private:
  // The view's surface, or just `area` of it, drawn afresh.
  void RenderArea(const CRect* area);
  CRect InitialViewRect() const;
  // The open step proper; OnOpenDocument names the file being opened around it.
  bool OpenWorld(const std::string& path, const std::string& readFrom);
  // Calls `notice` on every observer; one may remove itself meanwhile.
  template <typename Notice>
  void Notify(Notice notice) {
    const std::vector<IDocumentObserver*> observers = m_observers;
    for (IDocumentObserver* observer : observers) notice(*observer);
  }

  void StepTile(int direction);
  // IUndoTarget: a cell of another plane makes that plane current first.
  bool WriteTile(int32_t plane, int32_t column, int32_t row, int32_t value) override;
  bool ApplyWorldChange(CWorldChange& change, bool after) override;
  // Undo or redo with what follows them: the modified flag, scroll and cursor, a refresh.
  UndoOutcome::Status Step(bool redo);
  // The step of the action that just ended (EndChange).
  void RecordChange();
  // Tells the observers what an action, undo or redo changed.
  void Announce(const ChangeNotice& notice);

  Profile* m_profile;
  IInteractionPort& m_interaction;
  IViewPort* m_view = nullptr;
  std::vector<IDocumentObserver*> m_observers;
  std::unique_ptr<IDocumentServices> m_services;
  CWorkKeeper* m_keeper = nullptr;

  WorldProperties m_properties;
  // Declared before the world, whose planes refer to its image sets.
  CResourceLocator m_resources{m_profile, m_properties};
  std::unique_ptr<CWorld> m_world;
  std::unique_ptr<CUndoStack> m_undo;
  std::unique_ptr<CZTable> m_zTable;
  std::unique_ptr<CLogicTable> m_logicTable;
  CPlane* m_currentPlane = nullptr;
  CGameObject* m_selectedObject = nullptr;
  CGameObject* m_objectBeingCreated = nullptr;
  int32_t m_currentImage = 0;
  int32_t m_currentSet = 0;
  int32_t m_autoZ = 1;
  int32_t m_autoImageSet = 1;
  ChangeCounter m_changes;
  // The action being recorded, and the state it started from.
  int m_changeDepth = 0;
  std::unique_ptr<CWorldChange> m_change;
  UndoViewState m_changeView;
  const void* m_changeSeries = nullptr;
  std::string_view m_changeName;
  bool m_changeWasModified = false;
  uint64_t m_changeCount = 0;
  bool m_changeNoImages = false;
  // Set while ContinueTile writes.
  bool m_joinTileWrite = false;

  std::string m_failureReason;
  bool m_saveDeclined = false;
};

}  // namespace vyr
