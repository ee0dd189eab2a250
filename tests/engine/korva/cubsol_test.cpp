// The cubic solver of the line search on each branch, and the choice of root.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/korva/fit.h"

namespace engine::korva {
namespace {

std::vector<float> sorted(const CubicRoots& r) {
  std::vector<float> v(r.t, r.t + std::min(r.count, 3));
  std::sort(v.begin(), v.end());
  return v;
}

TEST(Cubsol, FindsTheRootsOfEachBranch) {
  struct Case {
    const char* what;
    float a, b, c, d;
    int count;
    std::vector<float> roots;
  };
  const Case cases[] = {
      {"three distinct", 1, -6, 11, -6, 3, {1, 2, 3}},
      {"three scaled by a", 2, -12, 22, -12, 3, {1, 2, 3}},
      {"one real (positive discriminant)", 1, 0, 1, -2, 1, {1}},
      {"triple root", 1, -3, 3, -1, 1, {1}},
      // Near a triple root the discriminant vanishes within the tolerance.
      {"two roots", 1, -1, 0.3333f, 2.0f / 27.0f - 0.3333f / 3.0f, 2, {1 / 3.0f, 1 / 3.0f}},
      {"cube of t, P' and Q' zero", 1, 0, 0, 0, 1, {0}},
      {"quadratic", 0, 1, -3, 2, 2, {1, 2}},
      {"linear", 0, 0, 2, -1, 1, {0.5f}},
      {"quadratic without real root", 0, 1, 0, 1, 0, {}},
      {"constant", 0, 0, 0, 3, 0, {}},
      {"identity", 0, 0, 0, 0, 999, {}},
  };
  for (const Case& c : cases) {
    const CubicRoots r = CUBSOL(c.a, c.b, c.c, c.d);
    ASSERT_EQ(r.count, c.count) << c.what;
    if (c.count == 999) continue;
    const std::vector<float> got = sorted(r);
    for (size_t i = 0; i < c.roots.size(); ++i) EXPECT_NEAR(got[i], c.roots[i], 2e-3) << c.what;
  }
}

TEST(Cubsol, ThreeSmallRootsAreNotTakenForTwo) {
  // (t - 0.004)(t - 0.005)(t - 0.006): the discriminant of this cubic is far
  // below 1.0E-12 by size alone, yet its three roots are distinct.
  const float r1 = 0.004f, r2 = 0.005f, r3 = 0.006f;
  const float b = -(r1 + r2 + r3);
  const float c = r1 * r2 + r1 * r3 + r2 * r3;
  const float d = -r1 * r2 * r3;
  const CubicRoots r = CUBSOL(4.0f, 4.0f * b, 4.0f * c, 4.0f * d);
  ASSERT_EQ(r.count, 3);
  const std::vector<float> got = sorted(r);
  EXPECT_NEAR(got[0], r1, 1e-5);
  EXPECT_NEAR(got[1], r2, 1e-5);
  EXPECT_NEAR(got[2], r3, 1e-5);
}

TEST(Cubsol, OneSmallRootIsNotTakenForTwo) {
  // t^3 + 1e-4 t - 1e-6: one real root near 0.0099.
  const CubicRoots r = CUBSOL(1.0f, 0.0f, 1.0E-4f, -1.0E-6f);
  ASSERT_EQ(r.count, 1);
  EXPECT_NEAR(r.t[0] * r.t[0] * r.t[0] + 1.0E-4f * r.t[0], 1.0E-6f, 1e-9);
}

TEST(Qrtmin, TakesTheRootOfLeastLossAndTheLaterOnATie) {
  CubicRoots r;
  r.count = 3;
  r.t[0] = -1.0f;
  r.t[1] = 1.0f;
  r.t[2] = 2.0f;
  // Loss t^4 - 2 t^2 (stationary at -1, 0, 1): -1 and 1 tie, the later wins.
  EXPECT_EQ(QRTMIN(1.0f, 0.0f, -2.0f, 0.0f, r), 1);
  // Loss t^4 - 4 t^3: least at t = 2 among the candidates... (-1: 5, 1: -3, 2: -16).
  EXPECT_EQ(QRTMIN(1.0f, -4.0f, 0.0f, 0.0f, r), 2);
}

}  // namespace
}  // namespace engine::korva
