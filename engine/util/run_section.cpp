// The RUN (and SET) section.
#include "engine/util/run_section.h"

#include <array>

#include "engine/addutil/sentence.h"
#include "engine/util/listing.h"
#include "engine/util/recovery.h"

namespace engine {

namespace {

enum Keyword { kName = 1, kEdit, kPaper, kPageSize, kLineSize, kNoEdit, kCheck, kNoCheck };
constexpr std::array<const char*, 8> kKeywords = {"NAME",     "EDIT",   "PAPER", "PAGESIZE",
                                                  "LINESIZE", "NOEDIT", "CHECK", "NOCHECK"};

int keywordNumber(const Name8& w) {
  for (size_t k = 0; k < kKeywords.size(); ++k)
    if (Name8(kKeywords[k]) == w) return static_cast<int>(k) + 1;
  return 0;
}

// PAPER = WASTE or SAVE; an other value is reported and counted here, and
// the sentence still goes on to its delimiter.
int paperSentence(EngineState& st) {
  Name8 value;
  int err = 0;
  KEYWSN(st, value, "PAPER", err);
  if (err != 0) return err;
  if (value == Name8("WASTE")) {
    st.RUNCTL.PAGING = 1;
  } else if (value == Name8("SAVE")) {
    st.RUNCTL.PAGING = 0;
  } else {
    errorAt(st, "(' **Error** : Illegal keyword in PAPER sentence :',A)", Fields().a(value), 1,
            st.SYMTAB.IPOS);
  }
  return 0;
}

// Applies one sentence with IPOS on its keyword; ERR as the sentence routines.
int applySentence(EngineState& st, int keyword) {
  RunControl& rc = st.RUNCTL;
  SymbolTable& s = st.SYMTAB;
  int err = 0;
  int nw = 0;
  switch (keyword) {
    case kName: {
      std::span<char> title(st.TITLE.data()->c, static_cast<size_t>(8 * st.TITLE.size()));
      QNAMSN(st, s.IPOS, "NAME", title, 8, st.TITLE.size(), 1, nw, err);
      return err;
    }
    case kEdit:
      rc.EDITON = 1;
      return 0;
    case kNoEdit:
      rc.EDITON = 0;
      return 0;
    case kCheck:
      rc.CHKFLG = 1;
      return 0;
    case kNoCheck:
      rc.CHKFLG = 0;
      return 0;
    case kPaper:
      return paperSentence(st);
    case kPageSize:
      NUMSN(st, rc.PAGSIZ, "PAGESIZE", err);
      return err;
    case kLineSize:
      NUMSN(st, rc.LINSIZ, "LINESIZE", err);
      rc.NARROW = rc.LINSIZ == 80 ? 1 : 0;
      return err;
  }
  return 1;
}

}  // namespace

void RUN(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  for (;;) {
    UPCASE(s.SYM(s.IPOS));
    int keyword = keywordNumber(s.SYM(s.IPOS));
    int code = 1;
    if (keyword == 0) {
      LSTWR(st, "(' **Error** : Illegal keyword in RUN Section :',A)", Fields().a(s.SYM(s.IPOS)));
      LINEAT(st, s.IPOS);
    } else if (applySentence(st, keyword) == 0) {
      SEMCHK(st, code);
    }
    if (code == 2) {
      s.IPOS += 1;
      return;
    }
    if (code == 3) continue;
    int flag = 0;
    ERRCNT(st, 1);
    SKIPSC(st, flag);
    if (flag == 1) {
      s.IPOS += 1;
      return;
    }
  }
}

}  // namespace engine
