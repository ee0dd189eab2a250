// Single-precision ports of the tridiagonalisation, rational QR, inverse
// iteration and back-transformation routines, statement for statement.
#include "engine/korva/eispack.h"

#include <algorithm>
#include <cmath>

namespace engine::korva {

namespace {

float signOf(float magnitude, float sign) {
  return sign >= 0.0f ? std::fabs(magnitude) : -std::fabs(magnitude);
}

// One Householder step on row I of A (I > 1, nonzero scale).
void reduceRow(int I, float SCALE, MatView<float> A, Span1<float> E, Span1<float> E2) {
  const int L = I - 1;
  float H = 0.0f;
  for (int K = 1; K <= L; ++K) {
    A.at(I, K) = A.at(I, K) / SCALE;
    H = H + A.at(I, K) * A.at(I, K);
  }
  E2(I) = SCALE * SCALE * H;
  float F = A.at(I, L);
  float G = -signOf(std::sqrt(H), F);
  E(I) = SCALE * G;
  H = H - F * G;
  A.at(I, L) = F - G;
  if (L != 1) {
    // The cubic part of the reduction; all indices lie within 1..I, so the
    // elements are reached without the checked accessor.
    const size_t n = static_cast<size_t>(A.rows());
    float* const a = A.data();
    const float* const e = E.data();
    const auto el = [&](int r, int c) -> float& {
      return a[static_cast<size_t>(r - 1) + static_cast<size_t>(c - 1) * n];
    };
    F = 0.0f;
    for (int J = 1; J <= L; ++J) {
      G = 0.0f;
      for (int K = 1; K <= J; ++K) G = G + el(J, K) * el(I, K);
      for (int K = J + 1; K <= L; ++K) G = G + el(K, J) * el(I, K);
      E(J) = G / H;
      F = F + E(J) * el(I, J);
    }
    H = F / (H + H);
    for (int J = 1; J <= L; ++J) {
      F = el(I, J);
      G = E(J) - H * F;
      E(J) = G;
      for (int K = 1; K <= J; ++K) el(J, K) = el(J, K) - F * e[K - 1] - G * el(I, K);
    }
  }
  for (int K = 1; K <= L; ++K) A.at(I, K) = SCALE * A.at(I, K);
}

}  // namespace

void TRED1(int N, MatView<float> A, Span1<float> D, Span1<float> E, Span1<float> E2) {
  for (int I = 1; I <= N; ++I) D(I) = A.at(I, I);
  for (int I = N; I >= 1; --I) {
    const int L = I - 1;
    float SCALE = 0.0f;
    for (int K = 1; K <= L; ++K) SCALE = SCALE + std::fabs(A.at(I, K));
    if (L < 1 || SCALE == 0.0f) {
      E(I) = 0.0f;
      E2(I) = 0.0f;
    } else {
      reduceRow(I, SCALE, A, E, E2);
    }
    const float H = D(I);
    D(I) = A.at(I, I);
    A.at(I, I) = H;
  }
}

namespace {

// The state of the rational QR iteration that its steps share.
struct RatqrState {
  float F = 0, P = 0, Q = 0, R = 0, S = 0, EP = 0, QP = 0, ERR = 0, TOT = 0, DELTA = 0;
  int I = 0;
};

// Converged: the eigenvalue met the tolerance; Irregular: the iterates
// stopped decreasing before that; Indefinite: a negative pivot.
enum class Step { Converged, Again, Irregular, Indefinite };

// One QR transformation for eigenvalue K (from the top of the iteration).
Step qrTransformation(int N, int K, float& EPS1, Span1<float> W, Span1<float> BD, RatqrState& st) {
  st.TOT = st.TOT + st.S;
  st.DELTA = W(N) - st.S;
  st.I = N;
  st.F = std::fabs(kMachep * st.TOT);
  if (EPS1 < st.F) EPS1 = st.F;
  if (st.DELTA <= EPS1) return st.DELTA < -EPS1 ? Step::Indefinite : Step::Converged;
  for (int J = K + 1; J <= N; ++J) {
    const float bound = kMachep * (W(J) + W(J - 1));
    if (BD(J) <= bound * bound) BD(J) = 0.0f;
  }
  st.F = BD(N) / st.DELTA;
  st.QP = st.DELTA + st.F;
  st.P = 1.0f;
  for (int I = N - 1; I >= K; --I) {
    st.I = I;
    st.Q = W(I) - st.S - st.F;
    st.R = st.Q / st.QP;
    st.P = st.P * st.R + 1.0f;
    st.EP = st.F * st.R;
    W(I + 1) = st.QP + st.EP;
    st.DELTA = st.Q - st.EP;
    if (st.DELTA <= EPS1) return st.DELTA < -EPS1 ? Step::Indefinite : Step::Converged;
    st.F = BD(I) / st.Q;
    st.QP = st.DELTA + st.F;
    BD(I + 1) = st.QP * st.EP;
  }
  W(K) = st.QP;
  st.S = st.QP / st.P;
  return st.TOT + st.S > st.TOT ? Step::Again : Step::Irregular;
}

// The irregular end of an iteration: deflate the smallest diagonal element.
void deflateMinimum(int N, int K, Span1<float> W, RatqrState& st) {
  st.S = 0.0f;
  st.DELTA = st.QP;
  for (int J = K; J <= N; ++J) {
    if (W(J) > st.DELTA) continue;
    st.I = J;
    st.DELTA = W(J);
  }
}

// Moves the converged eigenvalue (at I) to position K.
void acceptEigenvalue(int N, int K, Span1<float> W, Span1<float> IND, Span1<float> BD,
                      RatqrState& st) {
  if (st.I < N) BD(st.I + 1) = BD(st.I) * st.F / st.QP;
  const float II = IND(st.I);
  for (int J = st.I - 1; J >= K; --J) {
    W(J + 1) = W(J) - st.S;
    BD(J + 1) = BD(J);
    IND(J + 1) = IND(J);
  }
  W(K) = st.TOT;
  st.ERR = st.ERR + std::fabs(st.DELTA);
  BD(K) = st.ERR;
  IND(K) = II;
}

}  // namespace

int RATQR(int N, float EPS1, Span1<const float> D, Span1<const float> E, Span1<float> E2, int M,
          Span1<float> W, Span1<float> IND, Span1<float> BD, bool SMALLEST, int IDEF) {
  int IERR = 0;
  int JDEF = IDEF;
  for (int I = 1; I <= N; ++I) W(I) = D(I);
  // The largest eigenvalues are the smallest of the negated matrix.
  if (!SMALLEST) {
    for (int I = 1; I <= N; ++I) W(I) = -W(I);
    JDEF = -JDEF;
  }
  RatqrState st;
  st.TOT = W(1);
  float Q = 0.0f;
  int J = 0;
  for (int I = 1; I <= N; ++I) {
    const float P = Q;
    if (I == 1 || !(P > kMachep * (std::fabs(D(I)) + std::fabs(D(I - 1))))) E2(I) = 0.0f;
    BD(I) = E2(I);
    if (E2(I) == 0.0f) J = J + 1;
    IND(I) = static_cast<float>(J);
    Q = I != N ? std::fabs(E(I + 1)) : 0.0f;
    st.TOT = std::min(W(I) - P - Q, st.TOT);
  }
  if (JDEF == 1 && st.TOT < 0.0f) {
    st.TOT = 0.0f;
  } else {
    for (int I = 1; I <= N; ++I) W(I) = W(I) - st.TOT;
  }
  for (int K = 1; K <= M; ++K) {
    Step step;
    while ((step = qrTransformation(N, K, EPS1, W, BD, st)) == Step::Again) {
    }
    if (step == Step::Indefinite) return 6 * N + 1;
    if (step == Step::Irregular) {
      IERR = 5 * N + K;
      deflateMinimum(N, K, W, st);
    }
    acceptEigenvalue(N, K, W, IND, BD, st);
  }
  if (!SMALLEST) {
    E2(1) = 2.0f;
    for (int I = 1; I <= N; ++I) W(I) = -W(I);
  }
  return IERR;
}

}  // namespace engine::korva
