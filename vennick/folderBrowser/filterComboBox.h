#pragma once
// FilterComboBox1: file types, each a description shown in the list and the file mask that it
// stands for, set from a filter text "description|mask|description|mask...". Until a filter is
// set it holds the one entry "All files (*.*)" with the mask "*.*".
#include <QComboBox>

namespace vennick {

class FilterComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit FilterComboBox(QWidget* parent = nullptr);

  // Replaces the entries and chooses the first one. A description without a mask gets "*.*".
  void setFilter(const QString& filter);
  QString filter() const { return filter_; }
  // The chosen entry's mask ("*.*" when none is chosen).
  QString mask() const;

 private:
  QString filter_;
};

}  // namespace vennick
