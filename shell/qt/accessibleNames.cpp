#include "accessibleNames.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace shell::qt {

void setAccessibleNames(QWidget& control, const QString& name) {
  control.setAccessibleName(name);
  if (auto* combo = qobject_cast<QComboBox*>(&control)) {
    if (QLineEdit* field = combo->lineEdit()) field->setAccessibleName(name);
    // view() makes the drop-down list if it does not exist yet; it stays hidden until opened.
    setAccessibleNames(*combo->view(), name);
  }
  if (auto* area = qobject_cast<QAbstractScrollArea*>(&control)) {
    area->horizontalScrollBar()->setAccessibleName(name);
    area->verticalScrollBar()->setAccessibleName(name);
  }
}

void nameAfterCaption(QLabel& caption, QWidget& control) {
  caption.setBuddy(&control);
  setAccessibleNames(control, caption.text());
}

}  // namespace shell::qt
