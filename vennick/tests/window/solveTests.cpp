// Solve through the window: the result files in the folder list's folder, the memo, the boxes
// and the focus of a refused row, a failure that reaches the failure report.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "fileFaults.h"
#include "folderBrowser/directoryListBox.h"
#include "folderBrowser/fileListBox.h"
#include "memo/memoLines.h"
#include "memo/memoView.h"
#include "windowTestSupport.h"

namespace vennick::testing {
namespace {

class SolveTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(QDir(temporary.path()).mkdir(QStringLiteral("out")));
    output = QDir(temporary.path()).filePath(QStringLiteral("out"));
    window->DirectoryListBox1->setDirectory(output);
  }
  void setText(const char* name, const QString& text) { find<QLineEdit>(name)->setText(text); }
  void pickPress(const QString& press) { window->crankPressTypeComboBox->setCurrentIndex(window->crankPressTypeComboBox->findText(press)); }
  void setPrecision(int places) { window->precisionScrollBar->setValue(places); }
  // The worked example's row: height 20, 2 load divisions, unload 0.1 s in 2 divisions.
  void workedRow(int row, QChar point) {
    const QString k = QString::number(row);
    setText(("deltaH" + k + "TextBox").toLatin1(), QStringLiteral("20"));
    setText(("nbrOfDivisionLoad" + k + "TextBox").toLatin1(), QStringLiteral("2"));
    setText(("unloadTime" + k + "TextBox").toLatin1(), QStringLiteral("0") + point + QStringLiteral("1"));
    setText(("nbrOfDivisionUnload" + k + "TextBox").toLatin1(), QStringLiteral("2"));
  }
  void solve() { QTest::mouseClick(find("Button1"), Qt::LeftButton); }
  QByteArray fileBytes(const QString& name) const {
    QFile file(QDir(output).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  bool fileExists(const QString& name) const { return QFile::exists(QDir(output).filePath(name)); }

  QString output;
};

struct Worked {
  const char* name;
  const char* radio;
  char separator;
  const char* file;
  QStringList lines;
};

class WorkedExample : public SolveTest, public ::testing::WithParamInterface<Worked> {};

TEST_P(WorkedExample, WritesTheResultFileAndShowsItsLines) {
  const Worked& w = GetParam();
  separator = w.separator;
  pickPress(QStringLiteral("LZK 2500"));
  find<QRadioButton>(w.radio)->setChecked(true);
  setPrecision(4);
  workedRow(1, QLatin1Char(w.separator));
  solve();
  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_TRUE(boxes.reports.empty());
  QByteArray expected;
  for (const QString& line : w.lines) expected += line.toLatin1() + "\r\n";
  EXPECT_EQ(fileBytes(QString::fromLatin1(w.file)), expected);
  EXPECT_EQ(window->memoLines().lines(), w.lines);
  EXPECT_EQ(window->memoLines().rowCount(), w.lines.size());
  // The file list shows the new file at once.
  EXPECT_TRUE(window->FileListBox1->fileNames().contains(QString::fromLatin1(w.file)));
}

INSTANTIATE_TEST_SUITE_P(
    Quantities, WorkedExample,
    ::testing::Values(
        Worked{"Velocity",
               "velocityRadioButton",
               '.',
               "amplitude_velocity_operation1_LZK2500.txt",
               {"0 604.8655", "0.0322 314.3626", "0.0644 0", "0.1144 -479.0768", "0.1644 -872.4474"}},
        Worked{"VelocityWithComma",
               "velocityRadioButton",
               ',',
               "amplitude_velocity_operation1_LZK2500.txt",
               {"0 604,8655", "0,0322 314,3626", "0,0644 0", "0,1144 -479,0768", "0,1644 -872,4474"}},
        Worked{"Displacement",
               "displacementRadioButton",
               '.',
               "amplitude_displacement_operation1_LZK2500.txt",
               {"0 1210", "0.0322 1224.903", "0.0644 1230", "0.1144 1217.8354", "0.1644 1183.5336"}},
        Worked{"Acceleration",
               "accelerationRadioButton",
               '.',
               "amplitude_acceleration_operation1_LZK2500.txt",
               {"0 -8415.8834", "0.0322 -9505.866", "0.0644 -9883.1328", "0.1144 -8986.4796", "0.1644 -6531.4809"}}),
    [](const ::testing::TestParamInfo<Worked>& info) { return std::string(info.param.name); });

TEST_F(SolveTest, TypedPressDataEndTheFileWithTheTextsAsTyped) {
  find<QComboBox>("crankPressTypeComboBox")->setEditText(QStringLiteral("lzk 2500"));
  setText("revolveRateTextBox", QStringLiteral("70"));
  setText("connectingRodLengthTextBox", QStringLiteral("1070"));
  setText("crankshaftStrokeTextBox", QStringLiteral("320"));
  setPrecision(4);
  workedRow(1, QLatin1Char('.'));
  solve();
  const QByteArray file = fileBytes(QStringLiteral("amplitude_velocity_operation1_USER.txt"));
  EXPECT_TRUE(file.endsWith("-872.4474\r\n\r\nN=70 ,L_cr=1070 z_cs=320\r\n")) << file.toStdString();
}

TEST_F(SolveTest, TwoRowsTheSecondRefusedKeepsTheFirstFileAndEmptiesTheMemo) {
  pickPress(QStringLiteral("LZK 2500"));
  setPrecision(4);
  window->addOperationButtonClick();
  workedRow(1, QLatin1Char('.'));
  workedRow(2, QLatin1Char('.'));
  setText("deltaH2TextBox", QStringLiteral("0"));
  solve();
  EXPECT_EQ(boxes.errors, std::vector<std::string>{"A distance has to be in a range (0; z>!"});
  EXPECT_EQ(focusName(), QStringLiteral("deltaH2TextBox"));
  EXPECT_TRUE(fileExists(QStringLiteral("amplitude_velocity_operation1_LZK2500.txt")));
  EXPECT_FALSE(fileExists(QStringLiteral("amplitude_velocity_operation2_LZK2500.txt")));
  EXPECT_EQ(window->memoLines().rowCount(), 0);
}

TEST_F(SolveTest, TheMemoShowsTheLastOperationsLines) {
  pickPress(QStringLiteral("LZK 2500"));
  setPrecision(4);
  window->addOperationButtonClick();
  workedRow(1, QLatin1Char('.'));
  workedRow(2, QLatin1Char('.'));
  setText("nbrOfDivisionLoad2TextBox", QStringLiteral("0"));
  setText("unloadTime2TextBox", QString());
  solve();
  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_EQ(window->memoLines().lines(), (QStringList{"0 604.8655", "0.0644 0"}));
  EXPECT_EQ(fileBytes(QStringLiteral("amplitude_velocity_operation2_LZK2500.txt")), QByteArray("0 604.8655\r\n0.0644 0\r\n"));
}

struct RowRefusal {
  const char* name;
  const char* box;
  const char* text;
  const char* message;
  const char* focus;  // where the focus is after the box
};

class RefusedRow : public SolveTest, public ::testing::WithParamInterface<RowRefusal> {};

TEST_P(RefusedRow, ShowsTheMessageAndFocusesTheBoxThatFailed) {
  const RowRefusal& r = GetParam();
  pickPress(QStringLiteral("LZK 2500"));
  // The refused row is the fourth, below the visible part of the box.
  for (int i = 0; i < 3; ++i) window->addOperationButtonClick();
  for (int row = 1; row <= 4; ++row) workedRow(row, QLatin1Char('.'));
  setText(r.box, QString::fromLatin1(r.text));
  solve();
  EXPECT_EQ(boxes.errors, std::vector<std::string>{r.message});
  EXPECT_EQ(focusName(), QString::fromLatin1(r.focus));
  EXPECT_TRUE(boxes.reports.empty());
  EXPECT_FALSE(fileExists(QStringLiteral("amplitude_velocity_operation4_LZK2500.txt")));
  if (QString::fromLatin1(r.focus) != QLatin1String("Button1")) {
    // Scrolled into sight.
    auto* box = window->operationsSettingsGroupBox;
    QWidget* focused = find(r.focus);
    const QRect inView(focused->mapTo(box->viewport(), QPoint(0, 0)), focused->size());
    EXPECT_TRUE(box->viewport()->rect().contains(inView));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedRow,
    ::testing::Values(
        RowRefusal{"HeightZero", "deltaH4TextBox", "0", "A distance has to be in a range (0; z>!", "deltaH4TextBox"},
        RowRefusal{"HeightAboveStroke", "deltaH4TextBox", "320.001", "A distance has to be in a range (0; z>!",
                   "deltaH4TextBox"},
        RowRefusal{"LoadDivisionsNegative", "nbrOfDivisionLoad4TextBox", "-1",
                   "A number of division has to be positive!", "nbrOfDivisionLoad4TextBox"},
        RowRefusal{"UnloadTimeNegative", "unloadTime4TextBox", "-0.1", "An unload time has to be positive or zero!",
                   "unloadTime4TextBox"},
        RowRefusal{"UnloadDivisionsNegative", "nbrOfDivisionUnload4TextBox", "-2",
                   "A number of division has to be positive!", "nbrOfDivisionUnload4TextBox"},
        RowRefusal{"LoadDivisionsEmpty", "nbrOfDivisionLoad4TextBox", "", "Input Error!", "Button1"},
        RowRefusal{"HeightNotANumber", "deltaH4TextBox", "2O", "Input Error!", "Button1"}),
    [](const ::testing::TestParamInfo<RowRefusal>& info) { return std::string(info.param.name); });

TEST_F(SolveTest, AResultFileThatCannotBeWrittenGoesToTheFailureReport) {
  pickPress(QStringLiteral("LZK 2500"));
  setPrecision(4);
  workedRow(1, QLatin1Char('.'));
  // The chosen folder is gone by the time Solve writes into it.
  ASSERT_TRUE(QDir(output).removeRecursively());
  solve();
  EXPECT_TRUE(boxes.errors.empty());
  ASSERT_EQ(boxes.reports.size(), 1u);
  EXPECT_EQ(boxes.reports[0].rfind("Cannot create file \"" + output.toStdString() + "/amplitude_velocity_operation1_LZK2500.txt\"", 0), 0u)
      << boxes.reports[0];
  // The lines of the operation stay in the memo.
  EXPECT_EQ(window->memoLines().rowCount(), 5);
}

TEST_F(SolveTest, ADiskThatFillsUpMidWriteKeepsTheEarlierResultFile) {
  pickPress(QStringLiteral("LZK 2500"));
  workedRow(1, QLatin1Char('.'));
  setText("nbrOfDivisionLoad1TextBox", QStringLiteral("2000"));  // some 50 kB of lines
  const std::string file = output.toStdString() + "/amplitude_velocity_operation1_LZK2500.txt";
  fileFaults::writeFile(file, fileFaults::kEarlier);
  {
    fileFaults::FileSizeLimit limit(4096);
    solve();
  }
  ASSERT_EQ(boxes.reports.size(), 1u);
  EXPECT_EQ(boxes.reports[0].rfind("Cannot create file \"" + file + "\". ", 0), 0u) << boxes.reports[0];
  EXPECT_EQ(fileFaults::readFile(file), fileFaults::kEarlier);
}

TEST_F(SolveTest, AMillionLinesAreShownAndScrollToTheLast) {
  pickPress(QStringLiteral("LZK 2500"));
  setText("deltaH1TextBox", QStringLiteral("320"));
  setText("nbrOfDivisionLoad1TextBox", QStringLiteral("1000000"));
  solve();
  ASSERT_TRUE(boxes.errors.empty());
  EXPECT_EQ(window->memoLines().rowCount(), 1000001);
  QApplication::processEvents();
  window->Memo1->scrollToBottom();
  QApplication::processEvents();
  const QRect lastPlace = window->Memo1->visualRect(window->memoLines().index(1000000));
  EXPECT_TRUE(window->Memo1->viewport()->rect().contains(lastPlace));
  const QModelIndex last = window->Memo1->indexAt(lastPlace.center());
  EXPECT_EQ(last.row(), 1000000);
  EXPECT_EQ(last.data().toString(), window->memoLines().line(1000000));
  EXPECT_TRUE(last.data().toString().startsWith(QStringLiteral("0.42857143 ")));
}

}  // namespace
}  // namespace vennick::testing
