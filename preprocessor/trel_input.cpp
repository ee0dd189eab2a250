// Reader of the preprocessor input: every field goes through the format
// interpreter with the layouts that the input file is written in.
#include "preprocessor/trel_input.h"

#include <cmath>
#include <cstddef>
#include <string_view>

namespace trel {
namespace {

using format::Item;
using format::ReadStatus;

constexpr std::string_view kHeaderFormat = "(2I3,F3.0,3I1,A9,6A10)";
constexpr std::string_view kOneFormatLine = "(8A10)";
constexpr std::string_view kTwoFormatLines = "(8A10,/,8A10)";
constexpr std::string_view kDivisorFormat = "(F5.0)";
constexpr int kFormatPiece = 10;
constexpr int kFormatPiecesPerLine = 8;

bool fail(Problem& problem, long line, std::string text) {
  problem = {line, std::move(text)};
  return false;
}

// The line a failed read concerns: the record it stopped in, or the next one
// when it ran out of input.
long failedLine(const format::RecordSource& in, ReadStatus status) {
  return status == ReadStatus::EndOfFile ? in.recordsRead() + 1 : in.recordsRead();
}

bool checkCounts(const Header& header, Problem& problem) {
  if (header.n < 1 || header.n > kMaxObservations)
    return fail(problem, 1,
                "N = " + std::to_string(header.n) + " observations is outside 1 to 255");
  if (header.n == 1) return fail(problem, 1, "N = 1: at least two observations are needed");
  if (header.k < 1 || header.k > kMaxVariables)
    return fail(problem, 1, "K = " + std::to_string(header.k) + " variables is outside 1 to 255");
  return true;
}

bool readDataFormat(format::RecordSource& in, const Header& header, Body& body, Problem& problem) {
  const int lines = header.fmtlin == 2 ? 2 : 1;
  std::string text(static_cast<size_t>(lines * kFormatPiecesPerLine * kFormatPiece), ' ');
  const Item items[] = {Item::text(text.data(), kFormatPiece, lines * kFormatPiecesPerLine)};
  const ReadStatus status = format::FMTRD(
      in, format::Format::cached(lines == 2 ? kTwoFormatLines : kOneFormatLine), items);
  if (status != ReadStatus::Ok)
    return fail(problem, failedLine(in, status),
                lines == 2 ? "end of file; expected two data format lines"
                           : "end of file; expected the data format line");
  body.dataFormat = text.substr(0, text.find_last_not_of(' ') + 1);
  return true;
}

bool readDivisor(format::RecordSource& in, Body& body, Problem& problem) {
  const Item items[] = {Item::reals(&body.divisor)};
  const ReadStatus status = format::FMTRD(in, format::Format::cached(kDivisorFormat), items);
  if (status == ReadStatus::EndOfFile)
    return fail(problem, failedLine(in, status), "end of file; expected the divisor line");
  if (status != ReadStatus::Ok)
    return fail(problem, in.recordsRead(),
                "the divisor does not fit the layout " + std::string(kDivisorFormat));
  if (body.divisor == 0) return fail(problem, in.recordsRead(), "the divisor is 0");
  return true;
}

bool readObservation(format::RecordSource& in, const format::Format& dataFormat, int i, Body& body,
                     Problem& problem) {
  Table& data = body.data;
  const Item items[] = {Item::reals(data.row(i), data.variables())};
  const ReadStatus status = format::FMTRD(in, dataFormat, items);
  const std::string which = "observation " + std::to_string(i);
  if (status == ReadStatus::EndOfFile)
    return fail(
        problem, failedLine(in, status),
        "end of file; " + which + " of " + std::to_string(data.observations()) + " is missing");
  if (status != ReadStatus::Ok)
    return fail(problem, in.recordsRead(),
                which + ": a field does not fit the data format " + body.dataFormat);
  for (int j = 1; j <= data.variables(); ++j)
    if (!std::isfinite(data.at(i, j)))
      return fail(problem, in.recordsRead(),
                  which + ", variable " + std::to_string(j) + ": the value is out of range");
  return true;
}

}  // namespace

void Table::resize(int n, int k) {
  n_ = n;
  k_ = k;
  values_.assign(static_cast<size_t>(n) * static_cast<size_t>(k), 0.0f);
}

bool readHeader(format::RecordSource& in, Header& header, Problem& problem) {
  const Item items[] = {
      Item::integers(&header.n, 2),
      Item::reals(&header.p),
      Item::integers(&header.noscal, 3),
      Item::text(&header.title[0][0], kTitlePieceLength, kTitlePieces),
  };
  static_assert(offsetof(Header, k) == offsetof(Header, n) + sizeof(int32_t));
  static_assert(offsetof(Header, divflg) == offsetof(Header, noscal) + sizeof(int32_t));
  static_assert(offsetof(Header, fmtlin) == offsetof(Header, divflg) + sizeof(int32_t));
  const ReadStatus status = format::FMTRD(in, format::Format::cached(kHeaderFormat), items);
  if (status == ReadStatus::EndOfFile)
    return fail(problem, 1, "the file is empty; expected the header line");
  if (status != ReadStatus::Ok)
    return fail(problem, 1, "the header does not fit the layout " + std::string(kHeaderFormat));
  return checkCounts(header, problem);
}

bool readBody(format::RecordSource& in, const Header& header, Body& body, Problem& problem) {
  if (!readDataFormat(in, header, body, problem)) return false;
  const long formatLine = in.recordsRead();
  const format::Format dataFormat = format::Format::parse(body.dataFormat);
  if (!dataFormat.valid())
    return fail(problem, formatLine, "the data format is not valid: " + dataFormat.error());
  if (header.divflg == 1 && !readDivisor(in, body, problem)) return false;
  body.data.resize(header.n, header.k);
  for (int i = 1; i <= header.n; ++i)
    if (!readObservation(in, dataFormat, i, body, problem)) return false;
  return true;
}

void applyDivisor(Body& body) {
  Table& data = body.data;
  for (int i = 1; i <= data.observations(); ++i)
    for (int j = 1; j <= data.variables(); ++j) data.at(i, j) = data.at(i, j) / body.divisor;
}

}  // namespace trel
