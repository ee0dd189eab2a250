// The label area beside the rows of a space diagram: which points each row
// lists, the external points behind their header, and the 150-character end.
#include <gtest/gtest.h>

#include "engine/korva/diagram.h"
#include "tests/engine/diagrams/fixture.h"

namespace engine::korva {
namespace {

using diagramtest::Fixture;
using diagramtest::padded;

// The first entries of a row, each LBLWID + 5 = 13 characters wide.
std::string entries(std::initializer_list<std::string> e) {
  std::string s;
  for (const std::string& one : e) s += padded(one, 13);
  return padded(s, 150);
}

TEST(LabelArea, RowsListPointsColumnByColumn) {
  struct Case {
    int NV, NEXTV, row;
    std::string expected;
  };
  const Case cases[] = {
      {60, 0, 1, entries({"   1 P1", "  52 P52"})},
      {60, 0, 9, entries({"   9 P9", "  60 P60"})},
      {60, 0, 10, entries({"  10 P10"})},
      {60, 0, 51, entries({"  51 P51"})},
      // External points: the header entry in slot NV + 1, then the points
      // under the serial numbers that follow the internal ones.
      {10, 2, 10, entries({"  10 P10"})},
      {10, 2, 11, entries({"   Ext. vars"})},
      {10, 2, 12, entries({"  11 E1"})},
      {10, 2, 13, entries({"  12 E2"})},
      {50, 3, 51, entries({"   Ext. vars"})},
      {50, 3, 1, entries({"   1 P1", "  51 E1"})},
      {50, 3, 3, entries({"   3 P3", "  53 E3"})},
  };
  for (const Case& c : cases) {
    Fixture f(c.NV, c.NEXTV);
    EXPECT_EQ(SSALBS(f.st, c.row), c.expected) << c.NV << "+" << c.NEXTV << " row " << c.row;
  }
}

// Narrow rows are 19 apart. With labels of 21 characters (entries of 26) the
// sixth entry would pass position 150 and shows only 15 label characters;
// there is no room for a seventh.
TEST(LabelArea, EntryCutAtTheBufferEnd) {
  Fixture f(115);
  f.narrow();
  f.st.SSAPAR.LBLWID = 21;
  f.st.VARDIC.NVAR = 1;
  f.st.VARDIC.VNAME(1) = Name8("P96");
  f.st.DATINP.VLFRST(1) = 1;
  const std::string label = "ABCDEFGHIJKLMNOPQRSTU&WX";
  std::copy(label.begin(), label.end(), f.st.DATINP.VLTEXT(1).begin());
  const std::string row = SSALBS(f.st, 1);
  ASSERT_EQ(row.size(), 150u);
  EXPECT_EQ(row.substr(0, 26), padded("   1 P1", 26));
  EXPECT_EQ(row.substr(104, 26), padded("  77 P77", 26));
  EXPECT_EQ(row.substr(130), "  96 ABCDEFGHIJKLMNO");
}

}  // namespace
}  // namespace engine::korva
