#pragma once
// For the window tests: the controls under a widget that a screen reader lists but that carry no
// accessible name. Covered are the kinds a user works with: text fields, combo boxes, buttons,
// lists, memos and scroll boxes, and scroll bars, including the parts Qt builds into a control.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringList>

namespace shell_qt_tests {

// Each unnamed control as its objectName, or, for a part without one, its class and the
// objectName of the nearest named widget above it ("QScrollBar in Memo1").
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

}  // namespace shell_qt_tests
