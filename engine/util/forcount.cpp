// The counting readers of FOR lists FORNUM and FORNAM: they count the
// elements of a list as the list readers would expand them.
#include <algorithm>
#include <cmath>

#include "engine/globals/numeric.h"
#include "engine/util/list_elements.h"
#include "engine/util/lists.h"

namespace engine {

using lists::Extent;

namespace {

constexpr int64_t kMaxCount = 1000000000;

void add(int& count, int64_t n) {
  count = static_cast<int>(std::min(count + n, kMaxCount));
}

// False, after the message, for a value beyond the 32-bit range.
bool withinIntRange(EngineState& st, float v, int k) {
  if (std::fabs(v) <= 2147483647.0f) return true;
  errorAt(st, "(' **Error** You have a constant exceeding ',I10,/,'           : ',E8.1)",
          Fields().i(2147483647).r(v), 2, k);
  return false;
}

// The count a range adds to a number list.
int64_t numberRangeCount(EngineState& st, float v, float w, int k) {
  if (v > w) {
    errorAt(st, "(' **Error** Decreasing values in TO-list : ',F8.3,1X,A2,1X,F8.3)",
            Fields().r(v).a(st.SYMTAB.SYM(k)).r(w), 1, k);
    return 0;
  }
  if (v == w) return 0;
  // The passes step through the whole numbers after INT(v) that do not pass w,
  // then take w itself when it is not whole. A negative w that is not whole
  // lies below INT(w), so INT(w) is not one of them.
  const int64_t steps = int64_t{truncateToInt(w)} - truncateToInt(v);
  if (isWhole(w)) return steps;
  return w < 0 ? std::max<int64_t>(1, steps) : steps + 1;
}

}  // namespace

void FORNUM(EngineState& st, int P, std::span<Name8> DELIMS, int ND, int& COUNT, int& LAST) {
  const SymbolTable& s = st.SYMTAB;
  COUNT = 0;
  Extent list;
  bool any = lists::findExtent(st, DELIMS, ND, P, lists::kNoValues, list);
  LAST = list.last;
  if (!any) return;
  float previous = 0.0f;
  bool previousValid = false;
  for (int k = list.first; k <= list.last;) {
    float w = 0.0f;
    int used = 1;
    if (isForRangeWord(s.SYM(k)) && lists::reportValueToAtEdge(st, list, k, previous, used)) {
      k += used;
      continue;
    }
    if (isForRangeWord(s.SYM(k))) {
      if (!lists::signedNumber(st, k + 1, list.last, w, used)) {
        lists::reportNotANumber(st, k + 1);
      } else if (withinIntRange(st, w, k + used) && previousValid) {
        add(COUNT, numberRangeCount(st, previous, w, k));
        previous = w;
      }
      used += 1;
    } else if (lists::signedNumber(st, k, list.last, w, used)) {
      previousValid = withinIntRange(st, w, k + used - 1);
      if (previousValid) add(COUNT, 1);
      previous = w;
    } else {
      lists::reportNotANumber(st, k + used - 1);
    }
    k += used;
  }
}

void FORNAM(EngineState& st, int P, std::span<Name8> DELIMS, int ND, int& COUNT, int& LAST) {
  const SymbolTable& s = st.SYMTAB;
  COUNT = 0;
  Extent list;
  bool any = lists::findExtent(st, DELIMS, ND, P, lists::kNoNames, list);
  LAST = list.last;
  if (!any) return;
  for (int k = list.first; k <= list.last;) {
    if (!isForRangeWord(s.SYM(k))) {
      if (s.isNumber(k))
        errorAt(st, lists::kNumberAsName, Fields().i(truncateToInt(s.SYMVAL(k))), 1, k);
      add(COUNT, 1);
      k += 1;
      continue;
    }
    if (k == list.first || k == list.last) {
      lists::reportToAtEdge(st, "(' **Error** in Syntax of TO-list : ',2A)", list, k);
      k += 1;
      continue;
    }
    Name8 prefix;
    int len = 0;
    int32_t i1 = 0, i2 = 0;
    bool ok = false;
    SPLIDX(st, k, prefix, len, i1, i2, ok);
    if (ok && i1 <= i2) {
      add(COUNT, int64_t{i2} - i1);
      k += 2;
    } else if (ok) {
      errorAt(st, lists::kDecreasingNames, lists::rangeFields(st, k), 1, k);
      k += 1;
    } else if (len > 0) {
      warningAt(st, "(' **Warning** Same Name in TO-list : ',3A)", lists::rangeFields(st, k), 1, k);
      k += 2;
    } else {
      if (!s.isNumber(k - 1) && !s.isNumber(k + 1))
        warningAt(st, lists::kIncorrectTo, lists::rangeFields(st, k), 1, k);
      k += 1;
    }
  }
}

}  // namespace engine
