// The FOR processor's limits and halts: lists, saved body symbols, an
// unbalanced block and a pass that ends outside any block.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/engine/for/for_run.h"

namespace engine::fortest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

std::string header(int lists) {
  std::string h;
  for (int k = 1; k <= lists; ++k) h += " V" + std::to_string(k) + " = 1 ;\n";
  return h;
}

// "$FOR I = 1 $RUN NAME = W W ... ; $ENDFOR": a body of words + 7 symbols.
std::string bodyOf(int words) {
  std::string script = "$FOR I = 1\n$RUN NAME =";
  for (int k = 0; k < words; ++k) script += (k % 20 == 0 ? "\n W" : " W");
  return script + " ;\n$ENDFOR\n$END\n";
}

const std::vector<std::string> kTooManyLists = {
    " **Error** : Too many lists in FOR ... ENDFOR's",
    "             The number of lists may not exceed  20", "  "};
const std::vector<std::string> kStackOverflow = {
    " **Error** : FOR ... ENDFOR  stack overflow",
    "             Reduce length or nesting FOR ... ENDFOR", "             blocks", "  "};

struct LimitCase {
  std::string script;
  std::vector<std::string> messages;  // empty: the block runs without a message
};

TEST(ForLimits, ListsAndSavedBodiesHaltWhenTheyOverflow) {
  const LimitCase cases[] = {
      {"$FOR" + header(20) + " $RUN ; $ENDFOR $END", {}},
      {"$FOR" + header(21) + " $RUN ; $ENDFOR $END", kTooManyLists},
      // Lists of all open levels count together.
      {"$FOR" + header(12) + " $FOR" + header(9) + " $RUN ; $ENDFOR $ENDFOR $END", kTooManyLists},
      {bodyOf(492), {}},
      {bodyOf(493), kStackOverflow},
  };
  for (const LimitCase& c : cases) {
    ForRun r(c.script);
    r.run();
    EXPECT_THAT(r.messages(), ElementsAreArray(c.messages)) << c.script.substr(0, 60);
    EXPECT_EQ(r.halted(), !c.messages.empty()) << c.script.substr(0, 60);
  }
}

TEST(ForLimits, NestedBodiesShareTheStack) {
  // The outer body holds the inner one, so both are saved while the inner runs.
  std::string inner = "$FOR J = 1 $RUN NAME =";
  for (int k = 0; k < 240; ++k) inner += (k % 20 == 0 ? "\n W" : " W");
  inner += " ; $ENDFOR";
  ForRun r("$FOR I = 1\n" + inner + "\n$ENDFOR\n$END\n");
  r.run();
  EXPECT_THAT(r.messages(), ElementsAreArray(kStackOverflow));
}

TEST(ForLimits, UnbalancedBlockIsParsedThenHalts) {
  ForRun r("$FOR I = A B\n$RUN CHECK ;\n$END\n");
  r.run(true);
  EXPECT_TRUE(r.halted());
  EXPECT_THAT(r.messages(), ElementsAre(" **Error** Unbalanced FOR ... ENDFOR block,begining",
                                        "           ---- At line No. _  1_",
                                        " **Halt** : Error in subroutine DOFOR. Cannot reach",
                                        "            this point of the program.",
                                        "            Contact DRESK advisor", "  "));
}

TEST(ForLimits, MissingAssignmentSignIsReportedAndTheBlockStillEnds) {
  ForRun r("$FOR I 1 TO 3 ; J = A B\n$RUN ;\n$ENDFOR\n$END\n");
  r.run();
  EXPECT_FALSE(r.halted());
  std::vector<std::string> messages = r.messages();
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages[0], " **Error** : FOR variable-index not followed by IS or ARE or =");
  EXPECT_EQ(messages[1], "           ---- At line No. _  1_");
}

TEST(ForLimits, EmptyListRunsTheBodyOnceAsWritten) {
  ForRun r("$FOR I = ;\n$RUN NAME = I ;\n$ENDFOR\n$END\n");
  r.run();
  EXPECT_THAT(r.passes(), ElementsAre("$ RUN NAME = I ; $"));
  EXPECT_THAT(r.messages(), testing::Contains(" **Error** No variable list supplied"));
}

}  // namespace
}  // namespace engine::fortest
