// Parsing a FOR header: one descriptor per list sentence, the kind of each
// list, ~scalar values, the element counts and where the body begins.
#include <array>

#include "engine/addutil/sentence.h"
#include "engine/for/for_tables.h"
#include "engine/util/listing.h"
#include "engine/util/lists.h"
#include "engine/util/recovery.h"

namespace engine {

namespace {

// The delimiters of a FOR list; LSTLEN and the counting readers put the one
// that ended the list into the first entry.
std::array<Name8, 2> listDelimiters() {
  return {Name8(";"), Name8("$")};
}

int listKind(const EngineState& st, int p) {
  const SymbolTable& s = st.SYMTAB;
  const Name8& w = s.SYM(p);
  if (s.isNumber(p) || w == Name8("+") || w == Name8("-") || w(1) == '~') return kNumbers;
  if (w(1) == '_') {
    float value = 0.0f;
    bool found = false;
    st.SCLTAB.SCLGET(w, value, found);
    return found ? kScalarNames : kNewUnderscoreNames;
  }
  int j = 0;
  LOOKUP(st.VARDIC.VNAME.first(st.VARDIC.NVAR), w, j);
  return j > 0 ? kVariables : kNewNames;
}

// Replaces every ~name element of the numeric list at P by a number holding
// the value of the scalar _name.
void replaceScalarValues(EngineState& st, int P) {
  SymbolTable& s = st.SYMTAB;
  std::array<Name8, 2> delims = listDelimiters();
  int n = 0;
  LSTLEN(st, delims, 2, P, n);
  for (int p = P; p < P + n; ++p) {
    if (s.SYM(p)(1) != '~') continue;
    Name8 name = s.SYM(p);
    name(1) = '_';
    float value = 0.0f;
    bool found = false;
    st.SCLTAB.SCLGET(name, value, found);
    if (found) {
      s.SYM(p) = Name8();
      s.SYMVAL(p) = value;
    } else {
      LSTWR(st, "(' **Error** : Undefined scalar variable : ',A)", Fields().a(name));
      ERRCNT(st, 1);
      LINEAT(st, p);
    }
  }
}

// Counts the elements of the list of `kind` at P; LAST = its last symbol.
void countList(EngineState& st, int kind, int P, int& count, int& last) {
  std::array<Name8, 2> delims = listDelimiters();
  switch (kind) {
    case kNumbers:
      FORNUM(st, P, delims, 2, count, last);
      break;
    case kScalarNames:
      FORVAR(st, st.SCLTAB.SCLNAM.first(st.SCLTAB.NSCL), P, delims, 2, count, last);
      break;
    case kVariables:
      FORVAR(st, st.VARDIC.VNAME.first(st.VARDIC.NVAR), P, delims, 2, count, last);
      break;
    default:
      FORNAM(st, P, delims, 2, count, last);
      break;
  }
}

void reportCountMismatch(EngineState& st, int n, int count, int firstCount, int p) {
  LSTWR(st,
        "(' **Error** : The list number',I3,' has',I4,' elements',/,'             number "
        "different from the number of ',/,'             elements in list 1 :',I4)",
        Fields().i(n).i(count).i(firstCount));
  ERRCNT(st, 3);
  LINEAT(st, p);
}

void storeList(ForTables& t, int index, const ListDescriptor& d) {
  if (index <= ForTables::MAXLST) t.lists(index) = d;
}

}  // namespace

void LSTFOR(EngineState& st, ForTables& t) {
  SymbolTable& s = st.SYMTAB;
  ForLevel& lv = t.current();
  lv.lists = 0;
  lv.passesLeft = 0;
  int P = lv.header;
  for (;;) {
    P += 1;
    lv.lists += 1;
    ListDescriptor d;
    d.varPos = P;
    P += 1;
    if (!isAssignSign(st, P)) {
      LSTWR(st, "(' **Error** : FOR variable-index not followed',' by IS or ARE or =')");
      LINEAT(st, P);
      ERRCNT(st, 1);
      storeList(t, lv.firstList + lv.lists - 1, d);
      s.IPOS = P;
      int flag = 0;
      SKIPSC(st, flag);
      if (flag == 1) {
        lv.bodyFirst = s.IPOS;
        return;
      }
      P = s.IPOS - 1;
      continue;
    }
    P += 1;
    d.kind = listKind(st, P);
    if (d.kind == kNumbers) replaceScalarValues(st, P);
    int count = 0;
    int last = P - 1;
    countList(st, d.kind, P, count, last);
    if (lv.lists == 1) {
      lv.passesLeft = count;
    } else if (count != lv.passesLeft) {
      reportCountMismatch(st, lv.lists, count, lv.passesLeft, P);
    }
    storeList(t, lv.firstList + lv.lists - 1, d);
    int q = last < P ? P : last + 1;  // never back: the header parse always moves on
    if (s.SYM(q) == Name8(";") && !(s.SYM(q + 1) == Name8("$"))) {
      P = q;
      continue;
    }
    lv.bodyFirst = s.SYM(q) == Name8(";") ? q + 1 : q;
    return;
  }
}

}  // namespace engine
