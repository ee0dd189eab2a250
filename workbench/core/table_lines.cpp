// Inserting and deleting lines and columns of a data table, within the grid's limits.
#include <algorithm>

#include "errors.h"
#include "table_form.h"

namespace {

constexpr int kMaxCount = 250;  // rows (columns) of the grid, the mark row (column) included
constexpr int kMinCount = 5;    // four table lines (columns) plus the mark row (column)

int Clamp(int index, int count) {
  return std::clamp(index, 1, std::max(1, count - 1));
}

// A refused step keeps the steps already done; the extent still follows them.
[[noreturn]] void Refuse(TTableForm& table, const char* message) {
  table.RecalcExtent();
  throw EBrixError(QString::fromLatin1(message));
}

}  // namespace

void TTableForm::AddLines(int currentRow, int count) {
  const int at = Clamp(currentRow, RowCount());
  for (int step = 0; step < count; ++step) {
    if (RowCount() >= kMaxCount) Refuse(*this, "The maximum number of lines is 250.");
    QStringList empty(colCount_);
    empty[0] = kMarkIn;
    grid_.insert(at, empty);
  }
  RecalcExtent();
}

void TTableForm::DeleteLines(int currentRow, int count) {
  for (int step = 0; step < count; ++step) {
    if (RowCount() <= kMinCount) Refuse(*this, "The minimum number of lines is 4.");
    grid_.removeAt(Clamp(currentRow, RowCount()));
  }
  RecalcExtent();
}

void TTableForm::AddColumns(int currentCol, int count) {
  const int at = Clamp(currentCol, ColCount());
  for (int step = 0; step < count; ++step) {
    if (ColCount() >= kMaxCount) Refuse(*this, "The maximum number of columns is 250.");
    for (QStringList& row : grid_) row.insert(at, QString());
    grid_[0][at] = kMarkIn;
    ++colCount_;
  }
  RecalcExtent();
}

void TTableForm::DeleteColumns(int currentCol, int count) {
  for (int step = 0; step < count; ++step) {
    if (ColCount() <= kMinCount) Refuse(*this, "The minimum number of columns is 4.");
    const int at = Clamp(currentCol, ColCount());
    for (QStringList& row : grid_) row.removeAt(at);
    --colCount_;
  }
  RecalcExtent();
}
