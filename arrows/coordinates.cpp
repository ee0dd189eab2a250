// Reader of the map's coordinates file. Numbers are taken as free-form fields
// separated by blanks, so the reader does not depend on the field widths.
#include "arrows/coordinates.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <istream>
#include <iterator>
#include <string>
#include <string_view>

namespace fendex {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// The next line of text from pos, which moves past its end (CR LF, LF or CR).
std::string_view nextLine(std::string_view text, size_t& pos) {
  const size_t start = pos;
  const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
  pos = end;
  if (pos < text.size() && text[pos] == '\r') ++pos;
  if (pos < text.size() && text[pos] == '\n') ++pos;
  return text.substr(start, end - start);
}

// A short quotation of a faulty line for a diagnostic.
std::string quote(std::string_view line) {
  constexpr size_t kShown = 40;
  return "\"" + std::string(line.substr(0, kShown)) + (line.size() > kShown ? "...\"" : "\"");
}

// The blank-separated fields of one line.
std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> result;
  size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && isBlank(line[pos])) ++pos;
    const size_t start = pos;
    while (pos < line.size() && !isBlank(line[pos])) ++pos;
    if (pos > start) result.push_back(line.substr(start, pos - start));
  }
  return result;
}

bool parseNumber(std::string_view field, double& value) {
  const char* end = field.data() + field.size();
  const auto [ptr, error] = std::from_chars(field.data(), end, value);
  return error == std::errc() && ptr == end && std::isfinite(value);
}

}  // namespace

bool readCoordinates(std::istream& in, std::vector<Point>& points, trel::Problem& problem) {
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t pos = 0;
  for (long number = 1; pos < text.size(); ++number) {
    const std::string_view line = nextLine(text, pos);
    const std::vector<std::string_view> parts = fields(line);
    if (parts.empty()) continue;
    Point point;
    if (parts.size() != 2 || !parseNumber(parts[0], point.x) || !parseNumber(parts[1], point.y)) {
      problem = {number, "expected the two coordinates of a point, found " + quote(line)};
      return false;
    }
    points.push_back(point);
  }
  return true;
}

}  // namespace fendex
