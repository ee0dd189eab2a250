// SYMEG: parameter tests, then tridiagonalisation, the largest (or smallest)
// eigenvalues by rational QR, inverse iteration and back-transformation.
#include "engine/korva/symeg.h"

#include <algorithm>

#include "engine/korva/eispack.h"

namespace engine::korva {

SymegOutcome SYMEG(int NN, int IA, MatView<float> A, int MODE, MatView<float> Z, Span1<float> D,
                   int TYPE, int& NUM, Span1<float> WORK) {
  SymegOutcome out;
  out.badNN = NN <= 0 || IA < NN;
  out.badMode = MODE < -2 || MODE > 2;
  out.badNum = NUM <= 0 || NUM > NN;
  if (out.badNN || out.badMode || out.badNum) {
    out.message = 1;
    return out;
  }
  if (NN == 1) {
    D(1) = A.at(1, 1);
    NUM = 1;
    out.message = 2;
    return out;
  }
  // Nine work vectors of NN words; the bounds of the eigenvalue stage and
  // its copy of the eigenvalues are reused by inverse iteration.
  auto part = [&](int k) { return Span1<float>(&WORK(k * NN + 1), NN); };
  const Span1<float> d = part(0), e = part(1), e2 = part(2), bd = part(3), ind = part(4),
                     w = part(5);
  TRED1(NN, A, d, e, e2);
  const int ratqr = RATQR(NN, 0.0f, d, e, e2, NUM, w, ind, bd, MODE < 0, std::clamp(TYPE, -1, 1));
  if (ratqr == 6 * NN + 1) {
    out.message = 6;
    return out;
  }
  for (int j = 1; j <= NUM; ++j) D(j) = w(j);
  bool converged = ratqr == 0;
  if (MODE == 1 || MODE == -1) {
    const InverseIterationWork iw{bd, w, part(6), part(7), part(8)};
    converged = TINVIT(NN, d, e, e2, NUM, D, ind, Z, iw) == 0 && converged;
    TRBAK1(NN, A, e, NUM, Z);
  }
  if (!converged) out.message = 5;
  return out;
}

}  // namespace engine::korva
