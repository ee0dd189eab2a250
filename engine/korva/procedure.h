// The body of the procedure after its section has been parsed: the listing
// of the parameters, the preparation of the coefficients, the start and the
// fit of each dimensionality with its results page.
#pragma once

#include <span>
#include <string>

#include "engine/globals/engine_state.h"
#include "engine/korva/symeg.h"
#include "engine/korva/work.h"

namespace engine::korva {

// Runs the procedure on AREA, the matrix area from word AFREE on, which
// holds the NV x NV matrix of the chosen variables in its first words.
void SSAMAI(EngineState& st, std::span<float> AREA);

// True when X lies in one of the missing-value intervals of the input matrix.
bool ISMISS(const MATINP& m, float X);
// The pair (I, J) of pair number K; a K outside 1..NPAIR ends the run.
void FNDIJ(EngineState& st, int K, int& I, int& J);
// The display label of input-matrix column C, blank-padded to WIDTH, with
// every "&" turned into a blank.
std::string SSALBL(const EngineState& st, int C, int WIDTH);
// The widest label of the NAMES and EXTNAMES variables, at least 8.
int LBLWID(const EngineState& st);

// Packs the coefficients, marks missing ones, lists them and finds the tie
// classes (built in SQMAT). Ends the run when a variable has no present
// coefficient.
void SSAPRP(EngineState& st, SsaWork& w);
void SSATIE(SSAPAR& par, SsaWork& w);

// The start, then the fit of each dimensionality from MINDIM to MAXDIM.
void SSARUN(EngineState& st, SsaWork& w);
// The fit of dimensionality M with its results page and output records.
void SSADIM(EngineState& st, SsaWork& w, int M);

// Writes SYMEG's messages on the results unit; ends the run after a fatal one.
void reportEigen(EngineState& st, const SymegOutcome& outcome);

}  // namespace engine::korva
