// Builds the reading plan of a scan list from the field specifications.
#include "engine/scanlist/scanplan.h"

#include <algorithm>
#include <numeric>

namespace engine {
namespace {

// Record skip of k records: "/" for one, "k(/)" for more.
std::string recordSkip(int k) {
  return k == 1 ? "/" : std::to_string(k) + "(/)";
}

// A number in exactly `digits` positions with leading zeros; asterisks when it
// does not fit, which makes the conversion format invalid and the field illegal.
std::string fixedDigits(int n, int digits) {
  std::string text = std::to_string(n);
  if (n < 0 || static_cast<int>(text.size()) > digits) return std::string(digits, '*');
  return std::string(digits - text.size(), '0') + text;
}

}  // namespace

std::vector<int> SCNSRT(std::span<const ScanSpec> fields) {
  std::vector<int> order(fields.size());
  std::iota(order.begin(), order.end(), 1);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return fields[a - 1].SPREC < fields[b - 1].SPREC; });
  return order;
}

std::string SCNFMT(std::span<const ScanSpec> sorted, int nrec) {
  std::string fmt = "(";
  if (sorted.empty()) return fmt + ")";
  int c = sorted.front().SPREC;
  if (c != 1) fmt += recordSkip(c - 1) + ",";
  int m = sorted.front().SPFRST;
  for (const ScanSpec& s : sorted.subspan(1)) {
    if (s.SPREC == c) {
      m = std::min(m, s.SPFRST);
      continue;
    }
    fmt += "t" + std::to_string(m) + ",a," + recordSkip(s.SPREC - c) + ",";
    c = s.SPREC;
    m = s.SPFRST;
  }
  fmt += "t" + std::to_string(m) + ",a,";
  if (nrec - c == 0) {
    fmt.back() = ')';
  } else {
    fmt += recordSkip(nrec - c) + ")";
  }
  return fmt;
}

std::string conversionFormat(const ScanSpec& field) {
  const int width = field.SPLAST - field.SPFRST + 1;
  if (field.SPDEC == SPDEC_CHARACTER) return "(a" + fixedDigits(width, 5) + ")";
  return "(f" + fixedDigits(width, 2) + "." + fixedDigits(field.SPDEC, 2) + ")";
}

ScanPlan SCNPLN(std::span<const ScanSpec> fields, int nrec) {
  ScanPlan plan;
  const std::vector<int> order = SCNSRT(fields);
  std::vector<ScanSpec> sorted;
  for (int k : order) sorted.push_back(fields[k - 1]);
  plan.recordFormat = SCNFMT(sorted, nrec);

  // SCNLAY: one segment per record that holds fields, placed one after the other.
  size_t groupBegin = 0;
  int start = 1;
  while (groupBegin < sorted.size()) {
    size_t groupEnd = groupBegin;
    int low = sorted[groupBegin].SPFRST, high = sorted[groupBegin].SPLAST;
    while (groupEnd < sorted.size() && sorted[groupEnd].SPREC == sorted[groupBegin].SPREC) {
      low = std::min(low, sorted[groupEnd].SPFRST);
      high = std::max(high, sorted[groupEnd].SPLAST);
      ++groupEnd;
    }
    for (size_t k = groupBegin; k < groupEnd; ++k) {
      const ScanSpec& s = sorted[k];
      std::string conversion = conversionFormat(s);
      format::Format converter = format::Format::parse(conversion);
      ScanField field{order[k],
                      s.SPFRST - low + start,
                      s.SPLAST - low + start,
                      s.SPDEC != SPDEC_CHARACTER,
                      std::move(conversion),
                      std::move(converter)};
      plan.fields.push_back(std::move(field));
    }
    plan.segmentLengths.push_back(high - low + 1);
    start += high - low + 1;
    groupBegin = groupEnd;
  }
  plan.bufferLength = start - 1;
  return plan;
}

}  // namespace engine
