// The distances that trel writes for the orders, scaling choices, divisor and
// format layouts of its input, against distances computed independently here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/preprocessor/trel_runner.h"

namespace {

// Six observations of three variables.
const std::vector<std::vector<double>> kData = {
    {1.00, 2.50, 10.00}, {2.00, 3.50, 9.00},  {4.00, 1.00, 12.50},
    {3.50, 0.50, 7.25},  {0.25, 4.00, 11.00}, {5.00, 2.00, 8.00},
};

struct Case {
  const char* name;
  const char* pField;  // columns 7-9 of the header
  double order;        // the order the distances must have
  bool centreOnly;     // NOSCAL
  double divisor;      // 0: no divisor line
  std::vector<std::string> formatLines;
  int valuesPerLine;  // how the data lines hold an observation
};

const Case kCases[] = {
    {"BlankOrderIsCityBlock", "   ", 1, false, 0, {"(3F6.2)"}, 3},
    {"OrderTwoIsEuclidean", "  2", 2, false, 0, {"(3F6.2)"}, 3},
    {"OrderWithItsOwnPoint", "1.5", 1.5, false, 0, {"(3f6.2)"}, 3},
    {"NegativeOrderIsOne", " -3", 1, false, 0, {"(3F6.2)"}, 3},
    {"CentredOnly", "  1", 1, true, 0, {"(3F6.2)"}, 3},
    {"DivisorWithCentring", "  2", 2, true, 4, {"(3F6.2)"}, 3},
    {"DivisorWithScaling", "  1", 1, false, 4, {"(3F6.2)"}, 3},
    {"FormatOnTwoLines", "  1", 1, false, 0, {"(F6.2,", "2F6.2)"}, 3},
    {"ObservationOverTwoLines", "  1", 1, false, 0, {"(2F6.2)"}, 2},
};

std::string inputFor(const Case& c) {
  char header[32];
  std::snprintf(header, sizeof header, "%3zu%3zu%s%d%d%d", kData.size(), kData[0].size(), c.pField,
                c.centreOnly ? 1 : 0, c.divisor != 0 ? 1 : 0, c.formatLines.size() == 2 ? 2 : 0);
  std::vector<std::string> lines = {header};
  for (const std::string& f : c.formatLines) lines.push_back(f);
  if (c.divisor != 0) lines.push_back(std::to_string(static_cast<int>(c.divisor)) + ".");
  for (const auto& row : kData) {
    std::string line;
    for (size_t j = 0; j < row.size(); ++j) {
      char field[8];
      std::snprintf(field, sizeof field, "%6.2f", row[j]);
      line += field;
      if ((j + 1) % c.valuesPerLine == 0 || j + 1 == row.size()) {
        lines.push_back(line);
        line.clear();
      }
    }
  }
  return crlfText(lines);
}

// Standardised (or centred) values in double precision, then Minkowski distances.
std::vector<std::vector<double>> referenceDistances(const Case& c) {
  const size_t n = kData.size(), k = kData[0].size();
  std::vector<std::vector<double>> z(n, std::vector<double>(k));
  for (size_t j = 0; j < k; ++j) {
    double sum = 0, squares = 0;
    for (size_t i = 0; i < n; ++i) sum += kData[i][j] / (c.divisor != 0 ? c.divisor : 1);
    const double mean = sum / n;
    for (size_t i = 0; i < n; ++i) {
      z[i][j] = kData[i][j] / (c.divisor != 0 ? c.divisor : 1) - mean;
      squares += z[i][j] * z[i][j];
    }
    const double sd = std::sqrt(squares / (n - 1));
    if (!c.centreOnly)
      for (size_t i = 0; i < n; ++i) z[i][j] /= sd;
  }
  std::vector<std::vector<double>> d(n, std::vector<double>(n));
  for (size_t i = 0; i < n; ++i)
    for (size_t m = 0; m < n; ++m) {
      double t = 0;
      for (size_t j = 0; j < k; ++j) t += std::pow(std::fabs(z[i][j] - z[m][j]), c.order);
      d[i][m] = std::pow(t, 1 / c.order);
    }
  return d;
}

class TrelDistances : public testing::TestWithParam<Case> {};

TEST_P(TrelDistances, MatchIndependentComputation) {
  const Case& c = GetParam();
  const TrelOutput out = runTrel(inputFor(c));
  ASSERT_TRUE(out.ok) << out.problem.line << ": " << out.problem.text;
  const std::vector<std::string> rows = crlfLines(out.matrix);
  const auto expected = referenceDistances(c);
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 8 * expected.size()) << "row " << i + 1 << ": " << rows[i];
    for (size_t m = 0; m < expected.size(); ++m) {
      const double value = std::stod(rows[i].substr(8 * m, 8));
      EXPECT_NEAR(value, expected[i][m], 1e-4) << "DIST(" << i + 1 << ", " << m + 1 << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, TrelDistances, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
