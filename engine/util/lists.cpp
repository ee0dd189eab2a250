// The list readers NEWLST, VARLST, VALLST and RVLLST.
#include "engine/util/lists.h"

#include <algorithm>

#include "engine/globals/numeric.h"
#include "engine/util/list_elements.h"

namespace engine {

using lists::Extent;

namespace {

constexpr int64_t kMaxCount = 1000000000;

// Appends one entry at position ++count of `table` when it fits.
template <class T>
void append(std::span<T> table, int& count, const T& value) {
  count = static_cast<int>(std::min<int64_t>(int64_t{count} + 1, kMaxCount));
  if (count <= static_cast<int>(table.size())) table[static_cast<size_t>(count - 1)] = value;
}

// Appends the whole numbers from..to, storing those that fit.
void appendWholeNumbers(std::span<float> VALS, int& NOUT, int64_t from, int64_t to) {
  int64_t n = std::max<int64_t>(0, to - from + 1);
  int64_t start = NOUT;
  for (int64_t i = 0; i < n && start + i < static_cast<int64_t>(VALS.size()); ++i)
    VALS[static_cast<size_t>(start + i)] = static_cast<float>(from + i);
  NOUT = static_cast<int>(std::min(start + n, kMaxCount));
}

// Handles "A TO B" of a new-name list at k; returns the next symbol to read.
int newNameRange(EngineState& st, int k, std::span<Name8> NAMES, int& NOUT) {
  const SymbolTable& s = st.SYMTAB;
  Name8 prefix;
  int len = 0;
  int32_t i1 = 0, i2 = 0;
  bool ok = false;
  SPLIDX(st, k, prefix, len, i1, i2, ok);
  if (ok && i1 <= i2) {
    int at = std::max(NOUT, 1);
    NAMGEN(NAMES, at, prefix, len, i1, i2);
    NOUT = static_cast<int>(std::min<int64_t>(int64_t{at} + (int64_t{i2} - i1), kMaxCount));
    if (i1 == i2)
      warningAt(st, "(' **Warning** Constant Index in TO-list : ',3A)", lists::rangeFields(st, k),
                1, 0);
    return k + 2;
  }
  if (ok) {
    errorAt(st, lists::kDecreasingNames, lists::rangeFields(st, k), 1, k);
    return k + 1;
  }
  if (len > 0) {
    errorAt(st, "(' **Error** in TO-list : ',3A)", lists::rangeFields(st, k), 1, k);
    return k + 2;
  }
  if (!s.isNumber(k - 1) && !s.isNumber(k + 1))
    warningAt(st, lists::kIncorrectTo, lists::rangeFields(st, k), 1, k);
  return k + 1;
}

void reportNumberAsName(EngineState& st, int k) {
  errorAt(st, lists::kNumberAsName, Fields().i(truncateToInt(st.SYMTAB.SYMVAL(k))), 1, k);
}

// First position of `name` in DICT, 0 when absent.
int firstIndex(std::span<const Name8> DICT, const Name8& name) {
  auto it = std::find(DICT.begin(), DICT.end(), name);
  return it == DICT.end() ? 0 : static_cast<int>(it - DICT.begin()) + 1;
}

}  // namespace

void NEWLST(EngineState& st, std::span<Name8> NAMES, int& NOUT, std::span<Name8> DELIMS, int ND) {
  SymbolTable& s = st.SYMTAB;
  NOUT = 0;
  Extent list;
  if (!lists::findExtent(st, DELIMS, ND, s.IPOS, lists::kNoNames, list)) {
    s.IPOS = list.last;
    return;
  }
  for (int k = list.first; k <= list.last;) {
    if (isRangeWord(s.SYM(k))) {
      if (k == list.first || k == list.last) {
        lists::reportToAtEdge(st, "(' **Error** in Syntax of TO-list : ',2A)", list, k);
        k += 1;
      } else {
        k = newNameRange(st, k, NAMES, NOUT);
      }
      continue;
    }
    if (s.isNumber(k)) {
      reportNumberAsName(st, k);
      append(NAMES, NOUT, Name8());
    } else {
      append(NAMES, NOUT, s.SYM(k));
    }
    k += 1;
  }
  s.IPOS = list.last;
}

namespace {

// VARLST with the range words that `isRange` accepts.
void readDeclaredNames(EngineState& st, std::span<const Name8> DICT, std::span<Name8> DELIMS,
                       int ND, int& P, std::span<int32_t> IDX, int& NOUT,
                       bool (*isRange)(const Name8&)) {
  const SymbolTable& s = st.SYMTAB;
  NOUT = 0;
  Extent list;
  if (!lists::findExtent(st, DELIMS, ND, P, lists::kNoNames, list)) {
    P = list.last;
    return;
  }
  int last = 0;  // position of the last name found, 0 when it was not found
  for (int k = list.first; k <= list.last;) {
    const Name8& w = s.SYM(k);
    if (isRange(w) && (k == list.first || k == list.last)) {
      lists::reportToAtEdge(st, lists::kToSyntaxDeclared, list, k);
      k += 1;
    } else if (isRange(w)) {
      int j = firstIndex(DICT, s.SYM(k + 1));
      if (j == 0) {
        errorAt(st, lists::kUndeclared, Fields().a(s.SYM(k + 1)), 1, k + 1);
      } else if (last != 0 && j >= last) {
        for (int v = last + 1; v <= j; ++v) append(IDX, NOUT, v);
      } else if (last != 0) {
        errorAt(st, lists::kDecreasingNames, lists::rangeFields(st, k), 1, k);
      }
      last = j;
      k += 2;
    } else if (s.isNumber(k)) {
      reportNumberAsName(st, k);
      last = 0;
      k += 1;
    } else {
      last = firstIndex(DICT, w);
      if (last == 0)
        errorAt(st, lists::kUndeclared, Fields().a(w), 1, k);
      else
        append(IDX, NOUT, last);
      k += 1;
    }
  }
  P = list.last;
}

}  // namespace

void VARLST(EngineState& st, std::span<const Name8> DICT, std::span<Name8> DELIMS, int ND, int& P,
            std::span<int32_t> IDX, int& NOUT) {
  readDeclaredNames(st, DICT, DELIMS, ND, P, IDX, NOUT, isRangeWord);
}

void FORVAR(EngineState& st, std::span<const Name8> TABLE, int P, std::span<Name8> DELIMS, int ND,
            int& COUNT, int& LAST) {
  LAST = P;
  readDeclaredNames(st, TABLE, DELIMS, ND, LAST, {}, COUNT, isForRangeWord);
}

void VALLST(EngineState& st, std::span<std::array<float, 2>> MISS, int32_t& NMISS,
            std::span<Name8> DELIMS, int ND, int& P) {
  constexpr int kMaxIntervals = 10;
  const SymbolTable& s = st.SYMTAB;
  Extent list;
  if (!lists::findExtent(st, DELIMS, ND, P, lists::kNoValues, list)) {
    P = list.last;
    return;
  }
  int count = 0;
  int limit = std::min<int>(kMaxIntervals, static_cast<int>(MISS.size()));
  for (int k = list.first; k <= list.last;) {
    float v = 0.0f;
    int used = 1;
    if (isRangeWord(s.SYM(k)) && (k == list.first || k == list.last)) {
      lists::reportToAtEdge(st, lists::kToSyntaxDeclared, list, k);
    } else if (isRangeWord(s.SYM(k))) {
      if (!lists::signedNumber(st, k + 1, list.last, v, used)) {
        lists::reportNotANumber(st, k + 1);
      } else if (count > 0) {
        MISS[static_cast<size_t>(count - 1)][1] = v;
        if (v < MISS[static_cast<size_t>(count - 1)][0])
          errorAt(st, "(' **Error** Decreasing values in TO-list : ',3A)",
                  lists::rangeFields(st, k), 1, k);
      }
      used += 1;
    } else if (lists::signedNumber(st, k, list.last, v, used)) {
      if (count == limit) {
        errorAt(st, "(' **Error** More than ',I3,' intervals')", Fields().i(kMaxIntervals), 1, k);
        count = 0;
      }
      count += 1;
      MISS[static_cast<size_t>(count - 1)] = {v, v};
    } else {
      lists::reportNotANumber(st, k + used - 1);
    }
    k += used;
  }
  NMISS = count;
  P = list.last;
}

void RVLLST(EngineState& st, std::span<float> VALS, int& NOUT, std::span<Name8> DELIMS, int ND,
            int& P) {
  const SymbolTable& s = st.SYMTAB;
  NOUT = 0;
  Extent list;
  if (!lists::findExtent(st, DELIMS, ND, P, lists::kNoValues, list)) {
    P = list.last;
    return;
  }
  float previous = 0.0f;
  for (int k = list.first; k <= list.last;) {
    float w = 0.0f;
    int used = 1;
    if (isRangeWord(s.SYM(k)) && lists::reportValueToAtEdge(st, list, k, previous, used)) {
      k += used;
      continue;
    }
    if (isRangeWord(s.SYM(k))) {
      if (!lists::signedNumber(st, k + 1, list.last, w, used)) {
        lists::reportNotANumber(st, k + 1);
      } else if (previous > w) {
        errorAt(st, "(' **Error** Decreasing values in TO-list : ',F8.3,1X,A2,1X,F8.3)",
                Fields().r(previous).a(s.SYM(k)).r(w), 1, k);
      } else if (previous == w) {
        errorAt(st, "(' **Error** Same values in TO-list : ',F8.3,1X,A2,1X,F8.3)",
                Fields().r(previous).a(s.SYM(k)).r(w), 1, k);
      } else {
        appendWholeNumbers(VALS, NOUT, int64_t{truncateToInt(previous)} + 1, truncateToInt(w));
        if (!isWhole(w)) append(VALS, NOUT, w);
        previous = w;
      }
      used += 1;
    } else if (lists::signedNumber(st, k, list.last, w, used)) {
      append(VALS, NOUT, w);
      previous = w;
    } else {
      lists::reportNotANumber(st, k + used - 1);
    }
    k += used;
  }
  P = list.last;
}

}  // namespace engine
