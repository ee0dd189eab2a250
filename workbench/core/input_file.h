// The preprocessor input: analysed cells in fixed-width fields under a format line.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "errors.h"
#include "lists.h"

// A missing or non-numeric analysed cell; Row and Column count among the analysed lines and
// columns from 1.
class EGridConvertError : public EBrixError {
 public:
  EGridConvertError(int row, int column, const QString& value);
  const int Row;
  const int Column;
  const QString Value;
};

// The field format of one column: w digits before the point, d decimals.
struct FieldFormat {
  int IntWidth = 0;
  int Decimals = 0;
  bool operator==(const FieldFormat&) const = default;
};

FieldFormat MeasureColumn(const QStringList& texts);
QString EditDescriptor(const FieldFormat& format);
// The cell's number laid out right-aligned in the field of the format.
QString FormatCell(double value, const FieldFormat& format);
int FormatDistance(const FieldFormat& a, const FieldFormat& b);
// Widens neighbouring formats into groups until the format line fits 75 characters; fills
// groupCounts (the group size on a group's first column, 0 on its other columns).
void GroupFormats(QList<FieldFormat>& formats, TIntegerList& groupCounts);
QString FormatLine(const QList<FieldFormat>& formats, const TIntegerList& groupCounts);

class TBrixelInputFile {
 public:
  explicit TBrixelInputFile(const QString& fileName) : FileName(fileName) {}

  // Writes FileName from Columns (lines end with CR LF); raises EGridConvertError for the
  // first missing or non-numeric cell, leaving the file as far as it was written.
  void WriteFile() const;

  QString FileName;
  QList<QStringList> Columns;  // one list of trimmed cell texts per analysed variable
};
