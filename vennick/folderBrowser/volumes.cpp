#include "volumes.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace vennick {

namespace {
bool isInside(const QString& path, const QString& root) {
  if (root == kRootVolume) return path.startsWith(kRootVolume);
  return path == root || path.startsWith(root + QLatin1Char('/'));
}
}  // namespace

QList<Volume> MountedVolumes::volumes() const {
  QList<Volume> found;
  for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
    if (!storage.isValid()) continue;
    const QString root = storage.rootPath();
    // A bind mount of one file (containers do that with /etc/hosts) is no drive.
    const QFileInfo info(root);
    if (info.exists() && !info.isDir()) continue;
    if (std::any_of(found.begin(), found.end(), [&](const Volume& v) { return v.rootPath == root; })) continue;
    found.append({root, storage.name()});
  }
  std::sort(found.begin(), found.end(), [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
  return found;
}

QString volumeRootOf(const QList<Volume>& volumes, const QString& path) {
  QString best = kRootVolume;
  for (const Volume& volume : volumes) {
    if (isInside(path, volume.rootPath) && volume.rootPath.size() > best.size()) best = volume.rootPath;
  }
  return best;
}

FolderReadFailure::FolderReadFailure(const QString& folder)
    : std::runtime_error("Cannot read folder \"" + folder.toStdString() + "\"") {}

}  // namespace vennick
