// The gradient steps of the fit with their exact line search on a quartic
// model of the loss, and the loop of steps and rank images of one
// dimensionality.
#include <algorithm>
#include <cmath>

#include "engine/korva/fit.h"

namespace engine::korva {

namespace {

// w (s d* - d) / d of the pair of points I and J (in either order).
float pullFactor(const SsaWork& w, float s, int I, int J) {
  const int lo = std::min(I, J);
  const int hi = std::max(I, J);
  const float d = w.SQMAT.at(lo, hi);
  return w.PWGT(pairNumber(w.NV, lo, hi)) * (s * w.SQMAT.at(hi, lo) - d) / d;
}

void copyColumns(MatView<const float> from, MatView<float> to, int rows, int M) {
  for (int a = 1; a <= M; ++a) {
    for (int i = 1; i <= rows; ++i) to.at(i, a) = from.at(i, a);
  }
}

}  // namespace

void SSAGRD(const SSAPAR& par, SsaWork& w, int M) {
  for (int a = 1; a <= M; ++a) {
    for (int i = 1; i <= w.NV; ++i) {
      long double g = 0.0L;
      const float xi = w.XCUR.at(i, a);
      for (int j = 1; j <= w.NV; ++j) {
        if (j != i) g += static_cast<long double>(pullFactor(w, par.SCALFK, i, j)) * (w.XCUR.at(j, a) - xi);
      }
      w.XDIR.at(i, a) = static_cast<float>(g);
    }
  }
}

Quartic SSAQRT(const SSAPAR& par, const SsaWork& w, int M) {
  long double JJ = 0.0L, HJ = 0.0L, HH = 0.0L, JE = 0.0L, HE = 0.0L;
  int k = 0;
  for (int i = 1; i < w.NV; ++i) {
    for (int j = i + 1; j <= w.NV; ++j) {
      const float wt = w.PWGT(++k);
      long double T = 0.0L, U = 0.0L;
      for (int a = 1; a <= M; ++a) {
        const long double dg = static_cast<long double>(w.XDIR.at(i, a)) - w.XDIR.at(j, a);
        T += dg * dg;
        U += dg * (static_cast<long double>(w.XCUR.at(i, a)) - w.XCUR.at(j, a));
      }
      const float d = w.SQMAT.at(i, j);
      const float J = static_cast<float>(T) / (2.0f * d);
      const float H = static_cast<float>(U) / (2.0f * d);
      const float e = par.SCALFK * w.SQMAT.at(j, i) - d;
      JJ += static_cast<long double>(wt) * J * J;
      HJ += static_cast<long double>(wt) * H * J;
      HH += static_cast<long double>(wt) * H * H;
      JE += static_cast<long double>(wt) * J * e;
      HE += static_cast<long double>(wt) * H * e;
    }
  }
  Quartic q;
  q.q4 = static_cast<float>(JJ);
  q.q3 = static_cast<float>(-4.0L * HJ);
  q.q2 = static_cast<float>(2.0L * (2.0L * HH - JE));
  q.q1 = static_cast<float>(4.0L * HE);
  return q;
}

bool SSASTP(const SSAPAR& par, SsaWork& w, int M) {
  SSAGRD(par, w, M);
  const Quartic q = SSAQRT(par, w, M);
  const float Q = par.QNORM;
  const CubicRoots roots = CUBSOL(4.0f * q.q4 / Q, 3.0f * q.q3 / Q, 2.0f * q.q2 / Q, q.q1 / Q);
  if (roots.count == 0) return false;
  float t = 0.0f;
  if (roots.count == 1) {
    t = roots.t[0];
  } else if (roots.count != 999) {
    t = roots.t[QRTMIN(q.q4, q.q3, q.q2, q.q1, roots)];
    if (t < 0.0f) t = 0.001f;
  }
  for (int a = 1; a <= M; ++a) {
    for (int i = 1; i <= w.NV; ++i) w.XNEW.at(i, a) = w.XCUR.at(i, a) - t * w.XDIR.at(i, a);
  }
  DISTAN(w, w.XNEW, M);
  return true;
}

bool fitDimensionality(SSAPAR& par, SsaWork& w, int M) {
  par.NRI = 0;
  par.NIT = 0;
  copyColumns(w.XINI, w.XCUR, w.NV, M);
  copyColumns(w.XINI, w.XNEW, w.NV, M);
  DISTAN(w, w.XCUR, M);
  RIMAGE(par, w, M);
  par.NRI = 1;
  ALIENC(par, w);
  float K0 = par.ALIEN;
  for (int cycle = 1; cycle <= MAXRI && K0 >= EPSK; ++cycle) {
    for (int step = 1; step <= NSTEP; ++step) {
      if (!SSASTP(par, w, M)) return false;
      par.NIT = par.NIT + 1;
      copyColumns(w.XNEW, w.XCUR, w.NV, M);
    }
    RIMAGE(par, w, M);
    par.NRI = par.NRI + 1;
    ALIENC(par, w);
    const float K1 = par.ALIEN;
    if (std::fabs(K0 - K1) < EPSC) break;
    K0 = K1;
  }
  return true;
}

}  // namespace engine::korva
