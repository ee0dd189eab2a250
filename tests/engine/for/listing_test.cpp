// Whole runs of korva with FOR blocks compared with expected listings: the
// script golden/name.dsk has its listing name.lst, its standard output
// name.out when the run writes one, and its matrix name.__trel2 when it reads one.
#include <gtest/gtest.h>

#include "tests/engine/common/golden.h"

namespace engine::fortest {
namespace {

namespace fs = std::filesystem;
using enginetest::KorvaRun;
using enginetest::readFile;

const fs::path kGolden = fs::path(BRIX_SOURCE_DIR) / "tests/engine/for/golden";

void runGolden(KorvaRun& run, const std::string& name) {
  const std::string base = (kGolden / name).string();
  enginetest::RunOptions options;
  if (fs::exists(base + ".__trel2")) options.files["__trel2"] = readFile(base + ".__trel2");
  enginetest::runKorva(run, readFile(base + ".dsk"), options);
}

class ForListing : public ::testing::TestWithParam<std::string> {};

TEST_P(ForListing, MatchesExpectedListing) {
  const std::string base = (kGolden / GetParam()).string();
  KorvaRun run;
  runGolden(run, GetParam());
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(enginetest::sameListing(run.listing, readFile(base + ".lst")));
  if (fs::exists(base + ".out")) {
    EXPECT_EQ(run.results, readFile(base + ".out"));
  }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ForListing,
                         ::testing::Values("declared_variables", "endfor_alone", "nested",
                                           "short_list", "ten_serial", "unbalanced", "workbench"),
                         [](const auto& info) { return info.param; });

TEST(ForListing, WorkbenchScriptMapsAllTwelveVariables) {
  KorvaRun run;
  runGolden(run, "workbench");
  EXPECT_NE(run.results.find(" Number of variables ....................  12"), std::string::npos);
  EXPECT_EQ(enginetest::splitLines(run.file("__trel3")).size(), 12u);
}

}  // namespace
}  // namespace engine::fortest
