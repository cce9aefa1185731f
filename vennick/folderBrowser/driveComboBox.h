#pragma once
// DriveComboBox1: the mounted volumes, one entry each, shown as the root folder followed by the
// volume's label in upper case ("/media/usb  [STICK]"). The root volume is always listed.
#include <QComboBox>

#include "volumes.h"

namespace vennick {

class DriveComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit DriveComboBox(const VolumeSource& source, QWidget* parent = nullptr);

  const QList<Volume>& volumes() const { return volumes_; }
  // The chosen volume's root folder.
  QString drive() const;
  // Chooses the volume with that root (a root not listed chooses nothing); a change of the
  // choice emits driveChanged, by the user or not.
  void setDrive(const QString& root);

  static QString entryText(const Volume& volume);

 signals:
  void driveChanged();

 private:
  QList<Volume> volumes_;
};

}  // namespace vennick
