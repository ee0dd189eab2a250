// One pass of a FOR level: every list moves to its next element (stepping
// through A TO B ranges in the header itself) and the element replaces the
// FOR variable throughout the body.
#include <algorithm>
#include <cmath>

#include "engine/for/for_tables.h"
#include "engine/util/listing.h"
#include "engine/util/lists.h"

namespace engine {

namespace {

struct Element {
  bool isNumber = false;
  float value = 0.0f;
  Name8 name;
};

Element numberElement(float v) {
  Element e;
  e.isNumber = true;
  e.value = v;
  return e;
}

Element nameElement(const Name8& n) {
  Element e;
  e.name = n;
  return e;
}

// A list has run out when its next element would be its delimiter: the
// header promised more passes than this list has elements.
void requireElement(EngineState& st, int j) {
  const Name8& w = st.SYMTAB.SYM(j);
  if (w == Name8(";") || w == Name8("$") || j > st.SYMTAB.NSYM) {
    forHalt(st,
            "(' **Halt** : Error in sub. HATSEV delimiter',/,'            encountered  . Contact "
            "DRESK advisor')",
            Fields(), 0);
  }
}

bool isSign(const Name8& w) {
  return w == Name8("+") || w == Name8("-");
}

// The number at J, with the sign symbol before it when there is one; POS =
// the number's own symbol.
float signedNumberAt(EngineState& st, int j, int& pos) {
  const SymbolTable& s = st.SYMTAB;
  requireElement(st, j);
  if (!isSign(s.SYM(j))) {
    pos = j;
    return s.SYMVAL(j);
  }
  pos = j + 1;
  requireElement(st, pos);
  return s.SYM(j) == Name8("-") ? -s.SYMVAL(pos) : s.SYMVAL(pos);
}

// Kind 1. Inside v TO w the start symbol holds the value used last; the
// elements are v, the whole numbers from INT(v) + 1 up to w, and w itself,
// also when w is not whole. A range whose start is not below its end adds
// nothing.
Element nextNumber(EngineState& st, ListDescriptor& d, int j) {
  SymbolTable& s = st.SYMTAB;
  for (;;) {
    requireElement(st, j);
    if (isForRangeWord(s.SYM(j)) && d.curPos > 0) {
      int endPos = 0;
      float end = signedNumberAt(st, j + 1, endPos);
      float current = s.SYMVAL(d.curPos);
      if (current >= end) {
        d.curPos = endPos;
        j = endPos + 1;
        continue;
      }
      float next = std::trunc(current) + 1.0f;
      if (next >= end) {
        d.curPos = endPos;
        return numberElement(end);
      }
      s.SYMVAL(d.curPos) = next;
      return numberElement(next);
    }
    if (isForRangeWord(s.SYM(j))) j += 1;  // TO before any element: a reported list fault
    int pos = 0;
    float v = signedNumberAt(st, j, pos);
    if (pos != j && isForRangeWord(s.SYM(pos + 1))) s.SYMVAL(pos) = v;
    d.curPos = pos;
    return numberElement(v);
  }
}

// Kinds 3 and 5. Inside A TO B of indexed names the start symbol is rewritten
// to the name used last.
Element nextName(EngineState& st, ListDescriptor& d, int j) {
  SymbolTable& s = st.SYMTAB;
  for (;;) {
    requireElement(st, j);
    if (isForRangeWord(s.SYM(j)) && d.curPos > 0) {
      requireElement(st, j + 1);
      Name8 prefix;
      int length = 0;
      int32_t i1 = 0;
      int32_t i2 = 0;
      bool ok = false;
      SPLIDX(st, j, prefix, length, i1, i2, ok);
      if (ok && i1 < i2) {
        s.SYM(d.curPos) = generatedName(prefix, length, static_cast<int64_t>(i1) + 1);
        return nameElement(s.SYM(d.curPos));
      }
      Fields range;
      range.a(s.SYM(j - 1)).a(s.SYM(j)).a(s.SYM(j + 1));
      if (ok && i1 > i2) {
        LSTWR(st, "(' **Error** Decreasing order in TO-list : ',3A)", range);
        LINEAT(st, j);
        ERRCNT(st, 1);
      } else if (ok || length > 0) {
        // The range is used up, or its names share a prefix without forming
        // an indexed pair: the end name is not an element of its own.
        d.curPos = j + 1;
        j += 2;
        continue;
      } else if (!s.isNumber(j - 1) && !s.isNumber(j + 1)) {
        LSTWR(st, "(' **Warning** Incorrect use of TO Convention : ',3A)", range);
        LINEAT(st, j);
      }
      d.curPos = j + 1;
      return nameElement(s.SYM(j + 1));
    }
    if (isForRangeWord(s.SYM(j))) {
      j += 1;
      requireElement(st, j);
    }
    d.curPos = j;
    return nameElement(s.SYM(j));
  }
}

// Position of the first entry of TABLE equal to NAME, 0 when none.
int firstIndexOf(std::span<const Name8> table, const Name8& name) {
  for (size_t k = 0; k < table.size(); ++k) {
    if (table[k] == name) return static_cast<int>(k) + 1;
  }
  return 0;
}

// Kinds 2 and 4: names of the scalar table or of the variable dictionary; a
// range runs over the table entries from A to B.
Element nextTableName(EngineState& st, ListDescriptor& d, int j) {
  SymbolTable& s = st.SYMTAB;
  std::span<const Name8> table = d.kind == kScalarNames ? st.SCLTAB.SCLNAM.first(st.SCLTAB.NSCL)
                                                        : st.VARDIC.VNAME.first(st.VARDIC.NVAR);
  for (;;) {
    requireElement(st, j);
    if (isForRangeWord(s.SYM(j)) && d.curPos > 0) {
      requireElement(st, j + 1);
      int endIdx = firstIndexOf(table, s.SYM(j + 1));
      if (d.curIdx > 0 && endIdx > d.curIdx) {
        d.curIdx += 1;
        if (d.curIdx == endIdx) d.curPos = j + 1;
        return nameElement(table[static_cast<size_t>(d.curIdx - 1)]);
      }
      d.curPos = j + 1;
      j += 2;
      continue;
    }
    if (isForRangeWord(s.SYM(j))) {
      j += 1;
      requireElement(st, j);
    }
    d.curPos = j;
    d.curIdx = firstIndexOf(table, s.SYM(j));
    if (d.curIdx == 0) {
      LSTWR(st, "(' **Error** : Undefined variable ',A)", Fields().a(s.SYM(j)));
      ERRCNT(st, 1);
      LINEAT(st, j);
    }
    return nameElement(s.SYM(j));
  }
}

// The first piece of a quoted text holds the number of pieces in its value.
bool isFirstTextPiece(const SymbolTable& s, int p) {
  float pieces = s.SYMVAL(p);
  return s.SYM(p - 1) == Name8("'") && pieces >= 1.0f && pieces <= static_cast<float>(s.NSYM) &&
         s.SYM(p + static_cast<int>(pieces)) == Name8("'");
}

// Replaces every whole symbol of the body that reads V, including pieces of
// quoted texts. A number keeps a text's piece count intact.
void substitute(EngineState& st, const ForLevel& lv, const Name8& V, const Element& e) {
  SymbolTable& s = st.SYMTAB;
  for (int p = lv.bodyFirst; p < lv.bodyFirst + lv.bodyLength; ++p) {
    if (!(s.SYM(p) == V)) continue;
    if (!e.isNumber) {
      s.SYM(p) = e.name;
      continue;
    }
    bool firstPiece = isFirstTextPiece(s, p);
    s.SYM(p) = Name8();
    if (!firstPiece) s.SYMVAL(p) = e.value;
  }
}

Element nextElement(EngineState& st, ListDescriptor& d) {
  int j = d.curPos == 0 ? d.varPos + 2 : d.curPos + 1;
  switch (d.kind) {
    case kNumbers:
      return nextNumber(st, d, j);
    case kScalarNames:
    case kVariables:
      return nextTableName(st, d, j);
    default:
      return nextName(st, d, j);
  }
}

}  // namespace

void HATSEV(EngineState& st, ForTables& t) {
  ForLevel& lv = t.current();
  if (lv.passesLeft <= 0) return;
  int stored = std::min(lv.lists, ForTables::MAXLST - lv.firstList + 1);
  for (int k = lv.firstList; k < lv.firstList + stored; ++k) {
    ListDescriptor& d = t.lists(k);
    if (d.kind == kNoList) continue;
    Name8 variable = st.SYMTAB.SYM(d.varPos);
    Element e = nextElement(st, d);
    substitute(st, lv, variable, e);
  }
  lv.passesLeft -= 1;
}

}  // namespace engine
