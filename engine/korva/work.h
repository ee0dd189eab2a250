// The procedure's work arrays: their layout in the matrix area behind the
// input matrix, views of them, and the numbering of pairs of points.
#pragma once

#include <cstdint>
#include <span>

#include "engine/korva/shells.h"
#include "engine/korva/ssapar.h"
#include "engine/korva/views.h"

namespace engine::korva {

// Word positions (from 1 at AFREE) of the work arrays; I7 to I11 are known
// once the tie classes are.
struct WorkLayout {
  int64_t NPAIR = 0, LW = 0, MD3 = 0;
  int64_t I4 = 0, I6 = 0, I7 = 0, I8 = 0, I9 = 0, I10 = 0, I11 = 0;
};

// The layout for NV points and MAXDIM axes; LTIE words of tie classes.
WorkLayout layoutWork(int NV, int MAXDIM, int LTIE);

struct SsaWork {
  int NV = 0;
  int NPAIR = 0;
  Span1<float> PCOEF, PWGT, PSCR;
  MatView<float> SQMAT, XCUR, XNEW, XDIR, XINI;
  Span1<float> TIECLS;
  // Scratch of the sorts, for NPAIR elements.
  Span1<int32_t> PERM;
  SortScratch* SORT = nullptr;
};

// Views of the arrays of the preparation (PCOEF, PWGT, PSCR, SQMAT) in AREA
// (word 1 is AREA[0]); the area must hold I6 - 1 words.
SsaWork bindPreparation(std::span<float> AREA, const WorkLayout& layout, int NV);
// Views of all arrays of LAYOUT; the area must hold I11 - 1 words.
SsaWork bindWork(std::span<float> AREA, const WorkLayout& layout, int NV, int LTIE,
                 Span1<int32_t> PERM, SortScratch& SORT);

// The number of pair (I, J), I < J, among NV points: the packed upper half
// numbered row by row.
inline int pairNumber(int NV, int I, int J) {
  return (2 * NV - I) * (I - 1) / 2 + (J - I);
}

// The pair (I, J) of pair number K, 1 <= K <= NV(NV-1)/2.
void pairOf(int NV, int K, int& I, int& J);

}  // namespace engine::korva
