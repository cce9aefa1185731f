// File, Print and Print Setup: the Report lines printed to a PDF file and read back.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>

#include "windowFixture.h"

namespace tollard::test {
namespace {

QString runTool(const char* tool, const QStringList& arguments) {
  QProcess process;
  process.start(QString::fromLatin1(tool), arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return "<" + QString::fromLatin1(tool) + " failed>";
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, its lines without the blank ones.
QList<QStringList> pagesOf(const QString& pdf) {
  QList<QStringList> pages;
  // Layout mode keeps each printed line as it is (the plain mode joins a line ending in "-"
  // to the next one).
  QStringList pageTexts = runTool(TV_PDFTOTEXT, {"-layout", pdf, "-"}).split('\f');
  if (!pageTexts.isEmpty() && pageTexts.last().trimmed().isEmpty()) pageTexts.removeLast();
  for (const QString& text : pageTexts) {
    QStringList lines;
    for (const QString& line : text.split('\n')) {
      if (!line.trimmed().isEmpty()) lines << line;
    }
    pages << lines;
  }
  return pages;
}

int pageCount(const QString& pdf) {
  const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
  return pages.match(runTool(TV_PDFINFO, {pdf})).captured(1).toInt();
}

class SizingPrintTest : public SizingWindowTest {
 protected:
  void SetUp() override {
    SizingWindowTest::SetUp();
    dialogs.pdfPath = path("printout.pdf");
  }
  void print() { form->findChild<QAction*>("Print1")->trigger(); }
  QStringList printedLines() {
    QStringList all;
    for (const QStringList& page : pagesOf(dialogs.pdfPath)) all << page;
    return all;
  }
};

TEST_F(SizingPrintTest, PrintsEveryReportLineInOrder) {
  solveWorkedExample();
  print();
  ASSERT_TRUE(reporter.reports.empty());
  EXPECT_EQ(dialogs.printDialogs, 1);
  QStringList expected;
  for (const QString& line : memoLines()) {
    if (!line.trimmed().isEmpty()) expected << line;
  }
  EXPECT_EQ(printedLines(), expected);
  EXPECT_EQ(pageCount(dialogs.pdfPath), 1);
}

TEST_F(SizingPrintTest, PrintsInTheMemosFontOfEightPoints) {
  setMemoLines({"Rod Diameter: 35 [mm]"});
  print();
  // Word boxes in points (1/72 inch): an 8-point font gives lines about 9 points high.
  const QRegularExpression box(QStringLiteral(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)")re"));
  const QString words = runTool(TV_PDFTOTEXT, {"-bbox", dialogs.pdfPath, "-"});
  const auto match = box.match(words);
  ASSERT_TRUE(match.hasMatch()) << words.toStdString();
  const double height = match.captured(2).toDouble() - match.captured(1).toDouble();
  EXPECT_GT(height, 7.0);
  EXPECT_LT(height, 11.0);
}

TEST_F(SizingPrintTest, TooWideLineIsCutAndContinuedBelow) {
  const QString wide = QString("0123456789").repeated(40);
  setMemoLines({"first", wide, "last"});
  print();
  const QStringList lines = printedLines();
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines.first(), "first");
  EXPECT_EQ(lines.last(), "last");
  const QStringList pieces = lines.mid(1, lines.size() - 2);
  EXPECT_EQ(pieces.join(""), wide);
  for (const QString& piece : pieces.first(pieces.size() - 1)) EXPECT_EQ(piece.size(), pieces.first().size());
}

TEST_F(SizingPrintTest, ManyLinesGoOnToTheNextPage) {
  QStringList lines;
  for (int i = 1; i <= 150; ++i) lines << QString("Line %1").arg(i, 3, 10, QChar('0'));
  setMemoLines(lines);
  print();
  const QList<QStringList> pages = pagesOf(dialogs.pdfPath);
  ASSERT_GE(pages.size(), 2);
  QStringList printed;
  for (const QStringList& page : pages) {
    EXPECT_FALSE(page.isEmpty());
    printed << page;
  }
  EXPECT_EQ(printed, lines);
}

TEST_F(SizingPrintTest, EmptyReportStillStartsAndEndsAJob) {
  print();
  ASSERT_TRUE(reporter.reports.empty());
  ASSERT_TRUE(QFileInfo::exists(dialogs.pdfPath));
  EXPECT_EQ(pageCount(dialogs.pdfPath), 1);
  EXPECT_TRUE(printedLines().isEmpty());
}

TEST_F(SizingPrintTest, CancelledPrintDialogStartsNoJob) {
  solveWorkedExample();
  dialogs.confirmPrint = false;
  print();
  EXPECT_EQ(dialogs.printDialogs, 1);
  EXPECT_FALSE(QFileInfo::exists(dialogs.pdfPath));
  EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(SizingPrintTest, PrinterSetUpIsUsedByLaterPrints) {
  dialogs.setUp = [](QPrinter& printer) { printer.setPageOrientation(QPageLayout::Landscape); };
  form->findChild<QAction*>("PrintSetup1")->trigger();
  EXPECT_EQ(dialogs.setUpDialogs, 1);
  solveWorkedExample();
  print();
  print();  // the second print keeps the set-up too
  const QRegularExpression size(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+))"));
  const auto match = size.match(runTool(TV_PDFINFO, {dialogs.pdfPath}));
  ASSERT_TRUE(match.hasMatch());
  EXPECT_GT(match.captured(1).toDouble(), match.captured(2).toDouble());
}

TEST_F(SizingPrintTest, JobThatCannotStartGoesToTheFailureReport) {
  activate();
  solveWorkedExample();
  control("forgingVolumeTextBox")->setFocus();
  dialogs.pdfPath = path("missing/printout.pdf");
  print();
  EXPECT_EQ(reporter.reports, std::vector<std::string>{"The print job for \"" + dialogs.pdfPath.toStdString() +
                                                       "\" cannot be started."});
  EXPECT_EQ(QApplication::focusWidget(), control("forgingVolumeTextBox"));
}

}  // namespace
}  // namespace tollard::test
