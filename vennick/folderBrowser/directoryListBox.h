#pragma once
// DirectoryListBox1: the current folder with the chain of its parent folders from "/" above it
// and its sub-folders below it, read synchronously. openItem() opens an entry; the window calls
// it on double click or Enter (itemActivated) inside its handler guard, since a folder that
// cannot be read raises. Each drive keeps the folder last shown on it, as its current folder.
#include <QHash>
#include <QListWidget>

#include "volumes.h"

namespace vennick {

class DirectoryListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit DirectoryListBox(QWidget* parent = nullptr);

  void setVolumes(const QList<Volume>& volumes) { volumes_ = volumes; }
  QString directory() const { return directory_; }
  // Lists path (made absolute and clean). A folder that cannot be read raises FolderReadFailure
  // and changes nothing. A change emits directoryChanged.
  void setDirectory(const QString& path);
  // Opens the current folder of the drive with that root: the folder last shown on it, or its
  // root. Raises FolderReadFailure when that drive cannot be read.
  void setDrive(const QString& root);
  // The folder shown for a drive when it is chosen.
  QString currentFolderOf(const QString& root) const { return driveFolders_.value(root, root); }
  // Opens the folder of an entry (nothing for nullptr); raises as setDirectory.
  void openItem(QListWidgetItem* item);

 signals:
  void directoryChanged();

 private:
  void fill();

  QString directory_;
  QList<Volume> volumes_;
  QHash<QString, QString> driveFolders_;
};

}  // namespace vennick
