// Tile attribute records: stored forms, the mask size rule, edge queries and resizing.
#include <gtest/gtest.h>

#include <vector>

#include "world/double_attrib.h"
#include "world/mask_attrib.h"
#include "world/single_attrib.h"

namespace vyr {
namespace {

std::vector<int32_t> Words(const std::vector<uint8_t>& bytes) {
  std::vector<int32_t> words;
  for (size_t i = 0; i + 4 <= bytes.size(); i += 4) words.push_back(LoadI32(bytes.data() + i));
  return words;
}

std::vector<uint8_t> StoredMask(int32_t width, int32_t height, size_t pixelBytes) {
  ByteWriter out;
  out.I32(3);
  out.I32(0);
  out.I32(width);
  out.I32(height);
  for (size_t i = 0; i < pixelBytes; ++i) out.U8(uint8_t(i));
  return out.Bytes();
}

CDoubleAttrib MakeDouble(int32_t w, int32_t h, int32_t l, int32_t t, int32_t r, int32_t b) {
  CDoubleAttrib d;
  d.SetSize(w, h);
  d.m_outside = 0;
  d.m_inside = 1;
  d.m_left = l;
  d.m_top = t;
  d.m_right = r;
  d.m_bottom = b;
  return d;
}

TEST(TileAttribTest, StoredFormsAndRoundTrip) {
  CSingleAttrib single(64, 32, kAttribLadder);
  ByteWriter out;
  single.Store(out);
  EXPECT_EQ(Words(out.Bytes()), (std::vector<int32_t>{1, 0, 64, 32, 3}));
  EXPECT_EQ(single.StoredSize(), 20);

  CDoubleAttrib dbl = MakeDouble(64, 64, 32, 0, 63, 63);
  dbl.m_outside = 4;
  dbl.m_inside = 2;
  ByteWriter outD;
  dbl.Store(outD);
  EXPECT_EQ(Words(outD.Bytes()), (std::vector<int32_t>{2, 0, 64, 64, 4, 2, 32, 0, 63, 63}));
  EXPECT_EQ(dbl.StoredSize(), 40);

  CMaskAttrib mask;
  ASSERT_EQ(mask.SetSize(4, 5), 1);
  mask.SetPixel(3, 4, 200);
  mask.SetPixel(1, 0, 7);
  ByteWriter outM;
  mask.Store(outM);
  ASSERT_EQ(outM.Bytes().size(), 36u);
  EXPECT_EQ(mask.StoredSize(), 36);
  EXPECT_EQ(outM.Bytes()[16 + 1], 7);
  EXPECT_EQ(outM.Bytes()[16 + 4 * 4 + 3], 200);

  // Each stored form reads back through the kind factory into an equal record.
  for (const std::vector<uint8_t>* stored : {&out.Bytes(), &outD.Bytes(), &outM.Bytes()}) {
    auto record = MakeTileAttrib(LoadI32(stored->data()));
    ASSERT_TRUE(record);
    ASSERT_EQ(record->Load(*stored), 1);
    ByteWriter again;
    record->Store(again);
    EXPECT_EQ(again.Bytes(), *stored);
    EXPECT_EQ(record->StoredSize(), int32_t(stored->size()));
  }
  EXPECT_FALSE(MakeTileAttrib(0));
  EXPECT_FALSE(MakeTileAttrib(4));
}

TEST(TileAttribTest, MaskLoadKeepsTheSizeRule) {
  struct Row {
    int32_t width, height;
    size_t pixelBytes;
    int expected;
  } rows[] = {
      {32, 32, 1024, 1},  {32, 40, 1280, 1},  {1, 1, 1, 1},     {1, 0, 0, 1},
      {64, 32, 2048, 0},  {32, 64, 2048, 0},  {48, 40, 1920, 0}, {0, 0, 0, 0},
      {1, -1, 0, 0},      {32, 32, 1023, 0},  {65536, 65536, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.width << " x " << row.height);
    CMaskAttrib mask;
    std::string reason;
    EXPECT_EQ(mask.Load(StoredMask(row.width, row.height, row.pixelBytes), &reason), row.expected);
    EXPECT_EQ(reason.empty(), row.expected == 1);
    if (row.expected) {
      EXPECT_EQ(mask.ByteCount(), row.width * row.height);
      EXPECT_EQ(mask.Shift(), CMaskAttrib::ShiftFor(row.height));
      if (row.pixelBytes > 5) {
        EXPECT_EQ(mask.AttributeAt(5, 0), 5);
      }
    }
  }
  // Shorter than their fixed size.
  std::vector<uint8_t> single(19, 0), dbl(39, 0);
  EXPECT_EQ(CSingleAttrib().Load(single), 0);
  EXPECT_EQ(CDoubleAttrib().Load(dbl), 0);
  EXPECT_EQ(CMaskAttrib().Load(std::vector<uint8_t>(15, 0)), 0);
}

TEST(TileAttribTest, AttributeAt) {
  CSingleAttrib single(32, 32, 2);
  EXPECT_EQ(single.AttributeAt(-5, 99), 2);
  CDoubleAttrib d = MakeDouble(64, 64, 10, 20, 30, 40);
  EXPECT_EQ(d.AttributeAt(10, 20), 1);
  EXPECT_EQ(d.AttributeAt(30, 40), 1);
  EXPECT_EQ(d.AttributeAt(9, 20), 0);
  EXPECT_EQ(d.AttributeAt(30, 41), 0);
  CMaskAttrib m;
  m.SetSize(2, 2);
  m.SetPixel(1, 1, 9);
  EXPECT_EQ(m.AttributeAt(1, 1), 9);
  EXPECT_EQ(m.AttributeAt(2, 1), 0);
  EXPECT_EQ(m.AttributeAt(-1, 0), 0);
}

enum Dir { kLeft, kUp, kRight, kDown };

struct Query {
  int found;
  int32_t pos, attrib;
};

Query Change(const CTileAttrib& a, Dir dir, int32_t x, int32_t y) {
  Query q{0, -99, -99};
  switch (dir) {
    case kLeft: q.found = a.NextChangeLeft(x, y, q.pos, q.attrib); break;
    case kUp: q.found = a.NextChangeUp(x, y, q.pos, q.attrib); break;
    case kRight: q.found = a.NextChangeRight(x, y, q.pos, q.attrib); break;
    case kDown: q.found = a.NextChangeDown(x, y, q.pos, q.attrib); break;
  }
  return q;
}

Query Find(const CTileAttrib& a, Dir dir, int32_t x, int32_t y, int32_t attrib) {
  Query q{0, -99, -99};
  switch (dir) {
    case kLeft: q.found = a.FindLeft(x, y, attrib, q.pos); break;
    case kUp: q.found = a.FindUp(x, y, attrib, q.pos); break;
    case kRight: q.found = a.FindRight(x, y, attrib, q.pos); break;
    case kDown: q.found = a.FindDown(x, y, attrib, q.pos); break;
  }
  return q;
}

TEST(TileAttribTest, DoubleEdgeQueries) {
  // Inside rectangle (16, 8)-(47, 55) of a 64 x 64 tile; outside 0, inside 1.
  const CDoubleAttrib d = MakeDouble(64, 64, 16, 8, 47, 55);
  struct Row {
    Dir dir;
    int32_t x, y;
    Query change;          // NextChange result
    int32_t findAttrib;    // attribute searched by Find
    Query find;            // Find result (attrib unused)
  } rows[] = {
      {kLeft, 60, 20, {1, 47, 1}, 1, {1, 47, 0}},
      {kLeft, 60, 20, {1, 47, 1}, 0, {0, 0, 0}},
      {kLeft, 30, 20, {1, 15, 0}, 0, {1, 15, 0}},
      {kLeft, 30, 20, {1, 15, 0}, 1, {0, 0, 0}},
      {kLeft, 10, 20, {0, 0, 0}, 1, {0, 0, 0}},
      {kLeft, 60, 7, {0, 0, 0}, 1, {0, 0, 0}},
      {kRight, 5, 20, {1, 16, 1}, 1, {1, 16, 0}},
      {kRight, 30, 20, {1, 48, 0}, 0, {1, 48, 0}},
      {kRight, 50, 20, {0, 0, 0}, 0, {0, 0, 0}},
      {kRight, 5, 56, {0, 0, 0}, 1, {0, 0, 0}},
      {kUp, 20, 60, {1, 55, 1}, 1, {1, 55, 0}},
      {kUp, 20, 30, {1, 7, 0}, 0, {1, 7, 0}},
      {kUp, 20, 3, {0, 0, 0}, 0, {0, 0, 0}},
      {kUp, 50, 60, {0, 0, 0}, 1, {0, 0, 0}},
      {kDown, 20, 2, {1, 8, 1}, 1, {1, 8, 0}},
      {kDown, 20, 30, {1, 56, 0}, 0, {1, 56, 0}},
      {kDown, 20, 60, {0, 0, 0}, 0, {0, 0, 0}},
      {kDown, 15, 2, {0, 0, 0}, 1, {0, 0, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "dir " << row.dir << " at " << row.x << "," << row.y);
    const Query c = Change(d, row.dir, row.x, row.y);
    EXPECT_EQ(c.found, row.change.found);
    if (c.found) {
      EXPECT_EQ(c.pos, row.change.pos);
      EXPECT_EQ(c.attrib, row.change.attrib);
    }
    const Query f = Find(d, row.dir, row.x, row.y, row.findAttrib);
    EXPECT_EQ(f.found, row.find.found);
    if (f.found) {
      EXPECT_EQ(f.pos, row.find.pos);
    }
  }
  // A rectangle touching the tile's edges has no outside pixel beyond it.
  const CDoubleAttrib full = MakeDouble(64, 64, 0, 0, 63, 63);
  for (Dir dir : {kLeft, kUp, kRight, kDown}) {
    EXPECT_EQ(Change(full, dir, 30, 30).found, 0);
    EXPECT_EQ(Find(full, dir, 30, 30, 0).found, 0);
  }
}

TEST(TileAttribTest, MaskAndSingleEdgeQueries) {
  // Row 1 of a 4 x 4 mask: 2 2 0 3; column 1: 5 2 2 2.
  CMaskAttrib m;
  ASSERT_EQ(m.SetSize(4, 4), 1);
  m.SetPixel(0, 1, 2);
  m.SetPixel(1, 1, 2);
  m.SetPixel(3, 1, 3);
  m.SetPixel(1, 0, 5);
  m.SetPixel(1, 2, 2);
  m.SetPixel(1, 3, 2);
  struct Row {
    Dir dir;
    int32_t x, y;
    Query change;
    int32_t findAttrib;
    Query find;
  } rows[] = {
      {kLeft, 3, 1, {1, 2, 0}, 2, {1, 1, 0}},
      {kLeft, 1, 1, {0, 0, 0}, 2, {1, 0, 0}},
      {kLeft, 9, 1, {0, 0, 0}, 3, {1, 3, 0}},   // start outside: only the find runs
      {kRight, 0, 1, {1, 2, 0}, 3, {1, 3, 0}},
      {kRight, 3, 1, {0, 0, 0}, 3, {0, 0, 0}},
      {kRight, -5, 1, {0, 0, 0}, 2, {1, 0, 0}},
      {kUp, 1, 3, {1, 0, 5}, 5, {1, 0, 0}},
      {kUp, 1, 2, {1, 0, 5}, 2, {1, 1, 0}},
      {kDown, 1, 0, {1, 1, 2}, 2, {1, 1, 0}},
      {kDown, 1, 1, {0, 0, 0}, 7, {0, 0, 0}},
      {kDown, 1, 4, {0, 0, 0}, 2, {0, 0, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "dir " << row.dir << " at " << row.x << "," << row.y);
    const Query c = Change(m, row.dir, row.x, row.y);
    EXPECT_EQ(c.found, row.change.found);
    if (c.found) {
      EXPECT_EQ(c.pos, row.change.pos);
      EXPECT_EQ(c.attrib, row.change.attrib);
    }
    const Query f = Find(m, row.dir, row.x, row.y, row.findAttrib);
    EXPECT_EQ(f.found, row.find.found);
    if (f.found) {
      EXPECT_EQ(f.pos, row.find.pos);
    }
  }
  const CSingleAttrib single(4, 4, 1);
  for (Dir dir : {kLeft, kUp, kRight, kDown}) {
    EXPECT_EQ(Change(single, dir, 2, 2).found, 0);
    EXPECT_EQ(Find(single, dir, 2, 2, 1).found, 0);
  }
}

// Sizes come from the file unchecked: a record of the most negative size has no pixel
// beyond its rectangle, and asking must not overflow.
TEST(TileAttribTest, DoubleEdgeQueriesOnStoredExtremeSizes) {
  ByteWriter out;
  for (int32_t v : {2, 0, INT32_MIN, INT32_MIN, 0, 1, 0, 0, 10, 10}) out.I32(v);
  CDoubleAttrib d;
  ASSERT_EQ(d.Load(out.Bytes()), 1);
  EXPECT_EQ(Change(d, kRight, 5, 5).found, 0);
  EXPECT_EQ(Find(d, kRight, 5, 5, 0).found, 0);
  EXPECT_EQ(Change(d, kDown, 5, 5).found, 0);
  EXPECT_EQ(Find(d, kDown, 5, 5, 0).found, 0);
}

TEST(TileAttribTest, DoubleScaleAndResize) {
  CDoubleAttrib d = MakeDouble(64, 64, 32, 0, 63, 63);
  ASSERT_EQ(d.Scale(50), 1);
  EXPECT_EQ((std::vector<int32_t>{d.m_tileWidth, d.m_tileHeight, d.m_left, d.m_top, d.m_right, d.m_bottom}),
            (std::vector<int32_t>{32, 32, 16, 0, 31, 31}));

  CDoubleAttrib r = MakeDouble(64, 32, 32, 0, 63, 31);
  ASSERT_EQ(r.ResizeTo(48, 32), 1);  // only the width changes: top and bottom stay
  EXPECT_EQ((std::vector<int32_t>{r.m_tileWidth, r.m_tileHeight, r.m_left, r.m_top, r.m_right, r.m_bottom}),
            (std::vector<int32_t>{48, 32, 24, 0, 47, 31}));
  ASSERT_EQ(r.ResizeTo(48, 96), 1);
  EXPECT_EQ(r.m_bottom, 95) << "a grown inclusive edge keeps covering the last row";

  CDoubleAttrib zero = MakeDouble(0, 0, 1, 2, 3, 4);  // no division by a zero size
  ASSERT_EQ(zero.ResizeTo(16, 16), 1);
  EXPECT_EQ((std::vector<int32_t>{zero.m_left, zero.m_top, zero.m_right, zero.m_bottom}),
            (std::vector<int32_t>{1, 2, 3, 4}));

  CSingleAttrib s(64, 48, 1);
  ASSERT_EQ(s.Scale(33), 1);
  EXPECT_EQ(s.m_tileWidth, 21);
  EXPECT_EQ(s.m_tileHeight, 15);
}

// Integer percentages, exact: 10 % of 100 is 10 (a float factor gives 9); grown far edges
// cover the new last pixel; results are clamped into the new tile; too small is refused.
TEST(TileAttribTest, ScaleByIntegerPercent) {
  struct Row {
    int32_t percent;
    std::vector<int32_t> before;  // width, height, left, top, right, bottom
    int ok;
    std::vector<int32_t> after;
  } rows[] = {
      {10, {100, 100, 50, 0, 99, 99}, 1, {10, 10, 5, 0, 9, 9}},
      {200, {32, 32, 16, 0, 31, 31}, 1, {64, 64, 32, 0, 63, 63}},
      {150, {10, 10, 0, 2, 3, 9}, 1, {15, 15, 0, 3, 5, 14}},
      {50, {64, 64, 70, -5, 90, 63}, 1, {32, 32, 31, 0, 31, 31}},
      {1, {64, 64, 32, 0, 63, 63}, 0, {64, 64, 32, 0, 63, 63}},
      {-50, {64, 64, 32, 0, 63, 63}, 0, {64, 64, 32, 0, 63, 63}},
      {200, {INT32_MAX, 4, 0, 0, 1, 1}, 1, {INT32_MAX, 8, 0, 0, 3, 3}},
  };
  for (const Row& row : rows) {
    const auto& b = row.before;
    CDoubleAttrib d = MakeDouble(b[0], b[1], b[2], b[3], b[4], b[5]);
    EXPECT_EQ(d.Scale(row.percent), row.ok) << row.percent << "% of " << b[0];
    EXPECT_EQ((std::vector<int32_t>{d.m_tileWidth, d.m_tileHeight, d.m_left, d.m_top, d.m_right, d.m_bottom}),
              row.after)
        << row.percent << "% of " << b[0];
  }
  CSingleAttrib tiny(3, 64, 1);
  EXPECT_EQ(tiny.Scale(30), 0);
  EXPECT_EQ(tiny.m_tileWidth, 3);
  CDoubleAttrib negative = MakeDouble(-4, 8, 1, 2, 3, 4);
  ASSERT_EQ(negative.ResizeTo(16, 16), 1);
  EXPECT_EQ((std::vector<int32_t>{negative.m_left, negative.m_right, negative.m_top, negative.m_bottom}),
            (std::vector<int32_t>{1, 3, 4, 9}))
      << "only a positive old size rescales";
}

TEST(TileAttribTest, MaskResampleKeepsTheRuleOrRefuses) {
  // 2 x 2 checker → 4 x 4 (nearest neighbour doubles each pixel).
  CMaskAttrib m;
  ASSERT_EQ(m.SetSize(2, 2), 1);
  m.SetPixel(0, 0, 1);
  m.SetPixel(1, 1, 4);
  ASSERT_EQ(m.ResizeTo(4, 4), 1);
  const std::vector<uint8_t> expected = {1, 1, 0, 0, 1, 1, 0, 0, 0, 0, 4, 4, 0, 0, 4, 4};
  EXPECT_EQ(m.Pixels(), expected);
  EXPECT_EQ(m.ByteCount(), 16);
  EXPECT_EQ(m.Shift(), 2);

  // Down by half picks every other pixel.
  ASSERT_EQ(m.Scale(50), 1);
  EXPECT_EQ(m.Pixels(), (std::vector<uint8_t>{1, 0, 0, 4}));

  // Sizes that break width = 2^floor(log2 height) are refused and change nothing.
  for (auto [w, h] : {std::pair{4, 2}, {2, 4}, {3, 3}, {0, 0}, {-2, 2}}) {
    EXPECT_EQ(m.ResizeTo(w, h), 0);
  }
  CMaskAttrib big;
  ASSERT_EQ(big.SetSize(32, 32), 1);
  EXPECT_EQ(big.Scale(75), 0);  // 24 x 24
  EXPECT_EQ(big.m_tileWidth, 32);
  EXPECT_EQ(big.ByteCount(), 1024);
  ASSERT_EQ(big.ResizeTo(32, 48), 1);  // 2^floor(log2 48) = 32
  EXPECT_EQ(big.Pixels().size(), size_t(32 * 48));

  // A freed mask keeps its stored length.
  big.FreeData();
  ByteWriter out;
  big.Store(out);
  EXPECT_EQ(out.Bytes().size(), size_t(big.StoredSize()));
  EXPECT_EQ(big.AttributeAt(0, 0), 0);
}

}  // namespace
}  // namespace vyr
