// Shell's sort with the gap sequence N/2, N/4, ..., 1, a faster path for keys
// that are all different, and the inverse of a permutation.
#include "engine/korva/shells.h"

#include <algorithm>
#include <bit>

namespace engine::korva {

namespace {

constexpr float kLast = 1.0E38f;

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
      position(packed.size()),
      next(packed.size()),
      count(packed.size() / 2 + 1) {}

// Each pass of SHELLS with gap g is an insertion sort of every chain of
// positions p, p + g, p + 2g, ..., exchanging only strictly smaller keys: a
// stable sort of each chain. Its result is therefore fixed by the keys and
// the positions before the pass, and is computed here directly: walking
// the elements in the order of (key, position before the pass), each one
// takes the next free place of its chain. Only elements of equal key need
// their order refreshed from one pass to the next.
void sortByKey(int N, Span1<const float> KEY, Span1<int32_t> PERM, Span1<const float> WGT,
               SortScratch& scratch) {
  const auto n = static_cast<size_t>(N);
  std::vector<uint64_t>& order = scratch.packed;
  std::vector<int32_t>& pos = scratch.position;
  std::vector<int32_t>& newPos = scratch.next;
  for (size_t i = 0; i < n; ++i) {
    order[i] = (uint64_t{orderedBits(effectiveKey(KEY, WGT, static_cast<int>(i) + 1))} << 32) | i;
    pos[i] = static_cast<int32_t>(i);
  }
  std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(n));
  const auto keyOf = [&](size_t k) { return order[k] >> 32; };
  const auto element = [&](size_t k) { return static_cast<size_t>(order[k] & 0xffffffffu); };
  for (int g = N / 2; g > 0; g /= 2) {
    // Equal keys in the order of their current positions.
    for (size_t s = 0; s < n;) {
      size_t e = s + 1;
      while (e < n && keyOf(e) == keyOf(s)) ++e;
      if (e - s > 1) {
        std::sort(order.begin() + static_cast<std::ptrdiff_t>(s), order.begin() + static_cast<std::ptrdiff_t>(e),
                  [&](uint64_t a, uint64_t b) { return pos[a & 0xffffffffu] < pos[b & 0xffffffffu]; });
      }
      s = e;
    }
    std::fill_n(scratch.count.begin(), g, 0);
    for (size_t k = 0; k < n; ++k) {
      const size_t x = element(k);
      const int32_t chain = pos[x] % g;
      newPos[x] = chain + g * scratch.count[static_cast<size_t>(chain)]++;
    }
    std::swap(pos, newPos);
  }
  for (size_t x = 0; x < n; ++x) PERM(pos[x] + 1) = static_cast<int32_t>(x + 1);
}

void INVPRM(Span1<const int32_t> PERM, Span1<float> RANK, int N) {
  for (int a = 1; a <= N; ++a) RANK(PERM(a)) = static_cast<float>(a);
}

}  // namespace engine::korva
