// Small helpers shared by the format interpreter's tests: run one read or
// write statement on in-memory text.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/format.h"

namespace format::testing {

// The records that one write statement produces, each ended with "\n"; the
// write must succeed.
inline std::string written(std::string_view text, std::initializer_list<Value> values) {
  std::ostringstream out;
  RecordSink sink(out, "\n");
  Format format = Format::parse(text);
  EXPECT_TRUE(FMTWR(sink, format, values)) << text << ": " << sink.error();
  return out.str();
}

// The diagnostic of a write statement that must fail.
inline std::string writeError(std::string_view text, std::initializer_list<Value> values) {
  std::ostringstream out;
  RecordSink sink(out, "\n");
  Format format = Format::parse(text);
  EXPECT_FALSE(FMTWR(sink, format, values)) << text;
  return sink.error();
}

// Reads `count` reals with one statement from `input`.
inline ReadStatus readReals(std::string_view text, const std::string& input,
                            std::vector<float>& values) {
  std::istringstream in(input);
  RecordSource source(in);
  Item item = Item::reals(values.data(), static_cast<int>(values.size()));
  return FMTRD(source, Format::parse(text), {&item, 1});
}

}  // namespace format::testing
