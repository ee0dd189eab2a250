// The diagrams of one dimensionality: a space diagram for every pair of axes
// with the section's title under it, then the requested facet diagrams.
#include <string>

#include "engine/globals/numeric.h"
#include "engine/korva/diagram.h"
#include "engine/util/listing.h"

namespace engine::korva {

namespace {

constexpr std::string_view kSpaceHeading =
    "('1',T21,'Space Diagram for Dimensionality',I3,'.',      ' Axis',I3,' versus Axis',I3,'.')";
constexpr std::string_view kFacetHeading =
    "('1',T15,'Facet Diagram for Dimensionality',I3,' and Facet',I3,'.',      ' Axis',I3,' versus "
    "Axis',I3,'.')";
constexpr std::string_view kEmptyRecord = "()";

// On a narrow listing a heading starts with two empty records instead of a
// new page, further left.
std::string spaceHeading(bool narrow) {
  std::string fmt(kSpaceHeading);
  if (!narrow) return fmt;
  fmt.replace(1, 3, " //");
  fmt.replace(fmt.find("T21"), 3, "T10");
  return fmt;
}

// The narrow facet heading also moves its axis part to a record of its own.
std::string facetHeading(bool narrow) {
  std::string fmt(kFacetHeading);
  if (!narrow) return fmt;
  fmt.replace(1, 3, " //");
  fmt.replace(fmt.find("T15"), 3, "T 2");
  fmt.replace(67, 6, "/,T12,");  // the six blanks in positions 68 to 73
  return fmt;
}

void write(EngineState& st, std::string_view fmt, const Fields& f = Fields()) {
  WRITEU(st, st.RUNCTL.OUTUNI, fmt, f);
}

}  // namespace

void SSASPC(EngineState& st, MatView<const float> X, int ROWS, int M) {
  const SSAPAR& par = st.SSAPAR;
  const std::string heading = spaceHeading(st.RUNCTL.NARROW == 1);
  for (int a1 = 1; a1 < M; ++a1) {
    for (int a2 = a1 + 1; a2 <= M; ++a2) {
      write(st, heading, Fields().i(M).i(a1).i(a2));
      SSAPLT(st, X, ROWS, a1, a2, PlotMode::Space, 0);
      if (par.TITGIV != 1) continue;
      write(st, kEmptyRecord);
      write(st, par.TITFMT, Fields().a(par.SSATIT));
    }
  }
  if (par.NFACETS > 0) SSAFDG(st, X, M);
}

void SSAFDG(EngineState& st, MatView<const float> X, int M) {
  const SSAPAR& par = st.SSAPAR;
  const std::string heading = facetHeading(st.RUNCTL.NARROW == 1);
  for (int k = 1; k <= par.NFDIAG; ++k) {
    // Each group: dimensionality, facet number, first and second axis.
    const auto group = [&](int n) {
      return truncateToInt(st.MATINP.AMAT(par.FACDGR + 4 * (k - 1) + n));
    };
    if (group(0) != M) continue;
    write(st, heading, Fields().i(M).i(group(1)).i(group(2)).i(group(3)));
    SSAPLT(st, X, par.NV, group(2), group(3), PlotMode::Facet, group(1));
  }
}

}  // namespace engine::korva
