// The tile commands and dialogs: writing at the cursor, stepping images, undo's beep, fill,
// block copy, replace, the statistics and their script, the invalid-tile report and repair.
#include <gtest/gtest.h>

#include <numeric>

#include "commands/command_run.h"
#include "commands/document_commands.h"
#include "commands/tiles/block_copy_dialog.h"
#include "commands/tiles/fill_dialog.h"
#include "commands/tiles/replace_dialog.h"
#include "commands/tiles/text_report_dialog.h"
#include "commands/tiles/tile_commands.h"
#include "commands/tiles/tile_stats_dialog.h"
#include "platform/command_ids.h"
#include "world/document_fixture.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/undo_stack.h"

namespace vyr {
namespace {

struct TileCommands : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    // Two 4 x 3 planes of set TILES (images 0..3); cell (c, r) holds image c % 3.
    path = folder / "w.vwd";
    test::WriteWorld(path, test::StandardProperties(folder / "data.rez"), {{"Ground", 1}, {"Sky"}});
    RegisterDocumentCommands(rig.doc);
    RegisterTileViewCommands(viewCommands, rig.doc);
    ASSERT_TRUE(rig.doc.OnOpenDocument(path)) << rig.doc.FailureReason();
    rig.user.ClearLog();
  }
  void Run(CommandId id) { test::RunCommand(rig.doc.Commands(), id); }
  bool Enabled(CommandId id) { return test::UpdateCommand(rig.doc.Commands(), id).enabled; }
  CPlane& Plane() { return *rig.doc.CurrentPlane(); }
  // Cells numbered 0 … 11 row by row.
  void NumberCells() {
    std::span<int32_t> cells = Plane().LoadingTiles();
    std::iota(cells.begin(), cells.end(), 0);
  }
  std::vector<int32_t> Row(int32_t row) {
    std::vector<int32_t> values;
    for (int32_t c = 0; c < 4; ++c) values.push_back(Plane().GetTile(c, row));
    return values;
  }
  size_t Undos() const { return rig.doc.UndoStack()->UndoCount(); }

  test::TempFolder folder;
  std::string path;
  test::DocumentRig rig;
  CommandTable viewCommands;
};

TEST_F(TileCommands, CursorCommandsWriteTheSelectionAndAdvanceAsTheyShould) {
  const int32_t none = 0x7777;  // the cell keeps its value
  struct Case {
    CommandId command;
    int32_t set, image;
    int32_t value;         // at cursor cell (1, 1) afterwards
    bool advances;
    int32_t currentImage;  // afterwards
  } cases[] = {
      {cmd::kTileInsert, 0, 3, MakeTile(0, 3), true, 3},
      {cmd::kTileInsert, 0, 7, none, false, 7},  // no such image: nothing at all
      {cmd::kTileDelete, 0, 0, kEmptyTile, true, 0},
      {cmd::kTileFillColour, 0, 0, kColourTile, true, 0},
      {cmd::kTileNext, 0, 3, MakeTile(0, 0), false, 0},   // wraps to the lowest filled slot
      {cmd::kTilePrevious, 0, 0, MakeTile(0, 3), false, 3},
      {cmd::kTileNext, 0, 99, MakeTile(0, 0), false, 0},  // out of range first comes into range
      {cmd::kTileNext, 5, 1, MakeTile(0, 2), false, 2},   // no set 5: set 0
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(rig.doc.OnOpenDocument(path));
    rig.doc.SelectSet(c.set);
    rig.doc.SelectImage(c.image);
    rig.view.MoveCursorTo(1, 1);
    Run(c.command);
    EXPECT_EQ(rig.doc.GetTile(1, 1), c.value == none ? MakeTile(0, 1) : c.value) << c.command << " " << c.image;
    EXPECT_EQ(rig.view.CursorColumn(), c.advances ? 2 : 1) << c.command << " " << c.image;
    EXPECT_EQ(rig.doc.CurrentImage(), c.currentImage) << c.command << " " << c.image;
    EXPECT_EQ(rig.doc.CurrentSet(), 0);
  }
}

TEST_F(TileCommands, UndoIsEnabledWithEntriesAndBeepsWhenThereAreNone) {
  EXPECT_FALSE(Enabled(cmd::kEditUndo));
  Run(cmd::kEditUndo);
  EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{"beep exclamation"}));
  Run(cmd::kTileDelete);
  EXPECT_TRUE(Enabled(cmd::kEditUndo));
  Run(cmd::kEditUndo);
  EXPECT_EQ(rig.doc.GetTile(0, 0), MakeTile(0, 0));
  EXPECT_FALSE(rig.doc.IsModified());
}

TEST_F(TileCommands, FillShowsTheCurrentTileAndFillsTheWholePlaneInOneUndoStep) {
  struct Case {
    int choice;
    int32_t image;
    int32_t value;  // every cell afterwards; 0: refused
  } cases[] = {
      {ctl::kFillCurrent, 2, MakeTile(0, 2)},
      {ctl::kFillDelete, 2, kEmptyTile},
      {ctl::kFillColour, 2, kColourTile},
      {ctl::kFillCurrent, 9, 0},  // no image 9: "Nie można wypełnić planu.", dialog stays open
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(rig.doc.OnOpenDocument(path));
    rig.doc.SelectImage(c.image);
    rig.view.MoveCursorTo(3, 2);
    Run(cmd::kTileDelete);
    ASSERT_EQ(Undos(), 1u);
    rig.user.ClearLog();
    std::string shown;
    rig.user.QueueDialogOk([&](CDialogModel& model, int) {
      auto& fill = dynamic_cast<CFillDialog&>(model);
      shown = fill.m_currentText + " at " + fill.m_column + "," + fill.m_row;
      fill.m_tile = c.choice;
    });
    Run(cmd::kTileFill);
    EXPECT_EQ(shown, "Current (Set = 0, Image = " + std::to_string(c.image) + ") at 4,2");
    if (c.value == 0) {
      EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{"message: Nie można wypełnić planu.", "dialog 180: cancel"}));
      EXPECT_EQ(Row(0), (std::vector<int32_t>{0, 1, 2, 0}));
      EXPECT_EQ(Undos(), 1u);
      continue;
    }
    for (int32_t r = 0; r < 3; ++r) EXPECT_EQ(Row(r), std::vector<int32_t>(4, c.value)) << c.choice;
    EXPECT_EQ(Undos(), 2u);
    EXPECT_TRUE(rig.doc.IsModified());
    EXPECT_EQ(rig.doc.World()->Plane(1)->GetTile(0, 0), MakeTile(0, 0)) << "the other plane is untouched";
  }
  rig.doc.SelectPlane(nullptr);
  EXPECT_FALSE(Enabled(cmd::kTileFill));
}

TEST_F(TileCommands, BlockCopyReadsItsOwnOutputAndRunsPastTheRightEdge) {
  struct Case {
    const char* fields[6];  // from column, from row, to column, to row, width, height
    std::vector<int32_t> row0, row2;
    size_t undos;  // the entry of the delete, and the copy's step when it changed cells
  } cases[] = {
      {{"0", "0", "1", "0", "2", "1"}, {0, 0, 0, 3}, {8, 9, 10, 11}, 2},  // A B C gives A A A
      {{"3", "0", "0", "2", "2", "1"}, {0, 1, 2, 3}, {3, 4, 10, 11}, 2},  // 3 then the next row's 4
      {{"0", "0", "0", "2", "0", "5"}, {0, 1, 2, 3}, {8, 9, 10, 11}, 1},  // no width: nothing
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(rig.doc.OnOpenDocument(path));
    NumberCells();
    rig.view.MoveCursorTo(0, 0);
    Run(cmd::kTileDelete);  // an undo entry the copy keeps
    Plane().SetTile(0, 0, 0);
    rig.user.QueueDialogOk([&](CDialogModel& model, int) {
      auto& copy = dynamic_cast<CBlockCopyDialog&>(model);
      std::string* fields[] = {&copy.m_fromColumn, &copy.m_fromRow, &copy.m_toColumn,
                               &copy.m_toRow,      &copy.m_width,   &copy.m_height};
      for (int i = 0; i < 6; ++i) *fields[i] = c.fields[i];
    });
    Run(cmd::kBlockCopy);
    EXPECT_EQ(Row(0), c.row0) << c.fields[0] << c.fields[2];
    EXPECT_EQ(Row(2), c.row2) << c.fields[0] << c.fields[2];
    EXPECT_EQ(Undos(), c.undos);
    EXPECT_TRUE(rig.view.Logged("refresh"));
  }
}

TEST_F(TileCommands, ReplaceNeedsBothSidesAndChangesOnlyTheCurrentPlane) {
  struct Case {
    int search;
    const char* searchValue;
    int replace;
    const char* replaceValue;
    std::vector<int32_t> row0;  // empty: the dialog stayed open
  } cases[] = {
      {ctl::kSearchColour, "", ctl::kReplaceDelete, "", {kEmptyTile, 1, kEmptyTile, kEmptyTile}},
      {ctl::kSearchTile, "1", ctl::kReplaceTile, "65539", {kColourTile, MakeTile(1, 3), kColourTile, kColourTile}},
      {ctl::kSearchTile, "1", 0, "", {}},
      {0, "", ctl::kReplaceColour, "", {}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(rig.doc.OnOpenDocument(path));
    for (int32_t column : {0, 2, 3}) Plane().SetTile(column, 0, kColourTile);
    rig.doc.World()->Plane(1)->SetTile(0, 0, kColourTile);
    rig.user.ClearLog();
    bool startedUnchecked = false;
    rig.user.QueueDialogOk([&](CDialogModel& model, int) {
      auto& replace = dynamic_cast<CReplaceDialog&>(model);
      startedUnchecked = replace.m_search == 0 && replace.m_replace == 0;
      replace.m_search = c.search;
      replace.m_searchValue = c.searchValue;
      replace.m_replace = c.replace;
      replace.m_replaceValue = c.replaceValue;
    });
    Run(cmd::kReplaceTiles);
    EXPECT_TRUE(startedUnchecked);
    if (c.row0.empty()) {
      EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{"dialog 182: cancel"})) << "no message";
      EXPECT_EQ(Plane().GetTile(0, 0), kColourTile);
      continue;
    }
    EXPECT_EQ(Row(0), c.row0) << c.searchValue;
    EXPECT_TRUE(rig.doc.IsModified());
    EXPECT_EQ(rig.doc.World()->Plane(1)->GetTile(0, 0), kColourTile) << "the other plane is untouched";
  }
}

TEST_F(TileCommands, StatisticsListUseAndScriptTheUnusedImages) {
  struct Case {
    bool blank;  // only empty and colour cells on both planes
    std::vector<std::string> used, counts, unused;
    std::string script;
  } cases[] = {
      {false, {"0", "1", "2"}, {"6\ttile 0", "3\ttile 1", "3\ttile 2"}, {"3"}, "del 3.PID\r\n"},
      {true, {}, {}, {"0", "1", "2", "3"}, "del 0.PID\r\ndel 1.PID\r\ndel 2.PID\r\ndel 3.PID\r\n"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(rig.doc.OnOpenDocument(path));
    if (c.blank) {
      for (int32_t p = 0; p < 2; ++p) ReplaceTiles(*rig.doc.World()->Plane(p), MakeTile(0, 1), kColourTile);
      for (int32_t p = 0; p < 2; ++p)
        for (int32_t image : {0, 2}) ReplaceTiles(*rig.doc.World()->Plane(p), MakeTile(0, uint32_t(image)), kEmptyTile);
    }
    CTileStatsDialog stats(*rig.doc.World(), Plane(), 0);
    rig.user.QueueDialogOk();
    EXPECT_EQ(rig.user.RunDialog(stats), DialogResult::Ok);
    EXPECT_EQ(stats.m_used, c.used);
    EXPECT_EQ(stats.m_counts, c.counts);
    EXPECT_EQ(stats.m_unused, c.unused);
    EXPECT_EQ(stats.m_unusedTotal, std::to_string(c.unused.size()));
    EXPECT_EQ(stats.m_imagesTotal, "4");
    EXPECT_TRUE(stats.m_available.empty());
    EXPECT_EQ(stats.m_script, c.script);
  }
}

TEST_F(TileCommands, InvalidTileCheckReportsInAScrollableBox) {
  Run(cmd::kInvalidTiles);
  EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{"message: Level contains all valid tiles!"}));

  rig.user.ClearLog();
  Plane().SetTile(1, 2, MakeTile(0, 9));
  std::string report;
  rig.user.QueueDialog([&report](CDialogModel& model) {
    report = dynamic_cast<CTextReportDialog&>(model).m_text;
    return DialogResult::Ok;
  });
  Run(cmd::kInvalidTiles);
  EXPECT_EQ(rig.user.Log(), (std::vector<std::string>{"message: Level contains invalid tiles!", "dialog 184: ok"}));
  EXPECT_EQ(report, "Plane Ground: Bad map tile value (9) at 1,2\n");
}

TEST_F(TileCommands, RepairMarksTheDocumentOnlyWhenACellChanged) {
  const uint64_t before = rig.doc.Changes().Value();
  test::RunCommand(viewCommands, cmd::kRepairTiles);
  // Columns 1 and 2 hold ground images 1 and 2 on every row: a 2 x 3 block.
  EXPECT_EQ(Row(0), (std::vector<int32_t>{0, 35, 38, 0}));
  EXPECT_TRUE(rig.doc.IsModified());
  EXPECT_TRUE(rig.view.Logged("refresh"));

  ASSERT_TRUE(rig.doc.DoSave(folder / "saved.vwd"));
  const uint64_t saved = rig.doc.Changes().Value();
  EXPECT_GT(saved, before);
  EXPECT_EQ(RepairCurrentPlane(rig.doc), 0);
  EXPECT_FALSE(rig.doc.IsModified());
  EXPECT_EQ(rig.doc.Changes().Value(), saved);
}

TEST_F(TileCommands, BulkEditsSayInTheStatusBarHowManyCellsChanged) {
  const auto copy = [](const char* width) {
    return [width](CDialogModel& model) {
      auto& d = dynamic_cast<CBlockCopyDialog&>(model);
      d.m_fromColumn = d.m_fromRow = d.m_toRow = "0";
      d.m_toColumn = "2";
      d.m_width = width;
      d.m_height = "1";
    };
  };
  const struct {
    CommandId command;
    std::function<void(CDialogModel&)> edit;  // none for the view's repair, which asks nothing
    const char* said;
  } rows[] = {
      {cmd::kRepairTiles, nullptr, "Naprawiono 6 klocków"},
      {cmd::kRepairTiles, nullptr, "Żaden klocek nie wymagał naprawy"},
      {cmd::kReplaceTiles,
       [](CDialogModel& model) {
         auto& d = dynamic_cast<CReplaceDialog&>(model);
         d.m_search = ctl::kSearchTile, d.m_searchValue = "0";
         d.m_replace = ctl::kReplaceColour;
       },
       "Zamieniono 6 klocków"},
      {cmd::kBlockCopy, copy("1"), "Skopiowano 1 klocek"},
      {cmd::kBlockCopy, copy("2"), "Skopiowano 2 klocki"},
      {cmd::kBlockCopy, copy("0"), "Nic nie skopiowano: blok leży poza planem"},
  };
  for (const auto& row : rows) {
    rig.user.ClearLog();
    if (row.edit) rig.user.QueueDialogOk([&row](CDialogModel& model, int) { row.edit(model); });
    test::RunCommand(row.edit ? rig.doc.Commands() : viewCommands, row.command);
    EXPECT_TRUE(rig.Logged(std::string("status: ") + row.said)) << row.said;
  }
}

}  // namespace
}  // namespace vyr
