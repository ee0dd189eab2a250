// The engine's numbered I/O units: 5 the command stream, 6 the results, 7 the
// listing file, and the files that sections open on units of their own.
#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <string>

#include "format/format.h"

namespace engine {

class Units {
 public:
  Units();
  ~Units();
  Units(const Units&) = delete;
  Units& operator=(const Units&) = delete;

  // Puts an already open stream on a unit (standard input, output, the listing).
  void attachInput(int unit, std::istream& in);
  void attachOutput(int unit, std::ostream& out);
  // Opens a named file on a unit, closing what the unit had; false when the
  // file cannot be opened. An output file replaces any earlier content.
  bool openInput(int unit, const std::string& path);
  bool openOutput(int unit, const std::string& path);
  void close(int unit);

  // The unit's records; null when the unit is not open that way.
  format::RecordSource* source(int unit);
  format::RecordSink* sink(int unit);
  // Flushes every output unit.
  void flush();

 private:
  struct Entry;
  std::map<int, std::unique_ptr<Entry>> units_;
};

}  // namespace engine
