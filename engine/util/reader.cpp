// The command stream reader: DRKSET, the line reader NXTCHR and RDSTRM.
#include "engine/util/reader.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/globals/numeric.h"
#include "engine/util/clock.h"
#include "engine/util/listing.h"

namespace engine {

namespace {

constexpr std::string_view kBanner =
    "(' ',/,5X,'--- D R E S K ---',14X,A11,5X,A11,5X,'PAGE',I4,/,5X,'ORVANTIS',/,3X,"
    "'DATA ANALYSIS PACKAGE',/,/,/)";
constexpr std::string_view kRule = "(1X,79('-'))";
constexpr std::string_view kEcho = "(1X,'_',I3,'_ ',80A1)";
constexpr std::string_view kUnpairedClose = "(' **Error**  : Unpaired Comment Brackets')";
constexpr std::string_view kUnpairedOpen = "(' **Error**  Unpaired Comment Brackets',/)";
constexpr std::string_view kTooManySymbols =
    "(' **Error** : Command Language error',/,'             Too many symbols or missing',/,"
    "'             right comment bracket(s)')";
constexpr std::string_view kBadExponent =
    "(' **Error** in scientific representation of a number',/,"
    "'           the exponent must be integer')";
constexpr std::string_view kLongQuote =
    "(' **Error** More than',I4,' characters between quotes',/,"
    "'           or missing right quote')";
constexpr std::string_view kMissingQuote =
    "(' **Error** :  missing right quote',/,'              End of input directives reached',/,"
    "'              Execution stopped')";
constexpr int kMaxQuote = 400;
constexpr char kEndOfFileChar = 26;

bool isDigit(char ch) {
  return ch >= '0' && ch <= '9';
}

// One record of the command stream (its first 80 characters), through the
// read-ahead slot; false at the end of the input.
bool readRecord(EngineState& st, std::string& line) {
  if (st.lineHeld) {
    st.lineHeld = false;
    line = st.heldLine;
    return !st.heldAtEnd;
  }
  format::RecordSource* source = st.UNITS.source(st.RUNCTL.INUNIT);
  std::string_view record;
  if (!source || !source->next(record)) return false;
  line.assign(record.substr(0, 80));
  return true;
}

// The first character of the next record, which stays to be read normally;
// a blank when there is no next record.
char peekNextRecord(EngineState& st) {
  if (!st.lineHeld) {
    st.heldAtEnd = !readRecord(st, st.heldLine);
    st.lineHeld = true;
  }
  return st.heldAtEnd || st.heldLine.empty() ? ' ' : st.heldLine[0];
}

// Blanks comments out of LINE: brackets nest and may span lines.
void removeComments(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  for (int k = 1; k <= 80; ++k) {
    char& ch = s.LINE(k);
    if (ch == '{') s.ICOMNT += 1;
    if (ch == '}') {
      s.ICOMNT -= 1;
      ch = ' ';
    }
    if (s.ICOMNT > 0) ch = ' ';
    if (s.ICOMNT < 0) {
      LSTWR(st, kUnpairedClose);
      ERRCNT(st, 1);
      s.ICOMNT = 0;
    }
  }
}

// Reads, echoes and registers the next line; false at the end of the stream.
bool nextLine(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  s.ICOL = 1;
  std::string record;
  if (!readRecord(st, record)) {
    st.RUNCTL.EOFFLG = 1;
    return false;
  }
  record.resize(80, ' ');
  std::copy(record.begin(), record.end(), &s.LINE(1));
  if (s.LINE(1) == kEndOfFileChar) {
    st.RUNCTL.EOFFLG = 1;
    return false;
  }
  LSTWR(st, kEcho, Fields().i(s.NLINE).texts(&s.LINE(1), 1, 80));
  PAGCHK(st, 1);
  if (s.NLINE <= SymbolTable::MAXLIN) s.LINSTA(s.NLINE) = s.NSYM;
  s.NLINE += 1;
  removeComments(st);
  return true;
}

// Single-precision 10 to the power n (n >= 0), by repeated multiplication.
float powerOfTen(float n) {
  float p = 1.0f;
  for (float k = 0.0f; k < n && !std::isinf(p); k += 1.0f) p *= 10.0f;
  return p;
}

bool isEndWord(const Name8& w) {
  return w == Name8("END") || w == Name8("end");
}

void markLineEnd(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  if (s.NLINE <= SymbolTable::MAXLIN) s.LINSTA(s.NLINE) = s.NSYM;
}

enum class Token { Word, Number, Quoted };

// Decides the kind of token at ICOL; for a quote it stores the opening quote
// symbol and reads the text, falling back to a word when the text is empty.
Token classify(EngineState& st, std::string& text, int& nw) {
  SymbolTable& s = st.SYMTAB;
  char ch = s.LINE(s.ICOL);
  if (ch == '.') {
    char next = s.ICOL < 80 ? s.LINE(s.ICOL + 1) : peekNextRecord(st);
    return isDigit(next) ? Token::Number : Token::Word;
  }
  if (isDigit(ch)) return Token::Number;
  if (ch != '\'') return Token::Word;
  s.NSYM += 1;
  s.SYM(s.NSYM) = Name8("'");
  RDQUOT(st, text, kMaxQuote, nw);
  return nw > 0 ? Token::Quoted : Token::Word;
}

void storeQuoted(EngineState& st, const std::string& text, int nw) {
  SymbolTable& s = st.SYMTAB;
  s.NSYM += 1;
  for (int k = 0; k < nw; ++k) s.SYM(s.NSYM + k) = Name8(std::string_view(text).substr(8 * k, 8));
  s.SYMVAL(s.NSYM) = static_cast<float>(nw);
  s.NSYM += nw;
  s.SYM(s.NSYM) = Name8("'");
}

}  // namespace

bool isSpecialChar(char ch) {
  return std::string_view("/*()+-=, $;&|[]#@").find(ch) != std::string_view::npos;
}

void NXTCHR(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  while (st.RUNCTL.EOFFLG == 0) {
    if (s.ICOL > 80 && !nextLine(st)) return;
    char ch = s.LINE(s.ICOL);
    if (ch != ' ' && ch != ',') return;
    s.ICOL += 1;
  }
}

void RDWORD(EngineState& st, Name8& W) {
  SymbolTable& s = st.SYMTAB;
  W = Name8();
  NXTCHR(st);
  char ch = s.LINE(s.ICOL);
  if (isSpecialChar(ch)) {
    W(1) = ch;
    s.ICOL += 1;
    if (ch == '*' && s.LINE(s.ICOL) == '*') {
      W(2) = '*';
      s.ICOL += 1;
    }
    if (s.ICOL > 80) NXTCHR(st);
    return;
  }
  for (int k = 0;;) {
    if (k < 8) W(++k) = s.LINE(s.ICOL);
    s.ICOL += 1;
    if (s.ICOL > 80) {
      NXTCHR(st);
      return;
    }
    if (isSpecialChar(s.LINE(s.ICOL))) return;
  }
}

void RDDIGS(EngineState& st, float& V) {
  SymbolTable& s = st.SYMTAB;
  float a = 0.0f;
  float decimals = 0.0f;
  bool period = false;
  NXTCHR(st);
  // At the end of the input there are no digits to read.
  while (st.RUNCTL.EOFFLG == 0) {
    char ch = s.LINE(s.ICOL);
    if (isDigit(ch)) {
      a = a * 10.0f + static_cast<float>(ch - '0');
      if (period) decimals += 1.0f;
    } else if (ch == '.' && !period) {
      period = true;
    } else {
      break;
    }
    s.ICOL += 1;
    if (s.ICOL > 80) {
      NXTCHR(st);
      break;
    }
  }
  V = a / powerOfTen(decimals);
}

void RDNUM(EngineState& st, float& V) {
  SymbolTable& s = st.SYMTAB;
  float mantissa = 0.0f;
  RDDIGS(st, mantissa);
  V = mantissa;
  if (st.RUNCTL.EOFFLG != 0 || s.LINE(s.ICOL) != 'E') return;
  s.ICOL += 1;
  NXTCHR(st);
  float exponent = 0.0f;
  RDDIGS(st, exponent);
  if (!isWhole(exponent)) {
    // The value of a rejected number is left as its mantissa.
    LSTWR(st, kBadExponent);
    ERRCNT(st, 2);
    return;
  }
  V = mantissa * powerOfTen(exponent);
}

void RDQUOT(EngineState& st, std::string& TEXT, int MAXLEN, int& NW) {
  SymbolTable& s = st.SYMTAB;
  TEXT.assign(static_cast<size_t>(std::max(MAXLEN, 0)), ' ');
  int n = 0;
  NXTCHR(st);
  for (;;) {
    s.ICOL += 1;
    if (s.ICOL > 80) NXTCHR(st);
    if (st.RUNCTL.EOFFLG != 0) {
      LSTWR(st, kMissingQuote);
      ERRCNT(st, 3);
      LINEAT(st, s.NSYM);
      mystop(st, "Error : missing right quote");
    }
    char ch = s.LINE(s.ICOL);
    if (ch == '\'') {
      s.ICOL += 1;
      if (s.ICOL > 80 || s.LINE(s.ICOL) != '\'') {
        NW = (n + 7) / 8;
        return;
      }
    }
    n += 1;
    if (n > MAXLEN) {
      LSTWR(st, kLongQuote, Fields().i(MAXLEN));
      ERRCNT(st, 2);
      LINEAT(st, s.NSYM);
      NW = 0;
      return;
    }
    TEXT[static_cast<size_t>(n - 1)] = ch;
  }
}

void RDSTRM(EngineState& st) {
  SymbolTable& s = st.SYMTAB;
  s.NSYM = 0;
  std::string text;
  for (;;) {
    NXTCHR(st);
    if (st.RUNCTL.EOFFLG != 0) {
      s.SYM(s.NSYM + 1) = Name8("$");
      s.SYM(s.NSYM + 2) = Name8("END");
      s.NSYM += 2;
      markLineEnd(st);
      return;
    }
    int nw = 0;
    Token kind = classify(st, text, nw);
    float value = 0.0f;
    Name8 word;
    if (kind == Token::Word) {
      // After an empty quoted text the next token may lie beyond the end.
      NXTCHR(st);
      if (st.RUNCTL.EOFFLG != 0) continue;
      RDWORD(st, word);
    } else if (kind == Token::Number) {
      RDNUM(st, value);
    }
    bool quotedFits = kind != Token::Quoted || s.NSYM + nw + 1 <= SymbolTable::MAXSYM;
    if (s.NSYM >= SymbolTable::MAXSYM || !quotedFits) {
      LSTWR(st, kTooManySymbols);
      ERRCNT(st, 3);
      return;
    }
    if (kind == Token::Quoted) {
      storeQuoted(st, text, nw);
      continue;
    }
    s.NSYM += 1;
    if (kind == Token::Number) {
      s.SYMVAL(s.NSYM) = value;
      continue;
    }
    s.SYM(s.NSYM) = word;
    if (isEndWord(word)) {
      markLineEnd(st);
      return;
    }
  }
}

void DRKSET(EngineState& st) {
  RunControl& rc = st.RUNCTL;
  std::tm now = localNow();
  rc.DATSTR = dateString(now);
  rc.TIMSTR = timeString(now);
  LSTWR(st, kBanner, Fields().a(rc.DATSTR).a(rc.TIMSTR).i(rc.PAGENO));
  PAGCHK(st, 7);
  LSTWR(st, kRule);
  RDSTRM(st);
  LSTWR(st, kRule);
  PAGCHK(st, 2);
  if (st.SYMTAB.ICOMNT > 0) {
    LSTWR(st, kUnpairedOpen);
    LINEAT(st, st.SYMTAB.IPOS);
    ERRCNT(st, 2);
  }
}

}  // namespace engine
