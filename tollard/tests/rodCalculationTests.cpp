#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "floatFailures.h"
#include "rodCalculation.h"

using namespace rodCalculation;

namespace {

// Failure messages name the row rather than dumping its bytes.
template <class Row>
  requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

// ---- Worked values --------------------------------------------------------------------------

enum class Match {
  Exact,      // the value is exactly the printed number
  Truncated,  // the printed digits are the value cut after its last printed digit
  LastBits,   // equal up to the last bits of the double
};

struct WorkedRow {
  const char* name;
  double (*compute)();
  const char* printed;
  Match match;
};

class WorkedValueTest : public ::testing::TestWithParam<WorkedRow> {};

TEST_P(WorkedValueTest, GivesThePrintedDigits) {
  const WorkedRow& row = GetParam();
  const double got = row.compute();
  const double printed = std::stod(row.printed);
  switch (row.match) {
    case Match::Exact:
      EXPECT_EQ(got, printed);
      break;
    case Match::LastBits:
      EXPECT_DOUBLE_EQ(got, printed);
      break;
    case Match::Truncated: {
      const std::string text = row.printed;
      const auto point = text.find('.');
      const int digits = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
      const long double unit = std::pow(10.0L, -digits);
      EXPECT_GE(got, std::stold(text)) << "value " << got;
      EXPECT_LT(got, std::stold(text) + unit) << "value " << got;
      break;
    }
  }
}

// The chains of the worked examples: Ve = 51500 with lambda_r = 2, and Ve = 1100 with 3.
double dc51500() { return cylinderDiameter(51500, 2); }
double d51500(std::int32_t code) { return standardDiameter(code, dc51500()); }
double l51500(std::int32_t code) { return rodLength(51500, d51500(code)); }
double dc1100() { return cylinderDiameter(1100, 3); }
double d1100() { return standardDiameter(kEn10278, dc1100()); }
double l1100() { return rodLength(1100, d1100()); }

const WorkedRow kWorkedRows[] = {
    {"CylinderDiameter51500", [] { return dc51500(); }, "32.0058", Match::Truncated},
    {"Diameter51500En10060", [] { return d51500(kEn10060); }, "35", Match::Exact},
    {"Length51500En10060", [] { return l51500(kEn10060); }, "53.528", Match::Truncated},
    {"Ratio51500En10060", [] { return upsettingRatio(35, l51500(kEn10060)); }, "1.52937", Match::Truncated},
    {"Volume51500En10060", [] { return rodVolume(35, l51500(kEn10060)); }, "51500", Match::LastBits},
    {"Diameter51500En10278", [] { return d51500(kEn10278); }, "33", Match::Exact},
    {"Length51500En10278", [] { return l51500(kEn10278); }, "60.2128", Match::Truncated},
    {"Ratio51500En10278", [] { return upsettingRatio(33, l51500(kEn10278)); }, "1.82463", Match::Truncated},
    {"Volume51500En10278", [] { return rodVolume(33, l51500(kEn10278)); }, "51500", Match::LastBits},
    {"CylinderDiameter1100", [] { return dc1100(); }, "7.7575", Match::Truncated},
    {"Diameter1100En10278", [] { return d1100(); }, "8", Match::Exact},
    {"Length1100En10278", [] { return l1100(); }, "21.8838", Match::Truncated},
    {"Ratio1100En10278", [] { return upsettingRatio(8, l1100()); }, "2.73547", Match::Truncated},
    {"Volume1100En10278", [] { return rodVolume(8, l1100()); }, "1100", Match::LastBits},
    // A zero base of the cube root gives 0, not the logarithm's failure.
    {"CylinderDiameterOfNoVolume", [] { return cylinderDiameter(0, 2); }, "0", Match::Exact},
};

INSTANTIATE_TEST_SUITE_P(Rows, WorkedValueTest, ::testing::ValuesIn(kWorkedRows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Standard diameters at every boundary ---------------------------------------------------

// The two series as published, written out here on their own so that a slip in either copy shows.
const std::vector<double> kEn10060Series = {
    6,   8,   9,   10,  12,  14,  15,  16,  18,  20,  22,  24,  25,  26,  28,  30,  32,
    35,  36,  38,  40,  42,  45,  46,  48,  50,  52,  55,  58,  60,  62,  65,  70,  72,
    73,  75,  78,  80,  85,  90,  95,  100, 105, 110, 115, 120, 125, 130, 135, 140, 150,
    160, 170, 180, 190, 200, 210, 220, 230, 240, 250, 260, 270, 280, 290, 300, 310, 320};
const std::vector<double> kEn10278Series = {
    2,  3,  4,  4.5, 5,  5.9, 6,  7,  8,  9,  10, 10.5, 11, 12, 13, 13.2, 14, 15, 16, 16.1,
    16.2, 17, 17.8, 18, 19, 20, 21, 22, 23, 24, 25, 26, 26.5, 27, 28, 29, 30, 31, 32, 33,
    34, 35, 36, 38, 40, 42, 44, 45, 46, 48, 50, 52, 55, 56, 58, 60, 63, 65, 75};

struct BoundaryRow {
  std::string name;
  std::int32_t code;
  double diameter;  // a value of the series
  double previous;  // the value before it, 0 for the first
  double next;      // the value after it, 0 for the last
};

std::vector<BoundaryRow> boundaryRows() {
  std::vector<BoundaryRow> rows;
  for (const auto& [code, series] : {std::pair{kEn10060, &kEn10060Series}, std::pair{kEn10278, &kEn10278Series}}) {
    for (std::size_t i = 0; i < series->size(); ++i) {
      std::string value = std::to_string((*series)[i]);
      value.erase(value.find_last_not_of('0') + 1);
      if (value.back() == '.') value.pop_back();
      for (char& c : value)
        if (c == '.') c = '_';
      rows.push_back({"En" + std::to_string(code) + "_" + value, code, (*series)[i],
                      i == 0 ? 0 : (*series)[i - 1], i + 1 == series->size() ? 0 : (*series)[i + 1]});
    }
  }
  return rows;
}

class StandardDiameterBoundaryTest : public ::testing::TestWithParam<BoundaryRow> {};

// A diameter of the series gives the next one (the row it opens), the double just below it gives
// the diameter itself (the row it closes); below the first and from the last on there is none.
TEST_P(StandardDiameterBoundaryTest, PicksTheNextLargerDiameter) {
  const BoundaryRow& row = GetParam();
  EXPECT_EQ(standardDiameter(row.code, row.diameter), row.next);
  const double justBelow = std::nextafter(row.diameter, 0.0);
  EXPECT_EQ(standardDiameter(row.code, justBelow), row.previous == 0 ? 0 : row.diameter);
  if (row.previous != 0) {
    EXPECT_EQ(standardDiameter(row.code, (row.previous + row.diameter) / 2), row.diameter);
  }
}

INSTANTIATE_TEST_SUITE_P(Series, StandardDiameterBoundaryTest, ::testing::ValuesIn(boundaryRows()),
                         [](const auto& info) { return info.param.name; });

// ---- Standard diameters outside the series --------------------------------------------------

struct LookupRow {
  const char* name;
  std::int32_t code;
  double Dc;
  double expected;
};

class StandardDiameterLookupTest : public ::testing::TestWithParam<LookupRow> {};

TEST_P(StandardDiameterLookupTest, GivesTheDiameterOrNone) {
  const LookupRow& row = GetParam();
  EXPECT_EQ(standardDiameter(row.code, row.Dc), row.expected);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

const LookupRow kLookupRows[] = {
    {"En10060JustBelowAStep", kEn10060, 31.99, 32},
    {"En10060BelowItsFirstButInTheOther", kEn10060, 2.5, 0},
    {"En10278AboveItsLastButInTheOther", kEn10278, 100, 0},
    {"En10278GapBeforeItsLast", kEn10278, 70, 75},
    {"NoSeries", 0, 32, 0},
    {"UnknownCode", 10061, 32, 0},
    {"NegatedCode", -10060, 32, 0},
    {"NaNEn10060", kEn10060, kNaN, 0},
    {"NaNEn10278", kEn10278, kNaN, 0},
    {"ZeroEn10060", kEn10060, 0, 0},
    {"ZeroEn10278", kEn10278, 0, 0},
    {"NegativeEn10278", kEn10278, -3, 0},
    {"InfinityEn10060", kEn10060, kInfinity, 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, StandardDiameterLookupTest, ::testing::ValuesIn(kLookupRows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Failures -------------------------------------------------------------------------------

struct FailureRow {
  const char* name;
  double (*compute)();
  const char* text;
};

class RodCalculationFailureTest : public ::testing::TestWithParam<FailureRow> {};

TEST_P(RodCalculationFailureTest, RaisesTheArithmeticFailure) {
  const FailureRow& row = GetParam();
  try {
    const double got = row.compute();
    FAIL() << "returned " << got;
  } catch (const shell::FloatFailure& failure) {
    EXPECT_STREQ(failure.what(), row.text);
  }
}

constexpr const char* kDivisionByZero = "Floating point division by zero";
constexpr const char* kInvalid = "Invalid floating point operation";

const FailureRow kFailureRows[] = {
    {"CylinderDiameterNoRatio", [] { return cylinderDiameter(51500, 0); }, kDivisionByZero},
    {"CylinderDiameterNoRatioNoVolume", [] { return cylinderDiameter(0, 0); }, kInvalid},
    {"RodLengthNoDiameter", [] { return rodLength(51500, 0); }, kDivisionByZero},
    {"RodLengthNoDiameterNoVolume", [] { return rodLength(0, 0); }, kInvalid},
    {"UpsettingRatioNoDiameter", [] { return upsettingRatio(0, 53.5); }, kDivisionByZero},
    {"UpsettingRatioNoDiameterNoLength", [] { return upsettingRatio(0, 0); }, kInvalid},
    {"RodLengthBeyondDoubles", [] { return rodLength(1e308, 1e-10); }, "Floating point overflow"},
};

INSTANTIATE_TEST_SUITE_P(Rows, RodCalculationFailureTest, ::testing::ValuesIn(kFailureRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
