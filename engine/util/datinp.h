// The raw-data record DATINP of the DATA section: reading settings and the
// per-variable tables (missing values, labels) that belong to the variable
// dictionary.
#pragma once

#include <array>
#include <cstdint>

#include "engine/globals/vec1.h"
#include "engine/scanlist/scanfield.h"

namespace engine {

struct DATINP {
  static constexpr int MAXVAR = 1000;
  static constexpr int MAXMIS = 10;     // intervals of a MISSINGS value list
  static constexpr int MAXVLAB = 1500;  // variable labels
  static constexpr int MAXCLAB = 4500;  // category labels
  static constexpr int LABLEN = 24;
  static constexpr int FMTLEN = 400;
  static constexpr int FNMLEN = 40;

  using Label = std::array<char, LABLEN>;  // blank-padded
  using Interval = std::array<float, 2>;   // (low, high)
  // A variable's intervals: those of its value list and, behind them, room
  // for the appended interval that keeps the missing-value code missing.
  using Intervals = std::array<Interval, MAXMIS + 1>;

  // Settings kept from one DATA section to the next. The list-directed flag
  // FREEFM is shared with the MATRINP section and lives in MATINP.
  int32_t DUNIT = 8;
  int32_t DNCASE = -1;  // 0 or less: the cases are counted in the file
  int32_t DNREC = 1;
  std::array<char, FMTLEN> DFORM = blanks<FMTLEN>();
  std::array<char, FNMLEN> DFNAME = blanks<FNMLEN>();
  int32_t DFNLEN = 0;
  float DBLANK = 1.0E38f;
  int32_t DFILE = 0;  // a FILE sentence asks for the data file to be read
  int32_t DSCAN = 0;
  int32_t DSCREC = 1;
  Vec1<ScanSpec> DSPEC = Vec1<ScanSpec>(MAXVAR);

  // Per-variable tables, indexed by the variable's number.
  Vec1<int32_t> NMISV = Vec1<int32_t>(MAXVAR, 1);
  Vec1<Intervals> VMIS = Vec1<Intervals>(MAXVAR, missingOnly());
  Vec1<int32_t> VLFRST = Vec1<int32_t>(MAXVAR, 0);
  Vec1<int32_t> CLFRST = Vec1<int32_t>(MAXVAR, 0);

  // Label stores shared by all variables; VLLAST and CLLAST are indexed by a
  // group's first label number.
  int32_t NVLAB = 0;
  Vec1<Label> VLTEXT = Vec1<Label>(MAXVLAB, blanks<LABLEN>());
  Vec1<int32_t> VLLAST = Vec1<int32_t>(MAXVLAB, 0);
  int32_t NCLAB = 0;
  Vec1<float> CLVAL = Vec1<float>(MAXCLAB, 0.0f);
  Vec1<Label> CLTEXT = Vec1<Label>(MAXCLAB, blanks<LABLEN>());
  Vec1<int32_t> CLLAST = Vec1<int32_t>(MAXCLAB, 0);

  template <size_t N>
  static std::array<char, N> blanks() {
    std::array<char, N> a;
    a.fill(' ');
    return a;
  }
  // The default intervals of a variable: only the missing-value code itself.
  static Intervals missingOnly() {
    Intervals v{};
    v[0] = {1.0E38f, 1.0E38f};
    return v;
  }
};

}  // namespace engine
