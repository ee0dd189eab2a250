// Page counting of the listing and the page headers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/util/listing.h"
#include "harness.h"

namespace spinetest {
namespace {

struct PageCase {
  int paging;
  int linesLeft;
  int n;
  int pageAfter;
  int linesLeftAfter;
  size_t headerLines;
};

TEST(Paging, CountsLinesAndStartsPages) {
  const PageCase cases[] = {
      {0, 10, 3, 1, 7, 0},    // lines left: nothing happens
      {0, 10, 10, 2, 60, 0},  // the page is full: a new page without header
      {0, 10, 0, 2, 60, 0},   // 0 always starts a new page
      {1, 10, 0, 2, 52, 8},   // with paging on, the header takes 8 lines
      {1, 3, 5, 2, 52, 8},
  };
  for (const PageCase& c : cases) {
    auto e = Engine::read("");
    e->out.str("");
    e->banner = 0;
    engine::RunControl& rc = e->st->RUNCTL;
    rc.PAGING = c.paging;
    rc.LINLFT = c.linesLeft;
    engine::PAGCHK(*e->st, c.n);
    EXPECT_EQ(rc.PAGENO, c.pageAfter) << c.linesLeft << " " << c.n;
    EXPECT_EQ(rc.LINLFT, c.linesLeftAfter) << c.linesLeft << " " << c.n;
    EXPECT_EQ(e->messages().size(), c.headerLines) << c.linesLeft << " " << c.n;
  }
}

TEST(Paging, ExtremePageSizesDoNotOverflow) {
  auto e = Engine::read("");
  engine::RunControl& rc = e->st->RUNCTL;
  rc.PAGSIZ = -2147483647 - 1;
  engine::PAGCHK(*e->st, 0);
  engine::PAGCHK(*e->st, 5);
  EXPECT_EQ(rc.LINLFT, -2147483647 - 1);
  rc.PAGING = 1;
  engine::PAGCHK(*e->st, 0);
  EXPECT_EQ(rc.LINLFT, -2147483647 - 1);
}

TEST(Paging, HeaderShowsTitleDateTimeAndPage) {
  auto e = Engine::read("$RUN NAME = 'Survey 1' ; LINESIZE = 80 ;");
  engine::RunControl& rc = e->st->RUNCTL;
  rc.DATSTR = " 5/03/2026 ";
  rc.TIMSTR = "09:08:07   ";
  e->st->TITLE(1) = engine::Name8("Survey 1");
  rc.PAGING = 1;
  rc.NARROW = 1;
  e->out.str("");
  e->banner = 0;
  engine::PAGCHK(*e->st, 0);
  std::vector<std::string> lines = e->messages();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "1");
  std::string rule;
  for (int k = 0; k < 40; ++k) rule += " -";
  EXPECT_EQ(lines[2], rule);
  // The time is read again from the clock when a page starts.
  EXPECT_EQ(lines[5].substr(0, 48),
            " Survey 1" + std::string(24, ' ') + std::string(7, ' ') + " 5/03/20");
  EXPECT_EQ(lines[5].substr(56), std::string(15, ' ') + "PAGE   2");
}

}  // namespace
}  // namespace spinetest
