#include "operationsEditor.h"

#include <QLabel>
#include <QLineEdit>

#include <stdexcept>

#include "pressAccessibleNames.h"
#include "samplingRun.h"
#include "windowFonts.h"

namespace vennick {

namespace {

constexpr const char* kBoxPrefixes[] = {"deltaH", "nbrOfDivisionLoad", "unloadTime", "nbrOfDivisionUnload"};

QString labelName(int row) { return QStringLiteral("operation%1Label").arg(row); }
QString boxName(const char* prefix, int row) { return QString::fromStdString(rowControlName(prefix, row)); }

template <typename T>
T& rowOneControl(QWidget& window, const QString& name) {
  T* control = window.findChild<T*>(name);
  // Row 1 belongs to the window's design; without it there is nothing to copy from.
  if (control == nullptr) throw std::logic_error("The control " + name.toStdString() + " is missing");
  return *control;
}

}  // namespace

OperationsEditor::OperationsEditor(QWidget& window, QWidget& rowsPanel) : window_(window), rows_(rowsPanel) {}

void OperationsEditor::addRow() {
  const int n = count_;
  const int k = n + 1;
  const int below = kRowPitch * n;

  const QLabel& firstLabel = rowOneControl<QLabel>(window_, labelName(1));
  auto* label = new QLabel(&rows_);
  label->setObjectName(labelName(k));
  label->setText(QStringLiteral("Operation #%1").arg(k));
  label->setFont(shell::qt::windowFont(10));
  label->adjustSize();
  label->move(firstLabel.x(), firstLabel.y() + below);
  label->show();

  // The new boxes follow the last box of row n in the tab order, so Tab runs through a row from
  // left to right and then on to the next row.
  QWidget* previous = window_.findChild<QLineEdit*>(boxName(kBoxPrefixes[3], n));
  for (const char* prefix : kBoxPrefixes) {
    const QLineEdit& first = rowOneControl<QLineEdit>(window_, boxName(prefix, 1));
    auto* box = new QLineEdit(&rows_);
    box->setObjectName(boxName(prefix, k));
    box->setFont(shell::qt::windowFont(10));
    // The natural height for the larger type, not row 1's height.
    box->setGeometry(first.x(), first.y() + below, first.width(), box->sizeHint().height());
    if (previous != nullptr) QWidget::setTabOrder(previous, box);
    previous = box;
    box->show();
  }
  applyRowAccessibleNames(window_, k);
  count_ = k;
  fitRowsPanel();
}

void OperationsEditor::removeRow() {
  const int k = count_;
  if (k <= 1) return;
  QStringList names{labelName(k)};
  for (const char* prefix : kBoxPrefixes) names.append(boxName(prefix, k));
  // Deleted at once, not later: a lookup right after the removal must no longer find them.
  for (const QString& name : names) delete window_.findChild<QWidget*>(name);
  count_ = k - 1;
  fitRowsPanel();
}

void OperationsEditor::fitRowsPanel() {
  const QRect used = rows_.childrenRect();
  rows_.resize(used.right() + 1, used.bottom() + 1);
}

}  // namespace vennick
