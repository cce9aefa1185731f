#pragma once
// For the window tests: what a screen reader finds of a window's controls.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringList>

namespace shell_qt_tests {

// The controls under root that a screen reader lists but that carry no accessible name. Covered
// are the kinds a user works with: text fields, combo boxes, buttons, lists, memos and scroll
// boxes, and scroll bars, including the parts Qt builds into a control. Each unnamed control
// comes as its objectName, or, for a part without one, as its class and the objectName of the
// nearest named widget above it ("QScrollBar in Memo1").
inline QStringList unnamedControls(const QWidget& root) {
  QStringList unnamed;
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    const bool control = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                         qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractScrollArea*>(widget) ||
                         qobject_cast<QScrollBar*>(widget);
    if (!control || !widget->accessibleName().isEmpty()) continue;
    if (!widget->objectName().isEmpty()) {
      unnamed << widget->objectName();
      continue;
    }
    const QWidget* owner = widget->parentWidget();
    // Qt's own containers (the scroll bars' frames, a drop-down's pop-up) are named "qt_...".
    while (owner != nullptr && (owner->objectName().isEmpty() || owner->objectName().startsWith(QLatin1String("qt_"))))
      owner = owner->parentWidget();
    unnamed << QStringLiteral("%1 in %2")
                   .arg(QString::fromLatin1(widget->metaObject()->className()),
                        owner != nullptr ? owner->objectName() : QStringLiteral("?"));
  }
  return unnamed;
}

// Whether an assistive tool finds the caption as the control's label. Qt on Linux names a combo
// box by this relation; the name the combo box reports itself is the text it shows.
inline bool labelledBy(QWidget& control, const QLabel& caption) {
  for (const auto& [other, relation] : QAccessible::queryAccessibleInterface(&control)->relations(QAccessible::Label)) {
    if (other->object() == &caption) return true;
  }
  return false;
}

}  // namespace shell_qt_tests
