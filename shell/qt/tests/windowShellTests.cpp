// What both windows share: the exit question on a close request, and the clock label that goes
// on ticking while a modal box is open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "handlerGuard.h"
#include "qtMessageBoxes.h"
#include "testSupport.h"
#include "windowShell.h"

namespace {

using shell::Answer;
using shell_qt_tests::FakeBoxes;
using shell_qt_tests::RecordingReporter;

// A window that asks before closing, as both programs' windows do.
class AskingWindow : public QWidget {
 public:
  FakeBoxes boxes;
  RecordingReporter reporter;

 protected:
  void closeEvent(QCloseEvent* event) override {
    shell::qt::runGuarded(reporter, [&] { shell::qt::askBeforeClose(event, boxes); });
  }
};

struct CloseAnswer {
  const char* name;
  Answer answer;
  bool closes;
};

class CloseRequest : public testing::TestWithParam<CloseAnswer> {};

TEST_P(CloseRequest, AsksTheExitQuestionOnceAndClosesOnlyOnYes) {
  AskingWindow window;
  window.show();
  window.boxes.answers = {GetParam().answer};

  EXPECT_EQ(window.close(), GetParam().closes);

  EXPECT_EQ(window.isVisible(), !GetParam().closes);
  ASSERT_EQ(window.boxes.calls.size(), 1u);
  EXPECT_EQ(window.boxes.calls[0].kind, "confirmation");
  EXPECT_EQ(window.boxes.calls[0].text, "Do You really want to exit the application?");
  EXPECT_EQ(window.boxes.calls[0].caption, "Exit");
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseRequest,
                         testing::Values(CloseAnswer{"Yes", Answer::Yes, true}, CloseAnswer{"No", Answer::No, false},
                                         CloseAnswer{"Cancel", Answer::Cancel, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CloseRequestFailure, AFailureWhileAskingIsReportedAndKeepsTheWindowOpen) {
  AskingWindow window;
  window.show();  // no scripted answer: the fake's question fails

  EXPECT_FALSE(window.close());

  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.reporter.reports, std::vector<std::string>{"unexpected question"});
}

TEST(ClockTimer, IsTimer1OfTheWindowAtOneSecond) {
  QWidget window;
  QLabel timeLabel(QStringLiteral("timeLabel"), &window);
  QTimer* timer = shell::qt::startClockTimer(&window, &timeLabel);
  EXPECT_EQ(window.findChild<QTimer*>(QStringLiteral("Timer1")), timer);
  EXPECT_EQ(timer->interval(), 1000);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timeLabel.text(), QStringLiteral("timeLabel")) << "the first tick comes a second later";
}

TEST(ClockTimer, TicksWhileAnErrorBoxIsOpen) {
  QWidget window;
  QLabel timeLabel(QStringLiteral("timeLabel"), &window);
  window.show();
  RecordingReporter reporter;
  shell::qt::startClockTimer(&window, &timeLabel, &reporter);

  // The texts the label shows while the box is open, read whenever the label changes.
  QStringList shownWhileOpen;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() == nullptr) return;
    if (shownWhileOpen.isEmpty() || shownWhileOpen.back() != timeLabel.text()) shownWhileOpen << timeLabel.text();
  });
  watch.start(50);
  QTimer::singleShot(2600, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });

  shell::qt::QtMessageBoxes(&window).errorBox("Input Error!");

  shownWhileOpen.removeAll(QStringLiteral("timeLabel"));
  EXPECT_GE(shownWhileOpen.size(), 2) << shownWhileOpen.join(" | ").toStdString();
  EXPECT_TRUE(reporter.reports.empty());
}

}  // namespace
