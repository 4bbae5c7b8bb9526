// "Informacje Klocków": the command's greying, the defaults, the rectangle clamp, the commit
// rules, moving between images, the number field, the previews and loading a mask file.
#include "commands/attributes/tile_attrib_dialog.h"

#include <gtest/gtest.h>

#include <fstream>

#include "commands/command_run.h"
#include "commands/document_commands.h"
#include "commands/world_edit.h"
#include "platform/command_ids.h"
#include "res/messages.h"
#include "res/step_names.h"
#include "world/document_fixture.h"
#include "world/plane.h"
#include "world/tile_attrib_edits.h"
#include "world/world.h"

namespace vyr {
namespace {

// Set BACK holds images 2 (colour 20) and 5 (colour 21), each 16 x 16.
struct TileAttribDialogTest : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    const std::string path = folder / "w.vwd";
    test::WriteWorld(path, test::StandardProperties(folder / "data.rez"),
                     {{"Ground", kPlaneFlagObjects, {"BACK"}}, {"Sky", 0, {"BACK"}}});
    RegisterDocumentCommands(rig.doc);
    ASSERT_TRUE(rig.doc.OnOpenDocument(path)) << rig.doc.FailureReason();
    rig.doc.SelectImage(2);
    rig.doc.SetModifiedFlag(false);
    rig.user.ClearLog();
  }
  CWorld& World() { return *rig.doc.World(); }
  // Opens the dialog model on the current image, as the command does.
  void Open(int32_t tileWidth = 16, int32_t tileHeight = 16) {
    ASSERT_EQ(rig.doc.CurrentPlane()->ChangeTileSize(tileWidth, tileHeight), 1);
    dialog.BeginRun();
    dialog.OnInitDialog();
  }
  void Event(int control, ControlEvent event = ControlEvent::Clicked) { dialog.OnControlEvent(control, event, rig.user); }
  void Tab(int kind) {
    dialog.m_kind = kind;
    Event(ctl::kAttribTabs, ControlEvent::SelectionChanged);
  }
  void Store(int32_t number, std::unique_ptr<CTileAttrib> record) {
    World().SetAttribute(number, std::move(record));
  }
  static std::unique_ptr<CDoubleAttrib> Double(int32_t size, int32_t l, int32_t t, int32_t r, int32_t b) {
    auto d = std::make_unique<CDoubleAttrib>();
    d->SetSize(size, size);
    d->m_left = l, d->m_top = t, d->m_right = r, d->m_bottom = b;
    return d;
  }
  std::vector<int32_t> Rect(const CDoubleAttrib& d) { return {d.m_left, d.m_top, d.m_right, d.m_bottom}; }
  void WriteRid(const std::string& name, uint32_t width, uint32_t height) {
    ByteWriter w;
    for (uint32_t v : {0u, 0x20u, width, height}) w.U32(v);
    for (uint32_t i = 0; i < width * height; ++i) w.U8(uint8_t(i % 7));
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(w.Bytes().data()), std::streamsize(w.Bytes().size()));
  }

  test::TempFolder folder;
  test::DocumentRig rig;
  CTileAttribDialog dialog{rig.doc};
};

TEST_F(TileAttribDialogTest, InfoIsGreyedUnlessAWorldIsOpenOnAnObjectPlane) {
  auto enabled = [this](CommandId id) { return test::UpdateCommand(rig.doc.Commands(), id).enabled; };
  EXPECT_TRUE(enabled(cmd::kTileAttribInfo));
  rig.doc.SelectPlane(World().Plane(1));
  EXPECT_FALSE(enabled(cmd::kTileAttribInfo));
  EXPECT_TRUE(enabled(cmd::kScaleAttribs));

  test::DocumentRig empty;
  RegisterDocumentCommands(empty.doc);
  EXPECT_FALSE(test::UpdateCommand(empty.doc.Commands(), cmd::kTileAttribInfo).enabled);
  EXPECT_TRUE(test::UpdateCommand(empty.doc.Commands(), cmd::kScaleAttribs).enabled);

  rig.doc.SelectPlane(World().Plane(0));
  rig.doc.SelectSet(3);  // no set in that slot: nothing opens
  test::RunCommand(rig.doc.Commands(), cmd::kTileAttribInfo);
  EXPECT_TRUE(rig.user.Log().empty());
}

TEST_F(TileAttribDialogTest, OpensOnTheStoredKindWithPlaneSizedDefaults) {
  Open(64, 32);
  EXPECT_EQ(dialog.m_kind, kAttribKindSingle);
  EXPECT_EQ(dialog.m_single, kAttribFree);
  EXPECT_EQ(dialog.m_number, "2");
  EXPECT_EQ(Rect(dialog.WorkingDouble()), (std::vector<int32_t>{32, 0, 63, 31}));
  EXPECT_EQ(dialog.m_rect, (std::array<std::string, 4>{"32", "0", "63", "31"}));
  EXPECT_EQ(dialog.WorkingMask().ByteCount(), 64 * 32);

  Store(2, Double(16, 1, 2, 3, 4));
  Open();
  EXPECT_EQ(dialog.m_kind, kAttribKindDouble);
  EXPECT_EQ(dialog.m_rect, (std::array<std::string, 4>{"1", "2", "3", "4"}));
}

TEST_F(TileAttribDialogTest, TheClampKeepsTheRectangleInsideTheTile) {
  struct Row {
    int32_t width;
    int32_t left, right;
    int32_t wantLeft, wantRight;
  } rows[] = {
      {64, 70, 63, 62, 63}, {64, 0, 0, 0, 1}, {64, 40, 10, 10, 40}, {64, -5, 99, 0, 63},
      {1, 5, -3, 0, 0},     {0, 4, 4, 0, 0},  {2, 7, 7, 0, 1},
  };
  for (const Row& row : rows) {
    CDoubleAttrib d;
    d.SetSize(row.width, 64);
    d.m_left = row.left, d.m_right = row.right, d.m_top = 0, d.m_bottom = 63;
    ClampAttribRect(d);
    EXPECT_EQ((std::pair{d.m_left, d.m_right}), (std::pair{row.wantLeft, row.wantRight}))
        << row.width << ": " << row.left << ", " << row.right;
  }
  // Typed into the dialog, the fields show what was kept.
  Open(64, 64);
  Tab(kAttribKindDouble);
  dialog.m_rect = {"40", "0", "10", "63"};
  Event(ctl::kAttribRect[2], ControlEvent::FocusLost);
  EXPECT_EQ(dialog.m_rect, (std::array<std::string, 4>{"10", "0", "40", "63"}));
}

TEST_F(TileAttribDialogTest, FreeInBothGroupsIsRefusedAndKeepsThePair) {
  Open();
  Tab(kAttribKindDouble);
  dialog.m_inside = kAttribFree;
  Event(ctl::kAttribInside[0]);
  EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{"message: " + std::string(res::text::kInOutAttribSame)}));
  EXPECT_EQ(std::pair(dialog.m_outside, dialog.m_inside), std::pair(kAttribFree, kAttribBlock));
  EXPECT_FALSE(dialog.Modified());
  EXPECT_TRUE(dialog.OnOK(rig.user));
  EXPECT_EQ(World().Attribute(2), nullptr);
}

TEST_F(TileAttribDialogTest, CommitRules) {
  struct Case {
    const char* what;
    std::function<void()> stored;  // before the dialog opens
    std::function<void()> user;
    int kindAfter;  // 0: no record
    bool modified;
  };
  const Case cases[] = {
      {"switching tabs alone keeps the double", [this] { Store(2, Double(16, 1, 1, 5, 5)); },
       [this] { Tab(kAttribKindSingle); }, kAttribKindDouble, false},
      {"a single click after switching replaces the double", [this] { Store(2, Double(16, 1, 1, 5, 5)); },
       [this] {
         Tab(kAttribKindSingle);
         dialog.m_single = kAttribLadder;
         Event(ctl::kAttribSingle[3]);
       },
       kAttribKindSingle, true},
      {"a change and then a look at another tab stores the changed kind",
       [this] { Store(2, std::make_unique<CSingleAttrib>(16, 16, kAttribBlock)); },
       [this] {
         dialog.m_single = kAttribFloor;
         Event(ctl::kAttribSingle[2]);
         Tab(kAttribKindMask);
         Tab(kAttribKindDouble);
       },
       kAttribKindSingle, true},
      {"a loaded mask stays the stored kind after a look at another tab", [] {},
       [this] {
         WriteRid("m.rid", 16, 16);
         Tab(kAttribKindMask);
         rig.user.QueueFileName(folder / "m.rid");
         Event(ctl::kAttribFindMask);
         Tab(kAttribKindSingle);
       },
       kAttribKindMask, true},
      {"an untouched empty slot stays empty", [] {}, [] {}, 0, false},
  };
  for (const Case& c : cases) {
    World().SetAttributeCount(0);
    c.stored();
    rig.doc.SetModifiedFlag(false);
    RunEdit(rig.doc, ChangeScope::Attributes(), res::step::kTileAttribs, [&] {
      Open();
      c.user();
      EXPECT_TRUE(dialog.OnOK(rig.user));
    });
    const CTileAttrib* record = World().Attribute(2);
    EXPECT_EQ(record ? record->Kind() : 0, c.kindAfter) << c.what;
    EXPECT_EQ(rig.doc.IsModified(), c.modified) << c.what;
  }
  World().SetAttributeCount(0);
  Open();
  dialog.m_single = kAttribLadder;
  Event(ctl::kAttribSingle[3]);
  ASSERT_TRUE(dialog.OnOK(rig.user));
  const auto* single = dynamic_cast<const CSingleAttrib*>(World().Attribute(2));
  ASSERT_NE(single, nullptr);
  EXPECT_EQ((std::vector<int32_t>{single->m_tileWidth, single->m_tileHeight, single->m_attrib}),
            (std::vector<int32_t>{16, 16, kAttribLadder}));
}

TEST_F(TileAttribDialogTest, AMaskBreakingTheWidthRuleIsNeverStored) {
  auto wide = std::make_unique<CMaskAttrib>();
  wide->SetSize(64, 32);  // 2^⌊log2 32⌋ is 32
  EXPECT_FALSE(StoreTileAttrib(rig.doc, 2, std::move(wide)));
  EXPECT_EQ(World().Attribute(2), nullptr);
  EXPECT_FALSE(StoreTileAttrib(rig.doc, 65536, std::make_unique<CSingleAttrib>()));
  EXPECT_FALSE(StoreTileAttrib(rig.doc, -1, std::make_unique<CSingleAttrib>()));
  EXPECT_FALSE(rig.doc.IsModified());
}

TEST_F(TileAttribDialogTest, NextAndPreviousStepOverEmptySlotsAndWrap) {
  struct Case {
    std::string typed;
    int control;
    int32_t after;
  } cases[] = {
      {"5", ctl::kAttribNext, 2}, {"2", ctl::kAttribNext, 5}, {"2", ctl::kAttribPrevious, 5},
      {"3", ctl::kAttribNext, 5}, {"900", ctl::kAttribNext, 2}, {"900", ctl::kAttribPrevious, 5},
  };
  for (const Case& c : cases) {
    Open();
    dialog.m_number = c.typed;
    Event(c.control);
    EXPECT_EQ(dialog.EditedNumber(), c.after) << c.typed;
    EXPECT_EQ(dialog.m_number, std::to_string(c.after)) << c.typed;
  }
  // Moving commits the image left; Cancel afterwards keeps that record.
  RunEdit(rig.doc, ChangeScope::Attributes(), res::step::kTileAttribs, [&] {
    Open();
    Event(ctl::kAttribSingle[0]);
    Event(ctl::kAttribNext);
    dialog.OnCancel();
  });
  ASSERT_NE(World().Attribute(2), nullptr);
  EXPECT_EQ(World().Attribute(5), nullptr);
  EXPECT_TRUE(rig.doc.IsModified());
}

TEST_F(TileAttribDialogTest, TheNumberFieldTakesOnly0To65535) {
  for (const char* bad : {"-1", "2000000000", "65536", "", "abc"}) {
    Open();
    Event(ctl::kAttribSingle[1]);
    dialog.m_number = bad;
    rig.user.ClearLog();
    Event(ctl::kAttribNumber, ControlEvent::FocusLost);
    EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{"beep"})) << bad;
    EXPECT_EQ(dialog.m_number, "2") << bad;
    EXPECT_EQ(World().AttributeCount(), 0) << bad;
    EXPECT_FALSE(rig.doc.IsModified()) << bad;
  }
  dialog.m_number = "65535";
  Event(ctl::kAttribNumber, ControlEvent::FocusLost);
  EXPECT_EQ(dialog.EditedNumber(), 65535);
  EXPECT_NE(World().Attribute(2), nullptr) << "the image left is committed";
}

TEST_F(TileAttribDialogTest, PreviewsClipInvertAndAreCleared) {
  // Image 2 is 16 x 16 of colour 20 on a 32 x 16 tile: the right half is clear.
  Open(32, 16);
  const CDibG& image = dialog.ImageView();
  const CDibG& preview = dialog.Preview();
  EXPECT_EQ(std::pair(image.GetPixel(15, 15), image.GetPixel(16, 0)), std::pair(uint8_t(20), uint8_t(0)));
  EXPECT_EQ(std::pair(preview.GetPixel(15, 15), preview.GetPixel(31, 0)), std::pair(uint8_t(235), uint8_t(255)));

  Tab(kAttribKindDouble);  // rectangle (16, 0)-(31, 15)
  dialog.m_rect = {"8", "4", "20", "15"};
  Event(ctl::kAttribRect[0], ControlEvent::FocusLost);
  EXPECT_EQ((std::vector<uint8_t>{preview.GetPixel(7, 4), preview.GetPixel(8, 4), preview.GetPixel(8, 3),
                                  preview.GetPixel(20, 15), preview.GetPixel(21, 15)}),
            (std::vector<uint8_t>{20, 235, 20, 255, 0}));

  // A mask wider than the tile shows its bytes, cut at the preview's edge.
  Store(5, [] {
    auto mask = std::make_unique<CMaskAttrib>();
    mask->SetSize(64, 64);
    mask->SetPixel(31, 15, 4);
    mask->SetPixel(0, 0, 3);
    return mask;
  }());
  dialog.m_number = "5";
  Event(ctl::kAttribNumber, ControlEvent::FocusLost);
  EXPECT_EQ(dialog.m_kind, kAttribKindMask);
  EXPECT_EQ((std::vector<uint8_t>{preview.GetPixel(0, 0), preview.GetPixel(31, 15), preview.GetPixel(1, 0)}),
            (std::vector<uint8_t>{3, 4, 0}));
  dialog.m_number = "4";  // no image there
  Event(ctl::kAttribNumber, ControlEvent::FocusLost);
  EXPECT_EQ(std::pair(image.GetPixel(0, 0), image.GetPixel(15, 15)), std::pair(uint8_t(0), uint8_t(0)));
}

TEST_F(TileAttribDialogTest, FindLoadsOnlyMasksThatCanBeStored) {
  WriteRid("ok.rid", 32, 32);
  struct Case {
    std::string file;
    bool taken;
  } cases[] = {
      {"wide.rid", false}, {"tall.rid", false}, {"odd.rid", false}, {"missing.rid", false}, {"ok.rid", true},
  };
  WriteRid("wide.rid", 64, 32);
  WriteRid("tall.rid", 32, 64);
  WriteRid("odd.rid", 48, 40);
  for (const Case& c : cases) {
    Open();
    Tab(kAttribKindMask);
    rig.user.QueueFileName(folder / c.file);
    Event(ctl::kAttribFindMask);
    EXPECT_EQ(dialog.Modified(), c.taken) << c.file;
    EXPECT_EQ(dialog.WorkingMask().m_tileWidth, c.taken ? 32 : 16) << c.file;
  }
  EXPECT_EQ(rig.user.Log().back(), "open file: Open Mask File -> " + (folder / "ok.rid"));
  EXPECT_EQ(dialog.Preview().GetPixel(3, 0), 3) << "redrawn without another click";
  ASSERT_TRUE(dialog.OnOK(rig.user));
  const auto* mask = dynamic_cast<const CMaskAttrib*>(World().Attribute(2));
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->ByteCount(), 32 * 32);
  EXPECT_EQ(mask->Pixel(1, 1), 33 % 7);
}

}  // namespace
}  // namespace vyr
