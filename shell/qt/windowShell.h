#pragma once
// What both windows share: the clock label refreshed every 1000 ms by Timer1, the exit question
// on every close request and on the session's query before log-off, the locale watcher.
#include <QObject>

class QLabel;
class QTimer;
class QWidget;
class QCloseEvent;

namespace shell {
class MessageBoxes;
}

namespace shell::qt {

class FailureReporter;

// Creates Timer1 (1000 ms, a child of window, named "Timer1") that sets the clock text as the
// caption of timeLabel on every tick. Ticks go on while a modal box is open. The first tick comes
// one second after the start. A failure of a tick goes to reporter, or, when none is given, to the
// general failure report over window.
QTimer* startClockTimer(QWidget* window, QLabel* timeLabel, FailureReporter* reporter = nullptr);
void refreshClock(QLabel* timeLabel);

// For closeEvent(): asks the exit question; accepts the event only on Yes.
void askBeforeClose(QCloseEvent* event, shell::MessageBoxes& boxes);

// Asks the exit question when the session is about to end; any answer but Yes cancels it. The
// question is asked for as long as context lives, and boxes must live as long. A failure while
// asking goes to boxes when it is also a FailureReporter (QtMessageBoxes is), else to the general
// failure report; it cancels the session's end too.
void askBeforeLogOff(QObject* context, shell::MessageBoxes& boxes);

}  // namespace shell::qt
