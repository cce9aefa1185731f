#pragma once
// The lines of Memo1, held once: one byte buffer (UTF-8) in which every line is followed by
// CR LF, so that the buffer already is the result file's content, and the start offset of each
// line. Views see a list model with one row per line.
//
// Lines appended by a run reach the views only when published: a run of a million lines then
// costs one model signal instead of a million, and a view that repaints in between (a modal box
// has its own event loop) only ever sees published rows.
#include <QAbstractListModel>
#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vennick {

class MemoLines : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit MemoLines(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // Replaces one line; line breaks in the new text become blanks, so a line stays one line.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Removes every line at once (published or not).
  void clear();
  // Adds a line (UTF-8, without its line break) after the last one; views see it after publish().
  void append(std::string_view line);
  // Announces the lines appended since the last publish to the views.
  void publish();
  void setLines(const QStringList& lines);

  // Every line held, published or not.
  std::size_t lineCount() const { return starts_.size(); }
  // The longest line in bytes (the empty text when there is none): every row of the view is
  // made as wide as it, so that the view can scroll to the end of any line.
  QString longestLine() const;
  QString line(std::size_t index) const;
  QStringList lines() const;

  // The result file's bytes: every line followed by CR LF, in the local 8-bit encoding. For an
  // ASCII buffer (what a run writes) this is the buffer itself, not a copy: the returned array
  // must not outlive the next change of the lines.
  QByteArray fileBytes() const;

 private:
  std::string_view lineView(std::size_t index) const;
  void findLongest();

  std::string text_;
  std::vector<std::size_t> starts_;
  int published_ = 0;
  std::size_t longest_ = 0;      // index of the longest line; 0 when there is none
  std::size_t longestSize_ = 0;  // its length in bytes
};

}  // namespace vennick
