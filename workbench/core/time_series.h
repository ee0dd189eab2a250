// A series of numbers with running sums, and the Pearson correlations between series.
#pragma once

#include "lists.h"

class TTimeSeries {
 public:
  static constexpr float kMissing = -9999999.0f;

  // Stores the value; a missing value is counted instead of summed.
  void Append(float value);

  const TNumbersList& Values() const { return values_; }
  int Count() const { return static_cast<int>(values_.size()) - missing_; }
  long double Variance() const;
  long double StandardDeviation() const;
  // The sum of x·y over the positions where neither series is missing.
  long double SumOfProducts(const TTimeSeries& other) const;
  // 999 when either series is empty; 1 when both have no spread, 0 when one has none.
  float Correlation(const TTimeSeries& other) const;

 private:
  TNumbersList values_;
  long double sum_ = 0;
  long double sumOfSquares_ = 0;
  int missing_ = 0;
};
