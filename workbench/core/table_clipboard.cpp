// Cell ranges of a data table as clipboard text: copy, cut and paste.
#include <QRegularExpression>
#include <algorithm>

#include "table_form.h"

QString TTableForm::CellsText(int left, int top, int right, int bottom) const {
  QString text;
  for (int r = top; r <= bottom; ++r) {
    QStringList cells;
    for (int c = left; c <= right; ++c) cells.append(Cell(c, r));
    text += cells.join(u'\t') + u'\n';
  }
  return text;
}

void TTableForm::ClearCells(int left, int top, int right, int bottom) {
  for (int r = top; r <= bottom; ++r)
    for (int c = left; c <= right; ++c) SetCell(c, r, QString());
  RecalcExtent();
}

void TTableForm::PasteText(const QString& text, int col, int row) {
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
  QStringList lines = text.split(lineEnd);
  if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();  // the last line's end
  for (int i = 0; i < lines.size(); ++i) {
    const QStringList cells = lines[i].split(u'\t');
    const int r = row + i;
    SetRowCount(std::max(RowCount(), r + 1));
    SetColCount(std::max(ColCount(), col + static_cast<int>(cells.size())));
    for (int j = 0; j < cells.size(); ++j) SetCell(col + j, r, cells[j]);
  }
  RecalcExtent();
  for (int c = 1; c < ColCount(); ++c)
    if (Cell(c, 0).isEmpty()) SetCell(c, 0, kMarkIn);
  for (int r = 1; r < RowCount(); ++r)
    if (Cell(0, r).isEmpty()) SetCell(0, r, kMarkIn);
}
