// The external points of a dimensionality in the procedure's work area:
// placed into the rotated map, normalised together with the internal
// points, listed; or dropped with a warning when the area is too small.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "engine/korva/external.h"
#include "engine/korva/shells.h"
#include "tests/engine/diagrams/fixture.h"

namespace engine::korva {
namespace {

using diagramtest::Fixture;

// 36 internal points of a known map and two external variables whose
// coefficients are their distances from (37, 62) and (61, 28). The rotated
// configuration handed over is the map centred on its centroid.
struct JointFixture : Fixture {
  static constexpr int NV = 36;
  const std::vector<std::vector<float>> map = diagramtest::gridMap();
  const std::vector<std::vector<float>> targets = {{37, 62}, {61, 28}};
  float centroid[2] = {0.0f, 0.0f};

  explicit JointFixture(int AFREE = NV * NV + 4 * NV + 5)
      : Fixture(NV, 2), sort(NV * (NV - 1) / 2) {
    std::vector<std::vector<float>> all = map;
    all.insert(all.end(), targets.begin(), targets.end());
    for (int r = 1; r <= NV + 2; ++r) {
      for (int c = 1; c <= NV + 2; ++c) st.MATINP.element(r, c) = distance(all[r - 1], all[c - 1]);
    }
    SSAPAR& par = st.SSAPAR;
    par.PROXIM = 0;
    par.MAXDIM = 2;
    par.AFREE = AFREE;
    const WorkLayout layout = layoutWork(NV, 2, 0);
    perm.assign(static_cast<size_t>(NV * NV), 0);
    w = bindWork(st.MATINP.area(static_cast<size_t>(AFREE - 1)), layout, NV, 0,
                 Span1<int32_t>(perm.data(), static_cast<int>(perm.size())), sort);
    for (int a = 0; a < 2; ++a) {
      for (const auto& p : map) centroid[a] += p[static_cast<size_t>(a)] / NV;
      for (int i = 1; i <= NV; ++i)
        w.XNEW.at(i, a + 1) = map[static_cast<size_t>(i - 1)][static_cast<size_t>(a)] - centroid[a];
    }
  }
  static float distance(const std::vector<float>& p, const std::vector<float>& q) {
    return static_cast<float>(std::hypot(p[0] - q[0], p[1] - q[1]));
  }

  std::vector<int32_t> perm;
  SortScratch sort;
  SsaWork w;
  float centre[2] = {0.0f, 0.0f};
};

// The map spans 0 to 104 with its corner point at (0, 0): normalising
// scales it by 100 / 104 and the centroid comes out where it lay.
TEST(JointMap, ExternalPointsPlacedAndScaledWithTheMap) {
  JointFixture f;
  normaliseWithExternal(f.st, f.w, 2, Span1<float>(f.centre, 2));
  ASSERT_EQ(f.st.SSAPAR.NEXTV, 2);
  const MatView<const float> joint = mappedPoints(f.st, f.w, 2);
  ASSERT_EQ(joint.rows(), 38);
  float largest = 0.0f;
  for (const auto& p : f.map) largest = std::max({largest, p[0], p[1]});
  const float factor = 100.0f / largest;
  for (int i = 1; i <= JointFixture::NV; ++i) {
    for (int a = 1; a <= 2; ++a) {
      EXPECT_NEAR(joint.at(i, a),
                  f.map[static_cast<size_t>(i - 1)][static_cast<size_t>(a - 1)] * factor, 1.0E-3);
      EXPECT_EQ(f.w.XNEW.at(i, a), joint.at(i, a));
    }
  }
  for (int a = 0; a < 2; ++a) EXPECT_NEAR(f.centre[a], f.centroid[a] * factor, 1.0E-3);
  for (int k = 1; k <= 2; ++k) {
    const float dx = joint.at(36 + k, 1) - f.targets[static_cast<size_t>(k - 1)][0] * factor;
    const float dy = joint.at(36 + k, 2) - f.targets[static_cast<size_t>(k - 1)][1] * factor;
    EXPECT_LT(std::hypot(dx, dy), 3.0f) << k;
  }

  externalTable(f.st, 2);
  const std::vector<std::string> r = f.results();
  ASSERT_EQ(r.size(), 8u);
  EXPECT_EQ(r[0], "");
  EXPECT_EQ(r[1], "           External Variables");
  EXPECT_EQ(r[2], "");
  EXPECT_EQ(r[3], " Serial    Coefficient of   Plotted Coordinates");
  EXPECT_EQ(r[4], " Number    Alienation          1        2       ");
  EXPECT_EQ(r[5], " " + std::string(45, '-'));
  EXPECT_EQ(r[6].substr(0, 14), "   37       0.");
  char coordinates[32];
  std::snprintf(coordinates, sizeof coordinates, "%6.2f   %6.2f   ", joint.at(37, 1),
                joint.at(37, 2));
  EXPECT_EQ(r[6].substr(19), std::string(9, ' ') + coordinates);
  EXPECT_EQ(r[7].substr(0, 14), "   38       0.");
}

// Without room behind the tables for a placement: the warning, no external
// points for the rest of the section, and the map normalised on its own.
TEST(JointMap, TooLittleRoomDropsTheExternalVariables) {
  const WorkLayout layout = layoutWork(JointFixture::NV, 2, 0);
  // JOINT, EXTALN, the coefficients and the position with their spare word,
  // and the words of the fit.
  const int n = JointFixture::NV;
  const int64_t room = (n + 2) * 2 + 2 + (n + 2 + 1) + placementWords(n, 2);
  {
    JointFixture enough(static_cast<int>(SSAPAR::AMAXW - (layout.I11 - 1) - room + 1));
    enough.st.SSAPAR.TYING = -1.0f;  // no tie classes to make room for
    normaliseWithExternal(enough.st, enough.w, 2, Span1<float>(enough.centre, 2));
    EXPECT_EQ(enough.st.SSAPAR.NEXTV, 2);
  }
  JointFixture f(static_cast<int>(SSAPAR::AMAXW - (layout.I11 - 1) - room + 2));
  normaliseWithExternal(f.st, f.w, 2, Span1<float>(f.centre, 2));
  EXPECT_EQ(f.st.SSAPAR.NEXTV, 0);
  ASSERT_FALSE(f.messages().empty());
  EXPECT_EQ(f.messages()[0], " **Warning** : Insufficient memory to process external variables");
  EXPECT_EQ(f.st.RUNCTL.NERR, 0);
  const MatView<const float> points = mappedPoints(f.st, f.w, 2);
  EXPECT_EQ(points.data(), f.w.XNEW.data());
  float largest = 0.0f;
  for (int i = 1; i <= n; ++i) largest = std::max({largest, f.w.XNEW.at(i, 1), f.w.XNEW.at(i, 2)});
  EXPECT_FLOAT_EQ(largest, 100.0f);
}

}  // namespace
}  // namespace engine::korva
