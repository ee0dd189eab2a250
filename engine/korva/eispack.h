// Single-precision ports of the four published eigen routines that SYMEG
// chains: Householder tridiagonalisation, rational QR eigenvalues, inverse
// iteration eigenvectors and the back-transformation.
#pragma once

#include "engine/korva/views.h"

namespace engine::korva {

// The relative precision of the single-precision arithmetic of these routines.
inline constexpr float kMachep = 1.0f / 4194304.0f;  // 2^-22

// Reduces the symmetric matrix A (lower triangle) to tridiagonal form: D the
// diagonal, E the subdiagonal in E(2..N), E2 its squares; A keeps the
// transformations in its strict lower triangle.
void TRED1(int N, MatView<float> A, Span1<float> D, Span1<float> E, Span1<float> E2);

// The M smallest (SMALLEST) or largest eigenvalues of the tridiagonal matrix
// into W, ascending or descending; IND the submatrix of each. Returns IERR:
// 0, 5N+K for non-monotone iterates, 6N+1 for a wrong definiteness IDEF.
int RATQR(int N, float EPS1, Span1<const float> D, Span1<const float> E, Span1<float> E2, int M,
          Span1<float> W, Span1<float> IND, Span1<float> BD, bool SMALLEST, int IDEF);

// Work vectors of inverse iteration.
struct InverseIterationWork {
  Span1<float> RV1, RV2, RV3, RV4, RV6;
};

// Eigenvectors of the tridiagonal matrix for the M eigenvalues W into the
// columns of Z. Returns IERR: 0, or -R when vector R did not converge.
int TINVIT(int N, Span1<const float> D, Span1<const float> E, Span1<const float> E2, int M,
           Span1<const float> W, Span1<const float> IND, MatView<float> Z,
           const InverseIterationWork& work);

// Turns the M tridiagonal eigenvectors in Z into eigenvectors of the matrix
// that TRED1 reduced.
void TRBAK1(int N, MatView<const float> A, Span1<const float> E, int M, MatView<float> Z);

}  // namespace engine::korva
