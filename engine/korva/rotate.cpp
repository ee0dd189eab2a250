// The fitted map turned to its principal axes and scaled to coordinates
// from 0 to 100.
#include <algorithm>

#include "engine/korva/fit.h"

namespace engine::korva {

SymegOutcome SSAROT(SsaWork& w, int M) {
  // All of the rotation's arrays lie in PSCR: the cross products, the
  // eigenvectors, the eigenvalues and SYMEG's work.
  const int m = std::max(M, 0);
  const MatView<float> B(&w.PSCR(1), m, m);
  const MatView<float> V(w.PSCR.data() + m * m, m, m);
  const Span1<float> values(w.PSCR.data() + 2 * m * m, m);
  const Span1<float> work(w.PSCR.data() + 2 * m * m + m, 9 * m);
  for (int a = 1; a <= m; ++a) {
    for (int b = 1; b <= m; ++b) {
      long double sum = 0.0L;
      for (int i = 1; i <= w.NV; ++i)
        sum += static_cast<long double>(w.XDIR.at(i, a)) * w.XDIR.at(i, b);
      B.at(a, b) = static_cast<float>(sum);
    }
  }
  int num = M;
  const SymegOutcome outcome = SYMEG(M, M, B, 1, V, values, 1, num, work);
  // Without vectors (an error, or a 1x1 matrix) the map keeps its axes.
  if (outcome.message == 1 || outcome.message == 2 || outcome.message == 6) return outcome;
  for (int i = 1; i <= w.NV; ++i) {
    for (int c = 1; c <= m; ++c) {
      long double sum = 0.0L;
      for (int a = 1; a <= m; ++a) sum += static_cast<long double>(w.XDIR.at(i, a)) * V.at(a, c);
      w.XNEW.at(i, c) = static_cast<float>(sum);
    }
  }
  return outcome;
}

void SSANRM(MatView<float> X, Span1<float> SHIFT, int ROWS, int M) {
  float largest = 0.0f;
  for (int a = 1; a <= M; ++a) {
    float smallest = X.at(1, a);
    for (int i = 2; i <= ROWS; ++i) smallest = std::min(smallest, X.at(i, a));
    SHIFT(a) = -smallest;
    for (int i = 1; i <= ROWS; ++i) {
      X.at(i, a) = X.at(i, a) + SHIFT(a);
      largest = std::max(largest, X.at(i, a));
    }
  }
  // Points that all coincide have no extent to scale; they stay at 0.
  if (largest == 0.0f) return;
  const float f = 100.0f / largest;
  for (int a = 1; a <= M; ++a) {
    for (int i = 1; i <= ROWS; ++i) X.at(i, a) = X.at(i, a) * f;
    SHIFT(a) = SHIFT(a) * f;
  }
}

}  // namespace engine::korva
