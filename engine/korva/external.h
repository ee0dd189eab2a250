// External variables: their coefficients with the internal variables, listed
// as a scaled integer matrix before the analysis, and their placement as
// extra points into each fitted map, with a coefficient of alienation each.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/globals/engine_state.h"
#include "engine/korva/shells.h"
#include "engine/korva/views.h"
#include "engine/korva/work.h"

namespace engine::korva {

// Input-matrix column numbers of internal variable I and external variable K.
int internalColumn(const SSAPAR& par, int I);
int externalColumn(const SSAPAR& par, int K);

// The power of ten that brings the largest present coefficient of EXTMAT to
// between about 10 and 100.
struct ExternalScale {
  int KEXP = 0;
  float FACTOR = 1.0f;
};
ExternalScale SSASCL(const MATINP& mat, MatView<const float> EXTMAT);

// Builds EXTMAT (NEXTV x NV) at word I6 of AREA, lists it and ends the run
// when an external variable has no present coefficient. False, with the
// error counted, when the matrix does not fit the area.
bool SSAEXP(EngineState& st, std::span<float> AREA, const WorkLayout& layout);
// The listing of EXTMAT in pages of columns and rows, then the scale note.
void SSAEXL(EngineState& st, MatView<const float> EXTMAT, const ExternalScale& scale);

// Places every external variable into the rotated configuration XNEW of
// dimensionality M (JOINT, EXTALN). Without room for a placement it warns
// and sets NEXTV to 0 for the rest of the section.
void SSAEXT(EngineState& st, SsaWork& w, int M);
// The external variables placed (when there are any) and the map scaled to
// coordinates from 0 to 100, internal and external points together; CENTR
// receives the position of the internal points' centroid.
void normaliseWithExternal(EngineState& st, SsaWork& w, int M, Span1<float> CENTR);
// The table of the placed external points.
void externalTable(EngineState& st, int M);
// The points of the space diagrams: the internal points with the placed
// external ones behind them (rows NV + NEXTV).
MatView<const float> mappedPoints(EngineState& st, const SsaWork& w, int M);

// The placement of one external variable.
enum class Placement { Placed, NoSpace, NoRoot };
// Scratch of the placements of one dimensionality, taken once: the sort
// permutation, the tie classes of the variable being placed and the scratch
// of the search for them.
struct PlacementScratch {
  explicit PlacementScratch(int NV);
  std::vector<int32_t> perm;
  std::vector<float> ties;
  SortScratch sort;
};
// Moves one point into the fixed configuration X (NV points, M axes) until
// the order of its distances follows the order of its NV coefficients COEF
// (changed: they become their transforms). FREE holds the words available
// for the fit. On Placed, POSITION holds the point and ALIEN its
// coefficient of alienation.
Placement SSAEX1(const SSAPAR& par, const MATINP& mat, MatView<const float> X, int M,
                 Span1<float> COEF, Span1<float> POSITION, Span1<float> FREE,
                 PlacementScratch& scratch, float& ALIEN);
// Words of FREE that SSAEX1 needs besides the LT words of tie classes.
inline int64_t placementWords(int NV, int M) {
  return 6 * int64_t{NV} + 2 * int64_t{M} + 1;
}

}  // namespace engine::korva
