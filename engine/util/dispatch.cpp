// The run loop CMDRUN and the section dispatcher SECDSP.
#include <algorithm>

#include "engine/addutil/sentence.h"
#include "engine/util/listing.h"
#include "engine/util/reader.h"
#include "engine/util/recovery.h"
#include "engine/util/sections.h"

namespace engine {

namespace {

// The table position of a section name, 0 when it is not a section.
int sectionNumber(const Name8& name) {
  for (int k = 1; k <= kSectionCount; ++k) {
    const char* entry = kSectionTable[static_cast<size_t>(k - 1)].name;
    if (entry && Name8(entry) == name) return k;
  }
  return 0;
}

void reportIllegalSection(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  errorAt(st, "(' **Error** Illegal Section Name : ',A)", Fields().a(s.SYM(s.IPOS)), 1, s.IPOS);
  int flag = 0;
  do {
    SKIPSC(st, flag);
  } while (flag != 1);
}

}  // namespace

void skipSection(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  while (s.IPOS <= s.NSYM && !(s.SYM(s.IPOS) == Name8("$"))) s.IPOS += 1;
}

int noForBlock(EngineState&, int) {
  return 0;
}

void SECDSP(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  for (;;) {
    if (s.SYM(s.IPOS) == Name8("$")) s.IPOS += 1;
    if (s.IPOS > s.NSYM) return;
    UPCASE(s.SYM(s.IPOS));
    char first = s.SYM(s.IPOS)(1);
    if (first == '{' || first == '}') return;
    int number = sectionNumber(s.SYM(s.IPOS));
    if (number == 0) {
      reportIllegalSection(st);
      continue;
    }
    if (number == kSectionEnd) return;
    const SectionEntry& entry = kSectionTable[static_cast<size_t>(number - 1)];
    int name = s.IPOS;
    if (entry.advance) s.IPOS += 1;
    if (entry.routine) entry.routine(st);
    // A section must move on; one that did not is skipped, so that the
    // dispatcher can never meet the same name again.
    if (s.IPOS <= name) {
      s.IPOS = name + 1;
      skipSection(st);
    }
  }
}

void CMDRUN(EngineState& st) {
  DRKSET(st);
  SymbolTable& s = st.SYMTAB;
  for (;;) {
    int k = kForBlocks.findFor ? kForBlocks.findFor(st, s.IPOS) : 0;
    if (k <= 0 || !kForBlocks.codeFor || !kForBlocks.doFor) break;
    int e = 0;
    kForBlocks.codeFor(st, k, e);
    SECDSP(st);
    kForBlocks.doFor(st, k, e);
    s.IPOS = std::max(e, k) + 1;
  }
  SECDSP(st);
}

int runEngine(std::istream& in, std::ostream& out, std::ostream* listing, size_t workspaceWords) {
  auto st = std::make_unique<EngineState>(in, out, listing);
  if (!st->WORK.take(workspaceWords)) {
    if (format::RecordSink* console = st->UNITS.sink(st->RUNCTL.OUTUNI))
      console->put(" Insufficient memory");
    return 0;
  }
  try {
    CMDRUN(*st);
    if (st->RUNCTL.NERR == 0)
      LSTWR(*st, "('  _No errors_    _Successful process_')");
    else
      LSTWR(*st, "('  _',I4,' errors_')", Fields().i(st->RUNCTL.NERR));
  } catch (const EngineHalt&) {
    // mystop has written its message; the run ends here.
  }
  st->UNITS.flush();
  return 0;
}

}  // namespace engine
