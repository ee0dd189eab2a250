// A series of numbers with running sums, and the Pearson correlations between series.
#include "time_series.h"

#include <algorithm>
#include <cmath>

void TTimeSeries::Append(float value) {
  values_.append(value);
  if (value == kMissing) {
    ++missing_;
  } else {
    sum_ += value;
    sumOfSquares_ += static_cast<long double>(value) * value;
  }
}

long double TTimeSeries::Variance() const {
  const long double n = Count();
  if (n == 0) return kMissing;
  if (n == 1) return 0;
  // Rounding can leave a tiny negative spread for nearly constant data; it is no spread.
  return std::max(0.0L, (n * sumOfSquares_ - sum_ * sum_) / (n * (n - 1)));
}

long double TTimeSeries::StandardDeviation() const {
  const long double variance = Variance();
  return variance == kMissing ? kMissing : std::sqrt(variance);
}

long double TTimeSeries::SumOfProducts(const TTimeSeries& other) const {
  long double sum = 0;
  const qsizetype common = std::min(values_.size(), other.values_.size());
  for (qsizetype i = 0; i < common; ++i) {
    if (values_[i] != kMissing && other.values_[i] != kMissing)
      sum += static_cast<long double>(values_[i]) * other.values_[i];
  }
  return sum;
}

float TTimeSeries::Correlation(const TTimeSeries& other) const {
  const long double n = Count();
  const long double m = other.Count();
  if (n == 0 || m == 0) return 999;
  const bool flat = StandardDeviation() == 0;
  const bool otherFlat = other.StandardDeviation() == 0;
  if (flat && otherFlat) return 1;
  if (flat || otherFlat) return 0;
  const long double spread =
      (n * sumOfSquares_ - sum_ * sum_) * (m * other.sumOfSquares_ - other.sum_ * other.sum_);
  return static_cast<float>((n * SumOfProducts(other) - sum_ * other.sum_) / std::sqrt(spread));
}
