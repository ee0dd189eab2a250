// Series statistics with missing values, and the correlations matrix of a table.
#include <gtest/gtest.h>

#include "errors.h"
#include "input_file.h"
#include "test_support.h"
#include "time_series.h"
#include "workbench.h"

namespace {

TTimeSeries Series(const QList<float>& values) {
  TTimeSeries series;
  for (float v : values) series.Append(v);
  return series;
}

constexpr float M = TTimeSeries::kMissing;

TEST(Correlations, SeriesStatisticsSkipMissingValues) {
  const TTimeSeries x = Series({2, M, 4, 6});
  EXPECT_EQ(x.Count(), 3);
  EXPECT_EQ(x.Values().size(), 4);
  EXPECT_DOUBLE_EQ(static_cast<double>(x.Variance()), 4.0);
  EXPECT_DOUBLE_EQ(static_cast<double>(x.StandardDeviation()), 2.0);
  EXPECT_DOUBLE_EQ(static_cast<double>(x.SumOfProducts(Series({1, 1, M, 10}))), 62.0);
  EXPECT_EQ(Series({}).Variance(), M);
  EXPECT_EQ(Series({M}).StandardDeviation(), M);
  EXPECT_EQ(Series({5}).Variance(), 0);
}

TEST(Correlations, EdgeCasesAndOrdinaryValues) {
  struct Case {
    const char* name;
    QList<float> x, y;
    float expected;
  };
  const Case cases[] = {
      {"identical", {1, 2, 4}, {1, 2, 4}, 1},
      {"negated", {1, 2, 4}, {-1, -2, -4}, -1},
      {"both constant", {3, 3, 3}, {0.1f, 0.1f, 0.1f}, 1},
      {"one constant", {0.1f, 0.1f, 0.1f}, {1, 5, 2}, 0},
      {"empty", {}, {}, 999},
      {"ordinary", {1, 2, 3, 4}, {2, 1, 4, 3}, 0.6f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(Series(c.x).Correlation(Series(c.y)), c.expected, 1e-6);
  }
}

TEST(Correlations, MatrixWindowOfAnalysedVariables) {
  ScratchDir dir;
  Workbench workbench;
  workbench.SetWorkDir(dir.workDir());
  auto table = MakeTable({"n a b c d", "p 1 -1 5 2", "q 2 -2 5 1", "r 4 -4 5 3"});
  table->SetNameCol(1);
  table->SetNameRow(1);
  table->SetFileName("t.tbl");
  const auto matrix = workbench.CorrelationsMatrix(*table);
  EXPECT_EQ(matrix->FileName(), "NONAME1 - Correlations Matrix of Data - t.tbl");
  EXPECT_EQ(matrix->Tag(), TTableForm::kCorrelationsTag);
  EXPECT_EQ(matrix->ColCount(), 5);
  EXPECT_EQ(matrix->RowCount(), 7);
  EXPECT_EQ(matrix->Cell(0, 5), "");
  EXPECT_EQ(matrix->Cell(0, 6), "");
  EXPECT_EQ(matrix->Cell(3, 0), "c");
  EXPECT_EQ(matrix->Cell(0, 3), "c");
  const QStringList expected[] = {{"1.00", "-1.00", "0.00", "0.65"},
                                  {"-1.00", "1.00", "0.00", "-0.65"},
                                  {"0.00", "0.00", "1.00", "0.00"},
                                  {"0.65", "-0.65", "0.00", "1.00"}};
  for (int p = 1; p <= 4; ++p)
    for (int q = 1; q <= 4; ++q) EXPECT_EQ(matrix->Cell(p, q), expected[q - 1][p - 1]) << p << q;
  EXPECT_EQ(matrix->LastRow(), 4);
  EXPECT_EQ(matrix->LastCol(), 4);
  EXPECT_TRUE(QFile::exists(dir.file("brixview.in")));
  EXPECT_EQ(workbench.CorrelationsMatrix(*table)->FileName().left(8), "NONAME2 ");
}

TEST(Correlations, MatrixNeedsValidCells) {
  ScratchDir dir;
  Workbench workbench;
  workbench.SetWorkDir(dir.workDir());
  EXPECT_THROW(workbench.CorrelationsMatrix(*MakeTable({"1 2 3", "4 5 6"})), EBrixError);
  EXPECT_THROW(workbench.CorrelationsMatrix(*MakeTable({"1 2 3", "4 x 6", "7 8 9"})),
               EGridConvertError);
  EXPECT_EQ(workbench.WindowCount(), 0);
}

}  // namespace
