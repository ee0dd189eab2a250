// Picks the analysed lines and columns of a table and writes them as the preprocessor input.
#include "prepare_analysis.h"

#include "errors.h"
#include "input_file.h"
#include "numbers.h"
#include "table_form.h"

namespace {

// Lines (columns) marked "In" are analysed; a default name is the ordinal among the lines
// (columns) marked "In" or "Out".
struct Selection {
  TIntegerList indices;
  QStringList names;
};

template <typename MarkOf, typename NameOf>
Selection Select(int last, MarkOf markOf, NameOf nameOf) {
  Selection selection;
  int ordinal = 1;
  for (int k = 1; k <= last; ++k) {
    const QString mark = markOf(k);
    if (mark == kMarkIn) {
      selection.indices.append(k);
      selection.names.append(nameOf(k, ordinal));
    }
    if (mark == kMarkIn || mark == kMarkOut) ++ordinal;
  }
  return selection;
}

}  // namespace

AnalysisInput PrepareAnalysis(const TTableForm& table, const QString& basePath) {
  const int nameCol = table.FindNameCol();
  const int nameRow = table.FindNameRow();
  const Selection rows = Select(
      table.LastRow(), [&](int r) { return table.Cell(0, r); },
      [&](int r, int k) { return nameCol >= 0 ? table.Cell(nameCol, r) : QString::number(k); });
  const Selection cols = Select(
      table.LastCol(), [&](int c) { return table.Cell(c, 0); },
      [&](int c, int k) { return nameRow >= 0 ? table.Cell(c, nameRow) : QString::number(k); });
  if (rows.indices.isEmpty() || cols.indices.isEmpty())
    throw EBrixError(
        QStringLiteral("No line or no column of the table is marked 'In' for the analysis"));

  TBrixelInputFile input(basePath + QStringLiteral(".in"));
  for (int c : cols.indices) {
    QStringList cells;
    for (int r : rows.indices) cells.append(TrimBlanks(table.Cell(c, r)));
    input.Columns.append(cells);
  }
  input.WriteFile();
  return {rows.indices, rows.names, cols.names, cols.indices,
          static_cast<int>(rows.indices.size())};
}
