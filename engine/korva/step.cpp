// The gradient steps of the fit with their exact line search on a quartic
// model of the loss, and the loop of steps and rank images of one
// dimensionality.
#include <algorithm>
#include <cmath>

#include "engine/korva/fit.h"

namespace engine::korva {

namespace {

void copyColumns(MatView<const float> from, MatView<float> to, int rows, int M) {
  for (int a = 1; a <= M; ++a) {
    for (int i = 1; i <= rows; ++i) to.at(i, a) = from.at(i, a);
  }
}

}  // namespace

void SSAGRD(const SSAPAR& par, SsaWork& w, int M) {
  const int n = w.NV;
  const float s = par.SCALFK;
  // The pull w (s d* - d) / d of each pair, kept in PSCR for the sums below.
  int k = 0;
  for (int i = 1; i < n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      const float d = w.SQMAT.at(i, j);
      ++k;
      w.PSCR(k) = w.PWGT(k) * (s * w.SQMAT.at(j, i) - d) / d;
    }
  }
  const float* pull = w.PSCR.data();
  for (int a = 1; a <= M; ++a) {
    const float* x = &w.XCUR.at(1, a);
    for (int i = 1; i <= n; ++i) {
      long double g = 0.0L;
      const float xi = x[i - 1];
      // Pairs (j, i) with j < i lie NV - j - 1 apart; pairs (i, j) follow one another.
      for (int j = 1, kji = i - 1; j < i; kji += n - j - 1, ++j) {
        g += static_cast<long double>(pull[kji - 1]) * (x[j - 1] - xi);
      }
      const int first = pairNumber(n, i, i + 1 <= n ? i + 1 : i);
      for (int j = i + 1; j <= n; ++j)
        g += static_cast<long double>(pull[first + (j - i) - 2]) * (x[j - 1] - xi);
      w.XDIR.at(i, a) = static_cast<float>(g);
    }
  }
}

Quartic SSAQRT(const SSAPAR& par, const SsaWork& w, int M) {
  const int n = w.NV;
  const float* g = w.XDIR.data();
  const float* x = w.XCUR.data();
  long double JJ = 0.0L, HJ = 0.0L, HH = 0.0L, JE = 0.0L, HE = 0.0L;
  int k = 0;
  for (int i = 1; i < n; ++i) {
    // The pairs of one point are summed in double precision, the points'
    // sums in extended precision.
    double rowJJ = 0.0, rowHJ = 0.0, rowHH = 0.0, rowJE = 0.0, rowHE = 0.0;
    for (int j = i + 1; j <= n; ++j) {
      const float wt = w.PWGT(++k);
      // The short sums over the axes in double precision; the sums over all
      // pairs in extended precision.
      double T = 0.0, U = 0.0;
      for (int a = 0; a < M; ++a) {
        const size_t ia = static_cast<size_t>(i - 1 + a * n),
                     ja = static_cast<size_t>(j - 1 + a * n);
        const double dg = static_cast<double>(g[ia]) - g[ja];
        T += dg * dg;
        U += dg * (static_cast<double>(x[ia]) - x[ja]);
      }
      const float d = w.SQMAT.at(i, j);
      const float J = static_cast<float>(T) / (2.0f * d);
      const float H = static_cast<float>(U) / (2.0f * d);
      const float e = par.SCALFK * w.SQMAT.at(j, i) - d;
      rowJJ += static_cast<double>(wt) * J * J;
      rowHJ += static_cast<double>(wt) * H * J;
      rowHH += static_cast<double>(wt) * H * H;
      rowJE += static_cast<double>(wt) * J * e;
      rowHE += static_cast<double>(wt) * H * e;
    }
    JJ += rowJJ;
    HJ += rowHJ;
    HH += rowHH;
    JE += rowJE;
    HE += rowHE;
  }
  return quarticFromSums(JJ, HJ, HH, JE, HE);
}

Quartic quarticFromSums(long double JJ, long double HJ, long double HH, long double JE,
                        long double HE) {
  Quartic q;
  q.q4 = static_cast<float>(JJ);
  q.q3 = static_cast<float>(-4.0L * HJ);
  q.q2 = static_cast<float>(2.0L * (2.0L * HH - JE));
  q.q1 = static_cast<float>(4.0L * HE);
  return q;
}

bool stepLength(const Quartic& q, float Q, float& t) {
  const CubicRoots roots = CUBSOL(4.0f * q.q4 / Q, 3.0f * q.q3 / Q, 2.0f * q.q2 / Q, q.q1 / Q);
  if (roots.count == 0) return false;
  t = 0.0f;
  if (roots.count == 1) {
    t = roots.t[0];
  } else if (roots.count != 999) {
    t = roots.t[QRTMIN(q.q4, q.q3, q.q2, q.q1, roots)];
    if (t < 0.0f) t = 0.001f;
  }
  return true;
}

bool SSASTP(const SSAPAR& par, SsaWork& w, int M) {
  SSAGRD(par, w, M);
  float t = 0.0f;
  if (!stepLength(SSAQRT(par, w, M), par.QNORM, t)) return false;
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
