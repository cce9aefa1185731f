#include <gtest/gtest.h>

#include "clockText.h"

using namespace shell;

namespace {

ClockLocale americanClockLocale() {
  ClockLocale l = britishClockLocale();
  l.shortDatePattern = "M/d/yy";
  l.twelveHour = true;
  l.hourLeadingZero = false;
  return l;
}

ClockLocale germanClockLocale() {
  ClockLocale l;
  l.weekdayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
  l.shortDatePattern = "dd.MM.yy";
  l.hourLeadingZero = false;
  return l;
}

ClockLocale markerFirstClockLocale() {
  ClockLocale l = americanClockLocale();
  l.amMarker = "午前";
  l.pmMarker = "午後";
  l.markerBeforeTime = true;
  return l;
}

struct ClockRow {
  const char* name;
  ClockLocale locale;
  LocalDateTime when;
  const char* expected;
};

class ClockTextTest : public ::testing::TestWithParam<ClockRow> {};

TEST_P(ClockTextTest, JoinsWeekdayDateAndTime) {
  EXPECT_EQ(clockText(GetParam().when, GetParam().locale), GetParam().expected);
}

const LocalDateTime kSaturdayAfternoon{2018, 11, 10, 7, 14, 14, 22};
const LocalDateTime kSundayMidnight{2018, 11, 11, 1, 0, 0, 0};
const LocalDateTime kMorning{2026, 1, 5, 2, 9, 5, 7};

INSTANTIATE_TEST_SUITE_P(
    Rows, ClockTextTest,
    ::testing::Values(
        ClockRow{"British", britishClockLocale(), kSaturdayAfternoon, "Saturday 10/11/2018, 14:14:22"},
        ClockRow{"BritishSundayMidnight", britishClockLocale(), kSundayMidnight, "Sunday 11/11/2018, 00:00:00"},
        ClockRow{"AmericanAfternoon", americanClockLocale(), kSaturdayAfternoon, "Saturday 11/10/18, 2:14:22 PM"},
        ClockRow{"AmericanMidnightIsTwelve", americanClockLocale(), kSundayMidnight, "Sunday 11/11/18, 12:00:00 AM"},
        ClockRow{"GermanNoLeadingZero", germanClockLocale(), kSundayMidnight, "Sonntag 11.11.18, 0:00:00"},
        ClockRow{"GermanMorning", germanClockLocale(), kMorning, "Montag 05.01.26, 9:05:07"},
        ClockRow{"MarkerBeforeTime", markerFirstClockLocale(), kMorning, "Monday 1/5/26, 午前 9:05:07"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClockText, DateSeparatorAndQuotedText) {
  ClockLocale l = britishClockLocale();
  l.dateSeparator = "-";
  l.shortDatePattern = "yyyy/MM/dd' r.'";
  EXPECT_EQ(formatShortDate(kSaturdayAfternoon, l), "2018-11-10 r.");
}

TEST(ClockText, ReadsTheLocalClock) {
  const LocalDateTime now = readLocalClock();
  EXPECT_GE(now.year, 2020);
  EXPECT_GE(now.weekday, 1);
  EXPECT_LE(now.weekday, 7);
}

}  // namespace
