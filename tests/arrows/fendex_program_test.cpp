// The arrow program on files: the table of a preprocessor input with the
// map's coordinates file, and the diagnostics for faulty or mismatched files.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "arrows/fendex_run.h"
#include "tests/preprocessor/scratch_dir.h"

namespace {

// Four observations of two variables: x + y and -x (divided by 10), on the
// corners of a square, so the arrows are exact.
const char* kInput =
    "  4  2  1 1     square\r\n"
    "(2F5.0)\r\n"
    "  10.\r\n"
    "   10    0\r\n"
    "  110 -100\r\n"
    "  110    0\r\n"
    "  210 -100\r\n";
const char* kCoordinates =
    "  10.00  10.00\r\n  20.00  10.00\r\n  10.00  20.00\r\n  20.00  20.00\r\n";

class FendexProgram : public testing::Test {
 protected:
  int run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = fendex::runProgram(args, out, err);
    output = out.str();
    diagnostic = err.str();
    return status;
  }
  std::string path(const char* name) const { return (dir / name).string(); }
  ScratchDir dir;
  std::string output;
  std::string diagnostic;
};

TEST_F(FendexProgram, ArrowsOfTheMappedTable) {
  dir.write("run.in", kInput);
  dir.write("coords", kCoordinates);
  ASSERT_EQ(run({path("run.in"), path("coords")}), 0) << diagnostic;
  EXPECT_EQ(output,
            " VARIABLES    2\r\n"
            " GRAVITY    15.0000   15.0000\r\n"
            " CORRELATIONS\r\n"
            "    1    1.0000   45.0000\r\n"
            "    2    1.0000  180.0000\r\n"
            " AVERAGE    1.0000\r\n");
}

TEST_F(FendexProgram, CoordinatesWithAnyLineEnd) {
  dir.write("run.in", kInput);
  for (const char* text : {"10 10\n20 10\n10 20\n20 20", "10 10\r20 10\r\r10 20\r20 20\r",
                           "\r\n  10 10\r\n20 10\r\n10 20\r\n20 20\r\n\r\n"}) {
    dir.write("coords", text);
    EXPECT_EQ(run({path("run.in"), path("coords")}), 0) << diagnostic;
    EXPECT_NE(output.find(" GRAVITY    15.0000   15.0000\r\n"), std::string::npos);
  }
}

TEST_F(FendexProgram, FaultyFilesAreNamedWithTheirLine) {
  struct Case {
    const char* coordinates;
    std::string diagnostic;
  };
  dir.write("run.in", kInput);
  const std::string coords = path("coords");
  const Case cases[] = {
      {"10 10\n20 10\n10 20\n",
       coords + ": holds 3 points but " + path("run.in") + " has 4 observations"},
      {"10 10\n20 10\n10 20\n20 20\n30 30\n", coords + ": holds 5 points but "},
      {"10 10\n20 10 5\n10 20\n20 20\n", coords + ":2: expected the two coordinates of a point, "
                                                  "found \"20 10 5\""},
      {"10 10\n20 10\n*******  20.00\n20 20\n", coords + ":3: expected the two coordinates"},
      {"10 10\n20 nan\n10 20\n20 20\n", coords + ":2: expected the two coordinates"},
      {"10 10\n10 10\n10 10\n10 10\n",
       coords + " with " + path("run.in") + ": the coordinates have no spread"},
  };
  for (const Case& c : cases) {
    dir.write("coords", c.coordinates);
    EXPECT_EQ(run({path("run.in"), coords}), 1);
    EXPECT_EQ(diagnostic.substr(0, 8 + c.diagnostic.size()), "fendex: " + c.diagnostic);
    EXPECT_EQ(output, "") << "no partial results on standard output";
  }
}

TEST_F(FendexProgram, FaultyInputAndArguments) {
  dir.write("coords", kCoordinates);
  dir.write("bad.in", "  4  2  1\r\n(2F5.0)\r\n   10    0\r\n");
  EXPECT_EQ(run({path("bad.in"), path("coords")}), 1);
  EXPECT_EQ(diagnostic,
            "fendex: " + path("bad.in") + ":4: end of file; observation 2 of 4 is missing\n");
  EXPECT_EQ(run({path("none.in"), path("coords")}), 1);
  EXPECT_EQ(diagnostic.substr(0, 8 + path("none.in").size() + 22),
            "fendex: " + path("none.in") + ": cannot open the file");
  EXPECT_EQ(run({}), 2);
  EXPECT_EQ(diagnostic.substr(0, 13), "usage: fendex");
  EXPECT_EQ(run({"a", "b", "c"}), 2);
}

}  // namespace
