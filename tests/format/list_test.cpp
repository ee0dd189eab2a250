// List-directed input: separators, repeats, null values, "/", lines.
#include "tests/format/support.h"

namespace format {
namespace {

constexpr float kUnset = -7.0f;

struct Case {
  const char* input;
  int count;
  ReadStatus status;
  std::vector<float> expected;  // for Ok
};

TEST(FormatListInput, RealValues) {
  const Case cases[] = {
      {"1, 2*5", 3, ReadStatus::Ok, {1, 5, 5}},
      {"1 2\n3", 3, ReadStatus::Ok, {1, 2, 3}},  // a read continues over lines
      {"1\r\n\r\n  2,\n3", 3, ReadStatus::Ok, {1, 2, 3}},
      {"1,,3", 3, ReadStatus::Ok, {1, kUnset, 3}},  // an empty place keeps the item
      {"1, ,3", 3, ReadStatus::Ok, {1, kUnset, 3}},
      {",5", 2, ReadStatus::Ok, {kUnset, 5}},
      {"2*,7", 3, ReadStatus::Ok, {kUnset, kUnset, 7}},
      {"2* 7", 3, ReadStatus::Ok, {kUnset, kUnset, 7}},
      {"1\n,2", 2, ReadStatus::Ok, {1, 2}},  // blanks, a line end and a comma are one separator
      {"1 / 9", 3, ReadStatus::Ok, {1, kUnset, kUnset}},
      {"1/", 3, ReadStatus::Ok, {1, kUnset, kUnset}},
      {"3*1", 2, ReadStatus::Ok, {1, 1}},
      {"1.0+5 -2.5e-1 .5", 3, ReadStatus::Ok, {1.0e5f, -0.25f, 0.5f}},
      {"12", 1, ReadStatus::Ok, {12}},  // no implied decimal point
      {"1\t2", 2, ReadStatus::Ok, {1, 2}},
      {"1 2", 3, ReadStatus::EndOfFile, {}},
      {"", 1, ReadStatus::EndOfFile, {}},
      {"1,2,", 3, ReadStatus::EndOfFile, {}},
      {"1 x 3", 3, ReadStatus::ReadError, {}},
      {"0*5", 1, ReadStatus::ReadError, {}},
      {"'a'", 1, ReadStatus::ReadError, {}},
      {"1.2.3", 1, ReadStatus::ReadError, {}},
  };
  for (const auto& c : cases) {
    std::vector<float> values(c.count, kUnset);
    std::istringstream in(c.input);
    RecordSource source(in);
    Item item = Item::reals(values.data(), c.count);
    EXPECT_EQ(LSTRD(source, {&item, 1}), c.status) << "[" << c.input << "]";
    if (c.status == ReadStatus::Ok) {
      EXPECT_EQ(values, c.expected) << "[" << c.input << "]";
    }
  }
}

TEST(FormatListInput, IntegersAndTexts) {
  int32_t numbers[2] = {0, 0};
  char text[5];
  const Item items[] = {Item::integers(numbers, 2), Item::text(text, 5)};
  std::istringstream in("-7 12 'ab''c'\n");
  RecordSource source(in);
  ASSERT_EQ(LSTRD(source, items), ReadStatus::Ok);
  EXPECT_EQ(numbers[0], -7);
  EXPECT_EQ(numbers[1], 12);
  EXPECT_EQ(std::string(text, 5), "ab'c ");

  struct TextCase {
    const char* input;
    ReadStatus status;
    const char* text;
  };
  const TextCase more[] = {
      {"1 2 abc", ReadStatus::Ok, "abc  "},  // a text without quotes ends at a separator
      {"1 2 'abcdefg'", ReadStatus::Ok, "abcde"},    {"1 2 2*'x'", ReadStatus::Ok, "x    "},
      {"1.5 1 'x'", ReadStatus::ReadError, nullptr},  // a fraction cannot stand in an integer
      {"1 2 'open", ReadStatus::ReadError, nullptr}, {"1 '2' 'x'", ReadStatus::ReadError, nullptr},
  };
  for (const auto& c : more) {
    std::istringstream moreIn(c.input);
    RecordSource moreSource(moreIn);
    EXPECT_EQ(LSTRD(moreSource, items), c.status) << c.input;
    if (c.text) {
      EXPECT_EQ(std::string(text, 5), c.text) << c.input;
    }
  }
}

TEST(FormatListInput, EachReadStartsANewLine) {
  std::istringstream in("1 2 3\n4\n");
  RecordSource source(in);
  float value = 0;
  Item item = Item::reals(&value);
  ASSERT_EQ(LSTRD(source, {&item, 1}), ReadStatus::Ok);
  EXPECT_EQ(value, 1.0f);
  ASSERT_EQ(LSTRD(source, {&item, 1}), ReadStatus::Ok);
  EXPECT_EQ(value, 4.0f);
  EXPECT_EQ(LSTRD(source, {&item, 1}), ReadStatus::EndOfFile);
}

}  // namespace
}  // namespace format
