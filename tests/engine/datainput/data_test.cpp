// The DATA section: declared variables, labels, missing values, counting and
// reading cases into the workspace, and its messages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "engine_run.h"

namespace datainputtest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr float kMiss = 1.0E38f;
using Interval = engine::DATINP::Interval;

std::string lines(int n, const std::string& line = "1 2") {
  std::string text;
  for (int i = 1; i <= n; ++i) text += line + "\r\n";
  return text;
}

std::string label(const engine::DATINP::Label& l) {
  return std::string(l.data(), l.size());
}

TEST(DataVariables, NvarsDeclaresDefaultNamesAndDefaults) {
  EngineRun run("$DATA NVARS = 3;\n$END\n");
  EXPECT_TRUE(run.messages().empty()) << run.messageText();
  EXPECT_EQ(run.st->VARDIC.NVAR, 3);
  EXPECT_THAT(trimmed(run.st->VARDIC.VNAME.first(3)), ElementsAre("VAR1", "VAR2", "VAR3"));
  EXPECT_EQ(run.st->DATINP.NMISV(3), 1);
  EXPECT_EQ(run.st->DATINP.VMIS(3)[0], (Interval{kMiss, kMiss}));
  EXPECT_EQ(run.st->DATINP.VLFRST(3), 0);
  EXPECT_EQ(run.scalar("_NVARS"), 3.0f);

  EngineRun tooMany("$DATA NVARS = 3;\nNVARS = 2000;\n$END\n");
  EXPECT_EQ(tooMany.messageText(),
            " **Caution** : from sentence NVARS of section DATA.\n"
            "               Number of variables has been already set.\n"
            "               Last redefinition will be kept together with\n"
            "               preassigned variable names.\n"
            "           ---- At line No. _  2_\n"
            " **Error** : The number of variables defined in sentence\n"
            "            NVARS :  2000 is greater than :  1000\n"
            "           ---- At line No. _  2_\n");
  EXPECT_EQ(tooMany.st->VARDIC.NVAR, 2000);
  EXPECT_EQ(tooMany.scalar("_NVARS"), 2000.0f);
  EXPECT_EQ(std::string(tooMany.st->VARDIC.VNAME(1).trimmed()), "VAR1");

  EngineRun conflict("$DATA NVARS = 3;\nNAMES = A B;\n$END\n");
  EXPECT_THAT(conflict.messageText(),
              HasSubstr(" **Caution** : from sentence NAMES of section DATA\n"
                        "               There is a conflict between number "
                        "of variables\n               computed in 'NAMES' "
                        "sentence :   2\n"));
  EXPECT_EQ(conflict.scalar("_NVARS"), 2.0f);
}

TEST(DataVariables, MissingsGroups) {
  EngineRun run("$DATA NAMES = A B Q;\nMISSINGS = A B 9 99 Q 0 TO 5 ;\n$END\n");
  EXPECT_TRUE(run.messages().empty()) << run.messageText();
  const engine::DATINP& d = run.st->DATINP;
  for (int v : {1, 2}) {
    ASSERT_EQ(d.NMISV(v), 3);
    EXPECT_EQ(d.VMIS(v)[0], (Interval{9, 9}));
    EXPECT_EQ(d.VMIS(v)[1], (Interval{99, 99}));
    EXPECT_EQ(d.VMIS(v)[2], (Interval{kMiss, kMiss}));
  }
  ASSERT_EQ(d.NMISV(3), 2);
  EXPECT_EQ(d.VMIS(3)[0], (Interval{0, 5}));
  EXPECT_EQ(d.VMIS(3)[1], (Interval{kMiss, kMiss}));

  // Ten intervals of its own still leave room for the missing-value code.
  EngineRun ten("$DATA NAMES = A;\nMISSINGS = A 1 2 3 4 5 6 7 8 9 10;\n$END\n");
  EXPECT_EQ(ten.st->DATINP.NMISV(1), 11);
  EXPECT_EQ(ten.st->DATINP.VMIS(1)[10], (Interval{kMiss, kMiss}));

  // A range that already holds the code gets no second interval.
  EngineRun holds("$DATA NAMES = A;\nMISSINGS = A 0 TO 1E38;\n$END\n");
  EXPECT_EQ(holds.st->DATINP.NMISV(1), 1);

  EngineRun noValues("$DATA NAMES = A;\nMISSINGS = A ;\n$END\n");
  EXPECT_EQ(noValues.messageText(),
            " **Error** : Value list expected instead of ;\n"
            "           ---- At line No. _  2_\n");
}

TEST(DataVariables, VariableAndCategoryLabels) {
  EngineRun run(
      "$DATA NAMES = A B SEX;\n"
      "VARLABS = A 'Age of the respondent' 'in years' B 'Sex of the respondent, coded';\n"
      "CATLABS = SEX 1 'Male' 2 'Female' A B 0 'None';\n$END\n");
  EXPECT_TRUE(run.messages().empty()) << run.messageText();
  const engine::DATINP& d = run.st->DATINP;
  ASSERT_EQ(d.VLFRST(1), 1);
  EXPECT_EQ(d.VLLAST(1), 2);
  EXPECT_EQ(label(d.VLTEXT(1)), "Age of the respondent   ");
  EXPECT_EQ(label(d.VLTEXT(2)), "in years                ");
  ASSERT_EQ(d.VLFRST(2), 3);
  EXPECT_EQ(d.VLLAST(3), 3);
  EXPECT_EQ(label(d.VLTEXT(3)), "Sex of the respondent, c");
  ASSERT_EQ(d.CLFRST(3), 1);
  EXPECT_EQ(d.CLLAST(1), 2);
  EXPECT_EQ(d.CLVAL(2), 2.0f);
  EXPECT_EQ(label(d.CLTEXT(2)), "Female                  ");
  EXPECT_EQ(d.CLFRST(1), 3);
  EXPECT_EQ(d.CLFRST(2), 3);
  EXPECT_EQ(d.CLLAST(3), 3);
}

TEST(DataVariables, LabelErrors) {
  struct Case {
    const char* sentence;
    const char* message;
    int errors;
  } cases[] = {
      {"CATLABS = SEX ;", " **Error** : Category expected instead of ;", 1},
      // The word is then taken as the next group's variable list.
      {"CATLABS = SEX 1 Male;", " **Error** : ' expected instead of Male    ", 3},
      {"VARLABS = X 'Label';", " **Error** Undeclared Variable : X       ", 1},
      {"VARLABS = SEX Label;", " **Error** : ' expected instead of Label   ", 1},
      {"VARLABS = ;", " **Error** No variable list supplied", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    EngineRun run(std::string("$DATA NAMES = SEX;\n") + c.sentence + "\n$END\n");
    EXPECT_EQ(run.messages().front(), c.message) << run.messageText();
    EXPECT_EQ(run.st->RUNCTL.NERR, c.errors) << run.messageText();
  }
}

TEST(DataVariables, TooManyVariableLabelsStartAgainAtOne) {
  std::string script = "$DATA NAMES = A;\nVARLABS = A\n";
  for (int k = 1; k <= 1501; ++k) script += "'L" + std::to_string(k) + "'\n";
  script += ";\n$END\n";
  EngineRun run(script);
  EXPECT_EQ(run.messages().front(), " **Error** : You have more than 1500 variable labels");
  EXPECT_EQ(run.st->DATINP.NVLAB, 1);
  EXPECT_EQ(label(run.st->DATINP.VLTEXT(1)).substr(0, 6), "L1501 ");
}

TEST(DataSentences, SentencesWithoutEffect) {
  EngineRun accepted("$DATA LABEL x; MAXIMUM 10; MINIMUM x;\n$END\n");
  EXPECT_TRUE(accepted.messages().empty()) << accepted.messageText();
  EngineRun refused("$DATA MAXIMUM = 10;\n$END\n");
  EXPECT_EQ(refused.messages().front(), " **Error** : Missing semicolon delimiter");
}

struct CountCase {
  const char* sentences;
  std::string file;
  int cases;
};

TEST(DataCount, CasesCountedInTheFile) {
  const CountCase cases[] = {
      {"RECORDS = 2;", lines(10), 5},
      {"RECORDS = 2;", lines(11), 5},
      {"", lines(10) + "\x1a\r\n", 10},
      {"FORMAT = 'FREEFORM';", lines(4), 4},
  };
  for (const CountCase& c : cases) {
    SCOPED_TRACE(c.sentences);
    EngineRun run(std::string("$DATA NAMES = A B; FILE = 'd';\n") + c.sentences + "\n$END\n",
                  {{"d", c.file}});
    EXPECT_TRUE(run.messages().empty()) << run.messageText();
    EXPECT_EQ(run.st->DATINP.DNCASE, c.cases);
    EXPECT_EQ(run.scalar("_NCASES"), static_cast<float>(c.cases));
    EXPECT_EQ(run.data(c.cases, 2), 2.0f);
  }
}

TEST(DataRead, CasesWithAFormatAndTheirErrors) {
  EngineRun run("$DATA NAMES = A B C; FORMAT = '(F2.0,1X,2F3.1)'; FILE = 'd';\n$END\n",
                {{"d", " 1 12 34\r\n 2 56 78\r\n"}});
  EXPECT_TRUE(run.messages().empty()) << run.messageText();
  EXPECT_EQ(run.data(2, 1), 2.0f);
  EXPECT_FLOAT_EQ(run.data(1, 3), 3.4f);
  EXPECT_FLOAT_EQ(run.data(2, 2), 5.6f);

  EngineRun tooMany("$DATA NAMES = A B; NCASES = 12; FILE = 'd';\n$END\n", {{"d", lines(10)}});
  EXPECT_EQ(tooMany.messageText(),
            " **Error** : The number of cases specified\n"
            "             in NCASES sentence is greater\n"
            "             than it is really\n");
  EXPECT_EQ(tooMany.scalar("_NCASES"), 12.0f);

  EngineRun counted("$DATA NAMES = A B; FORMAT = '(F2.0/F2.0)'; FILE = 'd';\n$END\n",
                    {{"d", lines(10, " 1")}});
  EXPECT_EQ(counted.messages().size(), 14u);
  EXPECT_EQ(counted.messages()[0], " **Error** : The error can be one of the followings :");
  EXPECT_EQ(counted.messages()[13], "             wrong.");

  EngineRun records("$DATA NAMES = A B; RECORDS = 1001; FILE = 'd';\n$END\n", {{"d", lines(3)}});
  EXPECT_EQ(records.messageText(),
            " **Error** : Wrong value for number of records per case\n"
            "             Check your RECORDS sentence in DATA section\n");
  EXPECT_EQ(records.st->DATINP.DNCASE, -1);

  EngineRun letters("$DATA NAMES = A B; FILE = 'd';\n$END\n", {{"d", "1 2\r\nx y\r\n"}});
  EXPECT_EQ(letters.messages().front(), " **Error** in reading data");
  EXPECT_EQ(letters.messages().size(), 11u);
}

TEST(DataRead, ASecondSectionUsesTheCasesCountedBefore) {
  EngineRun run(
      "$DATA NAMES = A B; FILE = 'd';\n"
      "$DATA FILE = 'e';\n$END\n",
      {{"d", lines(3)}, {"e", lines(5, "7 8")}});
  EXPECT_TRUE(run.messages().empty()) << run.messageText();
  EXPECT_EQ(run.st->DATINP.DNCASE, 3);
  EXPECT_EQ(run.data(3, 2), 8.0f);
}

TEST(DataRead, ThroughAScanListWithRecordsAndColumns) {
  const std::string file =
      "ab1 12345678\r\n"
      "42\r\n"
      "skipped\r\n"
      "cd2 9       \r\n"
      "7\r\n"
      "skipped\r\n";
  EngineRun run(
      "$DATA NAMES = ID 1-3 (A) X1 TO X2 5-12 (2) / AGE 1-2; RECORDS = 3;\n"
      "BLANK = -1; FILE = 'd';\n$END\n",
      {{"d", file}});
  EXPECT_TRUE(run.messages().empty()) << run.messageText();
  ASSERT_EQ(run.st->DATINP.DNCASE, 2);
  EXPECT_FLOAT_EQ(run.data(1, 2), 12.34f);
  EXPECT_FLOAT_EQ(run.data(1, 3), 56.78f);
  EXPECT_EQ(run.data(1, 4), 42.0f);
  EXPECT_FLOAT_EQ(run.data(2, 2), 0.09f);
  EXPECT_EQ(run.data(2, 3), -1.0f);
  EXPECT_EQ(run.data(2, 4), 7.0f);
  EXPECT_EQ(std::string(run.st->DATINP.DFORM.data(), 20), "(t1,a,/,t1,a,/)     ");

  EngineRun fewer("$DATA NAMES = A 1 / B 1 / C 1; RECORDS = 2; FILE = 'd';\n$END\n", {{"d", file}});
  EXPECT_EQ(fewer.messageText(),
            " **Error** : Number of records defined in RECORDS sentence :  2\n"
            "             is less than number of records found in NAMES sentence :  3\n"
            "           ---- At line No. _  2_\n");
}

TEST(DataRead, RequestsBeyondTheWorkspace) {
  EngineRun run("$DATA NVARS = 1000; NCASES = 7000; FILE = 'd';\n$END\n", {{"d", lines(1)}});
  EXPECT_EQ(run.messageText(),
            " **Error** : The data memory requested : 7000000\n"
            "             is greater than the maximum allowed : 6500000\n");
  EXPECT_EQ(run.scalar("_NCASES"), 7000.0f);
}

}  // namespace
}  // namespace datainputtest
