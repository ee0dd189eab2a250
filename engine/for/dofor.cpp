// Running a coded FOR block: opening levels, checking the limits, saving the
// bodies and restoring them before each pass, and dispatching each pass.
#include <algorithm>

#include "engine/for/for_blocks.h"
#include "engine/for/for_tables.h"
#include "engine/util/listing.h"
#include "engine/util/sections.h"

namespace engine {

namespace {

void checkLimits(EngineState& st, const ForLevel& lv) {
  if (lv.firstList + lv.lists - 1 > ForTables::MAXLST) {
    forHalt(st,
            "(' **Error** : Too many lists in FOR ... ENDFOR''s',/,'             The number of "
            "lists may not exceed ',I3) ",
            Fields().i(ForTables::MAXLST), 2);
  }
  if (lv.stackPos + lv.bodyLength - 1 > ForTables::MAXSTK) {
    forHalt(st,
            "(' **Error** : FOR ... ENDFOR  stack overflow',/,'             Reduce length or "
            "nesting FOR ... ENDFOR',/,'             blocks') ",
            Fields(), 3);
  }
}

// The body B..Z goes into the FOR stack when its level opens and is copied
// back before each pass.
void saveBody(EngineState& st, ForTables& t, const ForLevel& lv) {
  for (int k = 0; k < lv.bodyLength; ++k) {
    t.stackSym(lv.stackPos + k) = st.SYMTAB.SYM(lv.bodyFirst + k);
    t.stackVal(lv.stackPos + k) = st.SYMTAB.SYMVAL(lv.bodyFirst + k);
  }
}

void restoreBody(EngineState& st, ForTables& t, const ForLevel& lv) {
  for (int k = 0; k < lv.bodyLength; ++k) {
    st.SYMTAB.SYM(lv.bodyFirst + k) = t.stackSym(lv.stackPos + k);
    st.SYMTAB.SYMVAL(lv.bodyFirst + k) = t.stackVal(lv.stackPos + k);
  }
}

// Every pass sees the body as written, with only its own substitutions.
void startPass(EngineState& st, ForTables& t) {
  ForLevel& lv = t.current();
  restoreBody(st, t, lv);
  HATSEV(st, t);
  st.SYMTAB.IPOS = lv.bodyFirst;
}

// Opens the current level (its header, end and places already set).
void openLevel(EngineState& st, ForTables& t) {
  ForLevel& lv = t.current();
  LSTFOR(st, t);
  lv.bodyLength = std::max(0, lv.bodyEnd - lv.bodyFirst + 1);
  checkLimits(st, lv);
  saveBody(st, t, lv);
  startPass(st, t);
}

// Opens the block whose FOR code is at IPOS, inside the current level.
void openInnerLevel(EngineState& st, ForTables& t) {
  const ForLevel& outer = t.current();
  ForLevel inner;
  inner.header = st.SYMTAB.IPOS;
  inner.bodyEnd = FNDEND(st, inner.header, outer.bodyEnd);
  inner.firstList = outer.firstList + outer.lists;
  inner.stackPos = outer.stackPos + outer.bodyLength;
  t.LEV += 1;
  t.current() = inner;
  openLevel(st, t);
}

}  // namespace

void forHalt(EngineState& st, std::string_view fmt, const Fields& f, int errorLines) {
  LSTWR(st, fmt, f);
  if (errorLines > 0) ERRCNT(st, errorLines);
  mystop(st, " ");
}

void DOFOR(EngineState& st, int K, int E) {
  DOFOR(st, K, E, SECDSP);
}

void DOFOR(EngineState& st, int K, int E, SectionDispatcher dispatch) {
  ForTables t;
  t.LEV = 1;
  ForLevel& first = t.current();
  first.header = K;
  first.bodyEnd = E;
  first.firstList = 1;
  first.stackPos = 1;
  openLevel(st, t);
  SymbolTable& s = st.SYMTAB;
  for (;;) {
    dispatch(st);
    char mark = s.IPOS <= s.NSYM ? s.SYM(s.IPOS)(1) : ' ';
    if (mark == '{') {
      openInnerLevel(st, t);
    } else if (mark == '}' && t.current().passesLeft > 0) {
      startPass(st, t);
    } else if (mark == '}') {
      t.LEV -= 1;
      if (t.LEV == 0) return;
      s.IPOS += 1;
    } else {
      forHalt(st,
              "(' **Halt** : Error in subroutine DOFOR. Cannot reach',/,'            this point of "
              "the program.',/,'            Contact DRESK advisor') ",
              Fields(), 3);
    }
  }
}

}  // namespace engine
