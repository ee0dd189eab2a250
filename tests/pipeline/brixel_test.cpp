// The pipeline script: with stand-in engines, what it runs, in which
// directory, what the output holds on success and on each stage's failure;
// then the real programs end to end on an example table.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/pipeline/output_scan.h"
#include "tests/preprocessor/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

// Four observations on the corners of a square; variables x + y and -x.
const char* kInput =
    "  4  2  1        square\r\n"
    "(2F5.0)\r\n"
    "    1    0\r\n"
    "   11  -10\r\n"
    "   11    0\r\n"
    "   21  -10\r\n";
const char* kScript = "$FOR XN = X4\r\n$END\r\n";
const char* kCoordinates =
    "  10.00  10.00\r\n  20.00  10.00\r\n  10.00  20.00\r\n  20.00  20.00\r\n";
const char* kPage =
    " Number of variables ....................    4\r\n"
    " Coefficient of Alienation .............. 0.00000\r\n"
    " Serial    Distance from    Plotted Coordinates\r\n"
    " Number    Centroid            1        2\r\n"
    "    1           7.07          10.00    10.00\r\n"
    "    2           7.07          20.00    10.00\r\n"
    "    3           7.07          10.00    20.00\r\n"
    "    4           7.07          20.00    20.00\r\n";
const char* kArrows =
    " VARIABLES    2\r\n"
    " GRAVITY    15.0000   15.0000\r\n"
    " CORRELATIONS\r\n"
    "    1    1.0000   45.0000\r\n"
    "    2    1.0000  180.0000\r\n"
    " AVERAGE    1.0000\r\n";
const char* kStale = "STALE variables 9 Alienation 0.5 VARIABLES 9\r\n";

// Stand-in engines: each is a shell script installed as korva.
const char* kGoodEngine =
    "#!/bin/sh\n"
    "[ -f __trel2 ] || { echo \"korva: no __trel2 in $(pwd)\" >&2; exit 9; }\n"
    "cat >korva.stdin\n"
    "printf '%s\\n' \"$#\" \"$1\" >korva.args\n"
    "here=$(dirname \"$0\")\n"
    "cat \"$here/page\"\n"
    "cp \"$here/coordinates\" __trel3\n";
const char* kCrashingEngine = "#!/bin/sh\necho 'korva: out of memory' >&2\nexit 3\n";
const char* kEngineWithErrors =
    "#!/bin/sh\n"
    "printf ' Number of variables ....................    4\\r\\n'\n"
    "printf ' **Error** Unknown keyword\\r\\n           ---- At line No. _  3_\\r\\n"
    "  all well\\r\\n' >\"$1\"\n";

bool endsEveryLineWithCrLf(const std::string& text) {
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    if (at == 0 || text[at - 1] != '\r') return false;
  return !text.empty() && text.back() == '\n';
}

class Brixel : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir / "bin");
    fs::create_directories(dir / "my work");
    fs::copy_file(fs::path(BRIX_BIN_DIR) / "brixel.sh", dir / "bin/brixel.sh");
    for (const char* program : {"trel", "fendex"})
      fs::create_symlink(fs::path(BRIX_BIN_DIR) / program, dir / "bin" / program);
    dir.write("my work/run one.in", kInput);
    dir.write("my work/run one.dsk", kScript);
    dir.write("my work/run one.out", kStale);
    dir.write("my work/__trel2", kStale);
    dir.write("my work/__trel3", kStale);
    dir.write("bin/page", kPage);
    dir.write("bin/coordinates", kCoordinates);
  }

  void installEngine(const char* script) {
    dir.write("bin/korva", script);
    fs::permissions(dir / "bin/korva", fs::perms::owner_all);
  }

  // Runs the script from `cwd` (relative to the scratch directory) with the
  // base and work directory arguments; returns its exit status.
  int runScript(const std::string& cwd, const std::string& base, const std::string& workdir) {
    const std::string command = "cd '" + (dir / cwd).string() + "' && /bin/sh '" +
                                (dir / "bin/brixel.sh").string() + "' '" + base + "' '" + workdir +
                                "' '' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  int runInWorkDir() { return runScript(".", work("run one"), work("")); }

  std::string work(const std::string& name) const { return (dir / "my work" / name).string(); }
  std::string output() const { return dir.read("my work/run one.out"); }

  ScratchDir dir;
};

TEST_F(Brixel, ChainsTheStagesIntoOneOutput) {
  installEngine(kGoodEngine);
  ASSERT_EQ(runInWorkDir(), 0) << output();
  EXPECT_EQ(output(), std::string(kPage) + kArrows);
  EXPECT_EQ(dir.read("my work/korva.stdin"), kScript);
  EXPECT_EQ(dir.read("my work/korva.args"), "1\n__korva.lst\n");
  for (const char* gone : {"run one.out.tmp", "run one.err"})
    EXPECT_FALSE(dir.exists(std::string("my work/") + gone)) << gone;
}

TEST_F(Brixel, EmptyWorkDirectoryMeansTheCurrentOne) {
  installEngine(kGoodEngine);
  ASSERT_EQ(runScript("my work", "run one", ""), 0) << output();
  EXPECT_EQ(output(), std::string(kPage) + kArrows);
}

TEST_F(Brixel, FailingStageLeavesItsDiagnosticAndNothingEarlier) {
  struct Case {
    const char* name;
    const char* engine;
    std::string input;
    const char* coordinates;
    std::vector<std::string> expectedLines;
  };
  const std::string header = std::string(kInput).substr(0, std::string(kInput).find('\n') + 1);
  const std::string bad = header + "(2Q5.0)\r\n";
  const Case cases[] = {
      {"trel",
       kGoodEngine,
       bad,
       kCoordinates,
       {"brixel.sh: trel failed (exit status 1):",
        "trel: " + work("run one.in") + ":2: the data format is not valid"}},
      {"korva",
       kCrashingEngine,
       kInput,
       kCoordinates,
       {"brixel.sh: korva failed (exit status 3):", "korva: out of memory"}},
      {"korva without coordinates",
       kEngineWithErrors,
       kInput,
       kCoordinates,
       {" Number of variables ....................    4",
        "brixel.sh: korva wrote no coordinates (__trel3); see its listing " + work("__korva.lst"),
        " **Error** Unknown keyword", "           ---- At line No. _  3_"}},
      {"fendex",
       kGoodEngine,
       kInput,
       "  10.00  10.00\r\n  20.00  10.00\r\n",
       {" Number of variables ....................    4",
        "brixel.sh: fendex failed (exit status 1):",
        "fendex: __trel3: holds 2 points but " + work("run one.in") + " has 4 observations"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir / "bin");
    fs::remove_all(dir / "my work");
    SetUp();
    installEngine(c.engine);
    dir.write("my work/run one.in", c.input);
    dir.write("bin/coordinates", c.coordinates);
    EXPECT_EQ(runInWorkDir(), 1);
    const std::string out = output();
    EXPECT_EQ(out.find("STALE"), std::string::npos) << out;
    size_t from = 0;
    for (const std::string& line : c.expectedLines) {
      const size_t at = out.find(line, from);
      EXPECT_NE(at, std::string::npos) << "missing, in order: " << line << "\nin:\n" << out;
      if (at != std::string::npos) from = at + line.size();
    }
    EXPECT_TRUE(endsEveryLineWithCrLf(out)) << out;
    for (const char* intermediate : {"my work/__trel2", "my work/__trel3"})
      EXPECT_EQ(dir.read(intermediate).find("STALE"), std::string::npos) << intermediate;
    EXPECT_FALSE(dir.exists("my work/run one.out.tmp"));
    EXPECT_FALSE(dir.exists("my work/run one.err"));
  }
}

TEST_F(Brixel, MissingFilesAndProgramsAreStageFailures) {
  installEngine(kGoodEngine);
  fs::remove(dir / "my work/run one.dsk");
  EXPECT_EQ(runInWorkDir(), 1);
  EXPECT_NE(output().find("brixel.sh: korva failed"), std::string::npos) << output();
  EXPECT_NE(output().find("run one.dsk"), std::string::npos) << output();

  dir.write("my work/run one.dsk", kScript);
  fs::remove(dir / "bin/fendex");
  EXPECT_EQ(runInWorkDir(), 1);
  EXPECT_NE(output().find("brixel.sh: fendex failed (exit status 127)"), std::string::npos);
}

TEST_F(Brixel, UsageAndWorkDirectoryErrors) {
  installEngine(kGoodEngine);
  EXPECT_EQ(runScript(".", "", ""), 2);
  EXPECT_EQ(runScript(".", work("run one"), work("nowhere")), 1);
  EXPECT_NE(output().find("brixel.sh: cannot enter the work directory"), std::string::npos);
}

// The real programs on an example table: the output holds everything the
// workbench reads, where it reads it.
TEST(BrixelEndToEnd, ExampleTableGivesACompleteOutput) {
  ScratchDir dir;
  for (const char* ext : {".in", ".dsk"})
    fs::copy_file(fs::path(BRIX_SOURCE_DIR) / "examples" / (std::string("stackloss") + ext),
                  dir / (std::string("stackloss") + ext));
  const std::string command = "/bin/sh '" + std::string(BRIX_BIN_DIR) + "/brixel.sh' '" +
                              (dir / "stackloss").string() + "' '" + dir.path().string() +
                              "/' '' 2>/dev/null";
  const int status = std::system(command.c_str());
  const std::string out = dir.read("stackloss.out");
  // A build whose engine is still the stand-in program cannot run the
  // script; every other failure counts.
  if (status != 0 && out.find("korva: not built yet") != std::string::npos)
    GTEST_SKIP() << "korva is not built yet; the output says:\n" << out;
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;

  const std::optional<ScannedOutput> scanned = OutputScan(out).scan();
  ASSERT_TRUE(scanned.has_value()) << out;
  const ScannedOutput& s = *scanned;
  ASSERT_EQ(s.pointCount, 21);
  EXPECT_GE(s.alienation, 0.0);
  EXPECT_LE(s.alienation, 1.0);
  EXPECT_EQ(s.axes[0], 1.0);
  EXPECT_EQ(s.axes[1], 2.0);
  double sumX = 0, sumY = 0;
  for (int i = 0; i < s.pointCount; ++i) {
    EXPECT_EQ(s.serial[i], i + 1);
    EXPECT_GE(s.x[i], 0.0);
    EXPECT_LE(s.x[i], 100.0);
    EXPECT_GE(s.y[i], 0.0);
    EXPECT_LE(s.y[i], 100.0);
    sumX += s.x[i];
    sumY += s.y[i];
  }
  ASSERT_EQ(s.variableCount, 4);
  EXPECT_NEAR(s.gravity[0], sumX / 21, 0.01);
  EXPECT_NEAR(s.gravity[1], sumY / 21, 0.01);
  double sum = 0;
  for (int j = 0; j < 4; ++j) {
    EXPECT_GE(s.correlation[j], 0.0);
    EXPECT_LE(s.correlation[j], 1.0);
    EXPECT_GE(s.angle[j], 0.0);
    EXPECT_LT(s.angle[j], 360.0);
    sum += s.correlation[j];
  }
  EXPECT_NEAR(s.average, sum / 4, 1e-4);
}

}  // namespace
