// The correlations matrix command: Pearson correlations between a table's analysed variables.
#include <QList>

#include "numbers.h"
#include "prepare_analysis.h"
#include "time_series.h"
#include "work_dir.h"
#include "workbench.h"

namespace {

QList<TTimeSeries> SeriesOfColumns(const TTableForm& table, const AnalysisInput& input) {
  QList<TTimeSeries> series(input.columns.size());
  for (qsizetype j = 0; j < input.columns.size(); ++j) {
    for (int row : input.rows)
      series[j].Append(static_cast<float>(StrToFloat(table.Cell(input.columns[j], row))));
  }
  return series;
}

}  // namespace

std::unique_ptr<TTableForm> Workbench::CorrelationsMatrix(const TTableForm& table) {
  CheckAnalysisExtent(table);
  // Validates every analysed cell (and writes the preprocessor input, like a run).
  const AnalysisInput input = PrepareAnalysis(table, BasePath(workDir_));
  const QList<TTimeSeries> series = SeriesOfColumns(table, input);
  const int m = static_cast<int>(series.size());

  auto matrix = CreateTableWindow();
  matrix->SetFileName(QStringLiteral("NONAME%1 - Correlations Matrix of ").arg(windowCount_) +
                      table.Caption());
  matrix->SetTag(TTableForm::kCorrelationsTag);
  matrix->SetColCount(m + 1);
  matrix->SetRowCount(m + 3);
  matrix->SetCell(0, m + 1, QString());
  matrix->SetCell(0, m + 2, QString());
  for (int p = 1; p <= m; ++p) {
    matrix->SetCell(p, 0, input.variableNames[p - 1]);
    matrix->SetCell(0, p, input.variableNames[p - 1]);
    for (int q = 1; q <= m; ++q)
      matrix->SetCell(p, q, FixedText(series[p - 1].Correlation(series[q - 1]), 2));
  }
  matrix->RecalcExtent();
  return matrix;
}
