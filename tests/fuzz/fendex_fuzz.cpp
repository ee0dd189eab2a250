// Fuzz target of the arrow program's readers and computation: the input is a
// preprocessor input file, a NUL byte, then a coordinates file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "arrows/arrow_report.h"
#include "arrows/arrows.h"
#include "arrows/coordinates.h"
#include "format/format.h"
#include "preprocessor/trel_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const size_t split = std::min(bytes.find('\0'), bytes.size());
  std::istringstream table{std::string(bytes.substr(0, split))};
  std::istringstream coordinates{std::string(bytes.substr(std::min(split + 1, size)))};

  format::RecordSource source(table);
  trel::Header header;
  trel::Body body;
  trel::Problem problem;
  std::vector<fendex::Point> points;
  if (!trel::readHeader(source, header, problem) ||
      !trel::readBody(source, header, body, problem) ||
      !fendex::readCoordinates(coordinates, points, problem) ||
      points.size() != static_cast<size_t>(body.data.observations()))
    return 0;
  fendex::ArrowResult result;
  if (fendex::computeArrows(points, body.data, result, problem)) fendex::arrowReport(result);
  return 0;
}
