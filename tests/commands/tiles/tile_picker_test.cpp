// The tile picker without a window: which slots it lists, prefix selection, zoom and item
// geometry, and the hidden-flag rules of opening, closing and "Okno Wyboru".
#include "commands/tiles/tile_picker_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "commands/command_run.h"
#include "commands/tiles/tile_picker_control.h"
#include "platform/command_ids.h"
#include "resources/image_set.h"

namespace vyr {
namespace {

// A set whose listed slots hold images of the given size (the first one sets the items' size).
std::unique_ptr<CImageSet> SetWith(const std::vector<int32_t>& numbers, int32_t width = 64, int32_t height = 64) {
  auto set = std::make_unique<CImageSet>("TILES");
  for (int32_t number : numbers) {
    auto image = std::make_unique<CImage>();
    image->m_width = number == numbers.front() ? width : 5;
    image->m_height = number == numbers.front() ? height : 5;
    set->PutImage(number, std::move(image));
  }
  return set;
}

TEST(TilePickerModelTest, ListsOnlyFilledSlotsInNumberOrder) {
  const auto set = SetWith({7, 0, 2, 1, 5});
  TilePickerModel model;
  ASSERT_TRUE(model.Build(set.get()));
  EXPECT_EQ(model.Images(), (std::vector<int32_t>{0, 1, 2, 5, 7}));
  EXPECT_EQ(model.SelectedIndex(), -1);

  const CImageSet empty("EMPTY");
  EXPECT_FALSE(model.Build(&empty));
  EXPECT_FALSE(model.Build(nullptr));
  EXPECT_EQ(model.Count(), 0);
  EXPECT_EQ(model.Set(), nullptr);
}

TEST(TilePickerModelTest, SelectsTheFirstItemWhoseNumberBeginsWithTheImage) {
  struct Case {
    std::vector<int32_t> images;
    int32_t before;  // selected index beforehand
    int32_t image;
    bool found;
    int32_t selected;
  };
  const Case cases[] = {
      {{0, 1, 2, 5, 10}, -1, 1, true, 1},   // itself before 10
      {{0, 2, 10, 11}, 0, 1, true, 2},      // no 1: the first number starting with it
      {{0, 1, 2, 5, 6}, 4, 3, false, 4},    // missing image: selection stays
      {{3, 30, 300}, -1, 30, true, 1},
      {{12, 31}, 1, 2, false, 1},           // a prefix, not any digit inside
  };
  for (const Case& c : cases) {
    const auto set = SetWith(c.images);
    TilePickerModel model;
    ASSERT_TRUE(model.Build(set.get()));
    model.Select(c.before);
    EXPECT_EQ(model.SelectByPrefix(c.image), c.found) << c.image;
    EXPECT_EQ(model.SelectedIndex(), c.selected) << c.image;
  }
}

TEST(TilePickerModelTest, ZoomStepsBetweenAQuarterAndOneKeepingTheSelectedIndex) {
  const auto set = SetWith({0, 1, 2, 3});
  TilePickerModel model;
  ASSERT_TRUE(model.Build(set.get()));
  model.Select(2);
  EXPECT_EQ(model.Zoom(), 0.5f);
  EXPECT_TRUE(model.ZoomIn());
  EXPECT_FALSE(model.ZoomIn());
  EXPECT_EQ(model.Zoom(), 1.0f);
  EXPECT_TRUE(model.ZoomOut());
  EXPECT_TRUE(model.ZoomOut());
  EXPECT_FALSE(model.ZoomOut());
  EXPECT_EQ(model.Zoom(), 0.25f);
  EXPECT_EQ(model.SelectedIndex(), 2);
  EXPECT_EQ(model.SelectedImage(), 2);
}

TEST(TilePickerModelTest, ItemsTakeTheFirstImagesSizeAtTheZoom) {
  const auto set = SetWith({3, 4}, 64, 64);
  TilePickerModel model;
  ASSERT_TRUE(model.Build(set.get()));
  EXPECT_EQ(model.ItemHeight(), 34);
  EXPECT_EQ(model.ThumbnailWidth(), 32);
  const TilePickerItemLayout half = model.Layout(CRect{0, 68, 100, 102}, 10);
  EXPECT_TRUE(half.showNumber);
  EXPECT_EQ(half.thumbnail, (CRect{0, 70, 32, 100}));
  EXPECT_EQ(half.frame, (CRect{0, 70, 99, 100}));
  EXPECT_EQ(half.textX, 34);
  EXPECT_EQ(half.textY, 17 + 69 + 1 - 5);

  // An image as wide as the list fills the item and leaves no room for the number.
  model.ZoomIn();
  const TilePickerItemLayout whole = model.Layout(CRect{0, 0, 60, 66}, 0);
  EXPECT_FALSE(whole.showNumber);
  EXPECT_EQ(whole.thumbnail, (CRect{0, 1, 60, 65}));
}

// A picker window that counts what it was asked; its close, like the real window's, is
// taken for the user's.
class FakePickerHost : public ITilePickerHost {
 public:
  void CreatePicker() override {
    exists = visible = true;
    ++created;
  }
  void DestroyPicker() override {
    if (control) control->UserClosed();
    exists = visible = false;
  }
  bool PickerExists() const override { return exists; }
  bool PickerVisible() const override { return visible; }
  void ShowPicker(bool show) override { visible = show; }
  void FollowCurrentTile() override { ++followed; }

  TilePickerControl* control = nullptr;
  bool exists = false;
  bool visible = false;
  int created = 0;
  int followed = 0;
};

struct PickerControlRig {
  explicit PickerControlRig(int flag) : hidden(flag), control(hidden, host) { host.control = &control; }
  int hidden;
  FakePickerHost host;
  TilePickerControl control;
};

TEST(TilePickerControlTest, ANewPlaneOpensThePickerUnlessTheUserHidItAndNewContentsCloseIt) {
  for (int flag : {0, 1}) {
    PickerControlRig rig(flag);
    rig.control.CurrentPlaneChanged();
    EXPECT_EQ(rig.host.exists, flag == 0);
    rig.control.CurrentImageChanged(3);
    EXPECT_EQ(rig.host.followed, flag == 0 ? 2 : 0);
    rig.control.ContentsReset();
    EXPECT_FALSE(rig.host.exists);
    EXPECT_EQ(rig.hidden, flag) << "a close the program makes keeps the flag";
  }
  // Hidden by the user, the picker stays for a new plane and lists its set.
  PickerControlRig rig(0);
  rig.control.Toggle();
  rig.control.Toggle();
  ASSERT_EQ(rig.hidden, 1);
  rig.control.CurrentPlaneChanged();
  EXPECT_EQ(rig.host.created, 1);
  EXPECT_FALSE(rig.host.visible);
  EXPECT_EQ(rig.host.followed, 1);
}

TEST(TilePickerControlTest, OknoWyboruOpensHidesAndShowsWithItsCheckMark) {
  PickerControlRig rig(1);
  CommandTable table;
  rig.control.RegisterCommands(table);
  auto press = [&table] { test::RunCommand(table, cmd::kTilePicker); };
  auto checked = [&table] { return test::UpdateCommand(table, cmd::kTilePicker).checked; };
  EXPECT_FALSE(checked());
  press();  // none yet: opened in spite of the flag, which is cleared
  EXPECT_TRUE(rig.host.exists);
  EXPECT_EQ(rig.hidden, 0);
  EXPECT_TRUE(checked());

  // The user's close box hides it and sets the flag; the next press shows it, the one
  // after hides it again.
  rig.control.UserClosed();
  rig.host.visible = false;
  EXPECT_FALSE(checked());
  press();
  EXPECT_EQ(rig.host.created, 1);
  EXPECT_TRUE(rig.host.visible);
  EXPECT_EQ(rig.hidden, 0);
  EXPECT_TRUE(checked());
  press();
  EXPECT_TRUE(rig.host.exists);
  EXPECT_FALSE(rig.host.visible);
  EXPECT_EQ(rig.hidden, 1);
  EXPECT_FALSE(checked());
  // Reopening for another plane replaces the window only when forced.
  rig.control.Open(false);
  EXPECT_EQ(rig.host.created, 1);
}

}  // namespace
}  // namespace vyr
