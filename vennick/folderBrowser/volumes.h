#pragma once
// The drives of the drive list: the mounted volumes, each known by its root folder. The root
// volume ("/") plays the part of drive C, the drive that is chosen again after a failure.
#include <QList>
#include <QString>

#include <stdexcept>

namespace vennick {

struct Volume {
  QString rootPath;  // absolute, "/" for the root volume; no trailing "/" otherwise
  QString name;      // the volume's label, may be empty
};

class VolumeSource {
 public:
  virtual ~VolumeSource() = default;
  virtual QList<Volume> volumes() const = 0;
};

// QStorageInfo::mountedVolumes(), without mounts of single files, sorted by root path (the
// root volume first), each root once.
class MountedVolumes : public VolumeSource {
 public:
  QList<Volume> volumes() const override;
};

inline const QString kRootVolume = QStringLiteral("/");

// The root of the volume that holds path: the longest root that is path or one of its parents.
// Falls back to the root volume.
QString volumeRootOf(const QList<Volume>& volumes, const QString& path);

// A folder of a drive that cannot be listed: the input/output failure of the folder browser.
class FolderReadFailure : public std::runtime_error {
 public:
  explicit FolderReadFailure(const QString& folder);
};

}  // namespace vennick
