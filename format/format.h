// The format interpreter shared by the engine and the preprocessor: fixed-column
// records read and written with format texts in FORTRAN 77 FORMAT notation,
// and list-directed (free-format) input.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace format {

enum class ReadStatus { Ok, ReadError, EndOfFile };

// One entry of an input item list: `count` consecutive 32-bit integers,
// 32-bit reals or texts of `length` characters each.
struct Item {
  enum class Kind { Integer, Real, Text };
  Kind kind;
  void* data;
  int count;
  int length;

  static Item integers(int32_t* p, int n = 1) { return {Kind::Integer, p, n, 0}; }
  static Item reals(float* p, int n = 1) { return {Kind::Real, p, n, 0}; }
  static Item text(char* p, int len, int n = 1) { return {Kind::Text, p, n, len}; }
};

// One entry of an output item list; the same shapes as Item, read-only.
struct Value {
  Item::Kind kind;
  const void* data;
  int count;
  int length;

  static Value integers(const int32_t* p, int n = 1) { return {Item::Kind::Integer, p, n, 0}; }
  static Value reals(const float* p, int n = 1) { return {Item::Kind::Real, p, n, 0}; }
  static Value text(const char* p, int len, int n = 1) { return {Item::Kind::Text, p, n, len}; }
  static Value text(std::string_view s) {
    return {Item::Kind::Text, s.data(), 1, static_cast<int>(s.size())};
  }
};

// A parsed format text. Parse once, use for every record: parsing is the
// costly part and the engine writes thousands of lines with the same texts.
class Format {
 public:
  // Never throws; an invalid text gives a Format with valid() false and a
  // one-line error() saying what is wrong and where.
  static Format parse(std::string_view text);
  // The parsed form of a text that the programs themselves write (listing
  // lines): parsed on first use and kept for the rest of the run.
  static const Format& cached(std::string_view text);

  Format(Format&&) noexcept;
  Format& operator=(Format&&) noexcept;
  ~Format();

  bool valid() const;
  const std::string& error() const;
  const std::string& text() const;

  struct Program;  // the parsed items; defined by the interpreter
  const Program& program() const { return *program_; }

 private:
  explicit Format(std::unique_ptr<Program> program);
  std::unique_ptr<Program> program_;
};

// Where records come from: the lines of a text stream (a CR directly before
// the line end is not part of the record; CR alone also ends a line), or one
// text buffer read as a single record (an internal file).
class RecordSource {
 public:
  explicit RecordSource(std::istream& in);
  explicit RecordSource(std::string_view buffer);

  // The next record; false at the end of the input.
  bool next(std::string_view& record);
  // How many records have been taken so far (the line number of the last one).
  long recordsRead() const { return recordsRead_; }

 private:
  std::istream* in_ = nullptr;
  std::string_view buffer_;
  bool bufferTaken_ = false;
  std::string line_;
  long recordsRead_ = 0;
};

// Where records go: lines of a text stream, each ended with `lineEnd`, or one
// text buffer (an internal file) that receives one record, padded with blanks
// to the buffer's length.
class RecordSink {
 public:
  explicit RecordSink(std::ostream& out, std::string_view lineEnd = "\r\n");
  explicit RecordSink(std::string& buffer);

  // Writes one record; false when it cannot be written (a stream error, or a
  // second record or an over-long one for an internal file).
  bool put(std::string_view record);
  // Why the last write failed: the stream, the internal file, or FMTWR's
  // diagnostic for an invalid format text or an item that does not fit it.
  const std::string& error() const { return error_; }
  // Records why a write failed; returns false.
  bool fail(std::string why);

 private:
  std::ostream* out_ = nullptr;
  std::string lineEnd_;
  std::string* buffer_ = nullptr;
  bool bufferWritten_ = false;
  std::string error_;
};

// Formatted input: fills the items; Ok, ReadError (also for an invalid format
// text) or EndOfFile.
ReadStatus FMTRD(RecordSource& in, const Format& format, std::span<const Item> items);
// Formatted output: writes one or more records. False when the format text is
// invalid, an item does not fit its descriptor, or a record cannot be written
// (out.error() says why); the programs end with a diagnostic then.
bool FMTWR(RecordSink& out, const Format& format, std::span<const Value> values);
// List-directed input; Ok, ReadError or EndOfFile.
ReadStatus LSTRD(RecordSource& in, std::span<const Item> items);

}  // namespace format
