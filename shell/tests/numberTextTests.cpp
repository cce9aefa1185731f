#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "floatFailures.h"
#include "numberText.h"

using namespace shell;

namespace {

// Each row is written with '.'; the ',' locale gets the same text with the separators swapped.
std::string withSeparator(std::string text, char sep) {
  for (char& c : text)
    if (c == '.') c = sep;
  return text;
}

struct ParseRow {
  const char* name;
  const char* text;
  double expected;
};

class ParseNumberTest : public ::testing::TestWithParam<std::tuple<ParseRow, char>> {};

TEST_P(ParseNumberTest, ReadsTheValue) {
  const auto& [row, sep] = GetParam();
  const double got = parseNumber(withSeparator(row.text, sep), sep);
  EXPECT_EQ(got, row.expected) << row.text;
  EXPECT_EQ(std::signbit(got), std::signbit(row.expected)) << row.text;
}

const ParseRow kParseRows[] = {
    {"Plain", "35", 35},
    {"BlanksAround", " 12.5 ", 12.5},
    {"ManyBlanks", "   7   ", 7},
    {"Plus", "+4", 4},
    {"Minus", "-4.25", -4.25},
    {"LoneSeparator", ".", 0},
    {"LoneSeparatorMinus", "-.", -0.0},
    {"MinusZero", "-0", -0.0},
    {"TrailingSeparator", "3.", 3},
    {"LeadingSeparator", ".5", 0.5},
    {"BareE", "1E", 1},
    {"LowerE", "1e3", 1000},
    {"ExponentPlus", "2.5E+2", 250},
    {"ExponentMinus", "5e-5", 5e-5},
    {"ExponentLeadingZeros", "1E0005", 1e5},
    {"WorkedInput", "53.528", 53.528},
    {"ShortFraction", "0.1", 0.1},
    {"TwentyDigits", "12345678901234567890", 12345678901234567890.0},
    {"TinyBecomesZero", "1E-400", 0},
    {"ZeroWithHugeExponent", "0E499", 0},
    {"LargestDouble", "1.7976931348623157E308", std::numeric_limits<double>::max()},
    {"Denormal", "4.9406564584124654E-324", std::numeric_limits<double>::denorm_min()},
};

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseNumberTest, ::testing::Combine(::testing::ValuesIn(kParseRows), ::testing::Values('.', ',')),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) == '.' ? "_Point" : "_Comma");
    });

struct RefusedRow {
  const char* name;
  std::string text;
};

class ParseNumberRefusedTest : public ::testing::TestWithParam<std::tuple<RefusedRow, char>> {};

TEST_P(ParseNumberRefusedTest, RaisesTheConversionFailure) {
  const auto& [row, sep] = GetParam();
  const std::string text = withSeparator(row.text, sep);
  try {
    parseNumber(text, sep);
    FAIL() << "accepted '" << text << "'";
  } catch (const ConversionFailure& failure) {
    EXPECT_EQ(std::string(failure.what()), "'" + text + "' is not a valid floating point value");
  }
}

const RefusedRow kRefusedRows[] = {
    {"Empty", ""},
    {"OnlyBlanks", "   "},
    {"Letters", "abc"},
    {"LoneSign", "-"},
    {"SignThenE", "-E5"},
    {"Tab", "\t1"},
    {"TwoSeparators", "1.2.3"},
    {"ThousandsGroup", "1 000"},
    {"Infinity", "INF"},
    {"NotANumber", "NAN"},
    {"ExponentPast500Rule", "1E5000"},
    {"TextAfterExponent", "1E3x"},
    {"BeyondExtendedRange", std::string(5000, '9')},
    {"BeyondExtendedByExponent", "1E4999"},
};

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseNumberRefusedTest,
    ::testing::Combine(::testing::ValuesIn(kRefusedRows), ::testing::Values('.', ',')), [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) == '.' ? "_Point" : "_Comma");
    });

TEST(ParseNumber, TheOtherLocalesSeparatorIsRefused) {
  EXPECT_THROW(parseNumber("12,5", '.'), ConversionFailure);
  EXPECT_THROW(parseNumber("12.5", ','), ConversionFailure);
  EXPECT_EQ(parseNumber("12,5", ','), 12.5);
}

TEST(ParseNumber, BeyondTheDoubleRangeIsOverflowNotConversion) {
  for (const char* text : {"1E400", "1E500", "-1E400", "1.8E308"}) {
    EXPECT_THROW(parseNumber(text, '.'), Overflow) << text;
  }
}

struct WholeRow {
  const char* name;
  const char* text;
  std::int32_t expected;
};

class ParseWholeNumberTest : public ::testing::TestWithParam<WholeRow> {};

TEST_P(ParseWholeNumberTest, ReadsTheValue) {
  EXPECT_EQ(parseWholeNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ParseWholeNumberTest,
                         ::testing::Values(WholeRow{"Plain", "3", 3}, WholeRow{"BlankBefore", " 3", 3},
                                           WholeRow{"Negative", "-12", -12}, WholeRow{"Plus", "+7", 7},
                                           WholeRow{"Dollar", "$10", 16}, WholeRow{"ZeroX", "0x1F", 31},
                                           WholeRow{"LowerX", "x1f", 31}, WholeRow{"UpperX", "X10", 16},
                                           WholeRow{"Largest", "2147483647", 2147483647},
                                           WholeRow{"Smallest", "-2147483648", -2147483647 - 1},
                                           WholeRow{"HexPattern", "$FFFFFFFF", -1},
                                           WholeRow{"LeadingZeros", "007", 7}),
                         [](const auto& info) { return std::string(info.param.name); });

class ParseWholeNumberRefusedTest : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(ParseWholeNumberRefusedTest, RaisesTheConversionFailure) {
  const std::string& text = GetParam().text;
  try {
    parseWholeNumber(text);
    FAIL() << "accepted '" << text << "'";
  } catch (const ConversionFailure& failure) {
    EXPECT_EQ(std::string(failure.what()), "'" + text + "' is not a valid integer value");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseWholeNumberRefusedTest,
    ::testing::Values(RefusedRow{"Empty", ""}, RefusedRow{"BlankAfter", "3 "}, RefusedRow{"Decimal", "2.0"},
                      RefusedRow{"TooLarge", "2147483648"}, RefusedRow{"TooSmall", "-2147483649"},
                      RefusedRow{"HexTooLarge", "$100000000"}, RefusedRow{"LoneSign", "-"},
                      RefusedRow{"LoneDollar", "$"}, RefusedRow{"Letters", "abc"},
                      RefusedRow{"HexDigitsWithoutPrefix", "1F"}, RefusedRow{"Exponent", "1E3"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundRow {
  const char* name;
  double value;
  int places;
  double expected;
};

class RoundToTest : public ::testing::TestWithParam<RoundRow> {};

TEST_P(RoundToTest, GivesTheNearestStep) {
  const double got = roundTo(GetParam().value, GetParam().places);
  EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, RoundToTest,
                         ::testing::Values(RoundRow{"WorkedLength", 53.528, 1, 53.5},
                                           RoundRow{"DecimalHalfBelowTie", 0.25, 1, 0.2},
                                           RoundRow{"OneHundredthHalf", 1.005, 2, 1},
                                           RoundRow{"TieToEvenDown", 2.5, 0, 2}, RoundRow{"TieToEvenUp", 3.5, 0, 4},
                                           RoundRow{"ExactTieToZero", 0.05, 1, 0},
                                           RoundRow{"Negative", -1.2345, 3, -1.234},
                                           RoundRow{"FifteenPlaces", 1.0, 15, 1.0},
                                           RoundRow{"JustBelowLimitAt15", 9223.0, 15, 9223.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundTo, AQuotientBeyondInt64IsAnInvalidOperation) {
  EXPECT_THROW(roundTo(9300, 15), InvalidOperation);
  EXPECT_THROW(roundTo(-9300, 15), InvalidOperation);
  EXPECT_THROW(roundTo(1e300, 0), InvalidOperation);
  try {
    roundTo(9300, 15);
  } catch (const InvalidOperation& failure) {
    EXPECT_STREQ(failure.what(), "Invalid floating point operation");
  }
}

TEST(FormatRounded, RoundsThenFormats) {
  EXPECT_EQ(formatRounded(1.5293711, 3, '.'), "1.529");
  EXPECT_EQ(formatRounded(21.88384, 1, ','), "21,9");
  EXPECT_EQ(formatRounded(-0.00004, 4, '.'), "0");
  EXPECT_EQ(formatRounded(51500.000000000007, 2, '.'), "51500");
}

struct FormatRow {
  const char* name;
  double value;
  const char* expected;  // with '.'
};

class FormatNumberTest : public ::testing::TestWithParam<std::tuple<FormatRow, char>> {};

TEST_P(FormatNumberTest, WritesTheGeneralForm) {
  const auto& [row, sep] = GetParam();
  EXPECT_EQ(formatNumber(row.value, sep), withSeparator(row.expected, sep));
}

const FormatRow kFormatRows[] = {
    {"Whole", 35, "35"},
    {"OneDecimal", 53.5, "53.5"},
    {"SmallestFixed", 0.0001, "0.0001"},
    {"BelowFixedRange", 0.00005, "5E-5"},
    {"ScientificWithFraction", 1.5e-5, "1.5E-5"},
    {"TenToThe15", 1e15, "1E15"},
    {"Large", 2.5e20, "2.5E20"},
    {"FifteenDigits", 123456789012345.0, "123456789012345"},
    {"Zero", 0.0, "0"},
    {"NegativeZero", -0.0, "0"},
    {"OneThird", 1.0 / 3.0, "0.333333333333333"},
    {"CarryGrowsExponent", 9.9999999999999999e14, "1E15"},
    {"CarryThroughNines", 0.9999999999999999, "1"},
    {"Negative", -479.0768, "-479.0768"},
    {"RoundedRatio", 1.529, "1.529"},
    {"BinaryNoise", 21.900000000000002, "21.9"},
    {"SixteenDigitsRounded", 1234567890123456.0, "1.23456789012346E15"},
    {"Denormal", 4.9406564584124654e-324, "4.94065645841247E-324"},
    {"Largest", 1.7976931348623157e308, "1.79769313486232E308"},
};

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatNumberTest, ::testing::Combine(::testing::ValuesIn(kFormatRows), ::testing::Values('.', ',')),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) == '.' ? "_Point" : "_Comma");
    });

}  // namespace
