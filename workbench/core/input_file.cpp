// The preprocessor input: analysed cells in fixed-width fields under a format line.
#include "input_file.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cstdlib>

#include "numbers.h"

EGridConvertError::EGridConvertError(int row, int column, const QString& value)
    : EBrixError(
          QStringLiteral("An Error Occured in analyzed row %1, analyzed column %2: %3")
              .arg(row)
              .arg(column)
              .arg(value.isEmpty()
                       ? QStringLiteral("A missing value.")
                       : QStringLiteral("The value '%1' is not a valid number.").arg(value))),
      Row(row),
      Column(column),
      Value(value) {}

namespace {

// A number in exponent notation is measured by its fixed-point form, the form in which it
// is written, so that its field is as wide as the format line says.
QString MeasuredText(const QString& text) {
  double value = 0;
  if (text.contains(u'e', Qt::CaseInsensitive) && TryStrToFloat(text, value))
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
  return text;
}

}  // namespace

FieldFormat MeasureColumn(const QStringList& texts) {
  FieldFormat f;
  for (const QString& original : texts) {
    const QString s = MeasuredText(original);
    const int length = static_cast<int>(s.size());
    const int p = static_cast<int>(s.indexOf(u'.')) + 1;
    if (p == 0) f.IntWidth = std::max(f.IntWidth, length);
    if (p == 1 && f.IntWidth == 0) f.IntWidth = 1;
    if (p == 2 && s.startsWith(u'-')) f.IntWidth = std::max(f.IntWidth, 2);
    if (p > 0) {
      f.IntWidth = std::max(f.IntWidth, p - 1);
      f.Decimals = std::max(f.Decimals, length - p);
    }
  }
  return f;
}

namespace {

int FieldWidth(const FieldFormat& f) {
  return f.Decimals > 0 ? f.IntWidth + f.Decimals + 1 : f.IntWidth;
}

}  // namespace

QString EditDescriptor(const FieldFormat& f) {
  return QStringLiteral("f%1.%2").arg(FieldWidth(f)).arg(f.Decimals);
}

QString FormatCell(double value, const FieldFormat& f) {
  return QString::asprintf("%*.*f", FieldWidth(f), f.Decimals, value);
}

int FormatDistance(const FieldFormat& a, const FieldFormat& b) {
  return std::abs(a.IntWidth - b.IntWidth) + std::abs(a.Decimals - b.Decimals);
}

namespace {

// Gives every column of the group [first, last] the group's widest w and d.
void WidenGroup(QList<FieldFormat>& formats, qsizetype first, qsizetype last) {
  FieldFormat widest;
  for (qsizetype k = first; k <= last; ++k) {
    widest.IntWidth = std::max(widest.IntWidth, formats[k].IntWidth);
    widest.Decimals = std::max(widest.Decimals, formats[k].Decimals);
  }
  for (qsizetype k = first; k <= last; ++k) formats[k] = widest;
}

void GroupPass(QList<FieldFormat>& formats, TIntegerList& groupCounts, int tolerance) {
  groupCounts = TIntegerList(formats.size(), 1);
  qsizetype first = 0;
  for (qsizetype j = 1; j < formats.size(); ++j) {
    if (FormatDistance(formats[j - 1], formats[j]) <= tolerance) {
      WidenGroup(formats, first, j);
      groupCounts[first] += 1;
      groupCounts[j] = 0;
    } else {
      first = j;
    }
  }
}

}  // namespace

void GroupFormats(QList<FieldFormat>& formats, TIntegerList& groupCounts) {
  for (int tolerance = 0;; ++tolerance) {
    GroupPass(formats, groupCounts, tolerance);
    if (FormatLine(formats, groupCounts).size() <= 75) return;
  }
}

QString FormatLine(const QList<FieldFormat>& formats, const TIntegerList& groupCounts) {
  QString line = QStringLiteral("(");
  for (qsizetype j = 0; j < formats.size(); ++j) {
    if (groupCounts[j] < 1) continue;
    if (groupCounts[j] > 1) line += QString::number(groupCounts[j]);
    line += EditDescriptor(formats[j]) + u',';
  }
  line.back() = u')';
  return line;
}

namespace {

void WriteLine(QFile& file, const QString& line) {
  if (file.write((line + QStringLiteral("\r\n")).toUtf8()) < 0)
    throw EBrixError(file.errorString());
}

}  // namespace

void TBrixelInputFile::WriteFile() const {
  QFile file(FileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw EBrixError(file.errorString());
  const int n = Columns.isEmpty() ? 0 : static_cast<int>(Columns.first().size());
  const int m = static_cast<int>(Columns.size());
  const QString title = FileName.left(FileName.size() - 3).left(20);
  WriteLine(file, QString::asprintf("%3d%3d%3d        ", n, m, 1) + title);

  QList<FieldFormat> formats;
  for (const QStringList& column : Columns) formats.append(MeasureColumn(column));
  TIntegerList groupCounts;
  GroupFormats(formats, groupCounts);
  WriteLine(file, FormatLine(formats, groupCounts));

  for (int i = 0; i < n; ++i) {
    QString line;
    for (int j = 0; j < m; ++j) {
      const QString& s = Columns[j][i];
      double value = 0;
      if (s.isEmpty() || !TryStrToFloat(s, value)) throw EGridConvertError(i + 1, j + 1, s);
      line += FormatCell(value, formats[j]);
    }
    WriteLine(file, line);
  }
  if (!file.flush()) throw EBrixError(file.errorString());
}
