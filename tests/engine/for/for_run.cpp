// The in-process FOR runner: a recording dispatcher in place of SECDSP.
#include "tests/engine/for/for_run.h"

#include <algorithm>
#include <cstdio>

#include "engine/for/for_blocks.h"
#include "engine/util/listing.h"
#include "engine/util/reader.h"

namespace engine::fortest {

namespace {

std::vector<std::string>* gRecorded = nullptr;

bool isCode(const Name8& w) {
  return w(1) == '{' || w(1) == '}';
}

// Takes the place of SECDSP: records the pass's symbols up to the next block
// code and leaves IPOS on it, as the dispatcher does.
void recordingDispatch(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  int from = s.IPOS;
  while (s.IPOS <= s.NSYM && !isCode(s.SYM(s.IPOS))) s.IPOS += 1;
  gRecorded->push_back(renderSymbols(st, from, s.IPOS - 1));
}

}  // namespace

std::string renderSymbols(const EngineState& st, int from, int to) {
  std::string text;
  for (int p = from; p <= to; ++p) {
    if (!text.empty()) text += ' ';
    if (st.SYMTAB.isNumber(p)) {
      char number[32];
      std::snprintf(number, sizeof number, "%g", static_cast<double>(st.SYMTAB.SYMVAL(p)));
      text += number;
    } else {
      text += st.SYMTAB.SYM(p).trimmed();
    }
  }
  return text;
}

ForRun::ForRun(const std::string& script, const std::function<void(EngineState&)>& setup)
    : in_(script), st_(std::make_unique<EngineState>(in_, out_, &listing_)) {
  DRKSET(*st_);
  if (setup) setup(*st_);
}

void ForRun::run(bool realSections) {
  gRecorded = &passes_;
  SymbolTable& s = st_->SYMTAB;
  try {
    for (int k = FNDFOR(*st_, s.IPOS); k > 0; k = FNDFOR(*st_, s.IPOS)) {
      int e = 0;
      CODFOR(*st_, k, e);
      if (realSections) {
        DOFOR(*st_, k, e);
      } else {
        DOFOR(*st_, k, e, recordingDispatch);
      }
      s.IPOS = std::max(e, k) + 1;
    }
  } catch (const EngineHalt&) {
    halted_ = true;
  }
  gRecorded = nullptr;
}

std::vector<std::string> ForRun::messages() const {
  std::vector<std::string> lines;
  std::istringstream listing(listing_.str());
  std::string line;
  int rules = 0;
  while (std::getline(listing, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (rules == 2) lines.push_back(line);
    if (line == " " + std::string(79, '-')) rules += 1;
  }
  return lines;
}

std::vector<std::string> ForRun::codes() const {
  std::vector<std::string> found;
  const SymbolTable& s = st_->SYMTAB;
  for (int p = 1; p <= s.NSYM; ++p) {
    if (isCode(s.SYM(p))) found.emplace_back(s.SYM(p).trimmed());
  }
  return found;
}

}  // namespace engine::fortest
