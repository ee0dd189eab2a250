// The placement of one external variable: a single point moved into the
// fixed internal configuration by rank images and gradient steps, as in the
// fit of the internal points, until its distances follow its coefficients.
#include <algorithm>
#include <cmath>

#include "engine/korva/external.h"
#include "engine/korva/fit.h"
#include "engine/korva/procedure.h"
#include "engine/korva/shells.h"

namespace engine::korva {

namespace {

// The arrays of one placement, all of length NV (the internal points) or M.
struct OnePoint {
  int n = 0;
  int m = 0;
  MatView<const float> X;
  Span1<float> rank, dist, image, weight, scratch, current, gradient;
  // The same arrays as the procedure's own routines see them, one "pair"
  // per internal point.
  SsaWork view;
  SSAPAR ties;  // TYING and PROXIM of the section, NTIECL and LTIE of this variable
};

// Distances from the point to the internal points, never below 1.0E-10.
void distances(OnePoint& p) {
  for (int i = 1; i <= p.n; ++i) {
    long double sum = 0.0L;
    for (int a = 1; a <= p.m; ++a) {
      const long double diff = static_cast<long double>(p.current(a)) - p.X.at(i, a);
      sum += diff * diff;
    }
    const float d = static_cast<float>(std::sqrt(sum));
    p.dist(i) = d < kFloor ? kFloor : d;
  }
}

// Tied coefficients re-ranked by their distances, then each internal point
// receives the distance whose position in the sorted order is its rank.
void rankImages(OnePoint& p) {
  p.view.PCOEF = p.rank;
  p.view.PSCR = p.dist;
  if (p.ties.NTIECL > 0) TIERNK(p.ties, p.view);
  SHELLS(0, p.n, p.dist, p.view.PERM, p.weight);
  for (int i = 1; i <= p.n; ++i) p.image(i) = p.dist(p.view.PERM(static_cast<int>(p.rank(i))));
}

struct Alienation {
  float s = 0.0f;  // scale of the rank images
  float Q = 0.0f;  // norm of the distances
  float K = 0.0f;
};

Alienation alienation(const OnePoint& p) {
  long double P = 0.0L, S = 0.0L;
  for (int i = 1; i <= p.n; ++i) {
    P += static_cast<long double>(p.weight(i)) * p.dist(i) * p.image(i);
    S += static_cast<long double>(p.weight(i)) * p.dist(i) * p.dist(i);
  }
  Alienation f;
  f.s = static_cast<float>(S / P);
  f.Q = static_cast<float>(S);
  long double L = 0.0L;
  for (int i = 1; i <= p.n; ++i) {
    const long double e = f.s * p.image(i) - p.dist(i);
    L += p.weight(i) * e * e;
  }
  f.K = static_cast<float>(std::sqrt(static_cast<float>(L) / (f.s * f.s * f.Q)));
  return f;
}

// Half the gradient of the loss with respect to the point's position.
void gradient(OnePoint& p, float s) {
  for (int a = 1; a <= p.m; ++a) {
    long double g = 0.0L;
    for (int i = 1; i <= p.n; ++i) {
      const float pull = p.weight(i) * (s * p.image(i) - p.dist(i)) / p.dist(i);
      g += static_cast<long double>(pull) * (p.X.at(i, a) - p.current(a));
    }
    p.gradient(a) = static_cast<float>(g);
  }
}

// The loss along current - t gradient as a quartic in t; the internal
// points stand still, so only the point's own motion enters.
Quartic quartic(const OnePoint& p, float s) {
  long double T = 0.0L;
  for (int a = 1; a <= p.m; ++a) T += static_cast<long double>(p.gradient(a)) * p.gradient(a);
  long double JJ = 0.0L, HJ = 0.0L, HH = 0.0L, JE = 0.0L, HE = 0.0L;
  for (int i = 1; i <= p.n; ++i) {
    long double U = 0.0L;
    for (int a = 1; a <= p.m; ++a)
      U += static_cast<long double>(p.gradient(a)) * (p.current(a) - p.X.at(i, a));
    const float d = p.dist(i);
    const float J = static_cast<float>(T) / (2.0f * d);
    const float H = static_cast<float>(U) / (2.0f * d);
    const float e = s * p.image(i) - d;
    const long double wt = p.weight(i);
    JJ += wt * J * J;
    HJ += wt * H * J;
    HH += wt * H * H;
    JE += wt * J * e;
    HE += wt * H * e;
  }
  return quarticFromSums(JJ, HJ, HH, JE, HE);
}

// One step with the line search of the internal fit; false when the cubic
// has no root.
bool step(OnePoint& p, const Alienation& f) {
  gradient(p, f.s);
  float t = 0.0f;
  if (!stepLength(quartic(p, f.s), f.Q, t)) return false;
  for (int a = 1; a <= p.m; ++a) p.current(a) = p.current(a) - t * p.gradient(a);
  distances(p);
  return true;
}

// The fit from the centroid of the internal points; false when a line
// search found no root. K is the last coefficient computed.
bool fitPoint(OnePoint& p, float& K) {
  for (int a = 1; a <= p.m; ++a) {
    long double sum = 0.0L;
    for (int i = 1; i <= p.n; ++i) sum += p.X.at(i, a);
    p.current(a) = static_cast<float>(sum / p.n);
  }
  distances(p);
  rankImages(p);
  Alienation f = alienation(p);
  float K0 = f.K;
  K = K0;
  for (int cycle = 1; cycle <= MAXRI && K0 >= EPSK; ++cycle) {
    for (int s = 1; s <= NSTEP; ++s) {
      if (!step(p, f)) return false;
    }
    rankImages(p);
    f = alienation(p);
    K = f.K;
    if (std::fabs(K0 - K) < EPSC) break;
    K0 = K;
  }
  return true;
}

// The arrays of FREE: six vectors of NV words (ranks, distances, rank
// images, weights, the sort permutation's place, scratch), then the current
// position and the gradient. The permutation itself and the tie classes are
// kept in SCRATCH, as integers and because their length is known only after
// they are found.
OnePoint bindPoint(const SSAPAR& par, MatView<const float> X, int M, Span1<float> COEF,
                   Span1<float> FREE, PlacementScratch& scratch) {
  OnePoint p;
  p.n = par.NV;
  p.m = M;
  p.X = X;
  const auto vector = [&](int k, int length) { return Span1<float>(FREE.data() + k, length); };
  p.rank = vector(0, p.n);
  p.dist = vector(p.n, p.n);
  p.image = vector(2 * p.n, p.n);
  p.weight = vector(3 * p.n, p.n);
  p.scratch = vector(5 * p.n, p.n);
  p.current = vector(6 * p.n, M);
  p.gradient = vector(6 * p.n + M, M);
  p.view.NV = p.n;
  p.view.NPAIR = p.n;
  p.view.PCOEF = COEF;
  p.view.PWGT = p.weight;
  p.view.PSCR = p.scratch;
  p.view.SQMAT = MatView<float>(scratch.ties.data(), 1, static_cast<int>(scratch.ties.size()));
  p.view.PERM = Span1<int32_t>(scratch.perm.data(), static_cast<int>(scratch.perm.size()));
  p.view.SORT = &scratch.sort;
  p.ties.TYING = par.TYING;
  p.ties.PROXIM = par.PROXIM;
  return p;
}

}  // namespace

PlacementScratch::PlacementScratch(int NV)
    : perm(static_cast<size_t>(std::max(NV, 1))),
      ties(static_cast<size_t>(2 * std::max(NV, 1) + 2)),
      sort(std::max(NV, 1)) {}

Placement SSAEX1(const SSAPAR& par, const MATINP& mat, MatView<const float> X, int M,
                 Span1<float> COEF, Span1<float> POSITION, Span1<float> FREE,
                 PlacementScratch& scratch, float& ALIEN) {
  const int n = par.NV;
  if (FREE.size() < placementWords(n, M)) return Placement::NoSpace;
  OnePoint p = bindPoint(par, X, M, COEF, FREE, scratch);
  for (int i = 1; i <= n; ++i) p.weight(i) = ISMISS(mat, COEF(i)) ? 0.0f : 1.0f;
  if (par.TYING >= 0.0f) SSATIE(p.ties, p.view);
  if (FREE.size() < placementWords(n, M) + p.ties.LTIE) return Placement::NoSpace;
  p.view.TIECLS = Span1<float>(scratch.ties.data(), p.ties.LTIE);
  SSATRF(p.ties, p.view);
  SHELLS(0, n, COEF, p.view.PERM, p.weight);
  INVPRM(p.view.PERM, p.rank, n);
  float K = 0.0f;
  if (!fitPoint(p, K)) return Placement::NoRoot;
  for (int a = 1; a <= M; ++a) POSITION(a) = p.current(a);
  ALIEN = K;
  return Placement::Placed;
}

}  // namespace engine::korva
