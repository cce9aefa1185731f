#pragma once
// The clock text: weekday + " " + short date + ", " + time, from one reading of the local date
// and time and a description of the user's locale. No toolkit: the window fills the description.
#include <array>
#include <string>

namespace shell {

struct LocalDateTime {
  int year = 0;
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int weekday = 1;  // 1..7, Sunday = 1
  int hour = 0;     // 0..23
  int minute = 0;
  int second = 0;
};

struct ClockLocale {
  std::array<std::string, 7> weekdayNames;  // full names, Sunday first
  // Short date pattern: d, dd, M, MM, yy, yyyy; '/' stands for the date separator; text in
  // single quotes and any other character are copied as they stand.
  std::string shortDatePattern = "dd/MM/yyyy";
  std::string dateSeparator = "/";
  std::string timeSeparator = ":";
  bool twelveHour = false;
  bool hourLeadingZero = true;
  std::string amMarker = "AM";
  std::string pmMarker = "PM";
  bool markerBeforeTime = false;
};

// English (United Kingdom): "Saturday 10/11/2018, 14:14:22".
ClockLocale britishClockLocale();

std::string formatShortDate(const LocalDateTime& when, const ClockLocale& locale);
std::string formatLongTime(const LocalDateTime& when, const ClockLocale& locale);
std::string clockText(const LocalDateTime& when, const ClockLocale& locale);

// One reading of the local clock, for runs without a toolkit.
LocalDateTime readLocalClock();

}  // namespace shell
