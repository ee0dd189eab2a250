// SYMEG: eigenvalues and eigenvectors of a real symmetric matrix in single
// precision, and the messages it reports.
#pragma once

#include <cstdint>

#include "engine/korva/views.h"

namespace format {
class RecordSink;
}

namespace engine::korva {

// What a SYMEG call has to report. message: 0 nothing, 1 parameter error
// (fatal), 2 a 1x1 matrix, 5 not all values or vectors converged, 6 the matrix
// was wrongly declared definite (fatal).
struct SymegOutcome {
  int message = 0;
  bool badNN = false;
  bool badMode = false;
  bool badNum = false;
};

// The NUM eigenvalues of the symmetric NN x NN matrix A (lower triangle and
// diagonal read, lower triangle overwritten) into D, and with |MODE| = 1 their
// unit eigenvectors into the columns of Z. MODE > 0 takes the algebraically
// largest (D descending), MODE < 0 the smallest. TYPE 1 declares A positive
// definite, -1 negative definite. IA is the leading dimension of A and Z.
// WORK holds 9 NN words. On return NUM is the number found.
SymegOutcome SYMEG(int NN, int IA, MatView<float> A, int MODE, MatView<float> Z, Span1<float> D,
                   int TYPE, int& NUM, Span1<float> WORK);

// Writes the messages of a SYMEG outcome to OUT, counting non-fatal messages
// in NONFATAL (a run-wide count). True when the run has to end: a fatal
// message, or the tenth non-fatal one.
bool reportSymeg(const SymegOutcome& outcome, format::RecordSink& OUT, int32_t& NONFATAL);

}  // namespace engine::korva
