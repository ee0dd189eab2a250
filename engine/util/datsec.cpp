// The sentences of the DATA section that set its settings and declare its
// variables.
#include "engine/util/datsec.h"

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
    "(' **Error** : Illegal keyword in DATA Section :',A)";
constexpr std::string_view kAlreadySetFmt =
    "(' **Caution** : from sentence NVARS of section DATA.',/,'               Number of variables "
    "has been already set.',/,'               Last redefinition will be kept together with',/,'"
    "               preassigned variable names.')";
constexpr std::string_view kConflictFmt =
    "(' **Caution** : from sentence NAMES of section DATA',/,'               There is a conflict "
    "between number of variables',/,'               computed in ''NAMES'' sentence :',I4,/,'    "
    "           and number of variables defined previously :',I4,/,'               Last "
    "redefinition will be kept.')";

void setNvarsScalar(EngineState& st) {
  st.SCLTAB.SCLSET(Name8("_NVARS"), static_cast<float>(st.VARDIC.NVAR));
}

int unitSentence(EngineState& st) {
  return readUnitSentence(st, st.DATINP.DUNIT);
}

int nvarsSentence(EngineState& st) {
  VariableDictionary& dic = st.VARDIC;
  if (dic.NVAR >= 1) warningAt(st, kAlreadySetFmt, Fields(), 4, st.SYMTAB.IPOS);
  int err = 0;
  NUMSN(st, dic.NVAR, "NVARS", err);
  if (err != 0) return err;
  setNvarsScalar(st);
  const int n = dic.NVAR;
  if (n > DATINP::MAXVAR) {
    errorAt(st, kTooManyVariablesFmt, Fields().a("NVARS"sv).i(n).i(DATINP::MAXVAR), 2,
            st.SYMTAB.IPOS);
  } else if (n >= 1) {
    NAMGEN(dic.VNAME.all(), 1, Name8("VAR"), 3, 1, n);
    VARDEF(st, n);
  }
  return 0;
}

int ncasesSentence(EngineState& st) {
  int err = 0;
  NUMSN(st, st.DATINP.DNCASE, "NCASES", err);
  return err;
}

int formatSentence(EngineState& st) {
  DATINP& d = st.DATINP;
  int pieces = 0;
  const int err = readQuotedSentence(st, "FORMAT", d.DFORM, DATINP::FMTLEN / 8, pieces);
  if (err == 0) st.MATINP.FREEFM = std::string_view(d.DFORM.data(), 4) == "FREE" ? 1 : 0;
  return err;
}

int fileSentence(EngineState& st) {
  return readFileSentence(st, st.DATINP.DFNAME, st.DATINP.DFNLEN, st.DATINP.DFILE);
}

// LABEL, MAXIMUM and MINIMUM: one symbol of any kind, not stored.
int ignoredSentence(EngineState& st) {
  ++st.SYMTAB.IPOS;
  return 0;
}

int recordsSentence(EngineState& st) {
  int err = 0;
  NUMSN(st, st.DATINP.DNREC, "RECORDS", err);
  return err;
}

int blankSentence(EngineState& st) {
  int err = 0;
  RNUMSN(st, st.DATINP.DBLANK, "BLANK", err);
  return err;
}

constexpr std::array<SectionKeyword, 14> kKeywords = {{
    {"UNIT", unitSentence},
    {"NVARS", nvarsSentence},
    {"NCASES", ncasesSentence},
    {"FORMAT", formatSentence},
    {"FILE", fileSentence},
    {"NAMES", DATNAM},
    {"LABEL", ignoredSentence},
    {"VARLABS", DATVLB},
    {"CATLABS", DATCLB},
    {"MISSINGS", DATMIS},
    {"MAXIMUM", ignoredSentence},
    {"MINIMUM", ignoredSentence},
    {"RECORDS", recordsSentence},
    {"BLANK", blankSentence},
}};

}  // namespace

float MISVAL(const EngineState& st) {
  return st.SCLTAB.SCLVAL.all()[0];
}

int DATNAM(EngineState& st) {
  DATINP& d = st.DATINP;
  VariableDictionary& dic = st.VARDIC;
  if (expectAssign(st, "NAMES") != 0) return 1;
  int n = 0;
  SCNPRS(st, dic.VNAME.all(), DATINP::MAXVAR, n, d.DSPEC.all(), d.DSCREC, d.DSCAN);
  if (d.DSCAN == 1) st.MATINP.FREEFM = 0;
  if (dic.NVAR != 0 && dic.NVAR != n)
    warningAt(st, kConflictFmt, Fields().i(n).i(dic.NVAR), 5, st.SYMTAB.IPOS);
  dic.NVAR = n;
  setNvarsScalar(st);
  VARDEF(st, n);
  return 0;
}

void DATA(EngineState& st) {
  st.DATINP.DBLANK = MISVAL(st);
  st.DATINP.DFILE = 0;
  runSentences(st, kKeywords, kIllegalKeywordFmt);
  dataEnd(st);
}

}  // namespace engine
