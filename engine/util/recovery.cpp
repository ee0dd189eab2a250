// Recovery routines SKIPSC and SKIPSL, and the list-length routine LSTLEN.
#include "engine/util/recovery.h"

#include <algorithm>

#include "engine/util/listing.h"

namespace engine {

void SKIPSC(EngineState& st, int& FLAG) {
  SymbolTable& s = st.SYMTAB;
  Name8 start = s.SYM(s.IPOS);
  FLAG = 0;
  if (start == Name8("$")) {
    FLAG = 1;
    return;
  }
  for (;;) {
    s.IPOS += 1;
    if (s.SYM(s.IPOS) == Name8(";")) {
      s.IPOS += 1;
      if (s.SYM(s.IPOS) == Name8("$")) FLAG = 1;
      return;
    }
    if (s.IPOS >= s.NSYM) {
      errorAt(st,
              "(' **Error** : Missing semicolon delimiter from ',A8,' to end of the command "
              "language')",
              Fields().a(start), 1, s.IPOS);
      FLAG = 1;
      return;
    }
    if (s.SYM(s.IPOS) == Name8("$")) {
      errorAt(st, "(' **Error** : Missing semicolon delimiter from ',A8,' to the next dollar')",
              Fields().a(start), 1, s.IPOS);
      FLAG = 1;
      return;
    }
  }
}

void SKIPSL(EngineState& st, int& P, int& FLAG) {
  SymbolTable& s = st.SYMTAB;
  Name8 start = s.SYM(P);
  FLAG = 0;
  if (start == Name8(";")) {
    FLAG = 1;
    return;
  }
  for (;;) {
    P += 1;
    if (s.SYM(P) == Name8("/")) {
      P += 1;
      if (s.SYM(P) == Name8(";")) FLAG = 1;
      return;
    }
    if (P >= s.NSYM) {
      errorAt(st,
              "(' **Error** : Missing slash delimiter from ',A8,' to end of the command language')",
              Fields().a(start), 1, P);
      FLAG = 1;
      return;
    }
    if (s.SYM(P) == Name8(";")) {
      errorAt(st, "(' **Error** : Missing slash delimiter from ',A8,' to the next semicolon')",
              Fields().a(start), 1, P);
      FLAG = 1;
      return;
    }
  }
}

void LSTLEN(EngineState& st, std::span<Name8> DELIMS, int ND, int P, int& N) {
  const SymbolTable& s = st.SYMTAB;
  size_t count = std::min(static_cast<size_t>(ND < 0 ? -static_cast<long>(ND) : ND), DELIMS.size());
  auto set = DELIMS.first(count);
  N = 0;
  while (P + N < s.NSYM) {
    const Name8& w = s.SYM(P + N);
    bool inSet = std::find(set.begin(), set.end(), w) != set.end();
    if (ND >= 0 && inSet) {
      if (!DELIMS.empty()) DELIMS[0] = w;
      return;
    }
    if (ND < 0 && !inSet) {
      if (!DELIMS.empty()) DELIMS[0] = w;
      return;
    }
    N += 1;
  }
  LSTWR(st, "(' **Error** Missing delimiter')");
  ERRCNT(st, 1);
  mystop(st, "Error : Missing delimiter");
}

}  // namespace engine
