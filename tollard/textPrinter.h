#pragma once
// The plain-text print job of the sizing window: the Report lines drawn one below the other in
// the memo's font, from the top left corner of the printable area.
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>
#include <vector>

class QPrinter;

namespace tollard {

// A failure of the printer or the print job; what() is the text of the failure report.
class PrintFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One piece of text as it lands on paper: page from 0, top of its line in printer pixels.
struct PrintedPiece {
  int page = 0;
  int top = 0;
  QString text;
};

// How many leading characters of a text fit the printable width; the layout takes at least one.
using FittingLength = std::function<qsizetype(QStringView text)>;

// Lays the lines out (lengths in printer pixels):
// - each line starts lineStep below the previous one, lineStep being the text height + 2;
// - a line wider than the page is cut after the last character that fits and goes on below;
// - a new page begins when the next line would run into the last two text heights of the page.
// Empty lines take their place but produce no piece. No page is begun for nothing to print.
std::vector<PrintedPiece> layOutText(const QStringList& lines, int textHeight, int pageHeight,
                                     const FittingLength& fittingLength);

// The whole job on printer: started, every line written, ended; with no lines a job with one
// empty page. Failures of the printer raise PrintFailure.
void printTextLines(QPrinter& printer, const QFont& font, const QStringList& lines);

}  // namespace tollard
