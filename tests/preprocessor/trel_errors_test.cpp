// trel on faulty input: which line and problem it reports, its exit status,
// and that no distance matrix is left that could pass for this run's result.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/preprocessor/scratch_dir.h"
#include "tests/preprocessor/trel_runner.h"

namespace {

using Lines = std::vector<std::string>;

struct Case {
  const char* name;
  Lines input;
  long line;
  const char* problem;
};

const Case kCases[] = {
    {"EmptyFile", {}, 1, "the file is empty; expected the header line"},
    {"HeaderNotNumeric", {"  3 x2  1"}, 1, "the header does not fit the layout"},
    {"NoObservations", {"  0  2  1", "(2F4.0)"}, 1, "N = 0 observations is outside 1 to 255"},
    {"TooManyObservations", {"256  2  1", "(2F4.0)"}, 1, "N = 256 observations is outside"},
    {"OneObservation", {"  1  2  1", "(2F4.0)", "   1   2"}, 1, "N = 1: at least two"},
    {"NoVariables", {"  3  0  1", "(2F4.0)"}, 1, "K = 0 variables is outside 1 to 255"},
    {"TooManyVariables", {"  3300  1", "(2F4.0)"}, 1, "K = 300 variables is outside"},
    {"NoFormatLine", {"  3  2  1"}, 2, "end of file; expected the data format line"},
    {"SecondFormatLineMissing", {"  3  2  1  2", "(2F4.0)"}, 3, "expected two data format"},
    {"InvalidFormat", {"  3  2  1", "(2Q4.0)", "   1   2"}, 2, "the data format is not valid"},
    {"DivisorMissing", {"  3  2  1 1", "(2F4.0)"}, 3, "expected the divisor line"},
    {"DivisorZero", {"  3  2  1 1", "(2F4.0)", "   0.", "   1   2"}, 3, "the divisor is 0"},
    {"DivisorNotNumeric", {"  3  2  1 1", "(2F4.0)", "  ten"}, 3, "the divisor does not fit"},
    {"BadDataField",
     {"  3  2  1", "(2F4.0)", "   1   2", "   2 4x5", "   3   9"},
     4,
     "observation 2: a field does not fit the data format (2F4.0)"},
    {"ObservationMissing",
     {"  3  2  1", "(2F4.0)", "   1   2", "   2   4"},
     5,
     "end of file; observation 3 of 3 is missing"},
    {"ConstantVariableScaled",
     {"  3  2  1", "(2F4.0)", "   1   5", "   2   5", "   3   5"},
     0,
     "variable 2 has no spread (its standard deviation is 0), so it cannot be scaled"},
    {"VariableBeyondSinglePrecisionSquares",
     {"  3  2  1", "(2F6.0)", "     1  1E30", "     2 -1E30", "     3  1E30"},
     0,
     "variable 2: its standard deviation cannot be computed, so it cannot be scaled"},
};

class TrelErrors : public testing::TestWithParam<Case> {};

TEST_P(TrelErrors, ReportLineAndProblem) {
  const Case& c = GetParam();
  const TrelOutput out = runTrel(crlfText(c.input));
  ASSERT_FALSE(out.ok);
  EXPECT_EQ(out.problem.line, c.line);
  EXPECT_NE(out.problem.text.find(c.problem), std::string::npos) << out.problem.text;
}

INSTANTIATE_TEST_SUITE_P(Inputs, TrelErrors, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TrelErrors, ConstantVariableIsAcceptedWhenOnlyCentred) {
  const TrelOutput out =
      runTrel(crlfText({"  3  2  11", "(2F4.0)", "   1   5", "   2   5", "   3   5"}));
  ASSERT_TRUE(out.ok) << out.problem.text;
  EXPECT_EQ(crlfLines(out.listing)[5], "     1.000     0.000");
}

// The program around the pass: files, diagnostics and exit status.
class TrelProgram : public testing::Test {
 protected:
  int run(const std::vector<std::string>& args) {
    std::ostringstream err;
    const int status = trel::runProgram(args, dir.path(), err);
    diagnostic = err.str();
    return status;
  }
  void leaveEarlierRun() {
    dir.write("__trel1", "earlier listing\r\n");
    dir.write("__trel2", "  0.0000  9.9999\r\n  9.9999  0.0000\r\n");
  }
  ScratchDir dir;
  std::string diagnostic;
};

// The whole file name counts, however long the work directory's path is.
TEST_F(TrelProgram, WritesListingAndMatrix) {
  leaveEarlierRun();
  const std::string name = "a table file whose name alone is longer than fifty characters.in";
  dir.write(name, crlfText({"  2  1  1", "(F4.0)", "   1", "   3"}));
  EXPECT_EQ(run({(dir / name).string()}), 0);
  EXPECT_EQ(diagnostic, "");
  EXPECT_EQ(dir.read("__trel2"), "  0.0000  1.4142\r\n  1.4142  0.0000\r\n");
  EXPECT_EQ(dir.read("__trel1").substr(0, 9), "   N=   2");
  EXPECT_FALSE(dir.exists("__trel2.part"));
}

TEST_F(TrelProgram, FailureInDataKeepsOnlyThisRunsListing) {
  leaveEarlierRun();
  const std::string file = (dir / "bad.in").string();
  dir.write("bad.in", crlfText({"  3  1  1", "(F4.0)", "   1", "   x"}));
  EXPECT_EQ(run({file}), 1);
  EXPECT_EQ(diagnostic,
            "trel: " + file + ":4: observation 2: a field does not fit the data format (F4.0)\n");
  EXPECT_FALSE(dir.exists("__trel2"));
  EXPECT_EQ(crlfLines(dir.read("__trel1")).size(), 1u);  // the header echo of this run
}

TEST_F(TrelProgram, FailuresBeforeAnyOutputRemoveEarlierResults) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string diagnosticStart;
  };
  const std::string missing = (dir / "missing.in").string();
  for (const Case& c : {Case{{}, 2, "usage: trel"},
                        Case{{missing}, 1, "trel: " + missing + ": cannot open the file: "}}) {
    leaveEarlierRun();
    EXPECT_EQ(run(c.args), c.status);
    EXPECT_EQ(diagnostic.substr(0, c.diagnosticStart.size()), c.diagnosticStart);
    EXPECT_EQ(diagnostic.find('\n'), diagnostic.size() - 1) << "one line: " << diagnostic;
    EXPECT_FALSE(dir.exists("__trel1"));
    EXPECT_FALSE(dir.exists("__trel2"));
  }
}

}  // namespace
