// The procedure section end to end on small matrices: its parameters, the
// preparation of the coefficients, the fatal ends and the output file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/engine/common/golden.h"

namespace {

// An n x n matrix with the value f(i, j) in row i, column j, written with
// "(10F8.4)" (ten values per record).
std::string matrix(int n, const std::function<double(int, int)>& f) {
  std::string text;
  char field[32];
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      std::snprintf(field, sizeof field, "%8.4f", f(i, j));
      text += field;
      if (j % 10 == 0 || j == n) text += "\r\n";
    }
  }
  return text;
}

// Distances between points on a spiral, so that all are different.
double spiral(int i, int j) {
  const auto x = [](int k) { return 0.3 * k * std::cos(0.9 * k); };
  const auto y = [](int k) { return 0.3 * k * std::sin(0.9 * k); };
  return std::hypot(x(i) - x(j), y(i) - y(j));
}

std::string script(int n, const std::string& matrixExtra, const std::string& korva,
                   const std::string& before = "") {
  const std::string names = "X1 TO X" + std::to_string(n);
  return before + "$MATRINP NAMES = " + names + " ;\n FILE = 'm.txt' ;\n FORMAT = '(10F8.4)' ;\n" +
         matrixExtra + "$KORVA NAMES = " + names + " ;\n" + korva + "$END\n";
}

struct Case {
  const char* what;
  int n;
  std::function<double(int, int)> values;
  std::string matrixExtra, korva;
  std::vector<std::string> inResults, notInResults, inListing;
  std::string before = "";
};

std::vector<Case> cases() {
  const auto zeroUpper = [](int i, int j) { return i < j ? 0.0 : spiral(i, j); };
  const auto thirdMissing = [](int i, int j) { return i == 3 || j == 3 ? 9.0 : spiral(i, j); };
  // Pairs (1,2) to (1,7) and (2,3) to (2,7): eleven missing cells.
  const auto elevenMissing = [](int i, int j) {
    const int lo = std::min(i, j), hi = std::max(i, j);
    return lo != hi && lo <= 2 && hi <= 7 ? 9.0 : spiral(i, j);
  };
  return {
      {"defaults",
       5,
       spiral,
       "",
       "",
       {" Minimal dimensionality .................   2",
        " Maximal dimensionality .................   3", " Similarity Data  (Correlations)",
        " Tied values with a tolerance of ........   0.000",
        " Weighting parameter for Locality .......   0", "D I M E N S I O N A L I T Y    2",
        "D I M E N S I O N A L I T Y    3"},
       {},
       {"_No errors_"}},
      {"more axes than points",
       5,
       spiral,
       "",
       " MAXDIM = 6 ;\n",
       {"0*****WARNING*****", "0ERROR IN PARAMETER  *NUM*   ",
        "0********** FATAL ERROR  *****  PROGRAMME TERMINATED **********"},
       {"D I M E N S I O N", "ERROR IN PARAMETER  *NN*"},
       {}},
      {"zero upper half",
       4,
       zeroUpper,
       "",
       "",
       {" Number of variables ....................   4"},
       {"D I M E N S I O N"},
       {" **Error** : All the elements of your matrix are zero",
        "             Please, check your input matrix."}},
      {"variable without coefficients",
       5,
       thirdMissing,
       " MISSINGS = 9 ;\n",
       "",
       {" Values representing Missing cells.......(9.00    ,9.00    )  ,  "},
       {"D I M E N S I O N"},
       {" **Error** : Variable X3       has missing coefficients",
        "             The execution is aborted.", " Errrors in KORVA"}},
      {"no dimensionality to analyse",
       5,
       spiral,
       "",
       " MINDIM = 3 ;\n MAXDIM = 2 ;\n",
       {" Minimal dimensionality .................   3"},
       {"D I M E N S I O N"},
       {"_No errors_"}},
      {"duplicate names",
       6,
       spiral,
       "",
       " NAMES = X2 TO X5 ;\n",
       {" Number of variables ....................   4"},
       {},
       {" **Warning** : Duplicate NAMES sentence",
        "               Last redefinition will be kept"}},
      {"ties switched off",
       5,
       spiral,
       "",
       " TYING = -1 ;\n",
       {" No tied values"},
       {"Number of tied Classes"},
       {}},
      {"eleven missing cells",
       8,
       elevenMissing,
       " MISSINGS = 9 ;\n",
       " TYING = -1 ; MAXDIM = 2 ;\n",
       {" There are    11  Missing cells", " List of Missing cells",
        "\r\n (  1,  2)   (  1,  3)   (  1,  4)   (  1,  5)   (  1,  6)   (  1,  7)   (  2,  3)   "
        "(  2,  4)   (  2,  5)   (  2,  6)  \r\n",
        "\r\n (  2,  7)   (\r\n"},
       {},
       {}},
      {"eleven axes continue on a second record",
       12,
       spiral,
       "",
       " MINDIM = 11 ; MAXDIM = 11 ;\n",
       {" Number    Centroid            1        2        3        4        5        6        7    "
        "    8        9       ",
        "10       11       "},
       {},
       {}},
      {"illegal keyword and value",
       5,
       spiral,
       "",
       " COLOUR = 3 ;\n DATA = RANKS ;\n",
       {},
       {"KORVA"},
       {" **Error** : Illegal keyword in KORVA Section :COLOUR",
        " **Error** : Unrecognized Keyword in DATA sentence : RANKS"}},
      {"work arrays beyond the matrix area",
       200,
       spiral,
       "",
       " MAXDIM = 200 ;\n",
       {" Maximal dimensionality ................. 200"},
       {"Tied values", "D I M E N S I O N"},
       {" **Error** : Too many variables in KORVA."}},
      {"configurations beyond the matrix area",
       200,
       spiral,
       "",
       " MAXDIM = 100 ;\n",
       {" Number of tied Classes"},
       {"D I M E N S I O N"},
       {" **Error** : Too many variables in KORVA."}},
      {"narrow pages",
       5,
       spiral,
       "",
       " MAXDIM = 2 ;\n",
       {" \r\n                 ***********************************\r\n"
        "                 *WEIGHTED  SMALLEST SPACE ANALYSIS*\r\n",
        "\r\n\r\n\r\n                       D I M E N S I O N A L I T Y    2\r\n"
        "                       --------------------------------\r\n\r\n"},
       {"1                                              D I M"},
       {},
       "$RUN LINESIZE = 80 ;\n"},
      {"one dimension",
       5,
       spiral,
       "",
       " MINDIM = 1 ; MAXDIM = 1 ;\n",
       {"\r\n0*****WARNING*****\r\n\r\n01X1 MATRIX\r\n"
        " 1 EIGENVALUE RETURNED, BUT OTHER PARAMETERS IGNORED \r\n"
        "0*****END OF MESSAGE*****\r\n\r\n\r\n\r\n Serial"},
       {},
       {}},
      {"facet profiles",
       3,
       spiral,
       "",
       " MAXDIM = 2 ;\n FACETS NFACETS = 3 / PROFILES = X1 1 2 3 X2 3 2 1\n X3 0 0 1 ;\n",
       {"\r\n\r\n\r\n Variable    Serial      Facets\r\n   Name      Number      1  2  3\r\n"
        " --------    ------     ---------\r\n X1             1        1. 2. 3.\r\n"
        " X2             2        3. 2. 1.\r\n"},
       {},
       {"_No errors_"}},
  };
}

TEST(KorvaSection, Cases) {
  for (const Case& c : cases()) {
    enginetest::KorvaRun run;
    enginetest::RunOptions options;
    options.files["m.txt"] = matrix(c.n, c.values);
    enginetest::runKorva(run, script(c.n, c.matrixExtra, c.korva, c.before), options);
    EXPECT_EQ(run.status, 0) << c.what;
    for (const std::string& s : c.inResults)
      EXPECT_NE(run.results.find(s), std::string::npos) << c.what << ": " << s;
    for (const std::string& s : c.notInResults)
      EXPECT_EQ(run.results.find(s), std::string::npos) << c.what << ": " << s;
    for (const std::string& s : c.inListing)
      EXPECT_NE(run.listing.find(s), std::string::npos) << c.what << ": " << s;
  }
}

// Five points: five records of five numbers, zeros on the diagonal, 1.00 for
// the pair with the largest distance in both of its records.
TEST(KorvaSection, OutputDistWritesRelativeDistances) {
  enginetest::KorvaRun run;
  enginetest::RunOptions options;
  options.files["m.txt"] = matrix(5, spiral);
  enginetest::runKorva(
      run, script(5, "", " DATA = DISSIM ;\n MAXDIM = 2 ;\n OUTPUT DIST / FILE = 'd.txt' ;\n"),
      options);
  const std::vector<std::string> lines = enginetest::splitLines(run.file("d.txt"));
  ASSERT_EQ(lines.size(), 5u);
  double d[5][5];
  int ones = 0;
  for (int i = 0; i < 5; ++i) {
    ASSERT_EQ(lines[i].size(), 35u) << lines[i];
    std::istringstream in(lines[i]);
    for (int k = 0; k < 5; ++k) {
      in >> d[i][k];
      ones += d[i][k] == 1.0;
    }
    EXPECT_EQ(d[i][i], 0.0);
  }
  EXPECT_EQ(ones, 2);
  for (int i = 0; i < 5; ++i) {
    for (int k = 0; k < 5; ++k) EXPECT_EQ(d[i][k], d[k][i]);
  }
}

// Three facets and two axes in the default format: one record of five numbers per point.
TEST(KorvaSection, OutputCoordinatesAndFacets) {
  enginetest::KorvaRun run;
  enginetest::RunOptions options;
  options.files["m.txt"] = matrix(4, spiral);
  enginetest::runKorva(run,
                       script(4, "",
                              " MAXDIM = 2 ;\n FACETS NFACETS = 3 / PROFILES = X1 1 2 3 X2 3 2 1\n"
                              " X3 0 0 1 X4 1 1 1 ;\n OUTPUT COORD / FACETS / FILE = 'c.txt' ;\n"),
                       options);
  const std::vector<std::string> lines = enginetest::splitLines(run.file("c.txt"));
  ASSERT_EQ(lines.size(), 4u) << run.listing;
  EXPECT_EQ(lines[1].substr(14), "   3.00   2.00   1.00");
  for (const std::string& line : lines) EXPECT_EQ(line.size(), 35u) << line;
}

TEST(KorvaSection, OutputFileIsNotOpenedAfterAnEarlierError) {
  enginetest::KorvaRun run;
  enginetest::RunOptions options;
  options.files["m.txt"] = matrix(5, spiral);
  enginetest::runKorva(run, "$NOSUCH ;\n" + script(5, "", " OUTPUT COORD / FILE = 'c.txt' ;\n"),
                       options);
  EXPECT_FALSE(std::filesystem::exists(run.dir / "c.txt"));
  EXPECT_EQ(run.results.find("KORVA"), std::string::npos);
}

}  // namespace
