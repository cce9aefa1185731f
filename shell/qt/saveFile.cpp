#include "saveFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include "fileWrite.h"

namespace shell::qt {

namespace {
[[noreturn]] void fail(const QString& path, const QString& reason) {
  throw shell::FileWriteFailure(shell::cannotCreateFileText(path.toStdString(), reason.toStdString()));
}
}  // namespace

void saveFileWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) fail(path, file.errorString());
  if (file.write(bytes) != bytes.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    fail(path, reason);
  }
  if (!file.commit()) fail(path, file.errorString());
}

void writeNewFile(const QString& path, const QByteArray& bytes) {
  // A dangling symbolic link counts as present too: it is never followed or replaced.
  const QFileInfo info(path);
  if (info.exists() || info.isSymLink()) return;
  saveFileWhole(path, bytes);
}

}  // namespace shell::qt
