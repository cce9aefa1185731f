// Adding and removing operation rows: names, places, type, kept texts, tab order, scrolling.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "windowFonts.h"
#include "windowTestSupport.h"

namespace vennick::testing {
namespace {

const QStringList kBoxPrefixes{"deltaH", "nbrOfDivisionLoad", "unloadTime", "nbrOfDivisionUnload"};

QStringList rowNames(int row) {
  QStringList names{QStringLiteral("operation%1Label").arg(row)};
  for (const QString& prefix : kBoxPrefixes) names.append(prefix + QString::number(row) + QStringLiteral("TextBox"));
  return names;
}

class RowsTest : public WindowTest {
 protected:
  void add(int times = 1) {
    for (int i = 0; i < times; ++i) QTest::mouseClick(find("addOperationButton"), Qt::LeftButton);
  }
  void remove(int times = 1) {
    for (int i = 0; i < times; ++i) QTest::mouseClick(find("removeOperationButton"), Qt::LeftButton);
  }
  bool rowExists(int row) const {
    for (const QString& name : rowNames(row)) {
      if (find(name) == nullptr) return false;
    }
    return true;
  }
  bool rowGone(int row) const {
    for (const QString& name : rowNames(row)) {
      if (find(name) != nullptr) return false;
    }
    return true;
  }
};

TEST_F(RowsTest, TwoAddsPlaceRowsTwoAndThreeUnderRowOne) {
  add(2);
  EXPECT_EQ(window->operationCount(), 3);
  const int naturalHeight = [] {
    QLineEdit probe;
    probe.setFont(shell::qt::windowFont(10));
    return probe.sizeHint().height();
  }();
  for (int row : {2, 3}) {
    const int below = 30 * (row - 1);
    auto* label = find<QLabel>(QStringLiteral("operation%1Label").arg(row));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Operation #%1").arg(row));
    EXPECT_EQ(label->pos(), QPoint(4, 44 + below));
    EXPECT_EQ(label->font().pointSize(), 10);
    EXPECT_TRUE(label->isVisible());
    const int lefts[] = {104, 176, 240, 300};
    const int widths[] = {60, 48, 48, 48};
    for (int i = 0; i < 4; ++i) {
      auto* box = find<QLineEdit>(kBoxPrefixes[i] + QString::number(row) + QStringLiteral("TextBox"));
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->geometry(), QRect(lefts[i], 40 + below, widths[i], naturalHeight)) << box->objectName().toStdString();
      EXPECT_EQ(box->font().pointSize(), 10);
      EXPECT_EQ(box->text(), QString());
      EXPECT_TRUE(box->isVisible());
    }
  }
  // Row 1's boxes keep the window font.
  EXPECT_EQ(find("deltaH1TextBox")->font().pointSize(), 8);
}

TEST_F(RowsTest, RemoveNeverTakesRowOne) {
  remove(2);
  EXPECT_EQ(window->operationCount(), 1);
  EXPECT_TRUE(rowExists(1));
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(RowsTest, RemoveDestroysExactlyTheLastRowAtOnce) {
  add(2);
  find<QLineEdit>("deltaH1TextBox")->setText(QStringLiteral("20"));
  find<QLineEdit>("unloadTime2TextBox")->setText(QStringLiteral("0.5"));
  find<QLineEdit>("deltaH3TextBox")->setText(QStringLiteral("7"));
  remove();
  // Looked up right away, without an event loop in between.
  EXPECT_TRUE(rowGone(3));
  EXPECT_EQ(window->operationCount(), 2);
  EXPECT_TRUE(rowExists(2));
  EXPECT_EQ(find<QLineEdit>("deltaH1TextBox")->text(), QStringLiteral("20"));
  EXPECT_EQ(find<QLineEdit>("unloadTime2TextBox")->text(), QStringLiteral("0.5"));
}

TEST_F(RowsTest, ARowAddedAgainStartsEmpty) {
  add();
  find<QLineEdit>("deltaH2TextBox")->setText(QStringLiteral("20"));
  find<QLineEdit>("nbrOfDivisionUnload2TextBox")->setText(QStringLiteral("3"));
  remove();
  add();
  ASSERT_TRUE(rowExists(2));
  for (const QString& prefix : kBoxPrefixes)
    EXPECT_EQ(find<QLineEdit>(prefix + QStringLiteral("2TextBox"))->text(), QString());
  EXPECT_EQ(window->findChildren<QLineEdit*>(QStringLiteral("deltaH2TextBox")).size(), 1);
}

TEST_F(RowsTest, RowTenIsNamedByItsNumber) {
  add(9);
  EXPECT_TRUE(rowExists(10));
  EXPECT_EQ(find<QLabel>("operation10Label")->text(), QStringLiteral("Operation #10"));
  EXPECT_EQ(find("operation10Label")->y(), 44 + 9 * 30);
}

TEST_F(RowsTest, TabRunsThroughEachRowAndThenOnToTheMemo) {
  add(2);
  find("nbrOfDivisionUnload1TextBox")->setFocus();
  QStringList visited;
  for (int i = 0; i < 9; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.append(focusName());
  }
  const QStringList expected{"deltaH2TextBox", "nbrOfDivisionLoad2TextBox", "unloadTime2TextBox",
                             "nbrOfDivisionUnload2TextBox", "deltaH3TextBox", "nbrOfDivisionLoad3TextBox",
                             "unloadTime3TextBox", "nbrOfDivisionUnload3TextBox", "Memo1"};
  EXPECT_EQ(visited, expected);
}

TEST_F(RowsTest, TheBoxScrollsAndARowAddedWhileScrolledLinesUpUnderTheOthers) {
  auto* box = find<QScrollArea>("operationsSettingsGroupBox");
  QScrollBar* bar = box->verticalScrollBar();
  EXPECT_EQ(bar->maximum(), 0);
  add(5);
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());
  QApplication::processEvents();
  add();
  QWidget* previous = find("deltaH6TextBox");
  QWidget* added = find("deltaH7TextBox");
  const QPoint previousInView = previous->mapTo(box->viewport(), QPoint(0, 0));
  const QPoint addedInView = added->mapTo(box->viewport(), QPoint(0, 0));
  EXPECT_EQ(addedInView.y() - previousInView.y(), 30);
  EXPECT_EQ(addedInView.x(), previousInView.x());
  // The scroll range takes in the new row: it can be brought into sight.
  bar->setValue(bar->maximum());
  QApplication::processEvents();
  EXPECT_LE(added->mapTo(box->viewport(), QPoint(0, added->height())).y(), box->viewport()->height());
}

}  // namespace
}  // namespace vennick::testing
