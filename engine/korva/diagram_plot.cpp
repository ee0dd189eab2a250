// One character diagram: the points placed into a grid of two-character
// cells inside a frame, the axis marks, the label area and the scale.
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/globals/numeric.h"
#include "engine/korva/diagram.h"
#include "engine/util/listing.h"

namespace engine::korva {

namespace {

constexpr int kLabelBuffer = 150;
constexpr std::string_view kRecord = "(A)";
constexpr std::string_view kEmptyRecord = "()";

void write(EngineState& st, std::string_view fmt, const Fields& f = Fields()) {
  WRITEU(st, st.RUNCTL.OUTUNI, fmt, f);
}

// The five characters left of the frame that mark 100, 50 and 0 on the
// vertical axis.
std::string axisMark(const PlotGeometry& g, bool narrow, int r) {
  const int middle = (g.H + 2) / 2;
  if (r == 1) return narrow ? "  100" : "100..";
  if (r == middle) return narrow ? "   50" : " 50..";
  if (r == g.rows()) return narrow ? "    0" : "  0..";
  return "     ";
}

// The scale of the horizontal axis under the frame: with the wide layout two
// records of dots above the numbers 0, 50 and 100.
std::string scaleFormat(const PlotGeometry& g, bool narrow) {
  const auto gap = [](int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? " " + s : s;
  };
  const std::string numbers = " 8X,'0'," + gap(g.W - 2) + "X,'50'," + gap(g.W - 2) + "X,'100')";
  if (narrow) return "(" + numbers;
  return "(2( 8X,'.'," + gap(g.W - 1) + "X,'.'," + gap(g.W - 1) + "X,'.',/)," + numbers;
}

// The number a point shows: its serial number, or its value on facet F
// truncated to an integer.
int shownValue(const EngineState& st, PlotMode mode, int F, int j) {
  if (mode == PlotMode::Space) return j;
  const SSAPAR& par = st.SSAPAR;
  return truncateToInt(st.MATINP.AMAT(par.FACPRF + (j - 1) * par.NFACETS + F - 1));
}

}  // namespace

PlotGeometry plotGeometry(int NARROW) {
  PlotGeometry g;
  g.W = NARROW == 1 ? 15 : 42;
  g.H = static_cast<int>(std::lround(0.6f * static_cast<float>(2 * g.W + 3) - 2.0f));
  return g;
}

Cell plotCell(const PlotGeometry& g, float horizontal, float vertical) {
  const float xScale = static_cast<float>(g.W) * 0.01f;
  const float yScale = static_cast<float>(g.H) * 0.01f;
  Cell c;
  c.column = truncateToInt(horizontal * xScale + 1.5f);
  c.row = g.rows() - truncateToInt(vertical * yScale + 1.5f) + 1;
  // Coordinates lie from 0 to 100; the clamp keeps a stray rounding inside
  // the frame.
  c.column = std::clamp(c.column, 1, g.cells());
  c.row = std::clamp(c.row, 1, g.rows());
  return c;
}

std::string cellText(int value) {
  if (value > 99 || value < -9) return "**";
  std::string s = std::to_string(value);
  return s.size() < 2 ? " " + s : s;
}

void SSAPLT(EngineState& st, MatView<const float> X, int ROWS, int A1, int A2, PlotMode MODE,
            int F) {
  const bool narrow = st.RUNCTL.NARROW == 1;
  const PlotGeometry g = plotGeometry(st.RUNCTL.NARROW);
  std::vector<Cell> cells(static_cast<size_t>(std::max(ROWS, 0)));
  for (int j = 1; j <= ROWS; ++j)
    cells[static_cast<size_t>(j - 1)] = plotCell(g, X.at(j, A1), X.at(j, A2));
  const int labelWidth = std::clamp(st.RUNCTL.LINSIZ - g.frameWidth(), 0, kLabelBuffer);
  const std::string border =
      std::string(6, ' ') + '+' + std::string(static_cast<size_t>(2 * g.cells()), '-') + '+';

  write(st, kEmptyRecord);
  write(st, kRecord, Fields().a(border));
  for (int r = 1; r <= g.rows(); ++r) {
    std::string grid(static_cast<size_t>(2 * g.cells()), ' ');
    // Points in order, so that a later point overwrites an earlier one.
    for (int j = 1; j <= ROWS; ++j) {
      const Cell& c = cells[static_cast<size_t>(j - 1)];
      if (c.row == r)
        grid.replace(static_cast<size_t>(2 * (c.column - 1)), 2,
                     cellText(shownValue(st, MODE, F, j)));
    }
    const std::string labels =
        MODE == PlotMode::Space ? SSALBS(st, r) : std::string(kLabelBuffer, ' ');
    write(st, kRecord,
          Fields().a(" " + axisMark(g, narrow, r) + "|" + grid + "|" +
                     labels.substr(0, static_cast<size_t>(labelWidth))));
  }
  write(st, kRecord, Fields().a(border));
  write(st, scaleFormat(g, narrow));
}

}  // namespace engine::korva
