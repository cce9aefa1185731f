#pragma once
// The operation rows of the operations box. Row k is five controls found by name on the window:
// operation<k>Label, deltaH<k>TextBox, nbrOfDivisionLoad<k>TextBox, unloadTime<k>TextBox and
// nbrOfDivisionUnload<k>TextBox. Row 1 comes with the window; rows 2 and up are made and
// destroyed here. No list holds the rows: the names and operationCount are the whole interface.
class QWidget;

namespace vennick {

class OperationsEditor {
 public:
  // window: where rows are looked up by name. rowsPanel: the operations box's content widget,
  // the parent of every row (row 1 included).
  OperationsEditor(QWidget& window, QWidget& rowsPanel);

  // Always the number of rows, 1 or more.
  int operationCount() const { return count_; }
  void setOperationCount(int count) { count_ = count; }

  // Appends row n + 1, 30 pixels per row below row 1's current place, at the lefts and widths of
  // row 1, in 10-point type, empty; its boxes come last in the tab order of the box and carry
  // their accessible names (applyRowAccessibleNames).
  void addRow();
  // Destroys the last row's five controls (a name that finds nothing is passed over); never row 1.
  void removeRow();

  // Sizes the rows panel to its rows, so that the box scrolls down to the last one.
  void fitRowsPanel();

  static constexpr int kRowPitch = 30;  // pixels from one row to the next

 private:
  QWidget& window_;
  QWidget& rows_;
  int count_ = 1;
};

}  // namespace vennick
