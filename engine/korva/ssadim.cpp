// The start and the fit of each dimensionality with its results page: the
// heading, the figures of the fit, the coordinates table and the records of
// the output file.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/korva/diagram.h"
#include "engine/korva/external.h"
#include "engine/korva/fit.h"
#include "engine/korva/procedure.h"
#include "engine/util/listing.h"

namespace engine::korva {

namespace {

constexpr std::string_view kHeading =
    "('1',T48,'D I M E N S I O N A L I T Y   ',I2,/,T48,32('-'),/)";
constexpr std::string_view kFitLines =
    "(' Rank image transformations ',13('.'),I4,/,' Number of iterations ',19('.'),I4,/,"
    "' Coefficient of Alienation ',14('.'),F8.5)";
constexpr std::string_view kTableHead =
    "(/,' Serial    Distance from    Plotted Coordinates',/,' Number    Centroid',11X,9(I2,7X))";
constexpr std::string_view kTableRule = "(1X,27('-'),9(3A3))";
constexpr std::string_view kTableRow = "(2X,I3,8X,F6.2,9X,9(F6.2,3X))";
constexpr std::string_view kNoRoot = "(5X,' NSOL IS EQUAL TO 0')";

void write(EngineState& st, std::string_view fmt, const Fields& f = Fields()) {
  WRITEU(st, st.RUNCTL.OUTUNI, fmt, f);
}

void heading(EngineState& st, int M) {
  std::string fmt(kHeading);
  if (st.RUNCTL.NARROW == 1) {
    fmt.replace(1, 3, " //");
    for (size_t at = fmt.find("T48"); at != std::string::npos; at = fmt.find("T48"))
      fmt.replace(at, 3, "T24");
  }
  write(st, fmt, Fields().i(M));
}

// One record (or more, as the format says) of the output file.
void writeOutput(EngineState& st, std::span<const float> values) {
  const format::Format& f = format::Format::cached(st.OUTFMT);
  if (!f.valid()) {
    mystop(st, f.error());
  }
  format::RecordSink* sink = st.UNITS.sink(st.RUNCTL.FILUNI);
  if (sink)
    format::FMTWR(*sink, f,
                  std::vector<format::Value>{
                      format::Value::reals(values.data(), static_cast<int>(values.size()))});
}

// The distances of the fitted configuration relative to the largest one.
void distanceRecords(EngineState& st, SsaWork& w) {
  float largest = 0.0f;
  for (int j = 2; j <= w.NV; ++j) {
    for (int i = 1; i < j; ++i) largest = std::max(largest, w.SQMAT.at(i, j));
  }
  std::vector<float> row(static_cast<size_t>(w.NV));
  for (int i = 1; i <= w.NV; ++i) {
    for (int k = 1; k <= w.NV; ++k) {
      row[static_cast<size_t>(k - 1)] =
          i == k ? 0.0f : w.SQMAT.at(std::min(i, k), std::max(i, k)) / largest;
    }
    writeOutput(st, row);
  }
}

void coordinatesTable(EngineState& st, const SsaWork& w, int M, Span1<const float> centre) {
  std::vector<int32_t> axes(static_cast<size_t>(M));
  for (int a = 1; a <= M; ++a) axes[static_cast<size_t>(a - 1)] = a;
  const std::string dashes(static_cast<size_t>(9 * M), '-');
  write(st, kTableHead, Fields().ints(axes));
  write(st, kTableRule, Fields().texts(dashes.data(), 3, 3 * M));
  std::vector<float> coords(static_cast<size_t>(M));
  for (int j = 1; j <= w.NV; ++j) {
    long double sum = 0.0L;
    for (int a = 1; a <= M; ++a) {
      coords[static_cast<size_t>(a - 1)] = w.XNEW.at(j, a);
      const long double diff = static_cast<long double>(w.XNEW.at(j, a)) - centre(a);
      sum += diff * diff;
    }
    write(st, kTableRow, Fields().i(j).r(static_cast<float>(std::sqrt(sum))).reals(coords));
  }
}

// Each point's coordinates and (or) facet profile, one write per point.
void pointRecords(EngineState& st, const SsaWork& w, int M) {
  const SSAPAR& par = st.SSAPAR;
  std::vector<float> values;
  for (int i = 1; i <= w.NV; ++i) {
    values.clear();
    if (par.OUTCRD == 1) {
      for (int a = 1; a <= M; ++a) values.push_back(w.XNEW.at(i, a));
    }
    if (par.OUTFAC == 1) {
      for (int f = 1; f <= par.NFACETS; ++f)
        values.push_back(st.MATINP.AMAT(par.FACPRF + (i - 1) * par.NFACETS + f - 1));
    }
    writeOutput(st, values);
  }
}

}  // namespace

void reportEigen(EngineState& st, const SymegOutcome& outcome) {
  format::RecordSink* sink = st.UNITS.sink(st.RUNCTL.OUTUNI);
  if (outcome.message == 0 || sink == nullptr) return;
  if (reportSymeg(outcome, *sink, st.SSAPAR.NONFAT)) mystop(st, " ");
}

void SSARUN(EngineState& st, SsaWork& w) {
  SSAPAR& par = st.SSAPAR;
  reportEigen(st, SSAINI(par, w));
  for (int a = 1; a <= par.MAXDIM; ++a) {
    for (int i = 1; i <= w.NV; ++i) w.XINI.at(i, a) = w.XCUR.at(i, a);
  }
  for (int m = par.MINDIM; m <= par.MAXDIM; ++m) SSADIM(st, w, m);
}

void SSADIM(EngineState& st, SsaWork& w, int M) {
  SSAPAR& par = st.SSAPAR;
  heading(st, M);
  if (!fitDimensionality(par, w, M)) {
    write(st, kNoRoot);
    mystop(st, " ");
  }
  if (par.OUTOPN == 1 && par.OUTDST == 1) distanceRecords(st, w);
  write(st, kFitLines, Fields().i(par.NRI).i(par.NIT).r(par.ALIEN));
  for (int a = 1; a <= M; ++a) {
    for (int i = 1; i <= w.NV; ++i) w.XDIR.at(i, a) = w.XNEW.at(i, a);
  }
  reportEigen(st, SSAROT(w, M));
  const Span1<float> centre(w.XDIR.data(), std::max(M, 0));
  normaliseWithExternal(st, w, M, centre);
  coordinatesTable(st, w, M, centre);
  if (par.NEXTV > 0) externalTable(st, M);
  SSASPC(st, mappedPoints(st, w, M), par.NV + par.NEXTV, M);
  if (par.OUTOPN == 1 && (par.OUTCRD == 1 || par.OUTFAC == 1)) pointRecords(st, w, M);
}

}  // namespace engine::korva
