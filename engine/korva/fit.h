// The numerical core of the procedure: the start configuration from the
// coefficients, the fit of one dimensionality by rank images and gradient
// steps, and the rotation and scaling of the fitted map.
#pragma once

#include "engine/korva/ssapar.h"
#include "engine/korva/symeg.h"
#include "engine/korva/work.h"

namespace engine::korva {

inline constexpr float EPSK = 1.0E-10f;  // a coefficient of alienation below this is a perfect fit
inline constexpr float EPSC = 1.0E-4f;   // the fit stops when K changes by less
inline constexpr int MAXRI = 20;         // cycles of steps and rank images
inline constexpr int NSTEP = 2;          // gradient steps per cycle
inline constexpr float kFloor = 1.0E-10f;  // the smallest distance

// The start: coefficients to dissimilarities from 1 to 2 (SSATRF), their
// double-centred matrix (SSADBC), its MAXDIM largest eigenvectors into XCUR,
// locality weights (SSAWGT) and the ranks of the pairs into PCOEF. Returns
// SYMEG's outcome; after a fatal one the ranks are not made.
SymegOutcome SSAINI(const SSAPAR& par, SsaWork& w);
void SSATRF(const SSAPAR& par, SsaWork& w);
void SSADBC(SsaWork& w);
void SSAWGT(const SSAPAR& par, SsaWork& w);

// Distances of the configuration X in M dimensions into the upper triangle
// of SQMAT, never below 1.0E-10.
void DISTAN(SsaWork& w, MatView<const float> X, int M);
// Rank images of the distances of XCUR into the lower triangle of SQMAT.
void RIMAGE(const SSAPAR& par, SsaWork& w, int M);
// Ranks of the pairs of each tie class in the order of their distances.
void TIERNK(const SSAPAR& par, SsaWork& w);
// The scale SCALFK, the norm QNORM and the coefficient of alienation ALIEN.
void ALIENC(SSAPAR& par, const SsaWork& w);

// Real roots of a t^3 + b t^2 + c t + d = 0: count 0 to 3, or 999 when every
// t is a root.
struct CubicRoots {
  int count = 0;
  float t[3] = {0.0f, 0.0f, 0.0f};
};
CubicRoots CUBSOL(float a, float b, float c, float d);
// Index (0-based) of the root with the least value of the quartic
// q4 t^4 + q3 t^3 + q2 t^2 + q1 t; a later root wins a tie.
int QRTMIN(float q4, float q3, float q2, float q1, const CubicRoots& roots);

// Half the gradient of the loss at XCUR into XDIR.
void SSAGRD(const SSAPAR& par, SsaWork& w, int M);
struct Quartic {
  float q4 = 0, q3 = 0, q2 = 0, q1 = 0;
};
// The quartic's coefficients from the weighted sums of the products of J
// (the change of a distance along the direction), H and e (the residual).
Quartic quarticFromSums(long double JJ, long double HJ, long double HH, long double JE,
                        long double HE);
// The loss along XCUR - t XDIR as a quartic in t (without its constant).
Quartic SSAQRT(const SSAPAR& par, const SsaWork& w, int M);
// The line search along a quartic q of the loss normalised by Q: the step t
// at a root of its derivative with the least loss, 0.001 in place of a
// negative one, 0 when every t is a root. False when the derivative has no root.
bool stepLength(const Quartic& q, float Q, float& t);
// One step from XCUR into XNEW; false when the line search found no root.
bool SSASTP(const SSAPAR& par, SsaWork& w, int M);

// The fit of dimensionality M from XINI: NRI, NIT and ALIEN of PAR; XNEW the
// fitted configuration. False when a line search found no root.
bool fitDimensionality(SSAPAR& par, SsaWork& w, int M);

// XNEW = XDIR turned to its principal axes (unchanged for M = 1). Returns
// SYMEG's outcome.
SymegOutcome SSAROT(SsaWork& w, int M);
// Shifts every axis of X (ROWS rows) to start at 0 and scales all by one
// factor so that the largest coordinate is 100; SHIFT(a) receives the
// position of the former origin.
void SSANRM(MatView<float> X, Span1<float> SHIFT, int ROWS, int M);

}  // namespace engine::korva
