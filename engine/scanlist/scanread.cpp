// Reads cases through a scan-list plan: one read statement cuts the segments
// of a case into a buffer, then each field is converted on its own.
#include "engine/scanlist/scanread.h"

#include <string>
#include <string_view>
#include <vector>

#include "engine/util/inputsec.h"
#include "engine/util/listing.h"

namespace engine {
namespace {

constexpr int kMaxWarnings = 10;
constexpr std::string_view kIllegalFmt =
    "(' **Warning** : Illegal data in variable ',A,' case no. ',I5)";
constexpr std::string_view kNoMoreFmt = "(' **Caution** : No more than ',I3,' warnings reported')";
constexpr std::string_view kReadErrorFmt = "(' **Error** : In reading data file')";

bool allBlank(std::string_view s) {
  return s.find_first_not_of(' ') == std::string_view::npos;
}

// Converts one field with its own format; false when the field is illegal.
bool convert(const ScanField& field, std::string_view text, float& x) {
  format::RecordSource source(text);
  const format::Item item = field.numeric
                                ? format::Item::reals(&x)
                                : format::Item::text(reinterpret_cast<char*>(&x), sizeof x);
  return format::FMTRD(source, field.converter, {&item, 1}) == format::ReadStatus::Ok;
}

}  // namespace

bool planFits(EngineState& st, const ScanPlan& plan, int capacity) {
  constexpr std::string_view kTooLongFmt =
      "(' **Error** : The record format built from the NAMES sentence',/,'             "
      "needs',I6,' characters; at most',I4,' are allowed')";
  const int length = static_cast<int>(plan.recordFormat.size());
  if (length <= capacity) return true;
  errorAt(st, kTooLongFmt, Fields().i(length).i(capacity), 2, 0);
  return false;
}

bool SCNRD(EngineState& st, const ScanPlan& plan, std::span<float> X, int NCASE,
           std::span<const Name8> NAMES, format::RecordSource& in, float BLANK) {
  const format::Format recordFormat = format::Format::parse(plan.recordFormat);
  std::string buffer(static_cast<size_t>(plan.bufferLength), ' ');
  std::vector<format::Item> segments;
  size_t start = 0;
  for (int length : plan.segmentLengths) {
    segments.push_back(format::Item::text(buffer.data() + start, length));
    start += static_cast<size_t>(length);
  }
  int warnings = 0;
  for (int i = 1; i <= NCASE; ++i) {
    const format::ReadStatus status = format::FMTRD(in, recordFormat, segments);
    if (status == format::ReadStatus::ReadError) {
      errorAt(st, kReadErrorFmt, Fields(), 1, 0);
      return false;
    }
    if (status == format::ReadStatus::EndOfFile) {
      errorAt(st, kTooManyCasesFmt, Fields(), 3, 0);
      return false;
    }
    for (const ScanField& field : plan.fields) {
      const std::string_view text =
          std::string_view(buffer).substr(field.first - 1, field.last - field.first + 1);
      float& x = X[static_cast<size_t>(i - 1) + static_cast<size_t>(field.column - 1) * NCASE];
      if (field.numeric && allBlank(text)) {
        x = BLANK;
      } else if (!convert(field, text, x)) {
        x = kMissing;
        ++warnings;
        if (warnings <= kMaxWarnings)
          LSTWR(st, kIllegalFmt, Fields().a(NAMES[field.column - 1]).i(i));
        if (warnings == kMaxWarnings) LSTWR(st, kNoMoreFmt, Fields().i(kMaxWarnings));
      }
    }
  }
  return true;
}

}  // namespace engine
