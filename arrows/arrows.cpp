// The arrows of a map. For a variable v and the centred coordinates X, the
// least-squares beta of v on X gives the direction, and the correlation of v
// with X beta (the multiple correlation) its strength; all sums in double.
#include "arrows/arrows.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

namespace fendex {
namespace {

// Sums of squares and cross products of the centred coordinates.
struct Scatter {
  double xx = 0;
  double xy = 0;
  double yy = 0;
  double determinant() const { return xx * yy - xy * xy; }
};

// 1 - r^2 of the two coordinates below this means they lie on one line.
constexpr double kCollinear = 1e-12;

Point centreOfGravity(std::span<const Point> points) {
  Point sum;
  for (const Point& p : points) {
    sum.x += p.x;
    sum.y += p.y;
  }
  const double n = static_cast<double>(points.size());
  return {sum.x / n, sum.y / n};
}

Scatter scatterAround(std::span<const Point> points, Point g) {
  Scatter s;
  for (const Point& p : points) {
    s.xx += (p.x - g.x) * (p.x - g.x);
    s.xy += (p.x - g.x) * (p.y - g.y);
    s.yy += (p.y - g.y) * (p.y - g.y);
  }
  return s;
}

bool spansPlane(const Scatter& s, trel::Problem& problem) {
  if (!std::isfinite(s.determinant())) {
    problem = {0, "the coordinates are too large to compute with"};
    return false;
  }
  if (s.xx == 0 && s.yy == 0) {
    problem = {0, "the coordinates have no spread: all points of the map coincide"};
    return false;
  }
  if (s.determinant() <= kCollinear * s.xx * s.yy) {
    problem = {0, "the points of the map lie on one line, so no direction can be computed"};
    return false;
  }
  return true;
}

bool isConstant(const trel::Table& data, int j) {
  for (int i = 2; i <= data.observations(); ++i)
    if (data.at(i, j) != data.at(1, j)) return false;
  return true;
}

Arrow arrowOf(std::span<const Point> points, Point g, const Scatter& s, const trel::Table& data,
              int j) {
  const int n = data.observations();
  double mean = 0;
  for (int i = 1; i <= n; ++i) mean += data.at(i, j);
  mean /= n;
  double xv = 0, yv = 0, vv = 0;
  for (int i = 1; i <= n; ++i) {
    const double v = data.at(i, j) - mean;
    xv += (points[i - 1].x - g.x) * v;
    yv += (points[i - 1].y - g.y) * v;
    vv += v * v;
  }
  const double det = s.determinant();
  const double bx = (s.yy * xv - s.xy * yv) / det;
  const double by = (s.xx * yv - s.xy * xv) / det;
  const double explained = (bx * xv + by * yv) / vv;
  // Overflow shows as a correlation that is not a number; the caller rejects it.
  if (!std::isfinite(explained)) return {std::numeric_limits<double>::quiet_NaN(), 0.0};
  double angle = std::atan2(by, bx) * 180.0 / std::numbers::pi;
  if (angle < 0) angle += 360.0;
  if (angle >= 360.0) angle = 0.0;  // a tiny negative angle plus 360 rounds to 360
  return {std::sqrt(std::clamp(explained, 0.0, 1.0)), angle};
}

}  // namespace

bool computeArrows(std::span<const Point> points, const trel::Table& data, ArrowResult& result,
                   trel::Problem& problem) {
  result.gravity = centreOfGravity(points);
  const Scatter scatter = scatterAround(points, result.gravity);
  if (!spansPlane(scatter, problem)) return false;
  result.arrows.clear();
  double sum = 0;
  for (int j = 1; j <= data.variables(); ++j) {
    if (isConstant(data, j)) {
      problem = {0, "variable " + std::to_string(j) + " has no spread: all its values are equal"};
      return false;
    }
    result.arrows.push_back(arrowOf(points, result.gravity, scatter, data, j));
    if (!std::isfinite(result.arrows.back().correlation)) {
      problem = {0,
                 "variable " + std::to_string(j) + ": the numbers are too large to compute with"};
      return false;
    }
    sum += result.arrows.back().correlation;
  }
  result.averageCorrelation = sum / data.variables();
  return true;
}

}  // namespace fendex
