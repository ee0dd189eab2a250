// The start of the procedure: dissimilarities on a common scale, the
// eigenvector start configuration, locality weights and the pairs' ranks.
#include <algorithm>
#include <cstdint>

#include "engine/korva/fit.h"
#include "engine/korva/shells.h"

namespace engine::korva {

namespace {

// X raised to the integer power N by repeated squaring (any N in a few
// steps; 1/X^|N| for a negative N).
float integerPower(float x, int n) {
  float r = 1.0f;
  float square = x;
  for (int64_t e = n < 0 ? -int64_t{n} : n; e > 0; e >>= 1) {
    if (e & 1) r = r * square;
    square = square * square;
  }
  return n < 0 ? 1.0f / r : r;
}

// Delta of pair (J, K), J != K, from the lower triangle of SQMAT, times its weight.
float weightedDelta(const SsaWork& w, int J, int K) {
  const int lo = std::min(J, K);
  const int hi = std::max(J, K);
  return w.PWGT(pairNumber(w.NV, lo, hi)) * w.SQMAT.at(hi, lo);
}

}  // namespace

void SSATRF(const SSAPAR& par, SsaWork& w) {
  float lo = 1.0E38f;
  float hi = -1.0E38f;
  for (int k = 1; k <= w.NPAIR; ++k) {
    if (w.PWGT(k) == 0.0f) continue;
    lo = std::min(lo, w.PCOEF(k));
    hi = std::max(hi, w.PCOEF(k));
  }
  const float range = hi - lo;
  float a = 0.0f;
  float b = 1.0f;
  if (range >= 1.0E-12f) {
    // Similarities: the largest becomes 1 and the smallest 2; dissimilarities
    // the other way round.
    a = par.PROXIM == 1 ? -1.0f / range : 1.0f / range;
    b = 1.0f - a * (par.PROXIM == 1 ? hi : lo);
  }
  for (int k = 1; k <= w.NPAIR; ++k) {
    if (w.PWGT(k) != 0.0f) w.PCOEF(k) = b + a * w.PCOEF(k);
  }
}

void SSADBC(SsaWork& w) {
  const int n = w.NV;
  for (int i = 1; i < n; ++i) {
    for (int j = i + 1; j <= n; ++j) w.SQMAT.at(j, i) = w.PCOEF(pairNumber(n, i, j));
  }
  double total = 0.0;
  for (int k = 1; k <= w.NPAIR; ++k) total += static_cast<double>(w.PWGT(k)) * w.PCOEF(k);
  const float S = static_cast<float>(total);
  for (int j = 1; j <= n; ++j) {
    double r = 0.0;
    for (int k = 1; k <= n; ++k) {
      if (k != j) r += weightedDelta(w, j, k);
    }
    w.PSCR(j) = static_cast<float>(r);
  }
  const float fn = static_cast<float>(n);
  const float centre = 2.0f * S / (fn * fn);
  for (int j = 1; j <= n; ++j) {
    for (int k = j; k <= n; ++k) {
      const float wd = k == j ? 0.0f : weightedDelta(w, j, k);
      w.SQMAT.at(j, k) = (w.PSCR(j) + w.PSCR(k)) / fn - wd - centre;
    }
  }
  for (int j = 1; j <= n; ++j) {
    for (int k = j + 1; k <= n; ++k) w.SQMAT.at(k, j) = w.SQMAT.at(j, k);
  }
}

void SSAWGT(const SSAPAR& par, SsaWork& w) {
  const float numerator = par.WEIGHT < 0 ? 2.0f : 1.0f;
  for (int k = 1; k <= w.NPAIR; ++k) {
    if (w.PWGT(k) != 0.0f) w.PWGT(k) = integerPower(numerator / w.PCOEF(k), par.WEIGHT);
  }
}

SymegOutcome SSAINI(const SSAPAR& par, SsaWork& w) {
  SSATRF(par, w);
  SSADBC(w);
  // The eigen routine works in the three configuration arrays behind XCUR.
  const Span1<float> work(w.XNEW.data(), 3 * w.NV * w.XNEW.cols());
  int num = par.MAXDIM;
  const SymegOutcome outcome = SYMEG(w.NV, w.NV, w.SQMAT, 1, w.XCUR, w.PSCR, 1, num, work);
  if (outcome.message == 1 || outcome.message == 6) return outcome;
  if (par.WEIGHT != 0) SSAWGT(par, w);
  sortByKey(w.NPAIR, w.PCOEF, w.PERM, w.PWGT, *w.SORT);
  INVPRM(w.PERM, w.PCOEF, w.NPAIR);
  return outcome;
}

}  // namespace engine::korva
