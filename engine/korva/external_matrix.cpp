// The coefficients of the external variables before the analysis: the
// matrix EXTMAT, its listing as scaled integers and the check that every
// external variable has a present coefficient.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/globals/numeric.h"
#include "engine/korva/external.h"
#include "engine/korva/procedure.h"
#include "engine/util/listing.h"

namespace engine::korva {

namespace {

constexpr std::string_view kTooMany = "(' **Error** : Too many variables in KORVA.')";
constexpr std::string_view kPageTitle = "('1',/,/,28X,'INPUT EXTERNAL MATRIX**',/,/,/)";
constexpr std::string_view kNoteStart = "(///,1X,'**The original coefficients were ',";
constexpr std::string_view kNoteEnd = "'rounded into integer numbers')";
constexpr std::string_view kAllMissing =
    "(' **Error** : External variable ',A,' has missing ','coefficients',/,"
    "'             with all internal variables. Please,',/,"
    "'             check your data or suppress this variable',/,"
    "'             from the process of KORVA.')";
constexpr std::string_view kAborted = "('             The execution is aborted.')";

void write(EngineState& st, const std::string& fmt, const Fields& f = Fields()) {
  WRITEU(st, st.RUNCTL.OUTUNI, fmt, f);
}

std::string blanks(int n) {
  return "(" + std::to_string(n) + "X,";
}

// A coefficient as its listing cell: " Mis", or the scaled value rounded
// (halves away from zero) in four positions, asterisks when it does not fit.
std::string matrixCell(const MATINP& mat, float x, float FACTOR) {
  if (ISMISS(mat, x)) return " Mis";
  const float v = x * FACTOR;
  if (!(v < 9999.5f && v > -999.5f)) return "****";
  char text[8];
  std::snprintf(text, sizeof text, "%4ld", std::lround(v));
  return text;
}

// The note on the scale: the power of ten by which the listed numbers were
// multiplied or divided; none when the coefficients are listed as they are.
void scaleNote(EngineState& st, const ExternalScale& scale) {
  std::string fmt(kNoteStart);
  if (scale.KEXP != 0) {
    fmt += scale.KEXP > 0 ? "'multiplied',T46," : "'divided   ',T43,";
    fmt += "'by',I5";
    fmt += st.RUNCTL.NARROW == 1 ? ",/,T3" : "     ";
    fmt += ",' and ',";
  }
  fmt += kNoteEnd;
  // The power in five positions (asterisks when wider); kept within 32 bits.
  int64_t power = 1;
  for (int k = 0; k < std::abs(scale.KEXP) && power < INT32_MAX; ++k) power *= 10;
  write(st, fmt,
        scale.KEXP != 0 ? Fields().i(static_cast<int32_t>(std::min<int64_t>(power, INT32_MAX)))
                        : Fields());
}

// Page of the internal variables FIRSTCOL.. (COLS of them) and the external
// variables FIRSTROW.. (ROWS of them).
void matrixPage(EngineState& st, MatView<const float> EXTMAT, const ExternalScale& scale,
                int FIRSTCOL, int COLS, int FIRSTROW, int ROWS) {
  const SSAPAR& par = st.SSAPAR;
  const std::string n = std::to_string(COLS);
  std::vector<int32_t> serials(static_cast<size_t>(COLS));
  for (int c = 0; c < COLS; ++c) serials[static_cast<size_t>(c)] = FIRSTCOL + c;
  write(st, std::string(kPageTitle));
  write(st, blanks(par.LBLWID + 7) + n + "I4)", Fields().ints(serials));
  write(st, blanks(par.LBLWID + 6) + "'+'," + n + "('----'))");
  for (int k = FIRSTROW; k < FIRSTROW + ROWS; ++k) {
    std::string cells;
    for (int i = FIRSTCOL; i < FIRSTCOL + COLS; ++i)
      cells += matrixCell(st.MATINP, EXTMAT.at(k, i), scale.FACTOR);
    write(st, blanks(par.LBLWID + 5) + "' I')");
    write(st, "(1X,A,I4,' I',A)",
          Fields().a(SSALBL(st, externalColumn(par, k), par.LBLWID)).i(par.NV + k).a(cells));
  }
}

// Reports every external variable without a present coefficient and ends
// the run when there is one.
void checkPresent(EngineState& st, MatView<const float> EXTMAT) {
  const SSAPAR& par = st.SSAPAR;
  bool reported = false;
  for (int k = 1; k <= par.NEXTV; ++k) {
    bool present = false;
    for (int i = 1; i <= par.NV && !present; ++i) present = !ISMISS(st.MATINP, EXTMAT.at(k, i));
    if (present) continue;
    LSTWR(st, kAllMissing, Fields().a(st.MATINP.MCNAME(externalColumn(par, k))));
    ERRCNT(st, 4);
    reported = true;
  }
  if (!reported) return;
  LSTWR(st, kAborted);
  mystop(st, "Errrors in KORVA");
}

}  // namespace

int internalColumn(const SSAPAR& par, int I) {
  return par.NAMLST[static_cast<size_t>(par.NAMBEG + I - 2)];
}
int externalColumn(const SSAPAR& par, int K) {
  return par.NAMLST[static_cast<size_t>(par.EXTBEG + K - 2)];
}

ExternalScale SSASCL(const MATINP& mat, MatView<const float> EXTMAT) {
  float largest = 0.0f;
  for (int i = 1; i <= EXTMAT.cols(); ++i) {
    for (int k = 1; k <= EXTMAT.rows(); ++k) {
      const float x = EXTMAT.at(k, i);
      if (!ISMISS(mat, x)) largest = std::max(largest, std::fabs(x));
    }
  }
  ExternalScale s;
  // An infinite coefficient has no power of ten; it is listed unscaled.
  if (largest == 0.0f || !std::isfinite(largest)) return s;
  const int n = truncateToInt(largest + 0.5f);
  float c = largest;
  if (n < 100) {
    for (c = 10.0f * largest; truncateToInt(c + 0.5f) <= 100; c = c * 10.0f) s.KEXP += 1;
  } else if (n > 100) {
    do {
      c = c * 0.1f;
      s.KEXP -= 1;
    } while (truncateToInt(c + 0.5f) >= 100);
  }
  float power = 1.0f;
  for (int k = 0; k < std::abs(s.KEXP); ++k) power = power * 10.0f;
  s.FACTOR = s.KEXP < 0 ? 1.0f / power : power;
  return s;
}

void SSAEXL(EngineState& st, MatView<const float> EXTMAT, const ExternalScale& scale) {
  const SSAPAR& par = st.SSAPAR;
  // A line or page too small for one column or one row still lists one.
  const int perPage =
      std::max(1, truncateToInt(static_cast<float>(st.RUNCTL.LINSIZ - par.LBLWID - 7) * 0.25f));
  const int rowsPerPage =
      std::max(1, truncateToInt(static_cast<float>(st.RUNCTL.PAGSIZ - 10) * 0.5f));
  for (int c = 1; c <= par.NV; c += perPage) {
    for (int k = 1; k <= par.NEXTV; k += rowsPerPage) {
      matrixPage(st, EXTMAT, scale, c, std::min(perPage, par.NV - c + 1), k,
                 std::min(rowsPerPage, par.NEXTV - k + 1));
    }
  }
  scaleNote(st, scale);
}

bool SSAEXP(EngineState& st, std::span<float> AREA, const WorkLayout& layout) {
  const SSAPAR& par = st.SSAPAR;
  const int64_t end = layout.I6 - 1 + int64_t{par.NEXTV} * par.NV;
  if (end > static_cast<int64_t>(AREA.size())) {
    errorAt(st, kTooMany, Fields(), 1, st.SYMTAB.IPOS);
    return false;
  }
  const MatView<float> EXTMAT(AREA.data() + (layout.I6 - 1), par.NEXTV, par.NV);
  for (int i = 1; i <= par.NV; ++i) {
    for (int k = 1; k <= par.NEXTV; ++k) {
      EXTMAT.at(k, i) = st.MATINP.element(externalColumn(par, k), internalColumn(par, i));
    }
  }
  SSAEXL(st, EXTMAT, SSASCL(st.MATINP, EXTMAT));
  checkPresent(st, EXTMAT);
  return true;
}

}  // namespace engine::korva
