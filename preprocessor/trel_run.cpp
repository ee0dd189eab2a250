// The preprocessor's single pass and the program around it. The matrix file
// appears under its name only when the run has succeeded.
#include "preprocessor/trel_run.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>
#include <system_error>

#include "preprocessor/trel_compute.h"
#include "preprocessor/trel_output.h"

namespace trel {
namespace {

namespace fs = std::filesystem;

bool fail(Problem& problem, std::string text) {
  problem = {0, std::move(text)};
  return false;
}

bool writeFailure(Problem& problem) {
  return fail(problem, "an output record cannot be written");
}

// Means and standard deviations, then the distances of the standardised values.
bool transformAndWrite(const Header& header, const Body& body, format::RecordSink& listing,
                       format::RecordSink& matrix, Problem& problem) {
  const Statistics statistics = computeStatistics(body.data);
  if (!writeStatistics(listing, statistics)) return writeFailure(problem);
  const bool centreOnly = header.noscal == 1;
  if (const int j = firstVariableWithoutSpread(statistics); j != 0 && !centreOnly)
    return fail(problem,
                "variable " + std::to_string(j) +
                    (statistics.sd[j - 1] == 0.0f ? " has no spread (its standard deviation is 0)"
                                                  : ": its standard deviation cannot be computed") +
                    ", so it cannot be scaled");
  const float p = header.p > 0.0f ? header.p : 1.0f;
  const DistanceMatrix dist = computeDistances(standardise(body.data, statistics, centreOnly), p);
  return writeDistances(listing, matrix, dist) || writeFailure(problem);
}

void removeFile(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

int report(std::ostream& err, const std::string& file, const Problem& problem) {
  err << "trel: " << file << ':';
  if (problem.line > 0) err << problem.line << ':';
  err << ' ' << problem.text << '\n';
  return 1;
}

// The output files of one run. The matrix is written under a temporary name
// and takes its own name only when the run has succeeded.
class Outputs {
 public:
  explicit Outputs(const fs::path& outDir)
      : listingPath_(outDir / kListingName),
        matrixPath_(outDir / kMatrixName),
        partialPath_(outDir / (std::string(kMatrixName) + ".part")) {}

  // Removes every output: nothing of an earlier run stays.
  void discard() const {
    removeFile(listingPath_);
    removeFile(matrixPath_);
    removeFile(partialPath_);
  }
  bool open() {
    listing.open(listingPath_, std::ios::binary | std::ios::trunc);
    matrix.open(partialPath_, std::ios::binary | std::ios::trunc);
    return listing && matrix;
  }
  // After a failure: no matrix, and the listing only when this run wrote some.
  void abandon() {
    const bool wroteListing = listing.tellp() > 0;
    listing.close();
    matrix.close();
    if (wroteListing) {
      removeFile(matrixPath_);
      removeFile(partialPath_);
    } else {
      discard();
    }
  }
  // Closes both files and gives the matrix its name; false with the reason.
  bool complete(std::string& why) {
    listing.close();
    matrix.close();
    std::error_code error;
    if (listing && matrix) fs::rename(partialPath_, matrixPath_, error);
    if (listing && matrix && !error) return true;
    why = error ? error.message() : std::strerror(errno);
    discard();
    return false;
  }
  std::string describe() const { return listingPath_.string() + " and " + matrixPath_.string(); }

  std::ofstream listing;
  std::ofstream matrix;

 private:
  fs::path listingPath_;
  fs::path matrixPath_;
  fs::path partialPath_;
};

}  // namespace

bool run(std::istream& in, std::ostream& listingOut, std::ostream& matrixOut, Problem& problem) {
  format::RecordSource source(in);
  format::RecordSink listing(listingOut);
  format::RecordSink matrix(matrixOut);
  Header header;
  if (!readHeader(source, header, problem)) return false;
  if (!writeHeaderEcho(listing, header)) return writeFailure(problem);
  Body body;
  if (!readBody(source, header, body, problem)) return false;
  if (header.divflg == 1) applyDivisor(body);
  if (!writeData(listing, body.data)) return writeFailure(problem);
  return transformAndWrite(header, body, listing, matrix, problem);
}

int runProgram(std::span<const std::string> args, const fs::path& outDir, std::ostream& err) {
  Outputs outputs(outDir);
  if (args.empty()) {
    outputs.discard();
    err << "usage: trel INPUT-FILE (writes __trel1 and __trel2 into the current directory)\n";
    return 2;
  }
  const std::string& file = args[0];
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    outputs.discard();
    return report(err, file, {0, std::string("cannot open the file: ") + std::strerror(errno)});
  }
  std::string why;
  if (!outputs.open()) {
    why = std::strerror(errno);
    outputs.discard();
    err << "trel: cannot create " << outputs.describe() << ": " << why << '\n';
    return 1;
  }
  Problem problem;
  if (!run(in, outputs.listing, outputs.matrix, problem)) {
    outputs.abandon();
    return report(err, file, problem);
  }
  if (!outputs.complete(why)) {
    err << "trel: cannot write " << outputs.describe() << ": " << why << '\n';
    return 1;
  }
  return 0;
}

}  // namespace trel
