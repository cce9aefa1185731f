// The checks made when the focus leaves one of the three machine inputs for another control of
// the window: the refused text, the message and the focus put back; nothing else moves it.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "windowTestSupport.h"

namespace vennick::testing {
namespace {

struct Refusal {
  const char* name;
  const char* box;
  const char* text;
  char separator;
  const char* message;
};

class RefusedInput : public WindowTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedInput, ShowsItsMessageAndPutsTheFocusBack) {
  const Refusal& r = GetParam();
  separator = r.separator;
  auto* box = find<QLineEdit>(r.box);
  box->setText(QString::fromUtf8(r.text));
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Tab);
  EXPECT_EQ(boxes.errors, std::vector<std::string>{r.message});
  EXPECT_EQ(focusName(), QString::fromLatin1(r.box));
  EXPECT_EQ(box->text(), QString::fromUtf8(r.text));
  EXPECT_TRUE(boxes.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, RefusedInput,
    ::testing::Values(
        Refusal{"RodLengthEmpty", "connectingRodLengthTextBox", "", '.', "Input can not be empty!"},
        Refusal{"StrokeEmpty", "crankshaftStrokeTextBox", "", '.', "Input can not be empty!"},
        Refusal{"RevolveRateEmpty", "revolveRateTextBox", "", ',', "Input can not be empty!"},
        Refusal{"StrokeNotANumber", "crankshaftStrokeTextBox", "abc", '.', "Input Error!"},
        Refusal{"BlanksAreNotEmpty", "connectingRodLengthTextBox", "   ", '.', "Input Error!"},
        Refusal{"CommaUnderPoint", "connectingRodLengthTextBox", "12,5", '.', "Input Error!"},
        Refusal{"PointUnderComma", "connectingRodLengthTextBox", "12.5", ',', "Input Error!"},
        Refusal{"RodLengthBelowZero", "connectingRodLengthTextBox", "-0.5", '.',
                "A connecting rod length has to be positive!"},
        Refusal{"StrokeBelowZero", "crankshaftStrokeTextBox", "-5", '.', "A crankshaft stroke has to be positive!"},
        Refusal{"StrokeBelowZeroWithComma", "crankshaftStrokeTextBox", "-0,1", ',',
                "A crankshaft stroke has to be positive!"},
        Refusal{"RevolveRateBelowZero", "revolveRateTextBox", "-70", '.', "A revolve rate has to be positive!"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

struct Accepted {
  const char* name;
  const char* text;
  char separator;
};

class AcceptedInput : public WindowTest, public ::testing::WithParamInterface<Accepted> {};

TEST_P(AcceptedInput, LetsTheFocusGo) {
  separator = GetParam().separator;
  for (const char* name : {"connectingRodLengthTextBox", "crankshaftStrokeTextBox", "revolveRateTextBox"}) {
    auto* box = find<QLineEdit>(name);
    box->setText(QString::fromUtf8(GetParam().text));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_NE(focusName(), QString::fromLatin1(name));
  }
  EXPECT_TRUE(boxes.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Checks, AcceptedInput,
                         ::testing::Values(Accepted{"Zero", "0", '.'}, Accepted{"DecimalPoint", "12.5", '.'},
                                           Accepted{"DecimalComma", "12,5", ','},
                                           Accepted{"Blanks", " 7 ", '.'}, Accepted{"Exponent", "1e3", '.'}),
                         [](const ::testing::TestParamInfo<Accepted>& info) { return std::string(info.param.name); });

TEST_F(WindowTest, TwoRefusedInputsDoNotSendTheFocusBackAndForth) {
  auto* rod = find<QLineEdit>("connectingRodLengthTextBox");
  rod->setFocus();
  // The stroke is empty too: putting the focus back into the rod length leaves the stroke
  // without a check of its own.
  QTest::keyClick(rod, Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_EQ(boxes.errors, std::vector<std::string>{"Input can not be empty!"});
  EXPECT_EQ(focusName(), QStringLiteral("connectingRodLengthTextBox"));
}

TEST_F(WindowTest, AClickOnSolveFromARefusedInputIsRefusedWithoutSolving) {
  find<QLineEdit>("connectingRodLengthTextBox")->setFocus();
  bool solved = false;
  QObject::connect(find<QPushButton>("Button1"), &QPushButton::clicked, [&] { solved = true; });
  QTest::mouseClick(find("Button1"), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(boxes.errors, std::vector<std::string>{"Input can not be empty!"});
  EXPECT_FALSE(solved);
  EXPECT_EQ(focusName(), QStringLiteral("connectingRodLengthTextBox"));
  // The next click is an ordinary click again.
  find<QLineEdit>("connectingRodLengthTextBox")->setText(QStringLiteral("1070"));
  QApplication::processEvents();
  QTest::mouseClick(find("Button1"), Qt::LeftButton);
  EXPECT_TRUE(solved);
}

TEST_F(WindowTest, LeavingTheWindowChecksNothing) {
  auto* rod = find<QLineEdit>("connectingRodLengthTextBox");
  rod->setFocus();
  QWidget other;
  other.setFocusPolicy(Qt::StrongFocus);
  other.show();
  QApplication::setActiveWindow(&other);
  other.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_EQ(focusName(), QStringLiteral("connectingRodLengthTextBox"));
}

TEST_F(WindowTest, AMachineInputBeyondTheDoubleRangeGoesToTheFailureReport) {
  // Only a text that is not a number is caught by the check; the overflow is not.
  auto* rate = find<QLineEdit>("revolveRateTextBox");
  rate->setText(QStringLiteral("1E400"));
  rate->setFocus();
  QTest::keyClick(rate, Qt::Key_Tab);
  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_EQ(boxes.reports, std::vector<std::string>{"Floating point overflow"});
}

}  // namespace
}  // namespace vennick::testing
