// Whole runs of korva compared with expected listings: every script in
// golden/ (name.dsk) has its listing (name.lst) and, when the run writes
// results, its standard output (name.out).
#include <gtest/gtest.h>

#include <sstream>

#include "engine/util/sections.h"
#include "tests/engine/common/golden.h"

namespace spinetest {
namespace {

namespace fs = std::filesystem;
using enginetest::KorvaRun;
using enginetest::readFile;

const fs::path kGolden = fs::path(BRIX_SOURCE_DIR) / "tests/engine/spine/golden";

std::vector<std::string> goldenNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kGolden))
    if (entry.path().extension() == ".dsk") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

class GoldenListing : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenListing, MatchesExpectedListing) {
  const fs::path base = kGolden / GetParam();
  KorvaRun run;
  enginetest::runKorva(run, readFile(base.string() + ".dsk"));
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(enginetest::sameListing(run.listing, readFile(base.string() + ".lst")));
  fs::path results = base.string() + ".out";
  EXPECT_EQ(run.results, fs::exists(results) ? readFile(results) : "");
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenListing, ::testing::ValuesIn(goldenNames()),
                         [](const auto& info) { return info.param; });

TEST(Program, WithoutArgumentTheListingGoesToStandardOutput) {
  KorvaRun run;
  enginetest::RunOptions options;
  options.listingArgument = false;
  enginetest::runKorva(run, readFile(kGolden / "run_section.dsk"), options);
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(enginetest::sameListing(run.results, readFile(kGolden / "run_section.lst")));
}

TEST(Program, ListingNameIsCutToTwelveCharacters) {
  KorvaRun run;
  enginetest::RunOptions options;
  options.listingName = "averylongname.lst";
  enginetest::runKorva(run, "$END\n", options);
  EXPECT_TRUE(fs::exists(run.dir / "averylongnam"));
  EXPECT_FALSE(fs::exists(run.dir / "averylongname.lst"));
  EXPECT_NE(run.listing.find("_No errors_"), std::string::npos);
}

TEST(Program, ListingReplacesAnEarlierFile) {
  KorvaRun run;
  enginetest::RunOptions options;
  options.files["listing.lst"] = std::string(10000, 'x');
  enginetest::runKorva(run, "", options);
  EXPECT_EQ(run.listing.find('x'), std::string::npos);
}

TEST(Program, InsufficientMemoryLeavesTheListingEmpty) {
  std::istringstream in("$RUN CHECK ;\n");
  std::ostringstream out, listing;
  int status = engine::runEngine(in, out, &listing, SIZE_MAX / 2);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.str(), " Insufficient memory\r\n");
  EXPECT_EQ(listing.str(), "");
}

// Inputs that are not scripts at all still give a listing and a clean end.
TEST(Program, AnyBytesGiveAListingAndACleanExit) {
  std::string binary;
  for (int k = 0; k < 4096; ++k) binary += static_cast<char>((k * 7919 + 13) % 256);
  const std::string inputs[] = {
      binary,
      std::string("$RUN\0NAME = '\0' ;\0", 19),
      "$RUN NAME = '" + std::string(100000, 'a') + "' ;",
      std::string(100000, '{') + "\n$END",
      "$RUN PAGESIZE = 1E99999999999999 ; LINESIZE = " + std::string(200, '9') + " ;",
      "$RUN CHECK ; $X",  // no final line end
  };
  for (const std::string& input : inputs) {
    KorvaRun run;
    enginetest::runKorva(run, input);
    EXPECT_EQ(run.status, 0) << input.substr(0, 40);
    EXPECT_NE(run.listing.find("D R E S K"), std::string::npos) << input.substr(0, 40);
    bool ended = run.listing.find(" errors_") != std::string::npos ||
                 run.listing.find("_No errors_") != std::string::npos ||
                 run.listing.find(" Error : ") != std::string::npos;
    EXPECT_TRUE(ended) << input.substr(0, 40);
  }
}

}  // namespace
}  // namespace spinetest
