// Shell's sort with the gap sequence N/2, N/4, ..., 1, a faster path for keys
// that are all different, and the inverse of a permutation.
#include "engine/korva/shells.h"

#include <algorithm>
#include <bit>

namespace engine::korva {

namespace {

constexpr float kLast = 1.0E38f;
// Up to this many elements Shell's method itself is the faster way.
constexpr int kSmall = 64;

float effectiveKey(Span1<const float> KEY, Span1<const float> WGT, int i) {
  return WGT && WGT(i) == 0.0f ? kLast : KEY(i);
}

}  // namespace

uint32_t orderedBits(float KEY) {
  const uint32_t u = std::bit_cast<uint32_t>(KEY == 0.0f ? 0.0f : KEY);
  return (u & 0x80000000u) ? ~u : (u | 0x80000000u);
}

void SHELLS(int INIT, int N, Span1<const float> KEY, Span1<int32_t> PERM, Span1<const float> WGT) {
  if (INIT == 0) {
    for (int i = 1; i <= N; ++i) PERM(i) = i;
  }
  for (int g = N / 2; g > 0; g /= 2) {
    for (int i = 1; i <= N - g; ++i) {
      for (int p = i; p >= 1; p -= g) {
        const int a = PERM(p);
        const int b = PERM(p + g);
        if (effectiveKey(KEY, WGT, b) >= effectiveKey(KEY, WGT, a)) break;
        PERM(p) = b;
        PERM(p + g) = a;
      }
    }
  }
}

SortScratch::SortScratch(int N)
    : packed(static_cast<size_t>(std::max(N, 1))),
      spare(packed.size()),
      position(packed.size()),
      next(packed.size()),
      count(std::max<size_t>(packed.size() / 2 + 1, 2048)) {}

namespace {

// Sorts ORDER by the key in its upper 32 bits (three passes of 11 bits).
void radixSortByKey(std::vector<uint64_t>& order, std::vector<uint64_t>& spare, size_t n,
                    std::vector<int32_t>& count) {
  for (int shift = 32; shift < 64; shift += 11) {
    std::fill_n(count.begin(), 2048, 0);
    for (size_t k = 0; k < n; ++k) ++count[(order[k] >> shift) & 2047u];
    int32_t sum = 0;
    for (size_t b = 0; b < 2048; ++b) {
      const int32_t c = count[b];
      count[b] = sum;
      sum += c;
    }
    for (size_t k = 0; k < n; ++k)
      spare[static_cast<size_t>(count[(order[k] >> shift) & 2047u]++)] = order[k];
    std::swap(order, spare);
  }
}

// x mod g; for x below 2^16 by one multiplication instead of a division.
struct Divider {
  explicit Divider(uint32_t g) : g(g), inverse((uint64_t{1} << 32) / g + 1) {}
  uint32_t remainder(uint32_t x) const {
    return x < 65536u ? x - g * static_cast<uint32_t>((x * inverse) >> 32) : x % g;
  }
  uint32_t g;
  uint64_t inverse;
};

uint32_t elementOf(uint64_t packed) {
  return static_cast<uint32_t>(packed & 0xffffffffu);
}

// The runs of equal keys in ORDER (sorted by key) as [start, end) ranges.
void findTies(const std::vector<uint64_t>& order, size_t n,
              std::vector<std::pair<size_t, size_t>>& ties) {
  ties.clear();
  for (size_t s = 0, e = 1; s < n; s = e++) {
    while (e < n && (order[e] >> 32) == (order[s] >> 32)) ++e;
    if (e - s > 1) ties.emplace_back(s, e);
  }
}

// Puts each run of equal keys in the order of the elements' positions AT.
void orderTiesByPosition(SortScratch& scratch) {
  std::vector<uint64_t>& run = scratch.spare;
  std::vector<int32_t>& at = scratch.position;
  for (const auto& [s, e] : scratch.ties) {
    for (size_t k = s; k < e; ++k)
      run[k] = (uint64_t{static_cast<uint32_t>(at[k])} << 32) | elementOf(scratch.packed[k]);
    std::sort(run.begin() + static_cast<std::ptrdiff_t>(s),
              run.begin() + static_cast<std::ptrdiff_t>(e));
    for (size_t k = s; k < e; ++k) {
      at[k] = static_cast<int32_t>(run[k] >> 32);
      scratch.packed[k] = (scratch.packed[k] & ~uint64_t{0xffffffffu}) | elementOf(run[k]);
    }
  }
}

// One pass with gap G: walking the elements in the order of (key, position),
// each takes the next free place of its chain.
void chainPass(int G, size_t n, SortScratch& scratch) {
  std::vector<int32_t>& at = scratch.position;
  std::fill_n(scratch.count.begin(), G, 0);
  const Divider chainOf(static_cast<uint32_t>(G));
  for (size_t k = 0; k < n; ++k) {
    const uint32_t chain = chainOf.remainder(static_cast<uint32_t>(at[k]));
    at[k] = static_cast<int32_t>(chain) + G * scratch.count[chain]++;
  }
}

// Each pass of SHELLS with gap g is an insertion sort of every chain of
// positions p, p + g, p + 2g, ..., exchanging only strictly smaller keys: a
// stable sort of each chain. Its result is therefore fixed by the keys and
// the positions before the pass, and is computed directly (chainPass). Only
// elements of equal key need their order refreshed from one pass to the
// next; without equal keys the result is simply the order of the keys.
//
// On entry scratch.packed holds (key bits, starting position) of N elements;
// on return scratch.packed is in the order of the keys and position[k] is the
// final position of its k-th entry.
void shellPositions(int N, SortScratch& scratch) {
  const auto n = static_cast<size_t>(N);
  std::vector<uint64_t>& order = scratch.packed;
  radixSortByKey(order, scratch.spare, n, scratch.count);
  findTies(order, n, scratch.ties);
  for (size_t k = 0; k < n; ++k) {
    scratch.position[k] = static_cast<int32_t>(scratch.ties.empty() ? k : elementOf(order[k]));
  }
  for (int g = N / 2; g > 0 && !scratch.ties.empty(); g /= 2) {
    orderTiesByPosition(scratch);
    chainPass(g, n, scratch);
  }
}

}  // namespace

void sortByKey(int N, Span1<const float> KEY, Span1<int32_t> PERM, Span1<const float> WGT,
               SortScratch& scratch) {
  if (N <= kSmall) return SHELLS(0, N, KEY, PERM, WGT);
  for (int i = 1; i <= N; ++i) {
    scratch.packed[static_cast<size_t>(i - 1)] =
        (uint64_t{orderedBits(effectiveKey(KEY, WGT, i))} << 32) | static_cast<uint32_t>(i - 1);
  }
  shellPositions(N, scratch);
  for (size_t k = 0; k < static_cast<size_t>(N); ++k) {
    PERM(scratch.position[k] + 1) = static_cast<int32_t>(elementOf(scratch.packed[k]) + 1);
  }
}

void sortFromOrder(int N, Span1<const float> KEY, Span1<int32_t> PERM, SortScratch& scratch) {
  if (N <= kSmall) return SHELLS(1, N, KEY, PERM, {});
  std::vector<int32_t>& given = scratch.next;
  for (int p = 1; p <= N; ++p) {
    given[static_cast<size_t>(p - 1)] = PERM(p);
    scratch.packed[static_cast<size_t>(p - 1)] =
        (uint64_t{orderedBits(KEY(PERM(p)))} << 32) | static_cast<uint32_t>(p - 1);
  }
  shellPositions(N, scratch);
  for (size_t k = 0; k < static_cast<size_t>(N); ++k) {
    PERM(scratch.position[k] + 1) = given[elementOf(scratch.packed[k])];
  }
}

void INVPRM(Span1<const int32_t> PERM, Span1<float> RANK, int N) {
  for (int a = 1; a <= N; ++a) RANK(PERM(a)) = static_cast<float>(a);
}

}  // namespace engine::korva
