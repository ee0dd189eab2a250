// The character diagrams of a fitted map on the results unit: the space
// diagrams of every pair of axes with the points' labels beside the rows, and
// the facet diagrams that show each point by its value on one facet.
#pragma once

#include <string>

#include "engine/globals/engine_state.h"
#include "engine/korva/views.h"
#include "engine/korva/work.h"

namespace engine::korva {

// The size of a diagram, fixed by the line size: W + 1 cells of two
// characters per row and H + 1 rows.
struct PlotGeometry {
  int W = 42;
  int H = 50;
  int cells() const { return W + 1; }
  int rows() const { return H + 1; }
  int frameWidth() const { return 2 * W + 10; }  // the record up to the right border
};
PlotGeometry plotGeometry(int NARROW);

// The cell (column from the left, row from the top) of a point with
// coordinates 0 to 100 on the two axes of a diagram.
struct Cell {
  int column = 1;
  int row = 1;
};
Cell plotCell(const PlotGeometry& g, float horizontal, float vertical);

// What a cell shows: a number right-justified in two positions, or two
// asterisks when it needs more.
std::string cellText(int value);

enum class PlotMode { Space, Facet };

// The space diagrams of dimensionality M, one for every pair of axes, each
// followed by the title when one was given; then the facet diagrams of M.
// X holds ROWS points: the internal ones and the external ones behind them.
void SSASPC(EngineState& st, MatView<const float> X, int ROWS, int M);
// The facet diagrams requested for dimensionality M, drawn from the first NV
// rows of X.
void SSAFDG(EngineState& st, MatView<const float> X, int M);
// One diagram of axis A1 (horizontal) against axis A2 (vertical) for the
// first ROWS points of X; in facet mode each point shows its value on facet F.
void SSAPLT(EngineState& st, MatView<const float> X, int ROWS, int A1, int A2, PlotMode MODE,
            int F);
// The label entries of plot row R: 150 characters, blank where unused.
std::string SSALBS(const EngineState& st, int R);

}  // namespace engine::korva
