// The locale as the programs read it: the decimal separator, and the clock's description of a
// locale, checked against Qt's own short date and time of that locale.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include "systemLocale.h"

namespace {

struct SeparatorRow {
  const char* locale;
  char separator;
};

class DecimalSeparator : public testing::TestWithParam<SeparatorRow> {};

TEST_P(DecimalSeparator, OfTheLocale) {
  EXPECT_EQ(shell::qt::decimalSeparatorOf(QLocale(QString::fromLatin1(GetParam().locale))), GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(Locales, DecimalSeparator,
                         testing::Values(SeparatorRow{"en_GB", '.'}, SeparatorRow{"de_DE", ','},
                                         SeparatorRow{"cs_CZ", ','}, SeparatorRow{"ja_JP", '.'},
                                         // U+066B cannot be typed into number text: the full stop.
                                         SeparatorRow{"ar_EG", '.'}),
                         [](const auto& info) { return std::string(info.param.locale); });

TEST(SystemLocale, IsReadFromTheSystem) {
  shell::qt::refreshSystemLocale();
  EXPECT_EQ(shell::qt::decimalSeparator(), shell::qt::decimalSeparatorOf(QLocale::system()));
  EXPECT_EQ(shell::qt::clockLocale().weekdayNames[0], QLocale::system().dayName(7).toStdString());
}

// The clock's description of a locale must give the date that Qt gives for the locale's short
// date, and the time of its short time form with the seconds added after the minutes.
QString shortTimeWithSeconds(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::ShortFormat);
  const qsizetype minutes = format.indexOf(QStringLiteral("mm"));
  const qsizetype hour = format.lastIndexOf(QRegularExpression(QStringLiteral("[hH]")), minutes);
  const QString separator = format.mid(hour + 1, minutes - hour - 1).remove('h').remove('H');
  return format.insert(minutes + 2, separator + QStringLiteral("ss"));
}

shell::LocalDateTime localOf(const QDateTime& moment) {
  shell::LocalDateTime when;
  when.year = moment.date().year();
  when.month = moment.date().month();
  when.day = moment.date().day();
  when.weekday = moment.date().dayOfWeek() % 7 + 1;
  when.hour = moment.time().hour();
  when.minute = moment.time().minute();
  when.second = moment.time().second();
  return when;
}

struct ClockRow {
  const char* locale;
  bool withTime = true;  // false: Qt's time has a word after it, which the clock leaves out
};

class ClockLocaleOf : public testing::TestWithParam<ClockRow> {};

TEST_P(ClockLocaleOf, MatchesQtsShortDateAndTime) {
  const QLocale locale(QString::fromLatin1(GetParam().locale));
  const shell::ClockLocale clock = shell::qt::clockLocaleOf(locale);
  // A Sunday just after midnight, a morning and an evening, in a single-digit month and day.
  for (const QDateTime& moment : {QDateTime(QDate(2018, 11, 11), QTime(0, 5, 9)),
                                 QDateTime(QDate(2019, 3, 4), QTime(9, 0, 0)),
                                 QDateTime(QDate(2018, 11, 10), QTime(14, 14, 22))}) {
    const shell::LocalDateTime when = localOf(moment);
    EXPECT_EQ(QString::fromStdString(shell::formatShortDate(when, clock)),
              locale.toString(moment.date(), QLocale::ShortFormat))
        << moment.toString(Qt::ISODate).toStdString();
    if (GetParam().withTime) {
      EXPECT_EQ(QString::fromStdString(shell::formatLongTime(when, clock)),
                locale.toString(moment.time(), shortTimeWithSeconds(locale)))
          << moment.toString(Qt::ISODate).toStdString();
    }
    EXPECT_EQ(QString::fromStdString(clock.weekdayNames[when.weekday - 1]), locale.dayName(moment.date().dayOfWeek()));
  }
}

// British and US forms, a dot date with two-digit year, a dot time, a marker before the time,
// a year-first date with single digits, a date with a quoted suffix and direction marks.
INSTANTIATE_TEST_SUITE_P(Locales, ClockLocaleOf,
                         testing::Values(ClockRow{"en_GB"}, ClockRow{"en_US"}, ClockRow{"de_DE"}, ClockRow{"fi_FI"},
                                         ClockRow{"ko_KR"}, ClockRow{"zh_CN"}, ClockRow{"hu_HU"}, ClockRow{"bg_BG", false},
                                         ClockRow{"nl_NL"}),
                         [](const auto& info) { return std::string(info.param.locale); });

struct KnownLine {
  const char* locale;
  const char* line;
};

class ClockLine : public testing::TestWithParam<KnownLine> {};

TEST_P(ClockLine, OfASaturdayAfternoon) {
  const shell::LocalDateTime when{2018, 11, 10, 7, 14, 14, 22};
  EXPECT_EQ(shell::clockText(when, shell::qt::clockLocaleOf(QLocale(QString::fromLatin1(GetParam().locale)))),
            GetParam().line);
}

// The C locale's short date names the month ("10 Nov 2018"); the clock keeps to digits.
INSTANTIATE_TEST_SUITE_P(Locales, ClockLine,
                         testing::Values(KnownLine{"en_GB", "Saturday 10/11/2018, 14:14:22"},
                                         KnownLine{"C", "Saturday 10/11/2018, 14:14:22"},
                                         KnownLine{"en_US", "Saturday 11/10/18, 2:14:22 PM"}),
                         [](const auto& info) { return std::string(info.param.locale); });

TEST(CurrentClockText, IsTheClockTextOfNow) {
  const QDateTime before = QDateTime::currentDateTime();
  const QString text = shell::qt::currentClockText();
  const QDateTime after = QDateTime::currentDateTime();
  const auto expected = [](const QDateTime& moment) {
    return QString::fromStdString(shell::clockText(localOf(moment), shell::qt::clockLocale()));
  };
  EXPECT_TRUE(text == expected(before) || text == expected(after)) << text.toStdString();
}

}  // namespace
