// Memo1's lines: held once with CR LF after each, published to the view in one step, edited in
// place, copied as text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

#include "memo/memoLines.h"
#include "memo/memoView.h"

namespace vennick {
namespace {

TEST(MemoLines, AppendedLinesReachTheViewOnlyWhenPublished) {
  MemoLines memo;
  memo.setLines({QStringLiteral("Memo1")});
  memo.clear();
  memo.append("0 1.5");
  memo.append("0.1 -2");
  EXPECT_EQ(memo.rowCount(), 0);
  EXPECT_EQ(memo.lineCount(), 2u);
  memo.publish();
  ASSERT_EQ(memo.rowCount(), 2);
  EXPECT_EQ(memo.index(1).data().toString(), QStringLiteral("0.1 -2"));
}

TEST(MemoLines, FileBytesEndEveryLineWithCarriageReturnAndLineFeed) {
  MemoLines memo;
  memo.append("0 604.8655");
  memo.append("");
  memo.append("N=70 ,L_cr=1070 z_cs=320");
  EXPECT_EQ(memo.fileBytes(), QByteArray("0 604.8655\r\n\r\nN=70 ,L_cr=1070 z_cs=320\r\n"));
}

TEST(MemoLines, FileBytesOfTextOutsideAsciiAreInTheLocalEightBitEncoding) {
  MemoLines memo;
  memo.append(QStringLiteral("N=70 \u00B5").toStdString());
  EXPECT_EQ(memo.fileBytes(), QStringLiteral("N=70 \u00B5\r\n").toLocal8Bit());
}

struct EditCase {
  const char* name;
  int row;
  QString text;
  QStringList expected;
  QString longest;  // the line that sets the width of the view's rows afterwards
};

class MemoLineEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(MemoLineEdit, ChangesOnlyThatLine) {
  const EditCase& c = GetParam();
  MemoLines memo;
  memo.setLines({QStringLiteral("first"), QStringLiteral("second line"), QStringLiteral("third")});
  ASSERT_TRUE(memo.setData(memo.index(c.row), c.text, Qt::EditRole));
  EXPECT_EQ(memo.lines(), c.expected);
  QByteArray file;
  for (const QString& line : c.expected) file += line.toUtf8() + "\r\n";
  EXPECT_EQ(memo.fileBytes(), file);
  EXPECT_EQ(memo.longestLine(), c.longest);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MemoLineEdit,
    ::testing::Values(
        EditCase{"Shorter", 1, QStringLiteral("2"), {"first", "2", "third"}, "first"},
        EditCase{"Longer", 0, QStringLiteral("the first line, longer"), {"the first line, longer", "second line", "third"},
                 "the first line, longer"},
        EditCase{"Emptied", 1, QString(), {"first", "", "third"}, "first"},
        EditCase{"LastLine", 2, QStringLiteral("end"), {"first", "second line", "end"}, "second line"},
        EditCase{"LineBreaksBecomeBlanks", 0, QStringLiteral("a\r\nb"), {"a  b", "second line", "third"},
                 "second line"}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

class MemoViewCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    memo.setLines({QStringLiteral("l0"), QStringLiteral("l1"), QStringLiteral("l2"), QStringLiteral("l3")});
    view.setModel(&memo);
    view.resize(200, 100);
    view.show();
    QApplication::clipboard()->clear();
  }
  void select(int row, QItemSelectionModel::SelectionFlags flags) {
    view.selectionModel()->select(memo.index(row), flags);
  }
  MemoLines memo;
  MemoView view;
};

TEST_F(MemoViewCopy, CtrlCCopiesTheSelectedLinesInTheirOrder) {
  // Selected from the bottom up and with a gap: the copy still reads top to bottom.
  select(3, QItemSelectionModel::Select);
  select(1, QItemSelectionModel::Select);
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("l1\nl3"));
}

TEST(MemoViewWidth, ScrollsToTheEndOfTheLongestLine) {
  MemoLines memo;
  const QString longest = QStringLiteral("0.428571428571429 -872.447412345678 and a note that runs on");
  memo.setLines({QStringLiteral("0 1"), longest, QStringLiteral("0.1 2")});
  MemoView view;
  view.setModel(&memo);
  view.resize(201, 89);
  view.show();
  QApplication::processEvents();
  const int needed = view.fontMetrics().horizontalAdvance(longest);
  EXPECT_GE(view.horizontalScrollBar()->maximum() + view.viewport()->width(), needed);
  EXPECT_GE(view.visualRect(memo.index(0)).width(), needed);
}

TEST_F(MemoViewCopy, CtrlACtrlCCopiesEveryLine) {
  QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("l0\nl1\nl2\nl3"));
}

}  // namespace
}  // namespace vennick
