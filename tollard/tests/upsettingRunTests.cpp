#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "floatFailures.h"
#include "upsettingRun.h"

using tollard::RatioColour;

namespace {

// Rows are written with '.' as the decimal separator; '#' stands for the separator the locale
// does not use. Each row runs under both locales.
std::string inLocale(std::string text, char separator) {
  const char other = separator == '.' ? ',' : '.';
  for (char& c : text) {
    if (c == '.')
      c = separator;
    else if (c == '#')
      c = other;
  }
  return text;
}

// Failure messages name the row rather than dumping its bytes.
template <class Row>
  requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

std::string separatorName(char separator) { return separator == '.' ? "_Point" : "_Comma"; }

// A sizing window that keeps what the run writes and records the Error boxes and clock reads.
class FakeSizingWindow : public tollard::SizingWindow {
 public:
  std::string volume, addition, ratio;
  int index = 0;
  std::string typeText = "EN 10060";
  char separator = '.';

  std::string diameter = "old diameter";
  std::string length = "old length";
  std::string upsetting = "old ratio";
  std::string rodVolume = "old volume";
  std::optional<RatioColour> colour;
  std::vector<std::string> report;
  std::vector<std::string> errors;
  std::vector<std::string> clockTexts = {"Saturday 10/11/2018, 14:14:22", "Sunday 11/11/2018, 0:00:00"};
  std::size_t clockReads = 0;

  std::string volumeText() override { return volume; }
  std::string additionText() override { return addition; }
  std::string ratioText() override { return ratio; }
  int rodTypeIndex() override { return index; }
  std::string rodTypeText() override { return typeText; }
  void setRodDiameterText(const std::string& text) override { diameter = text; }
  std::string rodDiameterText() override { return diameter; }
  void setRodLengthText(const std::string& text) override { length = text; }
  std::string rodLengthText() override { return length; }
  void setUpsettingRatioText(const std::string& text) override { upsetting = text; }
  std::string upsettingRatioText() override { return upsetting; }
  void setRodVolumeText(const std::string& text) override { rodVolume = text; }
  void setRatioColour(RatioColour c) override { colour = c; }
  std::size_t reportLineCount() override { return report.size(); }
  void setFirstReportLine(const std::string& line) override {
    if (report.empty())
      report.push_back(line);
    else
      report.front() = line;
  }
  void appendReportLine(const std::string& line) override { report.push_back(line); }
  void errorBox(const std::string& message) override { errors.push_back(message); }
  std::string clockText() override { return clockTexts.at(clockReads++); }
  char decimalSeparator() override { return separator; }

  void enter(const char* volumeText, const char* additionText, const char* ratioText, int rodType, char sep) {
    separator = sep;
    volume = inLocale(volumeText, sep);
    addition = inLocale(additionText, sep);
    ratio = inLocale(ratioText, sep);
    index = rodType;
    typeText = rodType == 0 ? "EN 10060" : rodType == 1 ? "EN 10278" : "";
  }
};

constexpr int kEn10060 = 0;
constexpr int kEn10278 = 1;
constexpr int kNoSeries = -1;

// ---- Completed runs -------------------------------------------------------------------------

struct SolvedRow {
  const char* name;
  const char* volume;
  const char* addition;
  const char* ratio;
  int rodType;
  const char* diameter;
  const char* length;
  const char* upsetting;
  const char* rodVolume;
  RatioColour colour;
};

class SolvedTest : public ::testing::TestWithParam<std::tuple<SolvedRow, char>> {};

TEST_P(SolvedTest, ShowsTheRodAndItsStatus) {
  const auto& [row, sep] = GetParam();
  FakeSizingWindow window;
  window.enter(row.volume, row.addition, row.ratio, row.rodType, sep);

  tollard::runUpsetting(window);

  EXPECT_TRUE(window.errors.empty());
  EXPECT_EQ(window.diameter, inLocale(row.diameter, sep));
  EXPECT_EQ(window.length, inLocale(row.length, sep));
  EXPECT_EQ(window.upsetting, inLocale(row.upsetting, sep));
  EXPECT_EQ(window.rodVolume, inLocale(row.rodVolume, sep));
  EXPECT_EQ(window.colour, row.colour);
  ASSERT_EQ(window.report.size(), 14u);
  EXPECT_EQ(window.report.back(), row.colour == RatioColour::Red ? "Status: NOT OK" : "Status: OK");
}

const SolvedRow kSolvedRows[] = {
    {"WorkedEn10060", "50000", "3", "2", kEn10060, "35", "53.5", "1.529", "51500", RatioColour::Green},
    {"WorkedEn10278", "50000", "3", "2", kEn10278, "33", "60.2", "1.825", "51500", RatioColour::Green},
    {"SmallRodOverTheLimit", "1000", "10", "3", kEn10278, "8", "21.9", "2.735", "1100", RatioColour::Red},
    // Both ratios show as 2.5; the colour follows the unrounded value.
    {"JustOverTheLimit", "84193", "0", "3", kEn10060, "35", "87.5", "2.5", "84193", RatioColour::Red},
    {"JustWithinTheLimit", "84170", "0", "3", kEn10060, "35", "87.5", "2.5", "84170", RatioColour::Green},
    {"NoAdditionKeepsTheVolume", "51500", "0", "2", kEn10060, "35", "53.5", "1.529", "51500", RatioColour::Green},
    {"MinusZeroAddition", "51500", "-0", "2", kEn10060, "35", "53.5", "1.529", "51500", RatioColour::Green},
    {"FractionalInputs", "12345.678", "2.5", "1.8", kEn10278, "21", "36.5", "1.74", "12654.32", RatioColour::Green},
    {"BlanksAroundTheVolume", " 50000 ", "3", "2", kEn10060, "35", "53.5", "1.529", "51500", RatioColour::Green},
};

INSTANTIATE_TEST_SUITE_P(Rows, SolvedTest,
                         ::testing::Combine(::testing::ValuesIn(kSolvedRows), ::testing::Values('.', ',')),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + separatorName(std::get<1>(info.param));
                         });

// ---- The report of one run ------------------------------------------------------------------

struct ReportRow {
  const char* name;
  const char* volume;
  const char* addition;
  const char* ratio;
  int rodType;
  std::vector<std::string> lines;  // with '.'
};

class ReportTest : public ::testing::TestWithParam<std::tuple<ReportRow, char>> {};

TEST_P(ReportTest, EchoesTheInputsAndTheShownResults) {
  const auto& [row, sep] = GetParam();
  FakeSizingWindow window;
  window.enter(row.volume, row.addition, row.ratio, row.rodType, sep);

  tollard::runUpsetting(window);

  std::vector<std::string> expected;
  for (const auto& line : row.lines) expected.push_back(inLocale(line, sep));
  EXPECT_EQ(window.report, expected);
  EXPECT_EQ(window.clockReads, 1u);
}

const ReportRow kReportRows[] = {
    {"WorkedEn10060",
     "50000",
     "3",
     "2",
     kEn10060,
     {"=====UPSETTING ANALYSIS REPORT=====", "Saturday 10/11/2018, 14:14:22", " ",
      "----------INPUT PARAMETERS----------", "Forging Volume: 50000 [mm^3]", "Material Addition: 3 [%]",
      "Requested Length Ratio: 2 [-]", "Rod Type: EN 10060", " ", "-----------ROD PARAMETERS-----------",
      "Rod Diameter: 35 [mm]", "Rod Length: 53.5 [mm]", "Length Ratio: 1.529 [-]", "Status: OK"}},
    // Inputs are echoed as typed, not as parsed.
    {"InputsAsTyped",
     " 1000 ",
     "10.0",
     "+3",
     kEn10278,
     {"=====UPSETTING ANALYSIS REPORT=====", "Saturday 10/11/2018, 14:14:22", " ",
      "----------INPUT PARAMETERS----------", "Forging Volume:  1000  [mm^3]", "Material Addition: 10.0 [%]",
      "Requested Length Ratio: +3 [-]", "Rod Type: EN 10278", " ", "-----------ROD PARAMETERS-----------",
      "Rod Diameter: 8 [mm]", "Rod Length: 21.9 [mm]", "Length Ratio: 2.735 [-]", "Status: NOT OK"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, ReportTest,
                         ::testing::Combine(::testing::ValuesIn(kReportRows), ::testing::Values('.', ',')),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + separatorName(std::get<1>(info.param));
                         });

// Later runs add their blocks under the one heading, each with its own clock reading.
TEST(UpsettingReportTest, TwoRunsCollectUnderOneHeading) {
  FakeSizingWindow window;
  window.enter("84193", "0", "3", kEn10060, '.');
  tollard::runUpsetting(window);
  window.enter("84170", "0", "3", kEn10060, '.');
  tollard::runUpsetting(window);

  ASSERT_EQ(window.report.size(), 27u);
  EXPECT_EQ(window.report[0], "=====UPSETTING ANALYSIS REPORT=====");
  EXPECT_EQ(window.report[1], "Saturday 10/11/2018, 14:14:22");
  EXPECT_EQ(window.report[13], "Status: NOT OK");
  EXPECT_EQ(window.report[14], "Sunday 11/11/2018, 0:00:00");
  EXPECT_EQ(window.report[17], "Forging Volume: 84170 [mm^3]");
  EXPECT_EQ(window.report[26], "Status: OK");
  EXPECT_EQ(window.clockReads, 2u);
  EXPECT_EQ(window.colour, RatioColour::Green);
}

// ---- Inputs refused with the Error box ------------------------------------------------------

// A window that has shown an earlier result, so that anything a refused run touched would show.
FakeSizingWindow windowWithEarlierResult() {
  FakeSizingWindow window;
  window.report = {"=====UPSETTING ANALYSIS REPORT=====", "earlier run"};
  return window;
}

struct RefusedRow {
  const char* name;
  const char* volume;
  const char* addition;
  const char* ratio;
  const char* message;
};

class RefusedInputTest : public ::testing::TestWithParam<std::tuple<RefusedRow, char>> {};

TEST_P(RefusedInputTest, ShowsOneErrorBoxAndChangesNothing) {
  const auto& [row, sep] = GetParam();
  FakeSizingWindow window = windowWithEarlierResult();
  window.enter(row.volume, row.addition, row.ratio, kEn10060, sep);
  const FakeSizingWindow before = window;

  tollard::runUpsetting(window);

  EXPECT_EQ(window.errors, std::vector<std::string>{row.message});
  EXPECT_EQ(window.diameter, before.diameter);
  EXPECT_EQ(window.length, before.length);
  EXPECT_EQ(window.upsetting, before.upsetting);
  EXPECT_EQ(window.rodVolume, before.rodVolume);
  EXPECT_EQ(window.colour, std::nullopt);
  EXPECT_EQ(window.report, before.report);
  EXPECT_EQ(window.clockReads, 0u);
}

constexpr const char* kInputError = "Input Error!";
constexpr const char* kVolumeMessage = "A volume has to be a positive number!";
constexpr const char* kAdditionMessage = "A material addition has to be a positive number!";
constexpr const char* kRatioMessage = "An upsetting ratio addition has to be a positive number!";

const RefusedRow kRefusedRows[] = {
    {"VolumeOfLetters", "abc", "3", "2", kInputError},
    {"VolumeEmpty", "", "3", "2", kInputError},
    {"VolumeWithTheOtherSeparator", "50000#5", "3", "2", kInputError},
    {"VolumeNegative", "-0.5", "3", "2", kVolumeMessage},
    // The addition is never read, so its letters are not reported.
    {"NegativeVolumeBeforeLettersInAddition", "-50000", "abc", "2", kVolumeMessage},
    {"AdditionOfLetters", "50000", "three", "2", kInputError},
    {"AdditionNegative", "50000", "-3", "2", kAdditionMessage},
    {"NegativeAdditionBeforeLettersInRatio", "50000", "-3", "abc", kAdditionMessage},
    {"RatioOfLetters", "50000", "3", "two", kInputError},
    {"RatioNegative", "50000", "3", "-2", kRatioMessage},
};

INSTANTIATE_TEST_SUITE_P(Rows, RefusedInputTest,
                         ::testing::Combine(::testing::ValuesIn(kRefusedRows), ::testing::Values('.', ',')),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + separatorName(std::get<1>(info.param));
                         });

// ---- Failures passed on to the caller -------------------------------------------------------

struct FailedRow {
  const char* name;
  const char* volume;
  const char* addition;
  const char* ratio;
  int rodType;
  const char* failure;
  // The boxes written before the failure; nullptr: the box keeps its earlier text.
  const char* diameter;
  const char* length;
  const char* upsetting;
  std::optional<RatioColour> colour;
};

class FailedRunTest : public ::testing::TestWithParam<std::tuple<FailedRow, char>> {};

TEST_P(FailedRunTest, PassesTheFailureOnAndKeepsTheRest) {
  const auto& [row, sep] = GetParam();
  FakeSizingWindow window = windowWithEarlierResult();
  window.enter(row.volume, row.addition, row.ratio, row.rodType, sep);
  const FakeSizingWindow before = window;

  try {
    tollard::runUpsetting(window);
    FAIL() << "the run completed";
  } catch (const shell::FloatFailure& failure) {
    EXPECT_STREQ(failure.what(), row.failure);
  }

  EXPECT_TRUE(window.errors.empty());
  EXPECT_EQ(window.diameter, row.diameter ? inLocale(row.diameter, sep) : before.diameter);
  EXPECT_EQ(window.length, row.length ? inLocale(row.length, sep) : before.length);
  EXPECT_EQ(window.upsetting, row.upsetting ? inLocale(row.upsetting, sep) : before.upsetting);
  EXPECT_EQ(window.colour, row.colour);
  EXPECT_EQ(window.rodVolume, before.rodVolume);
  EXPECT_EQ(window.report, before.report);
  EXPECT_EQ(window.clockReads, 0u);
}

constexpr const char* kDivisionByZero = "Floating point division by zero";
constexpr const char* kInvalid = "Invalid floating point operation";
constexpr const char* kOverflow = "Floating point overflow";

const FailedRow kFailedRows[] = {
    {"NoSeriesSelected", "50000", "3", "2", kNoSeries, kDivisionByZero, nullptr, nullptr, nullptr, std::nullopt},
    {"BelowTheFirstDiameter", "10", "0", "2", kEn10060, kDivisionByZero, nullptr, nullptr, nullptr, std::nullopt},
    {"AboveTheLastDiameter", "1E9", "0", "1", kEn10278, kDivisionByZero, nullptr, nullptr, nullptr, std::nullopt},
    {"NoVolume", "0", "3", "2", kEn10060, kInvalid, nullptr, nullptr, nullptr, std::nullopt},
    {"NoRatio", "50000", "3", "0", kEn10060, kDivisionByZero, nullptr, nullptr, nullptr, std::nullopt},
    {"NoRatioNoVolume", "0", "3", "0", kEn10060, kInvalid, nullptr, nullptr, nullptr, std::nullopt},
    {"VolumeBeyondDoubles", "1E400", "3", "2", kEn10060, kOverflow, nullptr, nullptr, nullptr, std::nullopt},
    {"RatioBeyondDoubles", "50000", "3", "1E400", kEn10060, kOverflow, nullptr, nullptr, nullptr, std::nullopt},
    {"ExtendedVolumeBeyondDoubles", "1E308", "100", "2", kEn10060, kOverflow, nullptr, nullptr, nullptr,
     std::nullopt},
    // Absurd inputs whose outputs no longer round to their step: the boxes before stay written.
    {"LengthBeyondRounding", "1E22", "0", "1E19", kEn10060, kInvalid, "12", nullptr, nullptr, std::nullopt},
    {"RatioBeyondRounding", "7E17", "0", "5.7E16", kEn10278, kInvalid, "3", "9.90297423682904E16", nullptr,
     std::nullopt},
    {"VolumeBeyondRounding", "7.2E20", "0", "2.93E13", kEn10060, kInvalid, "320", "8.95246554891911E15",
     "27976454840372.2", RatioColour::Red},
};

INSTANTIATE_TEST_SUITE_P(Rows, FailedRunTest,
                         ::testing::Combine(::testing::ValuesIn(kFailedRows), ::testing::Values('.', ',')),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + separatorName(std::get<1>(info.param));
                         });

}  // namespace
