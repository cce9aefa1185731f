// The handler guard: whatever escapes a handler body goes to the report, nothing further.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "extendedMath.h"
#include "handlerGuard.h"
#include "testSupport.h"

namespace {

using shell_qt_tests::RecordingReporter;

struct Escape {
  const char* name;
  std::function<void()> body;
  std::string reported;
};

class GuardReports : public testing::TestWithParam<Escape> {};

TEST_P(GuardReports, TheFailureText) {
  RecordingReporter reporter;
  EXPECT_FALSE(shell::qt::runGuarded(reporter, GetParam().body));
  EXPECT_EQ(reporter.reports, std::vector<std::string>{GetParam().reported});
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, GuardReports,
    testing::Values(Escape{"ArithmeticFailure", [] { shell::divide(1.0L, 0.0L); }, "Floating point division by zero"},
                    Escape{"StandardException", [] { throw std::runtime_error("Cannot create file \"a\". b"); },
                           "Cannot create file \"a\". b"},
                    Escape{"EmptyText", [] { throw std::runtime_error(""); }, ""},
                    Escape{"NotAnException", [] { throw 42; }, "Unknown failure"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Guard, ABodyThatEndsNormallyReportsNothing) {
  RecordingReporter reporter;
  int runs = 0;
  EXPECT_TRUE(shell::qt::runGuarded(reporter, [&] { ++runs; }));
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(reporter.reports.empty());
}

TEST(Guard, AReportThatFailsItselfStaysInside) {
  struct ThrowingReporter : shell::qt::FailureReporter {
    void report(const std::string&) override { throw std::runtime_error("no box"); }
  } reporter;
  EXPECT_FALSE(shell::qt::runGuarded(reporter, [] { throw std::runtime_error("x"); }));
}

}  // namespace
