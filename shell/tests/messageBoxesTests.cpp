#include <gtest/gtest.h>

#include <vector>

#include "messageBoxes.h"

using namespace shell;

namespace {

class RecordingBoxes : public MessageBoxes {
 public:
  explicit RecordingBoxes(Answer answer) : answer_(answer) {}
  void errorBox(const std::string& message) override { errors.push_back(message); }
  Answer confirmationBox(const std::string& question, const std::string& caption) override {
    questions.push_back(question);
    captions.push_back(caption);
    return answer_;
  }
  std::vector<std::string> errors, questions, captions;

 private:
  Answer answer_;
};

struct ExitRow {
  const char* name;
  Answer answer;
  bool consent;
};

class ExitQuestionTest : public ::testing::TestWithParam<ExitRow> {};

TEST_P(ExitQuestionTest, OnlyYesConsents) {
  RecordingBoxes boxes(GetParam().answer);
  EXPECT_EQ(exitQuestion(boxes), GetParam().consent);
  ASSERT_EQ(boxes.questions.size(), 1u);
  EXPECT_EQ(boxes.questions[0], "Do You really want to exit the application?");
  EXPECT_EQ(boxes.captions[0], "Exit");
}

INSTANTIATE_TEST_SUITE_P(Rows, ExitQuestionTest,
                         ::testing::Values(ExitRow{"Yes", Answer::Yes, true}, ExitRow{"No", Answer::No, false},
                                           ExitRow{"CancelOrEscOrClose", Answer::Cancel, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FullStopRow {
  const char* name;
  const char* text;
  const char* expected;
};

class FailureReportTextTest : public ::testing::TestWithParam<FullStopRow> {};

TEST_P(FailureReportTextTest, AddsAFullStopOnlyWhereNeeded) {
  EXPECT_EQ(failureReportText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FailureReportTextTest,
    ::testing::Values(FullStopRow{"Letter", "abc", "abc."}, FullStopRow{"FullStop", "abc.", "abc."},
                      FullStopRow{"Exclamation", "abc!", "abc!"}, FullStopRow{"Blank", "abc ", "abc "},
                      FullStopRow{"Slash", "a/", "a/."}, FullStopRow{"Empty", "", ""},
                      FullStopRow{"Failure", "Floating point division by zero", "Floating point division by zero."},
                      FullStopRow{"NonAscii", "Fehler in \xc3\xa4", "Fehler in \xc3\xa4."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
