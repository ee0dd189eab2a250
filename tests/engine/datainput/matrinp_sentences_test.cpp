// The sentences of the MATRINP section: names, counts, cautions, limits,
// CHNSIGN and the files named by FILE.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "engine_run.h"

namespace datainputtest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const char* kAlreadySet =
    " **Caution** : from sentence NVARS of section MATRINP.\n"
    "               Number of variables has been already set.\n"
    "               Last redefinition will be kept together with\n"
    "               preassigned variable names.\n"
    "           ---- At line No. _  2_\n";

TEST(MatrinpSentences, CountsAndNamesWithTheirCautions) {
  EngineRun conflict("$MATRINP NVARS=5;\nNAMES = A B C D;\n$END\n");
  EXPECT_EQ(conflict.messageText(),
            " **Caution** : from sentence NAMES of section MATRINP\n"
            "               There is a conflict between number of variables\n"
            "               computed in 'NAMES' sentence :   4\n"
            "               and number of variables defined previously :   5\n"
            "               Last redefinition will be kept.\n"
            "           ---- At line No. _  2_\n");
  EXPECT_EQ(conflict.st->MATINP.MNVAR, 4);

  EngineRun reset("$MATRINP NAMES = A B C D;\nNCOLS = 3;\n$END\n");
  EXPECT_EQ(reset.messageText(), std::string(kAlreadySet));
  EXPECT_EQ(reset.st->MATINP.MNVAR, 3);
  EXPECT_THAT(trimmed(reset.st->MATINP.MCNAME.first(4)),
              ElementsAre("CVAR1", "CVAR2", "CVAR3", "D"));

  EngineRun rows("$MATRINP NROWS = 2;\nNROWS = 3; ROWNAMES = R1 TO R4;\n$END\n");
  EXPECT_THAT(rows.messageText(), HasSubstr(kAlreadySet));
  EXPECT_THAT(rows.messageText(), HasSubstr("computed in 'NAMES' sentence :   4\n"));
  EXPECT_EQ(rows.st->MATINP.MNROW, 4);
  EXPECT_THAT(trimmed(rows.st->MATINP.MRNAME.first(4)), ElementsAre("R1", "R2", "R3", "R4"));
}

TEST(MatrinpSentences, TooManyColumnsKeepsTheCount) {
  EngineRun run("$MATRINP NVARS = 7;\nNVARS = 201;\n$END\n");
  EXPECT_EQ(run.messageText(),
            " **Error** : The number of variables defined in sentence\n"
            "            NVARS :   201 is greater than :   200\n"
            "           ---- At line No. _  2_\n");
  EXPECT_EQ(run.st->MATINP.MNVAR, 7);

  EngineRun names("$MATRINP NAMES = X1 TO X201;\n$END\n");
  EXPECT_EQ(names.messageText(),
            " **Error** : The number of variables defined in sentence\n"
            "            NAMES is greater than :   200\n"
            "           ---- At line No. _  1_\n");
  EXPECT_EQ(names.st->MATINP.MNVAR, 0);
}

// Limits that would overflow a table or clash with the engine's own files
// are refused with a message and leave the setting as it was.
TEST(MatrinpSentences, LimitsOfRowsUnitsAndSignChanges) {
  struct Case {
    const char* sentences;
    const char* message;
  } cases[] = {
      {"NROWS = 201;",
       " **Error** : The number of rows defined in sentence\n"
       "            NROWS :   201 is greater than :   200\n"},
      {"ROWNAMES = R1 TO R201;",
       " **Error** : The number of rows defined in sentence\n"
       "            ROWNAMES :   201 is greater than :   200\n"},
      {"UNIT = 7;", " **Error** : Unit    7 is used by the engine itself; choose another unit\n"},
      {"NVARS = 200; CHNSIGN = CVAR1 TO CVAR200 CVAR7;",
       " **Error** : The number of variables defined in sentence\n"
       "            CHNSIGN :   201 is greater than :   200\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentences);
    EngineRun run(std::string("$MATRINP ") + c.sentences + "\n$END\n");
    EXPECT_EQ(run.messageText(), std::string(c.message) + "           ---- At line No. _  1_\n");
    EXPECT_EQ(run.st->MATINP.MNROW, 0);
    EXPECT_EQ(run.st->MATINP.MUNIT, 17);
    EXPECT_EQ(run.st->MATINP.MNCHN, 0);
  }
}

std::string matrix3x3() {
  return "11 12 13\n21 22 23\n31 32 33\n";
}

TEST(MatrinpChnsign, ReversesRowAndColumnOfEachListedVariable) {
  EngineRun run("$MATRINP NVARS=3; FILE='m'; CHNSIGN = CVAR2;\n$END\n", {{"m", matrix3x3()}});
  const float expected[3][3] = {{11, -12, 13}, {-21, 22, -23}, {31, -32, 33}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(run.matrix(i, j), expected[i - 1][j - 1]) << i << j;

  // Reversing the other two variables instead: the elements whose row and
  // column are both listed are negated twice and keep their sign.
  EngineRun two("$MATRINP NVARS=3; FILE='m'; CHNSIGN = CVAR1 CVAR3;\n$END\n", {{"m", matrix3x3()}});
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(two.matrix(i, j), expected[i - 1][j - 1]) << i << j;
}

TEST(MatrinpChnsign, AVariableBeyondTheRowsIsReportedAndKeepsItsSign) {
  EngineRun run("$MATRINP NVARS=3; NROWS=2; FILE='m'; CHNSIGN = CVAR1 CVAR3;\n$END\n",
                {{"m", matrix3x3()}});
  EXPECT_EQ(run.messageText(),
            " **Error** : CHNSIGN variable CVAR3    is column   3 but the matrix\n"
            "             has only   2 rows and   3 columns; its sign is kept\n");
  // Column-major with 2 rows: (1,1) 11, (1,2) 12, (1,3) 13, (2,1) 21 ...
  EXPECT_EQ(run.matrix(1, 1), 11);
  EXPECT_EQ(run.matrix(1, 3), -13);
  EXPECT_EQ(run.matrix(2, 1), -21);
  EXPECT_EQ(run.matrix(2, 3), 23);
}

TEST(MatrinpFiles, WhenTheMatrixFileIsRead) {
  const std::map<std::string, std::string> files = {{"m", matrix3x3()}};
  // No FILE sentence: nothing read, the missing-value interval still appended.
  EngineRun none("$MATRINP NVARS=3; MISSINGS = 9 TO 10 -1;\n$END\n", files);
  EXPECT_EQ(none.st->MATINP.MNMIS, 3);
  EXPECT_EQ(none.st->MATINP.MMIS(1), (engine::MATINP::Interval{9, 10}));
  EXPECT_EQ(none.st->MATINP.MMIS(2), (engine::MATINP::Interval{-1, -1}));
  EXPECT_EQ(none.st->MATINP.MMIS(3), (engine::MATINP::Interval{1.0E38f, 1.0E38f}));
  EXPECT_EQ(none.matrix(1, 1), 0.0f);

  // An error earlier in the run, or EDIT mode: nothing is read.
  for (const char* before : {"$RUN BOGUS;\n", "$RUN EDIT;\n"}) {
    EngineRun skipped(std::string(before) + "$MATRINP NVARS=3; FILE='m';\n$END\n", files);
    EXPECT_EQ(skipped.matrix(1, 1), 0.0f) << before;
  }

  // No count of variables at all.
  EngineRun nocount("$MATRINP FILE='m';\n$END\n", files);
  EXPECT_EQ(nocount.messageText(),
            " **Error** : Bad number of variables :    0\n"
            "             Have you forgotten to use sentence 'NVARS' ?\n"
            "             or sentence 'NAMES' ?\n");
}

TEST(MatrinpFiles, NamesAreUsedWithoutTrailingBlanks) {
  const std::string fortyFive = "abcdefghij0123456789abcdefghij0123456789ABCDE";
  const std::map<std::string, std::string> files = {{"__trel2", matrix3x3()},
                                                    {fortyFive.substr(0, 40), matrix3x3()}};
  EngineRun seven("$MATRINP NVARS=3; FILE='__trel2';\n$END\n", files);
  EXPECT_TRUE(seven.messages().empty());
  EXPECT_EQ(seven.matrix(3, 3), 33);
  EXPECT_EQ(seven.st->MATINP.MFNLEN, 8);

  EngineRun cut("$MATRINP NVARS=3;\nFILE='" + fortyFive + "';\n$END\n", files);
  EXPECT_TRUE(cut.messages().empty()) << cut.messageText();
  EXPECT_EQ(cut.matrix(3, 3), 33);

  EngineRun missing("$MATRINP NVARS=3; FILE='__trel9';\n$END\n");
  EXPECT_EQ(missing.messages().front(), " **Error** : File  __trel9  does not exist.");

  // A name that exists but cannot be read as a file.
  EngineRun directory("$MATRINP NVARS=3; FILE='.';\n$END\n");
  EXPECT_EQ(directory.messages().front(), " **Error** : File  .        cannot be read.");
}

TEST(MatrinpLifecycle, ALaterSectionKeepsItsFormatButReadsListDirected) {
  const std::map<std::string, std::string> files = {{"a", "  1.5  2.5\n"}, {"b", "3 4\n"}};
  EngineRun run(
      "$MATRINP NVARS=2; NROWS=1; FORMAT='(2F5.1)'; FILE='a';\n"
      "$MATRINP NVARS=2; NROWS=1; FILE='b';\n$END\n",
      files);
  EXPECT_TRUE(run.messages().empty()) << run.messageText();
  EXPECT_EQ(std::string(run.st->MATINP.MFMT.data(), 7), "(2F5.1)");
  EXPECT_EQ(run.matrix(1, 2), 4.0f);
}

}  // namespace
}  // namespace datainputtest
