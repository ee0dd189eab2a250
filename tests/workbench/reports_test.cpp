// Export files and the text report, character by character.
#include <gtest/gtest.h>

#include "output_file.h"
#include "reports.h"
#include "test_support.h"

namespace {

TBrixelOutputFile TwoPoints() {
  TBrixelOutputFile output("o.out");
  output.PointCount = 2;
  output.PointX = {12.5f, 3.25f};
  output.PointY = {80.0f, -7.125f};
  output.GravityX = 50;
  output.GravityY = 50;
  output.VariableCount = 2;
  output.Angles = {270.5f, 45.5f};
  output.Correlations = {0.81234f, 0.8f};
  output.Alienation = 0.08317f;
  output.AverageCorrelation = 0.80617f;
  return output;
}

TEST(Reports, ExportLayouts) {
  const TBrixelOutputFile output = TwoPoints();
  EXPECT_EQ(
      ObservationsReport(output),
      QStringList({"   12.5000    80.0000", "    3.2500    -7.1250", "   50.0000    50.0000"}));
  EXPECT_EQ(VariablesReport(output), QStringList({" 270       0.812", "  46       0.800"}));
  EXPECT_EQ(AlienationReport(output), QStringList({"0.0832"}));
}

TEST(Reports, ExportWritesThreeCrLfFilesWithThePrefix) {
  ScratchDir dir;
  const QString prefix = dir.file("plot.tbl");
  ExportMachineReadable(TwoPoints(), prefix);
  EXPECT_EQ(ReadBytes(prefix + ".obs"),
            "   12.5000    80.0000\r\n    3.2500    -7.1250\r\n   50.0000    50.0000\r\n");
  EXPECT_EQ(ReadBytes(prefix + ".var"), " 270       0.812\r\n  46       0.800\r\n");
  EXPECT_EQ(ReadBytes(prefix + ".coa"), "0.0832\r\n");
}

TEST(Reports, TextReportLayout) {
  TBrixelOutputFile output = TwoPoints();
  output.PointX = {12.5f, -3.0f};
  output.PointY = {6.75f, 100.0f};
  output.Angles = {45.5f, 300.0f};
  output.Correlations = {0.8f, 0.123f};
  const QStringList lines = TextReport(output, {"A", "Bb"}, {"Income", "Age"});
  const QStringList expected = {
      "Observations Map",
      "------------------",
      "Coefficient of Alienation: 0.083",
      "Center of Gravity: (50.00,50.00)",
      "        X      Y",
      "A     12.50   6.75",
      "Bb    -3.00  100.00",
      "",
      "Variables Map",
      "-------------",
      "Average of Correlations: 0.806",
      "         Degree  Correlation",
      "Income      46      0.80",
      "Age        300      0.12",
  };
  EXPECT_EQ(lines, expected);
}

TEST(Reports, TextReportSurvivesMissingAndPercentNames) {
  const QStringList lines = TextReport(TwoPoints(), {"%1"}, {});
  EXPECT_EQ(lines[5], "%1    12.50  80.00");
  EXPECT_EQ(lines[6], "       3.25  -7.13");
  EXPECT_EQ(lines[11], "    Degree  Correlation");
  EXPECT_EQ(lines[12], "      270      0.81");
}

}  // namespace
