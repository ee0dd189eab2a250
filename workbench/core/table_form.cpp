// The data table model: contents, extent, marks, table text and table files.
#include "table_form.h"

#include <QFile>
#include <QSaveFile>

#include "errors.h"
#include "numbers.h"
#include "table_file.h"

QString OpenedTableMessage(const TableLoadInfo& info) {
  return QStringLiteral("Opened input file with %1 lines and %2 variables.")
      .arg(info.lines)
      .arg(info.datums);
}

TTableForm::TTableForm() {
  SetColCount(20);
  SetRowCount(20);
  for (int c = 1; c < ColCount(); ++c) SetCell(c, 0, kMarkIn);
  for (int r = 1; r < RowCount(); ++r) SetCell(0, r, kMarkIn);
}

void TTableForm::SetRowCount(int rows) {
  const qsizetype old = grid_.size();
  grid_.resize(rows);
  for (qsizetype r = old; r < rows; ++r) grid_[r] = QStringList(colCount_);
}

void TTableForm::SetColCount(int cols) {
  colCount_ = cols;
  for (QStringList& row : grid_) row.resize(cols);
}

TableLoadInfo TTableForm::LoadFromFile() {
  QFile file(fileName_);
  if (!file.open(QIODevice::ReadOnly))
    throw EBrixError(QString::fromLatin1(kTableReadErrorMessage));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw EBrixError(QString::fromLatin1(kTableReadErrorMessage));
  return LoadFromText(DecodeTableBytes(bytes));
}

TableLoadInfo TTableForm::LoadFromText(const QString& text) {
  const TableFileContent content = ParseTableText(text);
  const int lines = static_cast<int>(content.lines.size());
  grid_.clear();
  SetColCount(content.datums + 2);
  SetRowCount(lines + 3);
  for (int c = 1; c < ColCount(); ++c) SetCell(c, 0, kMarkIn);
  for (int j = 1; j <= lines; ++j) {
    SetCell(0, j, kMarkIn);
    for (int c = 1; c <= content.datums; ++c) SetCell(c, j, content.lines[j - 1][c - 1]);
  }
  RecalcExtent();
  modified_ = false;
  return {lines, content.datums};
}

void TTableForm::CheckStorable() const {
  for (int r = 1; r <= lastRow_; ++r) {
    for (int c = 1; c <= lastCol_; ++c) {
      const QString reason = UnstorableCellReason(Cell(c, r), c == 1);
      if (!reason.isEmpty())
        throw EBrixError(
            QStringLiteral("The cell in line %1, column %2 (\"%3\") cannot be saved: %4.")
                .arg(r)
                .arg(c)
                .arg(Cell(c, r), reason));
    }
  }
}

void TTableForm::SaveToFile() {
  CheckStorable();
  // Written to a temporary file and renamed, so a failed save leaves the old file whole.
  QSaveFile file(fileName_);
  if (!file.open(QIODevice::WriteOnly)) throw EBrixError(file.errorString());
  file.write(TableText(u'\r').toUtf8());
  if (!file.commit()) throw EBrixError(file.errorString());
  modified_ = false;
}

QString TTableForm::TableText(QChar lineEnd) const {
  QString text;
  for (int r = 1; r <= lastRow_; ++r) {
    for (int c = 1; c <= lastCol_; ++c) {
      const QString& cell = Cell(c, r);
      text += TrimBlanks(cell).isEmpty() ? QStringLiteral("_ ") : cell + u' ';
    }
    text = TrimBlanks(text) + lineEnd;
  }
  return text;
}

void TTableForm::RecalcExtent() {
  lastRow_ = lastCol_ = 1;
  for (int r = 1; r < RowCount(); ++r) {
    for (int c = 1; c < ColCount(); ++c) {
      if (Cell(c, r).isEmpty()) continue;
      lastCol_ = std::max(lastCol_, c);
      lastRow_ = r;
    }
  }
}

void TTableForm::CellEdited(int col, int row) {
  modified_ = true;
  if (Cell(col, row).isEmpty()) {
    RecalcExtent();
  } else {
    lastCol_ = std::max(lastCol_, col);
    lastRow_ = std::max(lastRow_, row);
  }
}
