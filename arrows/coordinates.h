// Reader of the map's coordinates file: one record per point holding its x
// and its y, as the engine writes them for OUTPUT COORD.
#pragma once

#include <iosfwd>
#include <vector>

#include "preprocessor/trel_input.h"

namespace fendex {

struct Point {
  double x = 0;
  double y = 0;
};

// Reads every point; blank lines are skipped. False with the line and the
// problem when a record does not hold exactly two finite numbers.
bool readCoordinates(std::istream& in, std::vector<Point>& points, trel::Problem& problem);

}  // namespace fendex
