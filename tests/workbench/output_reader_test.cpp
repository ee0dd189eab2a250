// The pipeline output reader: the keyword scan, the number rule and the parse of a whole output.
#include <gtest/gtest.h>

#include "errors.h"
#include "output_file.h"
#include "test_support.h"
#include "text_file_parser.h"

namespace {

TEST(OutputReader, ReadNumberFindsTheNextFixedPointNumber) {
  struct Case {
    QByteArray text;
    QList<double> numbers;  // read in turn; then the next read fails
  };
  const Case cases[] = {
      {"-.5", {5}},
      {".25", {0.25}},
      {"  -3.75x", {-3.75}},
      {"1.5E-03 7", {1.5, -3, 7}},
      {"1.5-2.3", {1.5, 2.3}},
      {"+4", {4}},
      {"*** 12", {12}},
      {"--7", {7}},
      {"0.9312", {0.9312}},  // the last digit is the last byte
      {"", {}},
      {"abc -", {}},
      {"1.2.3", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.constData());
    TTextFileParser parser(c.text);
    for (double expected : c.numbers) EXPECT_DOUBLE_EQ(parser.ReadNumber(), expected);
    EXPECT_THROW(parser.ReadNumber(), EConvertError);
  }
}

TEST(OutputReader, FindKeywordDoesNotBacktrack) {
  struct Case {
    QByteArray text;
    QByteArray word;
    bool found;
    double next;
  };
  const Case cases[] = {
      {"abc variables 5", "variables", true, 5},
      {"vvariables 5 variables 6", "variables", true, 6},
      {"VARIABLES 4 variables 9", "variables", true, 9},
      {"AAlienation 3", "Alienation", false, 0},
      {"Alienation", "Alienation", true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.constData());
    TTextFileParser parser(c.text);
    parser.FindKeyword(c.word);
    if (!c.found) {
      EXPECT_TRUE(parser.EndOfFile());
    } else if (!parser.EndOfFile()) {
      EXPECT_DOUBLE_EQ(parser.ReadNumber(), c.next);
    }
  }
}

TEST(OutputReader, ReadsAPipelineOutput) {
  TBrixelOutputFile output("pipeline.out");
  output.ReadOutput(TestData("pipeline.out"));
  EXPECT_EQ(output.PointCount, 5);
  EXPECT_FLOAT_EQ(output.Alienation, 0.08317f);
  EXPECT_EQ(output.PointX, TNumbersList({100.0f, 55.25f, 0.0f, 61.0f, 48.4f}));
  EXPECT_EQ(output.PointY, TNumbersList({62.5f, 0.0f, 47.75f, 88.12f, 40.6f}));
  EXPECT_EQ(output.VariableCount, 3);
  EXPECT_FLOAT_EQ(output.GravityX, 52.93f);
  EXPECT_FLOAT_EQ(output.GravityY, 47.794f);
  EXPECT_EQ(output.Correlations, TNumbersList({0.9312f, 0.8120f, 0.6002f}));
  EXPECT_EQ(output.Angles, TNumbersList({47.2210f, 181.5532f, 301.0001f}));
  EXPECT_FLOAT_EQ(output.AverageCorrelation, 0.7811f);
}

TEST(OutputReader, ReadsTheFileReadOnly) {
  ScratchDir dir;
  WriteBytes(dir.file("o.out"), TestData("pipeline.out"));
  QFile::setPermissions(dir.file("o.out"), QFileDevice::ReadOwner);
  TBrixelOutputFile output(dir.file("o.out"));
  output.ReadOutput();
  EXPECT_EQ(output.PointCount, 5);
  TBrixelOutputFile missing(dir.file("none.out"));
  EXPECT_THROW(missing.ReadOutput(), EBrixError);
}

TEST(OutputReader, TruncatedOutputsRaiseTheConversionError) {
  const QByteArray whole = TestData("pipeline.out");
  const QByteArray withoutCorrelations = QByteArray(whole).replace("CORRELATIONS", "correlations");
  const QByteArray cuts[] = {
      whole.left(whole.indexOf("AVERAGE")),
      whole.left(whole.indexOf(" VARIABLES")),
      whole.left(whole.indexOf("    3         30.07")),
      whole.left(whole.indexOf("Alienation")),
      withoutCorrelations,
      QByteArray(),
  };
  for (const QByteArray& cut : cuts) {
    TBrixelOutputFile output("cut.out");
    EXPECT_THROW(output.ReadOutput(cut), EConvertError) << cut.size();
  }
}

TEST(OutputReader, WithoutArrowsTheAverageFollowsTheCorrelationsKeyword) {
  const QByteArray text =
      "variables 1 Alienation 0.5 1 2 1 0.0 10.0 20.0 VARIABLES 0 "
      "GRAVITY 1 2 CORRELATIONS AVERAGE 0.25";
  TBrixelOutputFile output("o.out");
  output.ReadOutput(text);
  EXPECT_EQ(output.VariableCount, 0);
  EXPECT_FLOAT_EQ(output.AverageCorrelation, 0.25f);
  TBrixelOutputFile noKeyword("o.out");
  EXPECT_THROW(noKeyword.ReadOutput(QByteArray(text).replace("CORRELATIONS AVERAGE 0.25", "")),
               EConvertError);
}

}  // namespace
