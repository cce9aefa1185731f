#pragma once
// The sizing window of tollard: four inputs, four outputs, the Solve button, the hidden report
// memo, the clock label and the main menu (Save, Print, Print Setup, Exit; Manual). Every
// control is a child named as in the layout, so that it is found by name.
#include <QMainWindow>
#include <memory>

#include "fontInstall.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace shell {
class MessageBoxes;
}
namespace shell::qt {
class FailureReporter;
class QtMessageBoxes;
}

namespace tollard {

class SizingDialogs;

// Where the window talks to the user and the platform. Left empty, the real message boxes,
// failure report and dialogs are used; tests give recording fakes.
struct SizingServices {
  shell::MessageBoxes* boxes = nullptr;
  shell::qt::FailureReporter* reporter = nullptr;
  SizingDialogs* dialogs = nullptr;
};

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  using Services = SizingServices;

  explicit TForm1(Services services = {}, QWidget* parent = nullptr);
  ~TForm1() override;

  // The controls, named as in the layout tables.
  QGroupBox* GroupBox1;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10,
      *Label11, *Label12, *Label13;
  QLineEdit* forgingVolumeTextBox;
  QLineEdit* materialAdditionTextBox;
  QLineEdit* requestedRatioTextBox;
  QComboBox* RodTypeComboBox;
  QPushButton* Button1;
  QGroupBox* GroupBox2;
  QLabel *Label14, *Label15, *Label16, *Label17, *Label18, *Label19, *Label20, *Label21, *Label22,
      *Label23, *Label24, *Label25, *Label26, *Label27, *Label29;
  QLineEdit* rodDiameterTextBox;
  QLineEdit* rodLengthTextBox;
  QLineEdit* rodUpsettingRatioTextBox;
  QLineEdit* rodVolumeTextBox;
  QLabel* timeLabel;
  QLabel* Label28;
  QPlainTextEdit* Memo1;
  QMenu* File1;
  QAction *SaveAs1, *N2, *Print1, *PrintSetup1, *N1, *Exit1;
  QMenu* Help1;
  QAction* Contents1;

  // The handlers; each body runs inside the one failure guard.
  void FormCreate();
  void FormDestroy();
  void Button1Click();
  void SaveAs1Click();
  void Print1Click();
  void PrintSetup1Click();
  void Exit1Click();
  void Contents1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;  // FormCloseQuery

 private:
  void buildInputGroup();
  void buildOutputGroup();
  void buildMenu();
  // The boxes' names for a screen reader, from their captions, which become their buddies.
  void applyAccessibleNames();
  QPrinter& printer();

  std::unique_ptr<shell::qt::QtMessageBoxes> ownBoxes_;
  std::unique_ptr<SizingDialogs> ownDialogs_;
  shell::MessageBoxes& boxes_;
  shell::qt::FailureReporter& reporter_;
  SizingDialogs& dialogs_;
  shell::qt::FontInstall fontInstall_;
  std::unique_ptr<QPrinter> printer_;  // made on first use, kept for later prints
  QString lastSaveName_;               // offered by the next save dialog
};

}  // namespace tollard
