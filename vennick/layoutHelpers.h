#pragma once
// Placing the window's captions so that none is clipped: the layout is given in pixels for the
// original 8- and 10-point face, and the face that stands in for it may be a little wider.
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace vennick::layout {

enum class Align { Left, Centre, Right };

// A label at (x, y) of at least w x h pixels in the given point size; a caption that needs more
// room gets it, growing away from its fixed edge (the left edge, the centre or the right edge).
// A wrapped label breaks between words and grows only where one word or the lines do not fit.
QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h,
                   int points, Align align = Align::Left, bool wrap = false);

// Re-fits a label after its caption changed, keeping the edge that its alignment fixes.
void refitLabel(QLabel* label, int minWidth, int minHeight, Align align);

// A push button whose caption breaks between words where it would not fit on one line.
QPushButton* placeButton(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h,
                         int points);

}  // namespace vennick::layout
