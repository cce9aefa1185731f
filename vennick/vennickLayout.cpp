// The press window's controls: positions and sizes in pixels at 96 dots per inch, relative to
// each control's parent; "10-point" captions use the 10-point face, everything else the window's
// 8-point face.
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include "arrowKeyScrollBar.h"
#include "folderBrowser/directoryListBox.h"
#include "folderBrowser/driveComboBox.h"
#include "folderBrowser/fileListBox.h"
#include "folderBrowser/filterComboBox.h"
#include "layoutHelpers.h"
#include "memo/memoLines.h"
#include "memo/memoView.h"
#include "operationsEditor.h"
#include "pressAccessibleNames.h"
#include "vennickMain.h"
#include "windowFonts.h"
#include "windowShell.h"

using vennick::layout::Align;
using vennick::layout::placeButton;
using vennick::layout::placeLabel;

namespace {

constexpr int kTen = 10;   // points
constexpr int kEight = 8;  // points, the window font

QLineEdit* placeEdit(QWidget* parent, const char* name, int x, int y, int w, int h) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(x, y, w, h);
  return box;
}

template <typename T>
T* named(T* widget, const char* name, int x, int y, int w, int h) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(x, y, w, h);
  return widget;
}

}  // namespace

void TForm1::buildWindow() {
  setWindowTitle(QStringLiteral("Vennick"));
  // A fixed dialog frame: a title with the system menu and the close button, nothing to resize,
  // minimise or maximise.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(742, 446);
  move(191, 125);
  setFont(shell::qt::windowFont(kEight));

  Label1 = placeLabel(this, "Label1", QStringLiteral("Crank press type:"), 12, 12, 104, 16, kTen);
  crankPressTypeComboBox = named(new QComboBox(this), "crankPressTypeComboBox", 220, 12, 90, 21);
  crankPressTypeComboBox->setEditable(true);
  // Typed text is compared as it stands: no completion, and Enter adds no item.
  crankPressTypeComboBox->setCompleter(nullptr);
  crankPressTypeComboBox->setInsertPolicy(QComboBox::NoInsert);
  crankPressTypeComboBox->addItems({QStringLiteral("LZK 2500"), QStringLiteral("LDO 315A"),
                                    QStringLiteral("User defined")});
  crankPressTypeComboBox->setCurrentIndex(-1);
  crankPressTypeComboBox->setEditText(QString());

  buildInputGroup();

  Panel1 = named(new QWidget(this), "Panel1", 16, 168, 105, 60);
  displacementRadioButton = named(new QRadioButton(QStringLiteral("Displacement"), Panel1),
                                  "displacementRadioButton", 0, 0, 113, 17);
  velocityRadioButton = named(new QRadioButton(QStringLiteral("Velocity"), Panel1), "velocityRadioButton", 0, 20,
                              113, 17);
  accelerationRadioButton = named(new QRadioButton(QStringLiteral("Acceleration"), Panel1),
                                  "accelerationRadioButton", 0, 40, 113, 17);
  for (QRadioButton* radio : {displacementRadioButton, velocityRadioButton, accelerationRadioButton})
    radio->setFont(shell::qt::windowFont(kTen));
  velocityRadioButton->setChecked(true);

  Label13 = placeLabel(this, "Label13", QStringLiteral("Precision"), 128, 168, 56, 16, kTen);
  precisionLabel = placeLabel(this, "precisionLabel", QStringLiteral("0"), 300, 168, 7, 16, kTen, Align::Right);
  precisionScrollBar = named(new vennick::ArrowKeyScrollBar(Qt::Horizontal, this), "precisionScrollBar", 128, 188, 180, 17);
  precisionScrollBar->setRange(0, 15);
  precisionScrollBar->setSingleStep(1);
  // A click beside the handle moves by one as well (Qt has no step for it apart from the page).
  precisionScrollBar->setPageStep(1);
  precisionScrollBar->setFocusPolicy(Qt::StrongFocus);

  addOperationButton = placeButton(this, "addOperationButton", QStringLiteral("Add operation"), 320, 172, 73, 41, kTen);
  removeOperationButton =
      placeButton(this, "removeOperationButton", QStringLiteral("Remove operation"), 404, 172, 73, 41, kTen);
  Button1 = placeButton(this, "Button1", QStringLiteral("Solve"), 488, 172, 77, 41, kTen);

  buildOperationsBox();
  buildFolderBrowser();

  memoLines_ = new vennick::MemoLines(this);
  Memo1 = named(new vennick::MemoView(this), "Memo1", 388, 264, 201, 89);
  Memo1->setModel(memoLines_);
  memoLines_->setLines({QStringLiteral("Memo1")});

  timeLabel = placeLabel(this, "timeLabel", QStringLiteral("timeLabel"), 8, 424, 59, 16, kTen);
  // The clock text is far longer than the design caption: the label keeps its left edge and
  // has room up to the notice.
  timeLabel->resize(470, timeLabel->height());
  copyrightLabel = placeLabel(this, "copyrightLabel", QStringLiteral("\u00A9 Vennick crank press calculator"), 485,
                              424, 248, 16, kTen, Align::Right);
  Timer1 = shell::qt::startClockTimer(this, timeLabel, services_.reporter);

  arrangeTabOrder();
  vennick::applyAccessibleNames(*this);
}

void TForm1::buildInputGroup() {
  GroupBox1 = named(new QGroupBox(QStringLiteral("Input"), this), "GroupBox1", 12, 36, 300, 128);
  // The rows are placed for a frame that runs through the middle of the caption, as the Windows
  // style draws it; other styles put the frame below the caption, across the first row. The
  // style is the group's own: its controls keep the application's.
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
    style->setParent(GroupBox1);
    GroupBox1->setStyle(style);
  }
  QWidget* g = GroupBox1;
  Label2 = placeLabel(g, "Label2", QStringLiteral("Connecting Rod Length"), 4, 16, 70, 32, kTen, Align::Left, true);
  Label3 = placeLabel(g, "Label3", QStringLiteral("l"), 104, 24, 3, 16, kTen);
  Label4 = placeLabel(g, "Label4", QStringLiteral("cr"), 108, 28, 9, 13, kEight);
  connectingRodLengthTextBox = placeEdit(g, "connectingRodLengthTextBox", 152, 20, 60, 21);
  Label5 = placeLabel(g, "Label5", QStringLiteral("[mm]"), 252, 24, 30, 16, kTen);
  Label6 = placeLabel(g, "Label6", QStringLiteral("Crankshaft Stroke"), 4, 52, 63, 32, kTen, Align::Left, true);
  Label7 = placeLabel(g, "Label7", QStringLiteral("z"), 104, 56, 6, 16, kTen);
  crankshaftStrokeTextBox = placeEdit(g, "crankshaftStrokeTextBox", 152, 52, 60, 21);
  Label8 = placeLabel(g, "Label8", QStringLiteral("[mm]"), 252, 56, 30, 16, kTen);
  Label9 = placeLabel(g, "Label9", QStringLiteral("Revolve Rate"), 4, 88, 51, 32, kTen, Align::Left, true);
  Label10 = placeLabel(g, "Label10", QStringLiteral("n"), 104, 92, 7, 16, kTen);
  revolveRateTextBox = placeEdit(g, "revolveRateTextBox", 152, 88, 60, 21);
  // [min, the exponent -1 four pixels higher, and ]: together [min^-1].
  Label11 = placeLabel(g, "Label11", QStringLiteral("[min"), 248, 92, 25, 16, kTen);
  Label12 = placeLabel(g, "Label12", QStringLiteral("-1"), 272, 88, 11, 16, kTen);
  Label18 = placeLabel(g, "Label18", QStringLiteral("]"), 284, 92, 4, 16, kTen);
}

void TForm1::buildOperationsBox() {
  operationsSettingsGroupBox = named(new QScrollArea(this), "operationsSettingsGroupBox", 320, 40, 400, 124);
  operationsSettingsGroupBox->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  // The box itself takes no focus: Tab goes straight to the rows' boxes.
  operationsSettingsGroupBox->setFocusPolicy(Qt::NoFocus);
  operationsSettingsGroupBox->setWidgetResizable(false);
  operationsRowsPanel = new QWidget;
  operationsRowsPanel->setObjectName(QStringLiteral("operationsRowsPanel"));
  QWidget* box = operationsRowsPanel;

  Label14 = placeLabel(box, "Label14", QStringLiteral("D"), 108, 8, 10, 16, kTen);
  Label15 = placeLabel(box, "Label15", QStringLiteral("h"), 120, 8, 7, 16, kTen);
  Label21 = placeLabel(box, "Label21", QStringLiteral("[mm]"), 132, 8, 30, 16, kTen);
  Label22 = placeLabel(box, "Label22", QStringLiteral("# of division"), 176, 4, 46, 32, kTen, Align::Centre, true);
  Label23 = placeLabel(box, "Label23", QStringLiteral("Unload time [s]"), 236, 4, 47, 32, kTen, Align::Centre, true);
  Label23->setToolTip(QStringLiteral("Default is 0.0"));
  Label16 = placeLabel(box, "Label16", QStringLiteral("# of division"), 300, 4, 46, 32, kTen, Align::Centre, true);
  Label16->setToolTip(QStringLiteral("Deafult is 1"));
  operation1Label = placeLabel(box, "operation1Label", QStringLiteral("Operation #1"), 4, 44, 77, 16, kTen);
  deltaH1TextBox = placeEdit(box, "deltaH1TextBox", 104, 40, 60, 21);
  nbrOfDivisionLoad1TextBox = placeEdit(box, "nbrOfDivisionLoad1TextBox", 176, 40, 48, 21);
  unloadTime1TextBox = placeEdit(box, "unloadTime1TextBox", 240, 40, 48, 21);
  nbrOfDivisionUnload1TextBox = placeEdit(box, "nbrOfDivisionUnload1TextBox", 300, 40, 48, 21);

  operationsSettingsGroupBox->setWidget(operationsRowsPanel);
  editor_ = std::make_unique<vennick::OperationsEditor>(*this, *operationsRowsPanel);
  editor_->fitRowsPanel();
}

void TForm1::buildFolderBrowser() {
  DriveComboBox1 = named(new vennick::DriveComboBox(*services_.volumes, this), "DriveComboBox1", 12, 232, 145, 19);
  DirectoryListBox1 = named(new vennick::DirectoryListBox(this), "DirectoryListBox1", 12, 252, 145, 153);
  DirectoryListBox1->setVolumes(DriveComboBox1->volumes());
  FileListBox1 = named(new vennick::FileListBox(this), "FileListBox1", 168, 232, 145, 145);
  FilterComboBox1 = named(new vennick::FilterComboBox(this), "FilterComboBox1", 168, 384, 145, 21);

  // At start the drive of the working directory is chosen and both lists show that directory.
  const QString start = QDir::currentPath();
  DriveComboBox1->setDrive(vennick::volumeRootOf(DriveComboBox1->volumes(), start));
  guarded([&] {
    DirectoryListBox1->setDirectory(start);
    FileListBox1->setMask(FilterComboBox1->mask());
    FileListBox1->setDirectory(start);
  });
}

void TForm1::arrangeTabOrder() {
  // The focus order of the window's direct children; the controls inside the input group, the
  // panel and the operations box follow their container's place.
  const QList<QWidget*> order{DriveComboBox1,
                              FilterComboBox1,
                              FileListBox1,
                              DirectoryListBox1,
                              connectingRodLengthTextBox,
                              crankshaftStrokeTextBox,
                              revolveRateTextBox,
                              crankPressTypeComboBox,
                              displacementRadioButton,
                              velocityRadioButton,
                              accelerationRadioButton,
                              precisionScrollBar,
                              Button1,
                              addOperationButton,
                              removeOperationButton,
                              deltaH1TextBox,
                              nbrOfDivisionLoad1TextBox,
                              unloadTime1TextBox,
                              nbrOfDivisionUnload1TextBox,
                              Memo1};
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}
