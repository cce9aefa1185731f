#pragma once
// Writes a whole file through QSaveFile: the earlier file of that name is replaced only when
// the new one is complete. A failure raises shell::FileWriteFailure whose text is
// "Cannot create file \"<path>\". <system reason>".
#include <QByteArray>
#include <QString>

namespace shell::qt {

void saveFileWhole(const QString& path, const QByteArray& bytes);

// Writes bytes to path only when no file of that name exists (never overwrites).
void writeNewFile(const QString& path, const QByteArray& bytes);

}  // namespace shell::qt
