// The end of the MATRINP section: opening the matrix file and reading the
// matrix with a format, list-directed or through the scan list, then CHNSIGN.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/scanlist/scanplan.h"
#include "engine/scanlist/scanread.h"
#include "engine/util/inputsec.h"
#include "engine/util/listing.h"
#include "engine/util/matrinp.h"
#include "engine/util/rowread.h"

namespace engine {
namespace {

// With at most MAXROW rows and MAXCOL columns the matrix always fits its area.
static_assert(MATINP::MAXROW * MATINP::MAXCOL <= MATINP::MAXMAT);

constexpr std::string_view kOpenErrorFmt =
    "(' **Error** : Error while trying to open matrix file.')";
constexpr std::string_view kTooManyRowsFmt =
    "(' **Error** : You try to read more than ',I4,' rows',/,'             in the matrix. Please "
    "check the matrix',/,'             or the input matrix format',/,'             or the NROWS "
    "sentence (if there is)')";
constexpr std::string_view kMatrixFormatFmt =
    "(' **Error** in data matrix or in input matrix Format',/,'           Have you characters "
    "instead of numbers',/,'           in your matrix ?')";
constexpr std::string_view kSignOutsideFmt =
    "(' **Error** : CHNSIGN variable ',A,' is column',I4,' but the matrix',/,'             has "
    "only',I4,' rows and',I4,' columns; its sign is kept')";

void defaultRows(MATINP& m) {
  if (m.MNROW < 1) m.MNROW = m.MNVAR;
}

}  // namespace

void MATRD(EngineState& st, format::RecordSource& in) {
  MATINP& m = st.MATINP;
  defaultRows(m);
  format::ReadStatus status;
  if (m.FREEFM == 1) {
    status = readRows(in, nullptr, m.area(), m.MNROW, m.MNVAR);
  } else {
    const format::Format rowFormat =
        format::Format::parse(std::string_view(m.MFMT.data(), m.MFMT.size()));
    status = readRows(in, &rowFormat, m.area(), m.MNROW, m.MNVAR);
  }
  if (status == format::ReadStatus::ReadError) errorAt(st, kMatrixFormatFmt, Fields(), 3, 0);
  if (status == format::ReadStatus::EndOfFile)
    errorAt(st, kTooManyRowsFmt, Fields().i(m.MNROW), 4, 0);
}

void MATSCN(EngineState& st, format::RecordSource& in) {
  MATINP& m = st.MATINP;
  defaultRows(m);
  const ScanPlan plan = SCNPLN(m.MSPEC.first(m.MNVAR), m.MNREC);
  if (!planFits(st, plan, MATINP::FMTLEN)) return;
  m.MFMT.fill(' ');
  std::copy(plan.recordFormat.begin(), plan.recordFormat.end(), m.MFMT.begin());
  SCNRD(st, plan, m.area(), m.MNROW, m.MCNAME.first(m.MNVAR), in, m.MBLANK);
}

void MATSGN(EngineState& st) {
  MATINP& m = st.MATINP;
  std::vector<int> columns;
  for (int idx = 1; idx <= m.MNCHN; ++idx) {
    const int k = m.MCHN(idx);
    if (k >= 1 && k <= m.MNROW && k <= m.MNVAR) {
      columns.push_back(k);
    } else {
      errorAt(st, kSignOutsideFmt, Fields().a(m.MCNAME(k)).i(k).i(m.MNROW).i(m.MNVAR), 2, 0);
    }
  }
  for (int k : columns)
    for (int j = 1; j <= m.MNVAR; ++j) m.element(k, j) = -m.element(k, j);
  for (int k : columns)
    for (int i = 1; i <= m.MNROW; ++i) m.element(i, k) = -m.element(i, k);
}

void matrinpEnd(EngineState& st) {
  MATINP& m = st.MATINP;
  m.MNMIS += 1;
  m.MMIS(m.MNMIS) = {kMissing, kMissing};
  if (m.MFILE == 0) return;
  m.MFILE = 0;
  if (!st.RUNCTL.executing()) return;
  if (m.MNVAR < 1) {
    errorAt(st, kBadNumberOfVariablesFmt, Fields().i(m.MNVAR), 3, 0);
    return;
  }
  const std::string_view name(m.MFNAME.data(),
                              static_cast<size_t>(std::clamp(m.MFNLEN, 0, MATINP::FNMLEN)));
  if (!openSectionFile(st, m.MUNIT, name, kOpenErrorFmt)) return;
  format::RecordSource& in = *st.UNITS.source(m.MUNIT);
  if (m.MSCAN == 1) {
    MATSCN(st, in);
  } else {
    MATRD(st, in);
  }
  if (m.MNCHN > 0) MATSGN(st);
  st.UNITS.close(m.MUNIT);
}

}  // namespace engine
