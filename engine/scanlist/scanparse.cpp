// Parses scan lists: "/" and "k(/)" skip records, "#r" goes to record r, and a
// group of names followed by "a-b (d)" or "a-b (A)" shares the columns a..b.
#include "engine/scanlist/scanparse.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/globals/numeric.h"
#include "engine/util/listing.h"
#include "engine/util/lists.h"
#include "engine/util/recovery.h"

namespace engine {
namespace {

// Positions and record numbers beyond this cannot be converted by the field
// formats (five digits at most) and are refused.
constexpr int kMaxPosition = 99999;

constexpr std::string_view kNotANumberFmt = "(' **Error** : ',A,' Not a number')";
constexpr std::string_view kInsteadOfFmt = "(' **Error** : ',A,' instead of ',A)";
constexpr std::string_view kTooManyNamesFmt =
    "(' **Error** : The number of variables defined in sentence',/,'            ',A,"
    "' is greater than : ',I5)";
constexpr std::string_view kFieldTypeFmt =
    "(' **Error** : ''A'' character or integer',' number instead of ',A)";
constexpr std::string_view kRangeFmt =
    "(' **Error** : ',' Range does not fit',' number of variables; About ',A)";
constexpr std::string_view kMissingSpecFmt =
    "(' **Error** : ',' Missing specifications for last',' variable list; About ',A)";
constexpr std::string_view kBadRecordFmt =
    "(' **Error** : Record number',I11,' is not between 1 and 99999')";
constexpr std::string_view kBadColumnsFmt =
    "(' **Error** : Columns',I11,' to',I11,' are not a range within 1 to 99999')";

class ScanParser {
 public:
  ScanParser(EngineState& st, std::span<Name8> names, int maxn, std::span<ScanSpec> fields)
      : st_(st), s_(st.SYMTAB), names_(names), maxn_(maxn), spec_(fields) {}

  void run(int& n, int& nrec, int& given);

 private:
  bool is(int p, std::string_view text) const { return s_.SYM(p) == Name8(text); }
  bool atEnd(int p) const { return p >= end_; }
  void setRecord(int64_t r) {
    record_ = static_cast<int32_t>(std::clamp<int64_t>(r, -1000000000, 1000000000));
    nrec_ = std::max(nrec_, record_);
  }
  void error(std::string_view fmt, const Fields& f, int lines, int p) {
    errorAt(st_, fmt, f, lines, p);
  }
  // Checks that the symbol at p is `text`; otherwise reports it and skips it.
  void expect(int& p, std::string_view text);
  void recordSkip(int& p);
  void recordJump(int& p);
  // A group of names from p; false when the parse ends with it.
  bool group(int& p);
  void columns(int& p, int m);

  EngineState& st_;
  SymbolTable& s_;
  std::span<Name8> names_;
  int maxn_;
  std::span<ScanSpec> spec_;
  int end_ = 0;  // the ";" that ends the list
  int n_ = 0;
  int32_t record_ = 1;
  int32_t nrec_ = 1;
  int given_ = 0;
};

void ScanParser::run(int& n, int& nrec, int& given) {
  const int first = s_.IPOS + 1;
  std::array<Name8, 1> delims = {Name8(";")};
  int length = 0;
  LSTLEN(st_, delims, 1, first, length);
  end_ = first + length;
  int p = first;
  while (!atEnd(p)) {
    if (is(p, "/")) {
      given_ = 1;
      setRecord(int64_t{record_} + 1);
      ++p;
    } else if (is(p, "#")) {
      recordJump(p);
    } else if (s_.isNumber(p)) {
      recordSkip(p);
    } else if (!group(p)) {
      break;
    }
  }
  s_.IPOS = p - 1;
  n = n_;
  nrec = nrec_;
  given = given_;
}

void ScanParser::expect(int& p, std::string_view text) {
  if (is(p, text)) {
    ++p;
    return;
  }
  error(kInsteadOfFmt, Fields().a(s_.SYM(p)).a(text), 1, p);
  if (!atEnd(p)) ++p;
}

void ScanParser::recordJump(int& p) {
  given_ = 1;
  ++p;
  if (!atEnd(p) && s_.isNumber(p)) {
    setRecord(truncateToInt(s_.SYMVAL(p)));
    ++p;
    return;
  }
  error(kNotANumberFmt, Fields().a(s_.SYM(p)), 1, p);
  if (!atEnd(p)) ++p;
}

void ScanParser::recordSkip(int& p) {
  given_ = 1;
  const int32_t k = truncateToInt(s_.SYMVAL(p));
  ++p;
  expect(p, "(");
  expect(p, "/");
  if (is(p, ")")) ++p;
  setRecord(int64_t{record_} + k);
}

bool ScanParser::group(int& p) {
  std::array<Name8, 2> delims = {Name8(";"), Name8()};  // a number has a blank symbol
  int m = 0;
  s_.IPOS = p;
  NEWLST(st_, names_.subspan(static_cast<size_t>(std::min(n_, maxn_))), m, delims, 2);
  const int last = s_.IPOS;
  p = last + 1;
  if (n_ + m > maxn_) {
    error(kTooManyNamesFmt, Fields().a(std::string_view("NAMES")).i(maxn_), 2, last);
    return false;
  }
  if (atEnd(p)) {
    if (given_ == 1) {
      error(kMissingSpecFmt, Fields().a(s_.SYM(last)), 1, last);
    } else {
      n_ += m;
    }
    return false;
  }
  columns(p, m);
  n_ += m;
  return true;
}

void ScanParser::columns(int& p, int m) {
  given_ = 1;
  const int32_t a = truncateToInt(s_.SYMVAL(p));
  int32_t b = a;
  int32_t d = 0;
  ++p;
  if (is(p, "-")) {
    ++p;
    if (!atEnd(p) && s_.isNumber(p)) {
      b = truncateToInt(s_.SYMVAL(p));
      ++p;
    } else {
      error(kNotANumberFmt, Fields().a(s_.SYM(p)), 1, p);
      if (!atEnd(p)) ++p;
    }
  }
  if (is(p, "(")) {
    ++p;
    if (is(p, "A") || is(p, "a")) {
      d = SPDEC_CHARACTER;
      ++p;
    } else if (!atEnd(p) && s_.isNumber(p)) {
      d = truncateToInt(s_.SYMVAL(p));
      ++p;
    } else {
      error(kFieldTypeFmt, Fields().a(s_.SYM(p)), 1, p);
      if (!atEnd(p)) ++p;
    }
    if (is(p, ")")) ++p;
  }
  if (record_ < 1 || record_ > kMaxPosition) {
    error(kBadRecordFmt, Fields().i(record_), 1, p - 1);
    return;
  }
  if (a < 1 || b < a || b > kMaxPosition) {
    error(kBadColumnsFmt, Fields().i(a).i(b), 1, p - 1);
    return;
  }
  // A group whose names were all faulty has nothing to place.
  if (m == 0) return;
  const int t = b - a + 1;
  if (t % m != 0) {
    error(kRangeFmt, Fields().a(s_.SYM(p - 4)), 1, p - 4);
    return;
  }
  const int w = t / m;
  for (int k = 1; k <= m; ++k) {
    spec_[static_cast<size_t>(n_ + k - 1)] = {record_, a + (k - 1) * w, a + k * w - 1, d};
  }
}

}  // namespace

void SCNPRS(EngineState& st, std::span<Name8> NAMES, int MAXN, int& N, std::span<ScanSpec> SPECS,
            int& NREC, int& GIVEN) {
  ScanParser(st, NAMES, MAXN, SPECS).run(N, NREC, GIVEN);
}

}  // namespace engine
