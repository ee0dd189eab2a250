// The text of the arrow results: keywords, order, fixed-point fields with a
// blank before every number, CR LF line ends.
#include <gtest/gtest.h>

#include "arrows/arrow_report.h"

namespace {

TEST(ArrowReport, Layout) {
  fendex::ArrowResult result;
  result.gravity = {48.23114, 51.00419};
  result.arrows = {{0.93124, 47.22101}, {0.812, 181.55321}, {0.6002, 301.00014}};
  result.averageCorrelation = 0.78112;
  EXPECT_EQ(fendex::arrowReport(result),
            " VARIABLES    3\r\n"
            " GRAVITY    48.2311   51.0042\r\n"
            " CORRELATIONS\r\n"
            "    1    0.9312   47.2210\r\n"
            "    2    0.8120  181.5532\r\n"
            "    3    0.6002  301.0001\r\n"
            " AVERAGE    0.7811\r\n");
}

TEST(ArrowReport, WideAndNegativeNumbersStaySeparated) {
  fendex::ArrowResult result;
  result.gravity = {-12345.5, -100.25};
  result.arrows = {{1.0, 359.99996}};
  result.averageCorrelation = 1.0;
  EXPECT_EQ(fendex::arrowReport(result),
            " VARIABLES    1\r\n"
            " GRAVITY -12345.5000 -100.2500\r\n"
            " CORRELATIONS\r\n"
            "    1    1.0000    0.0000\r\n"
            " AVERAGE    1.0000\r\n");
}

}  // namespace
