// Scan lists: parsing names with record and column positions, the reading
// plan built from them, and reading fields through it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/scanlist/scanplan.h"
#include "engine_run.h"

namespace datainputtest {
namespace {

using engine::ScanSpec;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr int kChar = engine::SPDEC_CHARACTER;

struct Placed {
  int column, first, last;
  bool operator==(const Placed&) const = default;
};

std::vector<Placed> placed(const engine::ScanPlan& plan) {
  std::vector<Placed> out;
  for (const engine::ScanField& f : plan.fields) out.push_back({f.column, f.first, f.last});
  return out;
}

TEST(ScanPlan, RecordFormatAndBufferLayout) {
  struct Case {
    std::vector<ScanSpec> variables;
    int nrec;
    const char* format;
    std::vector<int> segments;
    std::vector<Placed> fields;
  } cases[] = {
      {{{1, 1, 3, kChar}, {1, 5, 6, 0}, {2, 10, 12, 0}},
       2,
       "(t1,a,/,t10,a)",
       {6, 3},
       {{1, 1, 3}, {2, 5, 6}, {3, 7, 9}}},
      {{{3, 1, 1, 0}}, 4, "(2(/),t1,a,/)", {1}, {{1, 1, 1}}},
      {{{2, 1, 2, 0}}, 2, "(/,t1,a)", {2}, {{1, 1, 2}}},
      {{{1, 5, 6, 0}, {1, 1, 2, 0}}, 1, "(t1,a)", {6}, {{1, 5, 6}, {2, 1, 2}}},
      // Out of record order: read in record order, stored in name order.
      {{{3, 1, 2, 0}, {1, 3, 4, 0}, {3, 7, 7, 0}},
       3,
       "(t3,a,2(/),t1,a)",
       {2, 7},
       {{2, 1, 2}, {1, 3, 4}, {3, 9, 9}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    const engine::ScanPlan plan = engine::SCNPLN(c.variables, c.nrec);
    EXPECT_EQ(plan.recordFormat, c.format);
    EXPECT_EQ(plan.segmentLengths, c.segments);
    EXPECT_EQ(placed(plan), c.fields);
  }
}

TEST(ScanPlan, ConversionFormats) {
  struct Case {
    ScanSpec field;
    const char* format;
  } cases[] = {
      {{1, 3, 10, 2}, "(f08.02)"},
      {{1, 1, 3, kChar}, "(a00003)"},
      {{1, 1, 100, 0}, "(f**.00)"},  // too wide to convert: every field is illegal
  };
  for (const Case& c : cases) EXPECT_EQ(engine::conversionFormat(c.field), c.format);
}

std::vector<ScanSpec> specs(const engine::MATINP& m) {
  std::vector<ScanSpec> out;
  for (const ScanSpec& s : m.MSPEC.first(m.MNVAR)) out.push_back(s);
  return out;
}

MATCHER_P4(FieldAt, rec, first, last, dec, "") {
  return arg.SPREC == rec && arg.SPFRST == first && arg.SPLAST == last && arg.SPDEC == dec;
}

TEST(ScanParse, NamesWithRecordsAndColumns) {
  EngineRun run("$MATRINP NAMES = ID 1-3 (A) X1 TO X4 5-20 (2) / AGE 1-2 ;\n$END\n");
  const engine::MATINP& m = run.st->MATINP;
  EXPECT_THAT(trimmed(m.MCNAME.first(m.MNVAR)), ElementsAre("ID", "X1", "X2", "X3", "X4", "AGE"));
  EXPECT_THAT(specs(m),
              ElementsAre(FieldAt(1, 1, 3, kChar), FieldAt(1, 5, 8, 2), FieldAt(1, 9, 12, 2),
                          FieldAt(1, 13, 16, 2), FieldAt(1, 17, 20, 2), FieldAt(2, 1, 2, 0)));
  EXPECT_EQ(m.MNREC, 2);
  EXPECT_EQ(m.MSCAN, 1);
  EXPECT_EQ(m.FREEFM, 0);

  EngineRun jump("$MATRINP NAMES = A B 1-4 #3 Q 7 5(/) ;\n$END\n");
  const engine::MATINP& j = jump.st->MATINP;
  EXPECT_THAT(specs(j), ElementsAre(FieldAt(1, 1, 2, 0), FieldAt(1, 3, 4, 0), FieldAt(3, 7, 7, 0)));
  EXPECT_EQ(j.MNREC, 8);

  EngineRun even("$MATRINP NAMES = X1 TO X10 1-80 ;\n$END\n");
  EXPECT_THAT(specs(even.st->MATINP)[9], FieldAt(1, 73, 80, 0));

  EngineRun plain("$MATRINP NAMES = X1 TO X10 ;\n$END\n");
  EXPECT_EQ(plain.st->MATINP.MNVAR, 10);
  EXPECT_EQ(plain.st->MATINP.MSCAN, 0);
  EXPECT_EQ(plain.st->MATINP.MNREC, 1);
  EXPECT_EQ(plain.st->MATINP.FREEFM, 1);
}

TEST(ScanParse, Errors) {
  struct Case {
    const char* list;
    const char* message;
  } cases[] = {
      {"A B Q 1-10", " **Error** :  Range does not fit number of variables; About Q       "},
      {"A 1-2 B", " **Error** :  Missing specifications for last variable list; About B       "},
      {"A 1-X", " **Error** : X        Not a number"},
      {"# Y A 1", " **Error** : Y        Not a number"},
      {"2 x / A 1", " **Error** : x        instead of ("},
      {"2 ( X A 1", " **Error** : X        instead of /"},
      {"A 1-2 (B)", " **Error** : 'A' character or integer number instead of B       "},
      {"#0 A 1", " **Error** : Record number          0 is not between 1 and 99999"},
      {"A 5-3", " **Error** : Columns          5 to          3 are not a range within 1 to 99999"},
      {"A 0-3", " **Error** : Columns          0 to          3 are not a range within 1 to 99999"},
      // A group without a single good name: its columns are not shared out.
      {"TO 1-4", " **Error** in Syntax of TO-list : TO              "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    EngineRun run(std::string("$MATRINP NAMES = ") + c.list + " ;\n$END\n");
    EXPECT_THAT(run.messages(), ::testing::Contains(c.message)) << run.messageText();
    EXPECT_EQ(run.st->RUNCTL.NERR, 1) << run.messageText();
  }
}

// Fields of 4 columns with two decimals: an implied decimal point, a written
// one, a blank field (the section's blank value) and an illegal one.
TEST(ScanRead, FieldConversions) {
  EngineRun run(
      "$MATRINP NAMES = A B C D 1-16 (2) / E 3-8 (A) F 1-2 (A); BLANK = -5;\n"
      "NROWS = 1; FILE = 'm';\n$END\n",
      {{"m", "  121.5     12a4\nABCDEFGHIJ\n"}});
  EXPECT_EQ(run.messageText(), " **Warning** : Illegal data in variable D        case no.     1\n");
  EXPECT_FLOAT_EQ(run.matrix(1, 1), 0.12f);
  EXPECT_FLOAT_EQ(run.matrix(1, 2), 1.5f);
  EXPECT_FLOAT_EQ(run.matrix(1, 3), -5.0f);
  EXPECT_EQ(run.matrix(1, 4), 1.0E38f);
  char text[4];
  const float e = run.matrix(1, 5);
  std::memcpy(text, &e, 4);
  EXPECT_EQ(std::string(text, 4), "EFGH");  // the last four of CDEFGH
  const float f = run.matrix(1, 6);
  std::memcpy(text, &f, 4);
  EXPECT_EQ(std::string(text, 4), "AB  ");
  EXPECT_EQ(std::string(run.st->MATINP.MFMT.data(), 15), "(t1,a,/,t1,a)  ");
}

TEST(ScanRead, WarningsStopAfterTheTenth) {
  std::string file;
  for (int i = 0; i < 11; ++i) file += "x\n";
  EngineRun run("$MATRINP NAMES = A 1; NROWS = 11; FILE = 'm';\n$END\n", {{"m", file}});
  std::vector<std::string> expected;
  for (int i = 1; i <= 10; ++i) {
    char line[80];
    std::snprintf(line, sizeof line,
                  " **Warning** : Illegal data in variable A        case no. %5d", i);
    expected.push_back(line);
  }
  expected.push_back(" **Caution** : No more than  10 warnings reported");
  EXPECT_THAT(run.messages(), ElementsAreArray(expected));
  EXPECT_EQ(run.matrix(11, 1), 1.0E38f);
}

TEST(ScanRead, ACaseCutShortByTheEndOfTheFile) {
  EngineRun run("$MATRINP NAMES = A 1 / B 1; NROWS = 2; FILE = 'm';\n$END\n", {{"m", "1\n2\n3\n"}});
  EXPECT_EQ(run.messageText(),
            " **Error** : The number of cases specified\n"
            "             in NCASES sentence is greater\n"
            "             than it is really\n");
  EXPECT_EQ(run.matrix(1, 2), 2.0f);
}

}  // namespace
}  // namespace datainputtest
