// What each pass of a FOR block hands to the sections: the kinds of list,
// ranges, several lists, substitution and nesting.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/engine/for/for_run.h"

namespace engine::fortest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

struct PassCase {
  const char* header;               // the lists of "$FOR ... $RUN NAME = V ; $ENDFOR"
  std::vector<std::string> values;  // what V becomes in each pass
};

// Runs "$FOR <header> $RUN NAME = V ; $ENDFOR" and returns V of each pass.
std::vector<std::string> valuesOf(ForRun& r) {
  r.run();
  std::vector<std::string> values;
  for (const std::string& pass : r.passes()) {
    const std::string head = "$ RUN NAME = ";
    size_t end = pass.find(" ;");
    values.push_back(pass.substr(head.size(), end - head.size()));
  }
  return values;
}

TEST(ForPasses, NumberListsStepThroughRanges) {
  const PassCase cases[] = {
      {"V = 1 TO 3", {"1", "2", "3"}},
      {"V = -2 TO 1", {"-2", "-1", "0", "1"}},
      {"V = 5 1 to 2 - 7 + 8", {"5", "1", "2", "-7", "8"}},
      {"V = 1 TO 3 TO 5", {"1", "2", "3", "4", "5"}},
      {"V IS 7 8", {"7", "8"}},
      // An end that is not whole is reached exactly, once.
      {"V = 1 TO 3.5", {"1", "2", "3", "3.5"}},
      {"V = 0.5 TO 2.5", {"0.5", "1", "2", "2.5"}},
      // Stepping goes on from the integer part of the start.
      {"V = -2.5 TO 1", {"-2.5", "-1", "0", "1"}},
      {"V = -5 TO -2.5", {"-5", "-4", "-3", "-2.5"}},
      {"V = -2.7 TO -2.5", {"-2.7", "-2.5"}},
      // A range that does not rise adds nothing.
      {"V = 4 TO 4 9", {"4", "9"}},
  };
  for (const PassCase& c : cases) {
    ForRun r(std::string("$FOR ") + c.header + " $RUN NAME = V ; $ENDFOR $END");
    EXPECT_THAT(valuesOf(r), ElementsAreArray(c.values)) << c.header;
    EXPECT_FALSE(r.halted()) << c.header;
  }
}

TEST(ForPasses, NameListsFollowTheToConvention) {
  const PassCase cases[] = {
      {"V = X1 TO X3", {"X1", "X2", "X3"}},
      {"V = A B C", {"A", "B", "C"}},
      {"V = ITEM08 TO ITEM10 Z", {"ITEM08", "ITEM9", "ITEM10", "Z"}},
      {"V = X5 TO X5 Y", {"X5", "Y"}},
      {"V = _X1 TO _X3", {"_X1", "_X2", "_X3"}},
      {"V = X12", {"X12"}},
  };
  for (const PassCase& c : cases) {
    ForRun r(std::string("$FOR ") + c.header + " $RUN NAME = V ; $ENDFOR $END");
    EXPECT_THAT(valuesOf(r), ElementsAreArray(c.values)) << c.header;
    EXPECT_THAT(r.messages(), IsEmpty()) << c.header;
  }
}

TEST(ForPasses, IncorrectToConventionWarnsAndTakesTheEndName) {
  ForRun r("$FOR V = A TO F\n$RUN NAME = V ; $ENDFOR $END");
  EXPECT_THAT(valuesOf(r), ElementsAre("A", "F"));
  std::vector<std::string> messages = r.messages();
  // The counting reader warns once, and so does the pass that takes F.
  const std::string warning =
      " **Warning** Incorrect use of TO Convention : A       TO      F       ";
  const std::string atLine = "           ---- At line No. _  1_";
  EXPECT_THAT(messages, ElementsAre(warning, atLine, warning, atLine));
}

TEST(ForPasses, DeclaredVariablesRunInDeclarationOrder) {
  ForRun r("$FOR V = V2 TO V4 $RUN NAME = V ; $ENDFOR $END", [](EngineState& st) {
    const char* names[] = {"V1", "V2", "AGE", "V4", "V3"};
    for (const char* n : names) st.VARDIC.VNAME(++st.VARDIC.NVAR) = Name8(n);
  });
  EXPECT_THAT(valuesOf(r), ElementsAre("V2", "AGE", "V4"));
}

TEST(ForPasses, ScalarNamesRunInTableOrder) {
  ForRun r("$FOR V = _MISS TO _NCASES $RUN NAME = V ; $ENDFOR $END", [](EngineState& st) {
    st.SCLTAB.SCLSET(Name8("_NVARS"), 3.0f);
    st.SCLTAB.SCLSET(Name8("_NCASES"), 10.0f);
  });
  EXPECT_THAT(valuesOf(r), ElementsAre("_MISS", "_NVARS", "_NCASES"));
}

TEST(ForPasses, ScalarValuesComeFromTheTableAndUnknownOnesAreReported) {
  ForRun r("$FOR V = ~NVARS ~NONE $RUN NAME = V ; $ENDFOR $END",
           [](EngineState& st) { st.SCLTAB.SCLSET(Name8("_NVARS"), 7.0f); });
  r.run();
  std::vector<std::string> messages = r.messages();
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages[0], " **Error** : Undefined scalar variable : _NONE   ");
  EXPECT_EQ(messages[1], "           ---- At line No. _  1_");
  ASSERT_FALSE(r.passes().empty());
  EXPECT_EQ(r.passes()[0], "$ RUN NAME = 7 ; $");
}

TEST(ForPasses, ListsOfOneHeaderAdvanceTogether) {
  ForRun r("$FOR A = X1 TO X3 ; B = 5 7 9 ;\n$RUN NAME = A B ; $ENDFOR $END");
  r.run();
  EXPECT_THAT(r.passes(), ElementsAre("$ RUN NAME = X1 5 ; $", "$ RUN NAME = X2 7 ; $",
                                      "$ RUN NAME = X3 9 ; $"));
  EXPECT_THAT(r.messages(), IsEmpty());
}

TEST(ForPasses, ShorterSecondListIsReportedAndHaltsWhenItRunsOut) {
  ForRun r("$FOR A = X1 TO X3 ; B = 5 7\n$RUN NAME = A B ; $ENDFOR $END");
  r.run();
  EXPECT_TRUE(r.halted());
  EXPECT_THAT(r.passes(), ElementsAre("$ RUN NAME = X1 5 ; $", "$ RUN NAME = X2 7 ; $"));
  EXPECT_THAT(r.messages(), ElementsAre(" **Error** : The list number  2 has   2 elements",
                                        "             number different from the number of ",
                                        "             elements in list 1 :   3",
                                        "           ---- At line No. _  1_",
                                        " **Halt** : Error in sub. HATSEV delimiter",
                                        "            encountered  . Contact DRESK advisor", "  "));
}

TEST(ForPasses, WholeSymbolsAndQuotedPiecesAreReplaced) {
  ForRun r("$FOR F = OUT $RUN NAME = 'F' 'ABCDEFGHF' FX F ; $ENDFOR $END");
  r.run();
  EXPECT_THAT(r.passes(), ElementsAre("$ RUN NAME = ' OUT ' ' ABCDEFGH OUT ' FX OUT ; $"));
}

TEST(ForPasses, NumberInAQuotedTextKeepsTheTextWhole) {
  // The text's first piece holds the number of pieces: a substituted number
  // must not overwrite it, or the text would run past its closing quote.
  ForRun r("$FOR I = 1 TO 3\n$RUN NAME = 'I' ;\n$ENDFOR\n$END\n");
  r.run(true);
  EXPECT_THAT(r.messages(), IsEmpty());
  EXPECT_FALSE(r.halted());
}

TEST(ForPasses, InnerBlocksRestartOnEveryOuterPassWithOuterValues) {
  ForRun r(
      "$FOR N = 2 3\n"
      "$RUN NAME = N ;\n"
      "$FOR J = 1 TO N\n"
      "$RUN NAME = N J ;\n"
      "$ENDFOR\n"
      "$RUN NAME = AFTER N ;\n"
      "$ENDFOR\n$END\n");
  r.run();
  EXPECT_THAT(
      r.passes(),
      ElementsAre("$ RUN NAME = 2 ; $", "$ RUN NAME = 2 1 ; $", "$ RUN NAME = 2 2 ; $",
                  "$ RUN NAME = AFTER 2 ; $", "$ RUN NAME = 3 ; $", "$ RUN NAME = 3 1 ; $",
                  "$ RUN NAME = 3 2 ; $", "$ RUN NAME = 3 3 ; $", "$ RUN NAME = AFTER 3 ; $"));
  EXPECT_FALSE(r.halted());
}

TEST(ForPasses, EightNestedLevelsRunInside) {
  ForRun r(
      "$FOR A=1 2 $FOR B=1 $FOR C=1 $FOR D=1 $FOR E=1 $FOR F=1 $FOR G=1 $FOR H=X Y\n"
      "$RUN NAME = A H ;\n"
      "$ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $END");
  r.run();
  std::vector<std::string> innermost;
  for (const std::string& pass : r.passes())
    if (pass.find("RUN") != std::string::npos) innermost.push_back(pass);
  EXPECT_THAT(innermost, ElementsAre("$ RUN NAME = 1 X ; $", "$ RUN NAME = 1 Y ; $",
                                     "$ RUN NAME = 2 X ; $", "$ RUN NAME = 2 Y ; $"));
  EXPECT_FALSE(r.halted());
}

}  // namespace
}  // namespace engine::fortest
