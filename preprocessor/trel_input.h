// Reader of the preprocessor input: the header line, the data format, the
// divisor and the observations. Shared by trel and by the arrow program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "format/format.h"

namespace trel {

constexpr int kMaxObservations = 255;
constexpr int kMaxVariables = 255;
constexpr int kTitlePieces = 7;
constexpr int kTitlePieceLength = 4;

// A failure with the input line it concerns (0 when no single line is at fault).
struct Problem {
  long line = 0;
  std::string text;
};

// Line 1: counts, order of the distance, flags and the held title pieces.
struct Header {
  int32_t n = 0;       // observations
  int32_t k = 0;       // variables
  float p = 0;         // order of the distance, as read
  int32_t noscal = 0;  // 1: centre only
  int32_t divflg = 0;  // 1: a divisor line follows the format
  int32_t fmtlin = 0;  // 2: the data format takes two lines
  char title[kTitlePieces][kTitlePieceLength] = {};
};

// The observations of one input file, XDAT(i, j) with 1-based i and j.
class Table {
 public:
  void resize(int n, int k);
  int observations() const { return n_; }
  int variables() const { return k_; }
  float& at(int i, int j) { return values_[index(i, j)]; }
  float at(int i, int j) const { return values_[index(i, j)]; }
  // The K values of observation i, contiguous.
  float* row(int i) { return &values_[index(i, 1)]; }
  const float* row(int i) const { return &values_[index(i, 1)]; }

 private:
  size_t index(int i, int j) const { return static_cast<size_t>(i - 1) * k_ + (j - 1); }
  int n_ = 0;
  int k_ = 0;
  std::vector<float> values_;
};

// What follows the header: the data format text, the divisor and the data.
struct Body {
  std::string dataFormat;
  float divisor = 1;
  Table data;
};

// Reads and checks line 1 (N and K in 1..255, at least two observations).
bool readHeader(format::RecordSource& in, Header& header, Problem& problem);
// Reads the format line(s), the divisor line when the header asks for one,
// and the N observations with the data format.
bool readBody(format::RecordSource& in, const Header& header, Body& body, Problem& problem);
// Divides every data value by the divisor, in single precision.
void applyDivisor(Body& body);

}  // namespace trel
