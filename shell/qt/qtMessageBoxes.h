#pragma once
// The real modal boxes, each built in one place:
// - Error box: stop icon, caption "Error", word-wrapped text, one OK button (default and
//   cancel), white background, centred on the screen.
// - Confirmation box: question icon, caption "Confirm" or the given one, &Yes / &No / Cancel,
//   Yes default, Cancel on Esc and on the close button, centred on the screen.
// - General failure report: critical icon, caption applicationTitle(), OK, the failure's own
//   text after shell::failureReportText (the full-stop rule).
#include <QString>
#include <memory>

#include "messageBoxes.h"

class QMessageBox;
class QWidget;

namespace shell::qt {

// Where a window sends an escaping failure; tests replace it with a recording fake.
class FailureReporter {
 public:
  virtual ~FailureReporter() = default;
  // failureText is the failure's own text (what()); the full-stop rule is applied by the report.
  virtual void report(const std::string& failureText) = 0;
};

// The boxes as built, not yet shown: exec() shows one modally and centred on the screen. Texts are
// shown as plain text, never read as markup.
std::unique_ptr<QMessageBox> buildErrorBox(const QString& message, QWidget* parent);
// An empty caption gives "Confirm".
std::unique_ptr<QMessageBox> buildConfirmationBox(const QString& question, const QString& caption,
                                                  QWidget* parent);
// reportText is shown as it is: report() applies the full-stop rule before.
std::unique_ptr<QMessageBox> buildFailureReport(const QString& reportText, QWidget* parent);
// The answer of a closed Confirmation box: the button clicked; Esc and the close button give Cancel.
shell::Answer confirmationAnswer(const QMessageBox& box);

class QtMessageBoxes : public shell::MessageBoxes, public FailureReporter {
 public:
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void errorBox(const std::string& message) override;
  shell::Answer confirmationBox(const std::string& question, const std::string& caption) override;
  void report(const std::string& failureText) override;

 private:
  QWidget* parent_;
};

}  // namespace shell::qt
