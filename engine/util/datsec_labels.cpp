// The DATA sentences that describe declared variables: variable labels,
// category labels and missing values, with the per-variable defaults.
#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "engine/util/datsec.h"
#include "engine/util/inputsec.h"
#include "engine/util/listing.h"
#include "engine/util/lists.h"
#include "engine/util/recovery.h"

namespace engine {
namespace {

using std::string_view_literals::operator""sv;

constexpr std::string_view kNoVariablesFmt = "(' **Error** No variable list supplied')";
constexpr std::string_view kUndeclaredFmt = "(' **Error** Undeclared Variable : ',A)";
constexpr std::string_view kTooManyVarLabelsFmt =
    "(' **Error** : You have more than ',I4,' variable labels')";
constexpr std::string_view kVarTerminalFmt =
    "(' **Error** : Missing terminal ',A,' for variable ',A)";
constexpr std::string_view kQuoteExpectedFmt = "(' **Error** : ',A,' expected instead of ',A)";
constexpr std::string_view kCategoryExpectedFmt =
    "(' **Error** : Category expected instead of ',A)";
constexpr std::string_view kTooManyCatLabelsFmt =
    "(' **Error** : You have more than ',I4,' category labels')";
constexpr std::string_view kCatTerminalFmt = "(' **Error** : Missing terminal ',A)";
constexpr std::string_view kValueListExpectedFmt =
    "(' **Error** : Value list expected instead of ',A)";

const Name8 kQuote("'");
const Name8 kSemicolon(";");

bool is(const EngineState& st, int p, const Name8& w) {
  return st.SYMTAB.SYM(p) == w;
}

// The next free label number; after the store overflowed it starts again at
// 1, with the error written, so that later labels overwrite the first ones.
int nextLabel(EngineState& st, int32_t& used, int capacity, std::string_view overflowFmt) {
  if (++used > capacity) {
    errorAt(st, overflowFmt, Fields().i(capacity), 1, st.SYMTAB.IPOS);
    used = 1;
  }
  return used;
}

// The first label number of a new group, wrapping as nextLabel does.
int firstOfGroup(int32_t used, int capacity) {
  return used + 1 > capacity ? 1 : used + 1;
}

// Copies the first 24 characters of the quoted text whose opening quote is at
// p into `label`; returns the position where its closing quote should be.
int copyQuotedText(const EngineState& st, int p, DATINP::Label& label) {
  const SymbolTable& s = st.SYMTAB;
  const int pieces = std::max(0, static_cast<int>(s.SYMVAL(p + 1)));
  label.fill(' ');
  for (int k = 0; k < std::min(pieces, DATINP::LABLEN / 8); ++k)
    std::copy_n(s.SYM(p + 1 + k).c, 8, label.begin() + 8 * k);
  return p + pieces + 1;
}

// The ";" that ends the sentence's list, found before walking it so that the
// walk cannot run past the symbols (a list without one halts the run).
int listEnd(EngineState& st, int first) {
  std::array<Name8, 1> delims = {kSemicolon};
  int n = 0;
  LSTLEN(st, delims, 1, first, n);
  return first + n;
}

// One label of VARLABS with p on its opening quote; returns the position
// after it.
int variableLabel(EngineState& st, int p) {
  DATINP& d = st.DATINP;
  st.SYMTAB.IPOS = p;
  const int k = nextLabel(st, d.NVLAB, DATINP::MAXVLAB, kTooManyVarLabelsFmt);
  const int close = copyQuotedText(st, p, d.VLTEXT(k));
  if (!is(st, close, kQuote)) {
    errorAt(st, kVarTerminalFmt, Fields().a("'"sv).a(st.SYMTAB.SYM(close)), 1, close);
  }
  return close + 1;
}

// The variables listed from p up to one of `delims`; p ends on the list's
// last symbol.
std::vector<int32_t> declaredVariables(EngineState& st, int& p, std::span<Name8> delims) {
  std::vector<int32_t> idx(DATINP::MAXVAR);
  int n = 0;
  VARLST(st, st.VARDIC.VNAME.first(st.VARDIC.NVAR), delims, static_cast<int>(delims.size()), p, idx,
         n);
  idx.resize(static_cast<size_t>(std::clamp(n, 0, DATINP::MAXVAR)));
  return idx;
}

}  // namespace

void VARDEF(EngineState& st, int N) {
  DATINP& d = st.DATINP;
  const float miss = MISVAL(st);
  for (int v = 1; v <= std::min(N, DATINP::MAXVAR); ++v) {
    d.NMISV(v) = 1;
    d.VMIS(v)[0] = {miss, miss};
    d.VLFRST(v) = 0;
    d.CLFRST(v) = 0;
  }
  d.NVLAB = 0;
  d.NCLAB = 0;
}

void MISAPP(EngineState& st, int V) {
  DATINP& d = st.DATINP;
  const float miss = MISVAL(st);
  DATINP::Intervals& v = d.VMIS(V);
  const auto holds = [&](const DATINP::Interval& i) { return i[0] <= miss && miss <= i[1]; };
  if (std::any_of(v.begin(), v.begin() + d.NMISV(V), holds)) return;
  v[static_cast<size_t>(d.NMISV(V))] = {miss, miss};
  d.NMISV(V) += 1;
}

int DATVLB(EngineState& st) {
  DATINP& d = st.DATINP;
  if (expectAssign(st, "VARLABS") != 0) return 1;
  int p = st.SYMTAB.IPOS + 1;
  const int end = listEnd(st, p);
  if (p == end) errorAt(st, kNoVariablesFmt, Fields(), 1, p);
  while (p < end) {
    const int first = firstOfGroup(d.NVLAB, DATINP::MAXVLAB);
    int v = 0;
    LOOKUP(st.VARDIC.VNAME.first(st.VARDIC.NVAR), st.SYMTAB.SYM(p), v);
    if (v == 0) errorAt(st, kUndeclaredFmt, Fields().a(st.SYMTAB.SYM(p)), 1, p);
    ++p;
    if (v != 0) d.VLFRST(v) = first;
    do {
      if (is(st, p, kQuote)) {
        p = variableLabel(st, p);
      } else {
        errorAt(st, kQuoteExpectedFmt, Fields().a("'"sv).a(st.SYMTAB.SYM(p)), 1, p);
        if (p < end) ++p;
      }
    } while (p < end && is(st, p, kQuote));
    d.VLLAST(first) = d.NVLAB;
  }
  st.SYMTAB.IPOS = end - 1;
  return 0;
}

int DATCLB(EngineState& st) {
  DATINP& d = st.DATINP;
  if (expectAssign(st, "CATLABS") != 0) return 1;
  int p = st.SYMTAB.IPOS + 1;
  const int end = listEnd(st, p);
  do {
    const int first = firstOfGroup(d.NCLAB, DATINP::MAXCLAB);
    std::array<Name8, 2> delims = {kSemicolon, Name8()};  // a number has a blank symbol
    const std::vector<int32_t> vars = declaredVariables(st, p, delims);
    ++p;
    if (p >= end) {
      errorAt(st, kCategoryExpectedFmt, Fields().a(";"sv), 1, p);
      break;
    }
    for (int v : vars) d.CLFRST(v) = first;
    while (p < end && st.SYMTAB.isNumber(p)) {
      const float category = st.SYMTAB.SYMVAL(p);
      ++p;
      if (!is(st, p, kQuote)) {
        errorAt(st, kQuoteExpectedFmt, Fields().a("'"sv).a(st.SYMTAB.SYM(p)), 1, p);
        continue;
      }
      st.SYMTAB.IPOS = p;
      const int k = nextLabel(st, d.NCLAB, DATINP::MAXCLAB, kTooManyCatLabelsFmt);
      d.CLVAL(k) = category;
      const int close = copyQuotedText(st, p, d.CLTEXT(k));
      if (!is(st, close, kQuote)) errorAt(st, kCatTerminalFmt, Fields().a("'"sv), 1, close);
      p = close + 1;
    }
    d.CLLAST(first) = d.NCLAB;
  } while (p < end);
  st.SYMTAB.IPOS = end - 1;
  return 0;
}

int DATMIS(EngineState& st) {
  DATINP& d = st.DATINP;
  if (expectAssign(st, "MISSINGS") != 0) return 1;
  int p = st.SYMTAB.IPOS + 1;
  const int end = listEnd(st, p);
  do {
    std::array<Name8, 4> varDelims = {kSemicolon, Name8(), Name8("+"), Name8("-")};
    const std::vector<int32_t> vars = declaredVariables(st, p, varDelims);
    ++p;
    if (p >= end) {
      errorAt(st, kValueListExpectedFmt, Fields().a(";"sv), 1, p);
      break;
    }
    // The value list is made of numbers, signs and the range word.
    std::array<Name8, 5> valueSymbols = {Name8(), Name8("TO"), Name8("to"), Name8("+"), Name8("-")};
    DATINP::Intervals intervals{};
    int32_t count = 0;
    VALLST(st, std::span(intervals).first(DATINP::MAXMIS), count, valueSymbols, -5, p);
    ++p;
    for (int v : vars) {
      d.VMIS(v) = intervals;
      d.NMISV(v) = count;
      MISAPP(st, v);
    }
  } while (p < end);
  st.SYMTAB.IPOS = end - 1;
  return 0;
}

}  // namespace engine
