// The real boxes: how each is built, where it stands, what its buttons answer, and the general
// failure report's caption and text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "applicationTitle.h"
#include "qtMessageBoxes.h"

namespace {

using shell::Answer;
using shell::qt::QtMessageBoxes;

QLabel* textLabel(QMessageBox& box) { return box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")); }

// The box's push buttons, left to right as shown.
QList<QPushButton*> buttonsLeftToRight(QMessageBox& box) {
  QList<QPushButton*> buttons = box.findChildren<QPushButton*>();
  std::sort(buttons.begin(), buttons.end(),
            [](QPushButton* a, QPushButton* b) { return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x(); });
  return buttons;
}

QStringList texts(const QList<QPushButton*>& buttons) {
  QStringList result;
  for (QPushButton* button : buttons) result << button->text();
  return result;
}

// Runs action on the modal box that is open once the event loop has started it, then returns
// what the blocking call returned. Fails the test when no box opens or the action leaves it open
// (the box is then closed after a while, so that the run goes on).
template <typename Call>
auto withOpenBox(const std::function<void(QMessageBox&)>& action, Call call) {
  bool seen = false;
  bool leftOpen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen = true;
    // Access keys are shortcuts: they reach only the active window.
    box->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(box));
    action(*box);
  });
  QTimer rescue;
  rescue.setSingleShot(true);
  QObject::connect(&rescue, &QTimer::timeout, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      leftOpen = true;
      box->close();
    }
  });
  rescue.start(1500);
  auto result = call();
  EXPECT_TRUE(seen) << "no modal box was open";
  EXPECT_FALSE(leftOpen) << "the box stayed open";
  return result;
}

// A parent window in the top left corner, to tell centred on the screen from centred on it.
class BoxOverWindow : public testing::Test {
 protected:
  QWidget window;
  void SetUp() override {
    window.setGeometry(0, 0, 200, 100);
    window.show();
  }
  void expectCentredOnScreen(QMessageBox& box) {
    box.show();
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    // The window frame is what stands in the middle (half a pixel of rounding either way).
    EXPECT_LE((box.frameGeometry().center() - screenCentre).manhattanLength(), 2)
        << "frame at " << box.frameGeometry().x() << "," << box.frameGeometry().y() << " size "
        << box.frameGeometry().width() << "x" << box.frameGeometry().height();
  }
};

TEST_F(BoxOverWindow, ErrorBox) {
  const auto box = shell::qt::buildErrorBox(QStringLiteral("Input <b>Error</b>!"), &window);
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(textLabel(*box)->text(), QStringLiteral("Input <b>Error</b>!"));
  EXPECT_TRUE(textLabel(*box)->wordWrap());
  ASSERT_EQ(box->buttons().size(), 1);
  QPushButton* ok = box->defaultButton();
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(box->standardButton(ok), QMessageBox::Ok);
  EXPECT_EQ(box->escapeButton(), ok);
  EXPECT_EQ(box->palette().color(QPalette::Window), QColor(255, 255, 255));
  EXPECT_TRUE(box->autoFillBackground());
  expectCentredOnScreen(*box);
}

TEST_F(BoxOverWindow, ConfirmationBoxButtonsLeftToRight) {
  const auto box = shell::qt::buildConfirmationBox(QStringLiteral("Do You want overwrite existing file?"), {}, &window);
  EXPECT_EQ(box->icon(), QMessageBox::Question);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Confirm"));
  expectCentredOnScreen(*box);
  const QList<QPushButton*> buttons = buttonsLeftToRight(*box);
  ASSERT_EQ(texts(buttons), (QStringList{"&Yes", "&No", "Cancel"}));
  EXPECT_EQ(box->defaultButton(), buttons[0]);
  EXPECT_EQ(box->escapeButton(), buttons[2]);
}

TEST_F(BoxOverWindow, ConfirmationBoxTakesTheGivenCaption) {
  const auto box = shell::qt::buildConfirmationBox(QStringLiteral("Do You really want to exit the application?"),
                                                   QStringLiteral("Exit"), &window);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Exit"));
}

// Every way of closing the Confirmation box, through the real modal run.
struct Closing {
  const char* name;
  std::function<void(QMessageBox&)> act;
  Answer expected;
};

QPushButton* buttonNamed(QMessageBox& box, const QString& text) {
  for (QPushButton* button : box.findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

class ConfirmationAnswer : public testing::TestWithParam<Closing> {};

TEST_P(ConfirmationAnswer, IsTheButtonThatClosedTheBox) {
  QtMessageBoxes boxes;
  const Answer answer = withOpenBox(GetParam().act, [&] { return boxes.confirmationBox("Question?", "Exit"); });
  EXPECT_EQ(answer, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllWays, ConfirmationAnswer,
    testing::Values(
        Closing{"ClickYes", [](QMessageBox& b) { QTest::mouseClick(buttonNamed(b, "&Yes"), Qt::LeftButton); }, Answer::Yes},
        Closing{"ClickNo", [](QMessageBox& b) { QTest::mouseClick(buttonNamed(b, "&No"), Qt::LeftButton); }, Answer::No},
        Closing{"ClickCancel", [](QMessageBox& b) { QTest::mouseClick(buttonNamed(b, "Cancel"), Qt::LeftButton); },
                Answer::Cancel},
        Closing{"Enter", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, Answer::Yes},
        Closing{"Escape", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, Answer::Cancel},
        Closing{"AccessKeyN", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_N, Qt::AltModifier); }, Answer::No},
        Closing{"AccessKeyY", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Y, Qt::AltModifier); }, Answer::Yes},
        Closing{"LetterN", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_N); }, Answer::No},
        Closing{"CloseButton", [](QMessageBox& b) { b.close(); }, Answer::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorBoxClosing, EscapeReturnsLikeOk) {
  QtMessageBoxes boxes;
  bool returned = withOpenBox([](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); },
                              [&] {
                                boxes.errorBox("Input Error!");
                                return true;
                              });
  EXPECT_TRUE(returned);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The general failure report: caption the application title, text after the full-stop rule.
struct Report {
  const char* name;
  QString title;  // empty: none set
  std::string failure;
  QString caption;
  QString text;
};

class FailureReport : public testing::TestWithParam<Report> {
 protected:
  void TearDown() override { shell::qt::setApplicationTitle({}); }
};

TEST_P(FailureReport, CaptionAndText) {
  const Report& row = GetParam();
  shell::qt::setApplicationTitle(row.title);
  QtMessageBoxes boxes;
  QString caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  withOpenBox(
      [&](QMessageBox& b) {
        caption = b.windowTitle();
        text = b.text();
        icon = b.icon();
        buttons = static_cast<int>(b.buttons().size());
        QTest::keyClick(&b, Qt::Key_Return);
      },
      [&] {
        boxes.report(row.failure);
        return 0;
      });
  EXPECT_EQ(caption, row.caption);
  EXPECT_EQ(text, row.text);
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FailureReport,
    testing::Values(Report{"TitleSetFullStopAdded", "Tollard", "Floating point division by zero", "Tollard",
                           "Floating point division by zero."},
                    Report{"NoTitleProgramFileName", {}, "Invalid floating point operation.", "shell_qt_tests",
                           "Invalid floating point operation."},
                    Report{"FileNameInQuotes", "Tollard",
                           "Cannot create file \"./AppResources/GreekCNew.ttf\". Permission denied", "Tollard",
                           "Cannot create file \"./AppResources/GreekCNew.ttf\". Permission denied."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
