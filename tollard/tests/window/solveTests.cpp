// Solve: the inputs typed as a user types them, the run's results in the boxes, the ratio's
// colour and the Report lines in the memo; refused inputs and failures leave everything as it was.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "windowFixture.h"

namespace tollard::test {
namespace {

QColor ratioColour(QLineEdit* box) { return box->palette().color(QPalette::Text); }

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

struct Solved {
  const char* name;
  const char* volume;
  const char* addition;
  const char* ratio;
  const char* rodType;
  const char* diameter;
  const char* length;
  const char* upsettingRatio;
  const char* rodVolume;
  QColor colour;
  const char* status;
};

class SolveCase : public SizingWindowTest, public ::testing::WithParamInterface<Solved> {};

TEST_P(SolveCase, FillsTheBoxesColoursTheRatioAndReports) {
  const Solved& s = GetParam();
  solve(s.volume, s.addition, s.ratio, s.rodType);

  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_TRUE(reporter.reports.empty());
  EXPECT_EQ(control<QLineEdit>("rodDiameterTextBox")->text(), s.diameter);
  EXPECT_EQ(control<QLineEdit>("rodLengthTextBox")->text(), s.length);
  EXPECT_EQ(control<QLineEdit>("rodUpsettingRatioTextBox")->text(), s.upsettingRatio);
  EXPECT_EQ(control<QLineEdit>("rodVolumeTextBox")->text(), s.rodVolume);
  EXPECT_EQ(ratioColour(control<QLineEdit>("rodUpsettingRatioTextBox")), s.colour);

  const QStringList lines = memoLines();
  ASSERT_EQ(lines.size(), 14);
  EXPECT_EQ(lines[0], "=====UPSETTING ANALYSIS REPORT=====");
  EXPECT_TRUE(looksLikeClockText(lines[1])) << lines[1].toStdString();
  const QStringList expected{" ",
                             "----------INPUT PARAMETERS----------",
                             QString("Forging Volume: %1 [mm^3]").arg(s.volume),
                             QString("Material Addition: %1 [%]").arg(s.addition),
                             QString("Requested Length Ratio: %1 [-]").arg(s.ratio),
                             QString("Rod Type: %1").arg(s.rodType),
                             " ",
                             "-----------ROD PARAMETERS-----------",
                             QString("Rod Diameter: %1 [mm]").arg(s.diameter),
                             QString("Rod Length: %1 [mm]").arg(s.length),
                             QString("Length Ratio: %1 [-]").arg(s.upsettingRatio),
                             s.status};
  EXPECT_EQ(lines.mid(2), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tollard, SolveCase,
    ::testing::Values(
        Solved{"workedExample", "50000", "3", "2", "EN 10060", "35", "53.5", "1.529", "51500", kGreen, "Status: OK"},
        Solved{"overBucklingLimit", "1000", "10", "3", "EN 10278", "8", "21.9", "2.735", "1100", kRed,
               "Status: NOT OK"},
        // Rounds to 2.5 but lies above the limit; the blanks typed around the volume are kept.
        Solved{"justOverLimitWithBlanks", " 84193 ", "0", "3", "EN 10060", "35", "87.5", "2.5", "84193", kRed,
               "Status: NOT OK"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SizingWindowTest, SecondSolveAddsItsLinesUnderTheOneHeading) {
  solveWorkedExample();
  solve("1000", "10", "3", "EN 10278");
  const QStringList lines = memoLines();
  ASSERT_EQ(lines.size(), 27);
  EXPECT_EQ(lines.count("=====UPSETTING ANALYSIS REPORT====="), 1);
  EXPECT_EQ(lines.mid(2, 12), workedExampleLines());
  EXPECT_TRUE(looksLikeClockText(lines[14]));
  EXPECT_EQ(lines[26], "Status: NOT OK");
  // The colour follows the latest run.
  EXPECT_EQ(ratioColour(control<QLineEdit>("rodUpsettingRatioTextBox")), kRed);
}

TEST_F(SizingWindowTest, TextTypedOverAChosenBarStandardIsTheOneComputedWith) {
  // EN 10060 chosen from the list, then EN 10278 typed over it: the run and the report both
  // take EN 10278 (D = 33 for the worked example's volume and ratio).
  auto* rodType = control<QComboBox>("RodTypeComboBox");
  rodType->setCurrentIndex(0);
  type("forgingVolumeTextBox", "50000");
  type("materialAdditionTextBox", "3");
  type("requestedRatioTextBox", "2");
  rodType->lineEdit()->selectAll();
  typeRodType("EN 10278");
  clickSolve();
  EXPECT_EQ(control<QLineEdit>("rodDiameterTextBox")->text(), "33");
  EXPECT_EQ(memoLines().value(7), "Rod Type: EN 10278");
  // Enter in the text field adds nothing to the list.
  QTest::keyClick(rodType->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(rodType->count(), 2);
}

// A refused input: its Error box, nothing else changed, the focus left where the click put it.
struct Refused {
  const char* name;
  const char* volume;
  const char* addition;
  const char* ratio;
  const char* message;
};

class RefusedInput : public SizingWindowTest, public ::testing::WithParamInterface<Refused> {};

TEST_P(RefusedInput, ShowsItsErrorBoxAndChangesNothing) {
  const Refused& r = GetParam();
  activate();
  solveWorkedExample();
  const QStringList before = memoLines();
  solve(r.volume, r.addition, r.ratio, "EN 10060");

  EXPECT_EQ(boxes.errors, std::vector<std::string>{r.message});
  EXPECT_TRUE(reporter.reports.empty());
  EXPECT_EQ(control<QLineEdit>("rodDiameterTextBox")->text(), "35");
  EXPECT_EQ(control<QLineEdit>("rodUpsettingRatioTextBox")->text(), "1.529");
  EXPECT_EQ(ratioColour(control<QLineEdit>("rodUpsettingRatioTextBox")), kGreen);
  EXPECT_EQ(memoLines(), before);
  EXPECT_EQ(QApplication::focusWidget(), control("Button1"));
}

INSTANTIATE_TEST_SUITE_P(
    Tollard, RefusedInput,
    ::testing::Values(Refused{"volumeOfLetters", "abc", "3", "2", "Input Error!"},
                      Refused{"negativeVolumeBeforeBadAddition", "-1", "abc", "2",
                              "A volume has to be a positive number!"},
                      Refused{"negativeAddition", "50000", "-3", "2",
                              "A material addition has to be a positive number!"},
                      Refused{"negativeRatio", "50000", "3", "-2",
                              "An upsetting ratio addition has to be a positive number!"},
                      Refused{"emptyRatio", "50000", "3", "", "Input Error!"}),
    [](const auto& info) { return std::string(info.param.name); });

// A failure of the arithmetic: the general failure report with its full stop, nothing written.
struct Failed {
  const char* name;
  const char* volume;
  const char* ratio;
  const char* rodType;
  const char* report;
};

class FailedRun : public SizingWindowTest, public ::testing::WithParamInterface<Failed> {};

TEST_P(FailedRun, GoesToTheFailureReportAndChangesNothing) {
  const Failed& f = GetParam();
  activate();
  solveWorkedExample();
  const QStringList before = memoLines();
  solve(f.volume, "0", f.ratio, f.rodType);

  EXPECT_EQ(reporter.reports, std::vector<std::string>{f.report});
  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_EQ(control<QLineEdit>("rodDiameterTextBox")->text(), "35");
  EXPECT_EQ(control<QLineEdit>("rodLengthTextBox")->text(), "53.5");
  EXPECT_EQ(control<QLineEdit>("rodVolumeTextBox")->text(), "51500");
  EXPECT_EQ(memoLines(), before);
  EXPECT_EQ(QApplication::focusWidget(), control("Button1"));
}

INSTANTIATE_TEST_SUITE_P(
    Tollard, FailedRun,
    ::testing::Values(Failed{"noBarStandard", "50000", "2", "", "Floating point division by zero."},
                      Failed{"unknownBarStandardText", "50000", "2", "EN 9999", "Floating point division by zero."},
                      Failed{"belowTheSmallestDiameter", "10", "2", "EN 10060", "Floating point division by zero."},
                      Failed{"zeroVolume", "0", "2", "EN 10060", "Invalid floating point operation."},
                      Failed{"volumeBeyondDoubles", "1E400", "2", "EN 10060", "Floating point overflow."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tollard::test
