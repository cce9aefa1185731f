#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "floatFailures.h"
#include "kinematicsFunctions.h"

using kinematicsFunctions::kinematicValue;
using kinematicsFunctions::timeAtDeltaH;

namespace {

// The LZK 2500 press: rod 1070 mm, stroke 320 mm, 70 revolutions per minute.
constexpr double kL = 1070;
constexpr double kR = 160;
constexpr double kOmega = 70 * std::numbers::pi / 30;
constexpr double kBottom = std::numbers::pi / kOmega;  // s, bottom dead centre

struct ValueRow {
  const char* name;
  int code;
  double t;
  double expected;
  double tolerance;
};

class KinematicValueTest : public ::testing::TestWithParam<ValueRow> {};

TEST_P(KinematicValueTest, GivesTheQuantity) {
  const auto& row = GetParam();
  EXPECT_NEAR(kinematicValue(row.code, row.t, kR, kL, kOmega), row.expected, row.tolerance);
}

const double kTopAcceleration = kR * kOmega * kOmega * (1 - kR / kL);
const double kBottomAcceleration = -kR * kOmega * kOmega * (1 + kR / kL);

const ValueRow kValueRows[] = {
    {"DisplacementAtTenthSecond", 1, 0.1, 945.727263, 5e-7},
    {"VelocityAtTenthSecond", 2, 0.1, 697.147328, 5e-7},
    {"AccelerationAtTenthSecond", 3, 0.1, 6246.92719, 5e-6},
    {"DisplacementAtTop", 1, 0, kL - kR, 0},
    {"VelocityAtTop", 2, 0, 0, 0},
    {"AccelerationAtTop", 3, 0, kTopAcceleration, 1e-9},
    {"DisplacementAtBottom", 1, kBottom, kL + kR, 1e-9},
    {"VelocityAtBottom", 2, kBottom, 0, 1e-9},
    {"AccelerationAtBottom", 3, kBottom, kBottomAcceleration, 1e-9},
    // On the way up the ram is where it was at the mirrored time on the way down.
    {"DisplacementRising", 1, 2 * kBottom - 0.1, 945.727263, 5e-7},
    {"VelocityRising", 2, 2 * kBottom - 0.1, -697.147328, 5e-7},
    {"CodeZero", 0, 0.1, 0, 0},
    {"CodeFour", 4, 0.1, 0, 0},
    {"CodeMinusOne", -1, kBottom, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, KinematicValueTest, ::testing::ValuesIn(kValueRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Velocity is the time derivative of the displacement and acceleration that of the velocity:
// compared with central differences on a press of other proportions, over a whole revolution.
struct TimeRow {
  const char* name;
  double t;
};

class KinematicDerivativeTest : public ::testing::TestWithParam<TimeRow> {};

TEST_P(KinematicDerivativeTest, EachQuantityIsTheDerivativeOfThePrevious) {
  const double r = 100, L = 330, omega = 12.5, t = GetParam().t, h = 1e-6;
  auto value = [&](int code, double at) { return kinematicValue(code, at, r, L, omega); };
  const double velocity = (value(1, t + h) - value(1, t - h)) / (2 * h);
  const double acceleration = (value(2, t + h) - value(2, t - h)) / (2 * h);
  EXPECT_NEAR(value(2, t), velocity, 1e-4);
  EXPECT_NEAR(value(3, t), acceleration, 1e-2);
}

// One revolution takes 0.503 s; bottom dead centre is at 0.251 s.
const TimeRow kTimeRows[] = {
    {"JustAfterTop", 0.01}, {"Downstroke", 0.1}, {"NearBottom", 0.24},
    {"Upstroke", 0.3}, {"NearTopAgain", 0.49}, {"SecondRevolution", 0.62},
};

INSTANTIATE_TEST_SUITE_P(Rows, KinematicDerivativeTest, ::testing::ValuesIn(kTimeRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct HeightRow {
  const char* name;
  double deltaH;
  double expected;
  double tolerance;
};

class TimeAtDeltaHTest : public ::testing::TestWithParam<HeightRow> {};

TEST_P(TimeAtDeltaHTest, GivesTheContactTime) {
  const auto& row = GetParam();
  const double t = timeAtDeltaH(row.deltaH, kR, kL, kOmega);
  EXPECT_NEAR(t, row.expected, row.tolerance);
  // The ram stands deltaH above bottom dead centre at that time.
  EXPECT_NEAR(kinematicValue(1, t, kR, kL, kOmega), kL + kR - row.deltaH, 1e-9);
}

const HeightRow kHeightRows[] = {
    {"TopOfStroke", 320, 0, 0},
    {"HalfStroke", 160, 0.2244947565, 5e-11},
    {"NearBottom", 20, 0.3641324373, 5e-11},
    {"JustAboveBottom", 1e-3, kBottom, 1e-3},
};

INSTANTIATE_TEST_SUITE_P(Rows, TimeAtDeltaHTest, ::testing::ValuesIn(kHeightRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Arguments outside a real press: the failure is raised, never a NaN or an infinity returned.
enum class Failure { Invalid, DivisionByZero };

struct FailureRow {
  const char* name;
  std::function<double()> call;
  Failure expected;
};

class KinematicsFailureTest : public ::testing::TestWithParam<FailureRow> {};

TEST_P(KinematicsFailureTest, RaisesTheFailure) {
  const auto& row = GetParam();
  try {
    const double result = row.call();
    FAIL() << "returned " << result;
  } catch (const shell::InvalidOperation& f) {
    EXPECT_EQ(row.expected, Failure::Invalid);
    EXPECT_STREQ(f.what(), "Invalid floating point operation");
  } catch (const shell::DivisionByZero& f) {
    EXPECT_EQ(row.expected, Failure::DivisionByZero);
    EXPECT_STREQ(f.what(), "Floating point division by zero");
  }
}

// Crank angle pi/2 on a press of unit angular speed.
constexpr double kQuarter = std::numbers::pi / 2;

const FailureRow kFailureRows[] = {
    {"StandingCrankshaft", [] { return timeAtDeltaH(160, kR, kL, 0); }, Failure::DivisionByZero},
    // s = 10 gives c = -4.90625.
    {"RodShorterThanCrankOutsideArcCosine", [] { return timeAtDeltaH(250, 160, 100, kOmega); },
     Failure::Invalid},
    // s = 0 with L != r.
    {"RodShorterThanCrankAtTheAxis", [] { return timeAtDeltaH(260, 160, 100, kOmega); },
     Failure::DivisionByZero},
    {"RodShorterThanCrankDisplacement", [] { return kinematicValue(1, kQuarter, 160, 100, 1); },
     Failure::Invalid},
    // The root term comes first even for a code that gives no quantity.
    {"RodShorterThanCrankOtherCode", [] { return kinematicValue(4, kQuarter, 160, 100, 1); },
     Failure::Invalid},
    {"NotANumberTime", [] { return kinematicValue(1, std::nan(""), kR, kL, kOmega); }, Failure::Invalid},
};

INSTANTIATE_TEST_SUITE_P(Rows, KinematicsFailureTest, ::testing::ValuesIn(kFailureRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
