#include "applicationTitle.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace shell::qt {

namespace {
QString& storedTitle() {
  static QString title;
  return title;
}
}  // namespace

void setApplicationTitle(const QString& title) { storedTitle() = title; }

QString applicationTitle() {
  if (!storedTitle().isEmpty()) return storedTitle();
  if (QCoreApplication::instance() == nullptr) return {};
  const QString fileName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  return fileName.isEmpty() ? QCoreApplication::applicationName() : fileName;
}

}  // namespace shell::qt
