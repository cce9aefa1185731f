#include "layoutHelpers.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

#include "windowFonts.h"

namespace vennick::layout {

namespace {

int widestWord(const QLabel* label) {
  const QFontMetrics metrics(label->font());
  int widest = 0;
  for (const QString& word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
    widest = std::max(widest, metrics.horizontalAdvance(word));
  return widest + 2 * label->margin() + 1;
}

// Breaks text between words into lines no wider than width pixels.
QString wrapWords(const QString& text, const QFont& font, int width) {
  const QFontMetrics metrics(font);
  QStringList lines;
  QString line;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
      lines.append(line);
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.isEmpty()) lines.append(line);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

void refitLabel(QLabel* label, int minWidth, int minHeight, Align align) {
  const QRect old = label->geometry();
  int width = minWidth;
  int height = minHeight;
  if (label->wordWrap()) {
    width = std::max(width, widestWord(label));
    height = std::max(height, label->heightForWidth(width));
  } else {
    const QSize natural = label->sizeHint();
    width = std::max(width, natural.width());
    height = std::max(height, natural.height());
  }
  int x = old.x();
  if (align == Align::Right) x = old.x() + old.width() - width;
  if (align == Align::Centre) x = old.x() + (old.width() - width) / 2;
  label->setGeometry(x, old.y(), width, height);
}

QLabel* placeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h, int points,
                   Align align, bool wrap) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(shell::qt::windowFont(points));
  label->setWordWrap(wrap);
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (align == Align::Centre) horizontal = Qt::AlignHCenter;
  if (align == Align::Right) horizontal = Qt::AlignRight;
  label->setAlignment(horizontal | Qt::AlignTop);
  label->setGeometry(x, y, w, h);
  refitLabel(label, w, h, align);
  return label;
}

QPushButton* placeButton(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h,
                         int points) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(shell::qt::windowFont(points));
  const int margins = 2 * (button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                           button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
  button->setText(wrapWords(text, button->font(), w - margins));
  button->setAccessibleName(text);
  button->setGeometry(x, y, w, h);
  return button;
}

}  // namespace vennick::layout
