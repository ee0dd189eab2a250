// The FACETS paragraph of the procedure section: the number of facets, the
// facet profile of each variable and the facet diagrams asked for.
#include <algorithm>
#include <array>
#include <vector>

#include "engine/addutil/sentence.h"
#include "engine/globals/numeric.h"
#include "engine/korva/paragraph.h"
#include "engine/korva/section.h"
#include "engine/util/listing.h"
#include "engine/util/lists.h"

namespace engine {

namespace {

constexpr std::string_view kIllegal = "(' **Error** : Illegal keyword in FACETS Paragraph :',A)";
constexpr std::string_view kNoAssign =
    "(' **Error** : ',A,' sentence not followed ','by IS or ARE or =')";
constexpr std::string_view kNeedNfacets =
    "(' **Error** : Sentence NFACETS must be supplied before',/,'             sentence PROFILES')";
constexpr std::string_view kNeedProfiles =
    "(' **Error** : Sentence PROFILES must be supplied before',/,'             sentence DIAGRAMS')";
constexpr std::string_view kValueListExpected =
    "(' **Error** : Value list expected instead of ',A)";
constexpr std::string_view kOneVariable =
    "(' **Error** Facets have to be defined for one variable',/,'           each time')";
constexpr std::string_view kNotEvoked = "(' **Error** Variable ',A,' is not evoked in KORVA')";
constexpr std::string_view kProfileOf = "(' **Error** in profile of ',A)";
constexpr std::string_view kFacetCount = "('           The number of facets must be ',I2)";
constexpr std::string_view kAllVariables =
    "(' **Error** Facets have to be defined',/,'           for all the ',I3,' variables')";
constexpr std::string_view kTooMany = "(' **Error** : Too many variables in KORVA.')";
constexpr std::string_view kNoProfiles =
    "(' **Error** : Sentence NFACETS must be followed by sentence PROFILES')";

// The symbols that make up a list of numbers: numbers (blank symbols),
// signs and the range word.
std::array<Name8, 7> numberSymbols() {
  return {Name8(" "), Name8("+"), Name8("-"), Name8("TO"), Name8("to"), Name8("To"), Name8("tO")};
}

bool endsSentence(const Name8& w) {
  return w == Name8("/") || w == Name8(";") || w == Name8("$");
}

// Position (1..NV) of input-matrix column C in the NAMES list, 0 when absent.
int namesPosition(const SSAPAR& par, int C) {
  for (int j = 1; j <= par.NV; ++j) {
    if (par.NAMLST[static_cast<size_t>(par.NAMBEG + j - 2)] == C) return j;
  }
  return 0;
}

// One "name values" entry of PROFILES from P; P ends on the entry's last symbol.
// False when the sentence ended instead of a value list.
bool profileEntry(EngineState& st, int& P, std::vector<float>& values) {
  SSAPAR& par = st.SSAPAR;
  std::array<Name8, 5> nameEnds = {Name8(" "), Name8("/"), Name8(";"), Name8("+"), Name8("-")};
  std::array<int32_t, SSAPAR::MAXNAM> columns{};
  int n = 0;
  VARLST(st, st.MATINP.MCNAME.first(st.MATINP.MNVAR), nameEnds, 5, P, columns, n);
  const Name8& after = st.SYMTAB.SYM(P + 1);
  if (after == Name8("/") || after == Name8(";")) {
    errorAt(st, kValueListExpected, Fields().a(after), 1, P + 1);
    return false;
  }
  if (n > 1) errorAt(st, kOneVariable, Fields(), 2, P);
  const int j = n >= 1 ? namesPosition(par, columns[0]) : 0;
  if (n >= 1 && j == 0) errorAt(st, kNotEvoked, Fields().a(st.MATINP.MCNAME(columns[0])), 1, P);
  P += 1;
  std::array<Name8, 7> symbols = numberSymbols();
  int count = 0;
  RVLLST(st, values, count, symbols, -7, P);
  if (j != 0) {
    const int first = par.FACPRF + (j - 1) * par.NFACETS;
    for (int f = 1; f <= std::min(count, par.NFACETS); ++f)
      st.MATINP.AMAT(first + f - 1) = values[f - 1];
    if (count != par.NFACETS) {
      LSTWR(st, kProfileOf, Fields().a(st.MATINP.MCNAME(columns[0])));
      LSTWR(st, kFacetCount, Fields().i(par.NFACETS));
      LINEAT(st, P);
      ERRCNT(st, 2);
    }
  }
  return true;
}

// PROFILES = entries, IPOS on the keyword.
void SSAPRF(EngineState& st, int& ERR) {
  SSAPAR& par = st.SSAPAR;
  SymbolTable& s = st.SYMTAB;
  s.IPOS += 1;
  if (!isAssignSign(st, s.IPOS)) {
    LSTWR(st, kNoAssign, Fields().a("PROFILES"));
    LINEAT(st, s.IPOS);
    ERR = 1;
    return;
  }
  par.FACPRF = par.AFREE + par.NV;
  if (par.NFACETS < 0 ||
      static_cast<int64_t>(par.FACPRF) + par.NV * int64_t{par.NFACETS} > SSAPAR::AMAXW) {
    errorAt(st, kTooMany, Fields(), 1, s.IPOS);
    ERR = 2;
    return;
  }
  par.AFREE = par.FACPRF + par.NV * par.NFACETS;
  for (int j = 1; j <= par.NV; ++j)
    st.MATINP.AMAT(par.FACPRF + (j - 1) * par.NFACETS) = SSAPAR::NOTSET;
  std::vector<float> values(static_cast<size_t>(std::max(par.NFACETS, 1)));
  int p = s.IPOS + 1;
  while (profileEntry(st, p, values) && !endsSentence(s.SYM(p + 1))) p += 1;
  s.IPOS = p;
  if (!endsSentence(s.SYM(p + 1))) return;
  for (int j = 1; j <= par.NV; ++j) {
    if (par.NFACETS < 1 || st.MATINP.AMAT(par.FACPRF + (j - 1) * par.NFACETS) == SSAPAR::NOTSET) {
      errorAt(st, kAllVariables, Fields().i(par.NV), 2, p);
      return;
    }
  }
}

}  // namespace

void SSAFAC(EngineState& st, int& ERR) {
  SSAPAR& par = st.SSAPAR;
  // Which sentences this paragraph has given so far, for the order checks.
  bool nfacets = false;
  bool profiles = false;
  korva::readParagraph(st, kIllegal, [&](EngineState& s, const Name8& key, int& err) {
    if (key == Name8("NFACETS")) {
      NUMSN(s, par.NFACETS, "NFACETS", err);
      nfacets = true;
    } else if (key == Name8("PROFILES")) {
      if (!nfacets) errorAt(s, kNeedNfacets, Fields(), 2, s.SYMTAB.IPOS);
      SSAPRF(s, err);
      profiles = true;
    } else if (key == Name8("DIAGRAMS")) {
      if (!profiles) errorAt(s, kNeedProfiles, Fields(), 2, s.SYMTAB.IPOS);
      SSADGR(s, err);
    } else {
      return false;
    }
    return true;
  });
  // Facets without profiles would leave the facet table and the output
  // file without data to show.
  if (par.NFACETS > 0 && par.FACPRF == 0) errorAt(st, kNoProfiles, Fields(), 1, st.SYMTAB.IPOS);
  ERR = 0;
}

}  // namespace engine
