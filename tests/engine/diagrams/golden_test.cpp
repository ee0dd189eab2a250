// Whole results pages through the korva program: external matrix listings,
// external tables, space and facet diagrams in the wide and narrow layouts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/common/golden.h"

namespace {

using enginetest::KorvaRun;
using enginetest::readFile;
using enginetest::runKorva;
using enginetest::sameListing;

const enginetest::fs::path kGolden =
    enginetest::fs::path(BRIX_SOURCE_DIR) / "tests/engine/diagrams/golden";

struct Case {
  const char* name;  // golden/<name>.dsk, its results in golden/<name>.results
  const char* data;  // the matrix file the script reads
  const char* what;
};

// Each golden page was checked column by column against the layouts of the
// diagrams and tables.
const Case kCases[] = {
    {"similarities33", "similarities33.dat",
     "30 internal variables (two column blocks of the external matrix), three external ones "
     "(one with all coefficients equal), factor 100, external table, the header entry in the "
     "labels, the title under the diagram"},
    {"facets8", "points8.dat",
     "dimensionalities 2 and 3: one and three space diagrams, each facet diagram on the page of "
     "its dimensionality, facet values outside -9..99 as asterisks"},
    {"points60", "points60.dat", "60 points: two label columns, rows 1 to 9 listing two points"},
    {"narrow13", "distances13.dat",
     "LINESIZE 80: narrow headings, diagram and scale, divided by 100 with the note on two "
     "records"},
};

TEST(GoldenPages, ResultsAsLaidOut) {
  for (const Case& c : kCases) {
    KorvaRun run;
    enginetest::RunOptions options;
    options.files[c.data] = readFile(kGolden / c.data);
    runKorva(run, readFile(kGolden / (std::string(c.name) + ".dsk")), options);
    ASSERT_EQ(run.status, 0) << c.name;
    EXPECT_TRUE(sameListing(run.results, readFile(kGolden / (std::string(c.name) + ".results"))))
        << c.name << ": " << c.what;
    EXPECT_NE(run.listing.find("_No errors_"), std::string::npos) << c.name;
  }
}

// An external variable without any present coefficient: its row of the
// external matrix shows "Mis" throughout, then the messages end the run.
TEST(GoldenPages, ExternalVariableWithoutCoefficientsEndsTheRun) {
  KorvaRun run;
  enginetest::RunOptions options;
  options.files["missing5.dat"] = readFile(kGolden / "missing5.dat");
  runKorva(run, readFile(kGolden / "missing5.dsk"), options);
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(sameListing(run.results, readFile(kGolden / "missing5.results")));
  EXPECT_TRUE(sameListing(run.listing, readFile(kGolden / "missing5.lst")));
}

}  // namespace
