// The small text routines and the date and time strings of the listing.
#include <gtest/gtest.h>

#include "engine/mult/text.h"
#include "engine/util/clock.h"

namespace spinetest {
namespace {

TEST(TextRoutines, LastNonBlankPosition) {
  struct Case {
    const char* text;
    int n;
    int last;
  };
  const Case cases[] = {
      {"abc  ", 5, 3}, {"     ", 5, 0}, {"abc d", 4, 3}, {"", 0, 0}, {"ab", 9, 2}};
  for (const Case& c : cases) {
    int last = -1;
    engine::FRSTBL(c.text, c.n, last);
    EXPECT_EQ(last, c.last) << "[" << c.text << "] " << c.n;
  }
}

TEST(TextRoutines, ReplaceACharacterInATableOfLabels) {
  std::string labels = std::string("a_b", 3) + std::string(21, '_') + "x" + std::string(23, ' ');
  engine::REPCLN(labels.data(), 1, 2, '_');
  EXPECT_EQ(labels, "a b" + std::string(21, ' ') + "x" + std::string(23, ' '));
}

TEST(Clock, DateAndTimeStrings) {
  std::tm t{};
  t.tm_mday = 5;
  t.tm_mon = 2;
  t.tm_year = 126;
  t.tm_hour = 9;
  t.tm_min = 8;
  t.tm_sec = 7;
  EXPECT_EQ(engine::dateString(t), " 5/03/2026 ");
  EXPECT_EQ(engine::timeString(t), "09:08:07   ");
  t.tm_mday = 25;
  t.tm_mon = 11;
  EXPECT_EQ(engine::dateString(t), "25/12/2026 ");
}

}  // namespace
}  // namespace spinetest
