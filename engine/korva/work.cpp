// Layout of the procedure's work arrays and the numbering of pairs.
#include "engine/korva/work.h"

#include <algorithm>

namespace engine::korva {

WorkLayout layoutWork(int NV, int MAXDIM, int LTIE) {
  WorkLayout w;
  const int64_t nv = NV;
  const int64_t maxdim = MAXDIM;
  w.NPAIR = nv * (nv - 1) / 2;
  w.LW = std::max(nv * (nv + 1) / 2, 2 * maxdim * (maxdim + 5));
  w.MD3 = std::max<int64_t>(maxdim, 3);
  w.I4 = 2 * w.NPAIR + w.LW + 1;
  w.I6 = w.I4 + nv * nv;
  w.I7 = w.I6 + nv * w.MD3;
  w.I8 = w.I7 + nv * w.MD3;
  w.I9 = w.I8 + nv * w.MD3;
  w.I10 = w.I9 + nv * w.MD3;
  w.I11 = w.I10 + LTIE;
  return w;
}

SsaWork bindPreparation(std::span<float> AREA, const WorkLayout& l, int NV) {
  auto word = [&](int64_t i) { return AREA.data() + (i - 1); };
  const int npair = static_cast<int>(l.NPAIR);
  SsaWork w;
  w.NV = NV;
  w.NPAIR = npair;
  w.PCOEF = Span1<float>(word(1), npair);
  w.PWGT = Span1<float>(word(l.NPAIR + 1), npair);
  w.PSCR = Span1<float>(word(2 * l.NPAIR + 1), static_cast<int>(l.LW));
  w.SQMAT = MatView<float>(word(l.I4), NV, NV);
  return w;
}

SsaWork bindWork(std::span<float> AREA, const WorkLayout& l, int NV, int LTIE, Span1<int32_t> PERM,
                 SortScratch& SORT) {
  auto word = [&](int64_t i) { return AREA.data() + (i - 1); };
  const int md3 = static_cast<int>(l.MD3);
  SsaWork w = bindPreparation(AREA, l, NV);
  w.XCUR = MatView<float>(word(l.I6), NV, md3);
  w.XNEW = MatView<float>(word(l.I7), NV, md3);
  w.XDIR = MatView<float>(word(l.I8), NV, md3);
  w.XINI = MatView<float>(word(l.I9), NV, md3);
  w.TIECLS = Span1<float>(word(l.I10), LTIE);
  w.PERM = PERM;
  w.SORT = &SORT;
  return w;
}

void pairOf(int NV, int K, int& I, int& J) {
  for (I = 1; I < NV; ++I) {
    J = K + I - (2 * NV - I) * (I - 1) / 2;
    if (J <= NV) return;
  }
}

}  // namespace engine::korva
