// The sentences of the procedure section: keywords, name lists, values and
// the title format.
#include <algorithm>
#include <array>
#include <cstdio>

#include "engine/addutil/sentence.h"
#include "engine/korva/section.h"
#include "engine/util/listing.h"
#include "engine/util/lists.h"
#include "engine/util/recovery.h"

namespace engine {

namespace {

constexpr std::string_view kIllegalKeyword =
    "(' **Error** : Illegal keyword in KORVA Section :',A)";
constexpr std::string_view kNoAssign =
    "(' **Error** : ',A,' sentence not followed',' by IS or ARE or =')";
constexpr std::string_view kDuplicate =
    "(' **Warning** : Duplicate ',A,' sentence',/,'               Last redefinition will be kept')";
constexpr std::string_view kEmptyList = "(' **Error** : Empty list in ',A,' sentence')";
constexpr std::string_view kTooManyNames =
    "(' **Error** : More than ',I3,' variables in NAMES and EXTNAMES together')";
constexpr std::string_view kBadData = "(' **Error** : Unrecognized Keyword in DATA sentence : ',A)";

constexpr std::array<std::string_view, 11> kKeywords = {"NAMES",  "EXTNAMES", "MINDIM", "MAXDIM",
                                                        "DATA",   "TYING",    "WEIGHT", "FACETS",
                                                        "OUTPUT", "PLOT3",    "TITLE"};

// The NAMES (internal) or EXTNAMES list, stored in NAMLST behind the other list.
void nameList(EngineState& st, bool internal, int& ERR) {
  SSAPAR& par = st.SSAPAR;
  SymbolTable& s = st.SYMTAB;
  const std::string_view key = internal ? "NAMES" : "EXTNAMES";
  int32_t& count = internal ? par.NV : par.NEXTV;
  int32_t& begin = internal ? par.NAMBEG : par.EXTBEG;
  const int32_t otherCount = internal ? par.NEXTV : par.NV;
  int32_t& otherBegin = internal ? par.EXTBEG : par.NAMBEG;
  const int keyPos = s.IPOS;
  s.IPOS += 1;
  if (!isAssignSign(st, s.IPOS)) {
    LSTWR(st, kNoAssign, Fields().a(key));
    LINEAT(st, s.IPOS);
    ERR = 1;
    return;
  }
  if (begin != 0) {
    warningAt(st, kDuplicate, Fields().a(key), 2, keyPos);
    count = 0;
    if (otherBegin > 1) {
      std::copy_n(par.NAMLST.begin() + (otherBegin - 1), otherCount, par.NAMLST.begin());
      otherBegin = 1;
    }
  }
  begin = otherCount + 1;
  std::array<Name8, 2> delims = {Name8(";"), Name8("$")};
  int p = s.IPOS + 1;
  int n = 0;
  const std::span<int32_t> room =
      std::span<int32_t>(par.NAMLST).subspan(static_cast<size_t>(otherCount));
  VARLST(st, st.MATINP.MCNAME.first(st.MATINP.MNVAR), delims, 2, p, room, n);
  s.IPOS = p;
  if (n > static_cast<int>(room.size())) {
    LSTWR(st, kTooManyNames, Fields().i(SSAPAR::MAXNAM));
    LINEAT(st, keyPos);
    ERR = 1;
    return;
  }
  count = n;
  if (n == 0) {
    LSTWR(st, kEmptyList, Fields().a(key));
    LINEAT(st, keyPos);
    ERR = 1;
    return;
  }
  if (internal) par.AFREE = st.MATINP.MNVAR * st.MATINP.MNVAR + 1;
}

void dataKind(EngineState& st, int& ERR) {
  Name8 word;
  KEYWSN(st, word, "DATA", ERR);
  if (ERR != 0) return;
  if (word == Name8("PROXIM") || word == Name8("DISSIM")) {
    st.SSAPAR.PROXIM = word == Name8("PROXIM") ? 1 : 0;
    return;
  }
  LSTWR(st, kBadData, Fields().a(word));
  LINEAT(st, st.SYMTAB.IPOS);
  ERR = 1;
}

void title(EngineState& st, int& ERR) {
  SSAPAR& par = st.SSAPAR;
  std::string text(SSAPAR::TITLEN, ' ');
  int p = st.SYMTAB.IPOS;
  int pieces = 0;
  QNAMSN(st, p, "TITLE", text, 8, SSAPAR::TITLEN / 8, 0, pieces, ERR);
  st.SYMTAB.IPOS = p;
  if (ERR != 0) return;
  par.SSATIT = text;
  par.TITGIV = 1;
  SSATTL(st);
}

// One sentence from its keyword (number K of the table); ERR as the
// sentence routines give it.
void sentence(EngineState& st, int K, int& ERR) {
  SSAPAR& par = st.SSAPAR;
  switch (K) {
    case 1:
      return nameList(st, true, ERR);
    case 2:
      return nameList(st, false, ERR);
    case 3:
      return NUMSN(st, par.MINDIM, "MINDIM", ERR);
    case 4:
      return NUMSN(st, par.MAXDIM, "MAXDIM", ERR);
    case 5:
      return dataKind(st, ERR);
    case 6:
      return RNUMSN(st, par.TYING, "TYING", ERR);
    case 7:
      return NUMSN(st, par.WEIGHT, "WEIGHT", ERR);
    case 8:
      return SSAFAC(st, ERR);
    case 9:
      return SSAOUT(st, ERR);
    case 10:
      return;
    default:
      return title(st, ERR);
  }
}

}  // namespace

void SSASEC(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  const int32_t nonFatal = st.SSAPAR.NONFAT;
  st.SSAPAR = SSAPAR();
  st.SSAPAR.NONFAT = nonFatal;
  st.SSAPAR.MNMIS = st.MATINP.MNMIS;
  s.IPOS += 1;
  for (;;) {
    Name8& key = s.SYM(s.IPOS);
    UPCASE(key);
    const auto found = std::find(kKeywords.begin(), kKeywords.end(), key.trimmed());
    int ERR = 0;
    if (found == kKeywords.end()) {
      errorAt(st, kIllegalKeyword, Fields().a(key), 1, s.IPOS);
      ERR = 2;
    } else {
      sentence(st, static_cast<int>(found - kKeywords.begin()) + 1, ERR);
    }
    int flag = 0;
    if (ERR == 0) {
      int code = 0;
      SEMCHK(st, code);
      if (code == 2) return;
      if (code == 3) continue;
      ERR = 1;
    }
    if (ERR == 1) ERRCNT(st, 1);
    SKIPSC(st, flag);
    if (flag == 1) return;
  }
}

void SSATTL(EngineState& st) {
  SSAPAR& par = st.SSAPAR;
  const size_t end = par.SSATIT.find_last_not_of(' ');
  int length = end == std::string::npos ? 1 : static_cast<int>(end) + 1;
  int margin = (st.RUNCTL.LINSIZ - length) / 2;
  if (margin < 0) {
    margin = 1;
    length = st.RUNCTL.LINSIZ - 1;
  }
  char text[32];
  std::snprintf(text, sizeof text, "(%3dx,a%3d)", margin, length);
  par.TITFMT = text;
}

}  // namespace engine
