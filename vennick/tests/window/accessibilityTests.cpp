// What a screen reader reads: every control of the press window by a name, the boxes by their
// captions, which are their buddies, and the operation rows added at run time like row 1.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "accessibilityChecks.h"
#include "windowTestSupport.h"

namespace vennick::testing {
namespace {

struct Named {
  const char* name;
  const char* accessibleName;
  const char* caption;  // the label whose buddy the control is; nullptr where none captions it
};

void PrintTo(const Named& row, std::ostream* out) { *out << row.name; }

const Named kNamed[] = {
    {"crankPressTypeComboBox", "Crank press type:", "Label1"},
    {"connectingRodLengthTextBox", "Connecting Rod Length", "Label2"},
    {"crankshaftStrokeTextBox", "Crankshaft Stroke", "Label6"},
    {"revolveRateTextBox", "Revolve Rate", "Label9"},
    {"displacementRadioButton", "Displacement", nullptr},
    {"velocityRadioButton", "Velocity", nullptr},
    {"accelerationRadioButton", "Acceleration", nullptr},
    {"precisionScrollBar", "Precision", "Label13"},
    // Read as one line, although the captions are broken over two.
    {"addOperationButton", "Add operation", nullptr},
    {"removeOperationButton", "Remove operation", nullptr},
    {"Button1", "Solve", nullptr},
    {"DriveComboBox1", "Drive", nullptr},
    {"DirectoryListBox1", "Folder", nullptr},
    {"FileListBox1", "Files", nullptr},
    {"FilterComboBox1", "File type", nullptr},
    {"Memo1", "Results", nullptr},
};

class NamedControl : public WindowTest, public ::testing::WithParamInterface<Named> {};

TEST_P(NamedControl, IsReadByItsCaption) {
  const Named& row = GetParam();
  QWidget* widget = find(QString::fromLatin1(row.name));
  ASSERT_NE(widget, nullptr) << row.name;
  EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(row.accessibleName));
  if (row.caption != nullptr) {
    auto* caption = find<QLabel>(QString::fromLatin1(row.caption));
    ASSERT_NE(caption, nullptr) << row.caption;
    EXPECT_EQ(caption->buddy(), widget);
    EXPECT_TRUE(shell_qt_tests::labelledBy(*widget, *caption));
  }
}

INSTANTIATE_TEST_SUITE_P(Vennick, NamedControl, ::testing::ValuesIn(kNamed),
                         [](const auto& info) { return std::string(info.param.name); });

class RowNamesTest : public WindowTest {
 protected:
  // Row k's four boxes as a screen reader reads them, and the box its label is the buddy of.
  QStringList rowNames(int row) const {
    QStringList names;
    for (const char* prefix : {"deltaH", "nbrOfDivisionLoad", "unloadTime", "nbrOfDivisionUnload"}) {
      auto* box = find<QLineEdit>(QStringLiteral("%1%2TextBox").arg(QLatin1String(prefix)).arg(row));
      names << (box != nullptr ? box->accessibleName() : QString());
    }
    return names;
  }
  QString buddyOfRowLabel(int row) const {
    auto* label = find<QLabel>(QStringLiteral("operation%1Label").arg(row));
    return label != nullptr && label->buddy() != nullptr ? label->buddy()->objectName() : QString();
  }
  void addRows(int count) {
    for (int i = 0; i < count; ++i) QTest::mouseClick(find("addOperationButton"), Qt::LeftButton);
  }
};

TEST_F(RowNamesTest, EveryControlHasAnAccessibleNameAlsoAfterRowsAreAdded) {
  EXPECT_EQ(shell_qt_tests::unnamedControls(*window), QStringList());
  addRows(2);
  ASSERT_EQ(window->operationCount(), 3);
  EXPECT_EQ(shell_qt_tests::unnamedControls(*window), QStringList());
}

TEST_F(RowNamesTest, RowsAddedAtRunTimeAreNamedLikeRowOne) {
  addRows(2);
  for (int row = 1; row <= 3; ++row) {
    const QString operation = QStringLiteral("Operation #%1 ").arg(row);
    EXPECT_EQ(rowNames(row), QStringList({operation + QStringLiteral("height \u0394h [mm]"),
                                          operation + QStringLiteral("# of division"),
                                          operation + QStringLiteral("unload time [s]"),
                                          operation + QStringLiteral("unload # of division")}))
        << row;
    EXPECT_EQ(buddyOfRowLabel(row), QStringLiteral("deltaH%1TextBox").arg(row));
  }
}

TEST_F(RowNamesTest, ARowAddedAgainAfterARemovalIsNamedAgain) {
  addRows(1);
  QTest::mouseClick(find("removeOperationButton"), Qt::LeftButton);
  addRows(1);
  EXPECT_EQ(rowNames(2).first(), QStringLiteral("Operation #2 height \u0394h [mm]"));
  EXPECT_EQ(buddyOfRowLabel(2), QStringLiteral("deltaH2TextBox"));
}

// The text field of the press list is where the focus goes: it is read like its list.
TEST_F(WindowTest, ThePressListsTextFieldIsReadLikeTheList) {
  EXPECT_EQ(find<QComboBox>("crankPressTypeComboBox")->lineEdit()->accessibleName(), "Crank press type:");
}

// The labels with a buddy are the captions of the machine inputs, the press list, the precision
// and the row labels; none of them shows an access key.
TEST_F(RowNamesTest, OnlyTheCaptionsHaveBuddiesAndNoneHasAnAccessKey) {
  addRows(1);
  QStringList withBuddy;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->buddy() == nullptr) continue;
    withBuddy << label->objectName();
    EXPECT_FALSE(label->text().contains(QLatin1Char('&'))) << label->objectName().toStdString();
  }
  withBuddy.sort();
  EXPECT_EQ(withBuddy,
            QStringList({"Label1", "Label13", "Label2", "Label6", "Label9", "operation1Label", "operation2Label"}));
}

}  // namespace
}  // namespace vennick::testing
