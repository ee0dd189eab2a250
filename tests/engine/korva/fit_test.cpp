// The fit of one dimensionality against configurations with known answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "tests/engine/korva/work_fixture.h"

namespace engine::korva {
namespace {

std::vector<std::vector<double>> randomPoints(int n, int dims, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> u(0.0, 10.0);
  std::vector<std::vector<double>> pts(static_cast<size_t>(n),
                                       std::vector<double>(static_cast<size_t>(dims)));
  for (auto& p : pts) {
    for (auto& x : p) x = u(gen);
  }
  return pts;
}

// sqrt(1 - mu^2), mu = sum d d* / sum d^2, from the distances (upper
// triangle) and rank images (lower triangle) left by the fit.
double alienationFromMatrix(const SsaWork& w) {
  double dd = 0.0, d2 = 0.0;
  for (int i = 1; i < w.NV; ++i) {
    for (int j = i + 1; j <= w.NV; ++j) {
      dd += static_cast<double>(w.SQMAT.at(i, j)) * w.SQMAT.at(j, i);
      d2 += static_cast<double>(w.SQMAT.at(i, j)) * w.SQMAT.at(i, j);
    }
  }
  const double mu = dd / d2;
  return std::sqrt(std::max(0.0, 1.0 - mu * mu));
}

// Points turned so that both principal axes have the same spread. With
// squared distances as dissimilarities the unit eigenvectors of the start are
// then the configuration itself (up to a rotation), so the start already has
// the order of the coefficients.
std::vector<std::vector<double>> isotropic(std::vector<std::vector<double>> pts) {
  double mx = 0, my = 0;
  for (const auto& p : pts) mx += p[0] / pts.size(), my += p[1] / pts.size();
  double sxx = 0, sxy = 0, syy = 0;
  for (auto& p : pts) {
    p[0] -= mx, p[1] -= my;
    sxx += p[0] * p[0], sxy += p[0] * p[1], syy += p[1] * p[1];
  }
  // Inverse square root of the 2 x 2 scatter matrix by its eigen decomposition.
  const double theta = 0.5 * std::atan2(2 * sxy, sxx - syy);
  const double c = std::cos(theta), s = std::sin(theta);
  const double l1 = c * c * sxx + 2 * c * s * sxy + s * s * syy;
  const double l2 = s * s * sxx - 2 * c * s * sxy + c * c * syy;
  for (auto& p : pts) {
    const double u = (c * p[0] + s * p[1]) / std::sqrt(l1);
    const double v = (-s * p[0] + c * p[1]) / std::sqrt(l2);
    p = {u, v};
  }
  return pts;
}

TEST(Fit, StartThatReproducesTheOrderNeedsNoIteration) {
  struct Case {
    const char* what;
    std::vector<std::vector<double>> pts;
    int m;
  };
  const Case cases[] = {
      {"points on a line", {{0}, {1}, {2.5}, {4}, {4.6}, {7.3}}, 1},
      {"plane", isotropic(randomPoints(10, 2, 5)), 2},
  };
  for (const Case& c : cases) {
    WorkFixture f(static_cast<int>(c.pts.size()), 2);
    f.par.PROXIM = 0;
    f.coefficientsFromPoints(c.pts, WorkFixture::Metric::Squared);
    ASSERT_EQ(f.start().message, 0) << c.what;
    ASSERT_TRUE(fitDimensionality(f.par, f.w, c.m)) << c.what;
    EXPECT_EQ(f.par.NRI, 1) << c.what;
    EXPECT_EQ(f.par.NIT, 0) << c.what;
    EXPECT_LT(f.par.ALIEN, 1.0E-10f) << c.what;
  }
}

TEST(Fit, ReportedCoefficientMatchesTheFinalDistances) {
  struct Case {
    int n, dims;
    WorkFixture::Metric metric;
  };
  const Case cases[] = {{12, 3, WorkFixture::Metric::Euclidean},
                        {30, 4, WorkFixture::Metric::CityBlock},
                        {120, 5, WorkFixture::Metric::CityBlock}};
  for (const Case& c : cases) {
    WorkFixture f(c.n, 2);
    f.par.PROXIM = 0;
    f.coefficientsFromPoints(randomPoints(c.n, c.dims, static_cast<unsigned>(c.n)), c.metric);
    ASSERT_EQ(f.start().message, 0);
    ASSERT_TRUE(fitDimensionality(f.par, f.w, 2));
    EXPECT_GT(f.par.ALIEN, 1.0E-3f) << c.n;
    EXPECT_NEAR(f.par.ALIEN, alienationFromMatrix(f.w), 2e-5) << c.n;
    EXPECT_LE(f.par.NRI, MAXRI + 1);
    EXPECT_LE(f.par.NIT, MAXRI * NSTEP);
  }
}

// With locality weights the norm is the weighted sum of the squared rank
// images: K = sqrt(sum w (s d* - d)^2 / (s^2 sum w d*^2)), s = sum w d^2 / sum w d d*.
TEST(Fit, WeightedCoefficientUsesTheRankImagesAsNorm) {
  for (int weight : {2, -1}) {
    WorkFixture f(20, 2);
    f.par.PROXIM = 0;
    f.par.WEIGHT = weight;
    f.coefficientsFromPoints(randomPoints(20, 3, 4), WorkFixture::Metric::Euclidean);
    ASSERT_EQ(f.start().message, 0);
    ASSERT_TRUE(fitDimensionality(f.par, f.w, 2));
    double P = 0, S = 0, Q = 0;
    for (int i = 1, k = 1; i < 20; ++i) {
      for (int j = i + 1; j <= 20; ++j, ++k) {
        const double w = f.w.PWGT(k), d = f.w.SQMAT.at(i, j), ds = f.w.SQMAT.at(j, i);
        P += w * d * ds, S += w * d * d, Q += w * ds * ds;
      }
    }
    const double s = S / P;
    double L = 0;
    for (int i = 1, k = 1; i < 20; ++i) {
      for (int j = i + 1; j <= 20; ++j, ++k) {
        const double e = s * f.w.SQMAT.at(j, i) - f.w.SQMAT.at(i, j);
        L += f.w.PWGT(k) * e * e;
      }
    }
    EXPECT_NEAR(f.par.ALIEN, std::sqrt(L / (s * s * Q)), 1e-5) << weight;
  }
}

TEST(Ssanrm, ScalesToZeroToHundredAndKeepsTheOrigin) {
  WorkFixture f(4, 2);
  const float x[4][2] = {{-1.0f, 0.5f}, {2.0f, -0.25f}, {0.5f, 1.0f}, {-0.5f, -1.0f}};
  for (int i = 1; i <= 4; ++i) {
    for (int a = 1; a <= 2; ++a) f.w.XNEW.at(i, a) = x[i - 1][a - 1];
  }
  float shift[2];
  SSANRM(f.w.XNEW, Span1<float>(shift, 2), 4, 2);
  float top = 0.0f;
  for (int a = 1; a <= 2; ++a) {
    float low = 1e9f;
    for (int i = 1; i <= 4; ++i) {
      low = std::min(low, f.w.XNEW.at(i, a));
      top = std::max(top, f.w.XNEW.at(i, a));
    }
    EXPECT_EQ(low, 0.0f);
  }
  EXPECT_NEAR(top, 100.0f, 1e-4);
  // Factor 100/3: the origin (0, 0) lands at (1, 1) * 100/3.
  EXPECT_NEAR(shift[0], 100.0f / 3.0f, 1e-4);
  EXPECT_NEAR(shift[1], 100.0f / 3.0f, 1e-4);
  EXPECT_NEAR(f.w.XNEW.at(2, 2), (1.0f - 0.25f) * 100.0f / 3.0f, 1e-4);
}

}  // namespace
}  // namespace engine::korva
