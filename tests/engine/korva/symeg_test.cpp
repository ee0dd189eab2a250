// SYMEG against matrices whose eigenvalues and eigenvectors are known.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "engine/korva/symeg.h"

namespace engine::korva {
namespace {

struct Eigen {
  std::vector<float> a, z, d, work;
  int n, num;
  SymegOutcome outcome;

  Eigen(const std::vector<float>& matrix, int n_, int num_)
      : a(matrix), z(n_ * std::max(num_, 1)), d(std::max(num_, 1)), work(9 * n_), n(n_), num(num_) {
    outcome = SYMEG(
        n, n, MatView<float>(a.data(), n, n), 1, MatView<float>(z.data(), n, std::max(num, 1)),
        Span1<float>(d.data(), std::max(num, 1)), 1, num, Span1<float>(work.data(), 9 * n));
  }
  float vec(int i, int j) const { return z[(i - 1) + (j - 1) * n]; }
};

// A v = lambda v and |v| = 1 for every returned pair, on the original matrix.
void expectEigenpairs(const std::vector<float>& A, const Eigen& e) {
  for (int j = 1; j <= e.num; ++j) {
    double norm = 0.0;
    for (int i = 1; i <= e.n; ++i) {
      double av = 0.0;
      for (int k = 1; k <= e.n; ++k) av += A[(i - 1) + (k - 1) * e.n] * e.vec(k, j);
      EXPECT_NEAR(av, e.d[j - 1] * e.vec(i, j), 1e-4) << "pair " << j << " row " << i;
      norm += e.vec(i, j) * e.vec(i, j);
    }
    EXPECT_NEAR(norm, 1.0, 1e-5);
  }
}

TEST(Symeg, DiagonalMatrixGivesLargestFirstWithUnitAxes) {
  const std::vector<float> A = {1, 0, 0, 0, 0, 5, 0, 0, 0, 0, 3, 0, 0, 0, 0, 2};
  Eigen e(A, 4, 2);
  EXPECT_EQ(e.outcome.message, 0);
  EXPECT_FLOAT_EQ(e.d[0], 5.0f);
  EXPECT_FLOAT_EQ(e.d[1], 3.0f);
  EXPECT_NEAR(std::fabs(e.vec(2, 1)), 1.0f, 1e-6);
  EXPECT_NEAR(std::fabs(e.vec(3, 2)), 1.0f, 1e-6);
}

TEST(Symeg, SecondDifferenceMatrixMatchesItsClosedForm) {
  // 2 on the diagonal, -1 beside it: eigenvalues 2 - 2 cos(k pi / (n + 1)).
  const int n = 6;
  std::vector<float> A(n * n, 0.0f);
  for (int i = 0; i < n; ++i) {
    A[i + i * n] = 2.0f;
    if (i + 1 < n) A[(i + 1) + i * n] = A[i + (i + 1) * n] = -1.0f;
  }
  Eigen e(A, n, 3);
  ASSERT_EQ(e.outcome.message, 0);
  for (int j = 1; j <= 3; ++j) {
    const double k = n + 1 - j;
    EXPECT_NEAR(e.d[j - 1], 2.0 - 2.0 * std::cos(k * std::numbers::pi / (n + 1)), 1e-5);
  }
  expectEigenpairs(A, e);
}

TEST(Symeg, RepeatedEigenvalueGivesOrthogonalVectors) {
  // Q diag(4, 4, 1, 0.5, -2) Q^T with Q the reflection I - 2 u u^T.
  const int n = 5;
  const double u[n] = {0.5, 0.5, 0.5, 0.3, std::sqrt(1.0 - 0.84)};
  const double lambda[n] = {4, 4, 1, 0.5, -2};
  std::vector<float> A(n * n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      double s = 0.0;
      for (int k = 0; k < n; ++k) {
        const double qik = (i == k) - 2 * u[i] * u[k];
        const double qjk = (j == k) - 2 * u[j] * u[k];
        s += qik * lambda[k] * qjk;
      }
      A[i + j * n] = static_cast<float>(s);
    }
  }
  Eigen e(A, n, 3);
  ASSERT_EQ(e.outcome.message, 0);
  EXPECT_NEAR(e.d[0], 4.0f, 1e-5);
  EXPECT_NEAR(e.d[1], 4.0f, 1e-5);
  EXPECT_NEAR(e.d[2], 1.0f, 1e-5);
  expectEigenpairs(A, e);
  double dot = 0.0;
  for (int i = 1; i <= n; ++i) dot += e.vec(i, 1) * e.vec(i, 2);
  EXPECT_NEAR(dot, 0.0, 1e-4);
}

TEST(Symeg, ParameterErrorsMarkTheirParameters) {
  struct Case {
    int nn, mode, num;
    bool nnMarked, modeMarked, numMarked;
  };
  const Case cases[] = {
      {5, 1, 6, false, false, true},  // more values wanted than the order
      {3, 1, 0, false, false, true},
      {3, 3, 1, false, true, false},
      {0, 1, 1, true, false, true},
  };
  for (const Case& c : cases) {
    std::vector<float> a(std::max(c.nn * c.nn, 1)), z(64), d(8), work(64);
    int num = c.num;
    const SymegOutcome out =
        SYMEG(c.nn, c.nn, MatView<float>(a.data(), std::max(c.nn, 1), std::max(c.nn, 1)), c.mode,
              MatView<float>(z.data(), 8, 8), Span1<float>(d.data(), 8), 1, num,
              Span1<float>(work.data(), 64));
    EXPECT_EQ(out.message, 1);
    EXPECT_EQ(out.badNN, c.nnMarked);
    EXPECT_EQ(out.badMode, c.modeMarked);
    EXPECT_EQ(out.badNum, c.numMarked);
  }
}

TEST(Symeg, OneByOneReturnsTheElementWithoutVector) {
  std::vector<float> a = {7.5f}, z = {-3.0f}, d = {0.0f}, work(9);
  int num = 1;
  const SymegOutcome out =
      SYMEG(1, 1, MatView<float>(a.data(), 1, 1), 1, MatView<float>(z.data(), 1, 1),
            Span1<float>(d.data(), 1), 1, num, Span1<float>(work.data(), 9));
  EXPECT_EQ(out.message, 2);
  EXPECT_EQ(d[0], 7.5f);
  EXPECT_EQ(z[0], -3.0f);
  EXPECT_EQ(num, 1);
}

}  // namespace
}  // namespace engine::korva
