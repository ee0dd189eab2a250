// The data table model: a grid of text cells with analysis marks in row 0 and column 0.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

inline const QString kMarkIn = QStringLiteral("In");
inline const QString kMarkOut = QStringLiteral("Out");
inline const QString kMarkName = QStringLiteral("Name");
inline const QString kMarkColor = QStringLiteral("Color");

// What a successful load read: table lines and datums per line (for the status bar).
struct TableLoadInfo {
  int lines = 0;
  int datums = 0;
};

// The status bar text after opening a table file.
QString OpenedTableMessage(const TableLoadInfo& info);

// A data table (kind 1) or correlations matrix (kind 4). Cells are addressed (column, row)
// as on screen; row 0 and column 0 hold the marks.
class TTableForm {
 public:
  static constexpr int kDataTableTag = 1;
  static constexpr int kCorrelationsTag = 4;

  TTableForm();

  int RowCount() const { return static_cast<int>(grid_.size()); }
  int ColCount() const { return colCount_; }
  void SetRowCount(int rows);
  void SetColCount(int cols);
  const QString& Cell(int col, int row) const { return grid_[row][col]; }
  void SetCell(int col, int row, const QString& text) { grid_[row][col] = text; }

  const QString& FileName() const { return fileName_; }
  QString Caption() const { return QStringLiteral("Data - ") + fileName_; }
  bool Modified() const { return modified_; }
  int LastRow() const { return lastRow_; }
  int LastCol() const { return lastCol_; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  void SetFileName(const QString& name) { fileName_ = name; }
  TableLoadInfo LoadFromFile();
  // Replaces the grid with the table of a file's text; on a failure the grid stays as it was.
  TableLoadInfo LoadFromText(const QString& text);
  // Refuses (EBrixError) a cell that would read back differently; writes lines ended by CR.
  void SaveToFile();
  QString TableText(QChar lineEnd) const;
  void RecalcExtent();
  // The reaction to a finished edit of cell (col, row).
  void CellEdited(int col, int row);

  // Clipboard text of the cells from (left, top) to (right, bottom): cells separated by tabs,
  // rows ended by LF. The whole grid, marks included, is CellsText(0, 0, ColCount() - 1,
  // RowCount() - 1).
  QString CellsText(int left, int top, int right, int bottom) const;
  // Empties the cells of the range (the second half of a cut), then RecalcExtent.
  void ClearCells(int left, int top, int right, int bottom);
  // Pastes clipboard text with its first cell at (col, row), growing the grid to fit; then
  // RecalcExtent and "In" on every empty mark.
  void PasteText(const QString& text, int col, int row);

  void ToggleRowMark(int row);
  void ToggleColMark(int col);
  void SetNameRow(int row);
  void SetNameCol(int col);
  void SetColorCol(int col);
  int FindNameRow() const;
  int FindNameCol() const;
  int FindColorCol() const;

  // Line and column insertion and deletion at the current row (column), n times; a refusal
  // keeps the steps done and raises EBrixError with its message.
  void AddLines(int currentRow, int count);
  void DeleteLines(int currentRow, int count);
  void AddColumns(int currentCol, int count);
  void DeleteColumns(int currentCol, int count);

 private:
  // Raises EBrixError naming the first cell of the extent that a table file cannot hold.
  void CheckStorable() const;
  int FindLastColMark(const QString& mark) const;
  void ReplaceColMark(const QString& mark, int col);

  QList<QStringList> grid_;  // grid_[row][col]
  int colCount_ = 0;
  QString fileName_;
  bool modified_ = false;
  int lastRow_ = 1;
  int lastCol_ = 1;
  int tag_ = kDataTableTag;
};
