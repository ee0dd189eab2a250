// The preprocessor's arithmetic: means and standard deviations of the
// variables, standardised values and Minkowski distances between observations.
#pragma once

#include <string>
#include <vector>

#include "preprocessor/trel_input.h"

namespace trel {

// XMEAN(j) and XSD(j), j = 1..K, at index j - 1.
struct Statistics {
  std::vector<float> mean;
  std::vector<float> sd;
};

// DIST(i, k) for 1-based i and k; row i is contiguous.
class DistanceMatrix {
 public:
  explicit DistanceMatrix(int n) : n_(n), values_(static_cast<size_t>(n) * n, 0.0f) {}
  int size() const { return n_; }
  float& at(int i, int k) { return values_[index(i, k)]; }
  float at(int i, int k) const { return values_[index(i, k)]; }
  const float* row(int i) const { return &values_[index(i, 1)]; }

 private:
  size_t index(int i, int k) const { return static_cast<size_t>(i - 1) * n_ + (k - 1); }
  int n_;
  std::vector<float> values_;
};

// Single-precision running sums, the variance in double precision stored as
// a 32-bit real, divisor N - 1. Needs N >= 2.
Statistics computeStatistics(const Table& data);

// The number of the first variable whose standard deviation cannot scale it
// (zero or not finite); 0 when every variable can be scaled.
int firstVariableWithoutSpread(const Statistics& statistics);

// ZSTD: centred values, divided by the standard deviation unless centreOnly.
Table standardise(const Table& data, const Statistics& statistics, bool centreOnly);

// Minkowski distances of order p (> 0) between the rows of z.
DistanceMatrix computeDistances(const Table& z, float p);

}  // namespace trel
