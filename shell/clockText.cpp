#include "clockText.h"

#include <ctime>

namespace shell {

namespace {
std::string twoDigits(int v) {
  return {static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
}
}  // namespace

ClockLocale britishClockLocale() {
  ClockLocale l;
  l.weekdayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  return l;
}

std::string formatShortDate(const LocalDateTime& when, const ClockLocale& locale) {
  const std::string& p = locale.shortDatePattern;
  std::string out;
  std::size_t i = 0;
  auto run = [&](char c) {
    std::size_t k = i;
    while (k < p.size() && p[k] == c) ++k;
    return k - i;
  };
  while (i < p.size()) {
    const char c = p[i];
    const std::size_t len = c == 'd' || c == 'M' || c == 'y' ? run(c) : 1;
    if (c == 'd') {
      out += len >= 2 ? twoDigits(when.day) : std::to_string(when.day);
    } else if (c == 'M') {
      out += len >= 2 ? twoDigits(when.month) : std::to_string(when.month);
    } else if (c == 'y') {
      out += len >= 3 ? std::to_string(when.year) : twoDigits(when.year % 100);
    } else if (c == '/') {
      out += locale.dateSeparator;
    } else if (c == '\'') {
      const std::size_t end = p.find('\'', i + 1);
      const std::size_t stop = end == std::string::npos ? p.size() : end;
      out.append(p, i + 1, stop - i - 1);
      i = end == std::string::npos ? p.size() : end + 1;
      continue;
    } else {
      out.push_back(c);
    }
    i += len;
  }
  return out;
}

std::string formatLongTime(const LocalDateTime& when, const ClockLocale& locale) {
  int hour = when.hour;
  if (locale.twelveHour) {
    hour %= 12;
    if (hour == 0) hour = 12;
  }
  std::string time = locale.hourLeadingZero ? twoDigits(hour) : std::to_string(hour);
  time += locale.timeSeparator + twoDigits(when.minute) + locale.timeSeparator + twoDigits(when.second);
  if (!locale.twelveHour) return time;
  const std::string& marker = when.hour < 12 ? locale.amMarker : locale.pmMarker;
  return locale.markerBeforeTime ? marker + " " + time : time + " " + marker;
}

std::string clockText(const LocalDateTime& when, const ClockLocale& locale) {
  const int w = when.weekday >= 1 && when.weekday <= 7 ? when.weekday : 1;
  return locale.weekdayNames[w - 1] + " " + formatShortDate(when, locale) + ", " +
         formatLongTime(when, locale);
}

LocalDateTime readLocalClock() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  LocalDateTime when;
  when.year = tm.tm_year + 1900;
  when.month = tm.tm_mon + 1;
  when.day = tm.tm_mday;
  when.weekday = tm.tm_wday + 1;
  when.hour = tm.tm_hour;
  when.minute = tm.tm_min;
  when.second = tm.tm_sec;
  return when;
}

}  // namespace shell
