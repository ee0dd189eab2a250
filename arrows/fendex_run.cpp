// The arrow program: the table comes from the preprocessor input, read as the
// preprocessor reads it, so that both see the same values.
#include "arrows/fendex_run.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>
#include <vector>

#include "arrows/arrow_report.h"
#include "arrows/arrows.h"
#include "arrows/coordinates.h"
#include "format/format.h"
#include "preprocessor/trel_input.h"

namespace fendex {
namespace {

constexpr const char* kUsage =
    "usage: fendex INPUT-FILE [COORDINATES-FILE]\n"
    "Reads the table of the preprocessor input INPUT-FILE and the map's coordinates\n"
    "(default __trel3), writes the centre of gravity and one arrow and correlation per\n"
    "variable to standard output.\n";

// One diagnostic line naming the file and, when known, the line; false.
bool report(std::ostream& err, const std::string& file, const trel::Problem& problem) {
  err << "fendex: " << file << ':';
  if (problem.line > 0) err << problem.line << ':';
  err << ' ' << problem.text << '\n';
  return false;
}

trel::Problem cannotOpen() {
  return {0, std::string("cannot open the file: ") + std::strerror(errno)};
}

bool readTable(const std::string& file, trel::Body& body, std::ostream& err) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return report(err, file, cannotOpen());
  format::RecordSource source(in);
  trel::Header header;
  trel::Problem problem;
  if (!trel::readHeader(source, header, problem) || !trel::readBody(source, header, body, problem))
    return report(err, file, problem);
  if (header.divflg == 1) trel::applyDivisor(body);
  return true;
}

bool readPoints(const std::string& file, std::vector<Point>& points, std::ostream& err) {
  std::ifstream in(file, std::ios::binary);
  trel::Problem problem;
  if (!in) return report(err, file, cannotOpen());
  if (!readCoordinates(in, points, problem)) return report(err, file, problem);
  return true;
}

// Reads both files and computes the arrows; false after a diagnostic.
bool arrowsFor(const std::string& inputFile, const std::string& coordinatesFile,
               ArrowResult& result, std::ostream& err) {
  trel::Body body;
  std::vector<Point> points;
  if (!readTable(inputFile, body, err) || !readPoints(coordinatesFile, points, err)) return false;
  const size_t n = static_cast<size_t>(body.data.observations());
  if (points.size() != n)
    return report(err, coordinatesFile,
                  {0, "holds " + std::to_string(points.size()) + " points but " + inputFile +
                          " has " + std::to_string(n) + " observations"});
  trel::Problem problem;
  if (!computeArrows(points, body.data, result, problem))
    return report(err, coordinatesFile + " with " + inputFile, problem);
  return true;
}

}  // namespace

int runProgram(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args.size() > 2) {
    err << kUsage;
    return 2;
  }
  ArrowResult result;
  if (!arrowsFor(args[0], args.size() > 1 ? args[1] : kDefaultCoordinates, result, err)) return 1;
  out << arrowReport(result);
  out.flush();
  return out ? 0 : 1;
}

}  // namespace fendex
