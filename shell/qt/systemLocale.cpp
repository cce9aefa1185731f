#include "systemLocale.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QLocale>

namespace shell::qt {

namespace {

struct SystemLocaleData {
  char decimalSeparator = '.';
  shell::ClockLocale clock = shell::britishClockLocale();
  bool read = false;
};

SystemLocaleData& data() {
  static SystemLocaleData d;
  return d;
}

void readIfNeeded() {
  if (!data().read) refreshSystemLocale();
}

void readSystemLocale() {
  const QLocale locale = QLocale::system();
  data().decimalSeparator = decimalSeparatorOf(locale);
  data().clock = clockLocaleOf(locale);
  data().read = true;
}

// Re-reads the locale whenever a locale change is announced to any object of the application.
class LocaleWatcher : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LocaleChange) readSystemLocale();
    return QObject::eventFilter(watched, event);
  }
};

void watchLocaleChanges() {
  static LocaleWatcher* watcher = nullptr;
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || (watcher != nullptr && watcher->parent() == app)) return;
  watcher = new LocaleWatcher(app);
  QObject::connect(watcher, &QObject::destroyed, [] { watcher = nullptr; });
  app->installEventFilter(watcher);
}

// Length of the run of c starting at i.
qsizetype runLength(const QString& text, qsizetype i, QChar c) {
  qsizetype k = i;
  while (k < text.size() && text[k] == c) ++k;
  return k - i;
}

// The index just past a quoted part of a Qt format that starts at i ('' inside is one quote).
qsizetype skipQuoted(const QString& format, qsizetype i) {
  ++i;
  while (i < format.size()) {
    if (format[i] == '\'') {
      if (i + 1 < format.size() && format[i + 1] == '\'') {
        i += 2;
        continue;
      }
      return i + 1;
    }
    ++i;
  }
  return i;
}

// Calls field(c, at, length) for each run of one character of a Qt format outside quotes;
// stops early when it returns false.
template <typename Field>
void forEachRun(const QString& format, Field field) {
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    if (c == '\'') {
      i = skipQuoted(format, i);
      continue;
    }
    const qsizetype len = runLength(format, i, c);
    if (!field(c, i, len)) return;
    i += len;
  }
}

// Whether a date format writes a day or month name (ddd, MMM and longer) outside quotes.
bool namesDayOrMonth(const QString& format) {
  bool names = false;
  forEachRun(format, [&](QChar c, qsizetype, qsizetype len) {
    names = (c == 'd' || c == 'M') && len >= 3;
    return !names;
  });
  return names;
}

// Qt's short date format -> the clock's pattern. Day and month runs become d/dd and M/MM, year
// runs yy or yyyy; the first separator between fields becomes the date separator and is written
// as '/'. Quoted text is kept. The clock's date is all digits: a format that names the month
// (the C locale's "d MMM yyyy") gives the British day/month/year instead.
void mapDateFormat(const QString& format, shell::ClockLocale& clock) {
  if (namesDayOrMonth(format)) {
    const shell::ClockLocale british = shell::britishClockLocale();
    clock.shortDatePattern = british.shortDatePattern;
    clock.dateSeparator = british.dateSeparator;
    return;
  }
  std::string pattern;
  QString separator;
  bool afterField = false;
  for (qsizetype i = 0; i < format.size();) {
    const QChar c = format[i];
    if (c == 'd' || c == 'M' || c == 'y') {
      const qsizetype len = runLength(format, i, c);
      if (c == 'y') {
        pattern += len >= 3 ? "yyyy" : "yy";
      } else {
        pattern += std::string(len >= 2 ? 2 : 1, static_cast<char>(c.unicode()));
      }
      afterField = true;
      i += len;
    } else if (c == '\'') {
      const qsizetype end = skipQuoted(format, i);
      QString literal = format.mid(i + 1, end - i - 1);
      if (literal.endsWith('\'')) literal.chop(1);
      literal.replace(QStringLiteral("''"), QStringLiteral("'"));
      // The clock's pattern has no escaped quote: a quote inside stays out.
      literal.remove('\'');
      if (!literal.isEmpty()) pattern += "'" + literal.toStdString() + "'";
      afterField = false;
      i = end;
    } else {
      // Only punctuation separates fields: direction marks and blanks around it are kept as text.
      if (afterField && separator.isEmpty() && (c.isPunct() || c.isSymbol())) separator = c;
      if (!separator.isEmpty() && c == separator[0]) {
        pattern += '/';
      } else if (c == '/') {
        pattern += "'/'";
      } else {
        pattern += QString(c).toStdString();
      }
      afterField = false;
      ++i;
    }
  }
  clock.shortDatePattern = pattern;
  clock.dateSeparator = separator.isEmpty() ? "/" : separator.toStdString();
}

// Qt's time format -> hour form, time separator and the place of the AM/PM marker. h with an
// AM/PM marker is the 12-hour clock, H always the 24-hour clock; a doubled letter asks for the
// leading zero. The seconds follow the minutes with the same separator.
void mapTimeFormat(const QString& format, shell::ClockLocale& clock) {
  qsizetype hourAt = -1;
  qsizetype markerAt = -1;
  bool twentyFourHour = false;
  QString separator;
  forEachRun(format, [&](QChar c, qsizetype at, qsizetype len) {
    if ((c == 'h' || c == 'H') && hourAt < 0) {
      hourAt = at;
      twentyFourHour = c == 'H';
      clock.hourLeadingZero = len >= 2;
      const qsizetype next = at + len;
      if (next < format.size() && !format[next].isLetter() && format[next] != '\'') separator = format[next];
    } else if ((c == 'a' || c == 'A') && markerAt < 0) {
      markerAt = at;
    }
    return true;
  });
  clock.twelveHour = markerAt >= 0 && !twentyFourHour;
  clock.markerBeforeTime = clock.twelveHour && hourAt >= 0 && markerAt < hourAt;
  clock.timeSeparator = separator.isEmpty() ? ":" : separator.toStdString();
}

}  // namespace

char decimalSeparator() {
  readIfNeeded();
  return data().decimalSeparator;
}

shell::ClockLocale clockLocale() {
  readIfNeeded();
  return data().clock;
}

shell::ClockLocale clockLocaleOf(const QLocale& locale) {
  shell::ClockLocale clock;
  // Qt numbers the days from Monday = 1 to Sunday = 7; the clock's names start on Sunday.
  for (int i = 0; i < 7; ++i) {
    clock.weekdayNames[i] = locale.dayName(i == 0 ? 7 : i, QLocale::LongFormat).toStdString();
  }
  mapDateFormat(locale.dateFormat(QLocale::ShortFormat), clock);
  // The short form: the long one carries the time zone and, in some locales, unit words.
  mapTimeFormat(locale.timeFormat(QLocale::ShortFormat), clock);
  clock.amMarker = locale.amText().toStdString();
  clock.pmMarker = locale.pmText().toStdString();
  return clock;
}

char decimalSeparatorOf(const QLocale& locale) {
  // Number text works on single bytes: a separator outside printable ASCII (Arabic has U+066B)
  // cannot take part in it, and the full stop stands in for it.
  const QString point = locale.decimalPoint();
  const char16_t first = point.isEmpty() ? u'.' : point.front().unicode();
  const bool usable = first > 0x20 && first < 0x7F && first != '-' && first != '+' && !(first >= '0' && first <= '9');
  return usable ? static_cast<char>(first) : '.';
}

void refreshSystemLocale() {
  readSystemLocale();
  watchLocaleChanges();
}

QString currentClockText() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate date = now.date();
  const QTime time = now.time();
  shell::LocalDateTime when;
  when.year = date.year();
  when.month = date.month();
  when.day = date.day();
  when.weekday = date.dayOfWeek() % 7 + 1;  // Sunday = 1
  when.hour = time.hour();
  when.minute = time.minute();
  when.second = time.second();
  return QString::fromStdString(shell::clockText(when, clockLocale()));
}

}  // namespace shell::qt
