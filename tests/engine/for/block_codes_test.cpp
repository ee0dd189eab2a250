// Block codes: how FOR and ENDFOR words are paired, and the coding errors.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/for/for_blocks.h"
#include "tests/engine/for/for_run.h"

namespace engine::fortest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct CodeCase {
  const char* script;
  std::vector<std::string> codes;
};

TEST(BlockCodes, PairEveryForWithItsEndforByNestingAndOrder) {
  const CodeCase cases[] = {
      {"$FOR I = 1 $RUN ; $ENDFOR $END", {"{", "}"}},
      {"$for I = 1 $RUN ; $endfor $END", {"{", "}"}},
      {"$FOR I=1 $FOR J=1 $FOR K=1 $ENDFOR $FOR K=1 $ENDFOR $ENDFOR\n$FOR J=1 $ENDFOR $ENDFOR",
       {"{", "{1", "{11", "}11", "{12", "}12", "}1", "{2", "}2", "}"}},
      // Without a "$" before it, FOR is no block delimiter inside a block.
      {"$FOR I = 1 $RUN NAME FOR ENDFOR ; $ENDFOR", {"{", "}"}},
      // The outermost FOR needs no "$".
      {"FOR I = 1 $RUN ; $ENDFOR", {"{", "}"}},
      {"$FOR A=1 $FOR B=1 $FOR C=1 $FOR D=1 $FOR E=1 $FOR F=1 $FOR G=1 $FOR H=1 $RUN ;\n"
       "$ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR",
       {"{", "{1", "{11", "{111", "{1111", "{11111", "{111111", "{1111111", "}1111111", "}111111",
        "}11111", "}1111", "}111", "}11", "}1", "}"}},
  };
  for (const CodeCase& c : cases) {
    ForRun r(c.script);
    int k = FNDFOR(r.state(), 1);
    int e = -1;
    CODFOR(r.state(), k, e);
    EXPECT_THAT(r.codes(), ElementsAreArray(c.codes)) << c.script;
    EXPECT_EQ(r.state().SYMTAB.SYM(e), Name8("}")) << c.script;
    EXPECT_THAT(r.messages(), ElementsAre()) << c.script;
  }
}

TEST(BlockCodes, FindForLooksFromThePositionOnInAnyCase) {
  ForRun r("$RUN ; $For I = 1 $RUN ; $ENDFOR $FOR J = 2 $ENDFOR");
  int first = FNDFOR(r.state(), 1);
  EXPECT_EQ(first, 5);
  EXPECT_EQ(FNDFOR(r.state(), first + 1), 15);
  EXPECT_EQ(FNDFOR(r.state(), 16), 0);
}

TEST(BlockCodes, NinthNestedBlockReusesTheLongestCode) {
  ForRun r(
      "$FOR A=1 $FOR B=1 $FOR C=1 $FOR D=1 $FOR E=1 $FOR F=1 $FOR G=1 $FOR H=1 $FOR I=1\n"
      "$RUN ; $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR $ENDFOR\n");
  int e = 0;
  CODFOR(r.state(), FNDFOR(r.state(), 1), e);
  EXPECT_THAT(r.messages(), ElementsAre(" **Error** More than 8 nested FOR ... ENDFOR Blocks",
                                        "           ---- At line No. _  1_"));
  EXPECT_EQ(r.state().RUNCTL.NERR, 1);
  std::vector<std::string> codes = r.codes();
  ASSERT_GE(codes.size(), 9u);
  EXPECT_EQ(codes[7], "{1111111");
  EXPECT_EQ(codes[8], "{1111111");
}

TEST(BlockCodes, TenthSerialBlockIsReportedAndLeftUncoded) {
  std::string script = "$FOR I = 1\n";
  for (int b = 1; b <= 10; ++b) script += "$FOR J = 1 $RUN ; $ENDFOR\n";
  script += "$ENDFOR\n$END\n";
  ForRun r(script);
  int e = 0;
  CODFOR(r.state(), FNDFOR(r.state(), 1), e);
  EXPECT_THAT(r.messages(), ElementsAre(" **Error** More than 9 serial FOR ... ENDFOR Blocks",
                                        "           inside a FOR ...ENDFOR Block",
                                        "           ---- At line No. _  1_"));
  // The tenth block keeps its FOR and is closed like the ninth, so that the
  // outermost ENDFOR is still found.
  std::vector<std::string> codes = r.codes();
  ASSERT_EQ(codes.size(), 21u);
  EXPECT_EQ(codes[17], "{9");
  EXPECT_EQ(codes[18], "}9");
  EXPECT_EQ(codes[19], "}9");
  EXPECT_EQ(codes[20], "}");
  EXPECT_EQ(r.state().SYMTAB.SYM(e), Name8("}"));
}

TEST(BlockCodes, UnbalancedBlockLeavesTheEndUnset) {
  ForRun r("$FOR I = 1\n$RUN ;\n$END\n");
  int e = 0;
  CODFOR(r.state(), FNDFOR(r.state(), 1), e);
  EXPECT_EQ(e, 0);
  EXPECT_THAT(r.messages(), ElementsAre(" **Error** Unbalanced FOR ... ENDFOR block,begining",
                                        "           ---- At line No. _  1_"));
}

}  // namespace
}  // namespace engine::fortest
