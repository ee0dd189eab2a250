// The arrows of a map: directions and correlations of variables with known
// answers, the centre of gravity, the average, and maps or variables that
// admit no arrow.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "arrows/arrows.h"

namespace {

using fendex::ArrowResult;
using fendex::Point;

// Six points that span the plane, not symmetric about their centre.
const std::vector<Point> kMap = {{10, 20}, {40, 25}, {30, 70}, {80, 60}, {55, 5}, {15, 90}};

trel::Table tableOf(const std::vector<std::vector<double>>& columns) {
  trel::Table table;
  table.resize(static_cast<int>(columns[0].size()), static_cast<int>(columns.size()));
  for (size_t j = 0; j < columns.size(); ++j)
    for (size_t i = 0; i < columns[j].size(); ++i)
      table.at(static_cast<int>(i + 1), static_cast<int>(j + 1)) =
          static_cast<float>(columns[j][i]);
  return table;
}

// A variable that is a linear function a x + b y + c of the points (stored in
// single precision, which limits the agreement of the angle to about 1e-6).
std::vector<double> linear(const std::vector<Point>& points, double a, double b, double c) {
  std::vector<double> v;
  for (const Point& p : points) v.push_back(a * p.x + b * p.y + c);
  return v;
}

// How far apart two directions are, in degrees, across the 0/360 seam.
double angleBetween(double a, double b) {
  return std::fabs(std::remainder(a - b, 360.0));
}

TEST(Arrows, LinearVariablePointsAlongItsGradientInEveryQuadrant) {
  for (const double degrees : {0.0, 30.0, 90.0, 120.0, 180.0, 210.0, 270.0, 300.0, 359.0}) {
    const double rad = degrees * std::numbers::pi / 180;
    ArrowResult result;
    trel::Problem problem;
    ASSERT_TRUE(fendex::computeArrows(
        kMap, tableOf({linear(kMap, 2 * std::cos(rad), 2 * std::sin(rad), 5)}), result, problem))
        << problem.text;
    ASSERT_EQ(result.arrows.size(), 1u);
    EXPECT_GE(result.arrows[0].angle, 0.0);
    EXPECT_LT(result.arrows[0].angle, 360.0);
    EXPECT_LT(angleBetween(result.arrows[0].angle, degrees), 1e-5) << result.arrows[0].angle;
    EXPECT_NEAR(result.arrows[0].correlation, 1.0, 1e-9);
  }
}

TEST(Arrows, GravityIsTheMeanPointAndScaleDoesNotMatter) {
  ArrowResult result;
  trel::Problem problem;
  ASSERT_TRUE(fendex::computeArrows(
      kMap, tableOf({linear(kMap, 3, 4, 0), linear(kMap, 300, 400, -7)}), result, problem));
  EXPECT_NEAR(result.gravity.x, 230.0 / 6, 1e-12);
  EXPECT_NEAR(result.gravity.y, 270.0 / 6, 1e-12);
  const double angle = std::atan2(4.0, 3.0) * 180 / std::numbers::pi;
  EXPECT_NEAR(result.arrows[0].angle, angle, 1e-6);
  EXPECT_NEAR(result.arrows[1].angle, angle, 1e-6);
}

// On the corners of a unit square, e = (1, -1, -1, 1) is orthogonal to the
// constant and to both coordinates, so v = x + e has R^2 = Sxx / (Sxx + See)
// = 1 / 5, direction 0 degrees; a variable of e alone has correlation 0.
TEST(Arrows, PartialFitAndAverage) {
  const std::vector<Point> square = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  ArrowResult result;
  trel::Problem problem;
  ASSERT_TRUE(fendex::computeArrows(square, tableOf({{1, 0, -1, 2}, {0, 0, 1, 1}, {1, -1, -1, 1}}),
                                    result, problem));
  ASSERT_EQ(result.arrows.size(), 3u);
  EXPECT_NEAR(result.arrows[0].correlation, std::sqrt(0.2), 1e-12);
  EXPECT_NEAR(result.arrows[0].angle, 0.0, 1e-9);
  EXPECT_NEAR(result.arrows[1].correlation, 1.0, 1e-12);
  EXPECT_NEAR(result.arrows[1].angle, 90.0, 1e-9);
  EXPECT_NEAR(result.arrows[2].correlation, 0.0, 1e-12);
  EXPECT_NEAR(result.averageCorrelation, (std::sqrt(0.2) + 1.0) / 3, 1e-12);
}

TEST(Arrows, NoArrowWithoutSpreadOrBeyondRange) {
  struct Case {
    std::vector<Point> points;
    std::vector<double> values;
    const char* problem;
  };
  const Case cases[] = {
      {{{5, 5}, {5, 5}, {5, 5}}, {1, 2, 3}, "the coordinates have no spread"},
      {{{0, 0}, {1, 2}, {2, 4}}, {1, 2, 3}, "lie on one line"},
      {{{0, 7}, {1, 7}, {2, 7}}, {1, 2, 3}, "lie on one line"},
      {{{0, 0}, {1, 0}, {0, 1}}, {0.1, 0.1, 0.1}, "variable 1 has no spread"},
      {{{0, 0}, {1e200, 0}, {0, 1e200}}, {1, 2, 3}, "too large to compute with"},
  };
  for (const Case& c : cases) {
    ArrowResult result;
    trel::Problem problem;
    EXPECT_FALSE(fendex::computeArrows(c.points, tableOf({c.values}), result, problem));
    EXPECT_NE(problem.text.find(c.problem), std::string::npos) << problem.text;
  }
}

}  // namespace
