// The preprocessor's arithmetic. Every stored value is a 32-bit real and every
// running sum is stored after each step, so results do not depend on how the
// compiler keeps intermediates.
#include "preprocessor/trel_compute.h"

#include <cmath>

namespace trel {
namespace {

// Sum over the variables of |a_j - b_j| ^ p, each partial sum a 32-bit real.
// The power of order 1 is the value itself, so that case skips the call.
float powerSum(const float* a, const float* b, int k, float p) {
  float t = 0.0f;
  if (p == 1.0f) {
    for (int j = 0; j < k; ++j) t = t + std::fabs(a[j] - b[j]);
  } else {
    for (int j = 0; j < k; ++j) t = t + std::pow(std::fabs(a[j] - b[j]), p);
  }
  return t;
}

}  // namespace

Statistics computeStatistics(const Table& data) {
  const int n = data.observations();
  const int k = data.variables();
  Statistics result{std::vector<float>(k), std::vector<float>(k)};
  for (int j = 1; j <= k; ++j) {
    float s = 0.0f;
    float q = 0.0f;
    for (int i = 1; i <= n; ++i) {
      s = s + data.at(i, j);
      q = q + std::pow(data.at(i, j), 2.0f);
    }
    const float mean = s / static_cast<float>(n);
    const double dn = n;
    const double m = mean;
    // Rounding can make the variance of a constant variable slightly negative;
    // it is 0 then, not the root of a negative number.
    const double variance = q / (dn - 1) - m * m * dn / (dn - 1);
    const float v = static_cast<float>(variance < 0.0 ? 0.0 : variance);
    result.mean[j - 1] = mean;
    result.sd[j - 1] = std::sqrt(v);
  }
  return result;
}

int firstVariableWithoutSpread(const Statistics& statistics) {
  for (size_t j = 0; j < statistics.sd.size(); ++j) {
    const float sd = statistics.sd[j];
    if (!(sd > 0.0f) || !std::isfinite(sd)) return static_cast<int>(j + 1);
  }
  return 0;
}

Table standardise(const Table& data, const Statistics& statistics, bool centreOnly) {
  Table z;
  z.resize(data.observations(), data.variables());
  for (int i = 1; i <= data.observations(); ++i)
    for (int j = 1; j <= data.variables(); ++j) {
      const float centred = data.at(i, j) - statistics.mean[j - 1];
      z.at(i, j) = centreOnly ? centred : centred / statistics.sd[j - 1];
    }
  return z;
}

DistanceMatrix computeDistances(const Table& z, float p) {
  const int n = z.observations();
  const float r = 1.0f / p;
  DistanceMatrix dist(n);
  // |a - b| is exactly |b - a| and the terms are summed in the same order,
  // so the lower triangle equals the upper one; the diagonal is 0 ^ r = 0.
  for (int i = 1; i <= n; ++i)
    for (int k = i + 1; k <= n; ++k) {
      const float d = std::pow(powerSum(z.row(i), z.row(k), z.variables(), p), r);
      dist.at(i, k) = d;
      dist.at(k, i) = d;
    }
  return dist;
}

}  // namespace trel
