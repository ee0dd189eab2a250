// The external points of one dimensionality: each placed into the rotated
// map, then normalised together with the internal points and listed.
#include <algorithm>
#include <string>
#include <vector>

#include "engine/korva/external.h"
#include "engine/korva/fit.h"
#include "engine/util/listing.h"

namespace engine::korva {

namespace {

constexpr std::string_view kNoSpace =
    "(' **Warning** : Insufficient memory to process ','external variables')";
constexpr std::string_view kNoRoot = "(5X,' NSOL IS EQUAL TO 0')";
constexpr std::string_view kTitle = "(/,11X,'External Variables')";
constexpr std::string_view kTableHead =
    "(/,' Serial    Coefficient of   Plotted Coordinates',/,' Number    Alienation',9X,9(I2,7X))";
constexpr std::string_view kTableRule = "(1X,27('-'),9(3A3))";
constexpr std::string_view kTableRow = "(2X,I3,6X,F8.5,9X,9(F6.2,3X))";

// JOINT (NV + NEXTV rows, M columns) from word I11 of the procedure's work
// area, EXTALN behind it, and the words behind EXTALN up to the end of the
// matrix area (negative when even JOINT and EXTALN do not fit).
struct ExternalArrays {
  float* joint = nullptr;
  float* alien = nullptr;
  int64_t behind = 0;
};

ExternalArrays externalArrays(EngineState& st, int M) {
  const SSAPAR& par = st.SSAPAR;
  const WorkLayout layout = layoutWork(par.NV, par.MAXDIM, par.LTIE);
  const std::span<float> area = st.MATINP.area(static_cast<size_t>(par.AFREE - 1));
  const int64_t jointWords = int64_t{par.NV + par.NEXTV} * M;
  ExternalArrays e;
  e.behind = static_cast<int64_t>(area.size()) - (layout.I11 - 1) - jointWords - par.NEXTV;
  if (e.behind < 0) return e;
  e.joint = area.data() + (layout.I11 - 1);
  e.alien = e.joint + jointWords;
  return e;
}

MatView<float> jointView(EngineState& st, const ExternalArrays& e, int M) {
  return MatView<float>(e.joint, st.SSAPAR.NV + st.SSAPAR.NEXTV, M);
}

// The external variables are dropped for the rest of the section.
void dropExternal(EngineState& st) {
  warningAt(st, kNoSpace, Fields(), 1, st.SYMTAB.IPOS);
  st.SSAPAR.NEXTV = 0;
}

}  // namespace

void SSAEXT(EngineState& st, SsaWork& w, int M) {
  SSAPAR& par = st.SSAPAR;
  const int n = par.NV;
  const ExternalArrays e = externalArrays(st, M);
  // Behind EXTALN: the coefficient vector, the point's position, a spare
  // word, then the fit's own words.
  const int64_t lead = int64_t{n} + M + 1;
  if (e.behind - lead < placementWords(n, M)) return dropExternal(st);
  const MatView<float> joint = jointView(st, e, M);
  const Span1<float> coef(e.alien + par.NEXTV, n);
  const Span1<float> position(coef.data() + n, M);
  const Span1<float> free(coef.data() + lead, static_cast<int>(e.behind - lead));
  for (int a = 1; a <= M; ++a) {
    for (int i = 1; i <= n; ++i) joint.at(i, a) = w.XNEW.at(i, a);
  }
  PlacementScratch scratch(n);
  for (int k = 1; k <= par.NEXTV; ++k) {
    for (int i = 1; i <= n; ++i)
      coef(i) = st.MATINP.element(externalColumn(par, k), internalColumn(par, i));
    float alien = 0.0f;
    const Placement placed =
        SSAEX1(par, st.MATINP, w.XNEW, M, coef, position, free, scratch, alien);
    if (placed == Placement::NoSpace) return dropExternal(st);
    if (placed == Placement::NoRoot) {
      WRITEU(st, st.RUNCTL.OUTUNI, kNoRoot);
      mystop(st, " ");
    }
    e.alien[k - 1] = alien;
    for (int a = 1; a <= M; ++a) joint.at(n + k, a) = position(a);
  }
}

void normaliseWithExternal(EngineState& st, SsaWork& w, int M, Span1<float> CENTR) {
  SSAPAR& par = st.SSAPAR;
  if (par.NEXTV > 0) SSAEXT(st, w, M);
  if (par.NEXTV == 0) return SSANRM(w.XNEW, CENTR, par.NV, M);
  const MatView<float> joint = jointView(st, externalArrays(st, M), M);
  SSANRM(joint, CENTR, par.NV + par.NEXTV, M);
  for (int a = 1; a <= M; ++a) {
    for (int i = 1; i <= par.NV; ++i) w.XNEW.at(i, a) = joint.at(i, a);
  }
}

void externalTable(EngineState& st, int M) {
  const SSAPAR& par = st.SSAPAR;
  const ExternalArrays e = externalArrays(st, M);
  const MatView<float> joint = jointView(st, e, M);
  std::vector<int32_t> axes(static_cast<size_t>(M));
  for (int a = 1; a <= M; ++a) axes[static_cast<size_t>(a - 1)] = a;
  const std::string dashes(static_cast<size_t>(9 * M), '-');
  const auto write = [&](std::string_view fmt, const Fields& f) {
    WRITEU(st, st.RUNCTL.OUTUNI, fmt, f);
  };
  write(kTitle, Fields());
  write(kTableHead, Fields().ints(axes));
  write(kTableRule, Fields().texts(dashes.data(), 3, 3 * M));
  std::vector<float> coords(static_cast<size_t>(M));
  for (int k = 1; k <= par.NEXTV; ++k) {
    for (int a = 1; a <= M; ++a) coords[static_cast<size_t>(a - 1)] = joint.at(par.NV + k, a);
    write(kTableRow, Fields().i(par.NV + k).r(e.alien[k - 1]).reals(coords));
  }
}

MatView<const float> mappedPoints(EngineState& st, const SsaWork& w, int M) {
  if (st.SSAPAR.NEXTV == 0) return w.XNEW;
  return jointView(st, externalArrays(st, M), M);
}

}  // namespace engine::korva
