#include "memoLines.h"

#include <algorithm>
#include <climits>

namespace vennick {

namespace {
constexpr std::string_view kLineBreak = "\r\n";

bool isAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
}  // namespace

MemoLines::MemoLines(QObject* parent) : QAbstractListModel(parent) {}

int MemoLines::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : published_; }

std::string_view MemoLines::lineView(std::size_t index) const {
  const std::size_t start = starts_[index];
  const std::size_t end = (index + 1 < starts_.size() ? starts_[index + 1] : text_.size()) - kLineBreak.size();
  return std::string_view(text_).substr(start, end - start);
}

QString MemoLines::line(std::size_t index) const {
  const std::string_view view = lineView(index);
  return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

QStringList MemoLines::lines() const {
  QStringList all;
  all.reserve(static_cast<qsizetype>(lineCount()));
  for (std::size_t i = 0; i < lineCount(); ++i) all.append(line(i));
  return all;
}

QVariant MemoLines::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= published_) return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return line(static_cast<std::size_t>(index.row()));
}

bool MemoLines::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() >= published_ || role != Qt::EditRole) return false;
  QString text = value.toString();
  text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  const std::string bytes = text.toStdString();

  const auto row = static_cast<std::size_t>(index.row());
  const std::string_view old = lineView(row);
  const std::size_t start = starts_[row];
  const std::size_t oldSize = old.size();
  text_.replace(start, oldSize, bytes);
  // Every later line moves by the change in length (unsigned wrap-around adds a negative change).
  const std::size_t shift = bytes.size() - oldSize;
  for (std::size_t i = row + 1; i < starts_.size(); ++i) starts_[i] += shift;
  if (row == longest_ && bytes.size() < oldSize) {
    findLongest();
  } else if (bytes.size() > longestSize_ || row == longest_) {
    longest_ = row;
    longestSize_ = bytes.size();
  }
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

Qt::ItemFlags MemoLines::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

void MemoLines::clear() {
  beginResetModel();
  text_.clear();
  starts_.clear();
  // Give large buffers back: a run of a million lines must not keep its memory after the next clear.
  text_.shrink_to_fit();
  starts_.shrink_to_fit();
  published_ = 0;
  longest_ = 0;
  longestSize_ = 0;
  endResetModel();
}

void MemoLines::append(std::string_view line) {
  starts_.push_back(text_.size());
  text_.append(line);
  text_.append(kLineBreak);
  if (line.size() > longestSize_) {
    longest_ = starts_.size() - 1;
    longestSize_ = line.size();
  }
}

QString MemoLines::longestLine() const { return starts_.empty() ? QString() : line(longest_); }

void MemoLines::findLongest() {
  longest_ = 0;
  longestSize_ = 0;
  for (std::size_t i = 0; i < starts_.size(); ++i) {
    if (lineView(i).size() > longestSize_) {
      longest_ = i;
      longestSize_ = lineView(i).size();
    }
  }
}

void MemoLines::publish() {
  // A view counts rows in an int; lines beyond that stay in the file but are not listed.
  const int held = static_cast<int>(std::min<std::size_t>(starts_.size(), INT_MAX));
  if (held <= published_) return;
  beginInsertRows(QModelIndex(), published_, held - 1);
  published_ = held;
  endInsertRows();
}

void MemoLines::setLines(const QStringList& lines) {
  clear();
  for (const QString& line : lines) append(line.toStdString());
  publish();
}

QByteArray MemoLines::fileBytes() const {
  if (isAscii(text_)) return QByteArray::fromRawData(text_.data(), static_cast<qsizetype>(text_.size()));
  return QString::fromUtf8(text_.data(), static_cast<qsizetype>(text_.size())).toLocal8Bit();
}

}  // namespace vennick
