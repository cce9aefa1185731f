#pragma once
// What a screen reader reads for the press window's controls: each box by its caption, which
// becomes its buddy where the window has one, the buttons by their captions, the lists by what
// they hold. Names only: places, texts, tab order and behaviour stay as they are.
class QWidget;
class TForm1;

namespace vennick {

// The fixed controls and operation row 1; called once the window's controls exist.
void applyAccessibleNames(TForm1& window);

// Operation row k's four boxes, "Operation #k height Δh [mm]" and so on, its label the buddy
// of its height box. Called for every row the operations editor adds. window: where the row's
// controls are found by name.
void applyRowAccessibleNames(QWidget& window, int row);

}  // namespace vennick
