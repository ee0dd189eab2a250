// The MATRINP section: what it stores in MATINP and the messages it writes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine_run.h"

namespace datainputtest {
namespace {

constexpr float kMiss = 1.0E38f;

std::string workbenchScript(int n) {
  return "$MATRINP NAMES= X1 TO X" + std::to_string(n) +
         " ;\nFILE= '__trel2';\nFORMAT = '(10F8.4)';\n$END\n";
}

TEST(MatrinpWorkbench, ReadsTheMatricesThatThePreprocessorWrites) {
  for (int n : {10, 11, 23}) {
    SCOPED_TRACE(n);
    EngineRun run(workbenchScript(n), {{"__trel2", matrixFile10F84(n)}});
    EXPECT_EQ(run.messageText(), "");
    const engine::MATINP& m = run.st->MATINP;
    ASSERT_EQ(m.MNVAR, n);
    ASSERT_EQ(m.MNROW, n);
    EXPECT_EQ(std::string(m.MCNAME(n).trimmed()), "X" + std::to_string(n));
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j)
        ASSERT_FLOAT_EQ(run.matrix(i, j), i + j / 100.0f) << i << "," << j;
    ASSERT_EQ(m.MNMIS, 1);
    EXPECT_EQ(m.MMIS(1)[0], kMiss);
    EXPECT_EQ(m.MMIS(1)[1], kMiss);
  }
}

TEST(MatrinpWorkbench, ExtraRowsAreNotReadAndShortRowsFail) {
  // Five rows in the file for a 3 x 3 matrix: only three are read, silently.
  EngineRun extra("$MATRINP NVARS=3; FILE='m';\n$END\n",
                  {{"m", "1 2 3\n4 5 6\n7 8 9\n1 1 1\n2 2 2\n"}});
  EXPECT_TRUE(extra.messages().empty());
  EXPECT_FLOAT_EQ(extra.matrix(3, 3), 9.0f);

  // Two rows for three: the message names MNROW, and the rows read stay.
  EngineRun few("$MATRINP NVARS=3; FILE='m'; FORMAT='(3F2.0)';\n$END\n",
                {{"m", " 1 2 3\n 4 5 6\n"}});
  EXPECT_EQ(few.messageText(),
            " **Error** : You try to read more than    3 rows\n"
            "             in the matrix. Please check the matrix\n"
            "             or the input matrix format\n"
            "             or the NROWS sentence (if there is)\n");
  EXPECT_FLOAT_EQ(few.matrix(2, 3), 6.0f);
}

// FREE (or no FORMAT) reads list-directed; any other text is a format, and a
// field that cannot be read (lower-case free as a format, an overflowed F8.4
// field of asterisks) is the matrix-format error.
TEST(MatrinpFormat, FreeListDirectedAndFormatTexts) {
  const char* freeFile = "1, 2\n 3\n4 5 6 extra text\n7 2*8\n";
  struct Case {
    const char* format;
    const char* file;
    bool fails;
    float first, second, last;  // elements (1,1), (2,1), (3,3)
  } cases[] = {
      {"", freeFile, false, 1.0f, 4.0f, 8.0f},
      {"FORMAT='FREE';", freeFile, false, 1.0f, 4.0f, 8.0f},
      {"FORMAT='free';", freeFile, true, 0, 0, 0},
      {"FORMAT='(3F8.4)';",
       "       1       2       3\n4.0     5.0     6.0\n     7.5       8  123456\n", false, 0.0001f,
       4.0f, 12.3456f},
      {"FORMAT='(3F8.4)';", "       1       2       3\n********     5.0     6.0\n", true, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    EngineRun run(std::string("$MATRINP NVARS=3;") + c.format + "FILE='m';\n$END\n",
                  {{"m", c.file}});
    if (c.fails) {
      EXPECT_EQ(run.messageText(),
                " **Error** in data matrix or in input matrix Format\n"
                "           Have you characters instead of numbers\n"
                "           in your matrix ?\n");
      continue;
    }
    EXPECT_TRUE(run.messages().empty()) << run.messageText();
    EXPECT_FLOAT_EQ(run.matrix(1, 1), c.first);
    EXPECT_FLOAT_EQ(run.matrix(2, 1), c.second);
    EXPECT_FLOAT_EQ(run.matrix(3, 3), c.last);
  }
}

}  // namespace
}  // namespace datainputtest
