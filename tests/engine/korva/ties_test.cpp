// Tie classes of the coefficients and the reordering of tied ranks by the
// distances.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "engine/korva/procedure.h"
#include "tests/engine/korva/work_fixture.h"

namespace engine::korva {
namespace {

// The classes as SSATIE leaves them: size, then pair numbers, per class.
std::vector<float> classes(const std::vector<float>& coef, const std::vector<float>& wgt,
                           float tying) {
  const int npair = static_cast<int>(coef.size());
  int nv = 2;
  while (nv * (nv - 1) / 2 < npair) ++nv;
  WorkFixture f(nv, 2);
  f.par.TYING = tying;
  for (int k = 1; k <= f.par.NPAIR; ++k) {
    f.w.PCOEF(k) = k <= npair ? coef[static_cast<size_t>(k - 1)] : 1000.0f + k;
    f.w.PWGT(k) = k <= npair ? wgt[static_cast<size_t>(k - 1)] : 1.0f;
  }
  SSATIE(f.par, f.w);
  return std::vector<float>(f.w.SQMAT.data(), f.w.SQMAT.data() + f.par.LTIE);
}

// The classes by their definition: each free pair in order anchors the later
// free pairs within the tolerance.
std::vector<float> classesByDefinition(const std::vector<float>& coef,
                                       const std::vector<float>& wgt, float tying) {
  std::vector<bool> free(coef.size());
  for (size_t k = 0; k < coef.size(); ++k) free[k] = wgt[k] != 0.0f;
  std::vector<float> out;
  for (size_t i = 0; i < coef.size(); ++i) {
    if (!free[i]) continue;
    std::vector<float> members = {static_cast<float>(i + 1)};
    for (size_t b = i + 1; b < coef.size(); ++b) {
      if (free[b] && std::fabs(coef[i] - coef[b]) <= tying) {
        members.push_back(static_cast<float>(b + 1));
        free[b] = false;
      }
    }
    if (members.size() < 2) continue;
    out.push_back(static_cast<float>(members.size()));
    out.insert(out.end(), members.begin(), members.end());
  }
  return out;
}

TEST(Ssatie, ClassesAreAnchoredOnTheirFirstMember) {
  struct Case {
    std::vector<float> coef, wgt;
    float tying;
    std::vector<float> expected;
  };
  const Case cases[] = {
      {{0.5f, 0.75f, 1.0f}, {1, 1, 1}, 0.25f, {2, 1, 2}},
      {{0.5f, 0.75f, 1.0f}, {1, 1, 1}, 0.5f, {3, 1, 2, 3}},
      {{0.75f, 0.5f, 1.0f}, {1, 1, 1}, 0.25f, {3, 1, 2, 3}},
      {{2, 1, 2, 1, 2, 3},
       {1, 1, 1, 1, 0, 1},
       0.0f,
       {2, 1, 3, 2, 2, 4}},  // a missing pair joins no class
      {{1, 2, 3}, {1, 1, 1}, 0.0f, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(classes(c.coef, c.wgt, c.tying), c.expected);
}

TEST(Ssatie, MatchesTheDefinitionOnRandomCoefficients) {
  std::mt19937 gen(11);
  std::uniform_int_distribution<int> value(0, 40);
  for (float tying : {0.0f, 0.05f, 0.2f, 3.0f}) {
    std::vector<float> coef(300), wgt(300, 1.0f);
    for (auto& c : coef) c = static_cast<float>(value(gen)) / 10.0f;
    for (size_t k = 0; k < wgt.size(); k += 9) wgt[k] = 0.0f;
    std::vector<float> got = classes(coef, wgt, tying);
    EXPECT_EQ(got, classesByDefinition(coef, wgt, tying)) << tying;
  }
}

TEST(Tiernk, TiedRanksFollowTheDistances) {
  // Pairs 1 and 3 form one class with the ranks 5 and 2; by their distances
  // pair 1 comes first, so they take the ranks 2 and 3 from the class's lowest.
  WorkFixture f(3, 2, 4);
  f.par.NPAIR = 3;
  f.par.NTIECL = 1;
  const float ranks[] = {5, 1, 2};
  const float distances[] = {0.7f, 0.1f, 0.9f};
  for (int k = 1; k <= 3; ++k) {
    f.w.PCOEF(k) = ranks[k - 1];
    f.w.PSCR(k) = distances[k - 1];
  }
  const float record[] = {2, 1, 3};
  for (int k = 1; k <= 3; ++k) f.w.TIECLS(k) = record[k - 1];
  f.par.LTIE = 3;
  TIERNK(f.par, f.w);
  EXPECT_EQ(f.w.PCOEF(1), 2.0f);
  EXPECT_EQ(f.w.PCOEF(2), 1.0f);
  EXPECT_EQ(f.w.PCOEF(3), 3.0f);
}

}  // namespace
}  // namespace engine::korva
