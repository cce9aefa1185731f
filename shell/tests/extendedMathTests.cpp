#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "extendedMath.h"

using namespace shell;

namespace {

enum class Failure { Invalid, DivisionByZero, Overflow };

struct FailureRow {
  const char* name;
  std::function<void()> operation;
  Failure expected;
  const char* text;
};

class ExtendedMathFailureTest : public ::testing::TestWithParam<FailureRow> {};

TEST_P(ExtendedMathFailureTest, RaisesWhereItHappens) {
  const auto& row = GetParam();
  try {
    row.operation();
    FAIL() << "no failure";
  } catch (const InvalidOperation& f) {
    EXPECT_EQ(row.expected, Failure::Invalid);
    EXPECT_STREQ(f.what(), row.text);
  } catch (const DivisionByZero& f) {
    EXPECT_EQ(row.expected, Failure::DivisionByZero);
    EXPECT_STREQ(f.what(), row.text);
  } catch (const Overflow& f) {
    EXPECT_EQ(row.expected, Failure::Overflow);
    EXPECT_STREQ(f.what(), row.text);
  }
}

constexpr const char* kInvalid = "Invalid floating point operation";
constexpr const char* kZero = "Floating point division by zero";
constexpr const char* kOverflow = "Floating point overflow";

INSTANTIATE_TEST_SUITE_P(
    Rows, ExtendedMathFailureTest,
    ::testing::Values(
        FailureRow{"ZeroByZero", [] { divide(0, 0); }, Failure::Invalid, kInvalid},
        FailureRow{"NonZeroByZero", [] { divide(5, 0); }, Failure::DivisionByZero, kZero},
        FailureRow{"NegativeByNegativeZero", [] { divide(-5, -0.0L); }, Failure::DivisionByZero, kZero},
        FailureRow{"RootOfNegative", [] { squareRoot(-1e-30L); }, Failure::Invalid, kInvalid},
        FailureRow{"LogOfNegative", [] { logarithm(-2); }, Failure::Invalid, kInvalid},
        FailureRow{"LogOfZero", [] { logarithm(0); }, Failure::DivisionByZero, kZero},
        FailureRow{"ExpBeyondRange", [] { exponential(12000); }, Failure::Overflow, kOverflow},
        FailureRow{"ArcCosAboveOne", [] { arcCosine(1.0000001L); }, Failure::Invalid, kInvalid},
        FailureRow{"ArcCosBelowMinusOne", [] { arcCosine(-4.90625L); }, Failure::Invalid, kInvalid},
        FailureRow{"NegativeBaseFractionalPower", [] { power(-8, kOneThird); }, Failure::Invalid, kInvalid},
        FailureRow{"ZeroToNegativePower", [] { power(0, -2); }, Failure::DivisionByZero, kZero},
        FailureRow{"Int64TooLarge", [] { toInt64(9.3e18L); }, Failure::Invalid, kInvalid},
        FailureRow{"Int64TooSmall", [] { toInt64(-9.3e18L); }, Failure::Invalid, kInvalid},
        FailureRow{"DoubleOverflow", [] { toDouble(1e309L); }, Failure::Overflow, kOverflow},
        FailureRow{"NaNToDouble", [] { toDouble(std::numeric_limits<ext>::quiet_NaN()); }, Failure::Invalid,
                   kInvalid}),
    [](const auto& info) { return std::string(info.param.name); });

struct PowerRow {
  const char* name;
  ext base;
  ext exponent;
  ext expected;
};

class PowerRuleTest : public ::testing::TestWithParam<PowerRow> {};

TEST_P(PowerRuleTest, FollowsTheRuleInOrder) {
  EXPECT_EQ(power(GetParam().base, GetParam().exponent), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, PowerRuleTest,
                         ::testing::Values(PowerRow{"ZeroExponent", 0, 0, 1}, PowerRow{"NegativeBaseZero", -3, 0, 1},
                                           PowerRow{"ZeroBase", 0, kOneThird, 0},
                                           PowerRow{"Square", 17.5L, 2, 17.5L * 17.5L},
                                           PowerRow{"NegativeSquare", -3, 2, 9}, PowerRow{"Cube", -2, 3, -8},
                                           PowerRow{"Reciprocal", 4, -1, 0.25L},
                                           PowerRow{"CubeRootOf8", 8, kOneThird, std::exp(std::log(8.0L) * kOneThird)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExtendedMath, RoundsToInt64TiesToEven) {
  EXPECT_EQ(toInt64(2.5L), 2);
  EXPECT_EQ(toInt64(3.5L), 4);
  EXPECT_EQ(toInt64(-2.5L), -2);
  EXPECT_EQ(toInt64(9.2e18L), 9200000000000000000LL);
}

TEST(ExtendedMath, Int64RangeEndsExactly) {
  EXPECT_EQ(toInt64(0x1p63L - 1), INT64_MAX);
  EXPECT_EQ(toInt64(0x1p63L - 0.75L), INT64_MAX);
  EXPECT_THROW(toInt64(0x1p63L - 0.5L), InvalidOperation);  // the tie goes to the even 2^63
  EXPECT_EQ(toInt64(-0x1p63L), INT64_MIN);
  EXPECT_THROW(toInt64(-0x1p63L - 1), InvalidOperation);
}

TEST(ExtendedMath, UnderflowIsQuiet) {
  EXPECT_EQ(toDouble(1e-400L), 0.0);
  EXPECT_EQ(exponential(-20000), 0.0L);
  EXPECT_EQ(divide(1e-4900L, 1e100L), 0.0L);
}

}  // namespace
