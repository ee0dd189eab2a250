// The arrows of a map: its centre of gravity, and for each variable the
// direction in the map that best predicts it and how well it does.
#pragma once

#include <span>
#include <vector>

#include "arrows/coordinates.h"
#include "preprocessor/trel_input.h"

namespace fendex {

struct Arrow {
  double correlation = 0;  // multiple correlation of the variable with the map, 0..1
  double angle = 0;        // degrees counter-clockwise from the x axis, [0, 360)
};

struct ArrowResult {
  Point gravity;
  std::vector<Arrow> arrows;  // one per variable, in the variables' order
  double averageCorrelation = 0;
};

// Least-squares regression of each variable of `data` on the centred
// coordinates of `points` (one point per observation, same order). False with
// the problem when the points do not span the plane or a variable is constant.
bool computeArrows(std::span<const Point> points, const trel::Table& data, ArrowResult& result,
                   trel::Problem& problem);

}  // namespace fendex
