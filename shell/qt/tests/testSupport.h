#pragma once
// What the shell_qt tests share: a temporary current directory, and recording fakes for the
// boxes and the failure report.
#include <QDir>
#include <QTemporaryDir>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "messageBoxes.h"
#include "qtMessageBoxes.h"

namespace shell_qt_tests {

// Makes a new empty folder the current directory for the life of the object.
class ScopedCurrentDir {
 public:
  ScopedCurrentDir() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
  ~ScopedCurrentDir() { QDir::setCurrent(previous_); }
  ScopedCurrentDir(const ScopedCurrentDir&) = delete;
  ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;
  QString path() const { return folder_.path(); }

 private:
  QString previous_;
  QTemporaryDir folder_;
};

struct BoxCall {
  std::string kind;  // "error" or "confirmation"
  std::string text;
  std::string caption;
};

// Answers the Confirmation boxes from a script; throws when the script is empty, so that an
// unexpected question shows up as a failure.
class FakeBoxes : public shell::MessageBoxes {
 public:
  std::vector<BoxCall> calls;
  std::deque<shell::Answer> answers;

  void errorBox(const std::string& message) override { calls.push_back({"error", message, "Error"}); }
  shell::Answer confirmationBox(const std::string& question, const std::string& caption) override {
    calls.push_back({"confirmation", question, caption});
    if (answers.empty()) throw std::runtime_error("unexpected question");
    const shell::Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

class RecordingReporter : public shell::qt::FailureReporter {
 public:
  std::vector<std::string> reports;
  void report(const std::string& failureText) override { reports.push_back(failureText); }
};

}  // namespace shell_qt_tests
