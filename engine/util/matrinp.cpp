// The sentences of the MATRINP section and their effect on MATINP.
#include "engine/util/matrinp.h"

#include <array>
#include <string_view>

#include "engine/addutil/sentence.h"
#include "engine/scanlist/scanparse.h"
#include "engine/util/inputsec.h"
#include "engine/util/listing.h"
#include "engine/util/lists.h"

namespace engine {
namespace {

using std::string_view_literals::operator""sv;

constexpr std::string_view kIllegalKeywordFmt =
    "(' **Error** : Illegal keyword in MATRINP Section :',A)";
constexpr std::string_view kAlreadySetFmt =
    "(' **Caution** : from sentence NVARS of section MATRINP.',/,'               Number of "
    "variables has been already set.',/,'               Last redefinition will be kept together "
    "with',/,'               preassigned variable names.')";
constexpr std::string_view kConflictFmt =
    "(' **Caution** : from sentence NAMES of section MATRINP',/,'               There is a "
    "conflict between number of variables',/,'               computed in ''NAMES'' sentence "
    ":',I4,/,'               and number of variables defined previously :',I4,/,'              "
    " Last redefinition will be kept.')";
constexpr std::string_view kTooManyRowsFmt =
    "(' **Error** : The number of rows defined in sentence',/,'            ',A,' : ',I5,' is "
    "greater than : ',I5)";

// The default names prefix1 .. prefixN.
void defaultNames(Vec1<Name8>& names, std::string_view prefix, int n) {
  NAMGEN(names.all(), 1, Name8(prefix), static_cast<int>(prefix.size()), 1, n);
}

void conflictCaution(EngineState& st, int count, int previous) {
  if (previous != 0 && previous != count)
    warningAt(st, kConflictFmt, Fields().i(count).i(previous), 5, st.SYMTAB.IPOS);
}

// The format text FREE, upper case, followed only by blanks.
bool isFree(std::string_view text) {
  return text.substr(0, 4) == "FREE" && text.find_first_not_of(' ', 4) == std::string_view::npos;
}

int unitSentence(EngineState& st) {
  return readUnitSentence(st, st.MATINP.MUNIT);
}

int nvarsSentence(EngineState& st) {
  MATINP& m = st.MATINP;
  int32_t n = 0;
  int err = 0;
  NUMSN(st, n, "NVARS or NCOLS", err);
  if (err != 0) return err;
  if (n > MATINP::MAXCOL) {
    errorAt(st, kTooManyVariablesFmt, Fields().a("NVARS"sv).i(n).i(MATINP::MAXCOL), 2,
            st.SYMTAB.IPOS);
    return 0;
  }
  if (m.MNVAR >= 1) warningAt(st, kAlreadySetFmt, Fields(), 4, st.SYMTAB.IPOS);
  m.MNVAR = n;
  if (n >= 1) defaultNames(m.MCNAME, "CVAR", n);
  return 0;
}

int nrowsSentence(EngineState& st) {
  MATINP& m = st.MATINP;
  int32_t n = 0;
  int err = 0;
  NUMSN(st, n, "NROWS", err);
  if (err != 0) return err;
  if (m.MNROW >= 1) warningAt(st, kAlreadySetFmt, Fields(), 4, st.SYMTAB.IPOS);
  if (n > MATINP::MAXROW) {
    errorAt(st, kTooManyRowsFmt, Fields().a("NROWS"sv).i(n).i(MATINP::MAXROW), 2, st.SYMTAB.IPOS);
    return 0;
  }
  m.MNROW = n;
  if (n >= 1) defaultNames(m.MRNAME, "RVAR", n);
  return 0;
}

int formatSentence(EngineState& st) {
  MATINP& m = st.MATINP;
  int pieces = 0;
  const int err = readQuotedSentence(st, "FORMAT", m.MFMT, MATINP::FMTLEN / 8, pieces);
  if (err == 0) m.FREEFM = isFree(std::string_view(m.MFMT.data(), m.MFMT.size())) ? 1 : 0;
  return err;
}

int fileSentence(EngineState& st) {
  return readFileSentence(st, st.MATINP.MFNAME, st.MATINP.MFNLEN, st.MATINP.MFILE);
}

int rownamesSentence(EngineState& st) {
  MATINP& m = st.MATINP;
  if (expectAssign(st, "ROWNAMES") != 0) return 1;
  std::array<Name8, 2> delims = {Name8(";"), Name8("$")};
  int n = 0;
  ++st.SYMTAB.IPOS;
  NEWLST(st, m.MRNAME.all(), n, delims, 2);
  if (n > MATINP::MAXROW) {
    errorAt(st, kTooManyRowsFmt, Fields().a("ROWNAMES"sv).i(n).i(MATINP::MAXROW), 2,
            st.SYMTAB.IPOS);
    return 0;
  }
  conflictCaution(st, n, m.MNROW);
  m.MNROW = n;
  return 0;
}

int missingsSentence(EngineState& st) {
  MATINP& m = st.MATINP;
  if (expectAssign(st, "MISSINGS") != 0) return 1;
  std::array<Name8, 1> delims = {Name8(";")};
  int p = st.SYMTAB.IPOS + 1;
  VALLST(st, m.MMIS.first(MATINP::MAXMIS - 1), m.MNMIS, delims, 1, p);
  st.SYMTAB.IPOS = p;
  return 0;
}

int chnsignSentence(EngineState& st) {
  MATINP& m = st.MATINP;
  if (expectAssign(st, "CHNSIGN") != 0) return 1;
  std::array<Name8, 1> delims = {Name8(";")};
  int p = st.SYMTAB.IPOS + 1;
  int n = 0;
  VARLST(st, m.MCNAME.first(m.MNVAR), delims, 1, p, m.MCHN.all(), n);
  st.SYMTAB.IPOS = p;
  if (n > MATINP::MAXCHN) {
    errorAt(st, kTooManyVariablesFmt, Fields().a("CHNSIGN"sv).i(n).i(MATINP::MAXCHN), 2, p);
    n = 0;
  }
  m.MNCHN = n;
  return 0;
}

int blankSentence(EngineState& st) {
  int err = 0;
  RNUMSN(st, st.MATINP.MBLANK, "BLANK", err);
  return err;
}

constexpr std::array<SectionKeyword, 12> kKeywords = {{
    {"UNIT", unitSentence},
    {"NVARS", nvarsSentence},
    {"NCOLS", nvarsSentence},
    {"FORMAT", formatSentence},
    {"FILE", fileSentence},
    {"NAMES", MATNAM},
    {"COLNAMES", MATNAM},
    {"ROWNAMES", rownamesSentence},
    {"NROWS", nrowsSentence},
    {"MISSINGS", missingsSentence},
    {"CHNSIGN", chnsignSentence},
    {"BLANK", blankSentence},
}};

}  // namespace

int MATNAM(EngineState& st) {
  MATINP& m = st.MATINP;
  if (expectAssign(st, "NAMES or COLNAMES") != 0) return 1;
  int n = 0;
  SCNPRS(st, m.MCNAME.all(), MATINP::MAXCOL, n, m.MSPEC.all(), m.MNREC, m.MSCAN);
  if (m.MSCAN == 1) m.FREEFM = 0;
  conflictCaution(st, n, m.MNVAR);
  m.MNVAR = n;
  return 0;
}

void MATRINP(EngineState& st) {
  MATINP& m = st.MATINP;
  m.MBLANK = kMissing;
  m.MNMIS = 0;
  m.MUNIT = 17;
  m.MNVAR = 0;
  m.MNROW = 0;
  m.FREEFM = 1;
  m.MFILE = 0;
  m.MNCHN = 0;
  runSentences(st, kKeywords, kIllegalKeywordFmt);
  matrinpEnd(st);
}

}  // namespace engine
