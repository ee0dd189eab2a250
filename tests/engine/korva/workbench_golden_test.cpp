// The workbench's whole analysis script on a distance matrix made by hand
// from a small table: the results page, the coordinates file, and the
// reading contract that the workbench relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/engine/common/golden.h"

namespace {

using enginetest::readFile;

const std::string kGolden = std::string(BRIX_SOURCE_DIR) + "/tests/engine/korva/golden/";

struct Point {
  int serial;
  double distance, x, y;
};

// The rows of the coordinates table: serial, distance from the centroid, two coordinates.
std::vector<Point> tableRows(const std::string& page) {
  std::vector<Point> points;
  const std::regex row(R"(^  ([ \d]{3}) {8}([ \d.]{6}) {9}([ \d.]{6})   ([ \d.]{6})   $)");
  for (const std::string& line : enginetest::splitLines(page)) {
    std::smatch m;
    if (std::regex_match(line, m, row)) {
      points.push_back({std::stoi(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4])});
    }
  }
  return points;
}

// The numbers of a text in order (a run of digits with an optional point).
std::vector<double> numbersAfter(const std::string& text, const std::string& word) {
  std::vector<double> numbers;
  const std::regex number(R"(\d+(\.\d+)?)");
  const std::string rest = text.substr(text.find(word) + word.size());
  for (auto it = std::sregex_iterator(rest.begin(), rest.end(), number);
       it != std::sregex_iterator(); ++it) {
    numbers.push_back(std::stod(it->str()));
  }
  return numbers;
}

class WorkbenchScript : public ::testing::Test {
 protected:
  void SetUp() override {
    enginetest::RunOptions options;
    options.files["__trel2"] = readFile(kGolden + "workbench.trel2");
    enginetest::runKorva(run, readFile(kGolden + "workbench.dsk"), options);
  }
  enginetest::KorvaRun run;
};

TEST_F(WorkbenchScript, WritesTheResultsPageAndTheCoordinatesFile) {
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(enginetest::sameListing(run.results, readFile(kGolden + "workbench.out")));
  EXPECT_TRUE(enginetest::sameListing(run.file("__trel3"), readFile(kGolden + "workbench.trel3")));
  EXPECT_NE(run.listing.find("_No errors_"), std::string::npos);
  EXPECT_EQ(run.file("__trel3").find('\n'), run.file("__trel3").find("\r\n") + 1);
}

TEST_F(WorkbenchScript, PageNumbersAgreeWithEachOther) {
  const std::vector<Point> points = tableRows(run.results);
  ASSERT_EQ(points.size(), 7u);
  double cx = 0, cy = 0, minX = 1e9, minY = 1e9, top = 0;
  for (const Point& p : points) {
    cx += p.x / 7, cy += p.y / 7;
    minX = std::min(minX, p.x), minY = std::min(minY, p.y), top = std::max({top, p.x, p.y});
  }
  EXPECT_EQ(minX, 0.0);
  EXPECT_EQ(minY, 0.0);
  EXPECT_EQ(top, 100.0);
  // The centroid of the points is the origin of the fitted map.
  for (const Point& p : points)
    EXPECT_NEAR(p.distance, std::hypot(p.x - cx, p.y - cy), 0.02) << p.serial;
  // The coordinates file holds the table's coordinates, one record per point.
  std::istringstream file(run.file("__trel3"));
  for (const Point& p : points) {
    double x = 0, y = 0;
    file >> x >> y;
    EXPECT_EQ(x, p.x);
    EXPECT_EQ(y, p.y);
  }
}

TEST_F(WorkbenchScript, KeepsTheReadingContractOfTheWorkbench) {
  const std::vector<double> afterVariables = numbersAfter(run.results, "variables");
  ASSERT_FALSE(afterVariables.empty());
  EXPECT_EQ(afterVariables[0], 7);
  const std::vector<double> afterAlienation = numbersAfter(run.results, "Alienation");
  // The workbench takes K, the two axis numbers and four numbers per point;
  // the space diagram follows them.
  ASSERT_GE(afterAlienation.size(), 3u + 7u * 4u);
  EXPECT_GT(afterAlienation[0], 0.0);
  EXPECT_LT(afterAlienation[0], 1.0);
  EXPECT_EQ(afterAlienation[1], 1);
  EXPECT_EQ(afterAlienation[2], 2);
  for (int p = 0; p < 7; ++p) EXPECT_EQ(afterAlienation[3 + 4 * p], p + 1);
}

}  // namespace
