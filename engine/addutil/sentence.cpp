// The sentence routines: assignment forms and delimiter checks.
#include "engine/addutil/sentence.h"

#include <algorithm>
#include <cstring>

#include "engine/globals/numeric.h"
#include "engine/util/listing.h"

namespace engine {

namespace {

constexpr std::string_view kNoAssign =
    "(' **Error** : ',A,' sentence not followed',' by IS or ARE or =')";
constexpr std::string_view kNoOpenQuote =
    "(' **Error** : The Name after ',A,' sentence',' is not preceded by a single quote')";
constexpr std::string_view kNoCloseQuote =
    "(' **Error** : The Name after ',A,' sentence',' is not followed by a single quote')";
constexpr std::string_view kNotANumber = "(' **Error** : ',A,' Not a number')";
constexpr std::string_view kNoSemicolon = "(' **Error** : Missing semicolon delimiter')";

// Writes a one-line sentence message naming the line of symbol p.
void sentenceError(EngineState& st, std::string_view fmt, std::string_view item, int p) {
  LSTWR(st, fmt, Fields().a(item));
  LINEAT(st, p);
}

// The signed number after the assignment sign; the common part of NUMSN
// and RNUMSN.
bool readSignedValue(EngineState& st, std::string_view KEY, float& value) {
  SymbolTable& s = st.SYMTAB;
  s.IPOS += 1;
  if (!isAssignSign(st, s.IPOS)) {
    sentenceError(st, kNoAssign, KEY, s.IPOS);
    return false;
  }
  s.IPOS += 1;
  float sign = 1.0f;
  if (s.SYM(s.IPOS) == Name8("+") || s.SYM(s.IPOS) == Name8("-")) {
    if (s.SYM(s.IPOS) == Name8("-")) sign = -1.0f;
    s.IPOS += 1;
  } else if (!s.isNumber(s.IPOS)) {
    sentenceError(st, kNotANumber, s.SYM(s.IPOS).view(), s.IPOS);
    return false;
  }
  value = sign * s.SYMVAL(s.IPOS);
  return true;
}

}  // namespace

void UPCASE(char* TEXT, int N) {
  for (int k = 0; k < N; ++k)
    if (TEXT[k] >= 'a' && TEXT[k] <= 'z') TEXT[k] = static_cast<char>(TEXT[k] - 'a' + 'A');
}

void UPCASE(Name8& W) {
  UPCASE(W.c, 8);
}

bool isAssignSign(const EngineState& st, int p) {
  const Name8& w = st.SYMTAB.SYM(p);
  return w == Name8("=") || w == Name8("IS") || w == Name8("ARE");
}

void QNAMSN(EngineState& st, int& P, std::string_view KEY, std::span<char> DEST, int STEP, int MAXW,
            int MODE, int& NW, int& ERR) {
  SymbolTable& s = st.SYMTAB;
  ERR = 0;
  NW = 0;
  P += 1;
  if (!isAssignSign(st, P)) {
    sentenceError(st, kNoAssign, KEY, P);
    ERR = 1;
    return;
  }
  P += 1;
  if (!(s.SYM(P) == Name8("'"))) {
    sentenceError(st, kNoOpenQuote, KEY, P);
    ERR = 1;
    return;
  }
  // The piece count comes from the symbol after the quote, whatever it is:
  // keep it within the symbols read.
  int n = std::clamp(truncateToInt(s.SYMVAL(P + 1)), 0, std::max(s.NSYM - P, 0));
  NW = std::min(MAXW, n);
  int width = MODE == 1 ? STEP : 8;
  for (int i = 1; i <= NW; ++i) {
    size_t at = static_cast<size_t>(i - 1) * static_cast<size_t>(width);
    if (width <= 0 || at >= DEST.size()) break;
    size_t len = std::min(DEST.size() - at, static_cast<size_t>(width));
    std::memset(DEST.data() + at, ' ', len);
    std::memcpy(DEST.data() + at, s.SYM(P + i).c, std::min<size_t>(len, 8));
  }
  P += n + 1;
  if (!(s.SYM(P) == Name8("'"))) {
    sentenceError(st, kNoCloseQuote, KEY, P);
    ERR = 1;
  }
}

void KEYWSN(EngineState& st, Name8& DEST, std::string_view KEY, int& ERR) {
  SymbolTable& s = st.SYMTAB;
  ERR = 0;
  s.IPOS += 1;
  if (!isAssignSign(st, s.IPOS)) {
    sentenceError(st, kNoAssign, KEY, s.IPOS);
    ERR = 1;
    return;
  }
  s.IPOS += 1;
  UPCASE(s.SYM(s.IPOS));
  DEST = s.SYM(s.IPOS);
}

void NUMSN(EngineState& st, int32_t& IVAL, std::string_view KEY, int& ERR) {
  float value = 0.0f;
  ERR = readSignedValue(st, KEY, value) ? 0 : 1;
  if (ERR == 0) IVAL = truncateToInt(value);
}

void RNUMSN(EngineState& st, float& RVAL, std::string_view KEY, int& ERR) {
  float value = 0.0f;
  ERR = readSignedValue(st, KEY, value) ? 0 : 1;
  if (ERR == 0) RVAL = value;
}

void SEMCHK(EngineState& st, int& CODE) {
  SymbolTable& s = st.SYMTAB;
  s.IPOS += 1;
  if (!(s.SYM(s.IPOS) == Name8(";"))) {
    LSTWR(st, kNoSemicolon);
    LINEAT(st, s.IPOS);
    CODE = 1;
    return;
  }
  s.IPOS += 1;
  CODE = s.SYM(s.IPOS) == Name8("$") ? 2 : 3;
}

void SEMSL(EngineState& st, int& CODE) {
  SymbolTable& s = st.SYMTAB;
  s.IPOS += 1;
  if (s.SYM(s.IPOS) == Name8("/")) {
    s.IPOS += 1;
    CODE = s.SYM(s.IPOS) == Name8(";") ? 2 : 3;
  } else if (s.SYM(s.IPOS) == Name8(";")) {
    CODE = 2;
  } else {
    LSTWR(st, kNoSemicolon);
    LINEAT(st, s.IPOS);
    CODE = 1;
  }
}

}  // namespace engine
