// Distances, rank images (with the reordering of tied pairs) and the
// coefficient of alienation of the current configuration.
#include <cmath>

#include "engine/korva/fit.h"
#include "engine/korva/shells.h"

namespace engine::korva {

void DISTAN(SsaWork& w, MatView<const float> X, int M) {
  const int n = w.NV;
  const float* x = M > 0 ? &X.at(1, 1) : nullptr;
  for (int i = 1; i < n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      long double sum = 0.0L;
      for (int a = 0; a < M; ++a) {
        const long double diff = static_cast<long double>(x[i - 1 + a * n]) - x[j - 1 + a * n];
        sum += diff * diff;
      }
      const float d = static_cast<float>(std::sqrt(sum));
      w.SQMAT.at(i, j) = d < kFloor ? kFloor : d;
    }
  }
}

void TIERNK(const SSAPAR& par, SsaWork& w) {
  int pos = 1;
  for (int c = 1; c <= par.NTIECL; ++c) {
    const int size = static_cast<int>(w.TIECLS(pos));
    float lowest = 0.0f;
    for (int p = 1; p <= size; ++p) {
      w.PERM(p) = static_cast<int32_t>(w.TIECLS(pos + p));
      const float rank = w.PCOEF(w.PERM(p));
      if (p == 1 || rank < lowest) lowest = rank;
    }
    sortFromOrder(size, w.PSCR, w.PERM, *w.SORT);
    for (int p = 1; p <= size; ++p) w.PCOEF(w.PERM(p)) = lowest + static_cast<float>(p - 1);
    pos += size + 1;
  }
}

void RIMAGE(const SSAPAR& par, SsaWork& w, int M) {
  int k = 0;
  for (int i = 1; i < w.NV; ++i) {
    for (int j = i + 1; j <= w.NV; ++j) w.PSCR(++k) = w.SQMAT.at(i, j);
  }
  if (par.NTIECL > 0) TIERNK(par, w);
  sortByKey(w.NPAIR, w.PSCR, w.PERM, w.PWGT, *w.SORT);
  // The pair of coefficient rank r receives the r-th smallest distance.
  k = 0;
  for (int i = 1; i < w.NV; ++i) {
    for (int j = i + 1; j <= w.NV; ++j) {
      const int rank = static_cast<int>(w.PCOEF(++k));
      w.SQMAT.at(j, i) = w.PSCR(w.PERM(rank));
    }
  }
  DISTAN(w, w.XCUR, M);
}

void ALIENC(SSAPAR& par, const SsaWork& w) {
  long double P = 0.0L, S = 0.0L, Sstar = 0.0L;
  int k = 0;
  for (int i = 1; i < w.NV; ++i) {
    for (int j = i + 1; j <= w.NV; ++j) {
      const long double wt = w.PWGT(++k);
      const long double d = w.SQMAT.at(i, j);
      const long double ds = w.SQMAT.at(j, i);
      P += wt * d * ds;
      S += wt * d * d;
      Sstar += wt * ds * ds;
    }
  }
  const float s = static_cast<float>(S / P);
  const float Q = static_cast<float>(par.WEIGHT == 0 ? S : Sstar);
  long double L = 0.0L;
  k = 0;
  for (int i = 1; i < w.NV; ++i) {
    for (int j = i + 1; j <= w.NV; ++j) {
      const long double e = s * w.SQMAT.at(j, i) - w.SQMAT.at(i, j);
      L += w.PWGT(++k) * e * e;
    }
  }
  par.SCALFK = s;
  par.QNORM = Q;
  par.ALIEN = static_cast<float>(std::sqrt(static_cast<float>(L) / (s * s * Q)));
}

}  // namespace engine::korva
