// The eleven-line script that the workbench writes: one pass, in which both
// the matrix input and the procedure section receive X1 TO X12.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/engine/for/for_run.h"

namespace engine::fortest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* const kWorkbenchScript =
    "$FOR XN = X12\r\n"
    "$MATRINP NAMES= X1 TO XN ;\r\n"
    "         FILE= '__trel2';\r\n"
    "         FORMAT = '(10F8.4)';\r\n"
    "$KORVA NAMES = X1 TO XN ;\r\n"
    "         DATA = DISSIM ;\r\n"
    "         MINDIM = 2 ;\r\n"
    "         MAXDIM = 2 ;\r\n"
    "         OUTPUT COORD / FILE = '__trel3' ;\r\n"
    "$ENDFOR\r\n"
    "$END\r\n";

TEST(WorkbenchScript, OnePassHandsX1ToX12ToBothSections) {
  ForRun r(kWorkbenchScript);
  r.run();
  EXPECT_THAT(
      r.passes(),
      ElementsAre("$ MATRINP NAMES = X1 TO X12 ; FILE = ' __trel2 ' ; FORMAT = ' (10F8.4) ' ; "
                  "$ KORVA NAMES = X1 TO X12 ; DATA = DISSIM ; MINDIM = 2 ; MAXDIM = 2 ; "
                  "OUTPUT COORD / FILE = ' __trel3 ' ; $"));
  EXPECT_THAT(r.codes(), ElementsAre("{", "}"));
  EXPECT_THAT(r.messages(), IsEmpty());
  EXPECT_FALSE(r.halted());
  // The run goes on after the block with the closing section.
  const SymbolTable& s = r.state().SYMTAB;
  EXPECT_EQ(s.SYM(s.IPOS), Name8("$"));
  EXPECT_EQ(s.SYM(s.IPOS + 1), Name8("END"));
}

}  // namespace
}  // namespace engine::fortest
