#include "directoryListBox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace vennick {

namespace {

constexpr int kLineHeight = 16;  // pixels per entry
constexpr int kIndent = 8;       // pixels per folder level
constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kPathRole = Qt::UserRole + 2;

// Indents each entry by its folder level and gives every entry the list's line height.
class FolderDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem indented(option);
    indented.rect.adjust(kIndent * index.data(kLevelRole).toInt(), 0, 0, 0);
    QStyledItemDelegate::paint(painter, indented, index);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QSize natural = QStyledItemDelegate::sizeHint(option, index);
    return {natural.width() + kIndent * index.data(kLevelRole).toInt(), kLineHeight};
  }
};

void readable(const QString& folder) {
  const QFileInfo info(folder);
  if (!info.isDir() || !info.isReadable() || !info.isExecutable()) throw FolderReadFailure(folder);
}

}  // namespace

DirectoryListBox::DirectoryListBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new FolderDelegate(this));
  setIconSize(QSize(12, 12));
}

void DirectoryListBox::setDirectory(const QString& path) {
  const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  readable(folder);
  const bool changed = folder != directory_;
  directory_ = folder;
  driveFolders_.insert(volumeRootOf(volumes_, folder), folder);
  fill();
  if (changed) emit directoryChanged();
}

void DirectoryListBox::setDrive(const QString& root) {
  const QString remembered = currentFolderOf(root);
  // A drive whose remembered folder has gone opens at its root; a root that cannot be read is
  // the drive's failure.
  try {
    setDirectory(remembered);
  } catch (const FolderReadFailure&) {
    if (remembered == root) throw;
    try {
      setDirectory(root);
    } catch (const FolderReadFailure&) {
      throw FolderReadFailure(root);
    }
  }
}

void DirectoryListBox::fill() {
  clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  auto add = [&](const QString& text, const QString& path, int level, const QIcon& icon) {
    auto* item = new QListWidgetItem(icon, text, this);
    item->setData(kLevelRole, level);
    item->setData(kPathRole, path);
    return item;
  };

  // "/" and each folder down to the current one, one level deeper each.
  const QStringList parts = directory_.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  QListWidgetItem* current = add(QStringLiteral("/"), QStringLiteral("/"), 0, open);
  QString path;
  int level = 0;
  for (const QString& part : parts) {
    path += QLatin1Char('/') + part;
    current = add(part, path, ++level, open);
  }
  const QStringList children =
      QDir(directory_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  const QString prefix = directory_ == QLatin1String("/") ? QString() : directory_;
  for (const QString& child : children) add(child, prefix + QLatin1Char('/') + child, level + 1, closed);
  setCurrentItem(current);
}

void DirectoryListBox::openItem(QListWidgetItem* item) {
  if (item != nullptr) setDirectory(item->data(kPathRole).toString());
}

}  // namespace vennick
