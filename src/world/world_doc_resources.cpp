// CWorldDoc's resource steps: the resources of an opened or new world and the object image sets.
#include "platform/interaction_port.h"
#include "world/undo_stack.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

int CWorldDoc::ResolveResources() {
  if (!m_world || !m_undo) return 0;
  const bool found = m_resources.Locate(OpeningPathName(), m_services.get());
  // A new location is a change to keep, even when the world does not open after all.
  if (m_resources.RelocatedByUser()) SetModifiedFlag(true);
  if (!found) return 0;
  if (m_view && m_view->DrawsObjects()) {
    m_resources.ClearObjectImageSetsPending();
    LoadObjectImageSets();
  }
  m_undo->Clear();
  m_undo->SetLimit(kUndoLimit);
  return 1;
}

ResourceProblem CWorldDoc::ResolveNewWorldResources() {
  if (!m_world || !m_undo || !m_resources.Ready() || !m_world->SetViewRect(InitialViewRect()))
    return {ResourceField::kArchive, "The new world could not be prepared. Close other programs and try again."};
  if (ResourceProblem problem = m_resources.LocateForNewWorld()) return problem;
  m_undo->SetLimit(kUndoLimit);
  if (m_view) m_view->Resize();
  return {};
}

void CWorldDoc::LoadObjectImageSets() {
  if (!m_resources.ArchiveOpen()) return;
  WaitCursor wait(m_interaction);
  m_resources.LoadObjectImageSets();
}

}  // namespace vyr
