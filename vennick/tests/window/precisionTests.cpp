// The precision label follows the scroll bar, 0 to 15, with its right edge fixed.
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "windowTestSupport.h"

namespace vennick::testing {
namespace {

struct Move {
  const char* name;
  Qt::Key key;  // Qt::Key_unknown: no key, the position after start
  int presses;
  const char* shown;
};

class PrecisionLabel : public WindowTest, public ::testing::WithParamInterface<Move> {};

TEST_P(PrecisionLabel, ShowsTheScrollBarPosition) {
  auto* bar = find<QScrollBar>("precisionScrollBar");
  bar->setFocus();
  for (int i = 0; i < GetParam().presses; ++i) QTest::keyClick(bar, GetParam().key);
  auto* label = find<QLabel>("precisionLabel");
  EXPECT_EQ(label->text(), QString::fromLatin1(GetParam().shown));
  EXPECT_EQ(bar->value(), label->text().toInt());
  EXPECT_EQ(label->x() + label->width(), 307);
  EXPECT_LE(label->sizeHint().width(), label->width());
}

INSTANTIATE_TEST_SUITE_P(Positions, PrecisionLabel,
                         ::testing::Values(Move{"AfterStart", Qt::Key_unknown, 0, "8"},
                                           Move{"LeftEnd", Qt::Key_Home, 1, "0"},
                                           Move{"RightEnd", Qt::Key_End, 1, "15"},
                                           Move{"PastTheRightEnd", Qt::Key_Right, 9, "15"},
                                           Move{"PastTheLeftEnd", Qt::Key_Left, 9, "0"},
                                           Move{"OneStepRight", Qt::Key_Right, 1, "9"},
                                           Move{"OneStepUp", Qt::Key_Up, 1, "7"},
                                           Move{"OnePageDown", Qt::Key_PageDown, 1, "9"},
                                           Move{"OnePageUp", Qt::Key_PageUp, 1, "7"}),
                         [](const ::testing::TestParamInfo<Move>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vennick::testing
