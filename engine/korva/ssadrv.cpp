// The entry of the procedure section: parse, check the space, take the chosen
// variables out of the input matrix and run the procedure behind it.
#include "engine/korva/procedure.h"
#include "engine/korva/section.h"
#include "engine/util/listing.h"

namespace engine {

namespace {

constexpr std::string_view kTooMany = "(' **Error** : Too many variables in KORVA.')";

}  // namespace

void SSADRV(EngineState& st) {
  SSASEC(st);
  if (!st.RUNCTL.executing()) return;
  const SSAPAR& par = st.SSAPAR;
  MATINP& m = st.MATINP;
  if (int64_t{par.NV} * par.NV + par.AFREE > SSAPAR::AMAXW) {
    errorAt(st, kTooMany, Fields(), 1, st.SYMTAB.IPOS);
    return;
  }
  const std::span<float> area = m.area(static_cast<size_t>(par.AFREE - 1));
  const auto column = [&](int a) { return par.NAMLST[static_cast<size_t>(par.NAMBEG + a - 2)]; };
  for (int b = 1; b <= par.NV; ++b) {
    for (int a = 1; a <= par.NV; ++a) {
      area[static_cast<size_t>((a - 1) + (b - 1) * par.NV)] = m.element(column(a), column(b));
    }
  }
  korva::SSAMAI(st, area);
}

}  // namespace engine
