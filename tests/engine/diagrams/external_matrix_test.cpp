// The external matrix before the analysis: its power-of-ten scale, the
// listing in pages with the scale note, and the check for external
// variables without any present coefficient.
#include <gtest/gtest.h>

#include <vector>

#include "engine/korva/external.h"
#include "engine/util/listing.h"
#include "tests/engine/diagrams/fixture.h"

namespace engine::korva {
namespace {

using diagramtest::blanks;
using diagramtest::Fixture;

constexpr float kMiss = 1.0E38f;

TEST(ExternalScale, BringsTheLargestCoefficientToTensOrHundreds) {
  struct Case {
    std::vector<float> values;
    int KEXP;
    float FACTOR;
  };
  const Case cases[] = {
      {{0.85f}, 2, 100.0f},
      {{-0.9f, 0.8f}, 2, 100.0f},
      {{5.0f}, 1, 10.0f},
      {{10.04f}, 1, 10.0f},
      {{10.06f}, 0, 1.0f},
      {{99.4f}, 0, 1.0f},
      {{100.0f}, 0, 1.0f},
      {{150.0f}, -1, 0.1f},
      {{1000.0f}, -2, 0.01f},
      {{1500.0f, -3.0f}, -2, 0.01f},
      // A missing coefficient is not looked at.
      {{0.5f, kMiss}, 2, 100.0f},
      {{0.0f, 0.0f}, 0, 1.0f},
      {{kMiss}, 0, 1.0f},
  };
  for (const Case& c : cases) {
    Fixture f(1);
    const MatView<const float> m(c.values.data(), 1, static_cast<int>(c.values.size()));
    const ExternalScale s = SSASCL(f.st.MATINP, m);
    EXPECT_EQ(s.KEXP, c.KEXP) << c.values[0];
    EXPECT_FLOAT_EQ(s.FACTOR, c.FACTOR) << c.values[0];
  }
}

// Two external variables (rows) against three internal ones (columns).
struct SmallMatrix {
  std::vector<float> words = {-0.9f, 0.8f, 0.004f, -0.012f, kMiss, 0.3f};
  MatView<const float> view() const { return MatView<const float>(words.data(), 2, 3); }
};

TEST(ExternalListing, PageOfScaledIntegers) {
  Fixture f(3, 2);
  const SmallMatrix m;
  SSAEXL(f.st, m.view(), SSASCL(f.st.MATINP, m.view()));
  const std::vector<std::string> expected = {
      "1",
      "",
      blanks(28) + "INPUT EXTERNAL MATRIX**",
      "",
      "",
      "",
      blanks(15) + "   1   2   3",
      blanks(14) + "+------------",
      blanks(13) + " I",
      " E1         4 I -90   0 Mis",
      blanks(13) + " I",
      " E2         5 I  80  -1  30",
      "",
      "",
      "",
      " **The original coefficients were multiplied by  100 and rounded into integer numbers",
  };
  EXPECT_EQ(f.results(), expected);
}

TEST(ExternalListing, ScaleNoteInAllItsForms) {
  struct Case {
    float largest;
    bool narrow;
    std::vector<std::string> note;
  };
  const std::string text = " **The original coefficients were ";
  const Case cases[] = {
      {0.85f, false, {text + "multiplied by  100 and rounded into integer numbers"}},
      {1500.0f, false, {text + "divided by  100 and rounded into integer numbers"}},
      {50.0f, false, {text + "rounded into integer numbers"}},
      {50.0f, true, {text + "rounded into integer numbers"}},
      {0.85f, true, {text + "multiplied by  100", "   and rounded into integer numbers"}},
      {150.0f, true, {text + "divided by   10", "   and rounded into integer numbers"}},
      {1.0E-6f, false, {text + "multiplied by***** and rounded into integer numbers"}},
  };
  for (const Case& c : cases) {
    Fixture f(1, 1);
    if (c.narrow) f.narrow();
    const MatView<const float> m(&c.largest, 1, 1);
    SSAEXL(f.st, m, SSASCL(f.st.MATINP, m));
    const std::vector<std::string> r = f.results();
    const std::vector<std::string> last(r.end() - static_cast<long>(c.note.size()), r.end());
    EXPECT_EQ(last, c.note) << c.largest << (c.narrow ? " narrow" : "");
  }
}

// The column headings of every page, in the order the pages come.
std::vector<std::string> pageHeadings(const std::vector<std::string>& r) {
  std::vector<std::string> h;
  for (size_t k = 0; k + 6 < r.size(); ++k) {
    if (r[k] == "1") h.push_back(r[k + 6]);
  }
  return h;
}

std::string serials(int first, int last) {
  std::string s;
  for (int i = first; i <= last; ++i) s += (i < 10 ? "   " : "  ") + std::to_string(i);
  return s;
}

TEST(ExternalListing, PagesOfColumnBlocksAndRowBlocks) {
  struct Case {
    int NV, NEXTV, LINSIZ, PAGSIZ;
    std::vector<std::string> headings;
  };
  const std::string indent = blanks(15);
  const Case cases[] = {
      // 29 columns per page at LINSIZ 132, 25 rows per page at PAGSIZ 60.
      {30, 1, 132, 60, {indent + serials(1, 29), indent + serials(30, 30)}},
      {30,
       26,
       132,
       60,
       {indent + serials(1, 29), indent + serials(1, 29), indent + serials(30, 30),
        indent + serials(30, 30)}},
      // A line or page too small for the layout still lists one column or
      // one row per page.
      {2, 1, 10, 60, {indent + serials(1, 1), indent + serials(2, 2)}},
      {1, 2, 132, 5, {indent + serials(1, 1), indent + serials(1, 1)}},
  };
  for (const Case& c : cases) {
    Fixture f(c.NV, c.NEXTV);
    f.st.RUNCTL.LINSIZ = c.LINSIZ;
    f.st.RUNCTL.PAGSIZ = c.PAGSIZ;
    const std::vector<float> words(static_cast<size_t>(c.NV * c.NEXTV), 0.5f);
    const MatView<const float> m(words.data(), c.NEXTV, c.NV);
    SSAEXL(f.st, m, SSASCL(f.st.MATINP, m));
    EXPECT_EQ(pageHeadings(f.results()), c.headings) << c.NV << " x " << c.NEXTV;
  }
}

// SSAEXP on a fixture whose input matrix holds, in row r and column c, the
// number 10 r + c: the listing shows which element each cell took.
struct ExpFixture : Fixture {
  ExpFixture() : Fixture(2, 2) {
    for (int r = 1; r <= 4; ++r) {
      for (int c = 1; c <= 4; ++c) st.MATINP.element(r, c) = static_cast<float>(10 * r + c);
    }
    st.SSAPAR.AFREE = 17;
    layout = layoutWork(2, 2, 0);
    area = st.MATINP.area(16);
  }
  WorkLayout layout;
  std::span<float> area;
};

TEST(ExternalPreparation, RowOfTheExternalColumnOfTheInternal) {
  ExpFixture f;
  ASSERT_TRUE(SSAEXP(f.st, f.area, f.layout));
  const std::vector<std::string> r = f.results();
  EXPECT_EQ(r[9], " E1         3 I  31  32");
  EXPECT_EQ(r[11], " E2         4 I  41  42");
  EXPECT_FLOAT_EQ(f.area[static_cast<size_t>(f.layout.I6 - 1) + 1],
                  41.0f);  // EXTMAT(2, 1) at word I6 + 1
  EXPECT_EQ(f.st.RUNCTL.NERR, 0);
}

TEST(ExternalPreparation, VariableWithoutPresentCoefficientEndsTheRun) {
  ExpFixture f;
  f.st.MATINP.element(4, 1) = kMiss;
  f.st.MATINP.element(4, 2) = kMiss;
  EXPECT_THROW(SSAEXP(f.st, f.area, f.layout), EngineHalt);
  const std::vector<std::string> expected = {
      " **Error** : External variable E2       has missing coefficients",
      "             with all internal variables. Please,",
      "             check your data or suppress this variable",
      "             from the process of KORVA.",
      "             The execution is aborted.",
      " Errrors in KORVA",
  };
  EXPECT_EQ(f.messages(), expected);
  EXPECT_EQ(f.st.RUNCTL.NERR, 1);
  EXPECT_EQ(f.results()[11], " E2         4 I Mis Mis");  // listed before the check
}

TEST(ExternalPreparation, MatrixThatDoesNotFitIsAnError) {
  ExpFixture f;
  const std::span<float> small = f.area.first(static_cast<size_t>(f.layout.I6 + 2));
  EXPECT_FALSE(SSAEXP(f.st, small, f.layout));
  EXPECT_EQ(f.messages()[0], " **Error** : Too many variables in KORVA.");
  EXPECT_EQ(f.st.RUNCTL.ERRFLG, 1);
  EXPECT_TRUE(f.results().empty());
}

}  // namespace
}  // namespace engine::korva
