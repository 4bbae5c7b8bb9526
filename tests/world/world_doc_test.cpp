// CWorldDoc: contents and states, the modified flag, opening with plane selection, saving,
// the profile options and rendering.
#include "world/world_doc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/application_core.h"
#include "platform/file_io.h"
#include "platform/message_format.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "world/document_fixture.h"
#include "world/undo_stack.h"

namespace vyr {
namespace {

struct RecordingObserver final : IDocumentObserver {
  void CurrentPlaneChanged() override { ++planeChanges; }
  void CurrentImageChanged(int32_t image) override { images.push_back(image); }
  void ContentsReset() override { ++resets; }
  int planeChanges = 0;
  int resets = 0;
  std::vector<int32_t> images;
};

using test::DocumentRig;
using test::PlaneSpec;

struct OpenFixture : ::testing::Test {
  void SetUp() override { test::WriteArchive(folder / "data.rez", test::StandardArchive()); }
  std::string World(const std::vector<PlaneSpec>& planes, const std::string& name = "w.vwd") {
    const std::string path = folder / name;
    test::WriteWorld(path, test::StandardProperties(folder / "data.rez"), planes);
    return path;
  }
  test::TempFolder folder;
};

TEST(CWorldDoc, ContentsComeAndGoTogetherAndPropertiesStay) {
  DocumentRig rig;
  CWorldDoc& doc = rig.doc;
  EXPECT_EQ(doc.World(), nullptr);
  EXPECT_FALSE(doc.HasLoadedWorld());
  doc.Properties().name = "kept";

  doc.ResetContents();
  ASSERT_NE(doc.World(), nullptr);
  EXPECT_NE(doc.ImageSets(), nullptr);
  EXPECT_NE(doc.Archive(), nullptr);
  EXPECT_NE(doc.Palette(), nullptr);
  ASSERT_NE(doc.UndoStack(), nullptr);
  EXPECT_EQ(doc.UndoStack()->Limit(), 0);
  EXPECT_FALSE(doc.HasLoadedWorld()) << "the view rectangle is not set yet";
  EXPECT_TRUE(rig.view.Logged("destroy surface"));

  doc.ClearObjectImageSetsPending();
  doc.FreeContents();
  EXPECT_EQ(doc.World(), nullptr);
  EXPECT_EQ(doc.ImageSets(), nullptr);
  EXPECT_EQ(doc.Archive(), nullptr);
  EXPECT_EQ(doc.Palette(), nullptr);
  EXPECT_EQ(doc.UndoStack(), nullptr);
  EXPECT_EQ(doc.CurrentPlane(), nullptr);
  EXPECT_TRUE(doc.ObjectImageSetsPending());
  EXPECT_EQ(doc.Properties().name, "kept");
}

TEST(CWorldDoc, OptionsSurviveARestartThroughTheProfile) {
  test::TempFolder folder;
  const std::string path = folder / "vyrworld.ini";
  std::string error;
  {
    Profile profile;
    ASSERT_TRUE(profile.Load(path, error));
    ScriptedInteraction user;
    CWorldDoc doc(&profile, user);
    EXPECT_TRUE(doc.AutoZ()) << "default 1";
    EXPECT_TRUE(doc.AutoImageSet()) << "default 1";
    doc.SetAutoZ(false);
  }
  {
    Profile profile;
    ASSERT_TRUE(profile.Load(path, error));
    EXPECT_EQ(profile.GetProfileInt("Options", "AutoZ", 7), 7) << "written only at destruction";
  }
  {
    Profile profile;
    ASSERT_TRUE(profile.Load(path, error));
    ScriptedInteraction user;
    auto doc = std::make_unique<CWorldDoc>(&profile, user);
    doc->SetAutoZ(false);
    doc->SetAutoImageSet(false);
    doc.reset();
    ASSERT_TRUE(profile.Save(error)) << error;
  }
  Profile profile;
  ASSERT_TRUE(profile.Load(path, error));
  EXPECT_EQ(profile.GetProfileInt("options", "autoz", 7), 0);
  EXPECT_EQ(profile.GetProfileInt("Options", "AutoImage", 7), 0);
  ScriptedInteraction user;
  CWorldDoc doc(&profile, user);
  EXPECT_FALSE(doc.AutoZ());
  EXPECT_FALSE(doc.AutoImageSet());
}

TEST_F(OpenFixture, OpeningMakesTheHighestFlaggedPlaneCurrent) {
  struct Row {
    std::vector<int32_t> flags;
    int32_t current;
  } rows[] = {
      {{0, 1, 0, 1}, 3},
      {{0, 0, 0}, 0},
      {{1, 0, 0}, 0},
      {{0, 0, kPlaneFlagObjects | kPlaneFlagNoImages}, 2},
      {{kPlaneFlagEndlessX, 0}, 0},
  };
  for (const Row& row : rows) {
    std::vector<PlaneSpec> planes;
    for (size_t i = 0; i < row.flags.size(); ++i) planes.push_back({"P" + std::to_string(i), row.flags[i]});
    const std::string path = World(planes);
    DocumentRig rig;
    RecordingObserver observer;
    rig.doc.AddObserver(&observer);
    ASSERT_TRUE(rig.doc.OnOpenDocument(path)) << rig.doc.FailureReason();
    ASSERT_TRUE(rig.doc.HasLoadedWorld());
    EXPECT_EQ(rig.doc.World()->IndexOf(rig.doc.CurrentPlane()), row.current);
    EXPECT_FALSE(rig.doc.IsModified());
    EXPECT_EQ(observer.resets, 1);
    EXPECT_EQ(observer.planeChanges, 1);
    rig.doc.RemoveObserver(&observer);
    EXPECT_TRUE(rig.view.Logged("plane changed"));
    EXPECT_TRUE(rig.view.Logged("refresh"));
    EXPECT_EQ(rig.doc.UndoStack()->Limit(), CWorldDoc::kUndoLimit);
  }
}

TEST_F(OpenFixture, AFileThatCannotBeReadLeavesNoWorldAndSaysWhy) {
  std::vector<uint8_t> garbage(2000, 0x41);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(folder / "bad.vwd", garbage, error));
  struct Row {
    std::string path;
    std::string reasonPart;
  } rows[] = {
      {folder / "missing.vwd", "missing.vwd"},
      {folder / "bad.vwd", "header size"},
  };
  for (const Row& row : rows) {
    DocumentRig rig;
    CApplicationCore app(rig.profile, rig.user, "VyrWorld\n\nVyrWor\nVyr World Pliki (*.VWD)\n.VWD\n");
    app.SetDocument(&rig.doc);
    ASSERT_TRUE(rig.doc.OnOpenDocument(World({{"P0"}})));
    EXPECT_FALSE(app.OpenDocumentFile(row.path));
    EXPECT_EQ(rig.doc.World(), nullptr);
    EXPECT_FALSE(rig.doc.CanSave());
    EXPECT_NE(rig.doc.FailureReason().find(row.reasonPart), std::string::npos) << rig.doc.FailureReason();
    ASSERT_FALSE(rig.user.Log().empty());
    EXPECT_EQ(rig.user.Log().back(), "message: Nie można otworzyć pliku " + row.path + ".\n\n" + Sentence(rig.doc.FailureReason()));
    EXPECT_TRUE(rig.view.Logged("invalidate erase"));
  }
}

// Which writers count as ended is the save target's test; here, that opening looks at all.
TEST_F(OpenFixture, OpeningRemovesTheFoldersTemporariesOfKilledSaves) {
  const std::string temp = folder / ".other.vwd.vyrtmp-2147483647-a1B2c3";  // no process has this id
  std::ofstream(temp) << "half a save";
  DocumentRig rig;
  ASSERT_TRUE(rig.doc.OnOpenDocument(World({{"P0"}}))) << rig.doc.FailureReason();
  EXPECT_FALSE(std::filesystem::exists(temp));
}

TEST_F(OpenFixture, ModifiedFlagDrivesTheSaveCommandAndSavingClearsIt) {
  const std::string path = World({{"Ground", 1}, {"Sky"}});
  DocumentRig rig;
  CWorldDoc& doc = rig.doc;
  EXPECT_FALSE(doc.CanSave());
  ASSERT_TRUE(doc.OnOpenDocument(path));
  EXPECT_FALSE(doc.CanSave());
  doc.SetModifiedFlag(true);
  EXPECT_TRUE(doc.CanSave());

  const std::string copy = folder / "copy.vwd";
  ASSERT_TRUE(doc.DoSave(copy));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetPathName(), copy);

  // A failed write says why and keeps the flag.
  doc.SetModifiedFlag(true);
  EXPECT_FALSE(doc.DoSave(folder / "no-such-folder/x.vwd"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_FALSE(doc.FailureReason().empty());

  // What was saved reads back the same, apart from the date.
  DocumentRig again;
  ASSERT_TRUE(again.doc.OnOpenDocument(copy));
  EXPECT_EQ(again.doc.World()->PlaneCount(), 2);
  WorldProperties expected = test::StandardProperties(folder / "data.rez");
  expected.date = again.doc.Properties().date;
  EXPECT_EQ(again.doc.Properties(), expected);
  EXPECT_NE(again.doc.Properties().date, "March 14, 1995");
}

TEST(CWorldDoc, SavingWithoutAWorldOrWithoutPlanesIsRefused) {
  test::TempFolder folder;
  DocumentRig rig;
  EXPECT_FALSE(rig.doc.OnSaveDocument(folder / "a.vwd"));
  EXPECT_FALSE(rig.doc.FailureReason().empty());

  rig.doc.ResetContents();
  ASSERT_TRUE(rig.doc.World()->SetViewRect(CRect{0, 0, 99, 99}));
  rig.doc.SetModifiedFlag(true);
  EXPECT_FALSE(rig.doc.DoSave(folder / "empty.vwd"));
  EXPECT_FALSE(std::filesystem::exists(folder / "empty.vwd"));
  EXPECT_TRUE(rig.doc.IsModified());
  EXPECT_EQ(rig.user.Log().back(),
            "message: Nie można zapisać pliku " + folder / "empty.vwd" + ".\n\nThe world has no planes. Add a plane before saving it.");
}

TEST_F(OpenFixture, SelectingAPlaneValidatesTheCurrentTile) {
  const std::string path = World({{"Mixed", 0, {"MIXED"}}, {"Back", 0, {"NOSUCH", "BACK"}, 4, 3, 8}, {"Odd", 1, {"MIXED"}, 2, 2, 8}});
  DocumentRig rig;
  CWorldDoc& doc = rig.doc;
  ASSERT_TRUE(doc.OnOpenDocument(path));
  doc.SelectPlane(doc.World()->Plane(0));
  EXPECT_TRUE(rig.user.Log().empty()) << "the tile-size warnings are the commands' to show";
  EXPECT_EQ(doc.CurrentSet(), 0);
  EXPECT_EQ(doc.CurrentImage(), 0);

  // Slot 0 names no loaded set, set BACK in slot 1 with images 2 and 5: the first filled ones are taken.
  // The selected object stays behind with the plane it belongs to.
  doc.SetSelectedObject(doc.CurrentPlane()->NewObject(0));
  rig.user.ClearLog();
  RecordingObserver observer;
  doc.AddObserver(&observer);
  doc.AddObserver(&observer);  // once only
  doc.SelectPlane(doc.World()->Plane(1));
  EXPECT_EQ(doc.CurrentSet(), 1);
  EXPECT_EQ(doc.CurrentImage(), 2);
  EXPECT_EQ(doc.SelectedObject(), nullptr);
  EXPECT_EQ(observer.images, (std::vector<int32_t>{0, 2}));
  doc.RemoveObserver(&observer);

  rig.view.m_log.clear();
  doc.SelectPlane(doc.World()->Plane(1));
  EXPECT_TRUE(rig.view.m_log.empty()) << "selecting the current plane does nothing";
}

TEST_F(OpenFixture, RenderWorldPaintsBackgroundThenTilesAndInvalidatesOnRequest) {
  const std::string path = World({{"Tiles", 1, {"TILES"}, 4, 3, 16}});
  DocumentRig rig;
  ASSERT_TRUE(rig.doc.OnOpenDocument(path));
  CDibG* surface = rig.view.Surface();
  ASSERT_NE(surface, nullptr);
  rig.doc.World()->SetAllViewRects(CRect{0, 0, 319, 239});
  rig.doc.CurrentPlane()->UpdateVisible();

  rig.view.m_log.clear();
  rig.doc.RenderWorld(0);
  EXPECT_TRUE(rig.view.m_log.empty());
  // Cells hold images 0, 1, 2, 0 (colours 10, 11, 12, 10); beyond the 64 x 48 plane: 255.
  EXPECT_EQ(surface->GetPixel(5, 5), 10);
  EXPECT_EQ(surface->GetPixel(20, 40), 11);
  EXPECT_EQ(surface->GetPixel(40, 20), 12);
  EXPECT_EQ(surface->GetPixel(100, 5), 255);
  EXPECT_EQ(surface->GetPixel(5, 100), 255);

  rig.view.m_noImages = true;
  rig.doc.RenderWorld(1);
  EXPECT_EQ(surface->GetPixel(5, 5), 255);
  EXPECT_EQ(rig.view.m_log, (std::vector<std::string>{"cursor hidden", "invalidate", "update"}));

  // The objects only when the view says it draws them.
  rig.view.m_noImages = false;
  CGameObject* object = rig.doc.CurrentPlane()->NewObject(0);
  object->MoveTo(108, 108);
  object->m_imageSet = "TILES";
  for (const int mode : {kTileMode, kObjectMode}) {
    rig.view.m_editMode = mode;
    rig.doc.RenderWorld(0);
    EXPECT_EQ(surface->GetPixel(108, 108), mode == kObjectMode ? 10 : 255) << mode;
  }

  // A loaded world without a current plane only erases the view.
  rig.view.m_log.clear();
  rig.doc.SelectPlane(nullptr);
  rig.view.m_log.clear();
  rig.doc.RenderWorld(1);
  EXPECT_EQ(rig.view.m_log, (std::vector<std::string>{"invalidate erase", "update"}));
}

}  // namespace
}  // namespace vyr
