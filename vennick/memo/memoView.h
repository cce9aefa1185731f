#pragma once
// Memo1: a multi-line text box over MemoLines. It shows only the rows in sight (every row has
// the same height), so a million lines scroll as freely as ten. A line is edited in place
// (double click, F2 or typing), lines are selected with the mouse, Shift and Ctrl, and Ctrl+C
// copies the selected lines, one per text line, in their order.
#include <QListView>

namespace vennick {

class MemoView : public QListView {
  Q_OBJECT

 public:
  explicit MemoView(QWidget* parent = nullptr);

  // The selected lines in their order, joined by line breaks; empty when nothing is selected.
  QString selectedText() const;
  void copySelection() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vennick
