// The sentences of the procedure section parsed into its parameter record,
// with the messages of the faulty ones.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/korva/section.h"
#include "engine/util/reader.h"

namespace {

using engine::EngineState;
using engine::SSAPAR;

// An engine whose input matrix has the columns X1 to X<columns>, with IPOS
// on the name of the section.
struct Section {
  explicit Section(const std::string& sentences, int columns = 6)
      : in("$KORVA " + sentences + "\n$END\n") {
    st = std::make_unique<EngineState>(in, out, nullptr);
    st->MATINP.MNVAR = columns;
    for (int k = 1; k <= columns; ++k)
      st->MATINP.MCNAME(k) = engine::Name8("X" + std::to_string(k));
    engine::DRKSET(*st);
    const size_t echo = out.str().size();
    st->SYMTAB.IPOS = 2;
    engine::SSASEC(*st);
    messages = out.str().substr(echo);
  }
  const SSAPAR& par() const { return st->SSAPAR; }
  std::vector<int> namlst(int n) const {
    return std::vector<int>(par().NAMLST.begin(), par().NAMLST.begin() + n);
  }
  bool says(const std::string& text) const { return messages.find(text) != std::string::npos; }

  std::istringstream in;
  std::ostringstream out;
  std::unique_ptr<EngineState> st;
  std::string messages;
};

TEST(SectionParse, NamesAloneGivesTheDefaults) {
  Section s("NAMES = X1 TO X4 ; PLOT3 ;");
  EXPECT_EQ(s.par().NV, 4);
  EXPECT_EQ(s.par().MINDIM, 2);
  EXPECT_EQ(s.par().MAXDIM, 3);
  EXPECT_EQ(s.par().PROXIM, 1);
  EXPECT_EQ(s.par().TYING, 0.0f);
  EXPECT_EQ(s.par().WEIGHT, 0);
  EXPECT_EQ(s.par().AFREE, 37);
  EXPECT_EQ(s.st->RUNCTL.NERR, 0);
  EXPECT_EQ(s.st->SYMTAB.SYM(s.st->SYMTAB.IPOS), engine::Name8("$"));
}

TEST(SectionParse, ValuesOfTheSentences) {
  Section s(
      "NAMES = X2 X1 ; MINDIM = 1 ; MAXDIM IS 4 ;\n DATA ARE DISSIM ; TYING = - 0.5 ; WEIGHT = -2 "
      ";");
  EXPECT_EQ(s.namlst(2), (std::vector<int>{2, 1}));
  EXPECT_EQ(s.par().MINDIM, 1);
  EXPECT_EQ(s.par().MAXDIM, 4);
  EXPECT_EQ(s.par().PROXIM, 0);
  EXPECT_EQ(s.par().TYING, -0.5f);
  EXPECT_EQ(s.par().WEIGHT, -2);
}

TEST(SectionParse, ExternalListBeforeAndAfterTheInternalOne) {
  Section s("EXTNAMES = X5 X6 ; NAMES = X1 TO X3 ; EXTNAMES = X4 ;");
  EXPECT_TRUE(
      s.says(" **Warning** : Duplicate EXTNAMES sentence\r\n               Last redefinition will "
             "be kept"));
  EXPECT_EQ(s.par().NAMBEG, 1);
  EXPECT_EQ(s.par().EXTBEG, 4);
  EXPECT_EQ(s.namlst(4), (std::vector<int>{1, 2, 3, 4}));
  Section before("EXTNAMES = X5 X6 ; NAMES = X1 TO X3 ;");
  EXPECT_EQ(before.par().NAMBEG, 3);
  EXPECT_EQ(before.namlst(5), (std::vector<int>{5, 6, 1, 2, 3}));
}

TEST(SectionParse, FaultySentencesAreCountedAndSkipped) {
  struct Case {
    const char* sentences;
    const char* message;
    int errors;
  };
  const Case cases[] = {
      {"NAMES X1 ;", " **Error** : NAMES sentence not followed by IS or ARE or =", 1},
      {"NAMES = X1 X9 ; COLOUR = 2 ;", " **Error** : Illegal keyword in KORVA Section :COLOUR", 2},
      {"DATA = RANKS ;", " **Error** : Unrecognized Keyword in DATA sentence : RANKS", 1},
      {"NAMES = X1 X2 MAXDIM = 3 ;", " **Error** Undeclared Variable : MAXDIM", 3},
      {"MINDIM = 2 MAXDIM = 3 ;", " **Error** : Missing semicolon delimiter", 1},
      {"OUTPUT COORD / COLOUR / DIST ;", " **Error** : Illegal keyword in OUTPUT paragraph :COLOUR",
       1},
      {"FACETS PROFILES = X1 1 ;",
       " **Error** : Sentence NFACETS must be supplied before\r\n             sentence PROFILES",
       1},
      {"FACETS NFACETS = 2 ;",
       " **Error** : Sentence NFACETS must be followed by sentence PROFILES", 1},
  };
  for (const Case& c : cases) {
    Section s(c.sentences);
    EXPECT_TRUE(s.says(c.message)) << c.sentences << "\n" << s.messages;
    EXPECT_GE(s.st->RUNCTL.NERR, 1) << c.sentences;
    EXPECT_EQ(s.st->SYMTAB.SYM(s.st->SYMTAB.IPOS), engine::Name8("$")) << c.sentences;
  }
}

TEST(SectionParse, NamesAndExternalNamesTogetherAreLimited) {
  Section s("NAMES = X1 TO X150 ; EXTNAMES = X1 TO X60 ;", 200);
  EXPECT_TRUE(s.says(" **Error** : More than 200 variables in NAMES and EXTNAMES together"))
      << s.messages;
  EXPECT_EQ(s.par().NV, 150);
}

TEST(SectionParse, OutputParagraph) {
  Section s(
      "NAMES = X1 TO X3 ;\n OUTPUT COORD / DIST / FORMAT = '(5F8.3)' / UNIT = 12 ; MAXDIM = 2 ;");
  EXPECT_EQ(s.par().OUTCRD, 1);
  EXPECT_EQ(s.par().OUTDST, 1);
  EXPECT_EQ(s.par().OUTFAC, 0);
  EXPECT_EQ(s.par().OUTOPN, 0);
  EXPECT_EQ(s.st->OUTFMT, "(5F8.3)");
  EXPECT_EQ(s.st->RUNCTL.FILUNI, 12);
  EXPECT_EQ(s.par().MAXDIM, 2);
  Section plain("NAMES = X1 TO X3 ; OUTPUT COORD ;");
  EXPECT_EQ(plain.st->OUTFMT, "(10F7.2)");
}

TEST(SectionParse, FacetProfilesAndDiagrams) {
  Section s(
      "NAMES = X1 TO X3 ; MAXDIM = 2 ;\n FACETS NFACETS = 2 / PROFILES = X1 1 2 X2 3 4 X3 5 6 /\n"
      " DIAGRAMS = 2 1 2 1 & 2 2 1 2 ;");
  ASSERT_EQ(s.st->RUNCTL.NERR, 0) << s.messages;
  EXPECT_EQ(s.par().NFACETS, 2);
  EXPECT_EQ(s.par().FACPRF, 37 + 3);
  const auto word = [&](int k) { return s.st->MATINP.AMAT(k); };
  for (int k = 0; k < 6; ++k) EXPECT_EQ(word(s.par().FACPRF + k), k + 1.0f);
  EXPECT_EQ(s.par().NFDIAG, 2);
  EXPECT_EQ(s.par().FACDGR, s.par().FACPRF + 6);
  const float groups[] = {2, 1, 1, 2, 2, 2, 1, 2};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(word(s.par().FACDGR + k), groups[k]) << k;
}

TEST(SectionParse, FacetDiagramComplaints) {
  Section s(
      "NAMES = X1 TO X3 ; MAXDIM = 2 ;\n FACETS NFACETS = 2 / PROFILES = X1 1 2 X2 3 4 X3 5 6 /\n"
      " DIAGRAMS = 3 1 1 1 & 2 1 ;");
  EXPECT_TRUE(
      s.says(" **Error** in Facet Diagram number  1\r\n           You submitted the following "
             "parameters :"));
  EXPECT_TRUE(s.says("           The dimensionality has to be in the range : [ 2, 2]"));
  EXPECT_TRUE(s.says("           Axis Nos. must be different"));
  EXPECT_TRUE(
      s.says(" **Error** in Facet Diagram number  2\r\n           You must supply 4 parameters :"));
}

TEST(SectionParse, MissingProfileIsReported) {
  Section s("NAMES = X1 TO X3 ; FACETS NFACETS = 2 / PROFILES = X1 1 2 X2 3 ;");
  EXPECT_TRUE(
      s.says(" **Error** in profile of X2      \r\n           The number of facets must be  2"))
      << s.messages;
  EXPECT_TRUE(
      s.says(" **Error** Facets have to be defined\r\n           for all the   3 variables"));
}

TEST(SectionParse, TitleIsCentred) {
  Section s("NAMES = X1 X2 ; TITLE = 'A MAP' ;");
  EXPECT_EQ(s.par().TITGIV, 1);
  EXPECT_EQ(s.par().SSATIT, "A MAP" + std::string(99, ' '));
  EXPECT_EQ(s.par().TITFMT, "( 63x,a  5)");
  struct Case {
    int length, linsiz;
    const char* format;
  };
  const Case cases[] = {{104, 80, "(  1x,a 79)"}, {80, 80, "(  0x,a 80)"}, {0, 132, "( 65x,a  1)"}};
  for (const Case& c : cases) {
    s.st->SSAPAR.SSATIT = std::string(static_cast<size_t>(c.length), 'T') +
                          std::string(static_cast<size_t>(104 - c.length), ' ');
    s.st->RUNCTL.LINSIZ = c.linsiz;
    engine::SSATTL(*s.st);
    EXPECT_EQ(s.par().TITFMT, c.format) << c.length;
  }
}

}  // namespace
