// The DIAGRAMS sentence of the FACETS paragraph: groups of dimensionality,
// facet number and two projection axes, each checked and stored.
#include <algorithm>
#include <array>

#include "engine/addutil/sentence.h"
#include "engine/globals/numeric.h"
#include "engine/korva/section.h"
#include "engine/util/listing.h"
#include "engine/util/lists.h"

namespace engine {

namespace {

constexpr std::string_view kNoAssign =
    "(' **Error** : ',A,' sentence not followed ','by IS or ARE or =')";
constexpr std::string_view kDiagramNumber = "(' **Error** in Facet Diagram number ',I2)";
constexpr std::string_view kSupplyFour =
    "('           You must supply 4 parameters :',/,'           Parameter 1 : Dimensionality',/,"
    "'           Parameter 2 : Facet No.     ',/,'           Parameter 3 : First projection "
    "axis',/,"
    "'           Parameter 4 : Second projection axis')";
constexpr std::string_view kSubmitted =
    "('           You submitted the following parameters :',/,10X,I2,' : Dimensionality',/,10X,I2,"
    "' : Facet No.     ',/,10X,I2,' : First projection axis',/,10X,I2,"
    "' : Second projection axis',/,15X,'but ...')";
constexpr std::string_view kDimensionRange =
    "('           The dimensionality has to be in the range : [',I2,',',I2,']')";
constexpr std::string_view kFacetRange =
    "('           The Facet No. has to be in the range : [1,',I2,']')";
constexpr std::string_view kAxisAbove = "('           Axis No. has to be less than ',I2)";
constexpr std::string_view kAxisBelow = "('           Axis Nos. must be at least 1')";
constexpr std::string_view kAxesEqual = "('           Axis Nos. must be different')";
constexpr std::string_view kTooMany = "(' **Error** : Too many variables in KORVA.')";

// Checks group N (COUNT values in V) with P for the messages' line; orders
// its axes. The group is named once before its first complaint.
void checkGroup(EngineState& st, int N, std::array<int32_t, 4>& g, int COUNT, int P) {
  const SSAPAR& par = st.SSAPAR;
  if (COUNT != 4) {
    LSTWR(st, kDiagramNumber, Fields().i(N));
    LSTWR(st, kSupplyFour);
    LINEAT(st, P);
    ERRCNT(st, 6);
    return;
  }
  bool named = false;
  const auto complain = [&](std::string_view fmt, Fields&& f) {
    if (!named) {
      LSTWR(st, kDiagramNumber, Fields().i(N));
      LSTWR(st, kSubmitted, Fields().i(g[0]).i(g[1]).i(g[2]).i(g[3]));
      PAGCHK(st, 6);
      named = true;
    }
    errorAt(st, fmt, f, 1, P);
  };
  const int dim = g[0];
  if (dim < par.MINDIM || dim > par.MAXDIM)
    complain(kDimensionRange, Fields().i(par.MINDIM).i(par.MAXDIM));
  if (g[1] < 1 || g[1] > par.NFACETS) complain(kFacetRange, Fields().i(par.NFACETS));
  if (std::max(g[2], g[3]) > dim) complain(kAxisAbove, Fields().i(std::min(dim, par.MAXDIM)));
  if (std::min(g[2], g[3]) < 1) complain(kAxisBelow, Fields());
  if (g[2] == g[3]) complain(kAxesEqual, Fields());
  if (g[3] < g[2]) std::swap(g[2], g[3]);
}

}  // namespace

void SSADGR(EngineState& st, int& ERR) {
  SSAPAR& par = st.SSAPAR;
  SymbolTable& s = st.SYMTAB;
  s.IPOS += 1;
  if (!isAssignSign(st, s.IPOS)) {
    LSTWR(st, kNoAssign, Fields().a("DIAGRAMS"));
    LINEAT(st, s.IPOS);
    ERR = 1;
    return;
  }
  par.FACDGR = par.AFREE;
  par.NFDIAG = 0;
  int p = s.IPOS + 1;
  for (int n = 1;; ++n) {
    // The reader leaves the symbol that ended the list in the first entry.
    std::array<Name8, 7> numbers = {Name8(" "),  Name8("+"),  Name8("-"), Name8("TO"),
                                    Name8("to"), Name8("To"), Name8("tO")};
    std::array<float, 8> v{};
    int count = 0;
    RVLLST(st, v, count, numbers, -7, p);
    if (par.FACDGR + 4 * n - 1 > SSAPAR::AMAXW) {
      errorAt(st, kTooMany, Fields(), 1, p);
      ERR = 2;
      return;
    }
    std::array<int32_t, 4> g{};
    for (int k = 0; k < 4; ++k)
      g[static_cast<size_t>(k)] = truncateToInt(v[static_cast<size_t>(k)]);
    checkGroup(st, n, g, count, p);
    for (int k = 0; k < 4; ++k)
      st.MATINP.AMAT(par.FACDGR + 4 * (n - 1) + k) = static_cast<float>(g[static_cast<size_t>(k)]);
    par.NFDIAG = n;
    par.AFREE = par.FACDGR + 4 * n;
    if (!(s.SYM(p + 1) == Name8("&"))) break;
    p += 2;
  }
  s.IPOS = p;
}

}  // namespace engine
