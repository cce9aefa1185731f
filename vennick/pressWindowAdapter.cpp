#include "pressWindowAdapter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include <stdexcept>

#include "memo/memoLines.h"
#include "messageBoxes.h"
#include "saveFile.h"
#include "vennickMain.h"

namespace vennick {

namespace {

QWidget& control(TForm1& window, const std::string& name) {
  auto* widget = window.findChild<QWidget*>(QString::fromStdString(name));
  if (widget == nullptr) throw std::runtime_error("The control " + name + " does not exist");
  return *widget;
}

}  // namespace

std::string PressWindowAdapter::controlText(const std::string& name) {
  QWidget& widget = control(window_, name);
  if (auto* box = qobject_cast<QLineEdit*>(&widget)) return box->text().toStdString();
  if (auto* list = qobject_cast<QComboBox*>(&widget)) return list->currentText().toStdString();
  throw std::runtime_error("The control " + name + " holds no text");
}

std::string PressWindowAdapter::outputFolder() { return window_.outputFolder().toStdString(); }

Quantity PressWindowAdapter::checkedQuantity() {
  if (window_.displacementRadioButton->isChecked()) return Quantity::Displacement;
  if (window_.velocityRadioButton->isChecked()) return Quantity::Velocity;
  return Quantity::Acceleration;
}

int PressWindowAdapter::precision() { return window_.precisionScrollBar->value(); }

int PressWindowAdapter::operationCount() { return window_.operationCount(); }

char PressWindowAdapter::decimalSeparator() { return window_.services().decimalSeparator(); }

void PressWindowAdapter::errorBox(const std::string& message) {
  // The box's own event loop repaints the memo: it shows the lines added so far.
  window_.memoLines().publish();
  window_.services().boxes->errorBox(message);
}

void PressWindowAdapter::focusControl(const std::string& name) {
  QWidget& widget = control(window_, name);
  widget.setFocus(Qt::OtherFocusReason);
  // A row below the visible part of the operations box is scrolled into sight.
  if (window_.operationsSettingsGroupBox->isAncestorOf(&widget))
    window_.operationsSettingsGroupBox->ensureWidgetVisible(&widget);
}

void PressWindowAdapter::clearReportLines() { window_.memoLines().clear(); }

void PressWindowAdapter::addReportLine(std::string line) { window_.memoLines().append(line); }

void PressWindowAdapter::saveReportLines(const std::string& path) {
  shell::qt::saveFileWhole(QString::fromStdString(path), window_.memoLines().fileBytes());
}

}  // namespace vennick
