// Formatted output: editing of single numbers and texts, positions,
// reversion, the end of a statement and the failures of a write.
#include <cmath>
#include <limits>

#include "tests/format/support.h"

namespace format {
namespace {

using testing::writeError;
using testing::written;

struct RealCase {
  const char* format;
  float value;
  const char* expected;
};

TEST(FormatWriteNumbers, RealsEditedByFAndE) {
  const RealCase cases[] = {
      {"(F8.5)", 0.08317f, " 0.08317"},  // leading zero when there is room
      {"(F8.4)", 1.2345f, "  1.2345"},
      {"(F6.1)", 1234.5f, "1234.5"},
      {"(F6.1)", 12345.6f, "******"},
      {"(F5.2)", -0.5f, "-0.50"},
      {"(F4.2)", -0.5f, "-.50"},  // no room for the zero
      {"(F3.2)", 0.5f, ".50"},
      {"(F3.2)", -0.5f, "***"},
      {"(F3.0)", 2.5f, " 3."},  // halves round away from zero
      {"(F5.2)", 0.125f, " 0.13"},
      {"(F5.2)", -0.125f, "-0.13"},
      {"(F5.1)", -0.04f, " -0.0"},  // a negative value keeps its sign
      {"(F2.0)", 0.3f, "0."},
      {"(F1.0)", 0.3f, "*"},
      {"(F4.1)", 0.0f, " 0.0"},
      {"(F16.3)", 1e10f, " 10000000000.000"},
      {"(F12.1)", 16777216.0f, "  16777216.0"},
      {"(F20.15)", 0.1f, "   0.100000001490116"},  // the float's exact value, rounded
      {"(F8.4)", 1000.0f, "********"},
      {"(F6.2)", 1e38f, "******"},
      {"(2PF8.3)", 1.5f, " 150.000"},
      {"(-1PF8.3)", 1.5f, "   0.150"},
      {"(SP,F6.2)", 1.5f, " +1.50"},
      {"(SP,F6.2,SS,F6.2)", 1.5f, " +1.50"},
      {"(F6.2)", std::numeric_limits<float>::quiet_NaN(), "******"},
      {"(F6.2)", std::numeric_limits<float>::infinity(), "******"},
      {"(E12.4)", 1234.5f, "  0.1235E+04"},
      {"(E10.4)", -1234.5f, "-.1235E+04"},
      {"(E9.3)", 0.0f, "0.000E+00"},
      {"(E8.3)", 1500.0f, ".150E+04"},
      {"(E10.3)", 1e-30f, " 0.100E-29"},
      {"(E10.3)", 3.4e38f, " 0.340E+39"},
      {"(E10.3)", 9.9996f, " 0.100E+02"},  // rounding carries into the exponent
      {"(1PE10.3)", 1234.5f, " 1.235E+03"},
      {"(-1PE10.3)", 1234.5f, " 0.012E+05"},
      {"(5PE10.3)", 1234.5f, "**********"},  // scale factor out of range for E
      {"(E12.3E3)", 1234.5f, "  0.123E+004"},
      {"(E20.3E12)", 1234.5f, " 0.123E+000000000004"},
      {"(E9.3E1)", 1e12f, "*********"},  // exponent 13 needs two digits
      {"(D10.3)", 1234.5f, " 0.123E+04"},
      {"(E6.3)", 1.0f, "******"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(written(c.format, {Value::reals(&c.value)}), std::string(c.expected) + "\n")
        << c.format << " " << c.value;
}

TEST(FormatWriteNumbers, GeneralChoosesFixedOrExponentForm) {
  const RealCase cases[] = {
      {"(G8.3)", 0.5f, ".500    "},
      {"(G8.3)", 1.5f, "1.50    "},
      {"(G8.3)", 15.0f, "15.0    "},
      {"(G8.3)", 150.0f, "150.    "},
      {"(G8.3)", 1500.0f, ".150E+04"},
      {"(G8.3)", 0.05f, ".500E-01"},
      {"(G8.3)", 999.6f, ".100E+04"},  // decided on the rounded value
      {"(G8.3)", 0.09996f, ".100    "},
      {"(G8.3)", 0.0f, ".000E+00"},
      {"(G8.3)", -0.5f, "********"},
      {"(G10.3)", -0.5f, "-0.500    "},
      {"(G12.3E3)", 15.0f, "   15.0     "},
      {"(2PG10.3)", 15.0f, "  15.0    "},    // the scale factor leaves the fixed form alone
      {"(2PG10.3)", 1500.0f, " 15.00E+02"},  // and applies to the exponent form
  };
  for (const auto& c : cases)
    EXPECT_EQ(written(c.format, {Value::reals(&c.value)}), std::string(c.expected) + "\n")
        << c.format << " " << c.value;
}

TEST(FormatWriteNumbers, Integers) {
  struct Case {
    const char* format;
    int32_t value;
    const char* expected;
  };
  const Case cases[] = {
      {"(I4)", 12, "  12"},
      {"(I4)", -12, " -12"},
      {"(I3)", 1234, "***"},
      {"(I2)", -10, "**"},
      {"(I5.3)", 7, "  007"},
      {"(I5.3)", -7, " -007"},
      {"(I3.0)", 0, "   "},
      {"(I1)", 0, "0"},
      {"(I11)", std::numeric_limits<int32_t>::min(), "-2147483648"},
      {"(SP,I3)", 5, " +5"},
      {"(F6.1)", 42, "  42.0"},  // an integer item under F is written as its value
  };
  for (const auto& c : cases)
    EXPECT_EQ(written(c.format, {Value::integers(&c.value)}), std::string(c.expected) + "\n")
        << c.format << " " << c.value;
}

TEST(FormatWriteNumbers, RealUnderIShowsItsIntegerPart) {
  const float values[] = {3.7f, -3.7f, 1e30f};
  EXPECT_EQ(written("(2I4,I3)", {Value::reals(values, 3)}), "   3  -3***\n");
}

TEST(FormatWriteText, WidthPadsOnTheLeftOrCuts) {
  EXPECT_EQ(written("(A5)", {Value::text("abc")}), "  abc\n");
  EXPECT_EQ(written("(A2)", {Value::text("abc")}), "ab\n");
  EXPECT_EQ(written("(A)", {Value::text("abc")}), "abc\n");
  const char pieces[] = "abcdefgh";
  EXPECT_EQ(written("(3A3)", {Value::text(pieces, 2, 3)}), " ab cd ef\n");
}

TEST(FormatWritePositions, TabsSkipsAndLiterals) {
  struct Case {
    const char* format;
    const char* expected;
  };
  const Case cases[] = {
      {"(T5,'x',TL3,'y',TR2,'z')", "  y xz"},
      {"(5X)", "     "},  // skipped positions are blanks
      {"(0X,'a')", "a"},
      {"('abcdef',T3,'X')", "abXdef"},  // moving left overwrites
      {"('ab',TL9,'X')", "Xb"},         // no further left than column 1
      {"('It''s',1X,\"q\"\"\")", "It's q\""},
      {"(3Habc,2X,1H')", "abc  '"},
      {"('a',/,'b')", "a\nb"},
      {"('a',2/,'b')", "a\n\nb"},
      {"(/)", "\n"},
      {"()", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(written(c.format, {}), std::string(c.expected) + "\n") << c.format;
  std::string dashes;
  for (int i = 0; i < 40; ++i) dashes += " -";
  EXPECT_EQ(written("('1',/,/,40(' -'),/,/)", {}), "1\n\n" + dashes + "\n\n\n");
}

TEST(FormatWriteStatement, EndsAtTheFirstDataItemWithoutAValue) {
  const int32_t one = 1;
  EXPECT_EQ(written("('a=',I2,' b=',I2,' c')", {Value::integers(&one)}), "a= 1 b=\n");
  EXPECT_EQ(written("(I3)", {}), "\n");
  EXPECT_EQ(written("(I2,:,' after')", {Value::integers(&one)}), " 1\n");
  EXPECT_EQ(written("(I2,' after')", {Value::integers(&one)}), " 1 after\n");
  EXPECT_EQ(written("(I3,/)", {Value::integers(&one)}), "  1\n\n");
}

TEST(FormatWriteStatement, ReversionResumesAtTheLastTopLevelGroup) {
  const int32_t numbers[] = {1, 2, 3, 4, 5, 6, 7};
  EXPECT_EQ(written("(I1,2(I2,'|'))", {Value::integers(numbers, 7)}), "1 2| 3|\n 4| 5|\n 6| 7|\n");
  EXPECT_EQ(written("(3I2,(2I3))", {Value::integers(numbers, 7)}), " 1 2 3  4  5\n  6  7\n");
  EXPECT_EQ(written("('x',I2)", {Value::integers(numbers, 3)}), "x 1\nx 2\nx 3\n");
  EXPECT_EQ(written("(1X,2(I1,1X),'/',(I1))", {Value::integers(numbers, 5)}), " 1 2 /3\n4\n5\n");
}

TEST(FormatWriteStatement, FailuresSayWhy) {
  const int32_t numbers[] = {1, 2};
  EXPECT_NE(writeError("(I3,('x'))", {Value::integers(numbers, 2)}).find("no data item"),
            std::string::npos);
  EXPECT_NE(writeError("(I3)", {Value::text("abc")}).find("descriptor I"), std::string::npos);
  EXPECT_NE(writeError("(A3)", {Value::integers(numbers)}).find("descriptor A"), std::string::npos);
  EXPECT_NE(writeError("(I3", {}).find("missing \")\""), std::string::npos);
  EXPECT_NE(writeError("(999999X,999999X)", {}).find("longer than"), std::string::npos);
  EXPECT_NE(writeError("(999999(999999(T1)),I3)", {Value::integers(numbers)}).find("without end"),
            std::string::npos);
}

TEST(FormatWriteStatement, InternalFileReceivesOnePaddedRecord) {
  const float pi = 3.14159f;
  const Value value = Value::reals(&pi);
  std::string buffer(10, '#');
  RecordSink sink(buffer);
  EXPECT_TRUE(FMTWR(sink, Format::parse("(F5.2)"), {&value, 1}));
  EXPECT_EQ(buffer, " 3.14     ");

  std::string small(3, '#');
  RecordSink tooSmall(small);
  EXPECT_FALSE(FMTWR(tooSmall, Format::parse("(F5.2)"), {&value, 1}));
  std::string twice(10, ' ');
  RecordSink twoRecords(twice);
  EXPECT_FALSE(FMTWR(twoRecords, Format::parse("(F5.2,/,F5.2)"), {&value, 1}));
  EXPECT_NE(twoRecords.error().find("one record"), std::string::npos);
}

TEST(FormatWriteStatement, BrokenStreamIsAFailedWrite) {
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  RecordSink sink(out);
  EXPECT_FALSE(FMTWR(sink, Format::cached("('a')"), {}));
  EXPECT_NE(sink.error().find("cannot be written"), std::string::npos);
}

TEST(FormatWriteStatement, StreamRecordsEndWithCrLfByDefault) {
  std::ostringstream out;
  RecordSink sink(out);
  EXPECT_TRUE(FMTWR(sink, Format::cached("('a',/,'b')"), {}));
  EXPECT_EQ(out.str(), "a\r\nb\r\n");
}

}  // namespace
}  // namespace format
