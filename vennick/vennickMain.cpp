#include "vennickMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <string>

#include "floatFailures.h"
#include "folderBrowser/directoryListBox.h"
#include "folderBrowser/driveComboBox.h"
#include "folderBrowser/fileListBox.h"
#include "folderBrowser/filterComboBox.h"
#include "handlerGuard.h"
#include "layoutHelpers.h"
#include "memo/memoLines.h"
#include "messageBoxes.h"
#include "numberText.h"
#include "operationsEditor.h"
#include "pressWindowAdapter.h"
#include "windowShell.h"

namespace {

constexpr int kStartPrecision = 8;
constexpr int kPrecisionLabelRight = 307;  // the precision label's right edge stays here

struct Preset {
  const char* press;
  const char* rodLength;   // mm
  const char* stroke;      // mm
  const char* revolveRate; // 1/min
};
constexpr Preset kPresets[] = {{"LZK 2500", "1070", "320", "70"}, {"LDO 315A", "885", "200", "44"}};

// "Drive 'X:\' does not exist" with the volume's root folder, ending in "/", for the drive.
std::string driveMessage(const QString& root) {
  const QString shown = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
  return "Drive '" + shown.toStdString() + "' does not exist";
}

}  // namespace

TForm1::TForm1(const vennick::WindowServices& services, QWidget* parent) : QWidget(parent), services_(services) {
  buildWindow();
  connectHandlers();
  shell::qt::askBeforeLogOff(this, *services_.boxes);
  DriveComboBox1->setFocus(Qt::OtherFocusReason);
  FormCreate();
}

TForm1::~TForm1() {
  // FormDestroy. The focus watch ends first: destroying the controls moves the focus around.
  disconnect(qApp, &QApplication::focusChanged, this, nullptr);
  qApp->removeEventFilter(this);
  fontInstall_.remove();
}

void TForm1::connectHandlers() {
  connect(crankPressTypeComboBox, &QComboBox::editTextChanged, this, &TForm1::crankPressTypeComboBoxChange);
  connect(precisionScrollBar, &QScrollBar::valueChanged, this, &TForm1::precisionScrollBarChange);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(addOperationButton, &QPushButton::clicked, this, &TForm1::addOperationButtonClick);
  connect(removeOperationButton, &QPushButton::clicked, this, &TForm1::removeOperationButtonClick);
  connect(DriveComboBox1, &vennick::DriveComboBox::driveChanged, this, &TForm1::DriveComboBox1Change);
  connect(DirectoryListBox1, &vennick::DirectoryListBox::directoryChanged, this, &TForm1::DirectoryListBox1Change);
  connect(DirectoryListBox1, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { guarded([&] { DirectoryListBox1->openItem(item); }); });
  connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, &TForm1::FilterComboBox1Change);
  // The checks on leaving a machine input: Qt has no per-control exit event, but it reports
  // every move of the focus together with where it came from.
  connect(qApp, &QApplication::focusChanged, this, &TForm1::focusLeft);
  qApp->installEventFilter(this);
}

void TForm1::guarded(const std::function<void()>& body) { shell::qt::runGuarded(*services_.reporter, body); }

int TForm1::operationCount() const { return editor_->operationCount(); }

QString TForm1::outputFolder() const { return DirectoryListBox1->directory(); }

void TForm1::FormCreate() {
  // One guard: a font file that cannot be written is reported and skips the steps after it.
  guarded([&] {
    editor_->setOperationCount(1);
    precisionScrollBar->setValue(kStartPrecision);
    fontInstall_.install({Label14});
    FilterComboBox1->setFilter(QString::fromLatin1(kFileFilter));
    shell::qt::refreshClock(timeLabel);
  });
}

void TForm1::closeEvent(QCloseEvent* event) {
  // Nothing closes unless the exit question gives its consent.
  event->ignore();
  guarded([&] { shell::qt::askBeforeClose(event, *services_.boxes); });
}

void TForm1::Button1Click() {
  guarded([&] {
    vennick::PressWindowAdapter window(*this);
    // The memo shows what the run added and the file list the files it wrote, also when a
    // failure ends the run.
    struct Publish {
      vennick::MemoLines& lines;
      vennick::FileListBox& files;
      ~Publish() {
        lines.publish();
        files.refresh();
      }
    } publish{*memoLines_, *FileListBox1};
    vennick::runSampling(window);
  });
}

void TForm1::crankPressTypeComboBoxChange() {
  guarded([&] {
    const QString text = crankPressTypeComboBox->currentText();
    const Preset* preset = nullptr;
    for (const Preset& candidate : kPresets) {
      if (text == QLatin1String(candidate.press)) preset = &candidate;
    }
    // The enabled state first, then the texts; setting a text runs no input check.
    for (QLineEdit* box : {connectingRodLengthTextBox, crankshaftStrokeTextBox, revolveRateTextBox})
      box->setEnabled(preset == nullptr);
    connectingRodLengthTextBox->setText(preset ? QString::fromLatin1(preset->rodLength) : QString());
    crankshaftStrokeTextBox->setText(preset ? QString::fromLatin1(preset->stroke) : QString());
    revolveRateTextBox->setText(preset ? QString::fromLatin1(preset->revolveRate) : QString());
  });
}

void TForm1::precisionScrollBarChange() {
  guarded([&] {
    precisionLabel->setText(QString::number(precisionScrollBar->value()));
    vennick::layout::refitLabel(precisionLabel, 7, 16, vennick::layout::Align::Right);
    precisionLabel->move(kPrecisionLabelRight - precisionLabel->width(), precisionLabel->y());
  });
}

void TForm1::focusLeft(QWidget* old, QWidget* now) {
  // Only a move to another control of this window counts: not the window losing activation
  // (now is null) and not a box popping up (now is in another window).
  if (restoringFocus_ || now == nullptr || now->window() != this) return;
  if (old == connectingRodLengthTextBox) connectingRodLengthTextBoxExit();
  if (old == crankshaftStrokeTextBox) crankshaftStrokeTextBoxExit();
  if (old == revolveRateTextBox) revolveRateTextBoxExit();
}

void TForm1::connectingRodLengthTextBoxExit() {
  checkMachineInput(connectingRodLengthTextBox, "A connecting rod length has to be positive!");
}

void TForm1::crankshaftStrokeTextBoxExit() {
  checkMachineInput(crankshaftStrokeTextBox, "A crankshaft stroke has to be positive!");
}

void TForm1::revolveRateTextBoxExit() {
  checkMachineInput(revolveRateTextBox, "A revolve rate has to be positive!");
}

void TForm1::checkMachineInput(QLineEdit* box, const char* belowZeroMessage) {
  guarded([&] {
    const std::string text = box->text().toStdString();
    const char* refusal = nullptr;
    if (text.empty()) {
      refusal = "Input can not be empty!";
    } else {
      try {
        // Zero passes: only a number below zero is refused.
        if (shell::parseNumber(text, services_.decimalSeparator()) < 0) refusal = belowZeroMessage;
      } catch (const shell::ConversionFailure&) {
        refusal = "Input Error!";
      }
    }
    if (refusal == nullptr) return;
    services_.boxes->errorBox(refusal);
    refocus(box);
  });
}

void TForm1::refocus(QWidget* box) {
  // This move must not check the control that the focus had gone to: with two refused boxes
  // the checks would otherwise send the focus back and forth for ever.
  restoringFocus_ = true;
  box->setFocus(Qt::OtherFocusReason);
  restoringFocus_ = false;
  swallowPress_ = true;
  QTimer::singleShot(0, this, [this] { swallowPress_ = false; });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // Tab into the quantity buttons lands on the checked one, as in any group of radio buttons.
  if (event->type() == QEvent::FocusIn && watched->parent() == Panel1) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    auto* radio = qobject_cast<QRadioButton*>(watched);
    if (radio != nullptr && !radio->isChecked() && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)) {
      for (QRadioButton* other : {displacementRadioButton, velocityRadioButton, accelerationRadioButton}) {
        if (other->isChecked()) other->setFocus(reason);
      }
    }
  }
  // A mouse press gives the focus before it is delivered; when that focus move was refused,
  // the press itself is dropped, so the control clicked does not act (no Solve after a refusal).
  if (swallowPress_ && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this) {
      swallowPress_ = false;
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::addOperationButtonClick() {
  guarded([&] { editor_->addRow(); });
}

void TForm1::removeOperationButtonClick() {
  guarded([&] { editor_->removeRow(); });
}

void TForm1::DriveComboBox1Change() {
  guarded([&] {
    const QString drive = DriveComboBox1->drive();
    try {
      DirectoryListBox1->setDrive(drive);
      // The file list follows to the same drive and the folder list's folder on it.
      FileListBox1->setDirectory(DirectoryListBox1->directory());
    } catch (const vennick::FolderReadFailure&) {
      services_.boxes->errorBox(driveMessage(drive));
      // The root volume plays drive C. Choosing it is a drive change like any other; when it
      // is chosen already, nothing changes and nothing runs again.
      DriveComboBox1->setDrive(vennick::kRootVolume);
    }
  });
}

void TForm1::DirectoryListBox1Change() {
  guarded([&] { FileListBox1->setDirectory(DirectoryListBox1->directory()); });
}

void TForm1::FilterComboBox1Change() {
  guarded([&] { FileListBox1->setMask(FilterComboBox1->mask()); });
}
