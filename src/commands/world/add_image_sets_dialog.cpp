// The "Dodawanie Obrazów" dialog: filling the archive tree and loading the chosen directory's sets.
#include "commands/world/add_image_sets_dialog.h"

#include <utility>

#include "resources/rez_dir.h"
#include "resources/rez_mgr.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {

void CAddImageSetsDialog::OnInitDialog() {
  m_nodes.clear();
  m_selectedNode = -1;
  m_prefix.clear();
  m_loadedSets = 0;
  CRezMgr* archive = m_doc.Archive();
  if (!archive || !archive->IsOpen() || !archive->GetRootDir()) return;
  m_nodes.push_back({"ROOT", -1});
  // Breadth-first with an explicit queue: parents always precede their children.
  std::vector<std::pair<const CRezDir*, int>> pending{{archive->GetRootDir(), 0}};
  for (size_t next = 0; next < pending.size(); ++next) {
    const auto [directory, node] = pending[next];
    for (const CRezDir* sub : directory->SubDirs()) {
      m_nodes.push_back({sub->GetName(), node});
      pending.emplace_back(sub, int(m_nodes.size()) - 1);
    }
  }
}

CRezDir* CAddImageSetsDialog::DirectoryOf(int node) const {
  CRezMgr* archive = m_doc.Archive();
  if (!archive || !archive->IsOpen() || node < 0 || size_t(node) >= m_nodes.size()) return nullptr;
  std::vector<const std::string*> names;
  for (int at = node; m_nodes[size_t(at)].parent >= 0; at = m_nodes[size_t(at)].parent)
    names.push_back(&m_nodes[size_t(at)].text);
  CRezDir* directory = archive->GetRootDir();
  for (auto name = names.rbegin(); directory && name != names.rend(); ++name) directory = directory->FindSubDir(**name);
  return directory;
}

std::vector<DialogField> CAddImageSetsDialog::Fields() {
  return {DialogField::Text(kPrefixControl, "Prefiks:", m_prefix, kMaxPrefix)};
}

bool CAddImageSetsDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  m_loadedSets = 0;
  CRezDir* directory = DirectoryOf(m_selectedNode);
  if (!directory) return true;
  m_loadedSets = m_doc.Resources().AddImageSets(*directory, m_prefix);
  return true;
}

bool CanAddImageSets(const CWorldDoc& doc) { return doc.HasLoadedWorld() && doc.Resources().ArchiveOpen(); }

void RunAddImageSetsDialog(CWorldDoc& doc) {
  CAddImageSetsDialog dialog(doc);
  doc.Interaction().RunDialog(dialog);
  if (IViewPort* view = doc.ViewPort()) {
    view->Invalidate(false);
    view->UpdateNow();
  }
}

}  // namespace vyr
