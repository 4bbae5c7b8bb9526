// Tests of CGameObject: the file record, copy and reset, bounds, the id counter and known names.
#include "world/game_object.h"

#include <gtest/gtest.h>

#include "resources/image_set.h"
#include "world/known_name_lists.h"
#include "world/plane.h"

namespace vyr {
namespace {

class GameObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ObjectIdCounter::ResetForTests();
    KnownNameLists::ClearAllForTests();
  }
};

// Every numeric field gets a distinct value: field k holds 1000 + k (negative for odd k).
int32_t FieldValue(size_t k) { return (k % 2 ? -1 : 1) * int32_t(1000 + k); }

// Every numeric field but position and z (fields 1 to 3), which have setters.
std::vector<int32_t*> NumericFields(CGameObject& o) {
  std::vector<int32_t*> f = {&o.m_id,         &o.m_imageIndex,
                             &o.m_addedFlags, &o.m_dynamicFlags, &o.m_drawFlags, &o.m_userFlags, &o.m_score,
                             &o.m_points,     &o.m_powerup,  &o.m_damage,   &o.m_time,      &o.m_health};
  for (CRect* r : {&o.m_moveRect, &o.m_hitRect, &o.m_attackRect, &o.m_clipRect, &o.m_userRect1, &o.m_userRect2})
    for (int32_t* v : {&r->left, &r->top, &r->right, &r->bottom}) f.push_back(v);
  for (int32_t& v : o.m_userValues) f.push_back(&v);
  for (int32_t* v : {&o.m_minX, &o.m_maxX, &o.m_minY, &o.m_maxY, &o.m_speedX, &o.m_speedY, &o.m_tweakX, &o.m_tweakY,
                     &o.m_delay, &o.m_speed, &o.m_width, &o.m_height, &o.m_direction, &o.m_faceDirection,
                     &o.m_optionTime, &o.m_frame, &o.m_hitType, &o.m_hitMask, &o.m_moveX, &o.m_moveY})
    f.push_back(v);
  return f;
}

void FillEveryField(CGameObject& o) {
  auto fields = NumericFields(o);
  for (size_t k = 0; k < fields.size(); ++k) *fields[k] = FieldValue(k == 0 ? 0 : k + 3);
  o.MoveTo(FieldValue(1), FieldValue(2));
  o.SetZ(FieldValue(3));
  o.m_id = 4321;  // beyond the counter's range so reading it does not move the counter
  o.m_name = "Name\x01\xff";
  o.m_logic = "Logic";
  o.m_imageSet = "SET_A";
  o.m_animation = "";
}

void ExpectSameFields(CGameObject& a, CGameObject& b) {
  auto fa = NumericFields(a), fb = NumericFields(b);
  for (size_t k = 0; k < fa.size(); ++k) EXPECT_EQ(*fa[k], *fb[k]) << "numeric field " << k;
  EXPECT_EQ(a.m_x.Get(), b.m_x.Get());
  EXPECT_EQ(a.m_y.Get(), b.m_y.Get());
  EXPECT_EQ(a.m_z.Get(), b.m_z.Get());
  EXPECT_EQ(a.m_name, b.m_name);
  EXPECT_EQ(a.m_logic, b.m_logic);
  EXPECT_EQ(a.m_imageSet, b.m_imageSet);
  EXPECT_EQ(a.m_animation, b.m_animation);
}

TEST_F(GameObjectTest, RecordRoundTripsEveryField) {
  CGameObject source;
  FillEveryField(source);
  ByteWriter out;
  ASSERT_EQ(source.WriteRecord(out), 1);
  ASSERT_EQ(out.Bytes().size(), 284u + 6 + 5 + 5);
  EXPECT_EQ(source.m_recordLength, 300);

  const uint8_t* p = out.Bytes().data();
  EXPECT_EQ(LoadI32(p + 4), 6);
  EXPECT_EQ(LoadI32(p + 8), 5);
  EXPECT_EQ(LoadI32(p + 12), 5);
  EXPECT_EQ(LoadI32(p + 16), 0);
  // Every numeric field at the offset of the record layout (all values are distinct, so
  // two fields exchanged in both writer and reader still fail here).
  const CGameObject& s = source;
  std::vector<std::pair<size_t, int32_t>> layout = {
      {0, s.m_id},          {20, s.m_x},          {24, s.m_y},        {28, s.m_z},         {32, s.m_imageIndex},
      {36, s.m_addedFlags}, {40, s.m_dynamicFlags}, {44, s.m_drawFlags}, {48, s.m_userFlags}, {52, s.m_score},
      {56, s.m_points},     {60, s.m_powerup},    {64, s.m_damage},   {68, s.m_time},      {72, s.m_health},
      // The movement bounds are stored as min x, min y, max x, max y.
      {204, s.m_minX},      {208, s.m_minY},      {212, s.m_maxX},    {216, s.m_maxY},     {220, s.m_speedX},
      {224, s.m_speedY},    {228, s.m_tweakX},    {232, s.m_tweakY},  {236, s.m_delay},    {240, s.m_speed},
      {244, s.m_width},     {248, s.m_height},    {252, s.m_direction}, {256, s.m_faceDirection},
      {260, s.m_optionTime}, {264, s.m_frame},    {268, s.m_hitType}, {272, s.m_hitMask},  {276, s.m_moveX},
      {280, s.m_moveY}};
  const CRect* rects[] = {&s.m_moveRect, &s.m_hitRect, &s.m_attackRect, &s.m_clipRect, &s.m_userRect1, &s.m_userRect2};
  for (size_t k = 0; k < 6; ++k) {
    for (auto [at, v] : {std::pair{0, rects[k]->left}, {4, rects[k]->top}, {8, rects[k]->right}, {12, rects[k]->bottom}})
      layout.emplace_back(76 + 16 * k + size_t(at), v);
  }
  for (size_t k = 0; k < 8; ++k) layout.emplace_back(172 + 4 * k, s.m_userValues[k]);
  ASSERT_EQ(layout.size(), size_t(284 / 4 - 4));
  for (auto [offset, value] : layout) EXPECT_EQ(LoadI32(p + offset), value) << "offset " << offset;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 284), 16), "Name\x01\xffLogicSET_A");

  // Trailing bytes after the record belong to the next record and are not read.
  std::vector<uint8_t> bytes = out.Bytes();
  bytes.insert(bytes.end(), {9, 9, 9});
  CGameObject copy;
  copy.Init();
  std::string reason;
  ASSERT_EQ(copy.ReadRecord(bytes, nullptr, &reason), 1) << reason;
  EXPECT_EQ(copy.m_recordLength, 300);
  ExpectSameFields(source, copy);
  ByteWriter again;
  ASSERT_EQ(copy.WriteRecord(again), 1);
  EXPECT_EQ(again.Bytes(), out.Bytes());
}

TEST_F(GameObjectTest, CutOrNegativeRecordsAreRefusedUnchanged) {
  CGameObject source;
  FillEveryField(source);
  ByteWriter out;
  source.WriteRecord(out);
  const ByteSpan all(out.Bytes());
  for (size_t size = 0; size < all.size(); ++size) {
    CGameObject target;
    target.Init();
    target.m_logic = "untouched";
    std::string reason;
    ASSERT_EQ(target.ReadRecord(all.first(size), nullptr, &reason), 0) << size;
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(target.m_logic, "untouched");
    EXPECT_EQ(target.m_x, 0);
  }
  EXPECT_EQ(KnownNameLists::Logic().Count(), 0u);

  std::vector<uint8_t> bad = out.Bytes();
  StoreI32(bad.data() + 12, -1);
  CGameObject target;
  std::string reason;
  EXPECT_EQ(target.ReadRecord(bad, nullptr, &reason), 0);
  EXPECT_NE(reason.find("negative"), std::string::npos) << reason;
  // Lengths whose sum overflows 32 bits are refused, not wrapped.
  StoreI32(bad.data() + 4, INT32_MAX);
  StoreI32(bad.data() + 8, INT32_MAX);
  StoreI32(bad.data() + 12, INT32_MAX);
  EXPECT_EQ(target.ReadRecord(bad, nullptr, &reason), 0);
}

TEST_F(GameObjectTest, LongStringsAreWrittenWhole) {
  CGameObject source;
  source.m_logic = std::string(5000, 'L');
  source.m_name = std::string(1024, 'N');
  ByteWriter out;
  ASSERT_EQ(source.WriteRecord(out), 1);
  EXPECT_EQ(out.Bytes().size(), 284u + 6024);
  CGameObject copy;
  ASSERT_EQ(copy.ReadRecord(out.Bytes(), nullptr), 1);
  EXPECT_EQ(copy.m_logic, source.m_logic);
  EXPECT_EQ(copy.m_name, source.m_name);
}

TEST_F(GameObjectTest, ReadingMovesTheIdCounterByTheRules) {
  struct Row {
    int32_t counterBefore;
    std::vector<int32_t> ids;
    int32_t counterAfter;
  } rows[] = {
      {1, {1, 2, 3}, 4},   {1, {12000}, 1}, {1, {-5}, 1},     {1, {9999}, 10000}, {1, {10000}, 1},
      {50, {10}, 50},      {50, {50}, 51},  {1, {0}, 1},      {1, {7, 3}, 8},     {20, {0, 19, 20}, 21},
  };
  for (const Row& r : rows) {
    ObjectIdCounter::ResetForTests(r.counterBefore);
    for (int32_t id : r.ids) {
      CGameObject o;
      o.m_id = id;
      ByteWriter out;
      o.WriteRecord(out);
      CGameObject read;
      ASSERT_EQ(read.ReadRecord(out.Bytes(), nullptr), 1);
      EXPECT_EQ(read.m_id, id);
    }
    EXPECT_EQ(ObjectIdCounter::Get(), r.counterAfter) << "from " << r.counterBefore;
  }
  ObjectIdCounter::ResetForTests(4);
  EXPECT_EQ(ObjectIdCounter::Next(), 4);
  EXPECT_EQ(ObjectIdCounter::Next(), 5);
  EXPECT_EQ(ObjectIdCounter::Get(), 6);
}

TEST_F(GameObjectTest, ReadingRegistersKnownNamesOnce) {
  const char* records[][3] = {{"Gate", "SET", "Open"}, {"Gate", "", "open"}, {"", "SET2", "Open"}};
  for (auto& r : records) {
    CGameObject o;
    o.m_logic = r[0];
    o.m_imageSet = r[1];
    o.m_animation = r[2];
    ByteWriter out;
    o.WriteRecord(out);
    CGameObject read;
    ASSERT_EQ(read.ReadRecord(out.Bytes(), nullptr), 1);
  }
  EXPECT_EQ(KnownNameLists::Logic().Names(), (std::vector<std::string>{"Gate"}));
  EXPECT_EQ(KnownNameLists::ImageSets().Names(), (std::vector<std::string>{"SET", "SET2"}));
  EXPECT_EQ(KnownNameLists::Animations().Names(), (std::vector<std::string>{"Open", "open"}));
  EXPECT_FALSE(KnownNameLists::Logic().Add(""));
  EXPECT_TRUE(KnownNameLists::Logic().Add("gate"));
  EXPECT_FALSE(KnownNameLists::Logic().Add("Gate"));
}

TEST_F(GameObjectTest, CopyKeepsEveryFieldButTheListPosition) {
  CPlane plane;
  ASSERT_EQ(plane.Create(1, 1, 16, 16, CRect{0, 0, 9, 9}), 1);
  CGameObject* linked = plane.NewObject(0);
  CGameObject* second = plane.NewObject(0);
  CGameObject source;
  FillEveryField(source);
  CImage image;
  source.SetImage(&image);
  source.m_recordLength = 77;
  source.SetBounds(CRect{1, 2, 3, 4});
  source.m_imageWidth = 5;
  source.m_imageHeight = 6;

  linked->CopyFrom(source);
  ExpectSameFields(source, *linked);
  EXPECT_EQ(linked->m_image, &image);
  EXPECT_EQ(linked->m_recordLength, 77);
  EXPECT_EQ(linked->m_bounds, source.m_bounds);
  EXPECT_EQ(linked->m_imageHeight, 6);
  EXPECT_EQ(plane.NextObject(linked, false), second);  // still in its place

  CGameObject clipboard;
  clipboard.CopyFrom(*linked);
  EXPECT_FALSE(clipboard.IsLinked());
  EXPECT_EQ(clipboard.m_id, 4321);
  EXPECT_EQ(plane.RemoveObject(&clipboard), 0);

  linked->Init();
  EXPECT_TRUE(linked->IsLinked());
  EXPECT_EQ(linked->m_imageIndex, -1);
  EXPECT_EQ(linked->m_x, 0);
  EXPECT_EQ(linked->m_logic, "");
  EXPECT_EQ(linked->m_image, nullptr);
  EXPECT_EQ(linked->m_moveRect, CRect{});
  EXPECT_EQ(plane.RemoveObject(linked), 1);
}

TEST_F(GameObjectTest, BoundsComeFromTheResolvedImage) {
  CImageSetTable sets;
  CImageSet* set = sets.FindOrCreate("S");
  for (int n : {2, 3, 4}) {
    auto image = std::make_unique<CImage>();
    image->m_width = 10 * n + 1;  // odd widths: halves round down
    image->m_height = 5 * n;
    image->m_offsetX = n;
    image->m_offsetY = -n;
    set->PutImage(n, std::move(image));
  }
  struct Row {
    const char* setName;
    int32_t index;
    int image;  // number expected, −1 for none
  } rows[] = {{"S", -1, 2}, {"S", 3, 3}, {"S", 4, 4}, {"S", 1, -1}, {"S", 5, -1},
              {"S", 7, -1}, {"S", -2, -1}, {"T", 3, -1}, {"", 3, -1}};
  for (const Row& r : rows) {
    CGameObject o;
    o.m_imageSet = r.setName;
    o.m_imageIndex = r.index;
    o.MoveTo(100, 50);
    o.UpdateBounds(&sets);
    if (r.image < 0) {
      EXPECT_EQ(o.m_image, nullptr) << r.setName << " " << r.index;
      EXPECT_EQ(o.m_imageWidth, 32);
      EXPECT_EQ(o.m_imageHeight, 32);
      EXPECT_EQ(o.m_bounds, (CRect{84, 34, 116, 66}));
      continue;
    }
    const CImage* image = set->GetImage(r.image);
    ASSERT_EQ(o.m_image, image) << r.index;
    const int n = r.image;
    EXPECT_EQ(o.m_imageWidth, 10 * n + 1);
    EXPECT_EQ(o.m_imageHeight, 5 * n);
    const int halfW = 5 * n, halfH = (5 * n) / 2;
    EXPECT_EQ(o.m_bounds, (CRect{100 - halfW + n, 50 - halfH - n, 100 + halfW + n, 50 + halfH - n}));
    // Mirrored, the image is drawn with its x offset turned around.
    o.m_drawFlags = kDrawMirror;
    o.UpdateBounds(&sets);
    EXPECT_EQ(o.m_bounds, (CRect{100 - halfW - n, 50 - halfH - n, 100 + halfW - n, 50 + halfH - n}));
  }

  // The cached image stays until it is forgotten; without sets nothing resolves.
  CGameObject o;
  o.m_imageSet = "S";
  o.m_imageIndex = 3;
  o.UpdateBounds(&sets);
  o.m_imageIndex = 4;
  o.UpdateBounds(nullptr);
  EXPECT_EQ(o.m_image, set->GetImage(3));
  o.ForgetImage();
  o.UpdateBounds(nullptr);
  EXPECT_EQ(o.m_image, nullptr);
  EXPECT_EQ(o.ResolveImage(&sets), set->GetImage(4));

  // Positions near the int32 limits wrap instead of overflowing.
  CGameObject edge;
  edge.MoveTo(INT32_MAX, INT32_MIN);
  edge.UpdateBounds(nullptr);
  EXPECT_EQ(edge.m_bounds.Get().right, INT32_MIN + 15);
  EXPECT_EQ(edge.m_bounds.Get().top, INT32_MAX - 15);
}

TEST_F(GameObjectTest, ReadRecordResolvesBoundsThroughTheGivenSets) {
  CImageSetTable sets;
  auto image = std::make_unique<CImage>();
  image->m_width = 8;
  image->m_height = 4;
  sets.FindOrCreate("S")->PutImage(0, std::move(image));
  CGameObject o;
  o.m_imageSet = "S";
  o.MoveTo(10, 10);
  ByteWriter out;
  o.WriteRecord(out);
  CGameObject read;
  ASSERT_EQ(read.ReadRecord(out.Bytes(), &sets), 1);
  EXPECT_EQ(read.m_image, sets.Find("S")->GetImage(0));
  EXPECT_EQ(read.m_bounds, (CRect{6, 8, 14, 12}));
}

}  // namespace
}  // namespace vyr
