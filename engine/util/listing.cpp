// The listing writer: formatted lines on units, paging and message bookkeeping.
#include "engine/util/listing.h"

#include <algorithm>

#include "engine/globals/numeric.h"
#include "engine/util/clock.h"

namespace engine {

Fields& Fields::i(int32_t v) & {
  ints_.push_back(v);
  values_.push_back(format::Value::integers(&ints_.back()));
  return *this;
}

Fields& Fields::r(float v) & {
  reals_.push_back(v);
  values_.push_back(format::Value::reals(&reals_.back()));
  return *this;
}

Fields& Fields::a(std::string_view text) & {
  texts_.emplace_back(text);
  values_.push_back(format::Value::text(texts_.back()));
  return *this;
}

Fields& Fields::ints(std::span<const int32_t> v) & {
  values_.push_back(format::Value::integers(v.data(), static_cast<int>(v.size())));
  return *this;
}

Fields& Fields::reals(std::span<const float> v) & {
  values_.push_back(format::Value::reals(v.data(), static_cast<int>(v.size())));
  return *this;
}

Fields& Fields::texts(const char* p, int length, int count) & {
  values_.push_back(format::Value::text(p, length, count));
  return *this;
}

void WRITEU(EngineState& st, int unit, std::string_view fmt, const Fields& f) {
  format::RecordSink* sink = st.UNITS.sink(unit);
  if (sink) format::FMTWR(*sink, format::Format::cached(fmt), f.values());
}

void LSTWR(EngineState& st, std::string_view fmt, const Fields& f) {
  WRITEU(st, st.RUNCTL.LSTUNI, fmt, f);
}

void ERRCNT(EngineState& st, int N) {
  st.RUNCTL.NERR += 1;
  st.RUNCTL.ERRFLG = 1;
  PAGCHK(st, N);
}

namespace {

constexpr std::string_view kNarrowRule = "('1',/,/,40(' -'),/,/)";
constexpr std::string_view kNarrowTitle = "(' ',4A8,7X,2A8,5X,A8,2X,'PAGE',I4,/,/)";
constexpr std::string_view kWideRule = "('1',/,/,63(' -'),/,/)";
constexpr std::string_view kWideTitle = "(' ',7A8,A4,8X,2A8,5X,A8,5X,'PAGE',I4,/,/)";

// The 8-line page header; the field between time and PAGE is left blank.
void writePageHeader(EngineState& st) {
  const RunControl& rc = st.RUNCTL;
  const char* title = st.TITLE.data()->c;
  Fields f;
  bool narrow = rc.NARROW == 1;
  if (narrow) {
    f.texts(title, 8, 4);
  } else {
    f.texts(title, 8, 7).texts(title + 56, 4, 1);
  }
  f.a(std::string_view(rc.DATSTR).substr(0, 8)).a(std::string_view(rc.TIMSTR).substr(0, 8));
  f.a(std::string(8, ' ')).i(rc.PAGENO);
  LSTWR(st, narrow ? kNarrowRule : kWideRule);
  LSTWR(st, narrow ? kNarrowTitle : kWideTitle, f);
}

}  // namespace

void PAGCHK(EngineState& st, int N) {
  RunControl& rc = st.RUNCTL;
  // A page size of any value is taken as written; the count saturates.
  if (N != 0) {
    rc.LINLFT = clampToInt(int64_t{rc.LINLFT} - N);
    if (rc.LINLFT > 0) return;
  }
  rc.PAGENO += 1;
  rc.TIMSTR = timeString(localNow());
  if (rc.PAGING == 0) {
    rc.LINLFT = rc.PAGSIZ;
    return;
  }
  writePageHeader(st);
  rc.LINLFT = clampToInt(int64_t{rc.PAGSIZ} - 8);
}

void LINEAT(EngineState& st, int P) {
  constexpr std::string_view kAtLine = "('           ---- At line No. _',I3,'_')";
  const SymbolTable& s = st.SYMTAB;
  int last = std::min(s.NLINE, SymbolTable::MAXLIN) - 1;
  for (int b = 1; b <= last; ++b) {
    if (s.LINSTA(b) + 1 <= P && P <= s.LINSTA(b + 1)) {
      LSTWR(st, kAtLine, Fields().i(b));
      PAGCHK(st, 1);
      return;
    }
  }
}

void errorAt(EngineState& st, std::string_view fmt, const Fields& f, int lines, int p) {
  LSTWR(st, fmt, f);
  if (p > 0) LINEAT(st, p);
  ERRCNT(st, lines);
}

void warningAt(EngineState& st, std::string_view fmt, const Fields& f, int lines, int p) {
  LSTWR(st, fmt, f);
  if (p > 0) LINEAT(st, p);
  PAGCHK(st, lines);
}

void mystop(EngineState& st, std::string_view MSG) {
  format::RecordSink* listing = st.UNITS.sink(st.RUNCTL.LSTUNI);
  if (listing) listing->put(" " + std::string(MSG));
  format::RecordSink* console = st.UNITS.sink(st.RUNCTL.OUTUNI);
  if (console) console->put(" ");
  throw EngineHalt{};
}

}  // namespace engine
