#pragma once
// Accessible names: what a screen reader reads for a control. Qt would otherwise fall back to
// the nearest group box title ("Input" for every box of a group) or read nothing at all.
#include <QString>

class QLabel;
class QWidget;

namespace shell::qt {

// Gives the control the name, and the same name to the parts Qt builds into it: the text field
// and the drop-down list of a combo box, the scroll bars of a list, memo or scroll box.
void setAccessibleNames(QWidget& control, const QString& name);

// The caption's text becomes the control's name and the caption the control's buddy. The window
// captions carry no '&', so the buddy adds no access key and the caption looks the same.
void nameAfterCaption(QLabel& caption, QWidget& control);

}  // namespace shell::qt
