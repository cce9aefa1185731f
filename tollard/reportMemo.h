#pragma once
// The Report lines live in the hidden memo Memo1 and nowhere else: one text block a line, an
// empty memo holding no line at all.
#include <QStringList>

class QPlainTextEdit;

namespace tollard {

QStringList reportLines(const QPlainTextEdit& memo);
qsizetype reportLineCount(const QPlainTextEdit& memo);
// Replaces the first line; in an empty memo the line becomes the only one.
void setFirstReportLine(QPlainTextEdit& memo, const QString& line);
void appendReportLine(QPlainTextEdit& memo, const QString& line);

// The lines as the report file holds them: joined by CR LF, none after the last, in the local
// 8-bit encoding, no byte-order mark. No lines give no bytes.
QByteArray reportFileBytes(const QStringList& lines);

}  // namespace tollard
