#include "reportMemo.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace tollard {

namespace {
bool isEmpty(const QTextDocument& document) {
  return document.blockCount() == 1 && document.firstBlock().length() <= 1;
}
}  // namespace

QStringList reportLines(const QPlainTextEdit& memo) {
  const QTextDocument& document = *memo.document();
  QStringList lines;
  if (isEmpty(document)) return lines;
  // Block by block: the text as stored, where the document's plain text would turn a
  // no-break space into a blank.
  for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) lines << block.text();
  return lines;
}

qsizetype reportLineCount(const QPlainTextEdit& memo) {
  const QTextDocument& document = *memo.document();
  return isEmpty(document) ? 0 : document.blockCount();
}

void setFirstReportLine(QPlainTextEdit& memo, const QString& line) {
  QTextDocument& document = *memo.document();
  QTextCursor cursor(&document);
  if (!isEmpty(document)) {
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  }
  cursor.insertText(line);
}

void appendReportLine(QPlainTextEdit& memo, const QString& line) {
  QTextDocument& document = *memo.document();
  QTextCursor cursor(&document);
  cursor.movePosition(QTextCursor::End);
  if (!isEmpty(document)) cursor.insertBlock();
  cursor.insertText(line);
}

QByteArray reportFileBytes(const QStringList& lines) {
  return lines.join(QStringLiteral("\r\n")).toLocal8Bit();
}

}  // namespace tollard
