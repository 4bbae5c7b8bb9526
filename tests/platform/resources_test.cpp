// Resource tables: menus, accelerators, toolbars, status panes and strings hang together.
#include "res/resources.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "platform/doc_template.h"

namespace vyr {
namespace {

void CollectIds(std::span<const res::MenuItem> items, std::set<CommandId>& ids) {
  for (const res::MenuItem& item : items) {
    if (item.kind == res::MenuItem::Kind::Popup) CollectIds(item.children, ids);
    if (item.kind == res::MenuItem::Kind::Command) ids.insert(item.id);
  }
}

std::vector<std::string> Titles(int menu) {
  std::vector<std::string> titles;
  for (const res::MenuItem& item : res::Menu(menu)) titles.emplace_back(item.text);
  return titles;
}

TEST(Resources, MenusHaveTheirTopLevelEntries) {
  EXPECT_EQ(Titles(128), (std::vector<std::string>{"&Plik", "&Edycja", "Ś&wiat", "&Warstwy", "&Klocki",
                                                   "&Kursor", "&Dodatki", "&Widok", "&Pomoc"}));
  EXPECT_EQ(Titles(129), (std::vector<std::string>{"&Plik", "&Edycja", "&Świat", "&Warstwy", "&Objekty",
                                                   "&Logiki", "&Współrzędna Z", "&Dodatki", "&Widok",
                                                   "&Pomoc"}));
  EXPECT_TRUE(res::Menu(130).empty());
}

TEST(Resources, EveryAcceleratorIsUniqueInItsTable) {
  for (int table : {128, 129}) {
    std::set<std::pair<uint16_t, uint8_t>> keys;
    for (const res::Accelerator& a : res::Accelerators(table)) {
      EXPECT_TRUE(keys.insert({a.key, a.modifiers}).second)
          << "table " << table << " key " << a.key << " mods " << int(a.modifiers);
    }
  }
}

TEST(Resources, AcceleratorsMatchTheKeyLists) {
  using namespace res;
  using namespace res::key;
  auto idOf = [](int table, uint16_t k, uint8_t mods) -> CommandId {
    for (const Accelerator& a : Accelerators(table)) {
      if (a.key == k && a.modifiers == mods) return a.id;
    }
    return 0;
  };
  struct Row {
    uint16_t key;
    uint8_t mods;
    CommandId in128;
    CommandId in129;
  } rows[] = {
      {kLeft, kNone, 32787, 32860},        {kRight, kNone, 32788, 32859},
      {kUp, kNone, 32789, 32861},          {kDown, kNone, 32790, 32862},
      {kHome, kControl, 32791, 0},         {kPageDown, kControl, 32792, 0},
      {kPageUp, kShift, 32814, 0},         {kEnd, kShift, 32817, 0},
      {kSpace, kNone, 32797, 0},           {kDelete, kNone, 32798, 32805},
      {'I', kControl, 32798, 32920},       {kInsert, kNone, 0, 32804},
      {kKeypadPlus, kNone, 32793, 0},      {kKeypadMinus, kControl, 32796, 0},
      {'M', kControl, 32833, 32833},       {kTab, kShift, 32838, 32838},
      {kReturn, kNone, 32834, 32834},      {kReturn, kAlt, 32773, 32773},
      {'G', kControl, 32923, 0},           {kF5, kNone, 32922, 0},
      {'F', kAlt, 32915, 0},               {'Y', kControl, 32900, 32900},
      {'W', kControl | kAlt, 32902, 32902}, {kUp, kAlt, 0, 32908},
      {kLeft, kControl, 0, 32841},         {kDown, kShift, 0, 32856},
      {'1', kControl, 0, 32872},           {'0', kControl, 0, 32873},
      {'9', kAlt, 0, 32886},               {'0', kAlt, 0, 32887},
      {'N', kControl, 57600, 57600},       {'S', kControl, 57603, 57603},
      {'Z', kControl, 57643, 57643},       {kBackspace, kAlt, 57643, 57643},
      {'Z', kControl | kShift, 57644, 57644},
      {'C', kControl, 0, 57634},           {'P', kControl, 32907, 32907},
      {'L', kControl | kAlt, 32901, 32901}, {'W', kControl, 32781, 32781},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(idOf(128, row.key, row.mods), row.in128) << row.key << "/" << int(row.mods);
    EXPECT_EQ(idOf(129, row.key, row.mods), row.in129) << row.key << "/" << int(row.mods);
  }
}

TEST(Resources, ToolbarsAndPaneSets) {
  std::vector<CommandId> t128(res::Toolbar(128).begin(), res::Toolbar(128).end());
  std::vector<CommandId> t129(res::Toolbar(129).begin(), res::Toolbar(129).end());
  EXPECT_EQ(t128, (std::vector<CommandId>{57600, 57601, 57603, 57607, 0, 32850, 32858, 0, 57635, 57634,
                                          57637, 57643, 0, 32820, 32821, 0, 32776, 32781, 32830, 32782,
                                          0, 57667}));
  EXPECT_EQ(t129, (std::vector<CommandId>{57600, 57601, 57603, 57607, 0, 32850, 32858, 0, 57635, 57634,
                                          57637, 57643, 0, 32820, 32821, 0, 32834, 32781, 32832, 32782,
                                          0, 57667}));
  EXPECT_EQ(std::vector<CommandId>(res::StatusPanes(1).begin(), res::StatusPanes(1).end()),
            (std::vector<CommandId>{0, 32803, 32799, 32800, 32801, 32926}));
  EXPECT_EQ(std::vector<CommandId>(res::StatusPanes(2).begin(), res::StatusPanes(2).end()),
            (std::vector<CommandId>{0, 32845, 32846, 32847, 32926}));
  EXPECT_TRUE(res::StatusPanes(3).empty());
  EXPECT_TRUE(res::StatusPanes(0).empty());
}

TEST(Resources, EveryKeyedCommandHasAMenuEntryOrIsKeyOnly) {
  std::set<CommandId> inMenus;
  CollectIds(res::Menu(128), inMenus);
  CollectIds(res::Menu(129), inMenus);
  // Commands reached by keys or buttons only, with no menu entry.
  const std::set<CommandId> keyOnly = {32833, 32901, 32915, 57670, 57607, 57667, 32850, 32782};
  for (int table : {128, 129}) {
    for (const res::Accelerator& a : res::Accelerators(table)) {
      EXPECT_TRUE(inMenus.count(a.id) || keyOnly.count(a.id)) << a.id;
    }
    for (CommandId id : res::Toolbar(table)) {
      if (id) {
        EXPECT_TRUE(inMenus.count(id) || keyOnly.count(id)) << id;
      }
    }
  }
}

TEST(Resources, StringTableIsOrderedAndComplete) {
  auto ids = res::StringIds();
  for (size_t i = 1; i < ids.size(); ++i) EXPECT_LT(ids[i - 1], ids[i]);
  for (uint32_t id : ids) EXPECT_FALSE(res::LoadString(id).empty()) << id;
  EXPECT_EQ(res::LoadString(57344), "Edytor VyrWorld");
  EXPECT_EQ(res::LoadString(129), "Ten plik jest uszkodzony.");
  EXPECT_EQ(res::LoadString(1), "");
  EXPECT_EQ(res::LoadString(32845), std::string(40, ' '));
  EXPECT_EQ(res::LoadString(32846), std::string(69, ' '));
  EXPECT_EQ(res::LoadString(32847), std::string(33, ' '));
  EXPECT_EQ(res::StatusPrompt(32863), "Usuwa wszystkie objekty");
  EXPECT_EQ(res::ToolTip(32863), "Usuń Wszystkie");
  EXPECT_EQ(res::StatusPrompt(32858), "Uruchamia grę");
  EXPECT_EQ(res::ToolTip(32858), "");
  EXPECT_EQ(res::LoadString(32873), "Ustawia Współrzędną Z #0\nZ #0");
  EXPECT_EQ(res::LoadString(32881), "Ustawia Współrzędną Z #9\nZ #9");
  // Every status-prompt id is a command or pane that some menu, key or pane set names.
  std::set<CommandId> named;
  CollectIds(res::Menu(128), named);
  CollectIds(res::Menu(129), named);
  for (int table : {128, 129}) {
    for (const res::Accelerator& a : res::Accelerators(table)) named.insert(a.id);
  }
  for (int set : {1, 2}) {
    for (CommandId id : res::StatusPanes(set)) named.insert(id);
  }
  for (uint32_t id : ids) {
    if (id >= 32768 && id != 57344) {
      EXPECT_TRUE(named.count(id)) << id;
    }
  }
}

TEST(Resources, DocumentTemplateParts) {
  const std::string_view t = res::LoadString(res::kDocTemplateString);
  EXPECT_EQ(DocTemplatePart(t, DocString::WindowTitle), "VyrWorld");
  EXPECT_EQ(DocTemplatePart(t, DocString::DocName), "");
  EXPECT_EQ(DocTemplatePart(t, DocString::FileNewName), "VyrWor");
  EXPECT_EQ(DocTemplatePart(t, DocString::FilterName), "Vyr World Pliki (*.VWD)");
  EXPECT_EQ(DocTemplatePart(t, DocString::FilterExt), ".VWD");
  EXPECT_EQ(DocTemplatePart(t, DocString::RegFileTypeId), "VyrWorld.Document");
  EXPECT_EQ(DocTemplatePart(t, DocString::RegFileTypeName), "VyrWor Document");
  EXPECT_EQ(DocTemplateFilter(t), "Vyr World Pliki (*.VWD)|*.VWD|All Files (*.*)|*.*||");
  EXPECT_EQ(DocTemplatePart("a", DocString::FilterExt), "");
}

}  // namespace
}  // namespace vyr
