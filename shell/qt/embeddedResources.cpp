#include "embeddedResources.h"

#include <QDir>
#include <QFile>

namespace shell::qt {

namespace {
// The entry of folder whose name equals name without regard to case; empty when there is none.
QString findEntry(const QDir& folder, const QString& name, QDir::Filters kind) {
  const QStringList entries = folder.entryList(kind);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
  }
  return {};
}

[[noreturn]] void notFound(const QString& typeName, const QString& name) {
  throw ResourceNotFound(QStringLiteral("Resource %1 of type %2 not found").arg(name, typeName).toStdString());
}
}  // namespace

QByteArray loadResource(const QString& typeName, const QString& name) {
  // Type and resource names are plain names, never paths.
  if (typeName.isEmpty() || name.isEmpty() || typeName.contains('/') || name.contains('/')) {
    notFound(typeName, name);
  }
  const QString typeFolder = findEntry(QDir(QStringLiteral(":/")), typeName, QDir::Dirs);
  if (typeFolder.isEmpty()) notFound(typeName, name);
  const QDir folder(QStringLiteral(":/") + typeFolder);
  const QString entry = findEntry(folder, name, QDir::Files);
  if (entry.isEmpty()) notFound(typeName, name);
  QFile file(folder.filePath(entry));
  if (!file.open(QIODevice::ReadOnly)) notFound(typeName, name);
  return file.readAll();
}

}  // namespace shell::qt
