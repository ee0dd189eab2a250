// The layout of trel's listing and distance matrix: the header echo with the
// title pieces, the data, means and standard deviations, rows longer than
// ten values, and distances too large for their field.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/preprocessor/trel_runner.h"

namespace {

using Lines = std::vector<std::string>;

TEST(TrelListing, WholeListingOfASmallTable) {
  const std::string title = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz01";
  const TrelOutput out = runTrel(crlfText({"  3  2      " + std::string(5, ' ') + title, "(2f4.0)",
                                           "   1   2", "   2   4", "   3   9"}));
  ASSERT_TRUE(out.ok) << out.problem.text;
  // Of each title field only its last four columns are held: title characters
  // 1-4, 11-14, 21-24 and so on, each echoed right-justified in ten columns.
  const Lines expected = {
      "   N=   3K=   2P= 0.0TITLE=      ABCD      KLMN      UVWX      4567      efgh      opqr"
      "      yz01",
      "   1.0   2.0",
      "   2.0   4.0",
      "   3.0   9.0",
      "     2.000     5.000",
      "     1.000     3.606",
      "  0.0000  1.5547  3.9415",
      "  1.5547  0.0000  2.3868",
      "  3.9415  2.3868  0.0000",
  };
  EXPECT_EQ(crlfLines(out.listing), expected);
  EXPECT_EQ(crlfLines(out.matrix), Lines(expected.end() - 3, expected.end()));
}

TEST(TrelListing, OrderIsEchoedAsRead) {
  struct Case {
    const char* field;
    const char* echoed;
  };
  for (const Case& c :
       {Case{"   ", " 0.0"}, Case{"1.5", " 1.5"}, Case{" -2", "-2.0"}, Case{" 12", "12.0"}}) {
    const TrelOutput out =
        runTrel(crlfText({std::string("  2  1") + c.field, "(F4.0)", "   1", "   2"}));
    ASSERT_TRUE(out.ok) << out.problem.text;
    EXPECT_EQ(crlfLines(out.listing)[0].substr(0, 21), std::string("   N=   2K=   1P=") + c.echoed);
  }
}

TEST(TrelListing, DividedValuesAreListed) {
  const TrelOutput out =
      runTrel(crlfText({"  3  1  1 1", "(F4.0)", "  10.", "  10", "  20", "  30"}));
  ASSERT_TRUE(out.ok) << out.problem.text;
  const Lines lines = crlfLines(out.listing);
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(Lines(lines.begin() + 1, lines.begin() + 6),
            (Lines{"   1.0", "   2.0", "   3.0", "     2.000", "     1.000"}));
}

TEST(TrelListing, CentredOnlyStillListsStandardDeviations) {
  const TrelOutput out = runTrel(crlfText({"  3  1  11", "(F4.0)", "   2", "   4", "   6"}));
  ASSERT_TRUE(out.ok) << out.problem.text;
  const Lines lines = crlfLines(out.listing);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[5], "     2.000");
  EXPECT_EQ(lines[6], "  0.0000  2.0000  4.0000");  // centred, not scaled
}

TEST(TrelListing, ThirteenVariablesWrapDataAndStatistics) {
  const std::string row = "   1   2   3   4   5   6   7   8   9  10  11  12  13";
  const std::string other = "   2   3   4   5   6   7   8   9  10  11  12  13  14";
  const TrelOutput out = runTrel(crlfText({"  2 13  1", "(13F4.0)", row, other}));
  ASSERT_TRUE(out.ok) << out.problem.text;
  const Lines lines = crlfLines(out.listing);
  // Echo; 9 + 4 data values per observation; 12 + 1 means and deviations; 2 rows.
  std::vector<size_t> widths;
  for (size_t i = 1; i < lines.size(); ++i) widths.push_back(lines[i].size());
  EXPECT_EQ(widths, (std::vector<size_t>{54, 24, 54, 24, 120, 10, 120, 10, 16, 16}));
  EXPECT_EQ(lines[2], "  10.0  11.0  12.0  13.0");
  EXPECT_EQ(lines[6], "    13.500");
}

TEST(TrelListing, ElevenObservationsTakeTwoLinesPerRow) {
  Lines input = {" 11  1  1", "(F4.0)"};
  for (int i = 1; i <= 11; ++i)
    input.push_back(std::string(i < 10 ? "   " : "  ") + std::to_string(i));
  const TrelOutput out = runTrel(crlfText(input));
  ASSERT_TRUE(out.ok) << out.problem.text;
  const Lines rows = crlfLines(out.matrix);
  ASSERT_EQ(rows.size(), 22u);
  for (size_t line = 0; line < rows.size(); line += 2) {
    EXPECT_EQ(rows[line].size(), 80u) << rows[line];
    EXPECT_EQ(rows[line + 1].size(), 8u) << rows[line + 1];
  }
  // Row 1: distances 0, 1, ..., 10 standard deviations apart in steps of 1/sd.
  EXPECT_EQ(rows[0].substr(0, 16), "  0.0000  0.3015");
  EXPECT_EQ(rows[1], "  3.0151");
  EXPECT_EQ(rows[21], "  0.0000");
}

TEST(TrelListing, DistanceOfAThousandIsAsterisks) {
  const TrelOutput out = runTrel(crlfText({"  2  1  11", "(F6.0)", "     0", "  1000"}));
  ASSERT_TRUE(out.ok) << out.problem.text;
  EXPECT_EQ(crlfLines(out.matrix), (Lines{"  0.0000********", "********  0.0000"}));
}

}  // namespace
