// Fuzz target of the format interpreter: the input's first line is a format
// text, the rest the records that FMTRD and LSTRD read; FMTWR writes a fixed
// item list with the same format.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "format/format.h"

namespace {

void readAll(const format::Format& format, std::string_view records) {
  int32_t integers[4] = {};
  float reals[4] = {};
  char texts[2][5] = {};
  const format::Item items[] = {format::Item::integers(integers, 4), format::Item::reals(reals, 4),
                                format::Item::text(&texts[0][0], 5, 2)};
  std::istringstream in{std::string(records)};
  format::RecordSource source(in);
  while (format::FMTRD(source, format, items) == format::ReadStatus::Ok &&
         source.recordsRead() < 64) {
  }
  format::RecordSource internal(records);
  format::FMTRD(internal, format, items);

  std::istringstream listIn{std::string(records)};
  format::RecordSource listSource(listIn);
  while (format::LSTRD(listSource, items) == format::ReadStatus::Ok &&
         listSource.recordsRead() < 64) {
  }
}

void writeAll(const format::Format& format) {
  const int32_t integers[] = {0, -1, 2147483647, -2147483647 - 1};
  const float reals[] = {0.0f, -1.5f, 3.4e38f, 1.4e-45f, 0.125f, 1e10f};
  const format::Value values[] = {format::Value::integers(integers, 4),
                                  format::Value::reals(reals, 6), format::Value::text("text item"),
                                  format::Value::reals(reals, 6)};
  std::ostringstream out;
  format::RecordSink sink(out);
  format::FMTWR(sink, format, values);
  std::string buffer(40, ' ');
  format::RecordSink internal(buffer);
  format::FMTWR(internal, format, values);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t newline = input.find('\n');
  std::string_view text = input.substr(0, newline);
  std::string_view records =
      newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
  format::Format format = format::Format::parse(text);
  readAll(format, records);
  writeAll(format);
  return 0;
}
