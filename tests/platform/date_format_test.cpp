// C-locale date texts and the injectable clock.
#include "platform/date_format.h"

#include <gtest/gtest.h>

#include <clocale>

namespace vyr {
namespace {

TEST(DateFormat, FormatsInTheCLocaleWithTheHashFlag) {
  const std::tm t = MakeTime(1995, 3, 14, 12, 41, 29);
  const std::tm early = MakeTime(2001, 1, 5, 7, 3, 9);
  struct Row {
    const std::tm* time;
    const char* format;
    const char* expected;
  } rows[] = {
      {&t, "%#c", "Tuesday, March 14, 1995, 12:41:29"},
      {&t, "%B %#d, %Y", "March 14, 1995"},
      {&early, "%#c", "Friday, January 5, 2001, 07:03:09"},
      {&early, "%B %#d, %Y", "January 5, 2001"},
      {&early, "%d.%m.%y", "05.01.01"},
      {&early, "%#d/%#m %#H:%#M", "5/1 7:3"},
      {&early, "%c", "01/05/01 07:03:09"},
      {&early, "%x|%#x|%X", "01/05/01|Friday, January 5, 2001|07:03:09"},
      {&early, "%a %b %j %I%p %w", "Fri Jan 005 07AM 5"},
      {&t, "%I %p", "12 PM"},
      {&t, "100%% %q", "100% %q"},
      {&t, "trailing %", "trailing %"},
  };
  for (const Row& row : rows) EXPECT_EQ(FormatTime(*row.time, row.format), row.expected) << row.format;
  EXPECT_EQ(FormatLongDateTime(t), "Tuesday, March 14, 1995, 12:41:29");
  EXPECT_EQ(FormatLongDate(early), "January 5, 2001");
}

TEST(DateFormat, FieldsOutOfRangePrintAsQuestionMarks) {
  std::tm broken{};
  broken.tm_mon = 12;
  broken.tm_wday = -1;
  EXPECT_EQ(FormatTime(broken, "%A %B %b"), "? ? ?");
}

TEST(DateFormat, MakeTimeFillsTheWeekday) {
  EXPECT_EQ(MakeTime(1970, 1, 1).tm_wday, 4);
  EXPECT_EQ(MakeTime(1969, 12, 31).tm_wday, 3);
  EXPECT_EQ(MakeTime(2000, 2, 29).tm_wday, 2);
  EXPECT_EQ(MakeTime(2000, 12, 31).tm_yday, 365);
}

TEST(DateFormat, IgnoresTheUserLocale) {
  // Under a Polish locale the names stay English.
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string keep = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "pl_PL.UTF-8")) {
    GTEST_SKIP() << "The pl_PL.UTF-8 locale is not installed; scripts/ensure-packages.sh generates it.";
  }
  const std::string text = FormatLongDateTime(MakeTime(1995, 3, 14, 12, 41, 29));
  std::setlocale(LC_ALL, keep.c_str());
  EXPECT_EQ(text, "Tuesday, March 14, 1995, 12:41:29");
}

TEST(DateFormat, TheClockCanBeReplaced) {
  FixedClock fixed(MakeTime(1995, 3, 14, 12, 41, 29));
  SetClock(&fixed);
  EXPECT_EQ(FormatLongDateTime(Clock().LocalNow()), "Tuesday, March 14, 1995, 12:41:29");
  SetClock(nullptr);
  EXPECT_GE(Clock().LocalNow().tm_year, 120);
}

}  // namespace
}  // namespace vyr
