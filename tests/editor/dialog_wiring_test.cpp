// Each control of the real Qt dialogs shows and sets its own member (one table per dialog);
// also the invalid-tile report, the replace dialog's typing, titles shown whole and colour 0.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <array>
#include <functional>
#include <set>

#include "commands/attributes/tile_attrib_dialog.h"
#include "commands/objects/bulk_dialogs.h"
#include "commands/objects/object_edit_dialog.h"
#include "commands/planes/plane_info_dialog.h"
#include "commands/tiles/replace_dialog.h"
#include "commands/tiles/text_report_dialog.h"
#include "commands/tiles/tile_stats_dialog.h"
#include "editor/dialogs/document_dialogs.h"
#include "editor/qt_interaction_port.h"
#include "editor/test_application.h"
#include "resources/palette.h"
#include "world/document_fixture.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/world.h"

namespace vyr {
namespace {

struct Wiring : ::testing::Test {
  void SetUp() override {
    test::EnsureApplication();
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                     {{"Ground", kPlaneFlagObjects, {"TILES"}, 4, 3, 32}, {"Sky", 0, {"BACK"}}});
    ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd")) << rig.doc.FailureReason();
    RegisterDocumentDialogs();
  }
  // Runs `model` in its Qt dialog: `user` works the controls, then OK is pressed.
  void RunOk(CDialogModel& model, const std::function<void(QDialog&)>& user = {}) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (user) user(*dialog);
      dialog->accept();
      if (dialog->isVisible()) dialog->reject();  // a refused OK fails the test, not hangs it
    });
    EXPECT_EQ(port.RunDialog(model), DialogResult::Ok);
  }
  template <typename Widget = QAbstractButton>
  static Widget* Control(QDialog& dialog, int id) {
    return dialog.findChild<Widget*>(QStringLiteral("control%1").arg(id));
  }
  static std::set<int> Checked(QDialog& dialog) {
    std::set<int> ids;
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
      if (button->isChecked() && button->objectName().startsWith(QStringLiteral("control")))
        ids.insert(button->objectName().mid(7).toInt());
    return ids;
  }
  // A click on `control` alone in one dialog, then a second dialog shows `shown` (or `control`) alone checked.
  template <typename Model, typename Arg>
  void ClickAndShow(Arg& arg, int control, std::set<int> shown = {}) {
    Model set(arg);
    RunOk(set, [&](QDialog& d) { Control(d, control)->click(); });
    Model again(arg);
    RunOk(again, [&](QDialog& d) { EXPECT_EQ(Checked(d), shown.empty() ? std::set<int>{control} : shown) << control; });
  }
  CPlane& Plane(int index) { return *rig.doc.World()->Plane(index); }

  test::TempFolder folder;
  test::DocumentRig rig;
  QtInteractionPort port{QStringLiteral("VyrWorld")};
};

// The new plane dialog is the same form and stores through the same code.
TEST_F(Wiring, PlaneFlagBoxes) {
  const std::pair<int, int32_t> rows[] = {{1016, kPlaneFlagObjects},  {1018, kPlaneFlagNoImages},
                                          {1020, kPlaneFlagEndlessX}, {1019, kPlaneFlagEndlessY},
                                          {1021, kPlaneFlagAutoSize}};
  rig.doc.SelectPlane(&Plane(1));
  for (const auto& [control, flag] : rows) {
    Plane(1).m_flags = 0;
    ClickAndShow<CPlaneInfoDialog>(rig.doc, control);
    EXPECT_EQ(Plane(1).m_flags, flag) << control;
  }
}

TEST_F(Wiring, ObjectFlagBoxes) {
  using Word = int32_t CGameObject::*;
  const Word dyn = &CGameObject::m_dynamicFlags, add = &CGameObject::m_addedFlags, draw = &CGameObject::m_drawFlags,
             user = &CGameObject::m_userFlags;
  std::vector<std::tuple<int, Word, int32_t>> rows = {
      {1106, dyn, kDynamicNoHit},      {1129, dyn, kDynamicActive},    {1130, dyn, kDynamicSafe},
      {1131, dyn, kDynamicAutoDamage}, {1107, add, kAddedDifficult},   {1110, add, kAddedDecoration},
      {1109, add, kAddedHighDetail},   {1108, add, kAddedMultiplayer}, {1111, add, kAddedHighMemory},
      {1116, add, kAddedFast},         {1112, draw, kDrawInvisible},   {1114, draw, kDrawMirror},
      {1115, draw, kDrawInvert},       {1113, draw, kDrawFlash},       {1117, user, 1},
      {1120, user, 2},                 {1119, user, 4},                {1118, user, 8}};
  for (int i = 4; i < 12; ++i) rows.push_back({1117 + i, user, int32_t(1) << i});
  for (const auto& [control, word, bit] : rows) {
    CGameObject object;
    ClickAndShow<CObjectFlagsDialog>(object, control);
    for (Word other : {dyn, add, draw, user}) EXPECT_EQ(object.*other, other == word ? bit : 0) << control;
  }
}

TEST_F(Wiring, ObjectHitRadiosAndBoxes) {
  const std::tuple<int, int, int32_t> rows[] = {
      {1123, 1126, kHitGenerator}, {1129, 1139, kHitPlayer},    {1132, 1140, kHitEnemy},
      {1124, 1141, kHitPowerup},   {1130, 1142, kHitShot},      {1133, 1143, kHitPlayerShot},
      {1125, 1144, kHitEnemyShot}, {1131, 1145, kHitSpecial},   {1135, 1146, kHitUser1},
      {1136, 1147, kHitUser2},     {1137, 1148, kHitUser3},     {1138, 1149, kHitUser4}};
  for (const auto& [type, mask, value] : rows) {
    CGameObject object;
    ClickAndShow<CObjectHitsDialog>(object, type);
    EXPECT_EQ(std::pair(object.m_hitType, object.m_hitMask), std::pair(value, 0)) << type;
    object.m_hitType = 0;
    // User 3 is User 1 and User 2 together.
    ClickAndShow<CObjectHitsDialog>(object, mask, value == kHitUser3 ? std::set{mask, 1146, 1147} : std::set{mask});
    EXPECT_EQ(std::pair(object.m_hitType, object.m_hitMask), std::pair(0, value)) << mask;
  }
  CGameObject all;
  ClickAndShow<CObjectHitsDialog>(all, 1150);
  EXPECT_EQ(all.m_hitMask, kHitMaskAll);
}

TEST_F(Wiring, ObjectPointEdits) {
  using Field = int32_t CGameObject::*;
  const std::pair<int, Field> rows[] = {{1105, &CGameObject::m_minX},   {1106, &CGameObject::m_minY},
                                        {1107, &CGameObject::m_maxX},   {1108, &CGameObject::m_maxY},
                                        {1113, &CGameObject::m_tweakX}, {1114, &CGameObject::m_tweakY},
                                        {1115, &CGameObject::m_moveX},  {1116, &CGameObject::m_moveY}};
  for (const auto& [control, field] : rows) {
    CGameObject object;
    RunOk(*MakeObjectPointsDialog(object),
          [&, control = control](QDialog& d) { Control<QLineEdit>(d, control)->setText("-9"); });
    for (const auto& [id, other] : rows) EXPECT_EQ(object.*other, other == field ? -9 : 0) << control;
    RunOk(*MakeObjectPointsDialog(object), [&, control = control](QDialog& d) {
      for (const auto& [id, other] : rows) EXPECT_EQ(Control<QLineEdit>(d, id)->text(), id == control ? "-9" : "0");
    });
  }
}

TEST_F(Wiring, AttributeRectangleAndValues) {
  const int rect[4] = {1057, 1058, 1059, 1060};
  const int outside[5] = {1051, 1052, 1053, 1044, 1046}, inside[5] = {1054, 1055, 1056, 1045, 1050};
  for (int32_t out = 0; out < 5; ++out) {
    const int32_t in = (out + 1) % 5;
    // A new record is (16, 0)-(31, 31) with values (0, 1): one edge typed, the pair clicked
    // through a spare inside value, so that no click makes the two equal (that asks again).
    rig.doc.World()->SetAttributeCount(0);
    CTileAttribDialog edited(rig.doc);
    RunOk(edited, [&](QDialog& d) {
      Control<QTabBar>(d, ctl::kAttribTabs)->setCurrentIndex(1);
      int32_t spare = 2;
      while (spare == out || spare == in) ++spare;
      for (const int control : {inside[spare], outside[out], inside[in]}) Control(d, control)->click();
      if (out == 4) return;
      auto* edge = Control<QLineEdit>(d, rect[out]);
      edge->setText(QStringLiteral("20"));
      emit edge->editingFinished();
    });
    const auto* stored = dynamic_cast<const CDoubleAttrib*>(rig.doc.World()->Attribute(0));
    ASSERT_NE(stored, nullptr);
    std::array<int32_t, 4> edges = {16, 0, 31, 31};
    if (out < 4) edges[size_t(out)] = 20;
    EXPECT_EQ(std::tuple(stored->m_outside, stored->m_inside,
                         std::array{stored->m_left, stored->m_top, stored->m_right, stored->m_bottom}),
              std::tuple(out, in, edges));
    CTileAttribDialog shown(rig.doc);
    RunOk(shown, [&](QDialog& d) {
      for (int v = 0; v < 5; ++v)
        EXPECT_EQ(std::pair(Control(d, outside[v])->isChecked(), Control(d, inside[v])->isChecked()),
                  std::pair(v == out, v == in)) << v;
      for (size_t e = 0; e < 4; ++e) EXPECT_EQ(Control<QLineEdit>(d, rect[e])->text(), QString::number(edges[e]));
    });
  }
}

TEST_F(Wiring, TransparentPixelsShowTheViewsBackground) {
  // Image 0 is 16 x 16 of colour 10 on a 32-pixel tile: the rest is colour 0.
  CTileAttribDialog model(rig.doc);
  RunOk(model, [&](QDialog& d) {
    const QImage image = Control<QLabel>(d, ctl::kAttribImage)->pixmap().toImage();
    const PaletteEntry back = rig.doc.Palette()->Entry(255), ten = rig.doc.Palette()->Entry(10);
    EXPECT_EQ(image.pixel(80, 80), qRgb(back.red, back.green, back.blue));
    EXPECT_EQ(image.pixel(20, 20), qRgb(ten.red, ten.green, ten.blue));
  });
}

TEST_F(Wiring, TheInvalidTileReportGoesToTheCellOfADoubleClickedLine) {
  // Sky's set BACK holds images 2 and 5: two cells show no image.
  FillPlane(Plane(1), MakeTile(0, 2));
  Plane(1).SetTile(1, 0, MakeTile(0, 9));
  Plane(1).SetTile(3, 2, MakeTile(0, 1));
  CInvalidTileReport report(rig.doc, InvalidTileMessages(*rig.doc.World())[1], InvalidTiles(*rig.doc.World()));
  RunOk(report, [&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Edytor VyrWorld"));
    EXPECT_EQ(d.findChildren<QPushButton*>().size(), 1);
    auto* text = d.findChild<QPlainTextEdit*>();
    const QRect line = text->cursorRect(QTextCursor(text->document()->findBlockByNumber(1)));
    // Sent straight, so no button stays pressed for the tests that follow.
    const QPointF at = line.center() + QPoint(4, 0);
    QMouseEvent click(QEvent::MouseButtonDblClick, at, text->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, {});
    QCoreApplication::sendEvent(text->viewport(), &click);
  });
  EXPECT_EQ(rig.doc.CurrentPlane(), &Plane(1));
  EXPECT_EQ(std::pair(rig.view.CursorColumn(), rig.view.CursorRow()), std::pair(3, 2));
  // The cell's centre (56, 40) in the middle of the 320 x 240 view.
  EXPECT_EQ(std::pair(rig.view.ScrollX(), rig.view.ScrollY()), std::pair(56 - 160, 40 - 120));
}

TEST_F(Wiring, TypingInReplaceChoosesItsTileAndStatisticsKeepTheirTabs) {
  CReplaceDialog replace(rig.doc);
  RunOk(replace, [&](QDialog& d) {
    QTest::keyClicks(Control<QLineEdit>(d, ctl::kSearchValue), QStringLiteral("1"));
    QTest::keyClicks(Control<QLineEdit>(d, ctl::kReplaceValue), QStringLiteral("2"));
  });
  EXPECT_EQ(std::pair(replace.m_search, replace.m_replace), std::pair(int(ctl::kSearchTile), int(ctl::kReplaceTile)));
  EXPECT_EQ(Plane(0).GetTile(1, 0), 2);

  CTileStatsDialog stats(*rig.doc.World(), Plane(0), 0);
  RunOk(stats, [&](QDialog& d) {
    EXPECT_EQ(Control<QListWidget>(d, ctl::kStatsCounts)->item(0)->text(), QStringLiteral("6\ttile 0"));
  });
}

TEST_F(Wiring, AFormDialogShowsItsWholeTitle) {
  CScaleObjectsDialog scale(rig.doc);
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    EXPECT_GE(d->width(), d->fontMetrics().horizontalAdvance(d->windowTitle()) + 64);
    d->reject();
  });
  port.RunDialog(scale);
}

}  // namespace
}  // namespace vyr
