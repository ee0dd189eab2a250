// A work area of the procedure for NV points, owned by a test.
#pragma once

#include <cmath>
#include <vector>

#include "engine/korva/fit.h"

namespace engine::korva {

struct WorkFixture {
  SSAPAR par;
  WorkLayout layout;
  std::vector<float> area;
  std::vector<int32_t> perm;
  SortScratch sort{0};
  SsaWork w;

  WorkFixture(int nv, int maxdim, int ltie = 0) {
    par.NV = nv;
    par.MAXDIM = maxdim;
    par.NPAIR = nv * (nv - 1) / 2;
    par.LTIE = ltie;
    layout = layoutWork(nv, maxdim, ltie);
    area.assign(static_cast<size_t>(layout.I11), 0.0f);
    perm.assign(static_cast<size_t>(std::max(par.NPAIR, 1)), 0);
    sort = SortScratch(par.NPAIR);
    w = bindWork(area, layout, nv, ltie, Span1<int32_t>(perm.data(), static_cast<int>(perm.size())),
                 sort);
  }

  enum class Metric { Euclidean, Squared, CityBlock };
  // Coefficients of every pair from the points' coordinates, all present.
  void coefficientsFromPoints(const std::vector<std::vector<double>>& pts, Metric metric) {
    const bool cityBlock = metric == Metric::CityBlock;
    for (int i = 1; i < w.NV; ++i) {
      for (int j = i + 1; j <= w.NV; ++j) {
        double s = 0.0;
        for (size_t a = 0; a < pts[0].size(); ++a) {
          const double diff = pts[i - 1][a] - pts[j - 1][a];
          s += cityBlock ? std::fabs(diff) : diff * diff;
        }
        const int k = pairNumber(w.NV, i, j);
        w.PCOEF(k) = static_cast<float>(metric == Metric::Euclidean ? std::sqrt(s) : s);
        w.PWGT(k) = 1.0f;
      }
    }
  }

  // The start configuration and ranks, kept in XINI as the procedure does.
  SymegOutcome start() {
    const SymegOutcome out = SSAINI(par, w);
    for (int a = 1; a <= par.MAXDIM; ++a) {
      for (int i = 1; i <= w.NV; ++i) w.XINI.at(i, a) = w.XCUR.at(i, a);
    }
    return out;
  }
};

}  // namespace engine::korva
