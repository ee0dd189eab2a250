// The arrow results in fixed-point notation. Every number has a blank before
// it, so negative numbers never touch the one before them.
#include "arrows/arrow_report.h"

#include <cmath>
#include <cstdio>

namespace fendex {
namespace {

constexpr const char* kLineEnd = "\r\n";

// printf into a std::string.
template <typename... Args>
std::string formatted(const char* layout, Args... args) {
  const int size = std::snprintf(nullptr, 0, layout, args...);
  std::string text(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), layout, args...);
  text.pop_back();
  return text;
}

// The angle as it will be printed: a value that rounds up to 360 is 0.
double shownAngle(double angle) {
  return std::round(angle * 1e4) / 1e4 >= 360.0 ? 0.0 : angle;
}

}  // namespace

std::string arrowReport(const ArrowResult& result) {
  std::string text = formatted(" VARIABLES %4zu", result.arrows.size()) + kLineEnd;
  text += formatted(" GRAVITY %10.4f %9.4f", result.gravity.x, result.gravity.y) + kLineEnd;
  text += std::string(" CORRELATIONS") + kLineEnd;
  for (size_t j = 0; j < result.arrows.size(); ++j) {
    const Arrow& arrow = result.arrows[j];
    text +=
        formatted("%5zu %9.4f %9.4f", j + 1, arrow.correlation, shownAngle(arrow.angle)) + kLineEnd;
  }
  text += formatted(" AVERAGE %9.4f", result.averageCorrelation) + kLineEnd;
  return text;
}

}  // namespace fendex
