#include "mainUnit.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <utility>

#include "accessibleNames.h"
#include "embeddedResources.h"
#include "formSizingWindow.h"
#include "handlerGuard.h"
#include "menuIcons.h"
#include "messageBoxes.h"
#include "qtMessageBoxes.h"
#include "reportMemo.h"
#include "saveFile.h"
#include "sizingDialogs.h"
#include "textPrinter.h"
#include "upsettingRun.h"
#include "windowFonts.h"
#include "windowShell.h"

namespace tollard {

namespace {

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 196;
constexpr int kEditWidth = 100;
constexpr int kEditHeight = 24;

const char* const kManualPath = "./AppResources/manual_tollard.pdf";

// A label sized to its text (the window's labels grow and shrink with their captions).
QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setTextFormat(Qt::PlainText);
  l->setFont(shell::qt::windowFont(10));
  l->move(left, top);
  l->adjustSize();
  return l;
}

QLineEdit* editBox(QWidget* parent, const char* name, int left, int top) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setFont(shell::qt::windowFont(10));
  e->setGeometry(left, top, kEditWidth, kEditHeight);
  return e;
}

// The rows are placed for a frame that runs through the middle of the caption, as the Windows
// style draws it; other styles put the frame below the caption, across the first row.
QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect geometry) {
  auto* g = new QGroupBox(title, parent);
  g->setObjectName(QString::fromLatin1(name));
  g->setFont(shell::qt::windowFont(10));
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
    style->setParent(g);
    g->setStyle(style);
  }
  g->setGeometry(geometry);
  return g;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                  MenuPicture picture) {
  QAction* action = menu->addAction(menuIcon(picture), caption);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  return action;
}

QAction* separator(QMenu* menu, const char* name) {
  QAction* action = menu->addSeparator();
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

TForm1::TForm1(Services services, QWidget* parent)
    : QMainWindow(parent),
      ownBoxes_(services.boxes && services.reporter ? nullptr : std::make_unique<shell::qt::QtMessageBoxes>(this)),
      ownDialogs_(services.dialogs ? nullptr : std::make_unique<QtSizingDialogs>(this)),
      boxes_(services.boxes ? *services.boxes : *ownBoxes_),
      reporter_(services.reporter ? *services.reporter : *ownBoxes_),
      dialogs_(services.dialogs ? *services.dialogs : *ownDialogs_) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Tollard v1.0"));
  setWindowIcon(programIcon());
  // Fixed single border: title bar, system menu, minimize and close; no maximize, no resize.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  // The client area; the menu bar sits above it, outside the 632 x 196 pixels.
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("clientArea"));
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  GroupBox1 = groupBox(client, "GroupBox1", QStringLiteral("Input"), {4, 4, 310, 164});
  buildInputGroup();
  GroupBox2 = groupBox(client, "GroupBox2", QStringLiteral("Output"), {324, 4, 300, 164});
  buildOutputGroup();

  // Made after GroupBox1 so that it lies over the group's lower right corner.
  Button1 = new QPushButton(QStringLiteral("Solve"), client);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setFont(shell::qt::windowFont(8));
  Button1->setGeometry(196, 136, 75, 25);

  // The design caption, seen only when the creation handler fails before the first refresh.
  timeLabel = label(client, "timeLabel", QStringLiteral("timeLabel"), 4, 176);
  Label28 = label(client, "Label28", QStringLiteral("Bar stock sizing for upsetting"), 376, 176);

  Memo1 = new QPlainTextEdit(client);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setFont(shell::qt::windowFont(8));
  Memo1->setGeometry(152, 176, 250, 300);
  Memo1->setVisible(false);

  buildMenu();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  move(236, 172);

  setTabOrder(forgingVolumeTextBox, materialAdditionTextBox);
  setTabOrder(materialAdditionTextBox, requestedRatioTextBox);
  setTabOrder(requestedRatioTextBox, RodTypeComboBox);
  setTabOrder(RodTypeComboBox, Button1);
  setTabOrder(Button1, rodDiameterTextBox);
  setTabOrder(rodDiameterTextBox, rodLengthTextBox);
  setTabOrder(rodLengthTextBox, rodUpsettingRatioTextBox);
  setTabOrder(rodUpsettingRatioTextBox, rodVolumeTextBox);
  applyAccessibleNames();
  forgingVolumeTextBox->setFocus();

  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(SaveAs1, &QAction::triggered, this, &TForm1::SaveAs1Click);
  connect(Print1, &QAction::triggered, this, &TForm1::Print1Click);
  connect(PrintSetup1, &QAction::triggered, this, &TForm1::PrintSetup1Click);
  connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
  connect(Contents1, &QAction::triggered, this, &TForm1::Contents1Click);

  // Timer1 refreshes the clock; the label then takes the size of its new text.
  QTimer* timer = shell::qt::startClockTimer(this, timeLabel, &reporter_);
  connect(timer, &QTimer::timeout, timeLabel, &QLabel::adjustSize);
  shell::qt::askBeforeLogOff(this, boxes_);

  FormCreate();
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::buildInputGroup() {
  QWidget* g = GroupBox1;
  Label1 = label(g, "Label1", QStringLiteral("Forging Volume"), 8, 20);
  Label2 = label(g, "Label2", QStringLiteral("V"), 132, 20);
  Label3 = label(g, "Label3", QStringLiteral("f"), 140, 28);
  forgingVolumeTextBox = editBox(g, "forgingVolumeTextBox", 168, 16);
  Label4 = label(g, "Label4", QStringLiteral("mm"), 272, 20);
  Label5 = label(g, "Label5", QStringLiteral("3"), 294, 14);

  Label6 = label(g, "Label6", QStringLiteral("Material Addition"), 8, 48);
  Label7 = label(g, "Label7", QStringLiteral("d"), 132, 48);
  materialAdditionTextBox = editBox(g, "materialAdditionTextBox", 168, 44);
  Label8 = label(g, "Label8", QStringLiteral("%"), 272, 48);

  Label9 = label(g, "Label9", QStringLiteral("Requested Ratio"), 8, 76);
  Label10 = label(g, "Label10", QStringLiteral("l"), 132, 76);
  Label11 = label(g, "Label11", QStringLiteral("r"), 140, 84);
  requestedRatioTextBox = editBox(g, "requestedRatioTextBox", 168, 72);
  Label12 = label(g, "Label12", QStringLiteral("-"), 272, 76);

  Label13 = label(g, "Label13", QStringLiteral("Rod Type"), 8, 104);
  RodTypeComboBox = new QComboBox(g);
  RodTypeComboBox->setObjectName(QStringLiteral("RodTypeComboBox"));
  RodTypeComboBox->setFont(shell::qt::windowFont(10));
  RodTypeComboBox->setEditable(true);
  // Enter in the text field must not add the typed text to the list.
  RodTypeComboBox->setInsertPolicy(QComboBox::NoInsert);
  RodTypeComboBox->addItems({QStringLiteral("EN 10060"), QStringLiteral("EN 10278")});
  RodTypeComboBox->setCurrentIndex(-1);
  RodTypeComboBox->setGeometry(168, 104, kEditWidth, kEditHeight);
}

void TForm1::buildOutputGroup() {
  QWidget* g = GroupBox2;
  Label14 = label(g, "Label14", QStringLiteral("Rod Diameter"), 8, 24);
  Label18 = label(g, "Label18", QStringLiteral("D"), 124, 24);
  rodDiameterTextBox = editBox(g, "rodDiameterTextBox", 152, 20);
  Label21 = label(g, "Label21", QStringLiteral("mm"), 256, 24);

  Label15 = label(g, "Label15", QStringLiteral("Rod Length"), 8, 52);
  Label19 = label(g, "Label19", QStringLiteral("L"), 124, 52);
  rodLengthTextBox = editBox(g, "rodLengthTextBox", 152, 48);
  Label22 = label(g, "Label22", QStringLiteral("mm"), 256, 52);

  Label16 = label(g, "Label16", QStringLiteral("Upsetting Ratio"), 8, 80);
  Label20 = label(g, "Label20", QStringLiteral("l"), 124, 80);
  Label29 = label(g, "Label29", QStringLiteral("u"), 134, 88);
  rodUpsettingRatioTextBox = editBox(g, "rodUpsettingRatioTextBox", 152, 76);
  Label23 = label(g, "Label23", QStringLiteral("-"), 256, 80);

  Label17 = label(g, "Label17", QStringLiteral("Rod Volume"), 8, 108);
  Label24 = label(g, "Label24", QStringLiteral("V"), 124, 108);
  Label25 = label(g, "Label25", QStringLiteral("r"), 132, 116);
  rodVolumeTextBox = editBox(g, "rodVolumeTextBox", 152, 104);
  Label26 = label(g, "Label26", QStringLiteral("mm"), 256, 108);
  Label27 = label(g, "Label27", QStringLiteral("3"), 278, 104);
}

void TForm1::buildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  File1 = bar->addMenu(QStringLiteral("&File"));
  File1->setObjectName(QStringLiteral("File1"));
  SaveAs1 = menuItem(File1, "SaveAs1", QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S), MenuPicture::Save);
  N2 = separator(File1, "N2");
  Print1 = menuItem(File1, "Print1", QStringLiteral("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P),
                    MenuPicture::Print);
  PrintSetup1 = menuItem(File1, "PrintSetup1", QStringLiteral("Print Setup..."), {}, MenuPicture::PrintSetup);
  N1 = separator(File1, "N1");
  // Alt+F4 is this item's shortcut, so it runs Exit (one question) and not the window's close.
  Exit1 = menuItem(File1, "Exit1", QStringLiteral("E&xit"), QKeySequence(Qt::ALT | Qt::Key_F4), MenuPicture::Exit);
  Help1 = bar->addMenu(QStringLiteral("&Help"));
  Help1->setObjectName(QStringLiteral("Help1"));
  Contents1 = menuItem(Help1, "Contents1", QStringLiteral("&Manual"), {}, MenuPicture::Manual);
}

void TForm1::applyAccessibleNames() {
  const std::pair<QLabel*, QWidget*> captioned[] = {
      {Label1, forgingVolumeTextBox},     {Label6, materialAdditionTextBox}, {Label9, requestedRatioTextBox},
      {Label13, RodTypeComboBox},         {Label14, rodDiameterTextBox},     {Label15, rodLengthTextBox},
      {Label16, rodUpsettingRatioTextBox}, {Label17, rodVolumeTextBox}};
  for (const auto& [caption, control] : captioned) shell::qt::nameAfterCaption(*caption, *control);
  shell::qt::setAccessibleNames(*Button1, Button1->text());
  // The hidden report memo is no box of the window, but Qt still lists it to a screen reader.
  shell::qt::setAccessibleNames(*Memo1, QStringLiteral("Results"));
}

QPrinter& TForm1::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void TForm1::FormCreate() {
  shell::qt::runGuarded(reporter_, [this] {
    fontInstall_.install({Label7, Label10, Label20});
    // The symbol labels keep their size to their caption in the new face.
    for (QLabel* symbol : {Label7, Label10, Label20}) symbol->adjustSize();
    shell::qt::refreshClock(timeLabel);
    timeLabel->adjustSize();
  });
}

void TForm1::FormDestroy() {
  shell::qt::runGuarded(reporter_, [this] { fontInstall_.remove(); });
}

void TForm1::closeEvent(QCloseEvent* event) {
  // Refused unless the exit question is answered Yes, also when the question itself fails.
  event->ignore();
  shell::qt::runGuarded(reporter_, [&] { shell::qt::askBeforeClose(event, boxes_); });
}

void TForm1::Button1Click() {
  shell::qt::runGuarded(reporter_, [this] {
    FormSizingWindow window({forgingVolumeTextBox, materialAdditionTextBox, requestedRatioTextBox, RodTypeComboBox,
                             rodDiameterTextBox, rodLengthTextBox, rodUpsettingRatioTextBox, rodVolumeTextBox, Memo1},
                            boxes_);
    runUpsetting(window);
  });
}

void TForm1::SaveAs1Click() {
  shell::qt::runGuarded(reporter_, [this] {
    const auto path = dialogs_.chooseSaveFile(
        {QStringLiteral("Save to text file"), QStringLiteral("Text File (*.txt)"), QStringLiteral("txt"), lastSaveName_});
    if (!path) return;
    lastSaveName_ = *path;
    if (QFileInfo::exists(*path) &&
        boxes_.confirmationBox("Do You want overwrite existing file?", shell::kConfirmCaption) != shell::Answer::Yes) {
      return;
    }
    shell::qt::saveFileWhole(*path, reportFileBytes(reportLines(*Memo1)));
  });
}

void TForm1::Print1Click() {
  shell::qt::runGuarded(reporter_, [this] {
    if (!dialogs_.choosePrinter(printer())) return;
    printTextLines(printer(), Memo1->font(), reportLines(*Memo1));
  });
}

void TForm1::PrintSetup1Click() {
  shell::qt::runGuarded(reporter_, [this] { dialogs_.setUpPrinter(printer()); });
}

void TForm1::Exit1Click() {
  shell::qt::runGuarded(reporter_, [this] {
    // Ends the loop without asking the window to close, so the question is not asked twice.
    if (shell::exitQuestion(boxes_)) QCoreApplication::exit(0);
  });
}

void TForm1::Contents1Click() {
  shell::qt::runGuarded(reporter_, [this] {
    // The folder is the one the font install made at start; it is not created here.
    shell::qt::writeNewFile(QString::fromLatin1(kManualPath), shell::qt::loadResource("RT_RCDATA", "PDF_MANUAL"));
    dialogs_.openDocument(QDir::cleanPath(QDir::current().absoluteFilePath(QString::fromLatin1(kManualPath))));
  });
}

}  // namespace tollard
