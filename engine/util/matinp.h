// The input matrix record MATINP, filled by the MATRINP section: the matrix
// area, its column and row names, missing-value intervals and reading settings.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/globals/name8.h"
#include "engine/globals/vec1.h"
#include "engine/scanlist/scanfield.h"

namespace engine {

struct MATINP {
  static constexpr int MAXCOL = 200;     // columns (variables) and column names
  static constexpr int MAXROW = 200;     // row names
  static constexpr int MAXCHN = 200;     // CHNSIGN entries
  static constexpr int MAXMAT = 200000;  // words of the matrix area
  static constexpr int MAXMIS = 11;      // ten MISSINGS intervals and the appended one
  static constexpr int FMTLEN = 80;
  static constexpr int FNMLEN = 40;

  using Interval = std::array<float, 2>;  // (low, high)

  int32_t MNVAR = 0;
  int32_t MNROW = 0;
  int32_t MUNIT = 17;
  int32_t FREEFM = 1;  // read list-directed; the DATA section shares this flag
  std::array<char, FMTLEN> MFMT = blanks<FMTLEN>();
  std::array<char, FNMLEN> MFNAME = blanks<FNMLEN>();
  int32_t MFNLEN = 0;
  int32_t MFILE = 0;  // a FILE sentence asks for the matrix file to be read
  Vec1<Name8> MCNAME = Vec1<Name8>(MAXCOL);
  Vec1<Name8> MRNAME = Vec1<Name8>(MAXROW);
  int32_t MNCHN = 0;
  Vec1<int32_t> MCHN = Vec1<int32_t>(MAXCHN, 0);
  float MBLANK = 1.0E38f;
  int32_t MNMIS = 0;
  Vec1<Interval> MMIS = Vec1<Interval>(MAXMIS, Interval{0.0f, 0.0f});
  int32_t MSCAN = 0;  // the NAMES sentence gave column positions
  int32_t MNREC = 1;  // records per row found in the scan list
  Vec1<ScanSpec> MSPEC = Vec1<ScanSpec>(MAXCOL);
  // The matrix, column after column from word 0; the procedure keeps its
  // work arrays behind the MNROW x MNVAR matrix.
  Vec1<float> AMAT = Vec1<float>(MAXMAT, 0.0f);

  // Element (i, j) of the MNROW x MNVAR matrix, both counted from 1.
  float& element(int i, int j) { return AMAT(i + (j - 1) * MNROW); }
  float element(int i, int j) const { return AMAT.all()[(i - 1) + size_t(j - 1) * MNROW]; }
  // The matrix area from word `first` (counted from 0) to its end.
  std::span<float> area(size_t first = 0) { return AMAT.all().subspan(first); }

  template <size_t N>
  static std::array<char, N> blanks() {
    std::array<char, N> a;
    a.fill(' ');
    return a;
  }
};

}  // namespace engine
