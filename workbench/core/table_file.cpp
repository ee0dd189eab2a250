// Reading and checking the text of table files (observations by variables, one line each).
#include "table_file.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include "errors.h"
#include "numbers.h"

const char* const kTableReadErrorMessage =
    "An error has occured while reading the data file. Please check that every line in the "
    "file has the same number of datums (a datum is either a number or a word). Datums should "
    "be separated from each other by spaces or tabs.";

QString DecodeTableBytes(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8(bytes);
  return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

namespace {

QStringList SplitDatums(const QString& line) {
  static const QRegularExpression separators(QStringLiteral("[ \t]+"));
  return line.split(separators, Qt::SkipEmptyParts);
}

[[noreturn]] void FailRead() {
  throw EBrixError(QString::fromLatin1(kTableReadErrorMessage));
}

}  // namespace

TableFileContent ParseTableText(const QString& text) {
  static const QRegularExpression lineEnds(QStringLiteral("[\r\n]+"));
  TableFileContent content;
  bool first = true;
  for (const QString& line : text.split(lineEnds, Qt::SkipEmptyParts)) {
    if (line.startsWith(u';')) continue;
    QStringList datums = SplitDatums(line);
    // A line of blanks only holds no datum; counting it would either make an empty table
    // (as the first line) or reject the file (as a later line), so it is skipped like an
    // empty line.
    if (datums.isEmpty()) continue;
    if (first) {
      content.datums = datums.size();
      first = false;
    }
    if (datums.size() < content.datums) FailRead();
    datums.resize(content.datums);
    for (QString& datum : datums)
      if (datum == u"_") datum.clear();
    content.lines.append(datums);
  }
  if (first) FailRead();
  return content;
}

QString UnstorableCellReason(const QString& cellText, bool firstColumn) {
  const QString datum = TrimBlanks(cellText);
  if (datum == u"_") return QStringLiteral("a table file reads a lone \"_\" as an empty cell");
  static const QRegularExpression inner(QStringLiteral("[ \t\r\n]"));
  if (datum.contains(inner))
    return QStringLiteral("a table file cannot store a space, tab or line end inside a cell");
  if (firstColumn && datum.startsWith(u';'))
    return QStringLiteral("a table file reads a line starting with \";\" as a comment");
  return {};
}
