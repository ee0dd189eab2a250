// Runs the preprocessor's pass on an input text in memory and splits what it
// wrote into lines.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "preprocessor/trel_run.h"

struct TrelOutput {
  bool ok = false;
  std::string listing;
  std::string matrix;
  trel::Problem problem;
};

inline TrelOutput runTrel(const std::string& input) {
  std::istringstream in(input);
  std::ostringstream listing;
  std::ostringstream matrix;
  TrelOutput out;
  out.ok = trel::run(in, listing, matrix, out.problem);
  out.listing = listing.str();
  out.matrix = matrix.str();
  return out;
}

// The lines of a text whose every line ends with CR LF; a line that does not
// is returned with a "<no CR LF>" mark so that a comparison shows it.
inline std::vector<std::string> crlfLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// Lines joined with CR LF, the way the input files are written.
inline std::string crlfText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
