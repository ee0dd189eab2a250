// The first half of the procedure: banner and parameter listing, the layout
// of the work arrays with its space checks, the zero test and the
// preparation; then the start and the fits.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "engine/korva/external.h"
#include "engine/korva/procedure.h"
#include "engine/util/listing.h"

namespace engine::korva {

namespace {

constexpr std::string_view kTooMany = "(' **Error** : Too many variables in KORVA.')";
constexpr std::string_view kVariables = "(' Number of variables ',20('.'),I4)";
constexpr std::string_view kExternal = "(' Number of external variables ',11('.'),I4)";
constexpr std::string_view kDimensions =
    "(' Minimal dimensionality ',17('.'),I4,/,' Maximal dimensionality ',17('.'),I4)";
constexpr std::string_view kDissimilarity = "(' Dissimilarity Data  (Distances)')";
constexpr std::string_view kSimilarity = "(' Similarity Data  (Correlations)')";
constexpr std::string_view kMissingValues =
    "(' Values representing Missing cells',7('.'),(T42,'(',G8.3,',',G8.3,')  ,  '))";
constexpr std::string_view kNoTies = "(' No tied values')";
constexpr std::string_view kTies = "(' Tied values with a tolerance of ',8('.'),F8.3)";
constexpr std::string_view kLocality = "(' Weighting parameter for Locality ',7('.'),I4)";
constexpr std::string_view kFacetHead =
    "(/,/,' Variable    Serial      Facets',/,'   Name      Number',4X,30I3)";
constexpr std::string_view kFacetRule = "(1X,8('-'),4X,6('-'),5X,30A3)";
constexpr std::string_view kFacetRow = "(1X,A8,5X,I3,7X,30F3.0)";
constexpr std::string_view kZeroMatrix =
    "(' **Error** : All the elements of your matrix are zero',/,"
    "'             Remember that KORVA needs a full matrix',/,"
    "'             but it reads only the upper half part.',/,"
    "'             Please, check your input matrix.')";

void write(EngineState& st, std::string_view fmt, const Fields& f = Fields()) {
  WRITEU(st, st.RUNCTL.OUTUNI, fmt, f);
}

// The banner, its text from column 44 (18 on a narrow listing).
void SSABAN(EngineState& st) {
  const bool narrow = st.RUNCTL.NARROW == 1;
  const std::string t = narrow ? "18" : "44";
  std::string fmt = "('1',/,T" + t + ",35('*'),/," + "T" + t + ",'*WEIGHTED  SMALLEST'," +
                    "' SPACE ANALYSIS*',/,T" + t + ",'*',14X," + "'KORVA',14X,'*',/,T" + t +
                    ",35('*'),//)";
  if (narrow) fmt[2] = ' ';
  write(st, fmt);
}

void facetTable(EngineState& st) {
  const SSAPAR& par = st.SSAPAR;
  std::vector<int32_t> numbers(static_cast<size_t>(par.NFACETS));
  for (int f = 1; f <= par.NFACETS; ++f) numbers[static_cast<size_t>(f - 1)] = f;
  const std::string dashes(static_cast<size_t>(3 * par.NFACETS), '-');
  write(st, kFacetHead, Fields().ints(numbers));
  write(st, kFacetRule, Fields().texts(dashes.data(), 3, par.NFACETS));
  for (int j = 1; j <= par.NV; ++j) {
    const int c = par.NAMLST[static_cast<size_t>(par.NAMBEG + j - 2)];
    const float* profile = &st.MATINP.AMAT(par.FACPRF + (j - 1) * par.NFACETS);
    write(st, kFacetRow,
          Fields()
              .a(st.MATINP.MCNAME(c))
              .i(j)
              .reals(std::span<const float>(profile, static_cast<size_t>(par.NFACETS))));
  }
}

void parameterListing(EngineState& st) {
  const SSAPAR& par = st.SSAPAR;
  write(st, kVariables, Fields().i(par.NV));
  if (par.NEXTV > 0) write(st, kExternal, Fields().i(par.NEXTV));
  write(st, kDimensions, Fields().i(par.MINDIM).i(par.MAXDIM));
  write(st, par.PROXIM == 0 ? kDissimilarity : kSimilarity);
  if (par.MNMIS > 1) {
    std::vector<float> bounds;
    for (int k = 1; k < par.MNMIS; ++k) {
      bounds.push_back(st.MATINP.MMIS(k)[0]);
      bounds.push_back(st.MATINP.MMIS(k)[1]);
    }
    write(st, kMissingValues, Fields().reals(bounds));
  }
}

// True when the upper half has present coefficients and all of them are 0.
bool allZero(const EngineState& st, const SsaWork& w) {
  float largest = -1.0f;
  for (int j = 2; j <= w.NV; ++j) {
    for (int i = 1; i < j; ++i) {
      const float x = w.SQMAT.at(i, j);
      if (!ISMISS(st.MATINP, x)) largest = std::max(largest, std::fabs(x));
    }
  }
  return largest == 0.0f;
}

bool spaceFor(EngineState& st, int64_t words) {
  if (st.SSAPAR.AFREE + words <= SSAPAR::AMAXW) return true;
  errorAt(st, kTooMany, Fields(), 1, st.SYMTAB.IPOS);
  return false;
}

}  // namespace

void SSAMAI(EngineState& st, std::span<float> AREA) {
  SSAPAR& par = st.SSAPAR;
  SSABAN(st);
  parameterListing(st);
  WorkLayout layout = layoutWork(par.NV, par.MAXDIM, 0);
  par.NPAIR = static_cast<int32_t>(layout.NPAIR);
  if (!spaceFor(st, layout.I6)) return;
  write(st, par.TYING < 0.0f ? kNoTies : kTies,
        par.TYING < 0.0f ? Fields() : Fields().r(par.TYING));
  write(st, kLocality, Fields().i(par.WEIGHT));
  if (par.NFACETS > 0) facetTable(st);
  // The sorts' scratch, taken once for the whole run of the procedure.
  std::vector<int32_t> perm(static_cast<size_t>(std::max(par.NPAIR, 1)));
  SortScratch sort(par.NPAIR);
  const Span1<int32_t> permView(perm.data(), static_cast<int>(perm.size()));
  SsaWork w = bindPreparation(AREA, layout, par.NV);
  w.PERM = permView;
  w.SORT = &sort;
  std::memmove(w.SQMAT.data(), AREA.data(), sizeof(float) * static_cast<size_t>(par.NV) * par.NV);
  par.LBLWID = LBLWID(st);
  if (allZero(st, w)) {
    errorAt(st, kZeroMatrix, Fields(), 4, st.SYMTAB.IPOS);
    return;
  }
  SSAPRP(st, w);
  if (par.NEXTV > 0 && !SSAEXP(st, AREA, layout)) return;
  layout = layoutWork(par.NV, par.MAXDIM, par.LTIE);
  if (!spaceFor(st, layout.I11)) return;
  w = bindWork(AREA, layout, par.NV, par.LTIE, permView, sort);
  if (par.NTIECL > 0 && par.TYING >= 0.0f) std::copy_n(w.SQMAT.data(), par.LTIE, w.TIECLS.data());
  SSARUN(st, w);
  if (par.OUTOPN == 1) st.UNITS.close(st.RUNCTL.FILUNI);
}

}  // namespace engine::korva
