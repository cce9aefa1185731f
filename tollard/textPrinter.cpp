#include "textPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace tollard {

namespace {

// A cut must not separate the two halves of a surrogate pair: it moves before the pair, or
// after it when the pair alone is wider than the page.
qsizetype keepPairsWhole(QStringView text, qsizetype length) {
  if (length < text.size() && text[length - 1].isHighSurrogate()) return length > 1 ? length - 1 : length + 1;
  return length;
}

// The longest prefix whose advance is within width: doubling, then halving, so that a very long
// line costs a few measurements of about the fitting length each.
qsizetype fittingPrefix(const QFontMetricsF& metrics, qreal width, QStringView text) {
  auto fits = [&](qsizetype n) { return metrics.horizontalAdvance(text.first(n).toString()) <= width; };
  qsizetype good = 0;
  qsizetype bad = 1;
  while (bad <= text.size() && fits(bad)) {
    good = bad;
    bad *= 2;
  }
  if (bad > text.size()) {
    if (fits(text.size())) return text.size();
    bad = text.size();
  }
  while (bad - good > 1) {
    const qsizetype middle = good + (bad - good) / 2;
    (fits(middle) ? good : bad) = middle;
  }
  return good;
}

QString printerName(const QPrinter& printer) {
  return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}

}  // namespace

std::vector<PrintedPiece> layOutText(const QStringList& lines, int textHeight, int pageHeight,
                                     const FittingLength& fittingLength) {
  const int lineStep = textHeight + 2;
  const int lastLineTop = pageHeight - 2 * textHeight;  // lines may not run past this
  std::vector<PrintedPiece> pieces;
  int page = 0;
  int top = 0;
  auto placeLine = [&](QString text) {
    // The top of a page takes a line whatever its height, so the layout always moves on.
    if (top > 0 && top + lineStep > lastLineTop) {
      ++page;
      top = 0;
    }
    if (!text.isEmpty()) pieces.push_back({page, top, std::move(text)});
    top += lineStep;
  };
  for (const QString& line : lines) {
    QStringView rest(line);
    do {
      const qsizetype length = keepPairsWhole(rest, std::max<qsizetype>(1, fittingLength(rest)));
      placeLine(rest.first(std::min(length, rest.size())).toString());
      rest = rest.sliced(std::min(length, rest.size()));
    } while (!rest.isEmpty());
  }
  return pieces;
}

void printTextLines(QPrinter& printer, const QFont& font, const QStringList& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    throw PrintFailure("The print job for \"" + printerName(printer).toStdString() + "\" cannot be started");
  }
  // The font in points, resolved for the printer's resolution.
  const QFont printerFont(font, &printer);
  painter.setFont(printerFont);
  const QFontMetricsF metrics(printerFont, &printer);
  const int textHeight = qCeil(metrics.height());
  const qreal width = printer.width();
  const auto pieces = layOutText(lines, textHeight, printer.height(), [&](QStringView text) {
    return fittingPrefix(metrics, width, text);
  });
  int page = 0;
  for (const PrintedPiece& piece : pieces) {
    while (page < piece.page) {
      if (!printer.newPage()) {
        throw PrintFailure("The print job for \"" + printerName(printer).toStdString() + "\" cannot begin a new page");
      }
      ++page;
    }
    painter.drawText(QPointF(0, piece.top + metrics.ascent()), piece.text);
  }
  if (!painter.end()) {
    throw PrintFailure("The print job for \"" + printerName(printer).toStdString() + "\" cannot be finished");
  }
}

}  // namespace tollard
