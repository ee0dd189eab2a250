// Reading a table row by row (matrix rows, data cases) into column-major
// storage, with a format text or list-directed; messages are the caller's.
#pragma once

#include <span>

#include "format/format.h"

namespace engine {

// Reads rows 1..rows of `cols` values each, one read statement per row, with
// `rowFormat` or list-directed when it is null; element (i, j) is word
// (i - 1) + (j - 1) * rows of X (X holds at least rows x cols words). Stops
// at the first row that fails; the rows read before it stay.
format::ReadStatus readRows(format::RecordSource& in, const format::Format* rowFormat,
                            std::span<float> X, int rows, int cols);

}  // namespace engine
