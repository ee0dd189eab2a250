// The arrow program: reads the preprocessor input and the map's coordinates,
// writes the arrow results.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace fendex {

inline constexpr const char* kDefaultCoordinates = "__trel3";

// The program with its arguments: the preprocessor input file, then the
// coordinates file (default "__trel3"). Writes the arrow results to out and
// returns 0; on a failure writes one line on err, nothing on out, and returns
// 1 (2 for a usage error).
int runProgram(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace fendex
