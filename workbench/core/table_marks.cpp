// The analysis marks of a data table: toggles, the Name and Color settings and their lookup.
#include "table_form.h"

namespace {

QString Toggled(const QString& mark) {
  return mark == kMarkIn ? kMarkOut : kMarkIn;
}

}  // namespace

void TTableForm::ToggleRowMark(int row) {
  SetCell(0, row, Toggled(Cell(0, row)));
}

void TTableForm::ToggleColMark(int col) {
  SetCell(col, 0, Toggled(Cell(col, 0)));
}

void TTableForm::SetNameRow(int row) {
  const int old = FindNameRow();
  if (old >= 0) SetCell(0, old, kMarkOut);
  SetCell(0, row, kMarkName);
}

void TTableForm::SetNameCol(int col) {
  ReplaceColMark(kMarkName, col);
}

void TTableForm::SetColorCol(int col) {
  ReplaceColMark(kMarkColor, col);
}

void TTableForm::ReplaceColMark(const QString& mark, int col) {
  const int old = FindLastColMark(mark);
  if (old >= 0) SetCell(old, 0, kMarkOut);
  SetCell(col, 0, mark);
}

int TTableForm::FindNameRow() const {
  int found = -1;
  for (int r = 0; r < RowCount(); ++r)
    if (Cell(0, r) == kMarkName) found = r;
  return found;
}

int TTableForm::FindLastColMark(const QString& mark) const {
  int found = -1;
  for (int c = 0; c < ColCount(); ++c)
    if (Cell(c, 0) == mark) found = c;
  return found;
}

int TTableForm::FindNameCol() const {
  return FindLastColMark(kMarkName);
}

int TTableForm::FindColorCol() const {
  return FindLastColMark(kMarkColor);
}
