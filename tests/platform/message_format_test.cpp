// The message formatter and the path helper.
#include <gtest/gtest.h>

#include "platform/message_format.h"
#include "platform/path_name.h"

namespace vyr {
namespace {

TEST(FormatMessage, FillsConversionsInTurn) {
  EXPECT_EQ(FormatMessage("WARNING!  Tile %i is %ix%i", {7, 64, 32}), "WARNING!  Tile 7 is 64x32");
  EXPECT_EQ(FormatMessage("Set %d, id %x / %X / %08X", {-3, 255, 255, 0xBEEF}), "Set -3, id ff / FF / 0000BEEF");
  EXPECT_EQ(FormatMessage("[%5i][%-5i][%05i][%c]", {42, 42, -42, 'A'}), "[   42][42   ][-0042][A]");
  // A value holding '%' goes in as it stands and is not read as a conversion.
  EXPECT_EQ(FormatMessage("The rez file %s is not in %s.", {"100%s.REZ", std::string("DIR")}),
            "The rez file 100%s.REZ is not in DIR.");
  EXPECT_EQ(FormatMessage("100%% of %s", {"it"}), "100% of it");
  // Conversions without a value stay visible; an unknown one is copied.
  EXPECT_EQ(FormatMessage("%i and %i, %q", {1}), "1 and %i, %q");
  EXPECT_EQ(FormatMessage("%u", {-1}), "4294967295");
}

TEST(FormatMessage, CountsTakeThePolishFormAndReasonsBecomeSentences) {
  const std::pair<int64_t, std::string_view> counts[] = {{1, "one"},  {2, "few"},   {4, "few"},   {5, "many"},
                                                         {11, "many"}, {12, "many"}, {14, "many"}, {21, "many"},
                                                         {22, "few"},  {0, "many"},  {112, "many"}, {1034, "few"}};
  for (const auto& [count, form] : counts) EXPECT_EQ(CountForm({"one", "few", "many"}, count), form) << count;
  const std::pair<std::string_view, std::string_view> reasons[] = {
      {"disk full", "Disk full."}, {"Done.", "Done."}, {"why?", "Why?"}, {"these parts:", "These parts:"},
      {"'x' is gone \n", "'x' is gone."}, {"", ""}};
  for (const auto& [reason, sentence] : reasons) EXPECT_EQ(Sentence(reason), sentence) << reason;
}

TEST(PathName, SplitsAtEitherSeparator) {
  const struct {
    const char* path;
    const char* name;
    const char* folder;
  } cases[] = {
      {"/home/a/LEVEL.VWD", "LEVEL.VWD", "/home/a"},
      {"C:\\GAME\\DATA\\GAME.REZ", "GAME.REZ", "C:\\GAME\\DATA"},
      {"sub\\dir/NAME", "NAME", "sub\\dir"},
      {"NAME.VWD", "NAME.VWD", "."},
      {"/ROOT.VWD", "ROOT.VWD", "/"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
  }
}

}  // namespace
}  // namespace vyr
