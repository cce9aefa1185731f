#pragma once
// The press window of vennick, TForm1: the press list with its presets, the machine inputs and
// their checks on leaving them, the quantity, the precision, the operation rows, the output
// folder browser, Solve and the memo of the last operation's lines. Every control carries its
// name as objectName and is found by it (findChild). The window only carries texts between its
// controls and the sampling run; every handler body runs inside one guard.
#include <QWidget>

#include <functional>
#include <memory>

#include "fontInstall.h"
#include "windowServices.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QScrollBar;
class QTimer;

namespace vennick {
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class FilterComboBox;
class MemoLines;
class MemoView;
class OperationsEditor;
}  // namespace vennick

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // Builds the controls and runs FormCreate, as creating the window does.
  explicit TForm1(const vennick::WindowServices& services, QWidget* parent = nullptr);
  // FormDestroy: removes the symbol font again.
  ~TForm1() override;

  int operationCount() const;
  vennick::MemoLines& memoLines() { return *memoLines_; }
  const vennick::WindowServices& services() const { return services_; }
  // The folder into which Solve writes: the current folder of DirectoryListBox1.
  QString outputFolder() const;

  static constexpr const char* kFileFilter =
      "Text files (*.txt)|*.TXT|Pascal files (*.pas)|*.PAS|Exetutable files (*.exe)|*.exe|All files (*.*)|*.*";

 public slots:
  void FormCreate();
  void Button1Click();
  void crankPressTypeComboBoxChange();
  void precisionScrollBarChange();
  void connectingRodLengthTextBoxExit();
  void crankshaftStrokeTextBoxExit();
  void revolveRateTextBoxExit();
  void addOperationButtonClick();
  void removeOperationButtonClick();
  void DriveComboBox1Change();
  void DirectoryListBox1Change();
  void FilterComboBox1Change();

 protected:
  // FormCloseQuery: the exit question; only Yes lets the window close.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildWindow();
  void buildInputGroup();
  void buildOperationsBox();
  void buildFolderBrowser();
  void arrangeTabOrder();
  void connectHandlers();

  void guarded(const std::function<void()>& body);
  void focusLeft(QWidget* old, QWidget* now);
  void checkMachineInput(QLineEdit* box, const char* belowZeroMessage);
  void refocus(QWidget* box);

  vennick::WindowServices services_;
  shell::qt::FontInstall fontInstall_;

  // Set while the window puts the focus back itself: that move runs no input check.
  bool restoringFocus_ = false;
  // Set after an input check refused a box during a mouse press: that press must not reach the
  // control it was meant for (the focus stays in the refused box, and a button must not click).
  bool swallowPress_ = false;

 public:
  // The controls, named as the window's design names them.
  QLabel* Label1 = nullptr;
  QComboBox* crankPressTypeComboBox = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* connectingRodLengthTextBox = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLineEdit* crankshaftStrokeTextBox = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QLineEdit* revolveRateTextBox = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label18 = nullptr;
  QWidget* Panel1 = nullptr;
  QRadioButton* displacementRadioButton = nullptr;
  QRadioButton* velocityRadioButton = nullptr;
  QRadioButton* accelerationRadioButton = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* precisionLabel = nullptr;
  QScrollBar* precisionScrollBar = nullptr;
  QPushButton* addOperationButton = nullptr;
  QPushButton* removeOperationButton = nullptr;
  QPushButton* Button1 = nullptr;
  QScrollArea* operationsSettingsGroupBox = nullptr;
  QWidget* operationsRowsPanel = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* Label15 = nullptr;
  QLabel* Label21 = nullptr;
  QLabel* Label22 = nullptr;
  QLabel* Label23 = nullptr;
  QLabel* Label16 = nullptr;
  QLabel* operation1Label = nullptr;
  QLineEdit* deltaH1TextBox = nullptr;
  QLineEdit* nbrOfDivisionLoad1TextBox = nullptr;
  QLineEdit* unloadTime1TextBox = nullptr;
  QLineEdit* nbrOfDivisionUnload1TextBox = nullptr;
  vennick::DriveComboBox* DriveComboBox1 = nullptr;
  vennick::DirectoryListBox* DirectoryListBox1 = nullptr;
  vennick::FileListBox* FileListBox1 = nullptr;
  vennick::FilterComboBox* FilterComboBox1 = nullptr;
  vennick::MemoView* Memo1 = nullptr;
  QLabel* timeLabel = nullptr;
  QLabel* copyrightLabel = nullptr;
  QTimer* Timer1 = nullptr;

 private:
  vennick::MemoLines* memoLines_ = nullptr;
  std::unique_ptr<vennick::OperationsEditor> editor_;
};
