// Whole runs of the korva program on the scripts under golden/: each folder
// holds script.dsk, its input files and expected.lst, the expected listing.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/engine/common/golden.h"

namespace datainputtest {
namespace {

namespace fs = std::filesystem;

TEST(DataInputGolden, ListingsOfWholeRuns) {
  const fs::path root = fs::path(BRIX_SOURCE_DIR) / "tests/engine/datainput/golden";
  int folders = 0;
  for (const fs::directory_entry& folder : fs::directory_iterator(root)) {
    SCOPED_TRACE(folder.path().filename().string());
    ++folders;
    enginetest::RunOptions options;
    for (const fs::directory_entry& file : fs::directory_iterator(folder.path())) {
      const std::string name = file.path().filename().string();
      if (name != "script.dsk" && name != "expected.lst")
        options.files[name] = enginetest::readFile(file.path());
    }
    enginetest::KorvaRun run;
    enginetest::runKorva(run, enginetest::readFile(folder.path() / "script.dsk"), options);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.results, "");
    EXPECT_TRUE(
        enginetest::sameListing(run.listing, enginetest::readFile(folder.path() / "expected.lst")));
  }
  EXPECT_GT(folders, 0);
}

}  // namespace
}  // namespace datainputtest
