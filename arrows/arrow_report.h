// The arrow results as the pipeline output carries them after the engine's
// results: VARIABLES, GRAVITY, CORRELATIONS and the average.
#pragma once

#include <string>

#include "arrows/arrows.h"

namespace fendex {

// The report's lines, each ended with CR LF; fixed-point numbers only, each
// preceded by at least one blank.
std::string arrowReport(const ArrowResult& result);

}  // namespace fendex
