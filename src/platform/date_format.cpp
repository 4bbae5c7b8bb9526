// C-locale time formatting with the Microsoft strftime flags.
#include "platform/date_format.h"

#include <cstdio>

namespace vyr {
namespace {

constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[] = {"January", "February", "March",     "April",
                                   "May",     "June",     "July",      "August",
                                   "September", "October", "November", "December"};

std::string Number(long value, int width, bool dropZeros) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*ld", dropZeros ? 1 : width, value);
  return buffer;
}

std::string DayName(int wday, bool abbreviated) {
  if (wday < 0 || wday > 6) return "?";
  std::string name = kDays[wday];
  return abbreviated ? name.substr(0, 3) : name;
}

std::string MonthName(int mon, bool abbreviated) {
  if (mon < 0 || mon > 11) return "?";
  std::string name = kMonths[mon];
  return abbreviated ? name.substr(0, 3) : name;
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12).
long DaysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + long(doe) - 719468;
}

}  // namespace

std::string FormatTime(const std::tm& t, std::string_view format) {
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 >= format.size()) {
      out += format[i];
      continue;
    }
    bool alternate = false;
    char c = format[++i];
    if (c == '#' && i + 1 < format.size()) {
      alternate = true;
      c = format[++i];
    }
    const int hour12 = t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12;
    switch (c) {
      case 'a': out += DayName(t.tm_wday, true); break;
      case 'A': out += DayName(t.tm_wday, false); break;
      case 'b': out += MonthName(t.tm_mon, true); break;
      case 'B': out += MonthName(t.tm_mon, false); break;
      case 'c':
        out += alternate ? FormatTime(t, "%A, %B %#d, %Y, %H:%M:%S") : FormatTime(t, "%m/%d/%y %H:%M:%S");
        break;
      case 'd': out += Number(t.tm_mday, 2, alternate); break;
      case 'H': out += Number(t.tm_hour, 2, alternate); break;
      case 'I': out += Number(hour12, 2, alternate); break;
      case 'j': out += Number(t.tm_yday + 1, 3, alternate); break;
      case 'm': out += Number(t.tm_mon + 1, 2, alternate); break;
      case 'M': out += Number(t.tm_min, 2, alternate); break;
      case 'p': out += t.tm_hour < 12 ? "AM" : "PM"; break;
      case 'S': out += Number(t.tm_sec, 2, alternate); break;
      case 'w': out += Number(t.tm_wday, 1, alternate); break;
      case 'x': out += alternate ? FormatTime(t, "%A, %B %#d, %Y") : FormatTime(t, "%m/%d/%y"); break;
      case 'X': out += FormatTime(t, "%H:%M:%S"); break;
      case 'y': out += Number(((long(t.tm_year) + 1900) % 100 + 100) % 100, 2, alternate); break;
      case 'Y': out += Number(long(t.tm_year) + 1900, 1, alternate); break;
      case '%': out += '%'; break;
      default:  // unknown conversions are copied as written
        out += '%';
        if (alternate) out += '#';
        out += c;
        break;
    }
  }
  return out;
}

std::string FormatLongDateTime(const std::tm& time) { return FormatTime(time, "%#c"); }

std::string FormatLongDate(const std::tm& time) { return FormatTime(time, "%B %#d, %Y"); }

std::tm MakeTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  const long days = DaysFromCivil(year, unsigned(month), unsigned(day));
  t.tm_wday = int(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
  t.tm_yday = int(days - DaysFromCivil(year, 1, 1));
  t.tm_isdst = -1;
  return t;
}

std::tm SystemClock::LocalNow() const {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

namespace {
const IClock* g_clock = nullptr;
}  // namespace

const IClock& Clock() {
  static const SystemClock system;
  return g_clock ? *g_clock : system;
}

void SetClock(const IClock* clock) { g_clock = clock; }

}  // namespace vyr
