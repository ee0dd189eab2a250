// Pieces shared by the list readers.
#include "engine/util/list_elements.h"

#include "engine/util/recovery.h"

namespace engine::lists {

bool findExtent(EngineState& st, std::span<Name8> DELIMS, int ND, int P, std::string_view emptyFmt,
                Extent& list) {
  int n = 0;
  LSTLEN(st, DELIMS, ND, P, n);
  list = {P, P + n - 1};
  if (n > 0) return true;
  errorAt(st, emptyFmt, Fields(), 1, P);
  return false;
}

bool isSign(const Name8& w) {
  return w == Name8("+") || w == Name8("-");
}

bool signedNumber(const EngineState& st, int k, int last, float& value, int& used) {
  const SymbolTable& s = st.SYMTAB;
  float sign = 1.0f;
  used = 1;
  if (isSign(s.SYM(k))) {
    if (s.SYM(k) == Name8("-")) sign = -1.0f;
    k += 1;
    used = 2;
  }
  if (k > last || !s.isNumber(k)) return false;
  value = sign * s.SYMVAL(k);
  return true;
}

void reportNotANumber(EngineState& st, int k) {
  errorAt(st, kNotANumber, Fields().a(st.SYMTAB.SYM(k)), 1, k);
}

void reportToAtEdge(EngineState& st, std::string_view fmt, const Extent& list, int k) {
  const SymbolTable& s = st.SYMTAB;
  int from = k == list.first ? list.first : list.last - 1;
  errorAt(st, fmt, Fields().a(s.SYM(from)).a(s.SYM(from + 1)), 1, k);
}

bool reportValueToAtEdge(EngineState& st, const Extent& list, int k, float previous, int& used) {
  const SymbolTable& s = st.SYMTAB;
  used = 1;
  if (k == list.first) {
    float next = 0.0f;
    int taken = 1;
    signedNumber(st, k + 1, list.last, next, taken);
    errorAt(st, "(' **Error** in TO-list Syntax : ',A2,1X,F8.3)", Fields().a(s.SYM(k)).r(next), 1,
            k);
    return true;
  }
  if (k == list.last) {
    errorAt(st, "(' **Error** in TO-list Syntax : ',F8.3,1X,A2)", Fields().r(previous).a(s.SYM(k)),
            1, k);
    return true;
  }
  return false;
}

Fields rangeFields(const EngineState& st, int k) {
  const SymbolTable& s = st.SYMTAB;
  return Fields().a(s.SYM(k - 1)).a(s.SYM(k)).a(s.SYM(k + 1));
}

}  // namespace engine::lists
