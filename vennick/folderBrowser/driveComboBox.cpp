#include "driveComboBox.h"

#include <algorithm>

namespace vennick {

DriveComboBox::DriveComboBox(const VolumeSource& source, QWidget* parent)
    : QComboBox(parent), volumes_(source.volumes()) {
  const bool hasRoot = std::any_of(volumes_.begin(), volumes_.end(),
                                   [](const Volume& v) { return v.rootPath == kRootVolume; });
  if (!hasRoot) volumes_.prepend({kRootVolume, QString()});
  for (const Volume& volume : volumes_) addItem(entryText(volume), volume.rootPath);
  setCurrentIndex(-1);
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) emit driveChanged();
  });
}

QString DriveComboBox::drive() const { return currentData().toString(); }

void DriveComboBox::setDrive(const QString& root) {
  const int index = findData(root);
  if (index >= 0) setCurrentIndex(index);
}

QString DriveComboBox::entryText(const Volume& volume) {
  // Folder names keep their case: on this system "/Data" and "/DATA" are different folders.
  if (volume.name.isEmpty()) return volume.rootPath;
  return volume.rootPath + QStringLiteral("  [") + volume.name.toUpper() + QLatin1Char(']');
}

}  // namespace vennick
