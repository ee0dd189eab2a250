// The sort of the procedure (Shell's method; the order it leaves equal keys
// in is part of the results) and the inversion of a permutation.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "engine/korva/views.h"

namespace engine::korva {

// Sorts PERM(1..N) so that KEY(PERM(1)), KEY(PERM(2)), ... ascend; INIT 0
// first sets PERM(I) = I. An element whose weight in WGT is zero sorts with
// the key 1.0E38; an empty WGT means no weights.
void SHELLS(int INIT, int N, Span1<const float> KEY, Span1<int32_t> PERM, Span1<const float> WGT);

// The bits of KEY as an unsigned number in the order of the keys (-0 and +0 equal).
uint32_t orderedBits(float KEY);

// Scratch of sortByKey for up to N elements, taken once.
struct SortScratch {
  explicit SortScratch(int N);
  std::vector<uint64_t> packed, spare;
  std::vector<int32_t> position, next, count;
  std::vector<std::pair<size_t, size_t>> ties;  // runs of equal keys in the sorted order
};

// SHELLS with INIT 0 in O(N log N): the same permutation, computed pass by
// pass (see shells.cpp).
void sortByKey(int N, Span1<const float> KEY, Span1<int32_t> PERM, Span1<const float> WGT,
               SortScratch& scratch);
// SHELLS with INIT 1 and no weights in O(N log N): PERM(1..N) is sorted from
// its given order.
void sortFromOrder(int N, Span1<const float> KEY, Span1<int32_t> PERM, SortScratch& scratch);

// RANK(PERM(A)) = A for A = 1..N.
void INVPRM(Span1<const int32_t> PERM, Span1<float> RANK, int N);

}  // namespace engine::korva
