#pragma once
// A file mask of the file list: one or more patterns separated by ';' ("*.TXT", "*.txt;*.pas"),
// with '*' and '?' as wildcards, matched against the whole file name without regard to case.
// "*.*" and "*" match every file, with or without an extension, as users of the filter expect.
#include <QList>
#include <QRegularExpression>
#include <QString>

namespace vennick {

class FileMask {
 public:
  explicit FileMask(const QString& mask = QStringLiteral("*.*"));
  bool matches(const QString& fileName) const;
  const QString& text() const { return text_; }

 private:
  QString text_;
  bool everything_ = false;
  QList<QRegularExpression> patterns_;
};

}  // namespace vennick
