#pragma once
// FileListBox1: the files of one folder whose names match the mask, sorted without regard to
// case, read synchronously; hidden files (names starting with '.') are left out. It only shows
// what is there: choosing a file does nothing.
#include <QListWidget>

#include "fileMask.h"

namespace vennick {

class FileListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit FileListBox(QWidget* parent = nullptr);

  QString directory() const { return directory_; }
  // Lists the folder; one that cannot be read raises FolderReadFailure and changes nothing.
  void setDirectory(const QString& path);
  QString mask() const { return mask_.text(); }
  void setMask(const QString& mask);
  QStringList fileNames() const;
  // Lists the folder again, for files written or removed since; a folder gone meanwhile lists
  // nothing. Never raises.
  void refresh() { fill(); }

 private:
  void fill();

  QString directory_;
  FileMask mask_;
};

}  // namespace vennick
