#pragma once
// The user's locale as the programs use it: the decimal separator of number text and the clock
// description. Read at start and again when the system announces a change (QEvent::LocaleChange).
#include <QString>

#include "clockText.h"

class QLocale;

namespace shell::qt {

char decimalSeparator();
shell::ClockLocale clockLocale();

// The decimal separator of a locale: the first character of its decimal point; the full stop
// where that is not a printable ASCII character other than a sign or a digit.
char decimalSeparatorOf(const QLocale& locale);

// Describes a locale for the clock text (weekday names from Sunday, short date pattern, 12- or
// 24-hour clock, leading zero, AM/PM markers and where they stand). No time-zone name.
shell::ClockLocale clockLocaleOf(const QLocale& locale);

// Re-reads the system locale; called at start and on QEvent::LocaleChange.
void refreshSystemLocale();

// Clock text for the current moment from one reading of the local date and time.
QString currentClockText();

}  // namespace shell::qt
