// Model of the "Dodawanie Obrazów" dialog: the archive's directory tree and a set prefix.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog_fields.h"
#include "res/control_ids.h"

namespace vyr {

class CRezDir;
class CWorldDoc;

// One node of the tree: a directory name and the index of its parent node (−1 for the
// root). Parents precede their children. Flat, so that no depth of archive can exhaust
// the stack while the tree is built, shown or freed.
struct DirectoryNode {
  std::string text;
  int parent = -1;
};

class CAddImageSetsDialog : public CFieldDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kAddImageSetsDialog;
  static constexpr int kTreeControl = ctl::kAddImagesTree, kPrefixControl = ctl::kAddImagesPrefix;
  // Set names are built in a 256-byte buffer, with room left for "_" and more.
  static constexpr size_t kMaxPrefix = 250;

  explicit CAddImageSetsDialog(CWorldDoc& doc) : m_doc(doc) {}
  int TemplateId() const override { return kTemplateId; }

  // With an open archive, the tree: "ROOT" for the root directory, a node per
  // sub-directory below it; the root node is shown expanded.
  void OnInitDialog() override;
  // The prefix.
  std::vector<DialogField> Fields() override;
  // Once the prefix fits, loads the image sets of the selected directory under it, in
  // adding mode.
  bool OnOK(IInteractionPort& port) override;

  // The directory a node stands for: the node texts from the root node down, each looked
  // up as a sub-directory name without regard to case; null when one is not found.
  CRezDir* DirectoryOf(int node) const;

  // Node 0 is "ROOT" when the archive is open; empty otherwise.
  std::vector<DirectoryNode> m_nodes;
  int m_selectedNode = -1;
  std::string m_prefix;
  // Sets that received images by the last OK.
  int m_loadedSets = 0;

 private:
  CWorldDoc& m_doc;
};

// The command "Dodaj ImageSety...": runs the dialog, then redraws the view.
void RunAddImageSetsDialog(CWorldDoc& doc);
// "Dodaj ImageSety..." needs a world and its open archive.
bool CanAddImageSets(const CWorldDoc& doc);

}  // namespace vyr
