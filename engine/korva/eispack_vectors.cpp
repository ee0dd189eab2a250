// Single-precision ports of inverse iteration for the eigenvectors of a
// tridiagonal matrix and of their back-transformation, statement for statement.
#include <cmath>

#include "engine/korva/eispack.h"

namespace engine::korva {

namespace {

// The tolerances of one unreduced block P..Q and the iteration state that
// carries over from one eigenvalue of the block to the next.
struct Block {
  int P = 0, Q = 0;
  float EPS2 = 0, EPS3 = 0, EPS4 = 0, UK = 0;
};

struct Iterate {
  float U = 0, V = 0, XU = 0;
  int S = 0;  // 0 before the first vector of a block; then the next start slot
};

void setTolerances(Span1<const float> D, Span1<const float> E, Block& b) {
  float NORM = 0.0f;
  for (int I = b.P; I <= b.Q; ++I) NORM = NORM + std::fabs(D(I)) + std::fabs(E(I));
  b.EPS2 = 1.0E-3f * NORM;
  b.EPS3 = kMachep * NORM;
  const float order = static_cast<float>(b.Q - b.P + 1);
  b.EPS4 = 100.0f * order * b.EPS3;
  b.UK = b.EPS4 / std::sqrt(order);
}

// Triangular decomposition of (T - X1 I) with interchanges; start vector UK.
void eliminate(Span1<const float> D, Span1<const float> E, float X1, const Block& b,
               const InverseIterationWork& w, Iterate& it) {
  it.V = 0.0f;
  for (int I = b.P; I <= b.Q; ++I) {
    w.RV6(I) = b.UK;
    if (I != b.P && std::fabs(E(I)) >= std::fabs(it.U)) {
      it.XU = it.U / E(I);
      w.RV4(I) = it.XU;
      w.RV1(I - 1) = E(I);
      w.RV2(I - 1) = D(I) - X1;
      w.RV3(I - 1) = I != b.Q ? E(I + 1) : 0.0f;
      it.U = it.V - it.XU * w.RV2(I - 1);
      it.V = -it.XU * w.RV3(I - 1);
      continue;
    }
    if (I != b.P) {
      it.XU = E(I) / it.U;
      w.RV4(I) = it.XU;
      w.RV1(I - 1) = it.U;
      w.RV2(I - 1) = it.V;
      w.RV3(I - 1) = 0.0f;
    }
    it.U = D(I) - X1 - it.XU * it.V;
    if (I != b.Q) it.V = E(I + 1);
  }
  if (it.U == 0.0f) it.U = b.EPS3;
  w.RV1(b.Q) = it.U;
  w.RV2(b.Q) = 0.0f;
  w.RV3(b.Q) = 0.0f;
}

void backSubstitute(const Block& b, const InverseIterationWork& w, Iterate& it) {
  for (int I = b.Q; I >= b.P; --I) {
    w.RV6(I) = (w.RV6(I) - it.U * w.RV2(I) - it.V * w.RV3(I)) / w.RV1(I);
    it.V = it.U;
    it.U = w.RV6(I);
  }
}

// Orthogonalises RV6 against the GROUP earlier vectors of the same block.
void orthogonalise(int R, int GROUP, float TAG, Span1<const float> IND, MatView<float> Z,
                   const Block& b, const InverseIterationWork& w) {
  int J = R;
  for (int JJ = 1; JJ <= GROUP; ++JJ) {
    do --J;
    while (IND(J) != TAG);
    float XU = 0.0f;
    for (int I = b.P; I <= b.Q; ++I) XU = XU + w.RV6(I) * Z.at(I, J);
    for (int I = b.P; I <= b.Q; ++I) w.RV6(I) = w.RV6(I) - XU * Z.at(I, J);
  }
}

// Rescales a too-small iterate and applies the row operations for the next solve.
void nextIterate(float NORM, Span1<const float> E, const Block& b, const InverseIterationWork& w,
                 Iterate& it) {
  if (NORM == 0.0f) {
    w.RV6(it.S) = b.EPS4;
    it.S = it.S + 1;
    if (it.S > b.Q) it.S = b.P;
  } else {
    it.XU = b.EPS4 / NORM;
    for (int I = b.P; I <= b.Q; ++I) w.RV6(I) = w.RV6(I) * it.XU;
  }
  for (int I = b.P + 1; I <= b.Q; ++I) {
    it.U = w.RV6(I);
    // RV1(I-1) equal to E(I) marks a row interchange of the decomposition.
    if (w.RV1(I - 1) == E(I)) {
      it.U = w.RV6(I - 1);
      w.RV6(I - 1) = w.RV6(I);
    }
    w.RV6(I) = it.U - w.RV4(I) * w.RV6(I - 1);
  }
}

// Inverse iteration for one eigenvalue; false when it did not converge in
// five iterations. On return XU is the factor that scales RV6 to unit length
// (0 for a failure).
bool iterateVector(int R, int GROUP, float TAG, Span1<const float> D, Span1<const float> E,
                   float X1, Span1<const float> IND, MatView<float> Z, const Block& b,
                   const InverseIterationWork& w, Iterate& it) {
  eliminate(D, E, X1, b, w, it);
  for (int ITS = 1;; ++ITS) {
    backSubstitute(b, w, it);
    if (GROUP != 0) orthogonalise(R, GROUP, TAG, IND, Z, b, w);
    float NORM = 0.0f;
    for (int I = b.P; I <= b.Q; ++I) NORM = NORM + std::fabs(w.RV6(I));
    if (NORM >= 1.0f) {
      float U = 0.0f;
      for (int I = b.P; I <= b.Q; ++I) U = U + w.RV6(I) * w.RV6(I);
      it.XU = 1.0f / std::sqrt(U);
      return true;
    }
    if (ITS == 5) {
      it.XU = 0.0f;
      return false;
    }
    nextIterate(NORM, E, b, w, it);
  }
}

void storeVector(int N, int R, const Block& b, float XU, const InverseIterationWork& w,
                 MatView<float> Z) {
  for (int I = 1; I <= N; ++I) Z.at(I, R) = 0.0f;
  for (int I = b.P; I <= b.Q; ++I) Z.at(I, R) = w.RV6(I) * XU;
}

}  // namespace

int TINVIT(int N, Span1<const float> D, Span1<const float> E, Span1<const float> E2, int M,
           Span1<const float> W, Span1<const float> IND, MatView<float> Z,
           const InverseIterationWork& work) {
  int IERR = 0;
  if (M == 0) return IERR;
  const float ORDER = 1.0f - E2(1);
  Iterate it;
  float X0 = 0.0f;
  Block b;
  float TAG = 0.0f;
  while (b.Q < N) {
    b.P = b.Q + 1;
    for (b.Q = b.P; b.Q < N && E2(b.Q + 1) != 0.0f; ++b.Q) {
    }
    TAG = TAG + 1.0f;
    it.S = 0;
    int GROUP = 0;
    for (int R = 1; R <= M; ++R) {
      if (IND(R) != TAG) continue;
      float X1 = W(R);
      if (it.S == 0) {
        it.XU = 1.0f;
        if (b.P == b.Q) {
          work.RV6(b.P) = 1.0f;
          storeVector(N, R, b, it.XU, work, Z);
          X0 = X1;
          continue;
        }
        setTolerances(D, E, b);
        it.S = b.P;
        GROUP = 0;
      } else if (std::fabs(X1 - X0) >= b.EPS2) {
        GROUP = 0;
      } else {
        // Close or coincident roots are kept apart by EPS3.
        GROUP = GROUP + 1;
        if (ORDER * (X1 - X0) <= 0.0f) X1 = X0 + ORDER * b.EPS3;
      }
      if (!iterateVector(R, GROUP, TAG, D, E, X1, IND, Z, b, work, it)) IERR = -R;
      storeVector(N, R, b, it.XU, work, Z);
      X0 = X1;
    }
  }
  return IERR;
}

void TRBAK1(int N, MatView<const float> A, Span1<const float> E, int M, MatView<float> Z) {
  if (M == 0 || N == 1) return;
  for (int I = 2; I <= N; ++I) {
    const int L = I - 1;
    if (E(I) == 0.0f) continue;
    for (int J = 1; J <= M; ++J) {
      float S = 0.0f;
      for (int K = 1; K <= L; ++K) S = S + A.at(I, K) * Z.at(K, J);
      // The divisor is the negative of H of the reduction; dividing twice
      // avoids an underflow.
      S = (S / A.at(I, L)) / E(I);
      for (int K = 1; K <= L; ++K) Z.at(K, J) = Z.at(K, J) + S * A.at(I, K);
    }
  }
}

}  // namespace engine::korva
