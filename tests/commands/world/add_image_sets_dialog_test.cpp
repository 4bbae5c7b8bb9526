// The "Dodawanie Obrazów" dialog: the archive tree, mapping a node back to its directory
// and loading sets under a prefix in adding mode.
#include "commands/world/add_image_sets_dialog.h"

#include <gtest/gtest.h>

#include "commands/command_run.h"
#include "commands/document_commands.h"
#include "resources/image_set.h"
#include "resources/rez_dir.h"
#include "world/document_fixture.h"
#include "world/known_name_lists.h"

namespace vyr {
namespace {

using test::DocumentRig;

struct AddSetsFixture : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"), {{"Ground", 1}});
    RegisterDocumentCommands(rig.doc);
    ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd"));
    KnownNameLists::ClearAllForTests();
  }
  // The node with this text whose parent has `parentText`.
  int Node(const CAddImageSetsDialog& dialog, const std::string& text, const std::string& parentText) {
    for (size_t i = 0; i < dialog.m_nodes.size(); ++i) {
      const DirectoryNode& node = dialog.m_nodes[i];
      if (node.text == text && node.parent >= 0 && dialog.m_nodes[size_t(node.parent)].text == parentText)
        return int(i);
    }
    return -1;
  }
  test::TempFolder folder;
  DocumentRig rig;
};

TEST_F(AddSetsFixture, TheTreeShowsEveryDirectoryUnderRoot) {
  CAddImageSetsDialog dialog(rig.doc);
  dialog.OnInitDialog();
  ASSERT_FALSE(dialog.m_nodes.empty());
  EXPECT_EQ(dialog.m_nodes[0].text, "ROOT");
  EXPECT_EQ(dialog.m_nodes[0].parent, -1);
  // PALETTES, IMAGES (TILES, BACK, MIXED), OBJECTS (COIN, GEM (BIG)).
  EXPECT_EQ(dialog.m_nodes.size(), 10u);
  for (size_t i = 1; i < dialog.m_nodes.size(); ++i) EXPECT_LT(dialog.m_nodes[i].parent, int(i));
  EXPECT_GE(Node(dialog, "BIG", "GEM"), 0);
  EXPECT_GE(Node(dialog, "TILES", "IMAGES"), 0);
  EXPECT_EQ(dialog.DirectoryOf(0), rig.doc.Archive()->GetRootDir());
  EXPECT_EQ(dialog.DirectoryOf(Node(dialog, "BIG", "GEM")), rig.doc.Archive()->FindDir("OBJECTS/GEM/BIG"));

  DocumentRig noArchive;
  CAddImageSetsDialog empty(noArchive.doc);
  empty.OnInitDialog();
  EXPECT_TRUE(empty.m_nodes.empty());
  EXPECT_TRUE(empty.OnOK(noArchive.user));
}

TEST_F(AddSetsFixture, OkLoadsTheChosenDirectoryUnderThePrefix) {
  struct Row {
    std::string node, parent, prefix;
    std::vector<std::string> sets;
    int loaded;
  } rows[] = {
      {"OBJECTS", "ROOT", "", {"COIN", "GEM", "GEM_BIG"}, 3},
      {"GEM", "OBJECTS", "JEWEL", {"JEWEL", "JEWEL_BIG"}, 2},
      {"BACK", "IMAGES", "BACK", {"BACK"}, 1},  // an existing set: its taken numbers stay
      {"PALETTES", "ROOT", "PAL", {}, 0},  // no image items: no set
  };
  for (const Row& row : rows) {
    CAddImageSetsDialog dialog(rig.doc);
    dialog.OnInitDialog();
    dialog.m_selectedNode = Node(dialog, row.node, row.parent);
    ASSERT_GE(dialog.m_selectedNode, 0) << row.node;
    dialog.m_prefix = row.prefix;
    ASSERT_TRUE(dialog.OnOK(rig.user));
    EXPECT_EQ(dialog.m_loadedSets, row.loaded) << row.node;
    for (const std::string& name : row.sets) {
      EXPECT_NE(rig.doc.ImageSets()->Find(name), nullptr) << name;
      EXPECT_TRUE(KnownNameLists::ImageSets().Contains(name)) << name;
    }
  }
  EXPECT_EQ(rig.doc.ImageSets()->Find("PAL"), nullptr);
}

TEST_F(AddSetsFixture, NodeNamesAreLookedUpWithoutCaseAndALongPrefixIsRefused) {
  CAddImageSetsDialog dialog(rig.doc);
  dialog.OnInitDialog();
  const int coin = Node(dialog, "COIN", "OBJECTS");
  dialog.m_nodes[size_t(coin)].text = "coin";
  dialog.m_nodes[size_t(dialog.m_nodes[size_t(coin)].parent)].text = "Objects";
  EXPECT_EQ(dialog.DirectoryOf(coin), rig.doc.Archive()->FindDir("OBJECTS/COIN"));
  dialog.m_nodes[size_t(coin)].text = "nothing";
  EXPECT_EQ(dialog.DirectoryOf(coin), nullptr);

  dialog.m_nodes[size_t(coin)].text = "COIN";
  dialog.m_selectedNode = coin;
  dialog.m_prefix = std::string(CAddImageSetsDialog::kMaxPrefix + 1, 'P');
  EXPECT_FALSE(dialog.OnOK(rig.user));
  EXPECT_EQ(dialog.FocusControl(), CAddImageSetsDialog::kPrefixControl);
  EXPECT_EQ(rig.doc.ImageSets()->Find(std::string(CAddImageSetsDialog::kMaxPrefix, 'P')), nullptr);
  dialog.m_prefix.pop_back();
  ASSERT_TRUE(dialog.OnOK(rig.user));
  EXPECT_NE(rig.doc.ImageSets()->Find(std::string(CAddImageSetsDialog::kMaxPrefix, 'P')), nullptr);
}

TEST_F(AddSetsFixture, TheCommandRedrawsTheViewAfterOkOrCancel) {
  rig.user.QueueDialogCancel();
  rig.view.m_log.clear();
  test::RunCommand(rig.doc.Commands(), cmd::kAddImageSets);
  EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{"dialog 169: cancel"}));
  EXPECT_TRUE(rig.view.Logged("invalidate"));
  EXPECT_TRUE(rig.view.Logged("update"));
}

}  // namespace
}  // namespace vyr
