#include "fileMask.h"

namespace vennick {

FileMask::FileMask(const QString& mask) : text_(mask) {
  for (const QString& part : mask.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    const QString pattern = part.trimmed();
    if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*")) everything_ = true;
    patterns_.append(QRegularExpression(
        QRegularExpression::wildcardToRegularExpression(pattern),
        QRegularExpression::CaseInsensitiveOption));
  }
}

bool FileMask::matches(const QString& fileName) const {
  if (everything_) return true;
  for (const QRegularExpression& pattern : patterns_) {
    if (pattern.match(fileName).hasMatch()) return true;
  }
  return false;
}

}  // namespace vennick
