// An engine state for in-process tests of the diagrams and the external
// variables: named matrix columns, the NAMES and EXTNAMES lists, and the
// results unit and listing captured as lines.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "engine/globals/engine_state.h"
#include "tests/engine/common/golden.h"

namespace diagramtest {

struct Fixture {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream listing;
  engine::EngineState st{in, out, &listing};

  // Columns 1..NV + NEXTV named P1, P2, ... (internal) and E1, E2, ...
  // (external); NAMES lists the first NV columns, EXTNAMES the others.
  Fixture(int NV, int NEXTV = 0) {
    engine::SSAPAR& par = st.SSAPAR;
    par.NV = NV;
    par.NEXTV = NEXTV;
    par.NAMBEG = 1;
    par.EXTBEG = NEXTV > 0 ? NV + 1 : 0;
    for (int c = 1; c <= NV + NEXTV; ++c) {
      const std::string name = (c <= NV ? "P" + std::to_string(c) : "E" + std::to_string(c - NV));
      st.MATINP.MCNAME(c) = engine::Name8(name);
      par.NAMLST[static_cast<size_t>(c - 1)] = c;
    }
    st.MATINP.MNVAR = NV + NEXTV;
    st.MATINP.MNROW = NV + NEXTV;
    // The missing-value interval that the matrix section always appends.
    st.MATINP.MNMIS = 1;
    st.MATINP.MMIS(1) = {1.0E38f, 1.0E38f};
  }

  void narrow() {
    st.RUNCTL.LINSIZ = 80;
    st.RUNCTL.NARROW = 1;
  }

  // The records written to the results unit (and the listing) so far.
  std::vector<std::string> results() const { return enginetest::splitLines(out.str()); }
  std::vector<std::string> messages() const { return enginetest::splitLines(listing.str()); }
};

// A fitted map of 36 internal points: a 6 x 6 grid over the square 0..100
// (from 0 on both axes), jittered so that no two distances are equal, with
// a third coordinate for 3-D maps.
inline std::vector<std::vector<float>> gridMap() {
  std::vector<std::vector<float>> map;
  for (int i = 0; i < 36; ++i) {
    map.push_back({20.0f * static_cast<float>(i % 6) + static_cast<float>(i * 7 % 5),
                   20.0f * static_cast<float>(i / 6) + static_cast<float>(i * 3 % 4),
                   static_cast<float>(i * 37 % 101)});
  }
  return map;
}

inline std::string blanks(int n) {
  return std::string(static_cast<size_t>(n), ' ');
}

// TEXT padded with blanks to WIDTH characters.
inline std::string padded(std::string text, int width) {
  text.resize(static_cast<size_t>(std::max(width, static_cast<int>(text.size()))), ' ');
  return text;
}

}  // namespace diagramtest
