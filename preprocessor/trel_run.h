// The preprocessor's single pass (read, standardise, write) and the program
// around it, which owns the input and output files.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>

#include "preprocessor/trel_input.h"

namespace trel {

inline constexpr const char* kListingName = "__trel1";
inline constexpr const char* kMatrixName = "__trel2";

// Reads the input, writes the listing and the distance matrix. On a failure
// returns false with the problem; the listing then holds what was written
// before it and the matrix is to be discarded.
bool run(std::istream& in, std::ostream& listing, std::ostream& matrix, Problem& problem);

// The program with its arguments (the input file name first). Writes
// "__trel1" and "__trel2" into outDir and returns the exit status: 0 done,
// 1 a failure, 2 a usage error; every failure is one line on err. After a
// failure "__trel2" does not exist and "__trel1" holds only this run's
// listing, as far as it got, so nothing of an earlier run can be taken for
// this run's result.
int runProgram(std::span<const std::string> args, const std::filesystem::path& outDir,
               std::ostream& err);

}  // namespace trel
