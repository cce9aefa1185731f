// The press presets: every change of the press list's text, compared exactly, fills and locks
// the machine inputs or empties and unlocks them.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QTest>

#include "windowTestSupport.h"

namespace vennick::testing {
namespace {

struct MachineInputs {
  bool enabled;
  QString rodLength, stroke, revolveRate;
};

class PresetTest : public WindowTest {
 protected:
  QComboBox* press() const { return find<QComboBox>("crankPressTypeComboBox"); }
  MachineInputs inputs() const {
    auto* rod = find<QLineEdit>("connectingRodLengthTextBox");
    auto* stroke = find<QLineEdit>("crankshaftStrokeTextBox");
    auto* rate = find<QLineEdit>("revolveRateTextBox");
    EXPECT_EQ(rod->isEnabled(), stroke->isEnabled());
    EXPECT_EQ(rod->isEnabled(), rate->isEnabled());
    return {rod->isEnabled(), rod->text(), stroke->text(), rate->text()};
  }
  void expectInputs(const MachineInputs& expected, const std::string& when) const {
    const MachineInputs now = inputs();
    EXPECT_EQ(now.enabled, expected.enabled) << when;
    EXPECT_EQ(now.rodLength, expected.rodLength) << when;
    EXPECT_EQ(now.stroke, expected.stroke) << when;
    EXPECT_EQ(now.revolveRate, expected.revolveRate) << when;
  }
  // Picks an item as the user does: open the list, move to the item, Enter.
  void pick(const QString& item) {
    press()->setFocus();
    press()->showPopup();
    QWidget* popup = press()->view();
    for (int i = 0; i < press()->count() + 1; ++i) QTest::keyClick(popup, Qt::Key_Up);
    for (int i = 0; i < press()->findText(item); ++i) QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    ASSERT_EQ(press()->currentText(), item);
  }
  void typeKeys(const QString& text) {
    for (const QChar c : text) QTest::keyClicks(press()->lineEdit(), QString(c));
  }
  const MachineInputs kEmpty{true, {}, {}, {}};
  const MachineInputs kLzk2500{false, "1070", "320", "70"};
  const MachineInputs kLdo315A{false, "885", "200", "44"};
};

TEST_F(PresetTest, PickingAModelFillsAndLocksPickingUserDefinedEmptiesAndUnlocks) {
  pick(QStringLiteral("LZK 2500"));
  expectInputs(kLzk2500, "LZK 2500");
  pick(QStringLiteral("LDO 315A"));
  expectInputs(kLdo315A, "LDO 315A");
  pick(QStringLiteral("User defined"));
  expectInputs(kEmpty, "User defined");
}

TEST_F(PresetTest, TypingAModelNameKeyByKeyPresetsOnlyAtTheWholeName) {
  press()->setFocus();
  const QString name = QStringLiteral("LDO 315A");
  for (qsizetype n = 1; n <= name.size(); ++n) {
    typeKeys(name.mid(n - 1, 1));
    ASSERT_EQ(press()->currentText(), name.left(n));
    expectInputs(n < name.size() ? kEmpty : kLdo315A, name.left(n).toStdString());
  }
  typeKeys(QStringLiteral("x"));
  expectInputs(kEmpty, "one key more");
  QTest::keyClick(press()->lineEdit(), Qt::Key_Backspace);
  expectInputs(kLdo315A, "back to the whole name");
}

TEST_F(PresetTest, ANameInOtherLetterCaseIsNoPreset) {
  press()->setFocus();
  typeKeys(QStringLiteral("lzk 2500"));
  expectInputs(kEmpty, "lzk 2500");
  EXPECT_EQ(press()->count(), 3);
}

TEST_F(PresetTest, AnyOtherTextEmptiesValuesTheUserTyped) {
  find<QLineEdit>("connectingRodLengthTextBox")->setText(QStringLiteral("900"));
  find<QLineEdit>("revolveRateTextBox")->setText(QStringLiteral("50"));
  press()->setFocus();
  typeKeys(QStringLiteral("M"));
  expectInputs(kEmpty, "after typing M");
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(PresetTest, SetsTheEnabledStateBeforeTheTexts) {
  auto* rod = find<QLineEdit>("connectingRodLengthTextBox");
  std::vector<std::pair<QString, bool>> seen;  // each new text with the enabled state at that moment
  QObject::connect(rod, &QLineEdit::textChanged, [&](const QString& text) { seen.emplace_back(text, rod->isEnabled()); });
  pick(QStringLiteral("LZK 2500"));
  pick(QStringLiteral("User defined"));
  const std::vector<std::pair<QString, bool>> expected{{"1070", false}, {"", true}};
  EXPECT_EQ(seen, expected);
}

TEST_F(PresetTest, LeavesQuantityPrecisionAndRowsAlone) {
  find<QLineEdit>("deltaH1TextBox")->setText(QStringLiteral("20"));
  window->accelerationRadioButton->setChecked(true);
  window->addOperationButtonClick();
  pick(QStringLiteral("LZK 2500"));
  EXPECT_TRUE(window->accelerationRadioButton->isChecked());
  EXPECT_EQ(window->operationCount(), 2);
  EXPECT_EQ(find<QLineEdit>("deltaH1TextBox")->text(), QStringLiteral("20"));
  EXPECT_EQ(window->precisionLabel->text(), QStringLiteral("8"));
}

}  // namespace
}  // namespace vennick::testing
