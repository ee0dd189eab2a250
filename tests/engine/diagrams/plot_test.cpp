// One character diagram: its geometry, where points fall, what a cell
// shows, and the records of the frame, the rows and the scale.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/korva/diagram.h"
#include "tests/engine/diagrams/fixture.h"

namespace engine::korva {
namespace {

using diagramtest::blanks;
using diagramtest::Fixture;
using diagramtest::padded;

// Points given as (horizontal, vertical) pairs, stored as a two-column map.
struct Points {
  explicit Points(const std::vector<std::pair<float, float>>& xy)
      : rows(static_cast<int>(xy.size())) {
    for (const auto& p : xy) words.push_back(p.first);
    for (const auto& p : xy) words.push_back(p.second);
  }
  MatView<const float> view() const { return MatView<const float>(words.data(), rows, 2); }
  int rows;
  std::vector<float> words;
};

const std::string kWideBorder = "      +" + std::string(86, '-') + "+";
const std::string kNarrowBorder = "      +" + std::string(32, '-') + "+";

TEST(PlotGeometry, WideAndNarrowLayouts) {
  struct Case {
    int narrow, W, H, cells, rows, frame;
  };
  for (const Case& c : {Case{0, 42, 50, 43, 51, 94}, Case{1, 15, 18, 16, 19, 40}}) {
    const PlotGeometry g = plotGeometry(c.narrow);
    EXPECT_EQ(g.W, c.W) << c.narrow;
    EXPECT_EQ(g.H, c.H) << c.narrow;
    EXPECT_EQ(g.cells(), c.cells) << c.narrow;
    EXPECT_EQ(g.rows(), c.rows) << c.narrow;
    EXPECT_EQ(g.frameWidth(), c.frame) << c.narrow;
  }
}

TEST(PlotGeometry, CellOfAPoint) {
  struct Case {
    int narrow;
    float x, y;
    int column, row;
  };
  const Case cases[] = {
      {0, 100.0f, 100.0f, 43, 1},  // top right
      {0, 0.0f, 0.0f, 1, 51},      // bottom left
      {0, 50.0f, 50.0f, 22, 26},
      {0, 1.2f, 98.9f, 2, 2},
      {0, 100.00001f, -0.00001f, 43, 51},  // rounding at the edges stays inside
      {1, 100.0f, 100.0f, 16, 1},
      {1, 0.0f, 0.0f, 1, 19},
      {1, 50.0f, 50.0f, 9, 10},
  };
  for (const Case& c : cases) {
    const Cell cell = plotCell(plotGeometry(c.narrow), c.x, c.y);
    EXPECT_EQ(cell.column, c.column) << c.x << "," << c.y << " narrow " << c.narrow;
    EXPECT_EQ(cell.row, c.row) << c.x << "," << c.y << " narrow " << c.narrow;
  }
}

TEST(PlotGeometry, CellTextRightJustifiedOrAsterisks) {
  const std::pair<int, const char*> cases[] = {{0, " 0"},  {7, " 7"},   {99, "99"},    {100, "**"},
                                               {-9, "-9"}, {-10, "**"}, {123456, "**"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(cellText(value), text) << value;
}

// The whole wide diagram of four points: corners, the centre, a later point
// overwriting an earlier one in the same cell, the labels beside the rows.
TEST(SpacePlot, WideDiagramRecords) {
  Fixture f(4);
  const Points pts({{100.0f, 100.0f}, {0.0f, 0.0f}, {50.0f, 50.0f}, {50.4f, 49.6f}});
  SSAPLT(f.st, pts.view(), 4, 1, 2, PlotMode::Space, 0);
  const std::vector<std::string> r = f.results();
  ASSERT_EQ(r.size(), 1u + 1 + 51 + 1 + 3);
  EXPECT_EQ(r[0], "");
  EXPECT_EQ(r[1], kWideBorder);
  EXPECT_EQ(r[2], " 100..|" + blanks(84) + " 1|" + padded("   1 P1", 38));
  EXPECT_EQ(r[3], "      |" + blanks(86) + "|" + padded("   2 P2", 38));
  EXPECT_EQ(r[4], "      |" + blanks(86) + "|" + padded("   3 P3", 38));
  EXPECT_EQ(r[5], "      |" + blanks(86) + "|" + padded("   4 P4", 38));
  EXPECT_EQ(r[6], "      |" + blanks(86) + "|" + blanks(38));
  EXPECT_EQ(r[1 + 26], "  50..|" + blanks(42) + " 4" + blanks(42) + "|" + blanks(38));
  EXPECT_EQ(r[1 + 51], "   0..| 2" + blanks(84) + "|" + blanks(38));
  EXPECT_EQ(r[53], kWideBorder);
  const std::string dots = "        ." + blanks(41) + "." + blanks(41) + ".";
  EXPECT_EQ(r[54], dots);
  EXPECT_EQ(r[55], dots);
  EXPECT_EQ(r[56], "        0" + blanks(40) + "50" + blanks(40) + "100");
  for (size_t k = 2; k <= 52; ++k) EXPECT_EQ(r[k].size(), 132u) << "row " << k - 1;
}

TEST(SpacePlot, NumbersAbove99ShowAsterisksButFullLabels) {
  Fixture f(100);
  std::vector<std::pair<float, float>> xy(100, {50.0f, 50.0f});
  xy[99] = {0.0f, 100.0f};
  const Points pts(xy);
  SSAPLT(f.st, pts.view(), 100, 1, 2, PlotMode::Space, 0);
  const std::vector<std::string> r = f.results();
  EXPECT_EQ(r[2], " 100..|**" + blanks(84) + "|" + padded(padded("   1 P1", 13) + "  52 P52", 38));
  EXPECT_EQ(r[1 + 49],
            "      |" + blanks(86) + "|" + padded(padded("  49 P49", 13) + " 100 P100", 38));
  EXPECT_EQ(r[1 + 26].substr(49, 2), "99");  // the last of points 1 to 99 in the centre cell
}

TEST(SpacePlot, NarrowDiagramRecords) {
  Fixture f(2);
  f.narrow();
  const Points pts({{100.0f, 0.0f}, {50.0f, 50.0f}});
  SSAPLT(f.st, pts.view(), 2, 1, 2, PlotMode::Space, 0);
  const std::vector<std::string> r = f.results();
  ASSERT_EQ(r.size(), 1u + 1 + 19 + 1 + 1);
  EXPECT_EQ(r[1], kNarrowBorder);
  EXPECT_EQ(r[2], "   100|" + blanks(32) + "|" + padded("   1 P1", 40));
  EXPECT_EQ(r[1 + 10], "    50|" + blanks(16) + " 2" + blanks(14) + "|" + blanks(40));
  EXPECT_EQ(r[1 + 19], "     0|" + blanks(30) + " 1|" + blanks(40));
  EXPECT_EQ(r[21], kNarrowBorder);
  EXPECT_EQ(r[22], "        0" + blanks(13) + "50" + blanks(13) + "100");
}

// The label area is as wide as the line leaves beside the frame: nothing on
// a line no wider than the frame, at most the 150 characters of the buffer.
TEST(SpacePlot, LabelAreaFollowsTheLineSize) {
  const std::pair<int, size_t> cases[] = {{94, 94}, {60, 94}, {100, 100}, {400, 244}};
  for (const auto& [linsiz, length] : cases) {
    Fixture f(1);
    f.st.RUNCTL.LINSIZ = linsiz;
    const Points pts({{0.0f, 0.0f}});
    SSAPLT(f.st, pts.view(), 1, 1, 2, PlotMode::Space, 0);
    EXPECT_EQ(f.results()[2].size(), length) << linsiz;
  }
}

TEST(FacetPlot, ValuesTruncatedAndNoLabels) {
  Fixture f(5);
  SSAPAR& par = f.st.SSAPAR;
  par.NFACETS = 2;
  par.FACPRF = 1000;
  const float second[] = {2.7f, -3.5f, 150.0f, -12.0f, 99.9f};
  for (int j = 1; j <= 5; ++j) f.st.MATINP.AMAT(par.FACPRF + (j - 1) * 2 + 1) = second[j - 1];
  const Points pts(
      {{0.0f, 100.0f}, {100.0f, 100.0f}, {0.0f, 0.0f}, {100.0f, 0.0f}, {50.0f, 50.0f}});
  SSAPLT(f.st, pts.view(), 5, 1, 2, PlotMode::Facet, 2);
  const std::vector<std::string> r = f.results();
  EXPECT_EQ(r[2], " 100..| 2" + blanks(82) + "-3|" + blanks(38));
  EXPECT_EQ(r[1 + 26], "  50..|" + blanks(42) + "99" + blanks(42) + "|" + blanks(38));
  EXPECT_EQ(r[1 + 51], "   0..|**" + blanks(82) + "**|" + blanks(38));
}

}  // namespace
}  // namespace engine::korva
