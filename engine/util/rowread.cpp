// Reads a table row by row into column-major storage.
#include "engine/util/rowread.h"

#include <vector>

namespace engine {

format::ReadStatus readRows(format::RecordSource& in, const format::Format* rowFormat,
                            std::span<float> X, int rows, int cols) {
  // A row is strided in X; it is read into a contiguous buffer that starts
  // from the row's current values, because a list-directed "/" leaves the
  // remaining elements unchanged.
  std::vector<float> row(static_cast<size_t>(cols));
  const format::Item items[] = {format::Item::reals(row.data(), cols)};
  auto word = [&](int i, int j) -> float& {
    return X[static_cast<size_t>(i - 1) + static_cast<size_t>(j - 1) * static_cast<size_t>(rows)];
  };
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= cols; ++j) row[j - 1] = word(i, j);
    const format::ReadStatus status =
        rowFormat ? format::FMTRD(in, *rowFormat, items) : format::LSTRD(in, items);
    if (status != format::ReadStatus::Ok) return status;
    for (int j = 1; j <= cols; ++j) word(i, j) = row[j - 1];
  }
  return format::ReadStatus::Ok;
}

}  // namespace engine
