#pragma once
// The platform dialogs of the sizing window and the opening of a document, behind one small
// interface: the window uses QtSizingDialogs, a test a recording fake.
#include <QString>
#include <optional>

class QFileDialog;
class QPrinter;
class QWidget;

namespace tollard {

// What File, Save asks of the save dialog each time it is shown.
struct SaveDialogRequest {
  QString title;          // "Save to text file"
  QString filter;         // "Text File (*.txt)"
  QString defaultSuffix;  // "txt": added to a name typed without an extension
  QString fileName;       // the name chosen the previous time, empty at first
};

class SizingDialogs {
 public:
  virtual ~SizingDialogs() = default;
  // The chosen path (with the default suffix added where the name had none), or nothing when
  // the user cancels. Never asks about an existing file and never changes the current directory.
  virtual std::optional<QString> chooseSaveFile(const SaveDialogRequest& request) = 0;
  // The print dialog on printer: true when confirmed; the choice is then in printer.
  virtual bool choosePrinter(QPrinter& printer) = 0;
  // The page and printer set-up dialog on printer; its result is not looked at.
  virtual void setUpPrinter(QPrinter& printer) = 0;
  // Opens a document with the desktop's program for it; the result is not looked at.
  virtual void openDocument(const QString& absolutePath) = 0;
};

// The settings of the save dialog: save mode, title, the one filter, the default suffix, no
// overwrite question of its own, and the previous name offered.
void configureSaveDialog(QFileDialog& dialog, const SaveDialogRequest& request);

class QtSizingDialogs : public SizingDialogs {
 public:
  explicit QtSizingDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<QString> chooseSaveFile(const SaveDialogRequest& request) override;
  bool choosePrinter(QPrinter& printer) override;
  void setUpPrinter(QPrinter& printer) override;
  void openDocument(const QString& absolutePath) override;

 private:
  QWidget* parent_;
};

}  // namespace tollard
