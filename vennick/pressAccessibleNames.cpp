#include "pressAccessibleNames.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <utility>

#include "accessibleNames.h"
#include "folderBrowser/directoryListBox.h"
#include "folderBrowser/driveComboBox.h"
#include "folderBrowser/fileListBox.h"
#include "folderBrowser/filterComboBox.h"
#include "memo/memoView.h"
#include "samplingRun.h"
#include "vennickMain.h"

namespace vennick {

namespace {

// The row's boxes by name prefix, with what the column headings and the row caption say of them.
constexpr std::pair<const char*, const char*> kRowBoxes[] = {{"deltaH", "height \u0394h [mm]"},
                                                             {"nbrOfDivisionLoad", "# of division"},
                                                             {"unloadTime", "unload time [s]"},
                                                             {"nbrOfDivisionUnload", "unload # of division"}};

}  // namespace

void applyAccessibleNames(TForm1& w) {
  const std::pair<QLabel*, QWidget*> captioned[] = {{w.Label1, w.crankPressTypeComboBox},
                                                    {w.Label2, w.connectingRodLengthTextBox},
                                                    {w.Label6, w.crankshaftStrokeTextBox},
                                                    {w.Label9, w.revolveRateTextBox},
                                                    {w.Label13, w.precisionScrollBar}};
  for (const auto& [caption, control] : captioned) shell::qt::nameAfterCaption(*caption, *control);

  // The push buttons carry their captions as names from the start (the captions are wrapped).
  for (QRadioButton* radio : {w.displacementRadioButton, w.velocityRadioButton, w.accelerationRadioButton})
    shell::qt::setAccessibleNames(*radio, radio->text());
  // No caption labels these: they are named by what they hold.
  const std::pair<QWidget*, const char*> named[] = {{w.operationsSettingsGroupBox, "Operations"},
                                                    {w.DriveComboBox1, "Drive"},
                                                    {w.DirectoryListBox1, "Folder"},
                                                    {w.FileListBox1, "Files"},
                                                    {w.FilterComboBox1, "File type"},
                                                    {w.Memo1, "Results"}};
  for (const auto& [control, name] : named) shell::qt::setAccessibleNames(*control, QString::fromUtf8(name));

  applyRowAccessibleNames(w, 1);
}

void applyRowAccessibleNames(QWidget& window, int row) {
  const QString caption = QStringLiteral("Operation #%1").arg(row);
  for (const auto& [prefix, what] : kRowBoxes) {
    if (auto* box = window.findChild<QLineEdit*>(QString::fromStdString(rowControlName(prefix, row))))
      shell::qt::setAccessibleNames(*box, caption + QLatin1Char(' ') + QString::fromUtf8(what));
  }
  auto* label = window.findChild<QLabel*>(QStringLiteral("operation%1Label").arg(row));
  auto* height = window.findChild<QLineEdit*>(QString::fromStdString(rowControlName("deltaH", row)));
  if (label != nullptr && height != nullptr) label->setBuddy(height);
}

}  // namespace vennick
