#include "windowShell.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QSessionManager>
#include <QTimer>

#include "handlerGuard.h"
#include "messageBoxes.h"
#include "qtMessageBoxes.h"
#include "systemLocale.h"

namespace shell::qt {

QTimer* startClockTimer(QWidget* window, QLabel* timeLabel, FailureReporter* reporter) {
  auto* timer = new QTimer(window);
  timer->setObjectName(QStringLiteral("Timer1"));
  timer->setInterval(1000);
  QObject::connect(timer, &QTimer::timeout, timer, [window, label = QPointer<QLabel>(timeLabel), reporter] {
    QtMessageBoxes windowReport(window);
    runGuarded(reporter != nullptr ? *reporter : windowReport, [&label] { refreshClock(label.data()); });
  });
  timer->start();
  return timer;
}

void refreshClock(QLabel* timeLabel) {
  if (timeLabel != nullptr) timeLabel->setText(currentClockText());
}

void askBeforeClose(QCloseEvent* event, shell::MessageBoxes& boxes) {
  // Refused until the answer is Yes, so that a failure while asking keeps the window open.
  event->ignore();
  if (shell::exitQuestion(boxes)) event->accept();
}

void askBeforeLogOff(QObject* context, shell::MessageBoxes& boxes) {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (app == nullptr) return;
  QObject::connect(app, &QGuiApplication::commitDataRequest, context, [&boxes](QSessionManager& session) {
    // Without the session's leave to talk to the user the question cannot be asked; the
    // programs keep nothing that a silent end would lose.
    if (!session.allowsInteraction()) return;
    bool consent = false;
    QtMessageBoxes fallbackReport;
    auto* reporter = dynamic_cast<FailureReporter*>(&boxes);
    runGuarded(reporter != nullptr ? *reporter : fallbackReport, [&] { consent = shell::exitQuestion(boxes); });
    session.release();
    if (!consent) session.cancel();
  });
}

}  // namespace shell::qt
