// The end of the DATA section: counting the cases of the data file and
// reading them into the workspace with a format, list-directed or through the
// scan list.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/scanlist/scanplan.h"
#include "engine/scanlist/scanread.h"
#include "engine/util/datsec.h"
#include "engine/util/inputsec.h"
#include "engine/util/listing.h"
#include "engine/util/rowread.h"

namespace engine {
namespace {

constexpr std::string_view kOpenErrorFmt = "(' **Error** : Error while trying to open data file.')";
constexpr std::string_view kWrongRecordsFmt =
    "(' **Error** : Wrong value for number of records per case',/,'             Check your "
    "RECORDS sentence in DATA section')";
constexpr std::string_view kRecordsFmt =
    "(' **Error** : Number of records defined in RECORDS ','sentence :',I3,/,'             is "
    "less than number of records found in ','NAMES sentence :',I3)";
constexpr std::string_view kDataMemoryFmt =
    "(' **Error** : The data memory requested :',I8,/,'             is greater than the maximum "
    "allowed :',I8)";
constexpr std::string_view kReadingDataFmt =
    "(' **Error** in reading data',/,'           The error can be one of the followings :',/,/,'"
    "           You use free format while your data are ',/,'           not free formatted. In "
    "that case you have',/,'           to supply the exact format using FORMAT ','sentence.',/,'"
    "                          or',/,'           Your format is wrong. Reenter the correct',' "
    "one.',/,'                          or',/,'           You try to read characters as "
    "numbers.',/,'           Check you data file.')";
constexpr std::string_view kCountedCasesFmt =
    "(' **Error** : The error can be one of the followings :',/,'  ',/,'             The number "
    "of records per case is greater',/,'             than 1 , and you forgot to submit "
    "RECORDS',/,'             sentence in DATA section. Remember that if',/,'             this "
    "sentence is omitted, the default for',/,'             number of records is 1.',/,'        "
    "                  or',/,'             The number of records (per case) specified',/,'     "
    "        in RECORDS sentence is less than it is',/,'             really.',/,'              "
    "            or',/,'             The format specified in FORMAT sentence is',/,'           "
    "  wrong.')";

constexpr char kEndOfFileMark = 26;

void setNcasesScalar(EngineState& st) {
  st.SCLTAB.SCLSET(Name8("_NCASES"), static_cast<float>(st.DATINP.DNCASE));
}

// False, with the data-memory error of `lines` lines, when NVAR x DNCASE
// values do not fit the workspace.
bool fitsWorkspace(EngineState& st, int lines) {
  const int64_t requested = int64_t{st.VARDIC.NVAR} * st.DATINP.DNCASE;
  const int64_t available = std::min<int64_t>(Workspace::MAXMEM, st.WORK.size());
  if (requested <= available) return true;
  errorAt(st, kDataMemoryFmt,
          Fields()
              .i(static_cast<int32_t>(std::min<int64_t>(requested, INT32_MAX)))
              .i(static_cast<int32_t>(available)),
          lines, 0);
  return false;
}

format::RecordSource& dataSource(EngineState& st) {
  return *st.UNITS.source(st.DATINP.DUNIT);
}

// The counting format: skip DNREC - 1 lines, then take one character.
std::string countingFormat(int32_t nrec) {
  if (nrec < 2) return "(       a)";
  std::string skip = std::to_string(nrec - 1);
  return "(" + std::string(3 - skip.size(), ' ') + skip + "(/),a)";
}

}  // namespace

bool DATCNT(EngineState& st, std::string_view name) {
  DATINP& d = st.DATINP;
  if (int64_t{d.DNREC} - 1 > 999) {
    errorAt(st, kWrongRecordsFmt, Fields(), 2, 0);
    return true;
  }
  const format::Format counting = format::Format::parse(countingFormat(d.DNREC));
  char ch = ' ';
  const format::Item item = format::Item::text(&ch, 1);
  int32_t count = 0;
  char last = ' ';
  while (format::FMTRD(dataSource(st), counting, {&item, 1}) == format::ReadStatus::Ok) {
    ++count;
    last = ch;
  }
  d.DNCASE = last == kEndOfFileMark ? count - 1 : count;
  return rewindSectionFile(st, d.DUNIT, name);
}

void DATRD(EngineState& st, std::string_view name) {
  DATINP& d = st.DATINP;
  bool counted = false;
  if (d.DNCASE < 1) {
    if (!DATCNT(st, name)) return;
    counted = true;
  }
  if (fitsWorkspace(st, 4)) {
    const format::Format caseFormat =
        format::Format::parse(std::string_view(d.DFORM.data(), d.DFORM.size()));
    const format::ReadStatus status =
        readRows(dataSource(st), st.MATINP.FREEFM == 1 ? nullptr : &caseFormat,
                 std::span(st.WORK.data(), st.WORK.size()), std::max(d.DNCASE, 0), st.VARDIC.NVAR);
    if (status == format::ReadStatus::ReadError) errorAt(st, kReadingDataFmt, Fields(), 3, 0);
    if (status == format::ReadStatus::EndOfFile)
      errorAt(st, counted ? kCountedCasesFmt : kTooManyCasesFmt, Fields(), counted ? 14 : 3, 0);
  }
  setNcasesScalar(st);
}

void DATSCR(EngineState& st, std::string_view name) {
  DATINP& d = st.DATINP;
  if (d.DNREC == 1) {
    d.DNREC = d.DSCREC;
  } else if (d.DNREC < d.DSCREC) {
    errorAt(st, kRecordsFmt, Fields().i(d.DNREC).i(d.DSCREC), 2, st.SYMTAB.IPOS);
    return;
  } else {
    d.DSCREC = d.DNREC;
  }
  const ScanPlan plan = SCNPLN(d.DSPEC.first(st.VARDIC.NVAR), d.DSCREC);
  if (!planFits(st, plan, DATINP::FMTLEN)) return;
  d.DFORM.fill(' ');
  std::copy(plan.recordFormat.begin(), plan.recordFormat.end(), d.DFORM.begin());
  if (d.DNCASE < 1 && !DATCNT(st, name)) return;
  if (!fitsWorkspace(st, 2)) return;
  SCNRD(st, plan, std::span(st.WORK.data(), st.WORK.size()), std::max(d.DNCASE, 0),
        st.VARDIC.VNAME.first(st.VARDIC.NVAR), dataSource(st), d.DBLANK);
  setNcasesScalar(st);
}

void dataEnd(EngineState& st) {
  DATINP& d = st.DATINP;
  if (d.DFILE == 0) return;
  d.DFILE = 0;
  if (!st.RUNCTL.executing()) {
    st.UNITS.close(d.DUNIT);
    return;
  }
  if (st.VARDIC.NVAR < 1) {
    errorAt(st, kBadNumberOfVariablesFmt, Fields().i(st.VARDIC.NVAR), 3, 0);
    return;
  }
  const std::string_view name(d.DFNAME.data(),
                              static_cast<size_t>(std::clamp(d.DFNLEN, 0, DATINP::FNMLEN)));
  if (!openSectionFile(st, d.DUNIT, name, kOpenErrorFmt)) return;
  if (d.DSCAN == 1) {
    DATSCR(st, name);
  } else {
    DATRD(st, name);
  }
  st.UNITS.close(d.DUNIT);
}

}  // namespace engine
