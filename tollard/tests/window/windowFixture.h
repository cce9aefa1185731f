#pragma once
// A sizing window in a temporary current directory, its boxes, failure report, dialogs and
// document opener replaced by recording fakes.
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <deque>
#include <ostream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mainUnit.h"
#include "messageBoxes.h"
#include "qtMessageBoxes.h"
#include "sizingDialogs.h"

// Texts in failure messages as text, not as bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tollard::test {

struct Question {
  std::string text;
  std::string caption;
  bool operator==(const Question&) const = default;
};

inline void PrintTo(const Question& q, std::ostream* out) { *out << '"' << q.text << "\" (" << q.caption << ')'; }

// A row of a test table is shown by its name.
namespace {
template <typename Row>
  requires requires(const Row& row) { std::string(row.name); }
void PrintTo(const Row& row, std::ostream* out) {
  *out << row.name;
}
}  // namespace

inline const Question kOverwriteQuestion{"Do You want overwrite existing file?", "Confirm"};
inline const Question kExitQuestion{"Do You really want to exit the application?", "Exit"};

class FakeBoxes : public shell::MessageBoxes {
 public:
  std::vector<std::string> errors;
  std::vector<Question> questions;
  std::deque<shell::Answer> answers;  // given in turn; Cancel when none is left

  void errorBox(const std::string& message) override { errors.push_back(message); }
  shell::Answer confirmationBox(const std::string& question, const std::string& caption) override;
};

// Records what the user would read: the failure's text after the full-stop rule.
class FakeReporter : public shell::qt::FailureReporter {
 public:
  std::vector<std::string> reports;
  void report(const std::string& failureText) override { reports.push_back(shell::failureReportText(failureText)); }
};

class FakeDialogs : public SizingDialogs {
 public:
  std::vector<SaveDialogRequest> saveRequests;
  std::optional<QString> savePath;  // what the user chooses; nothing is Cancel

  int printDialogs = 0;
  bool confirmPrint = true;
  QString pdfPath;  // the print dialog's choice: a PDF file

  int setUpDialogs = 0;
  std::function<void(QPrinter&)> setUp;  // what the user changes in the set-up dialog

  QStringList opened;

  std::optional<QString> chooseSaveFile(const SaveDialogRequest& request) override;
  bool choosePrinter(QPrinter& printer) override;
  void setUpPrinter(QPrinter& printer) override;
  void openDocument(const QString& absolutePath) override { opened << absolutePath; }
};

class SizingWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <typename T = QWidget>
  T* control(const char* name) {
    T* found = form->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QString path(const QString& relative) const { return dir.filePath(relative); }

  // Types into a box as the user does, key by key.
  void type(const char* boxName, const QString& text);
  // Types the bar standard into the drop-down's text field.
  void typeRodType(const QString& text);
  void clickSolve();
  // The four inputs typed in, then Solve clicked.
  void solve(const QString& volume, const QString& addition, const QString& ratio, const QString& rodType);
  void solveWorkedExample() { solve("50000", "3", "2", "EN 10060"); }
  QStringList memoLines();
  void setMemoLines(const QStringList& lines);
  // Shows the window and makes it the active one, for keys and focus.
  void activate();

  QTemporaryDir dir;
  QString previousDir;
  FakeBoxes boxes;
  FakeReporter reporter;
  FakeDialogs dialogs;
  std::unique_ptr<TForm1> form;
};

// The report lines of the worked example after the clock line.
QStringList workedExampleLines();

// A clock line as the report carries it: weekday, blank, date, comma and blank, time (the date
// and the time as the locale writes them, blanks included).
bool looksLikeClockText(const QString& line);

std::string readFile(const QString& path);
void writeFile(const QString& path, const std::string& bytes);

}  // namespace tollard::test
