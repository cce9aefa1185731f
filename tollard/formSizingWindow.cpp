#include "formSizingWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "messageBoxes.h"
#include "reportMemo.h"
#include "systemLocale.h"

namespace tollard {

namespace {
std::string text(const QLineEdit* edit) { return edit->text().toStdString(); }
void setText(QLineEdit* edit, const std::string& text) { edit->setText(QString::fromStdString(text)); }
}  // namespace

int shownItemIndex(const QComboBox& comboBox) {
  return comboBox.findText(comboBox.currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

std::string FormSizingWindow::volumeText() { return text(c_.volume); }
std::string FormSizingWindow::additionText() { return text(c_.addition); }
std::string FormSizingWindow::ratioText() { return text(c_.ratio); }
int FormSizingWindow::rodTypeIndex() { return shownItemIndex(*c_.rodType); }
std::string FormSizingWindow::rodTypeText() { return c_.rodType->currentText().toStdString(); }

void FormSizingWindow::setRodDiameterText(const std::string& t) { setText(c_.rodDiameter, t); }
std::string FormSizingWindow::rodDiameterText() { return text(c_.rodDiameter); }
void FormSizingWindow::setRodLengthText(const std::string& t) { setText(c_.rodLength, t); }
std::string FormSizingWindow::rodLengthText() { return text(c_.rodLength); }
void FormSizingWindow::setUpsettingRatioText(const std::string& t) { setText(c_.upsettingRatio, t); }
std::string FormSizingWindow::upsettingRatioText() { return text(c_.upsettingRatio); }
void FormSizingWindow::setRodVolumeText(const std::string& t) { setText(c_.rodVolume, t); }

void FormSizingWindow::setRatioColour(RatioColour colour) {
  QPalette palette = c_.upsettingRatio->palette();
  palette.setColor(QPalette::Text, colour == RatioColour::Red ? QColor(255, 0, 0) : QColor(0, 128, 0));
  c_.upsettingRatio->setPalette(palette);
}

std::size_t FormSizingWindow::reportLineCount() {
  return static_cast<std::size_t>(tollard::reportLineCount(*c_.report));
}
void FormSizingWindow::setFirstReportLine(const std::string& line) {
  tollard::setFirstReportLine(*c_.report, QString::fromStdString(line));
}
void FormSizingWindow::appendReportLine(const std::string& line) {
  tollard::appendReportLine(*c_.report, QString::fromStdString(line));
}

void FormSizingWindow::errorBox(const std::string& message) { boxes_.errorBox(message); }
std::string FormSizingWindow::clockText() { return shell::qt::currentClockText().toStdString(); }
char FormSizingWindow::decimalSeparator() { return shell::qt::decimalSeparator(); }

}  // namespace tollard
