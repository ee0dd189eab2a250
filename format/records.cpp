// Records: lines of a text stream (any of CR LF, LF or CR ends a line) or one
// text buffer (an internal file), for reading and for writing.
#include <istream>
#include <ostream>

#include "format/format.h"

namespace format {

RecordSource::RecordSource(std::istream& in) : in_(&in) {}
RecordSource::RecordSource(std::string_view buffer) : buffer_(buffer) {}

bool RecordSource::next(std::string_view& record) {
  if (in_ == nullptr) {
    if (bufferTaken_) return false;
    bufferTaken_ = true;
    record = buffer_;
    ++recordsRead_;
    return true;
  }
  std::streambuf* buffer = in_->rdbuf();
  int c = buffer ? buffer->sbumpc() : std::char_traits<char>::eof();
  if (c == std::char_traits<char>::eof()) {
    in_->setstate(std::ios::eofbit);
    return false;
  }
  line_.clear();
  while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
    line_.push_back(static_cast<char>(c));
    c = buffer->sbumpc();
  }
  if (c == '\r' && buffer->sgetc() == '\n') buffer->sbumpc();
  record = line_;
  ++recordsRead_;
  return true;
}

RecordSink::RecordSink(std::ostream& out, std::string_view lineEnd)
    : out_(&out), lineEnd_(lineEnd) {}
RecordSink::RecordSink(std::string& buffer) : buffer_(&buffer) {}

bool RecordSink::put(std::string_view record) {
  if (out_ == nullptr) {
    if (bufferWritten_) return fail("an internal file holds one record only");
    if (record.size() > buffer_->size())
      return fail("a record of " + std::to_string(record.size()) +
                  " characters does not fit an internal file of " +
                  std::to_string(buffer_->size()));
    buffer_->replace(0, record.size(), record);
    buffer_->replace(record.size(), std::string::npos, buffer_->size() - record.size(), ' ');
    bufferWritten_ = true;
    return true;
  }
  std::streambuf* buffer = out_->rdbuf();
  auto size = static_cast<std::streamsize>(record.size());
  auto endSize = static_cast<std::streamsize>(lineEnd_.size());
  if (!*out_ || buffer == nullptr || buffer->sputn(record.data(), size) != size ||
      buffer->sputn(lineEnd_.data(), endSize) != endSize) {
    out_->setstate(std::ios::badbit);
    return fail("the output file cannot be written");
  }
  return true;
}

bool RecordSink::fail(std::string why) {
  error_ = std::move(why);
  return false;
}

}  // namespace format
