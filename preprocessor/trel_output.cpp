// Writers of the preprocessor's listing and distance matrix. The layouts are
// the format texts below; the engine reads the matrix with "(10F8.4)".
#include "preprocessor/trel_output.h"

#include <string_view>

namespace trel {
namespace {

using format::Format;
using format::Value;

constexpr std::string_view kHeaderEcho = "(3X,'N=',I4,'K=',I4,'P=',F4.1,'TITLE=',7A10)";
constexpr std::string_view kDataLine = "(9F6.1)";
constexpr std::string_view kStatisticsLine = "(12F10.3)";
constexpr std::string_view kDistanceRow = "(10F8.4)";

bool writeReals(format::RecordSink& out, std::string_view layout, const float* values, int count) {
  const Value items[] = {Value::reals(values, count)};
  return format::FMTWR(out, Format::cached(layout), items);
}

}  // namespace

bool writeHeaderEcho(format::RecordSink& listing, const Header& header) {
  const Value items[] = {
      Value::integers(&header.n),
      Value::integers(&header.k),
      Value::reals(&header.p),
      Value::text(&header.title[0][0], kTitlePieceLength, kTitlePieces),
  };
  return format::FMTWR(listing, Format::cached(kHeaderEcho), items);
}

bool writeData(format::RecordSink& listing, const Table& data) {
  for (int i = 1; i <= data.observations(); ++i)
    if (!writeReals(listing, kDataLine, data.row(i), data.variables())) return false;
  return true;
}

bool writeStatistics(format::RecordSink& listing, const Statistics& statistics) {
  const int k = static_cast<int>(statistics.mean.size());
  return writeReals(listing, kStatisticsLine, statistics.mean.data(), k) &&
         writeReals(listing, kStatisticsLine, statistics.sd.data(), k);
}

bool writeDistances(format::RecordSink& listing, format::RecordSink& matrix,
                    const DistanceMatrix& dist) {
  const int n = dist.size();
  for (int i = 1; i <= n; ++i)
    if (!writeReals(listing, kDistanceRow, dist.row(i), n) ||
        !writeReals(matrix, kDistanceRow, dist.row(i), n))
      return false;
  return true;
}

}  // namespace trel
