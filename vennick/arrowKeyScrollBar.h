#pragma once
// A scroll bar whose keys move the handle as on the desktop the window was made for: Left, Up
// and Page Up towards the minimum, Right, Down and Page Down towards the maximum, Home and End
// to the ends. Qt turns some of these round for scroll bars; the mouse wheel is left to Qt.
#include <QScrollBar>

namespace vennick {

class ArrowKeyScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  using QScrollBar::QScrollBar;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vennick
