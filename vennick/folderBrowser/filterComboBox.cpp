#include "filterComboBox.h"

namespace vennick {

namespace {
const QString kAllFiles = QStringLiteral("*.*");
}

FilterComboBox::FilterComboBox(QWidget* parent) : QComboBox(parent) {
  setFilter(QStringLiteral("All files (*.*)|*.*"));
}

void FilterComboBox::setFilter(const QString& filter) {
  filter_ = filter;
  const QStringList parts = filter.isEmpty() ? QStringList() : filter.split(QLatin1Char('|'));
  clear();
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString mask = i + 1 < parts.size() ? parts[i + 1] : kAllFiles;
    addItem(parts[i], mask);
  }
  setCurrentIndex(count() > 0 ? 0 : -1);
}

QString FilterComboBox::mask() const {
  return currentIndex() >= 0 ? currentData().toString() : kAllFiles;
}

}  // namespace vennick
