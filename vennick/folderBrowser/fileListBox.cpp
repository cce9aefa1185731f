#include "fileListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QStyledItemDelegate>

#include "volumes.h"

namespace vennick {

namespace {

constexpr int kLineHeight = 13;  // pixels per entry

class LineHeightDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kLineHeight};
  }
};

}  // namespace

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new LineHeightDelegate(this));
}

void FileListBox::setDirectory(const QString& path) {
  const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  const QFileInfo info(folder);
  if (!info.isDir() || !info.isReadable() || !info.isExecutable()) throw FolderReadFailure(folder);
  directory_ = folder;
  fill();
}

void FileListBox::setMask(const QString& mask) {
  mask_ = FileMask(mask);
  fill();
}

QStringList FileListBox::fileNames() const {
  QStringList names;
  for (int i = 0; i < count(); ++i) names.append(item(i)->text());
  return names;
}

void FileListBox::fill() {
  clear();
  if (directory_.isEmpty()) return;
  const QStringList files = QDir(directory_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : files) {
    if (mask_.matches(name)) addItem(name);
  }
}

}  // namespace vennick
