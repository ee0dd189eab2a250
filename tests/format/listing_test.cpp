// The listing and file layouts that the engine and the preprocessor write
// with fixed format texts, checked column by column.
#include "tests/format/support.h"

namespace format {
namespace {

using testing::written;

TEST(FormatListing, LabelWithDotsAndNumber) {
  const int32_t twelve = 12;
  EXPECT_EQ(written("(' Number of variables ',20('.'),I4)", {Value::integers(&twelve)}),
            " Number of variables ....................  12\n");
}

TEST(FormatListing, EchoLineWithCharacters) {
  const int32_t line = 7;
  const char text[] = "$RUN;";
  EXPECT_EQ(written("(1X,'_',I3,'_ ',80A1)", {Value::integers(&line), Value::text(text, 1, 5)}),
            " _  7_ $RUN;\n");
}

TEST(FormatListing, CoordinatesRowWithRepeatedGroup) {
  const int32_t serial = 3;
  const float alienation = 0.125f;
  const float coordinates[] = {1.5f, -22.25f, 100.0f};
  EXPECT_EQ(
      written("(2X,I3,8X,F6.2,9X,9(F6.2,3X))",
              {Value::integers(&serial), Value::reals(&alienation), Value::reals(coordinates, 3)}),
      "    3          0.13           1.50   -22.25   100.00   \n");
}

TEST(FormatListing, MatrixRowsOfTenValues) {
  std::vector<float> row(12);
  for (int i = 0; i < 12; ++i) row[i] = 1.2345f * i;
  std::string expected =
      "  0.0000  1.2345  2.4690  3.7035  4.9380  6.1725  7.4070  8.6415  9.8760 11.1105\n"
      " 12.3450 13.5795\n";
  EXPECT_EQ(written("(10F8.4)", {Value::reals(row.data(), 12)}), expected);

  std::vector<float> back(12);
  EXPECT_EQ(testing::readReals("(10F8.4)", expected, back), ReadStatus::Ok);
  for (int i = 0; i < 12; ++i) EXPECT_FLOAT_EQ(back[i], row[i]);
}

TEST(FormatListing, MissingValueIntervalsRevertToTheirGroup) {
  const float intervals[] = {-1.0f, 10.0f, 0.5f, 1500.0f};
  EXPECT_EQ(
      written("(' Values representing Missing cells',7('.'),(T42,'(',G8.3,',',G8.3,')  ,  '))",
              {Value::reals(intervals, 4)}),
      " Values representing Missing cells.......(********,10.0    )  ,  \n" + std::string(41, ' ') +
          "(.500    ,.150E+04)  ,  \n");
}

TEST(FormatListing, CentredTitleFromBuiltFormat) {
  EXPECT_EQ(written("(  5x,a  9)", {Value::text("The title and more")}), "     The title\n");
  EXPECT_EQ(written("(  0x,a  3)", {Value::text("abc")}), "abc\n");
}

TEST(FormatListing, PreprocessorHeaderLine) {
  const int32_t n = 12, k = 5;
  const float p = 1.0f;
  const char title[7][4] = {{' ', ' ', ' ', ' '}, {' ', ' ', ' ', ' '}, {' ', ' ', ' ', ' '},
                            {' ', ' ', ' ', ' '}, {' ', ' ', ' ', ' '}, {' ', ' ', ' ', ' '},
                            {'a', 'b', 'c', 'd'}};
  std::string expected = "   N=  12K=   5P= 1.0TITLE=" + std::string(66, ' ') + "abcd\n";
  EXPECT_EQ(written("(3X,'N=',I4,'K=',I4,'P=',F4.1,'TITLE=',7A10)",
                    {Value::integers(&n), Value::integers(&k), Value::reals(&p),
                     Value::text(&title[0][0], 4, 7)}),
            expected);
}

TEST(FormatListing, DiagramTitleWithTabAndSpacedLiterals) {
  const int32_t numbers[] = {2, 1, 2};
  EXPECT_EQ(written("('1',T21,'Space Diagram for Dimensionality',I3,'.',      ' Axis',I3,' versus "
                    "Axis',I3,'.')",
                    {Value::integers(numbers, 3)}),
            "1" + std::string(19, ' ') +
                "Space Diagram for Dimensionality  2. Axis  1 versus Axis  2.\n");
}

}  // namespace
}  // namespace format
