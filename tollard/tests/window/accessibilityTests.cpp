// What a screen reader reads: every control of the window by a name, the boxes by their
// captions, which are their buddies.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "accessibilityChecks.h"
#include "windowFixture.h"

namespace tollard::test {
namespace {

struct Named {
  const char* name;
  const char* accessibleName;
  const char* caption;  // the label whose buddy the control is; nullptr where none captions it
};

const Named kNamed[] = {
    {"forgingVolumeTextBox", "Forging Volume", "Label1"},
    {"materialAdditionTextBox", "Material Addition", "Label6"},
    {"requestedRatioTextBox", "Requested Ratio", "Label9"},
    {"RodTypeComboBox", "Rod Type", "Label13"},
    {"Button1", "Solve", nullptr},
    {"rodDiameterTextBox", "Rod Diameter", "Label14"},
    {"rodLengthTextBox", "Rod Length", "Label15"},
    {"rodUpsettingRatioTextBox", "Upsetting Ratio", "Label16"},
    {"rodVolumeTextBox", "Rod Volume", "Label17"},
    {"Memo1", "Results", nullptr},
};

class NamedControl : public SizingWindowTest, public ::testing::WithParamInterface<Named> {};

TEST_P(NamedControl, IsReadByItsCaption) {
  const Named& row = GetParam();
  QWidget* widget = control(row.name);
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(row.accessibleName));
  if (row.caption != nullptr) {
    auto* caption = control<QLabel>(row.caption);
    EXPECT_EQ(caption->buddy(), widget);
    EXPECT_TRUE(shell_qt_tests::labelledBy(*widget, *caption));
  }
}

INSTANTIATE_TEST_SUITE_P(Tollard, NamedControl, ::testing::ValuesIn(kNamed),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SizingWindowTest, EveryControlOfTheClientAreaHasAnAccessibleName) {
  form->show();
  EXPECT_EQ(shell_qt_tests::unnamedControls(*form->centralWidget()), QStringList());
  // The text field of the bar standard is where the focus goes: it is read like its drop-down.
  EXPECT_EQ(control<QComboBox>("RodTypeComboBox")->lineEdit()->accessibleName(), "Rod Type");
}

// The only labels with a buddy are the eight captions; none of them shows an access key.
TEST_F(SizingWindowTest, OnlyTheCaptionsHaveBuddiesAndNoneHasAnAccessKey) {
  QStringList withBuddy;
  for (QLabel* label : form->findChildren<QLabel*>()) {
    if (label->buddy() == nullptr) continue;
    withBuddy << label->objectName();
    EXPECT_FALSE(label->text().contains(QLatin1Char('&'))) << label->objectName().toStdString();
  }
  withBuddy.sort();
  EXPECT_EQ(withBuddy, QStringList({"Label1", "Label13", "Label14", "Label15", "Label16", "Label17", "Label6", "Label9"}));
}

}  // namespace
}  // namespace tollard::test
