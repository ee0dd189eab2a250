// The diagrams of a dimensionality: one space diagram per pair of axes with
// its heading and the title, then the facet diagrams asked for this
// dimensionality.
#include <gtest/gtest.h>

#include <vector>

#include "engine/korva/diagram.h"
#include "engine/korva/section.h"
#include "tests/engine/diagrams/fixture.h"

namespace engine::korva {
namespace {

using diagramtest::blanks;
using diagramtest::Fixture;

// A 3-D map of three points on the diagonal of the cube.
struct Map3 {
  std::vector<float> words = {0, 50, 100, 0, 50, 100, 0, 50, 100};
  MatView<const float> view() const { return MatView<const float>(words.data(), 3, 3); }
};

// The records that start with the page-eject character or follow two empty
// records on a narrow listing: the headings, in order.
std::vector<std::string> headings(const std::vector<std::string>& r) {
  std::vector<std::string> h;
  for (const std::string& line : r) {
    if (line.find("Diagram for") != std::string::npos) h.push_back(line);
  }
  return h;
}

TEST(Diagrams, OneSpaceDiagramPerPairOfAxes) {
  struct Case {
    int M;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {1, {}},
      {2, {"1" + blanks(19) + "Space Diagram for Dimensionality  2. Axis  1 versus Axis  2."}},
      {3,
       {"1" + blanks(19) + "Space Diagram for Dimensionality  3. Axis  1 versus Axis  2.",
        "1" + blanks(19) + "Space Diagram for Dimensionality  3. Axis  1 versus Axis  3.",
        "1" + blanks(19) + "Space Diagram for Dimensionality  3. Axis  2 versus Axis  3."}},
  };
  for (const Case& c : cases) {
    Fixture f(3);
    const Map3 map;
    SSASPC(f.st, map.view(), 3, c.M);
    const std::vector<std::string> r = f.results();
    EXPECT_EQ(headings(r), c.expected) << c.M;
    EXPECT_EQ(r.size(), c.expected.size() * 58) << c.M;
  }
}

TEST(Diagrams, TitleUnderEverySpaceDiagram) {
  Fixture f(3);
  f.st.SSAPAR.SSATIT.replace(0, 20, "A TITLE OF TWENTY CH");
  f.st.SSAPAR.TITGIV = 1;
  SSATTL(f.st);
  const Map3 map;
  SSASPC(f.st, map.view(), 3, 3);
  const std::vector<std::string> r = f.results();
  ASSERT_EQ(r.size(), 3u * 60);
  for (size_t d = 0; d < 3; ++d) {
    EXPECT_EQ(r[d * 60 + 58], "") << d;
    EXPECT_EQ(r[d * 60 + 59], blanks(56) + "A TITLE OF TWENTY CH") << d;
  }
}

TEST(Diagrams, NarrowHeadingsStartAfterTwoEmptyRecords) {
  Fixture f(3);
  f.narrow();
  SSAPAR& par = f.st.SSAPAR;
  par.NFACETS = 2;
  par.FACPRF = 1000;
  par.NFDIAG = 1;
  par.FACDGR = 2000;
  const float group[] = {2, 2, 1, 2};
  for (int k = 0; k < 4; ++k) f.st.MATINP.AMAT(par.FACDGR + k) = group[k];
  const Map3 map;
  SSASPC(f.st, map.view(), 3, 2);
  const std::vector<std::string> r = f.results();
  ASSERT_EQ(r.size(), 2u + 1 + 23 + 2 + 2 + 23);
  EXPECT_EQ(r[0], "");
  EXPECT_EQ(r[1], "");
  EXPECT_EQ(r[2], blanks(9) + "Space Diagram for Dimensionality  2. Axis  1 versus Axis  2.");
  EXPECT_EQ(r[26], "");
  EXPECT_EQ(r[27], "");
  EXPECT_EQ(r[28], " Facet Diagram for Dimensionality  2 and Facet  2.");
  EXPECT_EQ(r[29], blanks(11) + " Axis  1 versus Axis  2.");
}

// Facet diagrams are drawn on the page of their own dimensionality only,
// after its space diagrams, in the order requested.
TEST(Diagrams, FacetDiagramsOfTheirDimensionalityOnly) {
  const float groups[][4] = {{3, 1, 2, 3}, {2, 2, 1, 2}, {3, 2, 1, 3}};
  const std::string facet3a =
      "1" + blanks(13) +
      "Facet Diagram for Dimensionality  3 and Facet  1. Axis  2 versus Axis  3.";
  const std::string facet2 =
      "1" + blanks(13) +
      "Facet Diagram for Dimensionality  2 and Facet  2. Axis  1 versus Axis  2.";
  const std::string facet3b =
      "1" + blanks(13) +
      "Facet Diagram for Dimensionality  3 and Facet  2. Axis  1 versus Axis  3.";
  const std::string space = "1" + blanks(19) + "Space Diagram for Dimensionality  ";
  struct Case {
    int M;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {2, {space + "2. Axis  1 versus Axis  2.", facet2}},
      {3,
       {space + "3. Axis  1 versus Axis  2.", space + "3. Axis  1 versus Axis  3.",
        space + "3. Axis  2 versus Axis  3.", facet3a, facet3b}},
  };
  for (const Case& c : cases) {
    Fixture f(3);
    SSAPAR& par = f.st.SSAPAR;
    par.NFACETS = 2;
    par.FACPRF = 1000;
    par.NFDIAG = 3;
    par.FACDGR = 2000;
    for (int k = 0; k < 3; ++k) {
      for (int n = 0; n < 4; ++n) f.st.MATINP.AMAT(par.FACDGR + 4 * k + n) = groups[k][n];
    }
    const Map3 map;
    SSASPC(f.st, map.view(), 3, c.M);
    EXPECT_EQ(headings(f.results()), c.expected) << c.M;
  }
}

}  // namespace
}  // namespace engine::korva
