// Tests of CPlane: grid operations, block copy, image-set table, validation and the object list.
#include "world/plane.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>

#include "resources/image_set.h"
#include "world/known_name_lists.h"

namespace vyr {
namespace {

const CRect kScreen{0, 0, 639, 479};

std::unique_ptr<CPlane> MakePlane(int32_t w, int32_t h, int32_t tw = 16, int32_t th = 16) {
  auto plane = std::make_unique<CPlane>();
  EXPECT_EQ(plane->Create(w, h, tw, th, kScreen), 1);
  return plane;
}

void FillSequential(CPlane& plane) {
  auto tiles = plane.LoadingTiles();
  for (size_t i = 0; i < tiles.size(); ++i) tiles[i] = int32_t(i);
}

// A table of sets: "A" holds images 0..4, "B" images 1 and 3 (a gap at 2).
struct Sets {
  CImageSetTable table;
  Sets() {
    for (int i = 0; i < 5; ++i) table.FindOrCreate("A")->PutImage(i, std::make_unique<CImage>());
    table.FindOrCreate("B")->PutImage(1, std::make_unique<CImage>());
    table.FindOrCreate("B")->PutImage(3, std::make_unique<CImage>());
  }
};

TEST(PlaneCreate, MakesEmptyGridOfTheGivenSize) {
  auto plane = MakePlane(3, 2, 64, 32);
  ASSERT_EQ(plane->Tiles().size(), 6u);
  for (int32_t v : plane->Tiles()) EXPECT_EQ(v, kEmptyTile);
  ASSERT_EQ(plane->SetTile(2, 1, 77), 1);
  EXPECT_EQ(plane->Tiles()[5], 77);
  EXPECT_EQ(plane->RowStart(1), 3);
  EXPECT_EQ(plane->PixelWidth(), 192);
  EXPECT_EQ(plane->PixelHeight(), 64);
  EXPECT_EQ(plane->WholeTileRect(), (CRect{0, 0, 64, 32}));
  EXPECT_EQ(plane->ViewWidth(), 640);
  EXPECT_EQ(plane->ViewHeight(), 480);
  EXPECT_EQ(plane->VisibleRect(), (CRect{0, 0, 639, 479}));
  EXPECT_EQ(plane->SetTile(3, 0, 1), 0);
  EXPECT_EQ(plane->GetTile(-1, 0), kEmptyTile);
}

TEST(PlaneCreate, RefusesSizesThatCannotMakeAGrid) {
  struct Row {
    int32_t w, h, tw, th;
  } rows[] = {{0, 5, 16, 16},     {5, 0, 16, 16},         {-1, 5, 16, 16},      {5, 5, 0, 16},
              {5, 5, 16, -4},     {1 << 20, 1 << 20, 1, 1}, {1 << 27, 1, 32, 32}, {1, 1 << 27, 32, 32},
              {INT32_MAX, 1, 1, 1}};
  for (const Row& r : rows) {
    CPlane plane;
    EXPECT_EQ(plane.Create(r.w, r.h, r.tw, r.th, kScreen), 0) << r.w << "x" << r.h << " tiles " << r.tw << "x" << r.th;
    EXPECT_EQ(plane.IsValid(), 0);
    EXPECT_TRUE(plane.Tiles().empty());
  }
}

TEST(PlaneCreate, ShiftsAreFloorLog2OfTheTileSize) {
  struct Row {
    int32_t tw, th, columnShift, rowShift;
  } rows[] = {{64, 32, 6, 5}, {48, 48, 5, 5}, {1, 1, 0, 0}, {2, 3, 1, 1}, {128, 127, 7, 6}};
  for (const Row& r : rows) {
    auto plane = MakePlane(2, 2, r.tw, r.th);
    EXPECT_EQ(plane->ColumnShift(), r.columnShift) << r.tw;
    EXPECT_EQ(plane->RowShift(), r.rowShift) << r.th;
  }
}

TEST(PlaneResize, KeepsTopLeftContentAndEmptiesTheRest) {
  struct Row {
    int32_t oldW, oldH, newW, newH;
  } rows[] = {{4, 4, 2, 6}, {10, 10, 12, 8}, {3, 3, 3, 3}, {5, 2, 1, 1}};
  for (const Row& r : rows) {
    auto plane = MakePlane(r.oldW, r.oldH, 32, 16);
    FillSequential(*plane);
    ASSERT_EQ(plane->Resize(r.newW, r.newH), 1);
    EXPECT_EQ(plane->Width(), r.newW);
    EXPECT_EQ(plane->Height(), r.newH);
    EXPECT_EQ(plane->PixelWidth(), r.newW * 32);
    EXPECT_EQ(plane->PixelHeight(), r.newH * 16);
    ASSERT_EQ(plane->Tiles().size(), size_t(r.newW * r.newH));
    for (int32_t row = 0; row < r.newH; ++row)
      for (int32_t c = 0; c < r.newW; ++c) {
        const int32_t expected = (c < r.oldW && row < r.oldH) ? row * r.oldW + c : kEmptyTile;
        EXPECT_EQ(plane->GetTile(c, row), expected) << c << "," << row;
      }
  }
}

TEST(PlaneResize, BadSizesChangeNothing) {
  for (auto [w, h] : {std::pair{0, 4}, {4, 0}, {-3, 4}, {4, -1}, {1 << 16, 1 << 16}}) {
    auto plane = MakePlane(4, 4);
    FillSequential(*plane);
    EXPECT_EQ(plane->Resize(w, h), 0);
    EXPECT_EQ(plane->Width(), 4);
    EXPECT_EQ(plane->Height(), 4);
    EXPECT_EQ(plane->Tiles()[15], 15);
  }
  CPlane uncreated;
  EXPECT_EQ(uncreated.Resize(2, 2), 0);
}

TEST(PlaneChangeTileSize, UpdatesDerivedValuesOrRefuses) {
  auto plane = MakePlane(4, 3, 16, 16);
  FillSequential(*plane);
  for (auto [tw, th] : {std::pair{0, 16}, {16, 0}, {-1, 8}}) {
    EXPECT_EQ(plane->ChangeTileSize(tw, th), 0);
    EXPECT_EQ(plane->TileWidth(), 16);
    EXPECT_EQ(plane->PixelWidth(), 64);
  }
  ASSERT_EQ(plane->ChangeTileSize(48, 8), 1);
  EXPECT_EQ(plane->PixelWidth(), 192);
  EXPECT_EQ(plane->PixelHeight(), 24);
  EXPECT_EQ(plane->ColumnShift(), 5);
  EXPECT_EQ(plane->RowShift(), 3);
  EXPECT_EQ(plane->WholeTileRect(), (CRect{0, 0, 48, 8}));
  EXPECT_EQ(plane->Tiles()[11], 11);

  // A freed plane keeps its cell counts, so the pixel sizes must still fit int32.
  auto wide = MakePlane(65536, 2, 1, 1);
  wide->Free();
  EXPECT_EQ(wide->ChangeTileSize(65536, 1), 0);
  EXPECT_EQ(wide->TileWidth(), 1);
  EXPECT_EQ(wide->ChangeTileSize(4, 1), 1);
  EXPECT_EQ(wide->PixelWidth(), 262144);
}

TEST(PlaneView, VisibleRectangleFollowsOriginAndScreen) {
  auto plane = MakePlane(4, 4);
  plane->SetViewRect(CRect{10, 20, 109, 69});
  EXPECT_EQ(plane->ViewWidth(), 100);
  EXPECT_EQ(plane->ViewHeight(), 50);
  plane->m_viewOriginX = -30;
  plane->m_viewOriginY = 40;
  plane->UpdateVisible();
  EXPECT_EQ(plane->VisibleRect(), (CRect{0, 40, 99, 89}));
  // Origins read from a file may be anything; the arithmetic wraps instead of overflowing.
  plane->m_viewOriginX = INT32_MAX;
  plane->UpdateVisible();
  EXPECT_EQ(plane->VisibleRect().left, INT32_MAX);
  EXPECT_EQ(plane->VisibleRect().right, INT32_MIN + 98);
}

// The block copy written out literally, cell by cell, as the reference.
void ReferenceBlockCopy(std::vector<int32_t>& g, int64_t W, int64_t sc, int64_t sr, int64_t dc, int64_t dr,
                        int64_t bw, int64_t bh) {
  if (bw <= 0 || bh <= 0) return;
  const int64_t n = int64_t(g.size());
  int64_t d = dr * W + dc;
  for (int64_t r = sr; r < sr + bh; ++r) {
    for (int64_t s = r * W + sc; s < r * W + sc + bw; ++s) {
      if (s >= 0 && s < n && d >= 0 && d < n) {
        g[size_t(d)] = g[size_t(s)];
        ++d;
      }
    }
    d += W - bw;
  }
}

TEST(PlaneBlockCopy, HandCheckedCases) {
  struct Row {
    const char* what;
    int32_t sc, sr, dc, dr, w, h;
    std::vector<int32_t> expected;  // 4 × 3 grid holding 0 … 11 before the copy
  } rows[] = {
      {"plain copy", 0, 0, 2, 1, 2, 2, {0, 1, 2, 3, 4, 5, 0, 1, 8, 9, 4, 5}},
      {"overlap to the right rereads copied cells", 0, 0, 1, 0, 3, 1, {0, 0, 0, 0, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"overlap to the left", 1, 0, 0, 0, 3, 1, {1, 2, 3, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"run past the right edge continues on the next row", 2, 0, 0, 2, 4, 1, {0, 1, 2, 3, 4, 5, 6, 7, 2, 3, 4, 5}},
      {"a source row above the grid still advances d by width - columns", 0, -1, 0, 1, 2, 2,
       {0, 1, 2, 3, 4, 5, 0, 1, 8, 9, 10, 11}},
      {"source cells before the grid are skipped without moving d", -2, 0, 1, 1, 4, 1,
       {0, 1, 2, 3, 4, 0, 1, 7, 8, 9, 10, 11}},
      {"destination past the end is dropped", 0, 0, 2, 2, 4, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1}},
      {"empty block does nothing", 0, 0, 1, 1, 0, 3, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
  };
  for (const Row& r : rows) {
    auto plane = MakePlane(4, 3);
    FillSequential(*plane);
    plane->BlockCopy(r.sc, r.sr, r.dc, r.dr, r.w, r.h);
    EXPECT_EQ(std::vector<int32_t>(plane->Tiles().begin(), plane->Tiles().end()), r.expected) << r.what;
  }
}

TEST(PlaneBlockCopy, MatchesTheLiteralDefinitionOnRandomBlocks) {
  std::mt19937 rng(12345);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int trial = 0; trial < 4000; ++trial) {
    const int32_t W = pick(1, 7), H = pick(1, 6);
    auto plane = MakePlane(W, H);
    FillSequential(*plane);
    std::vector<int32_t> expected(plane->Tiles().begin(), plane->Tiles().end());
    const int32_t sc = pick(-9, 9), sr = pick(-7, 7), dc = pick(-9, 9), dr = pick(-7, 7);
    const int32_t bw = pick(-1, 16), bh = pick(-1, 10);
    ReferenceBlockCopy(expected, W, sc, sr, dc, dr, bw, bh);
    plane->BlockCopy(sc, sr, dc, dr, bw, bh);
    ASSERT_EQ(std::vector<int32_t>(plane->Tiles().begin(), plane->Tiles().end()), expected)
        << W << "x" << H << " from " << sc << "," << sr << " to " << dc << "," << dr << " size " << bw << "x" << bh;
  }
}

TEST(PlaneBlockCopy, HugeTypedSizesFinishQuickly) {
  auto plane = MakePlane(50, 40);
  FillSequential(*plane);
  const auto start = std::chrono::steady_clock::now();
  plane->BlockCopy(0, 0, 1, 0, INT32_MAX, INT32_MAX);
  plane->BlockCopy(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX);
  plane->BlockCopy(3, -INT32_MAX, 0, 0, 20, INT32_MAX);
  plane->BlockCopy(0, 0, 0, -1000000, 60, INT32_MAX);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  // A small case of each shape still agrees with the literal definition.
  std::vector<int32_t> expected(plane->Tiles().begin(), plane->Tiles().end());
  ReferenceBlockCopy(expected, 50, 3, -30, 0, 0, 20, 60);
  plane->BlockCopy(3, -30, 0, 0, 20, 60);
  EXPECT_EQ(std::vector<int32_t>(plane->Tiles().begin(), plane->Tiles().end()), expected);
}

TEST(PlaneImageSets, NamesStayInTheirSlotsWhetherLoadedOrNot) {
  Sets sets;
  auto plane = MakePlane(2, 2);
  EXPECT_EQ(plane->AddImageSet(&sets.table, 2, "B"), sets.table.Find("B"));
  EXPECT_EQ(plane->AddImageSet(&sets.table, 0, "MISSING"), nullptr);
  EXPECT_EQ(plane->ImageSetCount(), 3);
  EXPECT_EQ(plane->ImageSetName(0), "MISSING");
  EXPECT_EQ(plane->ImageSetName(1), "");
  EXPECT_EQ(plane->ImageSetName(2), "B");
  EXPECT_EQ(plane->ImageSetName(99), "");
  // Empty names and slots beyond what a tile value can address change nothing.
  EXPECT_EQ(plane->AddImageSet(&sets.table, 1, ""), nullptr);
  EXPECT_EQ(plane->AddImageSet(&sets.table, -1, "A"), nullptr);
  EXPECT_EQ(plane->AddImageSet(&sets.table, kMaxImageSetSlots, "A"), nullptr);
  EXPECT_EQ(plane->ImageSetCount(), 3);
  // Without loaded sets the name is still recorded.
  EXPECT_EQ(plane->AddImageSet(nullptr, 1, "A"), nullptr);
  EXPECT_EQ(plane->ImageSetName(1), "A");
  EXPECT_EQ(plane->ImageSetAt(1), nullptr);
  // Reloaded sets are picked up by name.
  sets.table.FindOrCreate("MISSING");
  plane->ResolveImageSets(&sets.table);
  EXPECT_EQ(plane->ImageSetAt(0), sets.table.Find("MISSING"));
  EXPECT_EQ(plane->ImageSetAt(1), sets.table.Find("A"));
  plane->ResolveImageSets(nullptr);
  EXPECT_EQ(plane->ImageSetAt(2), nullptr);
  EXPECT_EQ(plane->ImageSetName(2), "B");

  EXPECT_EQ(plane->SetImageSetCount(5), 1);
  EXPECT_EQ(plane->ImageSetCount(), 5);
  EXPECT_EQ(plane->SetImageSetCount(kMaxImageSetSlots + 1), 0);
  EXPECT_EQ(plane->SetImageSetCount(-1), 0);
  EXPECT_EQ(plane->ImageSetCount(), 5);
}

TEST(PlaneImageSets, TileLookupFollowsTheEncoding) {
  Sets sets;
  auto plane = MakePlane(2, 2);
  plane->AddImageSet(&sets.table, 0, "A");
  plane->AddImageSet(&sets.table, 2, "B");
  plane->AddImageSet(&sets.table, 3, "UNLOADED");
  struct Row {
    int32_t value;
    TileCheck check;
  } rows[] = {
      {kEmptyTile, TileCheck::kEmpty},          {kColourTile, TileCheck::kColour},
      {MakeTile(0, 4), TileCheck::kImage},      {MakeTile(0, 5), TileCheck::kBadImage},
      {MakeTile(1, 0), TileCheck::kBadSet},     {MakeTile(2, 3), TileCheck::kImage},
      {MakeTile(2, 2), TileCheck::kBadImage},   {MakeTile(3, 0), TileCheck::kBadSet},
      {MakeTile(4, 0), TileCheck::kBadSet},     {int32_t(0xEEEE0001u), TileCheck::kBadSet},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(plane->CheckTile(r.value), r.check) << std::hex << r.value;
    EXPECT_EQ(plane->LookupTileImage(r.value) != nullptr, r.check == TileCheck::kImage) << std::hex << r.value;
  }
  EXPECT_EQ(plane->LookupTileImage(MakeTile(2, 3)), sets.table.Find("B")->GetImage(3));
  EXPECT_EQ(TileSetNumber(MakeTile(2, 5)), 2u);
  EXPECT_EQ(TileImageNumber(MakeTile(2, 5)), 5u);
}

TEST(PlaneValidateTiles, ReportsEveryBadCellInRowOrder) {
  Sets sets;
  auto plane = MakePlane(3, 2);
  plane->SetName("Action");
  plane->AddImageSet(&sets.table, 0, "A");
  plane->AddImageSet(&sets.table, 2, "B");
  auto tiles = plane->LoadingTiles();
  tiles[0] = MakeTile(1, 0);
  tiles[1] = kColourTile;
  tiles[2] = MakeTile(0, 9);
  tiles[3] = MakeTile(2, 1);
  tiles[4] = MakeTile(1, 7);
  tiles[5] = kEmptyTile;
  std::string report = "kept ";
  EXPECT_EQ(plane->ValidateTiles(&report), 0);
  EXPECT_EQ(report,
            "kept Plane Action: Bad map image set value (1) at 0,0\n"
            "Plane Action: Bad map tile value (9) at 2,0\n"
            "Plane Action: Bad map image set value (1) at 1,1\n");
  EXPECT_EQ(plane->ValidateTiles(nullptr), 0);
  tiles[0] = tiles[2] = tiles[4] = MakeTile(0, 0);
  report.clear();
  EXPECT_EQ(plane->ValidateTiles(&report), 1);
  EXPECT_EQ(report, "");
  CPlane uncreated;
  EXPECT_EQ(uncreated.ValidateTiles(&report), 0);
  EXPECT_EQ(report, "");
}

std::vector<int32_t> ZOrder(const CPlane& plane) {
  std::vector<int32_t> z;
  for (const auto& o : plane.Objects()) z.push_back(o->m_z);
  return z;
}

// Checks that every object's stored list position is the node that holds it.
void ExpectLinksConsistent(CPlane& plane) {
  CGameObject* previous = nullptr;
  for (const auto& o : plane.Objects()) {
    EXPECT_EQ(o->m_listPosition.Plane(), &plane);
    EXPECT_EQ(plane.PrevObject(o.get(), false), previous);
    if (previous) {
      EXPECT_EQ(plane.NextObject(previous, false), o.get());
    }
    previous = o.get();
  }
}

TEST(PlaneObjects, NewObjectGoesBeforeTheFirstGreaterZ) {
  auto plane = MakePlane(1, 1);
  CGameObject* only = plane->NewObject(0);
  ASSERT_NE(only, nullptr);
  EXPECT_EQ(plane->FirstObject(), only);
  EXPECT_EQ(only->m_imageIndex, -1);
  plane->RemoveAllObjects();

  for (int32_t z : {-2, 0, 4, 9}) plane->NewObject(0)->SetZ(z);
  EXPECT_EQ(ZOrder(*plane), (std::vector<int32_t>{-2, 0, 9, 4}));  // 9 went in at z 0, before 4
  plane->SortObjects();
  EXPECT_EQ(ZOrder(*plane), (std::vector<int32_t>{-2, 0, 4, 9}));
  CGameObject* fresh = plane->NewObject(0);
  EXPECT_EQ(ZOrder(*plane), (std::vector<int32_t>{-2, 0, 0, 4, 9}));
  EXPECT_EQ(plane->NextObject(fresh, false)->m_z, 4);
  fresh->SetZ(20);
  plane->NewObject(1)->SetZ(0);
  EXPECT_EQ(ZOrder(*plane), (std::vector<int32_t>{-2, 0, 0, 4, 9, 20}));
  ExpectLinksConsistent(*plane);
}

// The re-sort carried out literally on a vector, as the reference.
std::vector<CGameObject*> ReferenceExchangeSort(std::vector<CGameObject*> v) {
  for (size_t i = 0; i < v.size(); ++i)
    for (size_t j = i + 1; j < v.size(); ++j)
      if (v[j]->m_z < v[i]->m_z) std::swap(v[i], v[j]);
  return v;
}

TEST(PlaneObjects, SortObjectsGivesTheExchangeOrder) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 300; ++trial) {
    auto plane = MakePlane(1, 1);
    const int n = std::uniform_int_distribution<int>(0, 40)(rng);
    const int spread = std::uniform_int_distribution<int>(1, 60)(rng);  // small spreads give many ties
    std::vector<CGameObject*> before;
    for (int i = 0; i < n; ++i) {
      CGameObject* o = plane->NewObject(0);
      o->SetZ(std::uniform_int_distribution<int>(-spread, spread)(rng));
    }
    for (const auto& o : plane->Objects()) before.push_back(o.get());
    const auto expected = ReferenceExchangeSort(before);
    plane->SortObjects();
    std::vector<CGameObject*> after;
    for (const auto& o : plane->Objects()) after.push_back(o.get());
    ASSERT_EQ(after, expected) << "trial " << trial;
    ExpectLinksConsistent(*plane);
  }
}

// The exchange re-sort's order computed without exchanging, against the exchanges themselves.
TEST(PlaneObjects, ExchangeSortOrderOfLongListsWithTies) {
  std::mt19937 rng(3);
  for (int trial = 0; trial < 40; ++trial) {
    std::vector<int32_t> z(size_t(std::uniform_int_distribution<int>(0, 400)(rng)));
    const int spread = std::uniform_int_distribution<int>(0, 12)(rng);
    for (int32_t& v : z) v = std::uniform_int_distribution<int>(-spread, spread)(rng);
    std::vector<uint32_t> expected(z.size());
    std::iota(expected.begin(), expected.end(), 0u);
    for (size_t i = 0; i < z.size(); ++i)
      for (size_t j = i + 1; j < z.size(); ++j)
        if (z[expected[j]] < z[expected[i]]) std::swap(expected[i], expected[j]);
    ASSERT_EQ(ExchangeSortOrder(z), expected) << "trial " << trial;
  }
}

// Random edits on a plane and on a plain vector that follows the list rules literally. Most
// insertions land in the same place, which wears out the order labels there.
TEST(PlaneObjects, OrderFollowsTheListRulesUnderRandomEdits) {
  std::mt19937 rng(11);
  const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  const auto firstAbove = [](const std::vector<CGameObject*>& v, int32_t z) {
    return std::find_if(v.begin(), v.end(), [z](const CGameObject* o) { return o->m_z > z; });
  };
  auto plane = MakePlane(1, 1);
  std::vector<CGameObject*> ref;
  for (int step = 0; step < 2500; ++step) {
    const int n = int(ref.size());
    switch (n == 0 ? 0 : pick(8)) {
      case 0:
      case 1: {
        const bool resort = pick(4) == 0;
        CGameObject* o = plane->NewObject(resort);
        ref.insert(firstAbove(ref, 0), o);
        if (resort) ref = ReferenceExchangeSort(ref);
        break;
      }
      case 2:
        ref[size_t(pick(n))]->SetZ(pick(9) - 4);  // leaves the list out of order
        break;
      case 3: {
        CGameObject* o = ref[size_t(pick(n))];
        ref.erase(std::find(ref.begin(), ref.end(), o));
        ref.insert(firstAbove(ref, o->m_z), o);
        plane->PlaceByZ(o);
        break;
      }
      case 4: {
        CGameObject* o = ref[size_t(pick(n))];
        ref.erase(std::find(ref.begin(), ref.end(), o));
        ASSERT_EQ(plane->RemoveObject(o), 1);
        break;
      }
      case 5:
        plane->SortObjects();
        ref = ReferenceExchangeSort(ref);
        break;
      case 6: {
        const size_t first = size_t(pick(n + 1)), count = size_t(pick(4));
        std::vector<std::unique_ptr<CGameObject>> fresh(size_t(pick(4)));
        std::vector<CGameObject*> added;
        for (auto& o : fresh) {
          o = std::make_unique<CGameObject>();
          o->SetZ(pick(9) - 4);
          added.push_back(o.get());
        }
        const CGameObject* watched = ref[size_t(pick(n))];
        const auto from = ref.begin() + std::ptrdiff_t(first);
        const auto to = from + std::min<std::ptrdiff_t>(std::ptrdiff_t(count), ref.end() - from);
        const bool hit = std::find(from, to, watched) != to;
        ref.insert(ref.erase(from, to), added.begin(), added.end());
        EXPECT_EQ(plane->ReplaceObjects(first, count, std::move(fresh), watched), hit);
        break;
      }
      default:
        if (pick(20) == 0) {
          for (CGameObject* o : ref) o->m_logic = pick(3) ? "L" : "";
          std::erase_if(ref, [](const CGameObject* o) { return o->m_logic.empty(); });
          plane->RemoveInvalidObjects();
        }
    }
    std::vector<CGameObject*> order;
    for (const auto& o : plane->Objects()) order.push_back(o.get());
    ASSERT_EQ(order, ref) << "step " << step;
    ASSERT_EQ(plane->ObjectsAt(0, 0, 0, 0), ref) << "step " << step;  // all lie at (0, 0)
    if (!ref.empty()) {
      const size_t k = size_t(pick(int(ref.size())));
      ASSERT_EQ(std::next(plane->Objects().begin(), std::ptrdiff_t(k))->get(), ref[k]);
    }
  }
  ExpectLinksConsistent(*plane);
}

TEST(PlaneObjects, SortObjectsSwapsEqualZAsTheExchangeDoes) {
  auto plane = MakePlane(1, 1);
  CGameObject* a = plane->NewObject(0);
  CGameObject* b = plane->NewObject(0);
  CGameObject* c = plane->NewObject(0);
  a->SetZ(5);
  b->SetZ(5);
  c->SetZ(3);
  plane->SortObjects();  // [5a, 5b, 3c] → c exchanges with a → [3c, 5b, 5a]
  EXPECT_EQ(plane->FirstObject(), c);
  EXPECT_EQ(plane->NextObject(c, false), b);
  EXPECT_EQ(plane->LastObject(), a);
}

TEST(PlaneObjects, NavigationWithAndWithoutWrap) {
  auto plane = MakePlane(1, 1);
  CGameObject* a = plane->NewObject(0);
  CGameObject* b = plane->NewObject(0);
  CGameObject* c = plane->NewObject(0);
  EXPECT_EQ(plane->FirstObject(), a);
  EXPECT_EQ(plane->LastObject(), c);
  EXPECT_EQ(plane->NextObject(a, false), b);
  EXPECT_EQ(plane->NextObject(c, false), nullptr);
  EXPECT_EQ(plane->NextObject(c, true), a);
  EXPECT_EQ(plane->PrevObject(a, false), nullptr);
  EXPECT_EQ(plane->PrevObject(a, true), c);
  EXPECT_EQ(plane->PrevObject(c, false), b);

  CGameObject loose;
  auto other = MakePlane(1, 1);
  CGameObject* foreign = other->NewObject(0);
  EXPECT_EQ(plane->NextObject(&loose, true), nullptr);
  EXPECT_EQ(plane->PrevObject(foreign, true), nullptr);
  EXPECT_EQ(plane->NextObject(nullptr, true), nullptr);
  EXPECT_EQ(plane->RemoveObject(foreign), 0);
  EXPECT_EQ(plane->RemoveObject(&loose), 0);
  EXPECT_EQ(plane->RemoveObject(nullptr), 0);
  EXPECT_EQ(other->ObjectCount(), 1u);

  EXPECT_EQ(plane->RemoveObject(b), 1);
  EXPECT_EQ(plane->NextObject(a, false), c);
  EXPECT_EQ(plane->RemoveObject(a), 1);
  EXPECT_EQ(plane->NextObject(c, true), c);
  EXPECT_EQ(plane->PrevObject(c, true), c);
  plane->RemoveAllObjects();
  EXPECT_EQ(plane->FirstObject(), nullptr);
  EXPECT_EQ(plane->LastObject(), nullptr);
}

TEST(PlaneObjects, RemoveInvalidObjectsKeepsTheOrderOfTheRest) {
  struct Row {
    std::vector<std::string> logic;
    std::vector<std::string> kept;
  } rows[] = {
      {{"", "", ""}, {}},
      {{"a", "b", "c"}, {"a", "b", "c"}},
      {{"", "a", "", "b", "c", ""}, {"a", "b", "c"}},
      {{}, {}},
  };
  for (const Row& r : rows) {
    auto plane = MakePlane(1, 1);
    for (const auto& l : r.logic) {
      CGameObject* o = plane->NewObject(0);
      o->m_logic = l;
    }
    plane->RemoveInvalidObjects();
    std::vector<std::string> kept;
    for (const auto& o : plane->Objects()) kept.push_back(o->m_logic);
    EXPECT_EQ(kept, r.kept);
    ExpectLinksConsistent(*plane);
  }
}

TEST(PlaneObjects, HitTestTakesTheNearestCentreEarliestOnTies) {
  auto plane = MakePlane(1, 1);
  auto place = [&](int32_t x, int32_t y) {
    CGameObject* o = plane->NewObject(0);
    o->MoveTo(x, y);
    o->UpdateBounds(nullptr);  // 32 × 32 around the position
    return o;
  };
  CGameObject* a = place(100, 100);
  CGameObject* b = place(110, 100);
  CGameObject* c = place(90, 100);
  EXPECT_EQ(plane->HitTest(108, 100), b);
  EXPECT_EQ(plane->HitTest(100, 100), a);
  EXPECT_EQ(plane->HitTest(95, 100), a);  // a and c are equally near; a is earlier
  EXPECT_EQ(plane->HitTest(80, 100), c);
  EXPECT_EQ(plane->HitTest(125, 115), b);   // right and bottom edges are outside
  EXPECT_EQ(plane->HitTest(126, 100), nullptr);
  EXPECT_EQ(plane->HitTest(110, 116), nullptr);
  EXPECT_EQ(plane->HitTest(500, 500), nullptr);

  // A huge object far from its centre lies beyond the starting best distance.
  CGameObject* huge = place(-100000, 0);
  huge->SetBounds(CRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_EQ(plane->HitTest(100, 100), a);
  EXPECT_EQ(plane->HitTest(INT32_MAX - 1, INT32_MIN), nullptr);
  EXPECT_EQ(plane->HitTest(-99000, 0), huge);
  // Centre and point at opposite ends of the int32 range: the square of a distance near
  // 2^32 does not fit a signed 64-bit number.
  CGameObject* far = place(INT32_MIN, INT32_MIN);
  far->SetBounds(CRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  EXPECT_EQ(plane->HitTest(INT32_MAX - 1, INT32_MAX - 1), nullptr);
  EXPECT_EQ(plane->HitTest(INT32_MIN + 3, INT32_MIN), far);
}

// The spatial index against a walk of the whole list, while objects move, grow, are
// overwritten, read back and go.
TEST(PlaneObjects, SpatialQueriesMatchAFullScan) {
  std::mt19937 rng(5);
  const auto coordinate = [&rng] {
    const int32_t edges[] = {INT32_MIN, INT32_MIN + 100, -1, 0, 255, 256, INT32_MAX - 100, INT32_MAX};
    return std::uniform_int_distribution<int>(0, 9)(rng) == 0 ? edges[rng() % 8]
                                                              : std::uniform_int_distribution<int32_t>(-3000, 3000)(rng);
  };
  auto plane = MakePlane(1, 1);
  for (int step = 0; step < 1500; ++step) {
    const std::vector<CGameObject*> all = [&] {
      std::vector<CGameObject*> v;
      for (const auto& o : plane->Objects()) v.push_back(o.get());
      return v;
    }();
    CGameObject* some = all.empty() ? nullptr : all[rng() % all.size()];
    switch (rng() % 60 == 0 ? 6 : rng() % 6) {
      case 0:
        plane->NewObject(0)->MoveTo(coordinate(), coordinate());
        break;
      case 1:
        if (some) some->MoveTo(coordinate(), coordinate());
        break;
      case 2:
        if (some) some->UpdateBounds(nullptr);
        break;
      case 3:
        if (some) {  // bounds reaching far from the position, or left behind by a move
          const int32_t a = coordinate(), b = coordinate(), c = coordinate(), d = coordinate();
          some->SetBounds(CRect{std::min(a, b), std::min(c, d), std::max(a, b), std::max(c, d)});
        }
        break;
      case 4:
        if (some && rng() % 3 == 0) plane->RemoveObject(some);
        break;
      case 5:
        if (some && rng() % 2) {
          CGameObject model;
          model.MoveTo(coordinate(), coordinate());
          model.UpdateBounds(nullptr);
          some->CopyFrom(model);
        } else if (some) {
          some->Init();
        }
        break;
      default: {
        ByteWriter out;
        ASSERT_EQ(plane->WriteObjects(out), 1);
        ASSERT_EQ(plane->ReadObjects(uint32_t(all.size()), out.Bytes(), nullptr), 1);
      }
    }
    const int32_t x = coordinate(), y = coordinate();
    const int64_t w = std::uniform_int_distribution<int64_t>(0, rng() % 4 ? 2000 : int64_t(1) << 33)(rng);
    const int64_t h = std::uniform_int_distribution<int64_t>(0, 2000)(rng);
    std::vector<CGameObject*> inside;
    for (const auto& o : plane->Objects())
      if (o->m_x >= x && o->m_x <= x + w && o->m_y >= y && o->m_y <= y + h) inside.push_back(o.get());
    ASSERT_EQ(plane->ObjectsAt(x, y, x + w, y + h), inside) << "step " << step;

    CGameObject* nearest = nullptr;
    uint64_t best = 9999999;
    for (const auto& o : plane->Objects()) {
      const uint64_t dx = uint64_t(std::abs(int64_t(x) - o->m_x)), dy = uint64_t(std::abs(int64_t(y) - o->m_y));
      if (!o->m_bounds.Get().Contains(x, y) || dx > 4000 || dy > 4000 || dx * dx + dy * dy >= best) continue;
      best = dx * dx + dy * dy;
      nearest = o.get();
    }
    ASSERT_EQ(plane->HitTest(x, y), nearest) << "step " << step;
  }
}

TEST(PlaneObjects, ReadObjectsKeepsAnAscendingFileInItsOrder) {
  KnownNameLists::ClearAllForTests();
  ObjectIdCounter::ResetForTests();
  auto source = MakePlane(1, 1);
  const int32_t zs[] = {-3, 0, 0, 2, 2, 2, 7, 7};
  for (int i = 0; i < 8; ++i) {
    CGameObject* o = source->NewObject(0);
    o->SetZ(zs[i]);
    o->m_id = 100 + i;
    o->m_logic = "L" + std::to_string(i);
  }
  source->SortObjects();
  ByteWriter out;
  ASSERT_EQ(source->WriteObjects(out), 1);

  auto target = MakePlane(1, 1);
  target->NewObject(0);  // replaced by the read
  uint64_t consumed = 0;
  ASSERT_EQ(target->ReadObjects(8, out.Bytes(), nullptr, nullptr, &consumed), 1);
  EXPECT_EQ(consumed, out.Bytes().size());
  std::vector<int32_t> ids, expectedIds;
  for (const auto& o : source->Objects()) expectedIds.push_back(o->m_id);
  for (const auto& o : target->Objects()) ids.push_back(o->m_id);
  EXPECT_EQ(ids, expectedIds);
  ExpectLinksConsistent(*target);

  ByteWriter again;
  ASSERT_EQ(target->WriteObjects(again), 1);
  EXPECT_EQ(again.Bytes(), out.Bytes());
}

TEST(PlaneObjects, ReadObjectsRefusesACutStream) {
  auto source = MakePlane(1, 1);
  for (int i = 0; i < 3; ++i) source->NewObject(0)->m_logic = "Logic";
  ByteWriter out;
  ASSERT_EQ(source->WriteObjects(out), 1);
  const ByteSpan all(out.Bytes());
  auto target = MakePlane(1, 1);
  std::string reason;
  uint64_t consumed = 0;
  EXPECT_EQ(target->ReadObjects(3, all.first(all.size() - 1), nullptr, &reason, &consumed), 0);
  EXPECT_NE(reason.find("object 2 of 3"), std::string::npos) << reason;
  EXPECT_EQ(target->ObjectCount(), 2u);
  EXPECT_EQ(consumed, 2 * (284 + 5u));
  // A count far beyond the bytes fails at the first missing record, without reserving for it.
  EXPECT_EQ(target->ReadObjects(UINT32_MAX, all, nullptr, &reason), 0);
  EXPECT_EQ(target->ObjectCount(), 3u);
}

}  // namespace
}  // namespace vyr
