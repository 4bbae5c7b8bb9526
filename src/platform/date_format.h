// Date and time texts in the C locale, whatever the user's locale, and an injectable clock.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace vyr {

// strftime with the C locale's English names and the Microsoft '#' flag: "%#d" drops
// leading zeros, "%#c" is the long form "Tuesday, March 14, 1995, 12:41:29" and "%#x"
// the long date "Tuesday, March 14, 1995". Fields out of range print as '?'.
std::string FormatTime(const std::tm& time, std::string_view format);

// "%#c": "Tuesday, March 14, 1995, 12:41:29".
std::string FormatLongDateTime(const std::tm& time);
// "%B %#d, %Y": "March 14, 1995".
std::string FormatLongDate(const std::tm& time);

// A calendar time with its weekday and day of the year filled in.
std::tm MakeTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// The source of "now"; tests give a fixed one.
class IClock {
 public:
  virtual ~IClock() = default;
  virtual std::tm LocalNow() const = 0;
};

class SystemClock final : public IClock {
 public:
  std::tm LocalNow() const override;
};

class FixedClock final : public IClock {
 public:
  explicit FixedClock(std::tm time) : m_time(time) {}
  std::tm LocalNow() const override { return m_time; }
  void Set(std::tm time) { m_time = time; }

 private:
  std::tm m_time;
};

// The clock the program uses; tests may replace it (null restores the system clock).
const IClock& Clock();
void SetClock(const IClock* clock);

}  // namespace vyr
