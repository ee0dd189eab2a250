// Formatted input: numeric and text fields, positions, records, reversion,
// internal files, and read errors told apart from the end of the file.
#include <cmath>
#include <limits>

#include "tests/format/support.h"

namespace format {
namespace {

using testing::readReals;

struct RealCase {
  const char* format;
  const char* record;
  float expected;
};

TEST(FormatReadNumbers, RealFields) {
  const RealCase cases[] = {
      {"(F8.4)", "   12345", 1.2345f},  // implied decimal point
      {"(F8.4)", "12345", 1.2345f},     // a short record is padded with blanks
      {"(F8.4)", "      12", 0.0012f},
      {"(F8.4)", "12345678", 1234.5678f},
      {"(F8.4)", "", 0.0f},
      {"(F5.2)", "  314", 3.14f},
      {"(F5.2)", " 3.1 ", 3.1f},  // a point in the field overrides d
      {"(F5.2)", "3 1 4", 3.14f},
      {"(BZ,F5.2)", "  314", 3.14f},
      {"(BZ,F5.2)", " 31  ", 31.0f},  // blanks after the digits are zeros
      {"(BZ,F5.2)", " 31", 0.31f},    // but the padding of a short record is not
      {"(BN,F5.2)", " 31  ", 0.31f},
      {"(F3.0)", "1.5", 1.5f},
      {"(F3.0)", "  7", 7.0f},
      {"(F8.2)", " -1.5", -1.5f},
      {"(F8.2)", "+2.25", 2.25f},
      {"(F10.2)", "1.0+5", 1.0e5f},  // a sign followed by digits is an exponent
      {"(F10.2)", "1.0-2", 0.01f},
      {"(F10.2)", "1.0E5", 1.0e5f},
      {"(F10.2)", "1.0e+05", 1.0e5f},
      {"(F10.2)", "1.0D5", 1.0e5f},
      {"(F10.2)", "1E 5", 1000.0f},  // no point: 1 is 0.01
      {"(F10.2)", "12E1", 1.2f},     // the implied point applies before the exponent
      {"(F10.2)", "  -1.5e-3", -1.5e-3f},
      {"(2PF8.2)", "1.5", 0.015f},  // scale factor without an exponent
      {"(2PF8.2)", "1.5E0", 1.5f},  // not with one
      {"(-1PF8.2)", "1.5", 15.0f},
      {"(E10.3)", " 0.123E+04", 1230.0f},
      {"(D10.3)", " 0.123D+04", 1230.0f},
      {"(G8.3)", "   1.5  ", 1.5f},
      {"(F10.0)", "1e-50", 0.0f},  // underflow reads as zero
      {"(F12.0)", "16777217", 16777216.0f},
      {"(F40.0)", "0.1000000000000000055511151231257827", 0.1f},
      // halfway between 1 and the next float: ties go to even, anything above rounds up
      {"(F40.0)", "1.000000059604644775390625", 1.0f},
      {"(F40.0)", "1.00000005960464477539062500000001", std::nextafter(1.0f, 2.0f)},
  };
  for (const auto& c : cases) {
    std::vector<float> value{-99.0f};
    EXPECT_EQ(readReals(c.format, c.record + std::string("\n"), value), ReadStatus::Ok)
        << c.format << " [" << c.record << "]";
    EXPECT_EQ(value[0], c.expected) << c.format << " [" << c.record << "]";
  }
}

TEST(FormatReadNumbers, BadRealFieldsAreReadErrors) {
  const char* records[] = {"********", "  1.2a  ", "1.2.3",  "-",       "  +  ", ".",
                           "1.0E",     "1.0e39",   "3.5e38", "1.0E+5x", "--1",   "1,5"};
  for (const char* record : records) {
    std::vector<float> value{0.0f};
    EXPECT_EQ(readReals("(F8.4)", record, value), ReadStatus::ReadError) << "[" << record << "]";
  }
}

TEST(FormatReadNumbers, IntegerFields) {
  struct Case {
    const char* format;
    const char* record;
    ReadStatus status;
    int32_t expected;
  };
  const Case cases[] = {
      {"(I3)", " 4 ", ReadStatus::Ok, 4},
      {"(BZ,I3)", " 4 ", ReadStatus::Ok, 40},
      {"(I3)", "", ReadStatus::Ok, 0},
      {"(I5)", "  -12", ReadStatus::Ok, -12},
      {"(I11)", "-2147483648", ReadStatus::Ok, std::numeric_limits<int32_t>::min()},
      {"(I10)", "2147483647", ReadStatus::Ok, std::numeric_limits<int32_t>::max()},
      {"(I10)", "2147483648", ReadStatus::ReadError, 0},
      {"(I3)", "1.5", ReadStatus::ReadError, 0},
      {"(I3)", " a ", ReadStatus::ReadError, 0},
      {"(I3)", "***", ReadStatus::ReadError, 0},
      {"(I3)", " - ", ReadStatus::ReadError, 0},
      {"(F5.1)", " 12.7", ReadStatus::Ok,
       12},  // a real field into an integer keeps its integer part
      {"(F12.0)", "3e10", ReadStatus::ReadError, 0},
  };
  for (const auto& c : cases) {
    int32_t value = 0;
    std::istringstream in(c.record + std::string("\n"));
    RecordSource source(in);
    Item item = Item::integers(&value);
    EXPECT_EQ(FMTRD(source, Format::parse(c.format), {&item, 1}), c.status)
        << c.format << " [" << c.record << "]";
    if (c.status == ReadStatus::Ok) {
      EXPECT_EQ(value, c.expected) << c.format << " [" << c.record << "]";
    }
  }
}

TEST(FormatReadRecords, TenPerLineMatrixRows) {
  std::vector<float> two(2, -1.0f);
  EXPECT_EQ(readReals("(10F8.4)", "  0.0000  1.2345", two), ReadStatus::Ok);
  EXPECT_EQ(two, (std::vector<float>{0.0f, 1.2345f}));

  std::string lines =
      "  1.0000  2.0000  3.0000  4.0000  5.0000  6.0000  7.0000  8.0000  9.0000 10.0000\r\n"
      " 11.0000 12.0000\r\n";
  std::vector<float> twelve(12);
  EXPECT_EQ(readReals("(10F8.4)", lines, twelve), ReadStatus::Ok);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(twelve[i], i + 1.0f);

  std::vector<float> shortLine(10, -1.0f);
  EXPECT_EQ(readReals("(10F8.4)", "  1.5000  2.5000\n", shortLine), ReadStatus::Ok);
  EXPECT_EQ(shortLine, (std::vector<float>{1.5f, 2.5f, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(FormatReadRecords, EndOfFileIsNotAReadError) {
  std::vector<float> twelve(12);
  EXPECT_EQ(readReals("(10F8.4)", "  1.0000\n", twelve), ReadStatus::EndOfFile);
  EXPECT_EQ(readReals("(F8.4)", "", twelve), ReadStatus::EndOfFile);
  EXPECT_EQ(readReals("(F8.4,/,F8.4)", "1\n", twelve), ReadStatus::EndOfFile);
  EXPECT_EQ(readReals("(F8.4)", "xyz\n", twelve), ReadStatus::ReadError);
}

TEST(FormatReadRecords, EachStatementStartsANewRecord) {
  std::istringstream in("  1  2\n  3\r  4\r\n");
  RecordSource source(in);
  const Format& format = Format::cached("(I3)");
  int32_t value = 0;
  Item item = Item::integers(&value);
  int32_t expected[] = {1, 3, 4};
  for (int32_t e : expected) {
    ASSERT_EQ(FMTRD(source, format, {&item, 1}), ReadStatus::Ok);
    EXPECT_EQ(value, e);
  }
  EXPECT_EQ(FMTRD(source, format, {&item, 1}), ReadStatus::EndOfFile);
  EXPECT_EQ(source.recordsRead(), 3);
}

TEST(FormatReadRecords, PositionsSlashesAndReversion) {
  struct Case {
    const char* format;
    const char* input;
    std::vector<float> expected;
  };
  const Case cases[] = {
      {"(T5,F2.0,TL4,F2.0,1X,F1.0)", "12345678", {56, 34, 6}},
      {"(TR2,F2.0,2X,F1.0)", "12345678", {34, 7}},
      {"(F3.0,/,F3.0)", "  1\n  2", {1, 2}},
      {"(F3.0,2/,F3.0)", "  1\n  2\n  3", {1, 3}},
      {"(3F2.0,(2F3.0))", " 1 2 3  4  5\n  6  7\n  8", {1, 2, 3, 4, 5, 6, 7, 8}},
      {"(F1.0,2(F2.0))", "1 2 3\n 4 5\n 6", {1, 2, 3, 4, 5, 6}},
  };
  for (const auto& c : cases) {
    std::vector<float> values(c.expected.size(), -1.0f);
    EXPECT_EQ(readReals(c.format, c.input, values), ReadStatus::Ok) << c.format;
    EXPECT_EQ(values, c.expected) << c.format;
  }
}

TEST(FormatReadText, FieldsIntoTextItems) {
  struct Case {
    const char* format;
    const char* input;
    int length;
    const char* expected;
  };
  const Case cases[] = {
      {"(A3)", "abc", 5, "abc  "},  // narrower field: followed by blanks
      {"(A5)", "abcde", 3, "cde"},  // wider field: its rightmost characters
      {"(A)", "ab", 4, "ab  "},     // A alone takes the item's length
      {"(2X,A2)", "abcd", 2, "cd"},
      {"(  2(/),a)", "x\ny\nz", 1, "z"},  // skips lines, then takes one character
      {"(       a)", "x\ny", 1, "x"},
  };
  for (const auto& c : cases) {
    std::string text(c.length, '#');
    std::istringstream in(c.input);
    RecordSource source(in);
    Item item = Item::text(text.data(), c.length);
    EXPECT_EQ(FMTRD(source, Format::parse(c.format), {&item, 1}), ReadStatus::Ok) << c.format;
    EXPECT_EQ(text, c.expected) << c.format;
  }
}

TEST(FormatReadText, HeaderLineOfThePreprocessorInput) {
  int32_t counts[2];
  float p;
  int32_t flags[3];
  char title[7][4];
  const Item items[] = {Item::integers(counts, 2), Item::reals(&p), Item::integers(flags, 3),
                        Item::text(&title[0][0], 4, 7)};
  std::istringstream in(std::string(" 12  5  1") + " 1 " + "Data  set" + "      abcd" + "\n");
  RecordSource source(in);
  ASSERT_EQ(FMTRD(source, Format::parse("(2I3,F3.0,3I1,A9,6A10)"), items), ReadStatus::Ok);
  EXPECT_EQ(counts[0], 12);
  EXPECT_EQ(counts[1], 5);
  EXPECT_EQ(p, 1.0f);
  EXPECT_EQ(flags[0], 0);
  EXPECT_EQ(flags[1], 1);
  EXPECT_EQ(flags[2], 0);
  EXPECT_EQ(std::string(title[0], 4), " set");
  EXPECT_EQ(std::string(title[1], 4), "abcd");
  EXPECT_EQ(std::string(title[6], 4), "    ");  // beyond the end of the line
}

TEST(FormatReadStatement, InternalFileIsOneRecord) {
  float value = 0;
  Item real = Item::reals(&value);
  RecordSource field("  123456");
  EXPECT_EQ(FMTRD(field, Format::parse("(f08.02)"), {&real, 1}), ReadStatus::Ok);
  EXPECT_EQ(value, 1234.56f);
  EXPECT_EQ(FMTRD(field, Format::parse("(f08.02)"), {&real, 1}), ReadStatus::EndOfFile);

  char text[3];
  Item chars = Item::text(text, 3);
  RecordSource word("xyz");
  EXPECT_EQ(FMTRD(word, Format::parse("(a00003)"), {&chars, 1}), ReadStatus::Ok);
  EXPECT_EQ(std::string(text, 3), "xyz");

  int32_t index = 0;
  Item integer = Item::integers(&index);
  RecordSource digits(" 1 2 ");
  EXPECT_EQ(FMTRD(digits, Format::parse("(BN,I5)"), {&integer, 1}), ReadStatus::Ok);
  EXPECT_EQ(index, 12);
}

TEST(FormatReadStatement, FormatsThatCannotReadAreReadErrors) {
  const char* formats[] = {
      "(F8.4", "F8.4", "('x',F8.4)", "(F8.4,(1X))", "(999999(999999(T1)),F3.0)", "(A3)"};
  for (const char* format : formats) {
    std::vector<float> values(2);
    EXPECT_EQ(readReals(format, "  1.0000  2.0000\n  3.0000\n", values), ReadStatus::ReadError)
        << format;
  }
}

}  // namespace
}  // namespace format
