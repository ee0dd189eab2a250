// The parameter record SSAPAR of one procedure section: what the section's
// sentences set, the layout of its work arrays and the figures of the fit.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace engine {

struct SSAPAR {
  static constexpr int MAXNAM = 200;        // entries of NAMLST (NAMES and EXTNAMES together)
  static constexpr int32_t AMAXW = 200000;  // words of the matrix area
  static constexpr int32_t NOTSET = 9999;   // first facet of a profile not given
  static constexpr int TITLEN = 104;
  static constexpr int OUTLEN = 40;

  // Set by the sentences of the section (defaults of every new section).
  int32_t NV = 0;
  int32_t NEXTV = 0;
  std::array<int32_t, MAXNAM> NAMLST{};  // entry k (from 1) is NAMLST[k - 1]
  int32_t NAMBEG = 0;
  int32_t EXTBEG = 0;
  int32_t MINDIM = 2;
  int32_t MAXDIM = 3;
  int32_t PROXIM = 1;
  float TYING = 0.0f;
  int32_t WEIGHT = 0;
  int32_t NFACETS = 0;
  int32_t FACPRF = 0;  // word (from 1) of the facet profiles in the matrix area
  int32_t NFDIAG = 0;
  int32_t FACDGR = 0;  // word (from 1) of the facet diagram groups
  int32_t AFREE = 1;   // first free word behind the input matrix and the facet data
  std::string SSATIT = std::string(TITLEN, ' ');
  int32_t TITGIV = 0;
  std::string TITFMT = std::string(11, ' ');
  int32_t OUTCRD = 0;
  int32_t OUTFAC = 0;
  int32_t OUTDST = 0;
  std::string OUTNAM;
  int32_t OUTOPN = 0;  // an output file was named and opened on FILUNI
  int32_t MNMIS = 0;   // missing-value intervals of the input matrix

  // Set by the preparation of the matrix.
  int32_t NPAIR = 0;
  int32_t NMISS = 0;
  int32_t NTIECL = 0;
  int32_t LTIE = 0;
  int32_t LBLWID = 8;

  // The figures of the dimensionality in progress.
  float SCALFK = 0.0f;
  float QNORM = 0.0f;
  float ALIEN = 0.0f;
  int32_t NRI = 0;
  int32_t NIT = 0;

  // SYMEG's count of non-fatal messages, kept for the whole run.
  int32_t NONFAT = 0;
};

}  // namespace engine
