// The placement of one external variable into a fixed map, against points
// whose position is known: coefficients that are exactly the distances from
// a point of the map must bring the external point there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/korva/external.h"
#include "tests/engine/diagrams/fixture.h"

namespace engine::korva {
namespace {

using diagramtest::Fixture;

constexpr float kMiss = 1.0E38f;

struct Placing {
  explicit Placing(int M, int freeWords = 1000,
                   std::vector<std::vector<float>> points = diagramtest::gridMap())
      : n(static_cast<int>(points.size())),
        f(n),
        m(M),
        pts(std::move(points)),
        map(static_cast<size_t>(n * M)),
        coef(static_cast<size_t>(n)),
        free(static_cast<size_t>(freeWords)),
        position(static_cast<size_t>(M)),
        scratch(n) {
    for (int a = 1; a <= M; ++a) {
      for (int i = 1; i <= n; ++i)
        map[static_cast<size_t>((a - 1) * n + i - 1)] =
            pts[static_cast<size_t>(i - 1)][static_cast<size_t>(a - 1)];
    }
  }
  // Coefficients: SIGN * (the distance from TARGET) + SHIFT.
  void distancesFrom(const std::vector<float>& target, float sign = 1.0f, float shift = 0.0f) {
    for (int i = 0; i < n; ++i) {
      double s = 0.0;
      for (int a = 0; a < m; ++a)
        s += std::pow(
            pts[static_cast<size_t>(i)][static_cast<size_t>(a)] - target[static_cast<size_t>(a)],
            2.0);
      coef[static_cast<size_t>(i)] = static_cast<float>(sign * std::sqrt(s) + shift);
    }
  }
  Placement place() {
    return SSAEX1(f.st.SSAPAR, f.st.MATINP, MatView<const float>(map.data(), n, m), m,
                  Span1<float>(coef.data(), n), Span1<float>(position.data(), m),
                  Span1<float>(free.data(), static_cast<int>(free.size())), scratch, alien);
  }
  double distanceTo(const std::vector<float>& target) const {
    double s = 0.0;
    for (int a = 0; a < m; ++a)
      s += std::pow(position[static_cast<size_t>(a)] - target[static_cast<size_t>(a)], 2.0);
    return std::sqrt(s);
  }

  int n;
  Fixture f;
  int m;
  std::vector<std::vector<float>> pts;
  std::vector<float> map, coef, free, position;
  PlacementScratch scratch;
  float alien = -1.0f;
};

// The fit stops once K changes by less than 1.0E-4, so the point stops in
// the region of the target, not exactly on it.
TEST(Placement, CoefficientsFromAKnownPointBringItThere) {
  struct Case {
    const char* what;
    int M;
    std::vector<float> target;
    int PROXIM;
    float sign, shift;
    int missing;  // internal point whose coefficient is missing (0: none)
  };
  const Case cases[] = {
      {"dissimilarities, 2-D", 2, {37, 62}, 0, 1.0f, 0.0f, 0},
      {"another point", 2, {30, 60}, 0, 1.0f, 0.0f, 0},
      {"similarities, 2-D", 2, {55, 45}, 1, -1.0f, 200.0f, 0},
      {"dissimilarities, 3-D", 3, {40, 60, 50}, 0, 1.0f, 0.0f, 0},
      {"one coefficient missing", 2, {37, 62}, 0, 1.0f, 0.0f, 14},
  };
  for (const Case& c : cases) {
    Placing p(c.M);
    p.f.st.SSAPAR.PROXIM = c.PROXIM;
    p.distancesFrom(c.target, c.sign, c.shift);
    if (c.missing > 0) p.coef[static_cast<size_t>(c.missing - 1)] = kMiss;
    ASSERT_EQ(p.place(), Placement::Placed) << c.what;
    EXPECT_LT(p.alien, 1.0E-3f) << c.what;
    EXPECT_GE(p.alien, 0.0f) << c.what;
    EXPECT_LT(p.distanceTo(c.target), 3.0) << c.what;
  }
}

// Ties among the coefficients are re-ranked by the point's distances: two
// points next to each other in distance from the target, the one listed
// first being the farther, get one coefficient; the fit stays as good.
TEST(Placement, TiedCoefficientsFollowTheDistances) {
  Placing p(2);
  p.f.st.SSAPAR.PROXIM = 0;
  p.f.st.SSAPAR.TYING = 0.0f;
  p.distancesFrom({37, 62});
  std::vector<int> order(static_cast<size_t>(p.n));
  for (int i = 0; i < p.n; ++i) order[static_cast<size_t>(i)] = i;
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    return p.coef[static_cast<size_t>(a)] < p.coef[static_cast<size_t>(b)];
  });
  size_t r = 0;
  while (order[r + 1] > order[r]) ++r;
  const size_t nearer = static_cast<size_t>(order[r]), farther = static_cast<size_t>(order[r + 1]);
  p.coef[nearer] = p.coef[farther] = 0.5f * (p.coef[nearer] + p.coef[farther]);
  ASSERT_EQ(p.place(), Placement::Placed);
  EXPECT_LT(p.alien, 1.0E-3f);
  EXPECT_LT(p.distanceTo({37, 62}), 3.0);
}

TEST(Placement, AllCoefficientsEqual) {
  Placing p(2);
  p.f.st.SSAPAR.PROXIM = 1;
  p.f.st.SSAPAR.TYING = -1.0f;
  std::fill(p.coef.begin(), p.coef.end(), 0.5f);
  ASSERT_EQ(p.place(), Placement::Placed);
  for (float delta : p.coef) EXPECT_EQ(delta, 1.0f);
  // The rank order is the identity: ranks are the first NV words of FREE.
  for (int i = 1; i <= p.n; ++i)
    EXPECT_EQ(p.free[static_cast<size_t>(i - 1)], static_cast<float>(i));
  EXPECT_TRUE(std::isfinite(p.position[0]) && std::isfinite(p.position[1]));
}

// The fit needs 6 NV + 2 M + 1 words and the tie classes of the variable.
TEST(Placement, TooLittleSpace) {
  struct Case {
    float TYING;
    int freeWords;
    Placement expected;
  };
  const int need = 6 * 36 + 2 * 2 + 1;
  const Case cases[] = {
      {-1.0f, need - 1, Placement::NoSpace}, {-1.0f, need, Placement::Placed},
      {0.0f, need, Placement::NoSpace},  // one class of three tied pairs takes 4 words
      {0.0f, need + 3, Placement::NoSpace},  {0.0f, need + 4, Placement::Placed},
  };
  for (const Case& c : cases) {
    Placing p(2, c.freeWords);
    for (int i = 0; i < p.n; ++i) p.coef[static_cast<size_t>(i)] = static_cast<float>(10 + i);
    p.coef[0] = p.coef[1] = p.coef[2] = 7.0f;
    p.f.st.SSAPAR.TYING = c.TYING;
    EXPECT_EQ(p.place(), c.expected) << c.TYING << " " << c.freeWords;
  }
}

}  // namespace
}  // namespace engine::korva
