// The sort of the procedure: the order of equal keys, zero weights, and the
// fast path agreeing with Shell's method.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/korva/shells.h"

namespace engine::korva {
namespace {

std::vector<int32_t> shells(const std::vector<float>& key, const std::vector<float>& wgt) {
  std::vector<int32_t> perm(key.size());
  const int n = static_cast<int>(key.size());
  SHELLS(0, n, Span1<const float>(key.data(), n), Span1<int32_t>(perm.data(), n),
         wgt.empty() ? Span1<const float>() : Span1<const float>(wgt.data(), n));
  return perm;
}

std::vector<int32_t> fast(const std::vector<float>& key, const std::vector<float>& wgt) {
  std::vector<int32_t> perm(key.size());
  const int n = static_cast<int>(key.size());
  SortScratch scratch(n);
  sortByKey(n, Span1<const float>(key.data(), n), Span1<int32_t>(perm.data(), n),
            wgt.empty() ? Span1<const float>() : Span1<const float>(wgt.data(), n), scratch);
  return perm;
}

TEST(Shells, SortsAndLeavesItsOwnOrderOfEqualKeys) {
  struct Case {
    const char* what;
    std::vector<float> key, wgt;
    std::vector<int32_t> perm;
  };
  const Case cases[] = {
      {"all equal keys keep the identity", {2, 2, 2, 2, 2}, {}, {1, 2, 3, 4, 5}},
      {"ascending", {3, 1, 2}, {}, {2, 3, 1}},
      {"zero weights go last", {0.5f, 0.1f, 0.3f, 0.2f}, {0, 1, -0.0f, 1}, {2, 4, 1, 3}},
      // Gap 2 exchanges elements 2 and 4, gap 1 then moves 4 to the front and
      // never exchanges equal keys: the 1s end in the order 1, 3, 2.
      {"equal keys reordered by the gap sequence", {1, 1, 1, 0}, {}, {4, 1, 3, 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shells(c.key, c.wgt), c.perm) << c.what;
    EXPECT_EQ(fast(c.key, c.wgt), c.perm) << c.what;
  }
}

TEST(Shells, PassByPassSortGivesShellsPermutation) {
  std::mt19937 gen(7);
  for (int n : {2, 17, 65, 127, 500, 1001}) {
    for (int distinct : {2, 7, 1000000}) {
      // Keys drawn from `distinct` values, so that equal keys are rare or frequent.
      std::uniform_int_distribution<int> u(0, distinct - 1);
      std::vector<float> key(static_cast<size_t>(n)), wgt(static_cast<size_t>(n), 1.0f);
      for (auto& k : key) k = static_cast<float>(u(gen)) / 7.0f;
      for (size_t i = 0; i < wgt.size(); i += 5) wgt[i] = 0.0f;
      EXPECT_EQ(fast(key, wgt), shells(key, wgt)) << n << " " << distinct;
      EXPECT_EQ(fast(key, {}), shells(key, {})) << n << " " << distinct;
    }
  }
}

TEST(Shells, SortFromAGivenOrderGivesShellsPermutation) {
  std::mt19937 gen(5);
  for (int n : {1, 2, 9, 300}) {
    std::uniform_int_distribution<int> u(0, 4);
    std::vector<float> key(static_cast<size_t>(2 * n));
    for (auto& k : key) k = static_cast<float>(u(gen));
    std::vector<int32_t> start(static_cast<size_t>(n));
    for (int p = 0; p < n; ++p)
      start[static_cast<size_t>(p)] = 2 * n - 2 * p;  // every other key, backwards
    std::vector<int32_t> expected = start, got = start;
    SHELLS(1, n, Span1<const float>(key.data(), 2 * n), Span1<int32_t>(expected.data(), n), {});
    SortScratch scratch(n);
    sortFromOrder(n, Span1<const float>(key.data(), 2 * n), Span1<int32_t>(got.data(), n), scratch);
    EXPECT_EQ(got, expected) << n;
  }
}

TEST(Invprm, GivesEachElementItsPosition) {
  const std::vector<int32_t> perm = {3, 1, 2};
  std::vector<float> rank(3);
  INVPRM(Span1<const int32_t>(perm.data(), 3), Span1<float>(rank.data(), 3), 3);
  EXPECT_EQ(rank, (std::vector<float>{2, 3, 1}));
}

}  // namespace
}  // namespace engine::korva
