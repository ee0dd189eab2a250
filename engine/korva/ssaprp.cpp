// Preparation of the coefficients: packing, missing cells, variables without
// any present coefficient, tie classes; and the labels of the variables.
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/korva/procedure.h"
#include "engine/util/listing.h"

namespace engine::korva {

namespace {

constexpr std::string_view kBadK = "('  ERROR IN ARGUMENT K GIVEN TO SUB. FNDIJ')";
constexpr std::string_view kAllMissing =
    "(' **Error** : Variable ',A,' has missing coefficients',/,"
    "'             with all the other variables. Please,',/,"
    "'             check your data or suppress this variable',/,"
    "'             from the process of KORVA.')";
constexpr std::string_view kAborted = "('             The execution is aborted.')";
constexpr std::string_view kMissingCount = "(/,' There are',I6,'  Missing cells')";
constexpr std::string_view kMissingList = "(' List of Missing cells',/,10(' (',I3,',',I3,')  '))";
constexpr std::string_view kTieClasses = "(/,' Number of tied Classes ',17('.'),I4)";

int namesColumn(const SSAPAR& par, int j) {
  return par.NAMLST[static_cast<size_t>(par.NAMBEG + j - 2)];
}

// Reports every variable whose coefficients with all the others are missing
// and ends the run when there is one.
void checkPresentCoefficients(EngineState& st, const SsaWork& w) {
  const SSAPAR& par = st.SSAPAR;
  bool reported = false;
  for (int j = 1; j <= w.NV; ++j) {
    float present = 0.0f;
    for (int k = 1; k <= w.NV; ++k) {
      if (k != j) present += w.PWGT(pairNumber(w.NV, std::min(j, k), std::max(j, k)));
    }
    if (present != 0.0f) continue;
    LSTWR(st, kAllMissing, Fields().a(st.MATINP.MCNAME(namesColumn(par, j))));
    ERRCNT(st, 4);
    reported = true;
  }
  if (!reported) return;
  LSTWR(st, kAborted);
  mystop(st, "Errrors in KORVA");
}

void listMissingCells(EngineState& st, const SsaWork& w) {
  SSAPAR& par = st.SSAPAR;
  std::vector<int32_t> cells;
  for (int k = 1; k <= w.NPAIR; ++k) {
    if (w.PWGT(k) != 0.0f) continue;
    int i = 0, j = 0;
    FNDIJ(st, k, i, j);
    cells.push_back(i);
    cells.push_back(j);
  }
  par.NMISS = static_cast<int32_t>(cells.size() / 2);
  if (par.NMISS == 0) return;
  WRITEU(st, st.RUNCTL.OUTUNI, kMissingCount, Fields().i(par.NMISS));
  WRITEU(st, st.RUNCTL.OUTUNI, kMissingList, Fields().ints(cells));
}

}  // namespace

bool ISMISS(const MATINP& m, float X) {
  for (int k = 1; k <= m.MNMIS; ++k) {
    if (m.MMIS(k)[0] <= X && X <= m.MMIS(k)[1]) return true;
  }
  return false;
}

void FNDIJ(EngineState& st, int K, int& I, int& J) {
  if (K < 1 || K > st.SSAPAR.NPAIR) {
    WRITEU(st, st.RUNCTL.OUTUNI, kBadK);
    mystop(st, " ");
  }
  pairOf(st.SSAPAR.NV, K, I, J);
}

void SSAPRP(EngineState& st, SsaWork& w) {
  SSAPAR& par = st.SSAPAR;
  for (int i = 1; i < w.NV; ++i) {
    for (int j = i + 1; j <= w.NV; ++j) w.PCOEF(pairNumber(w.NV, i, j)) = w.SQMAT.at(i, j);
  }
  for (int k = 1; k <= w.NPAIR; ++k) w.PWGT(k) = ISMISS(st.MATINP, w.PCOEF(k)) ? 0.0f : 1.0f;
  checkPresentCoefficients(st, w);
  listMissingCells(st, w);
  par.NTIECL = 0;
  par.LTIE = 0;
  if (par.TYING < 0.0f) return;
  SSATIE(par, w);
  WRITEU(st, st.RUNCTL.OUTUNI, kTieClasses, Fields().i(par.NTIECL));
}

// Pairs are taken in their order; each still free pair anchors a class of
// the later free pairs within TYING of it. Those lie next to it in the order
// of the coefficients, so the free pairs are kept in that order in a linked
// list and each class is found by walking out from its anchor.
void SSATIE(SSAPAR& par, SsaWork& w) {
  SortScratch& s = *w.SORT;
  size_t m = 0;
  for (int k = 1; k <= w.NPAIR; ++k) {
    w.PERM(k) = 0;
    if (w.PWGT(k) != 0.0f)
      s.packed[m++] = (uint64_t{orderedBits(w.PCOEF(k))} << 32) | static_cast<uint32_t>(k);
  }
  std::sort(s.packed.begin(), s.packed.begin() + static_cast<std::ptrdiff_t>(m));
  std::vector<int32_t>& before = s.position;
  std::vector<int32_t>& after = s.next;
  const auto pairAt = [&](int32_t q) {
    return static_cast<int>(s.packed[static_cast<size_t>(q)] & 0xffffffffu);
  };
  for (size_t q = 0; q < m; ++q) {
    before[q] = static_cast<int32_t>(q) - 1;
    after[q] = q + 1 < m ? static_cast<int32_t>(q + 1) : -1;
    w.PERM(pairAt(static_cast<int32_t>(q))) = static_cast<int32_t>(q) + 1;
  }
  const auto unlink = [&](int32_t q) {
    if (before[q] >= 0) after[static_cast<size_t>(before[q])] = after[q];
    if (after[q] >= 0) before[static_cast<size_t>(after[q])] = before[q];
  };
  float* out = w.SQMAT.data();
  par.NTIECL = 0;
  par.LTIE = 0;
  for (int i = 1; i <= w.NPAIR; ++i) {
    if (w.PERM(i) == 0) continue;
    const int32_t anchor = w.PERM(i) - 1;
    float* record = out + par.LTIE;
    int size = 1;
    const auto take = [&](int32_t q) {
      record[++size] = static_cast<float>(pairAt(q));
      w.PERM(pairAt(q)) = 0;
      unlink(q);
    };
    for (int32_t q = before[anchor];
         q >= 0 && !(std::fabs(w.PCOEF(i) - w.PCOEF(pairAt(q))) > par.TYING); q = before[q])
      take(q);
    for (int32_t q = after[anchor];
         q >= 0 && !(std::fabs(w.PCOEF(i) - w.PCOEF(pairAt(q))) > par.TYING); q = after[q])
      take(q);
    w.PERM(i) = 0;
    unlink(anchor);
    if (size < 2) continue;
    record[1] = static_cast<float>(i);
    std::sort(record + 2, record + size + 1);
    record[0] = static_cast<float>(size);
    par.NTIECL += 1;
    par.LTIE += 1 + size;
  }
}

std::string SSALBL(const EngineState& st, int C, int WIDTH) {
  const Name8& name = st.MATINP.MCNAME(C);
  int v = 0;
  for (int k = 1; k <= st.VARDIC.NVAR; ++k) {
    if (st.VARDIC.VNAME(k) == name) v = k;
  }
  std::string text(name.trimmed());
  if (v > 0 && st.DATINP.VLFRST(v) > 0) {
    const DATINP::Label& label = st.DATINP.VLTEXT(st.DATINP.VLFRST(v));
    text.assign(label.data(), label.size());
  }
  text.resize(static_cast<size_t>(std::max(WIDTH, 0)), ' ');
  std::replace(text.begin(), text.end(), '&', ' ');
  return text;
}

int LBLWID(const EngineState& st) {
  const SSAPAR& par = st.SSAPAR;
  int width = 8;
  for (int k = 1; k <= par.NV + par.NEXTV; ++k) {
    const std::string label = SSALBL(st, par.NAMLST[static_cast<size_t>(k - 1)], DATINP::LABLEN);
    width = std::max(width, static_cast<int>(label.find_last_not_of(' ') + 1));
  }
  return width;
}

}  // namespace engine::korva
