// Conversions of single-precision values to integers that are defined for
// every value, as the command language allows any number in any place.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace engine {

// Truncation toward zero; values beyond the 32-bit range are clamped to it,
// and a NaN gives 0.
inline int32_t truncateToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// A wide result brought back into the 32-bit range.
inline int32_t clampToInt(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

// True when v has no fractional part (infinities count as whole, NaN not).
inline bool isWhole(float v) {
  return !std::isnan(v) && std::floor(v) == v;
}

}  // namespace engine
