// The start of the procedure: transformation, double centring, locality
// weights and ranks.
#include <gtest/gtest.h>

#include <vector>

#include "tests/engine/korva/work_fixture.h"

namespace engine::korva {
namespace {

TEST(Ssatrf, MapsCoefficientsOntoOneToTwo) {
  struct Case {
    const char* what;
    int proxim;
    std::vector<float> coef, wgt, expected;
  };
  const Case cases[] = {
      {"similarities", 1, {0.2f, 0.5f, 0.8f}, {1, 1, 1}, {2.0f, 1.5f, 1.0f}},
      {"dissimilarities", 0, {0.2f, 0.5f, 0.8f}, {1, 1, 1}, {1.0f, 1.5f, 2.0f}},
      {"all equal", 0, {3, 3, 3}, {1, 1, 1}, {1, 1, 1}},
      {"missing pair keeps its value", 1, {0.2f, 1.0E38f, 0.8f}, {1, 0, 1}, {2.0f, 1.0E38f, 1.0f}},
  };
  for (const Case& c : cases) {
    WorkFixture f(3, 2);
    f.par.PROXIM = c.proxim;
    for (int k = 1; k <= 3; ++k) {
      f.w.PCOEF(k) = c.coef[k - 1];
      f.w.PWGT(k) = c.wgt[k - 1];
    }
    SSATRF(f.par, f.w);
    for (int k = 1; k <= 3; ++k) EXPECT_NEAR(f.w.PCOEF(k), c.expected[k - 1], 1e-6) << c.what << k;
  }
}

TEST(Ssawgt, WeighsLocalOrDistantPairs) {
  struct Case {
    int weight;
    std::vector<float> expected;  // for delta 1.0, 2.0 and a missing pair
  };
  // A huge exponent must not take long: 0.5 raised to it underflows to 0.
  const Case cases[] = {{2, {1.0f, 0.25f, 0.0f}},
                        {-2, {0.25f, 1.0f, 0.0f}},
                        {1, {1.0f, 0.5f, 0.0f}},
                        {2000000000, {1.0f, 0.0f, 0.0f}}};
  for (const Case& c : cases) {
    WorkFixture f(3, 2);
    f.par.WEIGHT = c.weight;
    const float delta[] = {1.0f, 2.0f, 1.5f};
    const float wgt[] = {1.0f, 1.0f, 0.0f};
    for (int k = 1; k <= 3; ++k) {
      f.w.PCOEF(k) = delta[k - 1];
      f.w.PWGT(k) = wgt[k - 1];
    }
    SSAWGT(f.par, f.w);
    for (int k = 1; k <= 3; ++k) EXPECT_FLOAT_EQ(f.w.PWGT(k), c.expected[k - 1]) << c.weight;
  }
}

TEST(Ssadbc, GivesMinusTheDoubleCentredDissimilarities) {
  const int n = 4;
  WorkFixture f(n, 2);
  const float delta[] = {1.0f, 1.5f, 2.0f, 1.2f, 1.7f, 1.1f};
  for (int k = 1; k <= 6; ++k) {
    f.w.PCOEF(k) = delta[k - 1];
    f.w.PWGT(k) = k == 4 ? 0.0f : 1.0f;  // pair (2, 3) missing: it counts as 0
  }
  SSADBC(f.w);
  double D[n][n] = {};
  for (int i = 1; i < n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      const int k = pairNumber(n, i, j);
      D[i - 1][j - 1] = D[j - 1][i - 1] = f.w.PWGT(k) * delta[k - 1];
    }
  }
  // B = -J D J with J = I - 11'/n.
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      double b = 0.0;
      for (int k = 0; k < n; ++k) {
        for (int l = 0; l < n; ++l) b -= ((i == k) - 1.0 / n) * D[k][l] * ((l == j) - 1.0 / n);
      }
      EXPECT_NEAR(f.w.SQMAT.at(i + 1, j + 1), b, 1e-6) << i << "," << j;
    }
  }
}

TEST(Ssaini, RanksEqualCoefficientsInShellsOrderAndMissingPairsLast) {
  WorkFixture f(4, 2);
  for (int k = 1; k <= 6; ++k) {
    f.w.PCOEF(k) = 0.7f;
    f.w.PWGT(k) = k == 2 ? 0.0f : 1.0f;
  }
  EXPECT_EQ(f.start().message, 0);
  // Gap 3 moves the missing pair 2 behind pair 5, gap 1 behind pair 6; equal
  // keys are never exchanged (worked by hand).
  const float expected[] = {1, 6, 3, 4, 2, 5};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(f.w.PCOEF(k), expected[k - 1]) << k;
}

TEST(Ssaini, MaximalDimensionalityAboveThePointsIsAParameterError) {
  WorkFixture f(5, 6);
  for (int k = 1; k <= 10; ++k) {
    f.w.PCOEF(k) = static_cast<float>(k);
    f.w.PWGT(k) = 1.0f;
  }
  const SymegOutcome out = f.start();
  EXPECT_EQ(out.message, 1);
  EXPECT_TRUE(out.badNum);
}

}  // namespace
}  // namespace engine::korva
