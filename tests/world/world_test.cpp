// Tests of CWorld: creation, the plane stack, the object-plane record, attributes and validation.
#include "world/world.h"

#include <gtest/gtest.h>

#include "resources/image_set.h"
#include "world/single_attrib.h"

namespace vyr {
namespace {

const CRect kView{0, 0, 319, 199};

std::vector<std::string> Names(const CWorld& world) {
  std::vector<std::string> names;
  for (int32_t i = 0; i < world.PlaneCount(); ++i) names.push_back(world.Plane(i)->Name());
  return names;
}

// A world with planes "P0" … "P(n−1)"; P0 is the recorded object plane.
void AddPlanes(CWorld& world, int n) {
  for (int i = 0; i < n; ++i) ASSERT_NE(world.AddPlane("P" + std::to_string(i), 4, 4, 16, 16), nullptr);
}

TEST(World, CreateMakesOneRecordedPlane) {
  CWorld world;
  EXPECT_EQ(world.IsValid(), 0);
  EXPECT_EQ(world.ObjectPlaneIndex(), -1);
  ASSERT_EQ(world.Create(6, 5, 32, 16, kView), 1);
  EXPECT_EQ(world.IsValid(), 1);
  ASSERT_EQ(world.PlaneCount(), 1);
  CPlane* plane = world.Plane(0);
  EXPECT_EQ(world.ObjectPlane(), plane);
  EXPECT_EQ(world.ObjectPlaneIndex(), 0);
  EXPECT_EQ(plane->Width(), 6);
  EXPECT_EQ(plane->PixelHeight(), 80);
  EXPECT_EQ(plane->ScreenRect(), kView);
  EXPECT_EQ(plane->VisibleRect(), (CRect{0, 0, 319, 199}));

  CWorld refused;
  EXPECT_EQ(refused.Create(0, 5, 32, 16, kView), 0);
  EXPECT_EQ(refused.PlaneCount(), 0);
  EXPECT_EQ(refused.ObjectPlane(), nullptr);
}

TEST(World, AddPlaneAppendsCutsTheNameAndRecordsTheFirst) {
  CWorld world;
  world.SetViewRect(kView);
  CPlane* first = world.AddPlane(std::string(80, 'n'), 3, 2, 8, 8);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Name(), std::string(63, 'n'));
  EXPECT_EQ(first->ScreenRect(), kView);
  EXPECT_EQ(first->Tiles().size(), 6u);
  CPlane* second = world.AddPlane("top", 1, 1, 8, 8);
  EXPECT_EQ(world.Plane(1), second);
  EXPECT_EQ(world.ObjectPlane(), first);
  EXPECT_EQ(world.ObjectPlaneIndex(), 0);

  EXPECT_EQ(world.AddPlane("bad", -1, 1, 8, 8), nullptr);
  EXPECT_EQ(world.PlaneCount(), 2);
  EXPECT_EQ(world.Plane(2), nullptr);
  EXPECT_EQ(world.Plane(-1), nullptr);

  world.ClearObjectPlane();
  CPlane* third = world.AddPlane("third", 1, 1, 8, 8);
  EXPECT_EQ(world.ObjectPlane(), third);
  EXPECT_EQ(world.ObjectPlaneIndex(), 2);
}

TEST(World, MovePlaneReordersOrRefuses) {
  struct Row {
    int32_t from, to;
    int result;
    std::vector<std::string> names;
  } rows[] = {
      {0, 2, 1, {"P1", "P2", "P0", "P3"}}, {3, 0, 1, {"P3", "P0", "P1", "P2"}}, {1, 1, 1, {"P0", "P1", "P2", "P3"}},
      {1, 4, 0, {"P0", "P1", "P2", "P3"}}, {-1, 0, 0, {"P0", "P1", "P2", "P3"}}, {0, -1, 0, {"P0", "P1", "P2", "P3"}},
      {4, 0, 0, {"P0", "P1", "P2", "P3"}},
  };
  for (const Row& r : rows) {
    CWorld world;
    AddPlanes(world, 4);
    EXPECT_EQ(world.MovePlane(r.from, r.to), r.result) << r.from << "->" << r.to;
    EXPECT_EQ(Names(world), r.names) << r.from << "->" << r.to;
  }
}

// The recorded index must keep naming the recorded plane through every stack change.
TEST(World, ObjectPlaneRecordFollowsItsPlane) {
  enum Op { kMove, kRemove };
  struct Step {
    Op op;
    int32_t a, b;
  };
  struct Row {
    const char* what;
    int32_t recorded;  // index recorded before the steps
    std::vector<Step> steps;
    int32_t expectedIndex;  // −1: none
    const char* expectedName;
  } rows[] = {
      {"moving the recorded plane", 1, {{kMove, 1, 3}}, 3, "P1"},
      {"moving another plane across it downward", 2, {{kMove, 3, 0}}, 3, "P2"},
      {"moving another plane across it upward", 2, {{kMove, 0, 3}}, 1, "P2"},
      {"moving planes on one side", 2, {{kMove, 0, 1}, {kMove, 3, 3}}, 2, "P2"},
      {"removing a plane below it", 2, {{kRemove, 0, 0}}, 1, "P2"},
      {"removing a plane above it", 2, {{kRemove, 3, 0}}, 2, "P2"},
      {"removing the recorded plane", 2, {{kRemove, 2, 0}}, -1, nullptr},
      {"a refused move", 2, {{kMove, 2, 4}}, 2, "P2"},
      {"a refused removal", 0, {{kRemove, 4, 0}, {kRemove, -1, 0}}, 0, "P0"},
      {"several steps", 0, {{kMove, 0, 3}, {kRemove, 1, 0}, {kMove, 0, 2}, {kRemove, 0, 0}}, 0, "P0"},
  };
  for (const Row& r : rows) {
    CWorld world;
    AddPlanes(world, 4);
    ASSERT_EQ(world.SetObjectPlane(r.recorded), 1);
    for (const Step& s : r.steps) {
      if (s.op == kMove)
        world.MovePlane(s.a, s.b);
      else
        world.RemovePlane(s.a);
    }
    EXPECT_EQ(world.ObjectPlaneIndex(), r.expectedIndex) << r.what;
    if (r.expectedName) {
      ASSERT_NE(world.ObjectPlane(), nullptr) << r.what;
      EXPECT_EQ(world.ObjectPlane()->Name(), r.expectedName) << r.what;
      EXPECT_EQ(world.Plane(world.ObjectPlaneIndex()), world.ObjectPlane()) << r.what;
    } else {
      EXPECT_EQ(world.ObjectPlane(), nullptr) << r.what;
    }
  }
}

TEST(World, RemovePlaneClosesTheGap) {
  CWorld world;
  AddPlanes(world, 3);
  EXPECT_EQ(world.RemovePlane(3), 0);
  EXPECT_EQ(world.RemovePlane(-1), 0);
  EXPECT_EQ(world.RemovePlane(1), 1);
  EXPECT_EQ(Names(world), (std::vector<std::string>{"P0", "P2"}));
  EXPECT_EQ(world.RemovePlane(0), 1);
  EXPECT_EQ(world.RemovePlane(0), 1);
  EXPECT_EQ(world.PlaneCount(), 0);
  EXPECT_EQ(world.ObjectPlaneIndex(), -1);
}

TEST(World, ObjectPlaneFlagAndRecord) {
  CWorld world;
  AddPlanes(world, 3);
  EXPECT_EQ(world.FindObjectPlane(), nullptr);
  world.Plane(1)->m_flags = kPlaneFlagObjects | kPlaneFlagEndlessX;
  world.Plane(2)->m_flags = kPlaneFlagObjects;
  EXPECT_EQ(world.FindObjectPlane(), world.Plane(1));
  EXPECT_EQ(world.ClearObjectPlane(), 3);
  EXPECT_EQ(world.FindObjectPlane(), nullptr);
  EXPECT_EQ(world.Plane(1)->m_flags, kPlaneFlagEndlessX);
  EXPECT_EQ(world.ObjectPlane(), nullptr);
  EXPECT_EQ(world.ObjectPlaneIndex(), -1);
  EXPECT_EQ(world.SetObjectPlane(3), 0);
  EXPECT_EQ(world.SetObjectPlane(2), 1);
  EXPECT_EQ(world.ObjectPlane(), world.Plane(2));
}

TEST(World, SetAllViewRectsReachesEveryPlane) {
  CWorld world;
  AddPlanes(world, 2);
  world.Plane(1)->m_viewOriginX = 40;
  const CRect rect{0, 0, 99, 49};
  world.SetAllViewRects(rect);
  EXPECT_EQ(world.ViewRect(), rect);
  EXPECT_EQ(world.IsValid(), 1);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(world.Plane(i)->ScreenRect(), rect);
    EXPECT_EQ(world.Plane(i)->ViewWidth(), 100);
  }
  EXPECT_EQ(world.Plane(1)->VisibleRect(), (CRect{40, 0, 139, 49}));
}

TEST(World, SetAttributeReplacesAndGrows) {
  CWorld world;
  world.SetAttribute(3, std::make_unique<CSingleAttrib>(16, 16, 1));
  EXPECT_EQ(world.AttributeCount(), 4);
  EXPECT_EQ(world.Attribute(0), nullptr);
  ASSERT_NE(world.Attribute(3), nullptr);
  world.SetAttribute(3, std::make_unique<CSingleAttrib>(16, 16, 2));
  EXPECT_EQ(static_cast<CSingleAttrib*>(world.Attribute(3))->m_attrib, 2);
  world.SetAttribute(-1, std::make_unique<CSingleAttrib>(16, 16, 3));
  world.SetAttribute(5, nullptr);
  EXPECT_EQ(world.AttributeCount(), 4);
  EXPECT_EQ(world.Attribute(4), nullptr);
  EXPECT_EQ(world.Attribute(-1), nullptr);
  world.SetAttributeCount(2);
  EXPECT_EQ(world.AttributeCount(), 2);
  world.Clear();
  EXPECT_EQ(world.AttributeCount(), 0);
}

TEST(World, ValidateTilesExaminesEveryPlane) {
  CImageSetTable sets;
  sets.FindOrCreate("A")->PutImage(0, std::make_unique<CImage>());
  CWorld world;
  AddPlanes(world, 3);
  for (int i = 0; i < 3; ++i) world.Plane(i)->AddImageSet(&sets, 0, "A");
  world.Plane(0)->SetTile(1, 0, MakeTile(0, 1));
  world.Plane(2)->SetTile(0, 3, MakeTile(5, 0));
  std::string report = "old text";
  EXPECT_EQ(world.ValidateTiles(&report), 0);
  EXPECT_EQ(report,
            "Plane P0: Bad map tile value (1) at 1,0\n"
            "Plane P2: Bad map image set value (5) at 0,3\n");
  world.Plane(0)->SetTile(1, 0, MakeTile(0, 0));
  world.Plane(2)->SetTile(0, 3, kColourTile);
  EXPECT_EQ(world.ValidateTiles(&report), 1);
  EXPECT_EQ(report, "");
  EXPECT_EQ(world.ValidateTiles(nullptr), 1);
}

TEST(World, ClearForgetsEverything) {
  CWorld world;
  ASSERT_EQ(world.Create(2, 2, 8, 8, kView), 1);
  world.Plane(0)->NewObject(0);
  world.SetAttribute(0, std::make_unique<CSingleAttrib>(8, 8, 1));
  world.Clear();
  EXPECT_EQ(world.PlaneCount(), 0);
  EXPECT_EQ(world.AttributeCount(), 0);
  EXPECT_EQ(world.ObjectPlane(), nullptr);
  EXPECT_EQ(world.ObjectPlaneIndex(), -1);
  EXPECT_EQ(world.IsValid(), 1);  // the view rectangle stays
}

}  // namespace
}  // namespace vyr
